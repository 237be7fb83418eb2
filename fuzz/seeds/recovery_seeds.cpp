// Recovery files: "Mosalind unsaved", format 1, the time the edits were kept (64 bits), the
// sheet's 16 colours, the lengths of the sheet's path, the set's own file and the tile set
// file, those three, then CRC-32 of all before the tile set's planes and CRC-32 of the
// planes.
#include <zlib.h>

#include <string>

#include "seed_files.h"

namespace fuzzing {

namespace {

struct RecoverySeed {
    std::string SheetPath;
    std::string OwnFile;
    int Tiles = 13;
    int Frames = 4;
    int PlaneCells = 13;  // whole rows of 13
};

std::uint32_t Crc(const Bytes& bytes, std::size_t from, std::size_t to) {
    return static_cast<std::uint32_t>(crc32_z(0, bytes.data() + from, to - from));
}

Bytes RecoveryFile(const RecoverySeed& seed) {
    const Bytes set = TileSetFile({seed.Tiles, seed.Frames, seed.PlaneCells, 0});
    const std::size_t planesAt = 62 + 5 * seed.Tiles + 2 * seed.Tiles * seed.Frames;

    const std::string magic = "Mosalind unsaved";
    Bytes file(magic.begin(), magic.end());
    AppendLE16(file, 1);
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
    return file;
}

}  // namespace

void WriteRecoverySeeds(const std::filesystem::path& folder) {
    WriteSeed(folder, "new-set", RecoveryFile({"/home/artist/art/tiles.bmp", "", 13, 4, 13}));
    WriteSeed(folder, "opened-set", RecoveryFile({"tiles.png", "/home/artist/art/levels.tls", 26, 8, 26}));
}

}  // namespace fuzzing
