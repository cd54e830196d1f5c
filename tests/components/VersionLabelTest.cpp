#include <gtest/gtest.h>

#include <string>

#include "ProgramDir.h"
#include "TForm.h"
#include "TestFiles.h"
#include "ZVerLbl.h"

namespace {

// The test program's own file version (see CMakeLists.txt).
constexpr char kOwnVersion[] = "5.0.3.9";

struct CaptionCase {
    const char* prefix;
    const char* fileName;
    const char* caption;
};

class UpdateCaption : public testing::TestWithParam<CaptionCase> {};

TEST_P(UpdateCaption, ShowsVersionOfTheFile) {
    const CaptionCase& row = GetParam();
    TZVerLabel label(nullptr);
    label.Prefix = row.prefix;
    label.FileName = row.fileName;
    label.UpdateCaption();
    EXPECT_EQ(label.Caption(), row.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UpdateCaption,
    testing::Values(CaptionCase{"Installer v", "verfix_5017.exe", "Installer v 5.0.1.7"},
                    CaptionCase{"", "verfix_5017.exe", "5.0.1.7"},
                    CaptionCase{"", "Pilo.exe", "None Found"},
                    CaptionCase{"Installer v", "Pilo.exe", "Installer v None Found"},
                    CaptionCase{"", "verfix_none.exe", "None Found"},
                    // Version information in another language and code page only.
                    CaptionCase{"", "verfix_other.exe", "None Found"},
                    CaptionCase{"", "", kOwnVersion},
                    CaptionCase{"Installer v", "", "Installer v 5.0.3.9"}));

TEST(VersionLabel, ConstructionShowsTheRunningProgramsVersionInNavy) {
    TZVerLabel label(nullptr);
    EXPECT_EQ(label.Caption(), kOwnVersion);
    EXPECT_EQ(label.Font().Color(), RGB(0, 0, 128));
    EXPECT_FALSE(label.ParentFont());
}

TEST(VersionLabel, FieldsDoNotTouchTheCaptionUntilUpdated) {
    TZVerLabel label(nullptr);
    label.SetCaption("4.0.5.37");  // the form's stored caption
    label.Prefix = "Installer v";
    label.FileName = "verfix_5017.exe";
    EXPECT_EQ(label.Caption(), "4.0.5.37");
    label.UpdateCaption();
    EXPECT_EQ(label.Caption(), "Installer v 5.0.1.7");
}

TEST(VersionLabel, WindowShowsTheComputedCaption) {
    TForm form(nullptr, "TVersionLabelTestForm");
    auto* label = new TZVerLabel(&form);
    label->SetParent(&form);
    label->SetBounds(8, 296, 39, 13);
    label->SetCaption("4.0.5.37");
    label->Prefix = "Installer v";
    label->UpdateCaption();
    ASSERT_NE(label->Handle(), nullptr);
    char shown[64] = {};
    GetWindowTextA(label->Handle(), shown, sizeof shown);
    EXPECT_EQ(std::string(shown), "Installer v 5.0.3.9");
    EXPECT_EQ(label->Caption(), shown);
    // Auto-size: the whole text is shown, wider than the design width.
    RECT frame;
    GetWindowRect(label->Handle(), &frame);
    EXPECT_GT(frame.right - frame.left, 39);
}

// Paths that fill the 241-character buffer exactly, and one character more.
class LongPaths : public testing::Test {
protected:
    void SetUp() override {
        const std::string programDir = ProgramDir();
        const std::string fileName = "v.exe";
        // programDir + "longpath\" + folder + "\" + fileName is 240 characters.
        const size_t fixed = programDir.size() + std::string("longpath\\").size() + 1 + fileName.size();
        ASSERT_LT(fixed, 240u);
        folder_ = "longpath\\" + std::string(240 - fixed, 'd') + "\\";
        MakeDirectories(programDir + folder_);
        fits_ = folder_ + fileName;
        ASSERT_EQ((programDir + fits_).size(), 240u);
        CopyFileOrThrow(programDir + "verfix_5017.exe", programDir + fits_);
    }
    void TearDown() override { DeletePath(ProgramDir() + "longpath"); }

    std::string Caption(const std::string& fileName) {
        TZVerLabel label(nullptr);
        label.FileName = fileName;
        label.UpdateCaption();
        return label.Caption();
    }

    std::string folder_, fits_;
};

TEST_F(LongPaths, PathOfTheBuffersLengthIsRead) { EXPECT_EQ(Caption(fits_), "5.0.1.7"); }

TEST_F(LongPaths, LongerPathIsNeverCutToAnotherFile) {
    // Cut to 240 characters it would name the 5.0.1.7 file.
    EXPECT_EQ(Caption(fits_ + "e"), "None Found");
}

TEST_F(LongPaths, LongerPathIsRefusedEvenWhenTheFileExists) {
    CopyFileOrThrow(ProgramDir() + "verfix_5017.exe", ProgramDir() + fits_ + "e");
    EXPECT_EQ(Caption(fits_ + "e"), "None Found");
}

}  // namespace
