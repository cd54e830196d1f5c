#include "TPanel.h"

namespace {
constexpr char kClassName[] = "TPanel";
}

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
    RegisterKind(kClassName);
    SetBounds(0, 0, 185, 41);
}

TControl::WindowKind TPanel::Kind() const { return {kClassName, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT}; }

LRESULT TPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        RECT client;
        GetClientRect(Handle(), &client);
        DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
        EndPaint(Handle(), &paint);
        return 0;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}
