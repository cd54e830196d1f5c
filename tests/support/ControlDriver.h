#pragma once
// Working the controls of another process's dialog: found by control id, typed into,
// clicked and read the way the user's own input would reach them.
#include <windows.h>

#include <string>

// The descendant of root (at any depth) with that control id; null when none.
HWND FindControlById(HWND root, int id);

std::string ClassNameOf(HWND window);

// Types a text into an edit control (replaces its text, as WM_SETTEXT does).
void SetEditText(HWND edit, const std::string& text);
// Clicks a button or a radio button. Posted, so a click that brings up a modal box
// does not block the caller.
void ClickButton(HWND button);
bool IsChecked(HWND button);

// The window that has the keyboard focus in the thread that owns topLevel (null when
// none); works across processes.
HWND FocusedControlOf(HWND topLevel);
// Brings the window to the front and presses and releases a key there, through the
// system's input queue as a keyboard would.
void PressKey(HWND topLevel, WORD virtualKey);
