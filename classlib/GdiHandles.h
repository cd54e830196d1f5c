#pragma once
// Owners of GDI and USER handles: each frees its handle when it goes out of scope.
#include <windows.h>

#include <utility>

template <class Handle, BOOL(WINAPI* Free)(Handle)>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Gives the handle up without freeing it (it was freed elsewhere).
    Handle Release() { return std::exchange(handle_, nullptr); }
    void Reset(Handle handle = nullptr) {
        if (handle_) Free(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

inline BOOL WINAPI DeleteFontHandle(HFONT font) { return DeleteObject(font); }
inline BOOL WINAPI DeleteBrushHandle(HBRUSH brush) { return DeleteObject(brush); }
inline BOOL WINAPI DeleteBitmapHandle(HBITMAP bitmap) { return DeleteObject(bitmap); }

inline BOOL WINAPI DestroyIconHandle(HICON icon) { return DestroyIcon(icon); }
inline BOOL WINAPI DestroyWindowHandle(HWND window) { return DestroyWindow(window); }

using UniqueFont = UniqueHandle<HFONT, DeleteFontHandle>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteBrushHandle>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteBitmapHandle>;
using UniqueIcon = UniqueHandle<HICON, DestroyIconHandle>;
using UniqueWindow = UniqueHandle<HWND, DestroyWindowHandle>;

// Selects a GDI object into a device context for one scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory device context compatible with another, for one scope.
class MemoryDC {
public:
    explicit MemoryDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};
