#include "TApplication.h"

#include "ExceptionBoundary.h"
#include "ProgramDir.h"

namespace {

// What an error that is not a std::exception is shown as.
class UnknownError : public std::exception {
public:
    const char* what() const noexcept override { return "Unexpected error"; }
};

TForm* FormOf(HWND window) {
    if (!window) return nullptr;
    return dynamic_cast<TForm*>(TControl::FromHandle(GetAncestor(window, GA_ROOT)));
}

}  // namespace

void HandleCurrentException() noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        Application().HandleException(error);
    } catch (...) {
        Application().HandleException(UnknownError());
    }
}

TApplication& Application() {
    static TApplication application;
    return application;
}

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() { DestroyComponents(); }

void TApplication::Initialize() {}

void TApplication::FormDestroyed(TForm* form) {
    if (mainForm_ == form) mainForm_ = nullptr;
}

bool TApplication::LoopShouldEnd() const {
    return terminated_ || !mainForm_ || mainForm_->CloseRequested() || !mainForm_->Handle();
}

void TApplication::Run() {
    if (mainForm_ && !terminated_) {
        CallGuarded([this] { mainForm_->Show(); });
        // A close request (or Terminate) is looked at only here, between two
        // messages of this outer loop: a message box that a handler shows runs a
        // loop of its own and is not ended by it.
        MSG message;
        while (!LoopShouldEnd()) {
            const BOOL got = GetMessageA(&message, nullptr, 0, 0);
            if (got == 0 || got == -1) break;
            ProcessMessage(message);
        }
        if (mainForm_ && mainForm_->Handle()) ShowWindow(mainForm_->Handle(), SW_HIDE);
    }
    DestroyComponents();
    mainForm_ = nullptr;
}

void TApplication::Terminate() {
    terminated_ = true;
    if (mainForm_ && mainForm_->Handle()) PostMessageA(mainForm_->Handle(), WM_NULL, 0, 0);
    else PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void TApplication::ProcessMessage(MSG& message) {
    try {
        TForm* form = FormOf(message.hwnd);
        if (form && message.message == WM_KEYDOWN && message.wParam == VK_F1) {
            HWND focus = GetFocus();
            const int context = HelpContextFor(focus ? focus : message.hwnd);
            if (context != 0) HelpContext(context);
            return;
        }
        if (form && IsDialogMessageA(form->Handle(), &message)) return;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    } catch (...) {
        HandleCurrentException();
    }
}

std::string TApplication::Title() const { return ApplicationTitleOf(ExecutablePath()); }

bool TApplication::HelpContext(int context) {
    if (helpFile_.empty()) return false;
    HWND owner = mainForm_ ? mainForm_->Handle() : nullptr;
    return WinHelpA(owner, helpFile_.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(context)) != FALSE;
}

void TApplication::HandleException(const std::exception& error) noexcept {
    try {
        HWND owner = mainForm_ ? mainForm_->Handle() : nullptr;
        MessageBoxA(owner, ErrorBoxText(error.what()).c_str(), Title().c_str(), MB_ICONSTOP | MB_OK);
    } catch (...) {
        // Out of memory for the texts: show the bare message.
        MessageBoxA(nullptr, error.what(), nullptr, MB_ICONSTOP | MB_OK);
    }
}

std::string ApplicationTitleOf(const std::string& executablePath) {
    const size_t nameStart = executablePath.find_last_of("\\/:");
    std::string name = executablePath.substr(nameStart == std::string::npos ? 0 : nameStart + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.erase(dot);
    if (name.size() > 1) CharLowerBuffA(&name[1], static_cast<DWORD>(name.size() - 1));
    return name;
}

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

int HelpContextFor(HWND focus) {
    for (HWND window = focus; window; window = GetParent(window)) {
        if (TControl* control = TControl::FromHandle(window)) {
            if (control->HelpContext() != 0) return control->HelpContext();
        }
        // The search ends at the form (a parent of a top-level window is its owner).
        if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) break;
    }
    return 0;
}
