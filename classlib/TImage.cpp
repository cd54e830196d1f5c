#include "TImage.h"

#include <string>

#include "Exception.h"
#include "TWinControl.h"

namespace {

constexpr char kClassName[] = "TImage";

std::string ResourceText(const char* name) {
    return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<UINT_PTR>(name)) : std::string(name);
}

HANDLE LoadPicture(const char* name, UINT type) {
    HANDLE picture = LoadImageA(GetModuleHandleA(nullptr), name, type, 0, 0,
                                type == IMAGE_ICON ? LR_DEFAULTSIZE : LR_DEFAULTCOLOR);
    if (!picture) throw Exception("Resource " + ResourceText(name) + " not found");
    return picture;
}

}  // namespace

TImage::TImage(TComponent* owner) : TControl(owner) {
    RegisterKind(kClassName);
    SetBounds(0, 0, 105, 105);
}

TControl::WindowKind TImage::Kind() const { return {kClassName, 0, 0}; }

void TImage::SetBitmapResource(const char* name) {
    bitmap_.Reset(static_cast<HBITMAP>(LoadPicture(name, IMAGE_BITMAP)));
    icon_.Reset();
    Repaint();
}

void TImage::SetBitmapResource(int id) { SetBitmapResource(MAKEINTRESOURCEA(id)); }

void TImage::SetIconResource(const char* name) {
    icon_.Reset(static_cast<HICON>(LoadPicture(name, IMAGE_ICON)));
    bitmap_.Reset();
    Repaint();
}

void TImage::SetIconResource(int id) { SetIconResource(MAKEINTRESOURCEA(id)); }

void TImage::Repaint() const {
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TImage::Paint(HDC dc) const {
    if (bitmap_) {
        BITMAP info = {};
        GetObjectA(bitmap_.Get(), sizeof info, &info);
        MemoryDC source(dc);
        SelectedObject selected(source.Get(), bitmap_.Get());
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, Width(), Height(), source.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    } else if (icon_) {
        DrawIconEx(dc, 0, 0, icon_.Get(), 0, 0, 0, nullptr, DI_NORMAL);
    }
}

LRESULT TImage::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, Parent()->BackgroundBrush());
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        Paint(dc);
        EndPaint(Handle(), &paint);
        return 0;
    }
    default:
        return TControl::WndProc(message, wParam, lParam);
    }
}
