#include "TGroupBox.h"

namespace {
constexpr char kClassName[] = "TGroupBox";
}

void PaintCaptionFrame(HDC dc, const RECT& bounds, const std::string& caption, HFONT font, COLORREF textColor,
                       COLORREF background, bool enabled) {
    SelectedObject selected(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    RECT frame = bounds;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (caption.empty()) return;
    RECT text = {bounds.left + 8, bounds.top, bounds.left + 8, bounds.top + metrics.tmHeight};
    DrawTextA(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
    // The caption interrupts the frame line.
    SetBkColor(dc, background);
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, enabled ? textColor : GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_LEFT);
}

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
    RegisterKind(kClassName);
    SetBounds(0, 0, 185, 105);
}

TControl::WindowKind TGroupBox::Kind() const { return {kClassName, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT}; }

void TGroupBox::CaptionChanged() {
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT TGroupBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        RECT client;
        GetClientRect(Handle(), &client);
        PaintCaptionFrame(dc, client, Caption(), FontHandle(), EffectiveFont().Color(), Color(), Enabled());
        EndPaint(Handle(), &paint);
        return 0;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}
