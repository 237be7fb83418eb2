// The tile set reader, as Open uses it. A file it accepts gives the file's values (an
// attribute byte each; a frame's stored 16-bit value divided by 32, toward zero) and keeps
// what the document held beyond the file's counts; saved (the writer must take it: every
// value a file can give fits the file again) and read back, the document is the same. A file it refuses gives a
// one-line message naming the file and leaves the document as it was.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/refused_error.h"
#include "dev_support/temp_folder.h"
#include "document/tile_set_file.h"
#include "fuzz_check.h"

using fuzzing::FuzzCheck;
using mosalind::TileSet;

namespace {

// Every entry of the tables different, in use or not.
TileSet PatternedDocument() {
    TileSet document;
    document.Header.TileCount = 7;
    document.Header.FrameCount = 3;
    document.Header.PlaneSize = 4;
    document.Header.Reserved.fill(0xA5);
    for (int slot = 0; slot < mosalind::kAttributeSlots; ++slot) {
        for (int tile = 0; tile < mosalind::kMaxTiles; ++tile) {
            document.TileAttributes[slot][tile] = static_cast<std::int16_t>(1000 + slot * 2000 + tile);
        }
    }
    for (int frame = 0; frame < mosalind::kMaxFrames; ++frame) {
        for (int tile = 0; tile < mosalind::kMaxTiles; ++tile) {
            document.TileFrames[frame][tile] = static_cast<std::int16_t>(-3000 - frame * 1300 - tile);
        }
    }
    return document;
}

bool SameHeader(const mosalind::TileSetHeader& a, const mosalind::TileSetHeader& b) {
    return a.TileCount == b.TileCount && a.FrameCount == b.FrameCount && a.PlaneSize == b.PlaneSize &&
           a.AttributeOffset == b.AttributeOffset && a.FrameOffset == b.FrameOffset &&
           a.PlanesOffset == b.PlanesOffset && a.Reserved == b.Reserved;
}

bool SameDocument(const TileSet& a, const TileSet& b) {
    return SameHeader(a.Header, b.Header) && a.TileAttributes == b.TileAttributes && a.TileFrames == b.TileFrames;
}

// Entries at or beyond the first `tiles` tiles or `frames` frames are as in `before`.
bool KeepsEntriesBeyond(const TileSet& after, const TileSet& before, int tiles, int frames) {
    for (int slot = 0; slot < mosalind::kAttributeSlots; ++slot) {
        if (!std::equal(after.TileAttributes[slot].begin() + tiles, after.TileAttributes[slot].end(),
                        before.TileAttributes[slot].begin() + tiles)) {
            return false;
        }
    }
    for (int frame = 0; frame < mosalind::kMaxFrames; ++frame) {
        const int from = frame < frames ? tiles : 0;
        if (!std::equal(after.TileFrames[frame].begin() + from, after.TileFrames[frame].end(),
                        before.TileFrames[frame].begin() + from)) {
            return false;
        }
    }
    return true;
}

// A one-line message that names the file.
bool IsRefusalOf(const mosalind::RefusedError& refusal, const std::string& path) {
    const std::string message = refusal.what();
    return message.find(path) != std::string::npos && message.find('\n') == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const dev_support::TempDir scratch(fuzzing::ScratchParent());
    static const TileSet before = PatternedDocument();
    const std::string input = scratch.File("input.tls");
    const std::string saved = scratch.File("saved.tls");
    dev_support::WriteFileBytes(input, dev_support::Bytes(data, data + size));

    TileSet document = before;
    try {
        document = mosalind::ReadTileSet(input, document);
    } catch (const mosalind::RefusedError& refusal) {
        FuzzCheck(IsRefusalOf(refusal, input), "a refusal is one line naming the file");
        FuzzCheck(SameDocument(document, before), "a refused file leaves the document as it was");
        return 0;
    }
    const int tiles = document.Header.TileCount;
    const int frames = document.Header.FrameCount;
    FuzzCheck(tiles >= 1 && tiles <= mosalind::kMaxTiles && frames >= 1 && frames <= mosalind::kMaxFrames,
              "an accepted file has 1 to 1201 tiles and 1 to 8 frames");
    FuzzCheck(KeepsEntriesBeyond(document, before, tiles, frames),
              "entries beyond the file's counts keep their values");
    const std::uint8_t* attributes = data + 62;
    for (int slot = 0; slot < mosalind::kAttributeSlots; ++slot) {
        for (int tile = 0; tile < tiles; ++tile) {
            FuzzCheck(document.TileAttributes[slot][tile] == attributes[slot * tiles + tile],
                      "an attribute is the file's byte");
        }
    }
    const std::uint8_t* frameValues = attributes + 5 * tiles;
    for (int frame = 0; frame < frames; ++frame) {
        for (int tile = 0; tile < tiles; ++tile) {
            const std::uint8_t* value = frameValues + 2 * (frame * tiles + tile);
            const int stored = static_cast<std::int16_t>(value[0] | (value[1] << 8));
            FuzzCheck(document.TileFrames[frame][tile] == stored / 32, "a frame is its stored value / 32");
        }
    }

    // One cell of graphics, so the planar section is written too.
    mosalind::TileGraphics graphics;
    graphics.BMPTileCount = 1;
    for (int i = 0; i < 128; ++i) {
        graphics.TilePlanes.push_back(static_cast<std::uint8_t>(i * 7));
    }
    try {
        mosalind::WriteTileSet(saved, document, graphics);
    } catch (const mosalind::RefusedError&) {
        FuzzCheck(false, "an accepted file can be saved again");
    }
    const dev_support::Bytes savedBytes = dev_support::ReadFileBytes(saved);
    const std::size_t framesEnd =
        62 + 5 * static_cast<std::size_t>(tiles) + 2 * static_cast<std::size_t>(tiles) * frames;
    FuzzCheck(savedBytes.size() == framesEnd + 128, "the saved file is header, sections and planes");
    FuzzCheck(std::equal(savedBytes.begin(), savedBytes.begin() + 62 + 5 * tiles, data),
              "header and attributes are saved as the file had them");
    FuzzCheck(std::equal(graphics.TilePlanes.begin(), graphics.TilePlanes.end(), savedBytes.begin() + framesEnd),
              "the planes follow the frame section");

    const TileSet reread = mosalind::ReadTileSet(saved, document);
    FuzzCheck(SameDocument(reread, document), "saved and read again, the document is the same");
    const TileSet fresh = mosalind::ReadTileSet(saved, TileSet{});
    FuzzCheck(SameHeader(fresh.Header, document.Header), "the saved header reads back");
    for (int slot = 0; slot < mosalind::kAttributeSlots; ++slot) {
        FuzzCheck(std::equal(fresh.TileAttributes[slot].begin(), fresh.TileAttributes[slot].begin() + tiles,
                             document.TileAttributes[slot].begin()),
                  "the saved attributes read back");
    }
    for (int frame = 0; frame < frames; ++frame) {
        FuzzCheck(std::equal(fresh.TileFrames[frame].begin(), fresh.TileFrames[frame].begin() + tiles,
                             document.TileFrames[frame].begin()),
                  "the saved frames read back");
    }
    return 0;
}
