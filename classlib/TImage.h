#pragma once
// A picture: a bitmap stretched to the control's frame, or an icon drawn at its
// own size in the top-left corner. Pictures come from the program's resources.
#include "TControl.h"

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);

    // Both raise Exception when the program has no such resource.
    void SetBitmapResource(const char* name);
    void SetBitmapResource(int id);
    void SetIconResource(const char* name);
    void SetIconResource(int id);

    bool HasPicture() const { return bitmap_ || icon_; }

protected:
    WindowKind Kind() const override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc) const;
    void Repaint() const;

    UniqueBitmap bitmap_;
    UniqueIcon icon_;
};
