// The recovery file's reader, as the editor's start uses it. A file it refuses gives a
// one-line message naming the file. A file it accepts gives the header's time and paths as
// they stand in the file, a tile set of 1 to 1201 tiles and 1 to 8 frames, planes of the
// cells it announces, tiles done that the set has and a Try state the window could have made;
// kept again from what was read, and read back, it gives the same.
// (Fuzz builds pass over the checksums, so that mutated files reach what lies behind them.)
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/refused_error.h"
#include "dev_support/temp_folder.h"
#include "document/recovery_file.h"
#include "fuzz_check.h"

using fuzzing::FuzzCheck;

namespace {

bool IsRefusalOf(const mosalind::RefusedError& refusal, const std::string& path) {
    const std::string message = refusal.what();
    return message.find(path) != std::string::npos && message.find('\n') == std::string::npos;
}

std::uint32_t LoadU32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0] | (at[1] << 8) | (at[2] << 16)) | (static_cast<std::uint32_t>(at[3]) << 24);
}

bool SamePalette(const mosalind::RecoveryNote& a, const mosalind::RecoveryNote& b) {
    for (std::size_t colour = 0; colour < a.Palette.size(); ++colour) {
        const mosalind::BMPPaletteEntry& x = a.Palette[colour];
        const mosalind::BMPPaletteEntry& y = b.Palette[colour];
        if (x.Red != y.Red || x.Green != y.Green || x.Blue != y.Blue) {
            return false;
        }
    }
    return true;
}

bool SameInUse(const mosalind::TileSet& a, const mosalind::TileSet& b) {
    const mosalind::TileSetHeader& x = a.Header;
    const mosalind::TileSetHeader& y = b.Header;
    if (x.TileCount != y.TileCount || x.FrameCount != y.FrameCount || x.PlaneSize != y.PlaneSize ||
        x.AttributeOffset != y.AttributeOffset || x.FrameOffset != y.FrameOffset || x.PlanesOffset != y.PlanesOffset ||
        x.Reserved != y.Reserved) {
        return false;
    }
    for (int slot = 0; slot < mosalind::kAttributeSlots; ++slot) {
        for (int tile = 0; tile < x.TileCount; ++tile) {
            if (a.TileAttributes[slot][tile] != b.TileAttributes[slot][tile]) {
                return false;
            }
        }
    }
    for (int frame = 0; frame < x.FrameCount; ++frame) {
        for (int tile = 0; tile < x.TileCount; ++tile) {
            if (a.TileFrames[frame][tile] != b.TileFrames[frame][tile]) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const dev_support::TempDir scratch(fuzzing::ScratchParent());
    const std::string input = scratch.File("input.recovery");
    const std::string kept = scratch.File("kept.recovery");
    dev_support::WriteFileBytes(input, dev_support::Bytes(data, data + size));

    mosalind::RecoveredSet set;
    mosalind::TileGraphics planes;
    try {
        set = mosalind::ReadRecoveryFile(input);
        planes = mosalind::ReadRecoveryPlanes(input);
    } catch (const mosalind::RefusedError& refusal) {
        FuzzCheck(IsRefusalOf(refusal, input), "a refusal is one line naming the file");
        return 0;
    }
    const int tiles = set.Document.Header.TileCount;
    const int frames = set.Document.Header.FrameCount;
    FuzzCheck(tiles >= 1 && tiles <= mosalind::kMaxTiles && frames >= 1 && frames <= mosalind::kMaxFrames,
              "an accepted file has 1 to 1201 tiles and 1 to 8 frames");
    const std::size_t sheetLength = LoadU32(data + 74);
    const std::size_t ownLength = LoadU32(data + 78);
    FuzzCheck(set.Note.SheetPath == std::string(reinterpret_cast<const char*>(data) + 86, sheetLength) &&
                  set.Note.OwnFile == std::string(reinterpret_cast<const char*>(data) + 86 + sheetLength, ownLength),
              "the paths are the file's bytes");
    FuzzCheck(
        static_cast<std::uint64_t>(set.Note.KeptAt) == (LoadU32(data + 18) | (std::uint64_t{LoadU32(data + 22)} << 32)),
        "the time is the file's");
    FuzzCheck(planes.BMPTileCount == set.PlaneCells &&
                  planes.TilePlanes.size() == static_cast<std::size_t>(set.PlaneCells) * 128,
              "the planes are the cells the file announces");
    for (std::size_t tile = static_cast<std::size_t>(tiles); tile < set.DoneBlank.size(); ++tile) {
        FuzzCheck(!set.DoneBlank.test(tile), "only tiles of the set are done");
    }
    mosalind::RecoveryWork work;
    work.DoneBlank = set.DoneBlank;
    if (set.Try) {
        const mosalind::TryMap& map = set.Try->Map;
        FuzzCheck(map.Columns >= 1 && map.Rows >= 1 &&
                      map.Tiles.size() == static_cast<std::size_t>(map.Columns) * static_cast<std::size_t>(map.Rows) &&
                      map.Contains(set.Try->Start.Column, set.Try->Start.Row) &&
                      mosalind::AreUsableParameters(set.Try->Parameters),
                  "a Try state read is one the window could have made");
        work.Try = *set.Try;
    }

    try {
        mosalind::WriteRecoveryFile(kept,
                                    mosalind::MakeRecoverySnapshot(kept, set.Note, set.Document, planes, {}, work));
        const mosalind::RecoveredSet again = mosalind::ReadRecoveryFile(kept);
        FuzzCheck(again.Note.SheetPath == set.Note.SheetPath && again.Note.OwnFile == set.Note.OwnFile &&
                      again.Note.KeptAt == set.Note.KeptAt && SamePalette(again.Note, set.Note),
                  "kept again, the note reads back");
        FuzzCheck(SameInUse(again.Document, set.Document), "kept again, the tile set reads back");
        FuzzCheck(again.DoneBlank == set.DoneBlank && again.Try == work.Try, "kept again, the work reads back");
        FuzzCheck(mosalind::ReadRecoveryPlanes(kept).TilePlanes == planes.TilePlanes,
                  "kept again, the planes read back");
    } catch (const mosalind::RefusedError&) {
        FuzzCheck(false, "what was read can be kept again");
    }
    return 0;
}
