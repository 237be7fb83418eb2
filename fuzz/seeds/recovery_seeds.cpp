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
    // The tile set file as Save writes it: header, attribute rows, frame rows (cell x 32),
    // then the planes.
    Bytes set(62, 0);
    PutLE16(set, 0, static_cast<std::uint32_t>(seed.Tiles));
    PutLE16(set, 2, static_cast<std::uint32_t>(seed.Frames));
    PutLE16(set, 4, static_cast<std::uint32_t>(32 * seed.PlaneCells));
    PutLE32(set, 6, 64);
    PutLE32(set, 10, static_cast<std::uint32_t>(64 + 5 * seed.Tiles));
    PutLE32(set, 14, static_cast<std::uint32_t>(64 + 5 * seed.Tiles + 2 * seed.Tiles * seed.Frames));
    for (int slot = 0; slot < 5; ++slot) {
        for (int tile = 0; tile < seed.Tiles; ++tile) {
            set.push_back(static_cast<std::uint8_t>(slot == 0 ? tile % 29 : (tile * 37 + slot) % 256));
        }
    }
    for (int frame = 0; frame < seed.Frames; ++frame) {
        for (int tile = 0; tile < seed.Tiles; ++tile) {
            AppendLE16(set, static_cast<std::uint32_t>(32 * ((tile + frame) % seed.PlaneCells)));
        }
    }
    const std::size_t planesAt = set.size();
    for (int i = 0; i < 128 * seed.PlaneCells; ++i) {
        set.push_back(static_cast<std::uint8_t>(i * 13 + 7));
    }

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
