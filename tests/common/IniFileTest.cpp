#include <gtest/gtest.h>

#include <windows.h>

#include "Exception.h"
#include "IniFile.h"
#include "TestFiles.h"

namespace {

class IniFileTest : public testing::Test {
protected:
    TempDir dir_{"ini file"};
    std::string path_ = dir_ / "Pilo.ini";

    void Store(const std::string& text) { WriteTextFile(path_, text); }
};

TEST_F(IniFileTest, MissingFileReadsDefaults) {
    IniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("PILO", "TodaysDay", 1), 1);
    EXPECT_EQ(ini.ReadInteger("PILO", "PiloOnce", 1), 1);
    EXPECT_FALSE(ini.ReadBool("PILO", "UseSentrel", false));
    EXPECT_EQ(ini.ReadString("PILO", "PopHour", ""), "");
    EXPECT_EQ(ini.ReadString("PILO", "PopHour", "dflt"), "dflt");
    EXPECT_FALSE(FileExists(path_)) << "reading must not create the file";
}

TEST_F(IniFileTest, FirstWriteCreatesFileWithSection) {
    IniFile ini(path_);
    ini.WriteInteger("PILO", "TodaysDay", 36161);
    const std::string text = ReadTextFile(path_);
    EXPECT_NE(text.find("[PILO]"), std::string::npos) << text;
    EXPECT_NE(text.find("TodaysDay=36161"), std::string::npos) << text;
    EXPECT_EQ(ini.ReadInteger("PILO", "TodaysDay", 1), 36161);
}

TEST_F(IniFileTest, IntegersAndFlagsThroughTheProfileFunctions) {
    Store("[pilo]\r\nTodaysDay=0x8D41\r\nPiloOnce=abc\r\nUseSentrel=2\r\nNeg=-16\r\n"
          "Low=$80000000\r\nEmptyFlag=\r\nOther=36161abc\r\n");
    IniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("PILO", "todaysday", 1), 36161) << "section and key ignore case";
    EXPECT_EQ(ini.ReadInteger("PILO", "PiloOnce", 1), 1);
    EXPECT_TRUE(ini.ReadBool("PILO", "UseSentrel", false));
    EXPECT_EQ(ini.ReadInteger("PILO", "Neg", 1), -16);
    EXPECT_EQ(ini.ReadInteger("PILO", "Low", 1), INT32_MIN);
    EXPECT_FALSE(ini.ReadBool("PILO", "EmptyFlag", false));
    EXPECT_TRUE(ini.ReadBool("PILO", "EmptyFlag", true)) << "an empty value reads as the default";
    EXPECT_EQ(ini.ReadInteger("PILO", "Other", 1), 1);
}

TEST_F(IniFileTest, NegativeIntegersAreWrittenWithSign) {
    IniFile ini(path_);
    ini.WriteInteger("PILO", "TodaysDay", -5);
    EXPECT_EQ(ini.ReadString("PILO", "TodaysDay", ""), "-5");
}

TEST_F(IniFileTest, EmptyTextIsStoredAndReadsBackEmpty) {
    IniFile ini(path_);
    ini.WriteString("PILO", "PopHour", "");
    EXPECT_NE(ReadTextFile(path_).find("PopHour="), std::string::npos);
    EXPECT_EQ(ini.ReadString("PILO", "PopHour", "dflt"), "");
}

TEST_F(IniFileTest, LongValueIsCutAt2047Characters) {
    Store("[PILO]\r\nLong=" + std::string(3000, 'a') + "\r\n");
    IniFile ini(path_);
    EXPECT_EQ(ini.ReadString("PILO", "Long", ""), std::string(2047, 'a'));
}

TEST_F(IniFileTest, FailedWriteRaisesWithTheFileName) {
    // A folder standing where the file should be makes the write fail for real.
    MakeDirectories(path_);
    IniFile ini(path_);
    try {
        ini.WriteString("PILO", "PopHour", "7");
        FAIL() << "the write did not fail";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Unable to write to " + path_);
    }
}

TEST_F(IniFileTest, NameWithoutDirectoryIsInTheWindowsDirectory) {
    char windowsDir[MAX_PATH];
    GetWindowsDirectoryA(windowsDir, MAX_PATH);
    const std::string userFile = std::string(windowsDir) + "\\PILO.INI";
    DeletePath(userFile);
    IniFile("PILO.INI").WriteString("SETUPNFO", "UserName", "Ann");
    EXPECT_NE(ReadTextFile(userFile).find("UserName=Ann"), std::string::npos);
    EXPECT_FALSE(FileExists(path_)) << "the program settings file is another file";
    DeletePath(userFile);
}

}  // namespace
