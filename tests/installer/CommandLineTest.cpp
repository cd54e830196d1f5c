// How the installer takes the words of its command line apart.
#include <gtest/gtest.h>

#include "CommandLine.h"

namespace {

struct ArgumentCase {
    const char* commandLine;
    int index;
    const char* expected;
};

class CommandLineArgumentTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(CommandLineArgumentTest, SplitsAtBlanksOutsideQuotes) {
    EXPECT_EQ(CommandLineArgument(GetParam().commandLine, GetParam().index), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineArgumentTest,
    ::testing::Values(ArgumentCase{"PiloInst.exe inst", 1, "inst"},
                      ArgumentCase{"PiloInst.exe", 1, ""},
                      ArgumentCase{"PiloInst.exe   ", 1, ""},
                      ArgumentCase{"", 1, ""},
                      ArgumentCase{"\"C:\\Program Files\\Pilo\\PiloInst.exe\" inst", 0,
                                   "C:\\Program Files\\Pilo\\PiloInst.exe"},
                      ArgumentCase{"\"C:\\Program Files\\Pilo\\PiloInst.exe\" inst", 1, "inst"},
                      ArgumentCase{"PiloInst.exe inst extra", 1, "inst"},
                      ArgumentCase{"PiloInst.exe inst extra", 2, "extra"},
                      ArgumentCase{"PiloInst.exe\tinst", 1, "inst"},
                      ArgumentCase{"PiloInst.exe \"inst\"", 1, "inst"},
                      ArgumentCase{"PiloInst.exe \"in st\"", 1, "in st"},
                      ArgumentCase{"PiloInst.exe INST", 1, "INST"},
                      ArgumentCase{"PiloInst.exe instx", 1, "instx"}));

}  // namespace
