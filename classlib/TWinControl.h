#pragma once
// A control that holds other controls: it makes their windows, hands their
// notifications (commands, owner drawing, colours) on to them and keeps their
// tab order.
#include <vector>

#include "TControl.h"

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    const std::vector<TControl*>& Controls() const { return controls_; }

    COLORREF Color() const { return color_; }
    void SetColor(COLORREF color);
    // Brush of the background colour, for the children's WM_CTLCOLOR* answers.
    HBRUSH BackgroundBrush() const { return brush_.Get(); }

protected:
    // Hands notifications on to the child controls and fills the background.
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    void CreateHandle() override;
    void DestroyHandle() override;
    void FontChanged() override;
    void HandleCreated() override;
    void BeforeShow() override;

    // Text height of the control's font, for laying out frames and items.
    int FontTextHeight() const;

    friend class TControl;

private:
    void Insert(TControl* control);
    void Remove(TControl* control);
    void ArrangeTabOrder();

    std::vector<TControl*> controls_;
    COLORREF color_;
    UniqueBrush brush_;
};
