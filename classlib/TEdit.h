#pragma once
// A one-line text field: an "Edit" child window, 21 pixels high, sunken 3-D border.
#include <string>

#include "TWinControl.h"

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);

    std::string Text() const;
    void SetText(const std::string& text);

    void SetEnabled(bool enabled) override;

protected:
    WindowKind Kind() const override;
    HBRUSH ControlColor(HDC dc) override;
};
