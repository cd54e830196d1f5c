#pragma once
// A product folder of its own for each test, with the real PiloOnce.exe and the test
// doubles copied in under the product's names, and the date each run sees.
//
//   C:\pilotest\launcher\                 (room for a decoy Pilo.exe, see DecoyPath)
//   C:\pilotest\launcher\Pilo product\    the product folder: a blank in its path
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "DoubleLog.h"
#include "TestFiles.h"
#include "TestProcess.h"

class LauncherTest : public testing::Test {
protected:
    LauncherTest();
    void SetUp() override;
    void TearDown() override;

    // Uses another product folder inside the root (created; trailing backslash).
    void UseProductFolder(const std::string& name);
    const std::string& Product() const { return product_; }
    std::string InProduct(const std::string& name) const { return product_ + name; }
    // Where an unquoted product path with its blank would lead WinExec: the root's Pilo.exe.
    std::string DecoyPath() const { return root_ / "Pilo.exe"; }
    const std::string& Root() const { return root_.Path(); }

    void InstallLauncher();
    void InstallReminder();
    void InstallCompanion();
    void InstallDecoy();

    // Writes Pilo.ini with a section "PILO" holding the lines (key=value, CR LF each).
    void WriteSettings(const std::vector<std::string>& lines);
    std::string SettingsText() const { return ReadTextFile(InProduct("Pilo.ini")); }
    std::int32_t StoredDay() const;

    // Runs the launcher from the product folder to its end: its exit code (-1 when it
    // did not end within 20 s).
    long RunLauncher();

    // Starts a double from the product folder the way a user would have, and waits
    // until its window is up.
    HWND StartReminder(const std::string& title = "Pilo! Mindkeep!");
    HWND StartCompanion();

    std::vector<DoubleEvent> Events(const std::string& role, const std::string& event) const {
        return DoubleEvents(product_, role, event);
    }
    // After a run that should not start anything: gives a wrongly started program time
    // to show itself, then the log lines of that role and event.
    std::vector<DoubleEvent> EventsAfterSettling(const std::string& role, const std::string& event) const;

private:
    HWND StartDouble(const char* exeName, const char* className, const std::string& arguments);

    TempDir root_{"launcher"};
    std::string product_;
    std::vector<std::unique_ptr<ChildProcess>> started_;
};

// Day number of a date, as the launcher stores it.
std::int32_t Day(int year, int month, int day);
