#pragma once
// Registration of the product with the shell through Program Manager DDE macros: the
// product's program group with its items, and the one start-up item the chosen option
// calls for in the Startup group.
#include <string>
#include <vector>

#include "DdeClientConv.h"

// The DDE service and topic the macros go to: the shell's Program Manager.
struct DdeLink {
    std::string service = "Progman", topic = "Progman";
};

// The macros, in the order they are sent, for the start-up option (0 and 1: the launcher,
// 2: the auto-pop-up program, 3 or no option: no start-up item) and the product directory
// (with its trailing backslash).
std::vector<std::string> ProgramGroupMacros(int itemIndex, const std::string& productDir);

// Opens the conversation over the link (raising Exception("Unable to connect DDE
// conversation") before anything is sent when it cannot), sends the macros and sets the
// connect mode back to manual; the conversation stays open.
void RegisterProgramGroupsOver(TDdeClientConv& conversation, int itemIndex, const std::string& productDir,
                               const DdeLink& link = {});
