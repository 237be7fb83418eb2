// Runs the built program on files in a temporary folder.
#include "omf_bytes.h"

#include "common/program_run.h"
#include "dev_support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace omf_test;
namespace fs = std::filesystem;

namespace {

class SegmendProgram : public ::testing::Test {
protected:
    testing_support::ProgramResult Run(const std::vector<std::string>& arguments) {
        return testing_support::RunProgram(SEGMEND_PATH, dir_, arguments);
    }

    fs::path Write(const std::string& name, const Bytes& bytes) {
        const fs::path path = dir_ / name;
        dev_support::WriteFileBytes(path, bytes);
        return path;
    }

    static Bytes Contents(const fs::path& path) { return dev_support::ReadFileBytes(path); }

    dev_support::TempDir folder_;
    const fs::path& dir_ = folder_.Path();
};

TEST_F(SegmendProgram, WithoutArgumentPrintsUsage) {
    const testing_support::ProgramResult result = Run({});
    EXPECT_EQ(result.ExitStatus, 1);
    EXPECT_EQ(result.Out, "\nUsage: segmend {file} \nFile = compiled object filename.\ne.g.: segmend vorn.obj \n\n");
    EXPECT_EQ(result.Err, "");
}

TEST_F(SegmendProgram, HelpAndVersionAnswerOnStandardOutputAndPatchNothing) {
    const Bytes image = Concat({Lnames({"CSEG"}), Segdef(0x48, 1)});
    const fs::path sameNamedFile = Write("--help", image);
    struct Case {
        std::string Argument;
        std::string ExpectedStart;
    };
    const std::vector<Case> cases = {{"--help", "usage: segmend FILE\n"},
                                     {"--version", "segmend (Mosalind) " MOSALIND_VERSION "\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Argument);
        const testing_support::ProgramResult result = Run({c.Argument});
        EXPECT_EQ(result.ExitStatus, 0);
        EXPECT_EQ(result.Out.substr(0, c.ExpectedStart.size()), c.ExpectedStart);
        EXPECT_EQ(result.Err, "");
    }
    EXPECT_EQ(Contents(sameNamedFile), image);
    EXPECT_EQ(Run({"./--help"}).ExitStatus, 0);
    EXPECT_EQ(Contents(sameNamedFile), Concat({Lnames({"CSEG"}), Segdef(0x58, 1)}));
}

TEST_F(SegmendProgram, FileThatCannotBeOpenedForUpdateIsReported) {
    const std::string missing = (dir_ / "missing.obj").string();
    testing_support::ProgramResult result = Run({missing});
    EXPECT_EQ(result.ExitStatus, 1);
    EXPECT_EQ(result.Out, "Cannot open " + missing);
    EXPECT_FALSE(fs::exists(missing));

    fs::create_directory(dir_ / "folder.obj");
    result = Run({(dir_ / "folder.obj").string()});
    EXPECT_EQ(result.ExitStatus, 1);
    EXPECT_EQ(result.Out, "Cannot open " + (dir_ / "folder.obj").string());
}

TEST_F(SegmendProgram, PatchesInPlaceSilently) {
    const Bytes names = Lnames({"", "DATA", "CSEG"});
    const fs::path file = Write("vorn.obj", Concat({names, Segdef(0x48, 2), Segdef(0x60, 3), Segdef(0x60, 3)}));
    const testing_support::ProgramResult result = Run({file.string(), "ignored-extra-argument"});
    EXPECT_EQ(result.ExitStatus, 0);
    EXPECT_EQ(result.Out, "");
    EXPECT_EQ(result.Err, "");
    EXPECT_EQ(Contents(file), Concat({names, Segdef(0x48, 2), Segdef(0x78, 3), Segdef(0x60, 3)}));
}

TEST_F(SegmendProgram, FileWithoutMatchIsUnchanged) {
    const Bytes image = Concat({Lnames({"cseg", "CSE", "DATA"}), Segdef(0x48, 1), Segdef(0x48, 2), Segdef(0x48, 3),
                                Ledata(5000), Bytes{0x98, 0x07}});
    const fs::path file = Write("plain.obj", image);
    const testing_support::ProgramResult result = Run({file.string()});
    EXPECT_EQ(result.ExitStatus, 0);
    EXPECT_EQ(result.Out, "");
    EXPECT_EQ(Contents(file), image);
}

TEST_F(SegmendProgram, PatchesDeepInsideALargeFile) {
    // Several megabytes of records of many sizes, so records straddle the program's reads.
    Bytes front = Lnames(FillerNames(150));
    for (std::size_t i = 0; front.size() < 5'000'000; ++i) {
        const Bytes data = Ledata(1 + (i * 7919) % 6000, static_cast<std::uint8_t>(i));
        front.insert(front.end(), data.begin(), data.end());
    }
    const Bytes names = Concat({front, Lnames({"CSEG_CODE"})});
    const Bytes tail = Ledata(0xFFFF);
    const fs::path file = Write("big.obj", Concat({names, Segdef(0x48, 151), tail}));
    const testing_support::ProgramResult result = Run({file.string()});
    EXPECT_EQ(result.ExitStatus, 0);
    const Bytes expected = Concat({names, Segdef(0x58, 151), tail});
    EXPECT_EQ(fs::file_size(file), expected.size());
    EXPECT_TRUE(Contents(file) == expected);
}

}  // namespace
