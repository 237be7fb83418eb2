// Tile set files: a 62-byte header (tile count, frame count, plane size, three offsets
// counted from a 64-byte header, 44 reserved bytes), five attribute bytes per tile (slot by
// slot), then per frame and tile the cell number x 32 as 16 bits, then the planes.
#include "seed_files.h"

namespace fuzzing {

Bytes TileSetFile(const TileSetSeed& seed) {
    Bytes bytes(62, 0);
    PutLE16(bytes, 0, static_cast<std::uint32_t>(seed.Tiles));
    PutLE16(bytes, 2, static_cast<std::uint32_t>(seed.Frames));
    PutLE16(bytes, 4, static_cast<std::uint32_t>(32 * seed.PlaneCells));
    PutLE32(bytes, 6, 64);
    PutLE32(bytes, 10, static_cast<std::uint32_t>(64 + 5 * seed.Tiles));
    PutLE32(bytes, 14, static_cast<std::uint32_t>(64 + 5 * seed.Tiles + 2 * seed.Tiles * seed.Frames));
    for (int i = 0; i < 44; ++i) {
        bytes[18 + i] = static_cast<std::uint8_t>(i * 37);
    }
    for (int slot = 0; slot < 5; ++slot) {
        for (int tile = 0; tile < seed.Tiles; ++tile) {
            // type 0..35; side words: blocking kind in bits 0-1, slope in bits 2-7
            bytes.push_back(static_cast<std::uint8_t>(slot == 0 ? tile % 36 : (tile * 29 + slot) % 256));
        }
    }
    for (int frame = 0; frame < seed.Frames; ++frame) {
        for (int tile = 0; tile < seed.Tiles; ++tile) {
            const int cell = (seed.FirstCell + 13 * frame + tile + 1024) % 2048 - 1024;
            AppendLE16(bytes, static_cast<std::uint32_t>(cell * 32) & 0xFFFF);
        }
    }
    for (int i = 0; i < 128 * seed.PlaneCells; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(i * 11));
    }
    return bytes;
}

void WriteTileSetSeeds(const std::filesystem::path& folder) {
    WriteSeed(folder, "four-frames", TileSetFile({26, 4, 26, 0}));
    WriteSeed(folder, "eight-frames", TileSetFile({13, 8, 13, 0}));
    WriteSeed(folder, "one-frame-one-tile", TileSetFile({1, 1, 0, 5}));
    WriteSeed(folder, "odd-counts-no-planes", TileSetFile({17, 5, 0, 100}));
    WriteSeed(folder, "negative-and-highest-cells", TileSetFile({40, 4, 2, 1000}));
    WriteSeed(folder, "most-tiles", TileSetFile({1201, 8, 1, 0}));
    // A frame value that is not a multiple of 32 reads as the cell it falls in.
    Bytes unaligned = TileSetFile({3, 4, 0, 0});
    PutLE16(unaligned, 62 + 15 + 2, 32 * 9 + 17);
    WriteSeed(folder, "unaligned-frame-value", unaligned);
}

}  // namespace fuzzing
