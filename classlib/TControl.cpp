#include "TControl.h"

#include <set>
#include <string>

#include "Exception.h"
#include "ExceptionBoundary.h"
#include "TWinControl.h"

namespace {
// The window property that links a window of this layer to its control object.
constexpr char kControlProperty[] = "PiloControl";
}  // namespace

LRESULT CALLBACK LayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetPropA(window, kControlProperty, create->lpCreateParams);
    }
    TControl* control = TControl::FromHandle(window);
    // While the window is being made the control does not know it yet.
    if (!control || control->Handle() != window) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropA(window, kControlProperty);
        control->window_.Release();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return control->WndProc(message, wParam, lParam);
    } catch (...) {
        HandleCurrentException();
    }
    return 0;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] { OwnFontChanged(); };
}

TControl::~TControl() {
    if (parent_) parent_->Remove(this);
    TControl::DestroyHandle();
}

TControl* TControl::FromHandle(HWND window) {
    return window ? static_cast<TControl*>(GetPropA(window, kControlProperty)) : nullptr;
}

HINSTANCE TControl::Instance() { return GetModuleHandleA(nullptr); }

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) parent_->Remove(this);
    parent_ = parent;
    if (!parent_) {
        DestroyHandle();
        return;
    }
    parent_->Insert(this);
    if (!parent_->HandleAllocated()) return;
    if (HandleAllocated()) {
        ::SetParent(Handle(), parent_->Handle());
        FontChanged();
    } else {
        CreateHandle();
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    ApplyBounds();
    BoundsChanged();
}

void TControl::ApplyBounds() {
    if (HandleAllocated()) MoveWindow(Handle(), left_, top_, width_, height_, TRUE);
}

void TControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (HandleAllocated()) {
        EnableWindow(Handle(), enabled ? TRUE : FALSE);
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    if (HandleAllocated()) ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
}

void TControl::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (HandleAllocated()) SetWindowTextA(Handle(), caption_.c_str());
    CaptionChanged();
}

void TControl::CaptionChanged() {}

TFont& TControl::Font() {
    if (parentFont_ && parent_) font_.CopyFrom(parent_->EffectiveFont());
    return font_;
}

const TFont& TControl::EffectiveFont() const {
    return (parentFont_ && parent_) ? parent_->EffectiveFont() : font_;
}

HFONT TControl::FontHandle() const {
    if (parentFont_ && parent_) return parent_->FontHandle();
    if (!fontHandle_) fontHandle_.Reset(font_.CreateHandle());
    return fontHandle_.Get();
}

void TControl::OwnFontChanged() {
    parentFont_ = false;
    fontHandle_.Reset();
    FontChanged();
}

void TControl::FontChanged() {
    if (HandleAllocated()) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
}

void TControl::SetTabOrder(int order) {
    tabOrder_ = order;
    if (parent_) parent_->ArrangeTabOrder();
}

void TControl::SetControlId(int id) {
    controlId_ = id;
    if (HandleAllocated()) SetWindowLongPtrA(Handle(), GWLP_ID, id);
}

HBRUSH TControl::ControlColor(HDC dc) {
    SetTextColor(dc, enabled_ ? EffectiveFont().Color() : GetSysColor(COLOR_GRAYTEXT));
    SetBkColor(dc, parent_->Color());
    return parent_->BackgroundBrush();
}

void TControl::AttachWindow(HWND window) {
    SetPropA(window, kControlProperty, this);
    window_.Reset(window);
}

void TControl::CreateHandle() {
    if (HandleAllocated() || !parent_ || !parent_->HandleAllocated()) return;
    const WindowKind kind = Kind();
    DWORD style = WS_CHILD | kind.style;
    if (visible_) style |= WS_VISIBLE;
    if (!enabled_) style |= WS_DISABLED;
    HWND window = CreateWindowExA(kind.exStyle, kind.className, caption_.c_str(), style, left_, top_, width_,
                                  height_, parent_->Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_)), Instance(), this);
    if (!window) throw Exception("Error creating window");
    AttachWindow(window);
    FontChanged();
    HandleCreated();
    parent_->ArrangeTabOrder();
}

void TControl::DestroyHandle() {
    if (!HandleAllocated()) return;
    RemovePropA(Handle(), kControlProperty);
    window_.Reset();
}

LRESULT TControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT TControl::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(Handle(), message, wParam, lParam);
}

void TControl::RegisterKind(const char* className, HICON icon) {
    static std::set<std::string> registered;
    if (registered.count(className)) return;
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &::LayerWindowProc;
    windowClass.hInstance = Instance();
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = className;
    if (!RegisterClassA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception(std::string("Unable to register window class ") + className);
    registered.insert(className);
}
