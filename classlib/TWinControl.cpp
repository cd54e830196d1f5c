#include "TWinControl.h"

#include <algorithm>

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner), color_(GetSysColor(COLOR_BTNFACE)), brush_(CreateSolidBrush(color_)) {}

TWinControl::~TWinControl() {
    TWinControl::DestroyHandle();
    for (TControl* control : controls_) control->parent_ = nullptr;
}

void TWinControl::Insert(TControl* control) {
    controls_.push_back(control);
    // A container or input control without a tab order of its own comes last.
    if (control->tabOrder_ < 0 && dynamic_cast<TWinControl*>(control)) {
        int last = -1;
        for (TControl* sibling : controls_)
            if (sibling != control) last = std::max(last, sibling->tabOrder_);
        control->tabOrder_ = last + 1;
    }
}

void TWinControl::Remove(TControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TWinControl::SetColor(COLORREF color) {
    color_ = color;
    brush_.Reset(CreateSolidBrush(color_));
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TWinControl::CreateHandle() {
    TControl::CreateHandle();
}

void TWinControl::HandleCreated() {
    // The children's windows are made once their parent's exists.
    for (TControl* control : std::vector<TControl*>(controls_)) control->CreateHandle();
    ArrangeTabOrder();
}

void TWinControl::DestroyHandle() {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) (*it)->DestroyHandle();
    TControl::DestroyHandle();
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (TControl* control : controls_)
        if (control->parentFont_) control->FontChanged();
}

void TWinControl::BeforeShow() {
    for (TControl* control : controls_) control->BeforeShow();
}

void TWinControl::ArrangeTabOrder() {
    if (!HandleAllocated()) return;
    std::vector<TControl*> ordered;
    for (TControl* control : controls_)
        if (control->tabOrder_ >= 0 && control->HandleAllocated()) ordered.push_back(control);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const TControl* a, const TControl* b) { return a->tabOrder_ < b->tabOrder_; });
    // The dialog keys follow the windows' Z order.
    HWND after = HWND_TOP;
    for (TControl* control : ordered) {
        SetWindowPos(control->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = control->Handle();
    }
}

int TWinControl::FontTextHeight() const {
    HDC dc = GetDC(nullptr);
    TEXTMETRICA metrics = {};
    {
        SelectedObject font(dc, FontHandle());
        GetTextMetricsA(dc, &metrics);
    }
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam) {
            TControl* control = FromHandle(reinterpret_cast<HWND>(lParam));
            if (control && control != this) {
                control->Command(HIWORD(wParam));
                return 0;
            }
        }
        break;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        TControl* control = FromHandle(item->hwndItem);
        if (control && control != this && control->DrawItem(*item)) return TRUE;
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
        HWND child = reinterpret_cast<HWND>(lParam);
        HDC dc = reinterpret_cast<HDC>(wParam);
        TControl* control = FromHandle(child);
        if (control && control->Parent() == this) return reinterpret_cast<LRESULT>(control->ControlColor(dc));
        // A window of the control's own (a radio group's item): its text in the
        // control's font colour on its background.
        SetTextColor(dc, IsWindowEnabled(child) ? EffectiveFont().Color() : GetSysColor(COLOR_GRAYTEXT));
        SetBkColor(dc, color_);
        return reinterpret_cast<LRESULT>(brush_.Get());
    }
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.Get());
        return 1;
    }
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}
