#include "MessageDialogs.h"

#include <windows.h>

namespace {

// Moves the message box to the centre of the screen as it is activated.
LRESULT CALLBACK CentreOnScreen(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(box, className, sizeof className);
        RECT frame;
        if (lstrcmpA(className, "#32770") == 0 && GetWindowRect(box, &frame)) {
            const int width = frame.right - frame.left;
            const int height = frame.bottom - frame.top;
            SetWindowPos(box, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The hook lives as long as the box.
class CentringHook {
public:
    CentringHook() : hook_(SetWindowsHookExA(WH_CBT, CentreOnScreen, nullptr, GetCurrentThreadId())) {}
    ~CentringHook() {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    CentringHook(const CentringHook&) = delete;
    CentringHook& operator=(const CentringHook&) = delete;

private:
    HHOOK hook_;
};

}  // namespace

void ShowInformation(const std::string& text) {
    MessageBeep(MB_ICONASTERISK);  // 0x40, the information beep
    HWND owner = GetActiveWindow();
    CentringHook centring;
    MessageBoxA(owner, text.c_str(), "Information", MB_ICONINFORMATION | MB_OK);
}
