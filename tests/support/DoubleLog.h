#pragma once
// The test doubles of the reminder program (Pilo.exe) and of the companion
// (SENTREL.EXE), and the log through which a test sees what they went through.
//
// Programs (in the build's bin folder; copy them into a product folder under the name
// the product uses):
//   ReminderDouble.exe   window class "TPilo32w", title "Pilo! Mindkeep!" unless started
//                        with --title=<text>; records every message 0x420.
//   CompanionDouble.exe  window class "TSEForm1", title "Sentrel" unless --title=<text>;
//                        records every message 0x424.
// Both end on WM_CLOSE and by themselves after 60 seconds (--lifetime=<seconds>).
//
// Log: both append to one file, "doubles.log", in the folder of their own executable,
// so the order of the lines across both is the order of the events. One line per
// event, fields separated by tab characters:
//   <role> TAB <event> { TAB <key>=<value> }
//   role   "reminder" or "companion"
//   event  "start"  written once the window is up, before its message loop runs:
//                   pid=<process id>  showcmd=<show command it was started with>
//                   title=<its window title>  cmdline=<its command line as given>
//          "0x420" (reminder) / "0x424" (companion), written while handling it:
//                   show=minimised|normal|maximised  (the window's state then)
//                   foreground=yes|no                (it was the foreground window)
//                   sent=yes|no   (yes: sent, the sender waiting for it; no: posted)
#include <windows.h>

#include <map>
#include <string>
#include <vector>

constexpr const char* kReminderDoubleExe = "ReminderDouble.exe";
constexpr const char* kCompanionDoubleExe = "CompanionDouble.exe";
constexpr const char* kDoubleLogName = "doubles.log";

struct DoubleEvent {
    std::string role;   // "reminder" or "companion"
    std::string event;  // "start", "0x420", "0x424"
    std::map<std::string, std::string> fields;

    // The value of a field; empty when the line has none.
    std::string Field(const std::string& key) const;
};

// The log of the doubles installed in the folder (with a trailing backslash).
std::string DoubleLogPath(const std::string& folder);
// Every line of the log, in order; none when there is no log.
std::vector<DoubleEvent> ReadDoubleLog(const std::string& folder);
// The lines of one role and event (either may be empty: any).
std::vector<DoubleEvent> DoubleEvents(const std::string& folder, const std::string& role,
                                      const std::string& event);
// Polls until the log holds at least count lines of the role and event; false after the time.
bool WaitForDoubleEvents(const std::string& folder, const std::string& role, const std::string& event,
                         size_t count = 1, DWORD timeoutMs = 10000);

// The window classes of the two programs the doubles stand in for.
constexpr const char* kReminderClass = "TPilo32w";
constexpr const char* kCompanionClass = "TSEForm1";

// Closes every top-level window of the class (WM_CLOSE) and waits until the processes
// owning them have ended (those still there after the time are ended by force).
void CloseProgramsWithWindowClass(const char* className, DWORD timeoutMs = 10000);
// Both doubles (any copies, whatever their folder).
void CloseDoubles();
