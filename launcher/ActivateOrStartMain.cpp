#include "ActivateOrStartMain.h"

#include <windows.h>

#include "FixedText.h"
#include "ProgramDir.h"
#include "StartProgram.h"

namespace {
constexpr const char* kReminderClass = "TPilo32w";
constexpr const char* kReminderTitle = "Pilo! Mindkeep!";
constexpr UINT kReminderWakeUp = WM_USER + 32;  // 0x420
}  // namespace

void ActivateOrStartMain() {
    WindowTitleBuffer title;
    title.Assign(kReminderTitle);
    // The whole title must match; the window search ignores letter case.
    const HWND reminder = FindWindowA(kReminderClass, title.CStr());
    if (reminder) {
        if (IsIconic(reminder))
            ShowWindow(reminder, SW_SHOWNORMAL);
        else
            SetForegroundWindow(reminder);
        // Waits until the reminder program has handled it.
        SendMessageA(reminder, kReminderWakeUp, 0, 0);
        return;
    }
    StartProgram(ProgramDir() + "Pilo.exe", SW_SHOW);
}
