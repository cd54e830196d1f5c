#include "TEdit.h"

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 21);
}

TControl::WindowKind TEdit::Kind() const {
    return {"Edit", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
}

std::string TEdit::Text() const {
    if (!HandleAllocated()) return Caption();
    std::string text(static_cast<size_t>(GetWindowTextLengthA(Handle())) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(Handle(), text.data(), static_cast<int>(text.size()))));
    return text;
}

void TEdit::SetText(const std::string& text) { SetCaption(text); }

void TEdit::SetEnabled(bool enabled) { TControl::SetEnabled(enabled); }

// Also answers WM_CTLCOLORSTATIC, which a disabled edit sends: the field stays
// white and its text turns grey.
HBRUSH TEdit::ControlColor(HDC dc) {
    SetTextColor(dc, Enabled() ? EffectiveFont().Color() : GetSysColor(COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}
