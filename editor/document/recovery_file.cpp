#include "document/recovery_file.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <span>
#include <system_error>

#include "document/byte_file_reader.h"
#include "document/little_endian.h"
#include "document/refused_error.h"
#include "document/replace_file.h"
#include "document/tile_set_file.h"
#include "document/tile_set_file_layout.h"

namespace mosalind {

namespace {

constexpr std::size_t kPaletteAt = 26;
constexpr std::size_t kLengthsAt = 74;
constexpr std::size_t kChecksumBytes = 4;
// Far more than the largest recovery file (about 4.2 MB: the tallest sheet's planes), so a
// foreign file of any size is refused without being read whole.
constexpr std::uint64_t kMostRecoveryBytes = 64u << 20;

void StoreLE64(std::uint8_t* bytes, std::int64_t value) {
    const auto bits = static_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF);
    }
}

std::int64_t LoadLE64(const std::uint8_t* bytes) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) {
        bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    }
    return static_cast<std::int64_t>(bits);
}

std::uint32_t LoadU32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(LoadLE32(bytes));
}

std::uint32_t Checksum(std::uint32_t crc, std::span<const std::uint8_t> bytes) {
    return static_cast<std::uint32_t>(crc32_z(crc, bytes.data(), bytes.size()));
}

[[noreturn]] void RefuseForeign(const std::string& path, const std::string& why) {
    throw RefusedError(path + " is not a recovery file of this editor: " + why);
}

[[noreturn]] void RefuseDamaged(const std::string& path, const std::string& why) {
    throw RefusedError(path + " is a damaged recovery file: " + why);
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    ByteFileReader file(path);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMostRecoveryBytes) {
        RefuseForeign(path, "it is larger than any (" + std::to_string(size) + " bytes)");
    }
    std::vector<std::uint8_t> bytes;
    if (!error) {
        bytes.reserve(static_cast<std::size_t>(size) + 1);
    }
    constexpr std::size_t kPiece = 1 << 20;
    for (;;) {
        const std::size_t had = bytes.size();
        if (had > kMostRecoveryBytes) {
            RefuseForeign(path, "it is larger than any (over " + std::to_string(kMostRecoveryBytes) + " bytes)");
        }
        bytes.resize(had + kPiece);
        const std::size_t got = file.Read(bytes.data() + had, kPiece);
        bytes.resize(had + got);
        if (got < kPiece) {
            return bytes;
        }
    }
}

std::string StringAt(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t length) {
    return std::string(reinterpret_cast<const char*>(bytes.data() + at), length);
}

}  // namespace

RecoverySnapshot MakeRecoverySnapshot(const std::string& path, const RecoveryNote& note, const TileSet& tileSet,
                                      const TileGraphics& graphics) {
    const std::vector<std::uint8_t> sections = TileSetBytesBeforePlanes(path, tileSet, graphics);
    const std::size_t tileSetBytes = sections.size() + graphics.TilePlanes.size();
    const std::size_t pathBytes = note.SheetPath.size() + note.OwnFile.size();
    if (tileSetBytes > kMostRecoveryBytes || pathBytes > kMostRecoveryBytes) {
        throw RefusedError("Cannot save " + path + ": the tile set is larger than a recovery file holds");
    }

    RecoverySnapshot snapshot;
    std::vector<std::uint8_t>& head = snapshot.Head;
    head.resize(kRecoveryHeaderBytes);
    std::memcpy(head.data(), kRecoveryMagic, kRecoveryMagicBytes);
    StoreLE16(head.data() + kRecoveryMagicBytes, kRecoveryFormatVersion);
    StoreLE64(head.data() + 18, note.KeptAt);
    for (int colour = 0; colour < kSheetPaletteEntries; ++colour) {
        const BMPPaletteEntry& entry = note.Palette[colour];
        head[kPaletteAt + 3 * colour] = entry.Red;
        head[kPaletteAt + 3 * colour + 1] = entry.Green;
        head[kPaletteAt + 3 * colour + 2] = entry.Blue;
    }
    StoreLE32(head.data() + kLengthsAt, static_cast<std::int32_t>(note.SheetPath.size()));
    StoreLE32(head.data() + kLengthsAt + 4, static_cast<std::int32_t>(note.OwnFile.size()));
    StoreLE32(head.data() + kLengthsAt + 8, static_cast<std::int32_t>(tileSetBytes));
    head.insert(head.end(), note.SheetPath.begin(), note.SheetPath.end());
    head.insert(head.end(), note.OwnFile.begin(), note.OwnFile.end());
    head.insert(head.end(), sections.begin(), sections.end());
    snapshot.Planes = graphics.TilePlanes;
    return snapshot;
}

void WriteRecoveryFile(const std::string& path, const RecoverySnapshot& snapshot) {
    std::uint32_t crc = Checksum(0, snapshot.Head);
    crc = Checksum(crc, snapshot.Planes);
    std::uint8_t checksum[kChecksumBytes];
    StoreLE32(checksum, static_cast<std::int32_t>(crc));
    ReplaceFileContents(path, {std::span<const std::uint8_t>(snapshot.Head),
                               std::span<const std::uint8_t>(snapshot.Planes), std::span<const std::uint8_t>(checksum)});
}

RecoveredSet ReadRecoveryFile(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    if (bytes.size() < kRecoveryMagicBytes ||
        std::memcmp(bytes.data(), kRecoveryMagic, kRecoveryMagicBytes) != 0) {
        RefuseForeign(path, "it does not start with \"" + std::string(kRecoveryMagic) + "\"");
    }
    if (bytes.size() < kRecoveryHeaderBytes + kChecksumBytes) {
        RefuseDamaged(path, "it ends at byte " + std::to_string(bytes.size()) + ", within its header");
    }
    const int version = static_cast<std::uint16_t>(LoadLE16(bytes.data() + kRecoveryMagicBytes));
    if (version != kRecoveryFormatVersion) {
        RefuseForeign(path, "it is of format " + std::to_string(version) + ", this editor reads format " +
                                std::to_string(kRecoveryFormatVersion));
    }
    // Each length is at most 4 GB, so their sum cannot overflow 64 bits.
    const std::uint64_t sheetLength = LoadU32(bytes.data() + kLengthsAt);
    const std::uint64_t ownLength = LoadU32(bytes.data() + kLengthsAt + 4);
    const std::uint64_t tileSetLength = LoadU32(bytes.data() + kLengthsAt + 8);
    const std::uint64_t length = kRecoveryHeaderBytes + sheetLength + ownLength + tileSetLength + kChecksumBytes;
    if (length != bytes.size()) {
        RefuseDamaged(path, "it is " + std::to_string(bytes.size()) + " bytes long, its header makes it " +
                                std::to_string(length));
    }
    const std::size_t checksumAt = bytes.size() - kChecksumBytes;
    const std::uint32_t stored = LoadU32(bytes.data() + checksumAt);
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    if (Checksum(0, std::span<const std::uint8_t>(bytes.data(), checksumAt)) != stored) {
        RefuseDamaged(path, "its checksum does not match its contents");
    }
#else
    static_cast<void>(stored);
#endif

    RecoveredSet set;
    set.Note.KeptAt = LoadLE64(bytes.data() + 18);
    for (int colour = 0; colour < kSheetPaletteEntries; ++colour) {
        BMPPaletteEntry& entry = set.Note.Palette[colour];
        entry.Red = bytes[kPaletteAt + 3 * colour];
        entry.Green = bytes[kPaletteAt + 3 * colour + 1];
        entry.Blue = bytes[kPaletteAt + 3 * colour + 2];
    }
    set.Note.SheetPath = StringAt(bytes, kRecoveryHeaderBytes, sheetLength);
    set.Note.OwnFile = StringAt(bytes, kRecoveryHeaderBytes + sheetLength, ownLength);

    const std::size_t tileSetAt = kRecoveryHeaderBytes + sheetLength + ownLength;
    TileSetFileContents contents =
        ReadTileSetBytes(std::span<const std::uint8_t>(bytes.data() + tileSetAt, tileSetLength), path);
    // The planes of a cut sheet: whole rows of 13 cells, 128 bytes a cell.
    const std::size_t planeBytes = contents.AfterFrames.size();
    const std::size_t cells = planeBytes / kCellPlanarBytes;
    if (planeBytes % kCellPlanarBytes != 0 || cells == 0 || cells % kCellsPerRow != 0 ||
        cells > static_cast<std::size_t>(kMaxSheetCells)) {
        RefuseDamaged(path, "its tile set's planes (" + std::to_string(planeBytes) +
                                " bytes) are not whole rows of a tile sheet's cells");
    }
    set.Document = contents.Document;
    set.Graphics.BMPTileCount = static_cast<std::int16_t>(cells);
    set.Graphics.TilePlanes = std::move(contents.AfterFrames);
    return set;
}

}  // namespace mosalind
