// Whatever stands where a file is read or written (a FIFO, a folder, a device, a link to
// nothing, a sparse file far longer than any real one), every reader and writer of the
// editor's files answers at once with one line naming it, and leaves it as it was.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "base/refused_error.h"
#include "base/replace_file.h"
#include "document/recovery_file.h"
#include "document/tile_set_file.h"
#include "graphics/tile_sheet_reader.h"
#include "support/test_files.h"

namespace mosalind {
namespace {

using dev_support::TempDir;

// A sparse file's length, 10 GB: read whole, it would take minutes and more memory than CI has.
constexpr off_t kHugeBytes = off_t{10} << 30;

// What lstat says of `path`: its kind, length and, for a link, where it leads.
std::string Shape(const std::string& path) {
    struct stat entry {};
    if (lstat(path.c_str(), &entry) != 0) {
        return "missing";
    }
    std::string shape = std::to_string(entry.st_mode) + " " + std::to_string(entry.st_size);
    if (S_ISLNK(entry.st_mode)) {
        shape += " -> " + std::filesystem::read_symlink(path).string();
    }
    return shape;
}

// The refusal of `run`, or "" when it went through.
std::string RefusalOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const RefusedError& refusal) {
        return refusal.what();
    }
    return "";
}

TEST(OddFileKinds, EveryReaderAndWriterRefusesThemByKindOrSizeAndLeavesThemAsTheyWere) {
    TempDir dir;
    const std::string gone = dir.File("gone");
    struct Kind {
        const char* Name;
        std::function<void(const std::string&)> Make;
        std::string Followed;     // the line's end from a reader that follows links
        std::string NotFollowed;  // from the recovery file's reader, which follows none
        std::string Written;      // from a writer; "" when it writes
    };
    const Kind kinds[] = {
        {"a FIFO, which a plain open would wait on forever",
         [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }, "it is a FIFO (named pipe), not a file",
         "it is a FIFO (named pipe), not a file", "it is a FIFO (named pipe), not a file"},
        {"a folder", [](const std::string& p) { std::filesystem::create_directory(p); }, "it is a folder, not a file",
         "it is a folder, not a file", std::strerror(EISDIR)},
        {"a link to a device that never ends: written straight through",
         [](const std::string& p) { std::filesystem::create_symlink("/dev/zero", p); },
         "it is a character device, not a file", "it is a symbolic link, not a file", ""},
        {"a link to nothing, which a rename would replace",
         [&](const std::string& p) { std::filesystem::create_symlink(gone, p); },
         "it is a symbolic link to " + gone + ", which does not exist", "it is a symbolic link, not a file",
         "it is a symbolic link to " + gone + ", which does not exist"},
        {"a sparse file of 10 GB: refused by its length, before a byte is read",
         [](const std::string& p) {
             dev_support::WriteFileBytes(p, {});
             ASSERT_EQ(truncate(p.c_str(), kHugeBytes), 0);
         },
         "it is " + std::to_string(kHugeBytes) + " bytes long, longer than any",
         "it is " + std::to_string(kHugeBytes) + " bytes long, longer than any", ""},
    };
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    const std::string first = dir.File("picture.png");
    struct Use {
        const char* Name;
        std::function<void(const std::string&)> Run;
        bool Writes;
        bool FollowsLinks;
        bool Pair = false;
    };
    const Use uses[] = {
        {"Open", [](const std::string& p) { ReadTileSet(p, TileSet{}); }, false, true},
        {"tlstool's whole-set reader", [](const std::string& p) { ReadTileSetContents(p); }, false, true},
        {"the sheet reader", [](const std::string& p) { ReadTileSheet(p); }, false, true},
        {"the recovery file's reader", [](const std::string& p) { ReadRecoveryFile(p); }, false, false},
        {"Save", [&](const std::string& p) { ReplaceFileContents(p, bytes); }, true, true},
        {"a pair, the odd file second",
         [&](const std::string& p) {
             ReplaceFilesContents(
                 {{first, {std::span<const std::uint8_t>(bytes)}}, {p, {std::span<const std::uint8_t>(bytes)}}});
         },
         true, true, true},
    };
    for (const Kind& kind : kinds) {
        for (const Use& use : uses) {
            SCOPED_TRACE(std::string(kind.Name) + " / " + use.Name);
            const std::string path = dir.File("odd");
            std::filesystem::remove_all(path);
            kind.Make(path);
            dev_support::WriteFileText(first, "old");
            const std::string before = Shape(path);

            const std::string refusal = RefusalOf([&] { use.Run(path); });
            const std::string& expected =
                use.Writes ? kind.Written : (use.FollowsLinks ? kind.Followed : kind.NotFollowed);
            if (expected.empty()) {
                // Written: a sparse file is replaced, a device keeps its place.
                EXPECT_EQ(refusal, "");
                if (std::filesystem::is_symlink(std::filesystem::symlink_status(path))) {
                    EXPECT_EQ(Shape(path), before);
                }
                EXPECT_EQ(dev_support::ReadFileText(first), use.Pair ? "\x01\x02\x03" : "old");
                continue;
            }
            EXPECT_NE(refusal.find(path + ": " + expected), std::string::npos) << refusal;
            EXPECT_EQ(refusal.find('\n'), std::string::npos) << refusal;
            EXPECT_EQ(Shape(path), before);
            EXPECT_EQ(dev_support::ReadFileText(first), "old");  // neither file of a pair
        }
    }
    // Nothing is left beside them.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"odd", "picture.png"}));
}

}  // namespace
}  // namespace mosalind
