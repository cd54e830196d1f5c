#include <gtest/gtest.h>

#include "TApplication.h"

namespace {

TEST(ErrorBoxText, FullStopOnlyAfterCharactersSortingAfterIt) {
    struct Row {
        const char* message;
        const char* shown;
    } rows[] = {
        {"Unable to connect DDE conversation", "Unable to connect DDE conversation."},
        {"Unable to write to C:\\PILO\\Pilo.ini", "Unable to write to C:\\PILO\\Pilo.ini."},
        {"Already ends.", "Already ends."},
        {"Shouting!", "Shouting!"},       // '!' sorts before '.'
        {"Trailing blank ", "Trailing blank "},
        {"Minus-", "Minus-"},
        {"Slash/", "Slash/."},            // '/' sorts right after '.'
        {"Number 42", "Number 42."},
        {"", ""},
        {"Accent \xE9", "Accent \xE9."},  // characters above 127 sort after '.'
    };
    for (const Row& row : rows) EXPECT_EQ(ErrorBoxText(row.message), row.shown) << row.message;
}

TEST(ApplicationTitle, FileNameWithoutExtensionFirstLetterKept) {
    struct Row {
        const char* path;
        const char* title;
    } rows[] = {
        {"C:\\PILO\\PiloInst.exe", "Piloinst"},
        {"C:\\PILO\\PILOINST.EXE", "Piloinst"},
        {"C:\\PILO\\piloinst.exe", "piloinst"},
        {"C:\\My Programs\\Pilo.Setup.exe", "Pilo.setup"},
        {"Z:\\x\\ClassHost", "Classhost"},
    };
    for (const Row& row : rows) EXPECT_EQ(ApplicationTitleOf(row.path), row.title) << row.path;
}

}  // namespace
