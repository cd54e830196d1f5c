#pragma once
// A container framed by an etched line with its caption drawn in the frame.
#include "TWinControl.h"

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);

protected:
    WindowKind Kind() const override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CaptionChanged() override;
};

// Paints the frame and caption of a group box or radio group into dc.
void PaintCaptionFrame(HDC dc, const RECT& bounds, const std::string& caption, HFONT font,
                       COLORREF textColor, COLORREF background, bool enabled);
