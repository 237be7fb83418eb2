// Black-box tests: the built program run in a temporary folder.
#include "expected_spacer.h"

#include "common/program_run.h"
#include "dev_support/temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace spacergen_test;
using dev_support::ReadFileText;
using dev_support::WriteFileText;
using ::testing::HasSubstr;
using testing_support::ProgramResult;

namespace {

class SpacergenProgram : public ::testing::Test {
protected:
    fs::path SpacerFile() const { return folder_.Path() / "spacer.dat"; }
    ProgramResult Run(const std::vector<std::string>& arguments) {
        return testing_support::RunProgram(SPACERGEN_PATH, folder_.Path(), arguments);
    }

    void ExpectSilentSuccess(const ProgramResult& result) {
        EXPECT_EQ(result.ExitStatus, 0);
        EXPECT_EQ(result.Out, "");
        EXPECT_EQ(result.Err, "");
    }

    dev_support::TempDir folder_;
};

}  // namespace

// ---- Output

TEST_F(SpacergenProgram, WorkedExampleWritesTheWholeFile) {
    ExpectSilentSuccess(Run({"1000", "2010"}));
    const std::string text = ReadFileText(SpacerFile());
    EXPECT_EQ(ReadSpacer(text), Spacer("1000", 0, 11, 4097, 3));
    // Header 30 + 11 lines of 12 + end 13, then three blocks of 30 + 127 x 167 + 142 + 14.
    EXPECT_EQ(text.size(), 64360u);
}

TEST_F(SpacergenProgram, EdgeCasesMatchTheRules) {
    struct Case {
        std::vector<std::string> Arguments;
        std::vector<SpacerFunction> Expected;
    };
    const std::vector<Case> cases = {
        {{"-5", "0"}, Spacer("fffffffb", 0, 0)},                              // S -5: R -10, N 0
        {{"1000", "0"}, Spacer("1000", 127, 27, 4097, 1)},                    // S 4096: R 4091, N 1
        {{"24", "0"}, Spacer("24", 0, 31)},                                   // R 31
        {{"25", "0"}, Spacer("25", 1, 0)},                                    // R 32
        {{"ffffffff", "0"}, Spacer("ffffffff", 0, 0)},                        // S -1: R -6
        {{"1000", "0x10"}, Spacer("1000", 127, 27, 4097, 1)},                 // B reads as 0
        {{"FFFFFFFD", "5003"}, Spacer("fffffffd", 127, 27, 4294967294u, 5)},  // A -3, S 20480
        {{"1000", "2010", "zzz"}, Spacer("1000", 0, 11, 4097, 3)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.Arguments));
        ExpectSilentSuccess(Run(c.Arguments));
        EXPECT_EQ(ReadSpacer(ReadFileText(SpacerFile())), c.Expected);
    }
}

TEST_F(SpacergenProgram, ReplacesALongerFileEntirely) {
    WriteFileText(SpacerFile(), std::string(100000, 'x'));
    ExpectSilentSuccess(Run({"5", "0"}));
    EXPECT_EQ(ReadFileText(SpacerFile()), "void XSPACER0x5__(void) { \nreturn; \n }\n\n");
}

// ---- Usage errors: message on stderr, status 1, no file touched

TEST_F(SpacergenProgram, BadArgumentsPrintUsageAndWriteNothing) {
    const std::vector<std::vector<std::string>> badCalls = {{},        {"1000"},     {"g", "1"},      {"1", "-"},
                                                            {"", "1"}, {"0x", "x0"}, {"10", "--help"}};
    for (const auto& arguments : badCalls) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        const ProgramResult result = Run(arguments);
        EXPECT_EQ(result.ExitStatus, 1);
        EXPECT_EQ(result.Out, "");
        EXPECT_THAT(result.Err, HasSubstr("usage: spacergen A B\n"));
        EXPECT_THAT(result.Err, HasSubstr("hexadecimal"));
        EXPECT_FALSE(fs::exists(SpacerFile()));
    }
    WriteFileText(SpacerFile(), "previous");
    EXPECT_EQ(Run({"1000"}).ExitStatus, 1);
    EXPECT_EQ(ReadFileText(SpacerFile()), "previous");
}

// ---- --help and --version: an answer on stdout, status 0, no file written

TEST_F(SpacergenProgram, HelpAndVersionAnswerOnStandardOutput) {
    struct Case {
        std::vector<std::string> Arguments;
        std::string ExpectedStart;
    };
    const std::vector<Case> cases = {{{"--help"}, "usage: spacergen A B\n"},
                                     {{"--help", "1000", "2010"}, "usage: spacergen A B\n"},
                                     {{"--version"}, "spacergen (Mosalind) " MOSALIND_VERSION "\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.Arguments));
        const ProgramResult result = Run(c.Arguments);
        EXPECT_EQ(result.ExitStatus, 0);
        EXPECT_THAT(result.Out, ::testing::StartsWith(c.ExpectedStart));
        EXPECT_EQ(result.Err, "");
        EXPECT_FALSE(fs::exists(SpacerFile()));
    }
}

// ---- Files that cannot be written: message naming the file and the reason, status 1

TEST_F(SpacergenProgram, FullDiskIsReported) {
    fs::create_symlink("/dev/full", SpacerFile());
    const ProgramResult result = Run({"1000", "2010"});
    EXPECT_EQ(result.ExitStatus, 1);
    EXPECT_EQ(result.Out, "");
    EXPECT_THAT(result.Err, HasSubstr("spacer.dat"));
    EXPECT_THAT(result.Err, HasSubstr(std::strerror(ENOSPC)));
}

TEST_F(SpacergenProgram, FolderInThePlaceOfTheFileIsReported) {
    fs::create_directory(SpacerFile());
    const ProgramResult result = Run({"1000", "2010"});
    EXPECT_EQ(result.ExitStatus, 1);
    EXPECT_THAT(result.Err, HasSubstr("spacer.dat"));
    EXPECT_THAT(result.Err, HasSubstr(std::strerror(EISDIR)));
}

TEST_F(SpacergenProgram, ReadOnlyFolderIsReported) {
    fs::permissions(folder_.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    // Privileged users write to read-only folders all the same.
    if (std::ofstream(folder_.Path() / "probe")) {
        GTEST_SKIP() << "this user can write to read-only folders";
    }
    const ProgramResult result = Run({"1000", "2010"});
    EXPECT_EQ(result.ExitStatus, 1);
    EXPECT_THAT(result.Err, HasSubstr("spacer.dat"));
    EXPECT_THAT(result.Err, HasSubstr(std::strerror(EACCES)));
    EXPECT_FALSE(fs::exists(SpacerFile()));
}
