#include "document/recovery_file.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <span>
#include <system_error>

#include "base/byte_file_reader.h"
#include "base/little_endian.h"
#include "base/refused_error.h"
#include "base/replace_file.h"
#include "document/tile_set_file.h"
#include "document/tile_set_file_layout.h"
#include "graphics/large_pages.h"

namespace mosalind {

namespace {

constexpr std::size_t kKeptAtAt = 18;
constexpr std::size_t kPaletteAt = 26;
constexpr std::size_t kLengthsAt = 74;
constexpr std::size_t kChecksumsBytes = 8;
// Far more than the largest recovery file (about 4.2 MB: the tallest sheet's planes), so a
// foreign file of any size is refused without being read whole.
constexpr std::uint64_t kMostRecoveryBytes = 64u << 20;
// A recovery file is the editor's own: a symbolic link in its place is not followed.
constexpr const char* kRecoveryFileKind = "recovery file";

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

// zlib's crc32 gives its initial value, not `crc`, for no buffer (an empty vector's).
std::uint32_t Checksum(std::uint32_t crc, std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return crc;
    }
    return static_cast<std::uint32_t>(crc32_z(crc, bytes.data(), bytes.size()));
}

[[noreturn]] void RefuseForeign(const std::string& path, const std::string& why) {
    throw RefusedError(path + " is not a recovery file of this editor: " + why);
}

[[noreturn]] void RefuseDamaged(const std::string& path, const std::string& why) {
    throw RefusedError(path + " is a damaged recovery file: " + why);
}

// The planes are megabytes written once from end to end: large pages spare most of the
// first touches.
std::vector<std::uint8_t> CopyOfPlanes(const std::vector<std::uint8_t>& planes) {
    std::vector<std::uint8_t> copy;
    copy.reserve(planes.size());
    AdviseLargePages(copy.data(), copy.capacity());
    copy.assign(planes.begin(), planes.end());
    return copy;
}

std::string StringAt(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t length) {
    return std::string(reinterpret_cast<const char*>(bytes.data() + at), length);
}

// Reads exactly `count` bytes, or refuses the file as cut short.
void ReadExactly(ByteFileReader& file, const std::string& path, std::uint8_t* destination, std::size_t count,
                 std::uint64_t at, const char* part) {
    const std::size_t got = file.Read(destination, count);
    if (got < count) {
        RefuseDamaged(path, "it ends at byte " + std::to_string(at + got) + ", within its " + part);
    }
}

}  // namespace

RecoverySnapshot MakeRecoverySnapshot(const std::string& path, const RecoveryNote& note, const TileSet& tileSet,
                                      const TileGraphics& graphics, SharedPlanes planes) {
    const std::vector<std::uint8_t> sections = TileSetBytesBeforePlanes(path, tileSet, graphics);
    const std::size_t tileSetBytes = sections.size() + graphics.TilePlanes.size();
    const std::size_t pathBytes = note.SheetPath.size() + note.OwnFile.size();
    if (tileSetBytes > kMostRecoveryBytes || pathBytes > kMostRecoveryBytes) {
        throw RefusedError("Cannot save " + path + ": the tile set is larger than a recovery file holds");
    }

    RecoverySnapshot snapshot;
    std::vector<std::uint8_t>& head = snapshot.Head;
    head.reserve(kRecoveryHeaderBytes + pathBytes + sections.size());
    head.resize(kRecoveryHeaderBytes);
    std::memcpy(head.data(), kRecoveryMagic, kRecoveryMagicBytes);
    StoreLE16(head.data() + kRecoveryMagicBytes, kRecoveryFormatVersion);
    StoreLE64(head.data() + kKeptAtAt, note.KeptAt);
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
    if (planes && planes->size() == graphics.TilePlanes.size()) {
        snapshot.Planes = std::move(planes);
    } else {
        snapshot.Planes = std::make_shared<const std::vector<std::uint8_t>>(CopyOfPlanes(graphics.TilePlanes));
    }
    return snapshot;
}

void RecoveryFileWriter::Write(const RecoverySnapshot& snapshot) {
    static const std::vector<std::uint8_t> kNoPlanes;
    const std::vector<std::uint8_t>& planes = snapshot.Planes ? *snapshot.Planes : kNoPlanes;
    if (snapshot.Planes != checkedPlanes_) {
        planesChecksum_ = Checksum(0, planes);
        checkedPlanes_ = snapshot.Planes;
    }
    std::uint8_t checksums[kChecksumsBytes];
    StoreLE32(checksums, static_cast<std::int32_t>(Checksum(0, snapshot.Head)));
    StoreLE32(checksums + 4, static_cast<std::int32_t>(planesChecksum_));
    ReplaceFileContents(path_, {std::span<const std::uint8_t>(snapshot.Head), std::span<const std::uint8_t>(planes),
                                std::span<const std::uint8_t>(checksums)});
}

void WriteRecoveryFile(const std::string& path, const RecoverySnapshot& snapshot) {
    RecoveryFileWriter(path).Write(snapshot);
}

namespace {

// The part of a recovery file read at every start: all but the planes, and both checksums.
struct RecoveryHead {
    std::vector<std::uint8_t> Bytes;  // the header, the paths, the tile set file up to its planes
    std::size_t PathsAt = kRecoveryHeaderBytes;
    std::size_t SheetLength = 0;
    std::size_t OwnLength = 0;
    std::size_t TileSetAt = 0;
    std::size_t PlanesLength = 0;
    std::uint32_t HeadChecksum = 0;
    std::uint32_t PlanesChecksum = 0;
};

// Reads the header, the paths and the tile set file up to its planes (its own header tells
// where they start), then both checksums at the end; checks every length against the file's
// and the head's checksum. Leaves `file` after the checksums.
RecoveryHead ReadHead(ByteFileReader& file, const std::string& path) {
    const std::uint64_t size = file.Size();

    RecoveryHead head;
    std::vector<std::uint8_t>& bytes = head.Bytes;
    bytes.resize(kRecoveryHeaderBytes);
    const std::size_t headerGot = file.Read(bytes.data(), kRecoveryHeaderBytes);
    if (headerGot < kRecoveryMagicBytes || std::memcmp(bytes.data(), kRecoveryMagic, kRecoveryMagicBytes) != 0) {
        RefuseForeign(path, "it does not start with \"" + std::string(kRecoveryMagic) + "\"");
    }
    if (headerGot < static_cast<std::size_t>(kRecoveryHeaderBytes)) {
        RefuseDamaged(path, "it ends at byte " + std::to_string(headerGot) + ", within its header");
    }
    const int version = static_cast<std::uint16_t>(LoadLE16(bytes.data() + kRecoveryMagicBytes));
    if (version != kRecoveryFormatVersion) {
        RefuseForeign(path, "it is of format " + std::to_string(version) + ", this editor reads format " +
                                std::to_string(kRecoveryFormatVersion));
    }
    // Each length is below 4 GB, so their sum cannot overflow 64 bits.
    const std::uint64_t sheetLength = LoadU32(bytes.data() + kLengthsAt);
    const std::uint64_t ownLength = LoadU32(bytes.data() + kLengthsAt + 4);
    const std::uint64_t tileSetLength = LoadU32(bytes.data() + kLengthsAt + 8);
    const std::uint64_t length = kRecoveryHeaderBytes + sheetLength + ownLength + tileSetLength + kChecksumsBytes;
    if (length != size) {
        RefuseDamaged(path,
                      "it is " + std::to_string(size) + " bytes long, its header makes it " + std::to_string(length));
    }
    head.SheetLength = static_cast<std::size_t>(sheetLength);
    head.OwnLength = static_cast<std::size_t>(ownLength);
    head.TileSetAt = static_cast<std::size_t>(kRecoveryHeaderBytes + sheetLength + ownLength);

    // The paths and the tile set file's header, whose counts tell where the planes start; a
    // header cut short or with counts out of range is refused by the tile set's reader.
    const std::uint64_t tileSetHeaderBytes = std::min<std::uint64_t>(tileSetLength, kHeaderBytes);
    bytes.resize(static_cast<std::size_t>(head.TileSetAt + tileSetHeaderBytes));
    ReadExactly(file, path, bytes.data() + head.PathsAt, bytes.size() - head.PathsAt, head.PathsAt, "paths");
    const std::int16_t tiles = tileSetHeaderBytes == kHeaderBytes ? LoadLE16(bytes.data() + head.TileSetAt) : 0;
    const std::int16_t frames = tileSetHeaderBytes == kHeaderBytes ? LoadLE16(bytes.data() + head.TileSetAt + 2) : 0;
    if (tiles < 1 || tiles > kMaxTiles || frames < 1 || frames > kMaxFrames) {
        ReadTileSetBytes(std::span<const std::uint8_t>(bytes).subspan(head.TileSetAt), path);
        RefuseDamaged(path, "its tile set's header does not hold");  // not reached: the reader refuses
    }
    const std::uint64_t sectionsEnd = std::min<std::uint64_t>(tileSetLength, FrameSectionEnd(tiles, frames));
    const std::size_t sectionsAt = bytes.size();
    bytes.resize(static_cast<std::size_t>(head.TileSetAt + sectionsEnd));
    ReadExactly(file, path, bytes.data() + sectionsAt, bytes.size() - sectionsAt, sectionsAt, "tile set");
    head.PlanesLength = static_cast<std::size_t>(tileSetLength - sectionsEnd);

    file.Seek(length - kChecksumsBytes);
    std::uint8_t checksums[kChecksumsBytes];
    ReadExactly(file, path, checksums, kChecksumsBytes, length - kChecksumsBytes, "checksums");
    head.HeadChecksum = LoadU32(checksums);
    head.PlanesChecksum = LoadU32(checksums + 4);
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // Mutated inputs would almost never carry the right checksum.
    if (Checksum(0, bytes) != head.HeadChecksum) {
        RefuseDamaged(path, "its checksum does not match its contents");
    }
#endif
    return head;
}

}  // namespace

RecoveredSet ReadRecoveryFile(const std::string& path) {
    ByteFileReader file(path, kMostRecoveryBytes, kRecoveryFileKind, false);
    const RecoveryHead head = ReadHead(file, path);
    const std::vector<std::uint8_t>& bytes = head.Bytes;
    RecoveredSet set;
    set.Note.KeptAt = LoadLE64(bytes.data() + kKeptAtAt);
    for (int colour = 0; colour < kSheetPaletteEntries; ++colour) {
        BMPPaletteEntry& entry = set.Note.Palette[colour];
        entry.Red = bytes[kPaletteAt + 3 * colour];
        entry.Green = bytes[kPaletteAt + 3 * colour + 1];
        entry.Blue = bytes[kPaletteAt + 3 * colour + 2];
    }
    set.Note.SheetPath = StringAt(bytes, head.PathsAt, head.SheetLength);
    set.Note.OwnFile = StringAt(bytes, head.PathsAt + head.SheetLength, head.OwnLength);
    set.Document = ReadTileSetBytes(std::span<const std::uint8_t>(bytes).subspan(head.TileSetAt), path).Document;
    // The planes of a cut sheet: whole rows of 13 cells, 128 bytes a cell.
    const std::size_t cells = head.PlanesLength / kCellPlanarBytes;
    if (head.PlanesLength % kCellPlanarBytes != 0 || cells == 0 || cells % kCellsPerRow != 0 ||
        cells > static_cast<std::size_t>(kMaxSheetCells)) {
        RefuseDamaged(path, "its tile set's planes (" + std::to_string(head.PlanesLength) +
                                " bytes) are not whole rows of a tile sheet's cells");
    }
    set.PlaneCells = static_cast<std::int16_t>(cells);
    return set;
}

TileGraphics ReadRecoveryPlanes(const std::string& path) {
    ByteFileReader file(path, kMostRecoveryBytes, kRecoveryFileKind, false);
    const RecoveryHead head = ReadHead(file, path);
    const std::size_t cells = head.PlanesLength / kCellPlanarBytes;
    if (head.PlanesLength % kCellPlanarBytes != 0 || cells > static_cast<std::size_t>(kMaxSheetCells)) {
        RefuseDamaged(path,
                      "its tile set's planes (" + std::to_string(head.PlanesLength) + " bytes) are not whole cells");
    }
    TileGraphics graphics;
    graphics.BMPTileCount = static_cast<std::int16_t>(cells);
    std::vector<std::uint8_t>& planes = graphics.TilePlanes;
    planes.reserve(head.PlanesLength);
    AdviseLargePages(planes.data(), planes.capacity());
    planes.resize(head.PlanesLength);
    file.Seek(head.Bytes.size());
    ReadExactly(file, path, planes.data(), planes.size(), head.Bytes.size(), "planes");
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    if (Checksum(0, planes) != head.PlanesChecksum) {
        RefuseDamaged(path, "the checksum of its planes does not match them");
    }
#endif
    return graphics;
}

}  // namespace mosalind
