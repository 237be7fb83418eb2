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
#include <functional>
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

// The arguments as the generator reads them: what it writes for each A and B is the writer's
// test (SpacerWriter), how an argument reads HexArgument's.
TEST_F(SpacergenProgram, WritesTheWholeFileForItsArguments) {
    ExpectSilentSuccess(Run({"1000", "2010"}));
    const std::string text = ReadFileText(SpacerFile());
    EXPECT_EQ(ReadSpacer(text), Spacer("1000", 0, 11, 4097, 3));
    // Header 30 + 11 lines of 12 + end 13, then three blocks of 30 + 127 x 167 + 142 + 14.
    EXPECT_EQ(text.size(), 64360u);
    ExpectSilentSuccess(Run({"-5", "0x10", "zzz"}));  // S -5: R -10, N 0; B reads as 0; more is ignored
    EXPECT_EQ(ReadSpacer(ReadFileText(SpacerFile())), Spacer("fffffffb", 0, 0));
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

TEST_F(SpacergenProgram, FilesThatCannotBeWrittenAreReported) {
    const struct {
        std::function<bool()> Prepare;  // false: this user cannot meet the case
        int Reason;
    } cases[] = {
        {[&] {
             fs::create_symlink("/dev/full", SpacerFile());
             return true;
         },
         ENOSPC},
        {[&] { return fs::create_directory(SpacerFile()); }, EISDIR},
        {[&] {
             fs::permissions(folder_.Path(), fs::perms::owner_read | fs::perms::owner_exec);
             // Privileged users write to read-only folders all the same.
             return !std::ofstream(folder_.Path() / "probe");
         },
         EACCES},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::strerror(c.Reason));
        fs::permissions(folder_.Path(), fs::perms::owner_all);
        fs::remove_all(SpacerFile());
        if (!c.Prepare()) {
            continue;
        }
        const ProgramResult result = Run({"1000", "2010"});
        EXPECT_EQ(result.ExitStatus, 1);
        EXPECT_EQ(result.Out, "");
        EXPECT_THAT(result.Err, HasSubstr("spacer.dat"));
        EXPECT_THAT(result.Err, HasSubstr(std::strerror(c.Reason)));
        EXPECT_FALSE(fs::is_regular_file(SpacerFile()));
    }
    fs::permissions(folder_.Path(), fs::perms::owner_all);
}
