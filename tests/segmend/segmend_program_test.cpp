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
    testing_support::ProgramResult run(const std::vector<std::string>& arguments) {
        return testing_support::RunProgram(SEGMEND_PATH, dir_, arguments);
    }

    fs::path write(const std::string& name, const Bytes& bytes) {
        const fs::path path = dir_ / name;
        dev_support::WriteFileBytes(path, bytes);
        return path;
    }

    static Bytes contents(const fs::path& path) { return dev_support::ReadFileBytes(path); }

    dev_support::TempDir folder_;
    const fs::path& dir_ = folder_.Path();
};

TEST_F(SegmendProgram, WithoutArgumentPrintsUsage) {
    const testing_support::ProgramResult result = run({});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "\nUsage: segmend {file} \nFile = compiled object filename.\ne.g.: segmend vorn.obj \n\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(SegmendProgram, HelpAndVersionAnswerOnStandardOutputAndPatchNothing) {
    const Bytes image = concat({lnames({"CSEG"}), segdef(0x48, 1)});
    const fs::path sameNamedFile = write("--help", image);
    struct Case { std::string argument; std::string expectedStart; };
    const std::vector<Case> cases = {{"--help", "usage: segmend FILE\n"},
                                     {"--version", "segmend (Mosalind) " MOSALIND_VERSION "\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        const testing_support::ProgramResult result = run({c.argument});
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(result.out.substr(0, c.expectedStart.size()), c.expectedStart);
        EXPECT_EQ(result.err, "");
    }
    EXPECT_EQ(contents(sameNamedFile), image);
    EXPECT_EQ(run({"./--help"}).exitStatus, 0);
    EXPECT_EQ(contents(sameNamedFile), concat({lnames({"CSEG"}), segdef(0x58, 1)}));
}

TEST_F(SegmendProgram, FileThatCannotBeOpenedForUpdateIsReported) {
    const std::string missing = (dir_ / "missing.obj").string();
    testing_support::ProgramResult result = run({missing});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "Cannot open " + missing);
    EXPECT_FALSE(fs::exists(missing));

    fs::create_directory(dir_ / "folder.obj");
    result = run({(dir_ / "folder.obj").string()});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "Cannot open " + (dir_ / "folder.obj").string());
}

TEST_F(SegmendProgram, PatchesInPlaceSilently) {
    const Bytes names = lnames({"", "DATA", "CSEG"});
    const fs::path file = write("vorn.obj", concat({names, segdef(0x48, 2), segdef(0x60, 3), segdef(0x60, 3)}));
    const testing_support::ProgramResult result = run({file.string(), "ignored-extra-argument"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(contents(file), concat({names, segdef(0x48, 2), segdef(0x78, 3), segdef(0x60, 3)}));
}

TEST_F(SegmendProgram, FileWithoutMatchIsUnchanged) {
    const Bytes image = concat({lnames({"cseg", "CSE", "DATA"}), segdef(0x48, 1), segdef(0x48, 2),
                                segdef(0x48, 3), ledata(5000), Bytes{0x98, 0x07}});
    const fs::path file = write("plain.obj", image);
    const testing_support::ProgramResult result = run({file.string()});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(contents(file), image);
}

TEST_F(SegmendProgram, PatchesDeepInsideALargeFile) {
    // Several megabytes of records of many sizes, so records straddle the program's reads.
    Bytes front = lnames(fillerNames(150));
    for (std::size_t i = 0; front.size() < 5'000'000; ++i) {
        const Bytes data = ledata(1 + (i * 7919) % 6000, static_cast<std::uint8_t>(i));
        front.insert(front.end(), data.begin(), data.end());
    }
    const Bytes names = concat({front, lnames({"CSEG_CODE"})});
    const Bytes tail = ledata(0xFFFF);
    const fs::path file = write("big.obj", concat({names, segdef(0x48, 151), tail}));
    const testing_support::ProgramResult result = run({file.string()});
    EXPECT_EQ(result.exitStatus, 0);
    const Bytes expected = concat({names, segdef(0x58, 151), tail});
    EXPECT_EQ(fs::file_size(file), expected.size());
    EXPECT_TRUE(contents(file) == expected);
}

}  // namespace
