// The tile set's text form, as tlstool import reads it. Text it refuses gives one line that
// names the file. Text it accepts is written as a tile set file (with New's header for the
// sheet when it has none) that reads back to the same header, attributes and stored frame
// values followed by the sheet's planes; exported again and read back, that file's text is
// the same text, which is also the text of what was read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/refused_error.h"
#include "dev_support/temp_folder.h"
#include "document/new_tile_set.h"
#include "document/tile_set_file.h"
#include "fuzz_check.h"
#include "tile_set_json.h"

using fuzzing::FuzzCheck;

namespace {

constexpr const char* kName = "set.json";
constexpr int kSheetRows = 3;

// The planes of a sheet of three rows of cells, every byte different from its neighbours.
mosalind::TileGraphics SheetGraphics() {
    mosalind::TileGraphics graphics;
    graphics.BMPTileCount = 13 * kSheetRows;
    for (int i = 0; i < 128 * graphics.BMPTileCount; ++i) {
        graphics.TilePlanes.push_back(static_cast<std::uint8_t>(i * 13 + 5));
    }
    return graphics;
}

bool SameHeader(const mosalind::TileSetHeader& a, const mosalind::TileSetHeader& b) {
    return a.TileCount == b.TileCount && a.FrameCount == b.FrameCount && a.PlaneSize == b.PlaneSize &&
           a.AttributeOffset == b.AttributeOffset && a.FrameOffset == b.FrameOffset &&
           a.PlanesOffset == b.PlanesOffset && a.Reserved == b.Reserved;
}

// The in-use attributes and stored frame values agree.
bool SameEntries(const tlstool::JsonTileSet& set, const mosalind::TileSetFileContents& file) {
    const int tiles = set.Document.Header.TileCount;
    for (int slot = 0; slot < mosalind::kAttributeSlots; ++slot) {
        for (int tile = 0; tile < tiles; ++tile) {
            if (set.Document.TileAttributes[slot][tile] != file.Document.TileAttributes[slot][tile]) {
                return false;
            }
        }
    }
    for (int frame = 0; frame < set.Document.Header.FrameCount; ++frame) {
        for (int tile = 0; tile < tiles; ++tile) {
            if (set.StoredFrames[frame][tile] != file.StoredFrames[frame][tile] ||
                set.Document.TileFrames[frame][tile] != file.Document.TileFrames[frame][tile]) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const dev_support::TempDir scratch(fuzzing::ScratchParent());
    static const mosalind::TileGraphics graphics = SheetGraphics();
    const std::string text(reinterpret_cast<const char*>(data), size);

    tlstool::JsonTileSet set;
    try {
        set = tlstool::TileSetFromJson(text, kName);
    } catch (const mosalind::RefusedError& refusal) {
        const std::string message = refusal.what();
        FuzzCheck(message.rfind(std::string(kName) + ": ", 0) == 0, "a refusal names the file first");
        FuzzCheck(message.find('\n') == std::string::npos, "a refusal is one line");
        return 0;
    }
    const mosalind::TileSetHeader& header = set.Document.Header;
    FuzzCheck(header.TileCount >= 1 && header.TileCount <= mosalind::kMaxTiles && header.FrameCount >= 1 &&
                  header.FrameCount <= mosalind::kMaxFrames,
              "accepted text has 1 to 1201 tiles and 1 to 8 frames");
    if (!set.HasHeader) {
        mosalind::TileSet made;
        mosalind::FillNewTileSet(made, header.TileCount, header.FrameCount, 208, 16 * kSheetRows);
        set.Document.Header = made.Header;
    }

    const std::string saved = scratch.File("saved.tls");
    try {
        mosalind::WriteTileSetStored(saved, set.Document, set.StoredFrames, graphics);
    } catch (const mosalind::RefusedError&) {
        FuzzCheck(false, "accepted text can be written");
    }
    const mosalind::TileSetFileContents file = mosalind::ReadTileSetContents(saved);
    FuzzCheck(SameHeader(file.Document.Header, set.Document.Header), "the written header reads back");
    FuzzCheck(SameEntries(set, file), "the written attributes and frame values read back");
    FuzzCheck(file.AfterFrames == graphics.TilePlanes, "the sheet's planes follow the frame section");

    const std::string exported = tlstool::TileSetToJson(file.Document, file.StoredFrames);
    FuzzCheck(exported == tlstool::TileSetToJson(set.Document, set.StoredFrames),
              "the file's text is the text of what was read");
    const tlstool::JsonTileSet again = tlstool::TileSetFromJson(exported, kName);
    FuzzCheck(tlstool::TileSetToJson(again.Document, again.StoredFrames) == exported,
              "exported text reads back to the same text");
    return 0;
}
