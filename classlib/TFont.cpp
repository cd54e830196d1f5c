#include "TFont.h"

void TFont::SetName(const std::string& name) {
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    height_ = height;
    Changed();
}

void TFont::SetBold(bool bold) {
    bold_ = bold;
    Changed();
}

void TFont::SetColor(COLORREF color) {
    color_ = color;
    Changed();
}

void TFont::CopyFrom(const TFont& other) {
    name_ = other.name_;
    height_ = other.height_;
    bold_ = other.bold_;
    color_ = other.color_;
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && bold_ == other.bold_ && color_ == other.color_;
}

HFONT TFont::CreateHandle() const {
    return CreateFontA(height_, 0, 0, 0, bold_ ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       name_.c_str());
}

void TFont::Changed() {
    if (OnChange) OnChange();
}
