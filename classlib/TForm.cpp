#include "TForm.h"

#include "Exception.h"
#include "ExceptionBoundary.h"
#include "TApplication.h"
#include "TBitBtn.h"

namespace {

constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The default button among the control's children at any depth, or null.
TBitBtn* FindDefaultButton(const TWinControl& container) {
    for (TControl* control : container.Controls()) {
        if (auto* button = dynamic_cast<TBitBtn*>(control); button && button->Default()) return button;
        if (auto* inner = dynamic_cast<TWinControl*>(control))
            if (TBitBtn* button = FindDefaultButton(*inner)) return button;
    }
    return nullptr;
}

// The control with that id among the container's children at any depth, or null.
TControl* FindControlById(const TWinControl& container, int id) {
    for (TControl* control : container.Controls()) {
        if (control->ControlId() == id) return control;
        if (auto* inner = dynamic_cast<TWinControl*>(control))
            if (TControl* found = FindControlById(*inner, id)) return found;
    }
    return nullptr;
}

}  // namespace

TForm::TForm(TComponent* owner, const std::string& className) : TWinControl(owner), className_(className) {
    RegisterKind(className_.c_str(), LoadIconA(Instance(), MAKEINTRESOURCEA(1)));
    CreateFormWindow();
}

TForm::~TForm() {
    // The components go while the form is still whole.
    DestroyComponents();
    TWinControl::DestroyHandle();
    Application().FormDestroyed(this);
}

TWinControl::WindowKind TForm::Kind() const { return {className_.c_str(), kFormStyle, kFormExStyle}; }

void TForm::CreateFormWindow() {
    HWND window = CreateWindowExA(kFormExStyle, className_.c_str(), Caption().c_str(), kFormStyle, 0, 0,
                                  Width(), Height(), nullptr, nullptr, Instance(), static_cast<TControl*>(this));
    if (!window) throw Exception("Error creating window");
    AttachWindow(window);
    // A dialog frame: the system menu offers only moving and closing.
    if (HMENU menu = GetSystemMenu(window, FALSE)) {
        for (UINT command : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
            DeleteMenu(menu, command, MF_BYCOMMAND);
    }
}

void TForm::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
    SetBounds(Left(), Top(), frame.right - frame.left, frame.bottom - frame.top);
}

void TForm::CaptionChanged() {}

void TForm::Show() {
    if (!shownBefore_) {
        shownBefore_ = true;
        BeforeShow();
        // Centred on the desktop.
        SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2, (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2,
                  Width(), Height());
    }
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    UpdateWindow(Handle());
}

void TForm::Close() {
    TForm* mainForm = Application().MainForm();
    if (mainForm && mainForm != this) {
        if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
        return;
    }
    closeRequested_ = true;
    // Wakes the message loop; unlike a quit message it ends no message box's loop.
    if (HandleAllocated()) PostMessageA(Handle(), WM_NULL, 0, 0);
}

void TForm::DoCreate() {
    CallGuarded([this] {
        if (OnCreate) OnCreate(this);
    });
}

void TForm::RestoreFocus() {
    HWND window = Handle();
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(window, lastFocus_) && IsWindowEnabled(lastFocus_) &&
        IsWindowVisible(lastFocus_)) {
        SetFocus(lastFocus_);
        return;
    }
    if (HWND first = GetNextDlgTabItem(window, nullptr, FALSE)) SetFocus(first);
}

void TForm::Activated() {
    RestoreFocus();
    if (!activatedBefore_ && IsWindowVisible(Handle())) {
        activatedBefore_ = true;
        if (OnActivate) OnActivate(this);
    }
}

LRESULT TForm::DefaultButtonId() const {
    // Enter presses the focused button, else the default one.
    const TBitBtn* button = dynamic_cast<const TBitBtn*>(FromHandle(GetFocus()));
    if (!button || !IsChild(Handle(), button->Handle())) button = FindDefaultButton(*this);
    if (!button || !button->HandleAllocated() || button->ControlId() == 0) return 0;
    return MAKELRESULT(button->ControlId(), DC_HASDEFID);
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            Activated();
        }
        return 0;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case DM_GETDEFID:
        return DefaultButtonId();
    case WM_COMMAND:
        // The dialog keys may name the button by its id alone.
        if (!lParam && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) != 0) {
            if (auto* button = dynamic_cast<TBitBtn*>(FindControlById(*this, LOWORD(wParam)))) {
                if (button->Enabled()) button->Click();
                return 0;
            }
        }
        return TWinControl::WndProc(message, wParam, lParam);
    default:
        return TWinControl::WndProc(message, wParam, lParam);
    }
}
