// Recovery files: "Mosalind unsaved", the format, the time the edits were kept (64 bits), the
// sheet's 16 colours, the lengths of the sheet's path, the set's own file and the tile set
// file, those three, then CRC-32 of all before the tile set's planes and CRC-32 of the
// planes. Format 2 goes on with the work kept beside the set: its length K, the tiles done
// (a count, then their numbers), the Try map's columns and rows, the start's column and row,
// eight motion parameters as doubles, the map's cells (32 bits each), then CRC-32 of K and
// the work. Format 1 ends after the planes' checksum.
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "seed_files.h"

namespace fuzzing {

namespace {

struct RecoverySeed {
    std::string SheetPath;
    std::string OwnFile;
    int Tiles = 13;
    int Frames = 4;
    int PlaneCells = 13;  // whole rows of 13
    int Version = 2;
    std::vector<int> Done;  // increasing tiles of the set
    int Columns = 4;
    int Rows = 3;
};

// Bits of doubles the motion parameters may take: 0.25, 6, 2, 0.125, 5.5, 0.25, 0.0625, 0.
constexpr std::uint64_t kParameterBits[] = {
    0x3FD0000000000000, 0x4018000000000000, 0x4000000000000000, 0x3FC0000000000000,
    0x4016000000000000, 0x3FD0000000000000, 0x3FB0000000000000, 0x0000000000000000,
};

std::uint32_t Crc(const Bytes& bytes, std::size_t from, std::size_t to) {
    return static_cast<std::uint32_t>(crc32_z(0, bytes.data() + from, to - from));
}

Bytes RecoveryFile(const RecoverySeed& seed) {
    const Bytes set = TileSetFile({seed.Tiles, seed.Frames, seed.PlaneCells, 0});
    const std::size_t planesAt = 62 + 5 * seed.Tiles + 2 * seed.Tiles * seed.Frames;

    const std::string magic = "Mosalind unsaved";
    Bytes file(magic.begin(), magic.end());
    AppendLE16(file, static_cast<std::uint32_t>(seed.Version));
    AppendLE32(file, 0x3A2B1C0D);  // kept at: 64 bits, low half first
    AppendLE32(file, 0x0000019B);
    for (int colour = 0; colour < 16; ++colour) {
        for (int part = 0; part < 3; ++part) {
            file.push_back(static_cast<std::uint8_t>(colour * 16 + part * 5));
        }
    }
    AppendLE32(file, static_cast<std::uint32_t>(seed.SheetPath.size()));
    AppendLE32(file, static_cast<std::uint32_t>(seed.OwnFile.size()));
    AppendLE32(file, static_cast<std::uint32_t>(set.size()));
    file.insert(file.end(), seed.SheetPath.begin(), seed.SheetPath.end());
    file.insert(file.end(), seed.OwnFile.begin(), seed.OwnFile.end());
    const std::size_t setAt = file.size();
    file.insert(file.end(), set.begin(), set.end());
    const std::uint32_t headCrc = Crc(file, 0, setAt + planesAt);
    const std::uint32_t planesCrc = Crc(file, setAt + planesAt, file.size());
    AppendLE32(file, headCrc);
    AppendLE32(file, planesCrc);
    if (seed.Version < 2) {
        return file;
    }
    const std::size_t workAt = file.size();
    const int cells = seed.Columns * seed.Rows;
    AppendLE32(file, static_cast<std::uint32_t>(82 + 2 * seed.Done.size() + 4 * static_cast<std::size_t>(cells)));
    AppendLE16(file, static_cast<std::uint32_t>(seed.Done.size()));
    for (const int tile : seed.Done) {
        AppendLE16(file, static_cast<std::uint32_t>(tile));
    }
    AppendLE32(file, static_cast<std::uint32_t>(seed.Columns));
    AppendLE32(file, static_cast<std::uint32_t>(seed.Rows));
    AppendLE32(file, static_cast<std::uint32_t>(seed.Columns / 2));
    AppendLE32(file, static_cast<std::uint32_t>(seed.Rows - 1));
    for (const std::uint64_t bits : kParameterBits) {
        AppendLE32(file, static_cast<std::uint32_t>(bits & 0xFFFFFFFF));
        AppendLE32(file, static_cast<std::uint32_t>(bits >> 32));
    }
    for (int cell = 0; cell < cells; ++cell) {
        // No tile, tiles of the set and one beyond it.
        AppendLE32(file, static_cast<std::uint32_t>(cell % 5 == 0 ? -1 : (cell * 7) % (seed.Tiles + 3)));
    }
    AppendLE32(file, Crc(file, workAt, file.size()));
    return file;
}

}  // namespace

void WriteRecoverySeeds(const std::filesystem::path& folder) {
    WriteSeed(folder, "new-set", RecoveryFile({"/home/artist/art/tiles.bmp", "", 13, 4, 13, 2, {}, 40, 24}));
    WriteSeed(folder, "opened-set",
              RecoveryFile({"tiles.png", "/home/artist/art/levels.tls", 26, 8, 26, 2, {0, 3, 25}, 4, 3}));
    WriteSeed(folder, "first-format",
              RecoveryFile({"tiles.png", "/home/artist/art/levels.tls", 26, 8, 26, 1, {}, 4, 3}));
}

}  // namespace fuzzing
