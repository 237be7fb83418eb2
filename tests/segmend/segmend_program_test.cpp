// Runs the built program on files in a temporary folder.
#include "omf_bytes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

using namespace omf_test;
namespace fs = std::filesystem;

namespace {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

class SegmendProgram : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "segmend-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string quoted(const std::string& text) { return "'" + text + "'"; }

    static std::string readAll(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    RunResult run(const std::string& arguments) {
        const std::string command = quoted(SEGMEND_PATH) + " " + arguments + " >" +
                                    quoted((dir_ / "out").string()) + " 2>" + quoted((dir_ / "err").string());
        const int raw = std::system(command.c_str());
        RunResult result;
        if (raw != -1 && WIFEXITED(raw)) result.status = WEXITSTATUS(raw);
        result.out = readAll(dir_ / "out");
        result.err = readAll(dir_ / "err");
        return result;
    }

    fs::path write(const std::string& name, const Bytes& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    static Bytes contents(const fs::path& path) {
        const std::string text = readAll(path);
        return Bytes(text.begin(), text.end());
    }

    fs::path dir_;
};

TEST_F(SegmendProgram, WithoutArgumentPrintsUsage) {
    const RunResult result = run("");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "\nUsage: segmend {file} \nFile = compiled object filename.\ne.g.: segmend vorn.obj \n\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(SegmendProgram, FileThatCannotBeOpenedForUpdateIsReported) {
    const std::string missing = (dir_ / "missing.obj").string();
    RunResult result = run(quoted(missing));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Cannot open " + missing);
    EXPECT_FALSE(fs::exists(missing));

    fs::create_directory(dir_ / "folder.obj");
    result = run(quoted((dir_ / "folder.obj").string()));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Cannot open " + (dir_ / "folder.obj").string());
}

TEST_F(SegmendProgram, PatchesInPlaceSilently) {
    const Bytes names = lnames({"", "DATA", "CSEG"});
    const fs::path file = write("vorn.obj", concat({names, segdef(0x48, 2), segdef(0x60, 3), segdef(0x60, 3)}));
    const RunResult result = run(quoted(file.string()) + " ignored-extra-argument");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(contents(file), concat({names, segdef(0x48, 2), segdef(0x78, 3), segdef(0x60, 3)}));
}

TEST_F(SegmendProgram, FileWithoutMatchIsUnchanged) {
    const Bytes image = concat({lnames({"cseg", "CSE", "DATA"}), segdef(0x48, 1), segdef(0x48, 2),
                                segdef(0x48, 3), ledata(5000), Bytes{0x98, 0x07}});
    const fs::path file = write("plain.obj", image);
    const RunResult result = run(quoted(file.string()));
    EXPECT_EQ(result.status, 0);
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
    const RunResult result = run(quoted(file.string()));
    EXPECT_EQ(result.status, 0);
    const Bytes expected = concat({names, segdef(0x58, 151), tail});
    EXPECT_EQ(fs::file_size(file), expected.size());
    EXPECT_TRUE(contents(file) == expected);
}

}  // namespace
