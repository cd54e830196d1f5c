#pragma once
// Font properties of a control. Setting any of them tells the control, which then
// stops taking its parent's font.
#include <windows.h>

#include <functional>
#include <string>

class TFont {
public:
    TFont() = default;

    const std::string& Name() const { return name_; }
    int Height() const { return height_; }  // negative: character height in pixels
    bool Bold() const { return bold_; }
    COLORREF Color() const { return color_; }

    void SetName(const std::string& name);
    void SetHeight(int height);
    void SetBold(bool bold);
    void SetColor(COLORREF color);

    // Takes another font's properties without telling anyone (used to start an own
    // font from the parent's).
    void CopyFrom(const TFont& other);
    bool SameAs(const TFont& other) const;

    // A new GDI font with these properties; the caller owns it.
    HFONT CreateHandle() const;

    std::function<void()> OnChange;

private:
    void Changed();

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    bool bold_ = false;
    COLORREF color_ = RGB(0, 0, 0);
};

// Colours used by the dialog.
constexpr COLORREF clNavy = RGB(0, 0, 128);
constexpr COLORREF clBlue = RGB(0, 0, 255);
