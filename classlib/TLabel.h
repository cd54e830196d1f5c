#pragma once
// A text label: a "Static" child window whose window text is the caption. It sizes
// itself to its caption (auto-size), shows its font colour on its parent's
// background and greyed text when disabled.
#include "TControl.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);

    void SetAlignment(TAlignment alignment);
    TAlignment Alignment() const { return alignment_; }
    // Word wrap breaks the caption into lines within the width; auto-size then
    // fits only the height.
    void SetWordWrap(bool wordWrap);
    bool WordWrap() const { return wordWrap_; }
    void SetAutoSize(bool autoSize);
    bool AutoSize() const { return autoSize_; }

    void SetEnabled(bool enabled) override;
    // With auto-size the size then follows the caption again.
    void SetBounds(int left, int top, int width, int height) override;

protected:
    WindowKind Kind() const override;
    void FontChanged() override;
    void CaptionChanged() override;
    void HandleCreated() override;
    HBRUSH ControlColor(HDC dc) override;

private:
    void AdjustBounds();
    DWORD StaticStyle() const;

    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool wordWrap_ = false;
    bool autoSize_ = true;
};
