#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "base/refused_error.h"
#include "document/tile_set_file.h"
#include "document/tile_set_test_helpers.h"
#include "support/test_files.h"

namespace mosalind {
namespace {

using namespace dev_support;
using test_helpers::PatternedGraphics;
using test_helpers::PatternedTileSet;

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string RefusalOf(const std::string& path, const TileSet& set, const TileGraphics& graphics) {
    try {
        WriteTileSet(path, set, graphics);
    } catch (const RefusedError& error) {
        return error.what();
    }
    return "";
}

class TileSetSave : public ::testing::Test {
protected:
    TempDir dir;
    std::string target = dir.File("old.tls");
    Bytes oldBytes = Bytes(777, 0x5A);
    void SetUp() override { WriteFileBytes(target, oldBytes); }

    // The old file is still there byte for byte and no temporary file was left behind.
    void ExpectUntouched() {
        EXPECT_EQ(ReadFileBytes(target), oldBytes);
        EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"old.tls"});
    }
};

// What the file cannot keep is refused, named by tile, place and value; the old file stays.
TEST_F(TileSetSave, RefusesValuesCountsAndGraphicsTheFileCannotKeep) {
    using Change = std::function<void(TileSet&, TileGraphics&)>;
    const std::pair<Change, std::string> cases[] = {
        {[](TileSet& s, TileGraphics&) { s.TileAttributes[3][17] = 256; },
         "tile 17 holds 256 in its bottom side (slot 3); the file keeps 0 to 255"},
        {[](TileSet& s, TileGraphics&) { s.TileAttributes[0][2] = -1; }, "tile 2 holds -1 in its tile type (slot 0)"},
        {[](TileSet& s, TileGraphics&) { s.TileFrames[6][19] = 1024; },
         "frame 6 of tile 19 shows cell 1024; the file keeps cells -1024 to 1023"},
        {[](TileSet& s, TileGraphics&) { s.TileFrames[6][19] = -1025; }, "frame 6 of tile 19 shows cell -1025"},
        {[](TileSet& s, TileGraphics&) { s.Header.TileCount = 1202; }, ""},
        {[](TileSet& s, TileGraphics&) { s.Header.FrameCount = 9; }, ""},
        {[](TileSet&, TileGraphics& g) { g.TilePlanes.pop_back(); }, ""},
    };
    for (const auto& [change, says] : cases) {
        TileSet set = PatternedTileSet(20, 8);
        TileGraphics graphics = PatternedGraphics(3);
        change(set, graphics);
        const std::string refusal = RefusalOf(target, set, graphics);
        EXPECT_EQ(refusal.rfind("Cannot save " + target + ": " + says, 0), 0u) << refusal;
        ExpectUntouched();
    }
    // The cells at the ends are kept; frames beyond the tiles in use are never written.
    TileSet set = PatternedTileSet(20, 8);
    set.TileFrames[6][19] = -1024;
    set.TileFrames[7][0] = 1023;
    set.TileFrames[0][25] = 5000;
    EXPECT_EQ(RefusalOf(target, set, TileGraphics{}), "");
    const Bytes saved = ReadFileBytes(target);
    EXPECT_EQ(GetLE16(saved, 62 + 100 + 2 * (6 * 20 + 19)), 0x8000u);
    EXPECT_EQ(GetLE16(saved, 62 + 100 + 2 * (7 * 20 + 0)), 0x7FE0u);
}

TEST_F(TileSetSave, IntoAMissingFolderNamesTheFileAndTheSystemReason) {
    const std::string missing = dir.File("no-such-folder") + "/new.tls";
    EXPECT_EQ(RefusalOf(missing, PatternedTileSet(20, 4), TileGraphics{}),
              "Cannot save " + missing + ": No such file or directory");
    ExpectUntouched();
}

TEST_F(TileSetSave, OverAFolderFailsAtTheRenameAndLeavesNothingBehind) {
    const std::string folderTarget = dir.File("folder.tls");
    std::filesystem::create_directory(folderTarget);
    WriteFileBytes(folderTarget + "/inside", Bytes{1, 2, 3});
    const std::string refusal = RefusalOf(folderTarget, PatternedTileSet(20, 4), TileGraphics{});
    EXPECT_EQ(refusal.rfind("Cannot save " + folderTarget + ": ", 0), 0u) << refusal;
    EXPECT_EQ(FolderEntries(dir.Path()), (std::vector<std::string>{"folder.tls", "old.tls"}));
    EXPECT_EQ(FolderEntries(folderTarget), std::vector<std::string>{"inside"});
    EXPECT_EQ(ReadFileBytes(target), oldBytes);
}

// A file size limit makes the write itself fail half way, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    sighandler_t previousHandler_{};
};

TEST_F(TileSetSave, AWriteFailingHalfWayLeavesTheOldFileByteForByte) {
    std::string refusal;
    {
        FileSizeLimit limit(4096);
        refusal = RefusalOf(target, PatternedTileSet(1201, 8), PatternedGraphics(910));
    }
    EXPECT_EQ(refusal, "Cannot save " + target + ": File too large");
    ExpectUntouched();
}

TEST_F(TileSetSave, KeepsTheOldFilesPermissionsAndSavesThroughALink) {
    chmod(target.c_str(), 0640);
    const std::string link = dir.File("link.tls");
    std::filesystem::create_symlink(target, link);
    WriteTileSet(link, PatternedTileSet(20, 4), TileGraphics{});

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(target).size(), 62u + 100 + 160);
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(TileSetSave, RefusesToReplaceAReadOnlyFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "every file is writable for root";
    }
    chmod(target.c_str(), 0444);
    EXPECT_EQ(RefusalOf(target, PatternedTileSet(20, 4), TileGraphics{}),
              "Cannot save " + target + ": Permission denied");
    ExpectUntouched();
}

}  // namespace
}  // namespace mosalind
