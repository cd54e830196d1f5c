#include "WindowDriver.h"

#include <algorithm>

namespace {

constexpr DWORD kPollMs = 50;

std::string WithoutAccelerators(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    return text;
}

struct ChildSearch {
    const char* className;
    const char* text;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    char className[256] = {};
    GetClassNameA(child, className, sizeof className);
    const bool classMatches = !search->className || lstrcmpiA(className, search->className) == 0;
    const bool textMatches = !search->text || WindowText(child) == search->text;
    if (classMatches && textMatches) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

}  // namespace

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = FindWindowA(className, title)) return window;
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(kPollMs);
    }
}

bool WaitForWindowGone(const char* className, const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (FindWindowA(className, title)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollMs);
    }
    return true;
}

std::string WindowText(HWND window) {
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

HWND WaitForMessageBox(const std::string& title, DWORD timeoutMs) {
    return WaitForWindow("#32770", title.c_str(), timeoutMs);
}

MessageBoxContent ReadMessageBox(HWND box) {
    MessageBoxContent content;
    content.title = WindowText(box);
    std::vector<HWND> children;
    EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        char className[64] = {};
        GetClassNameA(child, className, sizeof className);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (lstrcmpiA(className, "Button") == 0) {
            content.buttons.push_back(WithoutAccelerators(WindowText(child)));
        } else if (lstrcmpiA(className, "Static") == 0) {
            if ((style & SS_TYPEMASK) == SS_ICON) content.hasIcon = true;
            else if (GetDlgCtrlID(child) == 0xFFFF || content.text.empty()) content.text = WindowText(child);
        }
    }
    return content;
}

void PressMessageBoxButton(HWND box, const std::string& caption) {
    std::vector<HWND> children;
    EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        char className[64] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Button") == 0 && WithoutAccelerators(WindowText(child)) == caption) {
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                         reinterpret_cast<LPARAM>(child));
            return;
        }
    }
}

HWND FindChild(HWND parent, const char* className, const char* text) {
    ChildSearch search{className, text, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        // Not MsgWaitForMultipleObjects: under the faked clock its timeout never ends.
        Sleep(10);
    }
}
