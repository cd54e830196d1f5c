#include "TLabel.h"

#include "TWinControl.h"

TLabel::TLabel(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 65, 17);
}

TControl::WindowKind TLabel::Kind() const { return {"Static", StaticStyle(), 0}; }

DWORD TLabel::StaticStyle() const {
    switch (alignment_) {
    case TAlignment::taCenter:
        return SS_CENTER;
    case TAlignment::taRightJustify:
        return SS_RIGHT;
    case TAlignment::taLeftJustify:
    default:
        return wordWrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP;
    }
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    if (HandleAllocated()) {
        const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
        SetWindowLongPtrA(Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | StaticStyle());
        InvalidateRect(Handle(), nullptr, TRUE);
    }
    AdjustBounds();
}

void TLabel::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    SetAlignment(alignment_);
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::SetEnabled(bool enabled) {
    TControl::SetEnabled(enabled);
}

void TLabel::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    AdjustBounds();
}

void TLabel::FontChanged() {
    TControl::FontChanged();
    AdjustBounds();
}

void TLabel::CaptionChanged() { AdjustBounds(); }

void TLabel::HandleCreated() { AdjustBounds(); }

// The size of the caption in the label's font, the way the static control lays it
// out; with word wrap only the height follows, within the width.
void TLabel::AdjustBounds() {
    if (!autoSize_) return;
    const std::string& text = Caption();
    HDC dc = GetDC(nullptr);
    RECT extent = {0, 0, wordWrap_ ? Width() : 0, 0};
    {
        SelectedObject font(dc, FontHandle());
        UINT format = DT_CALCRECT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
        // An empty caption keeps the height of one line.
        DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &extent, format);
        if (text.empty()) extent.right = 0;
    }
    ReleaseDC(nullptr, dc);
    const int width = wordWrap_ ? Width() : static_cast<int>(extent.right);
    const int height = extent.bottom;
    int left = Left();
    // A right-aligned label keeps its right edge.
    if (alignment_ == TAlignment::taRightJustify && !wordWrap_) left += Width() - width;
    if (left != Left() || width != Width() || height != Height()) TControl::SetBounds(left, Top(), width, height);
}

HBRUSH TLabel::ControlColor(HDC dc) {
    HBRUSH brush = TControl::ControlColor(dc);
    SetBkMode(dc, TRANSPARENT);
    return brush;
}
