#include "ControlDriver.h"

namespace {

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<IdSearch*>(param);
    if (GetDlgCtrlID(child) == search->id) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindControlById(HWND root, int id) {
    IdSearch search{id, nullptr};
    EnumChildWindows(root, MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

void SetEditText(HWND edit, const std::string& text) {
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ClickButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

bool IsChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

HWND FocusedControlOf(HWND topLevel) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(topLevel, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void PressKey(HWND topLevel, WORD virtualKey) {
    SetForegroundWindow(topLevel);
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof keys[0]);
}
