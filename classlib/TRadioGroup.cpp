#include "TRadioGroup.h"

#include "Exception.h"
#include "TGroupBox.h"

namespace {
constexpr char kClassName[] = "TRadioGroup";
}

TRadioGroup::TRadioGroup(TComponent* owner) : TWinControl(owner) {
    RegisterKind(kClassName);
    SetBounds(0, 0, 185, 105);
}

TControl::WindowKind TRadioGroup::Kind() const {
    return {kClassName, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
}

HWND TRadioGroup::ItemHandle(int index) const {
    return (index >= 0 && index < static_cast<int>(buttons_.size())) ? buttons_[index].Get() : nullptr;
}

int TRadioGroup::ItemIndex() {
    SyncButtons();
    return itemIndex_ < static_cast<int>(items_.size()) ? itemIndex_ : static_cast<int>(items_.size()) - 1;
}

void TRadioGroup::SetItemIndex(int index) {
    itemIndex_ = index < -1 ? -1 : index;
    SyncButtons();
    ShowChecks();
}

void TRadioGroup::SetEnabled(bool enabled) {
    TControl::SetEnabled(enabled);
    for (const UniqueWindow& button : buttons_) EnableWindow(button.Get(), enabled ? TRUE : FALSE);
}

void TRadioGroup::SyncButtons() {
    if (!HandleAllocated() || (buttonTexts_ == items_ && buttons_.size() == items_.size())) return;
    buttons_.clear();
    for (size_t i = 0; i < items_.size(); ++i) {
        DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0);
        if (!Enabled()) style |= WS_DISABLED;
        HWND button = CreateWindowExA(0, "Button", items_[i].c_str(), style, 0, 0, 0, 0, Handle(),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstItemId + i)), Instance(),
                                      nullptr);
        if (!button) throw Exception("Error creating window");
        buttons_.emplace_back(button);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    }
    buttonTexts_ = items_;
    if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = static_cast<int>(items_.size()) - 1;
    ArrangeButtons();
    ShowChecks();
}

// One column over the frame's inside, each item the same height; the rest of the
// height is split above and below.
void TRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    const int count = static_cast<int>(buttons_.size());
    const int textHeight = FontTextHeight();
    const int inside = Height() - textHeight - 5;
    const int itemHeight = inside / count;
    const int topMargin = textHeight + 1 + (inside % count) / 2;
    for (int i = 0; i < count; ++i)
        MoveWindow(buttons_[i].Get(), 8, topMargin + i * itemHeight, Width() - 10, itemHeight, TRUE);
}

// Checks the selected item; only it is a tab stop (the first when none is
// selected), so that Tab lands on it and does not pick another item.
void TRadioGroup::ShowChecks() {
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        HWND button = buttons_[i].Get();
        const bool selected = i == itemIndex_;
        SendMessageA(button, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
        const bool tabStop = selected || (itemIndex_ < 0 && i == 0);
        LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
        style = tabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrA(button, GWL_STYLE, style);
    }
}

void TRadioGroup::HandleCreated() {
    TWinControl::HandleCreated();
    SyncButtons();
}

void TRadioGroup::DestroyHandle() {
    buttons_.clear();
    buttonTexts_.clear();
    TWinControl::DestroyHandle();
}

void TRadioGroup::BeforeShow() {
    TWinControl::BeforeShow();
    SyncButtons();
}

void TRadioGroup::FontChanged() {
    TWinControl::FontChanged();
    for (const UniqueWindow& button : buttons_)
        SendMessageA(button.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
    ArrangeButtons();
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TRadioGroup::CaptionChanged() {
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TRadioGroup::BoundsChanged() { ArrangeButtons(); }

LRESULT TRadioGroup::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const int index = static_cast<int>(LOWORD(wParam)) - kFirstItemId;
        HWND button = reinterpret_cast<HWND>(lParam);
        if (HIWORD(wParam) == BN_CLICKED && button && button == ItemHandle(index)) {
            if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED && index != itemIndex_) {
                itemIndex_ = index;
                ShowChecks();
                if (OnClick) OnClick(this);
            }
            return 0;
        }
        break;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        RECT client;
        GetClientRect(Handle(), &client);
        PaintCaptionFrame(dc, client, Caption(), FontHandle(), EffectiveFont().Color(), Color(), Enabled());
        EndPaint(Handle(), &paint);
        return 0;
    }
    default:
        break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}
