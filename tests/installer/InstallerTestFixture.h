#pragma once
// Common ground of the installer's tests: every test starts and ends without the
// traces an installation leaves (user file, program group, start-up items).
#include <gtest/gtest.h>

#include <string>

#include "TestProduct.h"

class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override { CleanInstallationTraces(); }
    void TearDown() override { CleanInstallationTraces(); }
};

// A value of an ini file as the profile functions read it; "<missing>" when absent.
std::string IniValue(const std::string& file, const std::string& section, const std::string& key);
constexpr char kMissing[] = "<missing>";

// Closes the dialog as the title-bar close button does.
void CloseByTitleBar(HWND dialog);
