#pragma once
// A plain container with a raised one-pixel bevel; its caption is not shown.
#include "TWinControl.h"

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);

protected:
    WindowKind Kind() const override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
