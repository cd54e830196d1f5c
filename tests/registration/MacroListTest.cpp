#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramGroups.h"

namespace {

// The group and its items, the same for every option.
std::vector<std::string> GroupMacros(const std::string& dir) {
    return {
        "[CreateGroup(Pilo! Mindkeep!,)]",
        "[Additem(\"" + dir + "pilo.exe\",Pilo!,,,)]",
        "[Additem(\"" + dir + "pilo.hlp\",Using Pilo!,,,)]",
        "[Additem(\"" + dir + "piloap.exe\",Pilo! AutoPopup,,,)]",
        "[Additem(\"" + dir + "pilodb.exe\",PiloDB,,,)]",
        "[Additem(\"" + dir + "convert\\pilo4to5.exe\",Conversion To v5,,,)]",
        "[Additem(\"http://www.pilo-mindkeep.example/pilo/\",The Pilo! Web Site,,,)]",
        "[ShowGroup(Pilo! Mindkeep!,6)]",
        "[CreateGroup(Startup,)]",
        "[DeleteItem(Pilo! Launcher)]",
        "[DeleteItem(Pilo! AutoPopup)]",
    };
}

struct MacroCase {
    int itemIndex;
    const char* productDir;
    const char* startupItem;  // empty: none
};

const MacroCase kCases[] = {
    {0, "C:\\PILO\\", "[Additem(\"C:\\PILO\\piloonce.exe\",Pilo! Launcher,,,)]"},
    {1, "C:\\PILO\\", "[Additem(\"C:\\PILO\\piloonce.exe\",Pilo! Launcher,,,)]"},
    {2, "C:\\PILO\\", "[Additem(\"C:\\PILO\\piloap.exe\",Pilo! AutoPopup,,,)]"},
    {3, "C:\\PILO\\", ""},
    {-1, "C:\\PILO\\", ""},  // no option picked: no start-up item rather than a guess
    {0, "C:\\Program Files\\Pilo Mindkeep\\",
     "[Additem(\"C:\\Program Files\\Pilo Mindkeep\\piloonce.exe\",Pilo! Launcher,,,)]"},
    {2, "C:\\Program Files\\Pilo Mindkeep\\",
     "[Additem(\"C:\\Program Files\\Pilo Mindkeep\\piloap.exe\",Pilo! AutoPopup,,,)]"},
};

TEST(ProgramGroupMacros, GroupItemsThenTheOptionsStartupItem) {
    for (const MacroCase& c : kCases) {
        std::vector<std::string> expected = GroupMacros(c.productDir);
        if (*c.startupItem) expected.push_back(c.startupItem);
        expected.push_back("[ShowGroup(Startup,7)]");
        EXPECT_EQ(ProgramGroupMacros(c.itemIndex, c.productDir), expected)
            << "option " << c.itemIndex << " in " << c.productDir;
    }
}

TEST(ProgramGroupMacros, FirstItemReadsAsInTheProductDirectory) {
    EXPECT_EQ(ProgramGroupMacros(0, "C:\\PILO\\")[1], "[Additem(\"C:\\PILO\\pilo.exe\",Pilo!,,,)]");
}

TEST(ProgramGroupMacros, WebSiteItemPointsAtTheProductPage) {
    const std::string macro = ProgramGroupMacros(0, "C:\\PILO\\")[6];
    const std::string address = macro.substr(10, macro.find('"', 10) - 10);
    EXPECT_EQ(address.rfind("http://", 0), 0u);
    EXPECT_EQ(address.substr(address.find('/', 7)), "/pilo/");
}

}  // namespace
