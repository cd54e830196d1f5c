#include "InstallerRun.h"

#include <stdexcept>

#include "ControlDriver.h"
#include "WindowDriver.h"

namespace {

constexpr DWORD kPollMs = 50;

}  // namespace

InstallerRun::InstallerRun(const std::string& installer, const std::string& directory,
                           const std::string& arguments)
    : process_(Quoted(installer) + (arguments.empty() ? "" : " " + arguments), directory) {}

HWND InstallerRun::WaitForDialog(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND form = FindWindowA(kFormClass, kFormTitle);
        if (form && IsWindowVisible(form)) {
            // The second version label is the last thing the first activation sets.
            HWND label = FindControlById(form, kZVerLabel2);
            if (label && WindowText(label) != kDesignTimeVersion) return dialog_ = form;
        }
        if (GetTickCount() - start >= timeoutMs || !process_.Running()) return nullptr;
        Sleep(kPollMs);
    }
}

HWND InstallerRun::Control(int id) const {
    HWND control = dialog_ ? FindControlById(dialog_, id) : nullptr;
    if (!control) throw std::runtime_error("no control " + std::to_string(id));
    return control;
}

std::string InstallerRun::Text(int id) const { return WindowText(Control(id)); }

bool InstallerRun::Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

int InstallerRun::CheckedRadioItem() const {
    for (int index = 0; index < 4; ++index)
        if (IsChecked(RadioItem(index))) return index;
    return -1;
}

void InstallerRun::Type(int id, const std::string& text) { SetEditText(Control(id), text); }

void InstallerRun::Click(int id) { ClickButton(Control(id)); }

void InstallerRun::PickOption(int index) {
    ClickButton(RadioItem(index));
    // The click is posted; wait until the dialog has taken it.
    const DWORD start = GetTickCount();
    while (!IsChecked(RadioItem(index)) && GetTickCount() - start < 5000) Sleep(kPollMs);
}
