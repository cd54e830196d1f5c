#pragma once
// One run of the real installer, its dialog worked from outside as the user would.
#include <windows.h>

#include <string>

#include "TestProcess.h"

// Control ids of the options dialog's components.
enum InstallerControl {
    kPanel1 = 1, kImage1 = 2, kLabel1 = 3, kImage2 = 4, kRadioGroup1 = 5, kBitBtn1 = 6,
    kGroupBox1 = 8, kLabel2 = 9, kYourName = 10, kLabel3 = 11, kZVerLabel1 = 12,
    kZVerLabel2 = 13, kLabel4 = 14, kPopHour = 15, kLabel5 = 16, kPopMin = 17, kBitBtn2 = 18,
};
constexpr int kFirstRadioItem = 100;
constexpr char kFormClass[] = "TForm1";
constexpr char kFormTitle[] = "Pilo Installation...";
// Version labels before FormActivate has updated them.
constexpr char kDesignTimeVersion[] = "4.0.5.37";

class InstallerRun {
public:
    // Starts the installer with the arguments, in its own directory.
    InstallerRun(const std::string& installer, const std::string& directory, const std::string& arguments);

    // The dialog once it is shown and its fields are loaded; null after the time.
    HWND WaitForDialog(DWORD timeoutMs = 15000);
    HWND Dialog() const { return dialog_; }
    HWND Control(int id) const;
    HWND RadioItem(int index) const { return Control(kFirstRadioItem + index); }
    std::string Text(int id) const;
    bool Enabled(int id) const;
    int CheckedRadioItem() const;  // -1 when none

    void Type(int id, const std::string& text);
    void Click(int id);
    void PickOption(int index);
    // Waits until the program ends; its exit code, -1 after the time.
    long WaitForExit(DWORD timeoutMs = 20000) { return process_.WaitForExit(timeoutMs); }
    bool Running() const { return process_.Running(); }

private:
    ChildProcess process_;
    HWND dialog_ = nullptr;
};
