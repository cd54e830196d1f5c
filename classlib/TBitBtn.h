#pragma once
// A push button with a glyph: a "Button" child window (window text = caption),
// drawn with the glyph left of the caption and the pair centred. The glyph's
// bottom-left pixel colour is transparent.
#include "TWinControl.h"

class TBitBtn : public TWinControl {
public:
    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;

    // Raises Exception when the program has no such bitmap resource.
    void SetGlyphResource(const char* name);
    void SetGlyphResource(int id);

    // The default button of its form: Enter presses it (unless another button has
    // the focus, which Enter then presses).
    void SetDefault(bool isDefault);
    bool Default() const { return default_; }

    TNotifyEvent OnClick;
    // Runs OnClick, as a press does.
    void Click();

protected:
    WindowKind Kind() const override;
    void Command(WORD notifyCode) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;
    void CaptionChanged() override;

private:
    UniqueBitmap glyph_;
    bool default_ = false;
};
