#pragma once
// Finding and working the windows of other processes, as a person would.
#include <windows.h>

#include <string>
#include <vector>

// The top-level window of the class and title (either may be null), polled until it
// appears or the time is up; null then.
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = 10000);
// Polls until no such window is left; false when one is still there after the time.
bool WaitForWindowGone(const char* className, const char* title, DWORD timeoutMs = 10000);

// Text of any window or control, read with WM_GETTEXT (works across processes).
std::string WindowText(HWND window);

// A message box: its text (the static control that carries it) and its buttons.
struct MessageBoxContent {
    std::string title;
    std::string text;
    std::vector<std::string> buttons;
    bool hasIcon = false;
};
HWND WaitForMessageBox(const std::string& title, DWORD timeoutMs = 10000);
MessageBoxContent ReadMessageBox(HWND box);
// Presses the box's button with that caption (the "&" markers ignored).
void PressMessageBoxButton(HWND box, const std::string& caption);

// The child control of the window with that class and window text (first match,
// searched at any depth); null when none.
HWND FindChild(HWND parent, const char* className, const char* text);

// Keeps pumping this thread's messages while waiting (a test that owns windows).
void PumpFor(DWORD milliseconds);
