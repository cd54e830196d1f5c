#pragma once
// A framed group of options: the caption in the frame, one "Button" radio button
// per item (control id 100 + index, window text = item text), in one column spaced
// evenly over the frame's inside.
#include <string>
#include <vector>

#include "TWinControl.h"

class TRadioGroup : public TWinControl {
public:
    explicit TRadioGroup(TComponent* owner);

    // The item texts; the buttons follow them when the group is next laid out
    // (when the item index is set or read, and when the window is made or moved).
    std::vector<std::string>& Items() { return items_; }

    int ItemIndex();
    void SetItemIndex(int index);

    void SetEnabled(bool enabled) override;

    // Fired when the user picks an item.
    TNotifyEvent OnClick;

    static constexpr int kFirstItemId = 100;
    HWND ItemHandle(int index) const;

protected:
    WindowKind Kind() const override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void HandleCreated() override;
    void DestroyHandle() override;
    void FontChanged() override;
    void CaptionChanged() override;
    void BoundsChanged() override;
    void BeforeShow() override;

private:
    void SyncButtons();
    void ArrangeButtons();
    void ShowChecks();

    std::vector<std::string> items_;
    std::vector<UniqueWindow> buttons_;
    std::vector<std::string> buttonTexts_;
    int itemIndex_ = -1;
};
