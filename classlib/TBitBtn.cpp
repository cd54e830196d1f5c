#include "TBitBtn.h"

#include <string>

#include "Exception.h"

namespace {
constexpr int kGlyphSpacing = 4;  // between glyph and caption
}

TBitBtn::TBitBtn(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 75, 25);
}

TBitBtn::~TBitBtn() = default;

TControl::WindowKind TBitBtn::Kind() const { return {"Button", WS_TABSTOP | BS_OWNERDRAW, 0}; }

void TBitBtn::SetGlyphResource(const char* name) {
    auto* glyph = static_cast<HBITMAP>(LoadImageA(Instance(), name, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!glyph)
        throw Exception("Resource " +
                        (IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<UINT_PTR>(name)) : std::string(name)) +
                        " not found");
    glyph_.Reset(glyph);
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TBitBtn::SetGlyphResource(int id) { SetGlyphResource(MAKEINTRESOURCEA(id)); }

void TBitBtn::SetDefault(bool isDefault) {
    default_ = isDefault;
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TBitBtn::Click() {
    if (OnClick) OnClick(this);
}

void TBitBtn::Command(WORD notifyCode) {
    if (notifyCode == BN_CLICKED) Click();
}

void TBitBtn::CaptionChanged() {
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

bool TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    const bool disabled = item.itemState & ODS_DISABLED;

    // The button Enter would press wears a dark frame.
    const TControl* focus = FromHandle(GetFocus());
    const bool otherButtonFocused = focus != this && dynamic_cast<const TBitBtn*>(focus) != nullptr;
    if (focused || (default_ && !otherButtonFocused)) {
        FrameRect(dc, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&face, -1, -1);
    }
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

    SelectedObject font(dc, FontHandle());
    RECT textSize = {0, 0, 0, 0};
    const std::string& caption = Caption();
    if (!caption.empty()) DrawTextA(dc, caption.c_str(), -1, &textSize, DT_CALCRECT | DT_SINGLELINE);
    BITMAP glyph = {};
    if (glyph_) GetObjectA(glyph_.Get(), sizeof glyph, &glyph);
    const int spacing = (glyph_ && !caption.empty()) ? kGlyphSpacing : 0;
    const int contentWidth = glyph.bmWidth + spacing + textSize.right;
    const int shift = pushed ? 1 : 0;
    const int left = item.rcItem.left + (item.rcItem.right - item.rcItem.left - contentWidth) / 2 + shift;
    const int middle = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top) / 2 + shift;

    if (glyph_) {
        MemoryDC source(dc);
        SelectedObject selected(source.Get(), glyph_.Get());
        // The bottom-left pixel's colour is the glyph's transparent colour.
        const COLORREF transparent = GetPixel(source.Get(), 0, glyph.bmHeight - 1);
        GdiTransparentBlt(dc, left, middle - glyph.bmHeight / 2, glyph.bmWidth, glyph.bmHeight, source.Get(), 0, 0,
                          glyph.bmWidth, glyph.bmHeight, transparent);
    }
    if (!caption.empty()) {
        RECT text = {left + glyph.bmWidth + spacing, middle - textSize.bottom / 2, 0, 0};
        text.right = text.left + textSize.right;
        text.bottom = text.top + textSize.bottom;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : EffectiveFont().Color());
        DrawTextA(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_LEFT);
    }
    if (focused) {
        RECT focusRect = face;
        InflateRect(&focusRect, -3, -3);
        DrawFocusRect(dc, &focusRect);
    }
    return true;
}
