#include "document/recovery_file.h"

#include <zlib.h>

#include <algorithm>
#include <bit>
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
// The work kept beside the set: its length before it, its checksum after it, and the bytes
// it has besides the done tiles' numbers and the map's cells. The offsets in it are those
// of a work with no tiles done: each done tile moves what follows D on by 2 bytes.
constexpr std::size_t kWorkLengthBytes = 4;
constexpr std::size_t kWorkChecksumBytes = 4;
constexpr std::size_t kWorkFixedBytes = 82;
constexpr std::size_t kWorkMapAt = 2;
constexpr std::size_t kWorkParametersAt = 18;
constexpr std::size_t kWorkCellsAt = 82;
// The motion parameters in the order the file holds them.
constexpr double MotionParameters::*kKeptParameters[] = {
    &MotionParameters::Gravity,          &MotionParameters::MaxFall,     &MotionParameters::RunSpeed,
    &MotionParameters::RunAcceleration,  &MotionParameters::JumpSpeed,   &MotionParameters::Friction,
    &MotionParameters::FrictionSlippery, &MotionParameters::FrictionIcy,
};
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

void AppendLE16(std::vector<std::uint8_t>& bytes, int value) {
    bytes.resize(bytes.size() + 2);
    StoreLE16(bytes.data() + bytes.size() - 2, static_cast<std::int16_t>(value));
}

void AppendLE32(std::vector<std::uint8_t>& bytes, std::int64_t value) {
    bytes.resize(bytes.size() + 4);
    StoreLE32(bytes.data() + bytes.size() - 4, static_cast<std::int32_t>(value));
}

// A Try state the reader takes back: a map of 1 to kMaxTryCells cells, each -1 or a tile
// number, the start on it, and usable parameters.
bool IsKeepableTry(const TryScratch& scratch) {
    const TryMap& map = scratch.Map;
    if (map.Columns < 1 || map.Rows < 1 ||
        static_cast<std::int64_t>(map.Columns) * map.Rows > static_cast<std::int64_t>(kMaxTryCells) ||
        map.Tiles.size() != static_cast<std::size_t>(map.Columns) * static_cast<std::size_t>(map.Rows)) {
        return false;
    }
    return map.Contains(scratch.Start.Column, scratch.Start.Row) && AreUsableParameters(scratch.Parameters) &&
           std::all_of(map.Tiles.begin(), map.Tiles.end(), [](int tile) { return tile >= kNoMapTile; });
}

// K and the work kept beside the set, as the file holds them.
std::vector<std::uint8_t> WorkBytes(const TileSet& tileSet, const RecoveryWork& work) {
    const int tiles = std::clamp<int>(tileSet.Header.TileCount, 0, kMaxTiles);
    std::vector<int> done;
    for (int tile = 0; tile < tiles; ++tile) {
        if (work.DoneBlank.test(static_cast<std::size_t>(tile))) {
            done.push_back(tile);
        }
    }
    const TryScratch& scratch = IsKeepableTry(work.Try) ? work.Try : TryScratch{};
    const TryMap& map = scratch.Map;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kWorkLengthBytes + kWorkFixedBytes + 2 * done.size() + 4 * map.Tiles.size());
    AppendLE32(bytes, 0);  // K, once known
    AppendLE16(bytes, static_cast<int>(done.size()));
    for (const int tile : done) {
        AppendLE16(bytes, tile);
    }
    AppendLE32(bytes, map.Columns);
    AppendLE32(bytes, map.Rows);
    AppendLE32(bytes, scratch.Start.Column);
    AppendLE32(bytes, scratch.Start.Row);
    for (const auto parameter : kKeptParameters) {
        const auto bits = std::bit_cast<std::uint64_t>(scratch.Parameters.*parameter);
        AppendLE32(bytes, static_cast<std::int64_t>(bits & 0xFFFFFFFFu));
        AppendLE32(bytes, static_cast<std::int64_t>(bits >> 32));
    }
    for (const int tile : map.Tiles) {
        AppendLE32(bytes, tile);
    }
    StoreLE32(bytes.data(), static_cast<std::int32_t>(bytes.size() - kWorkLengthBytes));
    return bytes;
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
                                      const TileGraphics& graphics, SharedPlanes planes, const RecoveryWork& work) {
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
    snapshot.Work = WorkBytes(tileSet, work);
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
    std::uint8_t workChecksum[kWorkChecksumBytes];
    StoreLE32(workChecksum, static_cast<std::int32_t>(Checksum(0, snapshot.Work)));
    ReplaceFileContents(path_, {std::span<const std::uint8_t>(snapshot.Head), std::span<const std::uint8_t>(planes),
                                std::span<const std::uint8_t>(checksums), std::span<const std::uint8_t>(snapshot.Work),
                                std::span<const std::uint8_t>(workChecksum)});
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
    int Version = kRecoveryFormatVersion;
    std::uint64_t WorkAt = 0;    // format 2: where K stands
    std::size_t WorkLength = 0;  // K
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
    if (version < kRecoveryFirstFormatVersion || version > kRecoveryFormatVersion) {
        RefuseForeign(path, "it is of format " + std::to_string(version) + ", this editor reads formats " +
                                std::to_string(kRecoveryFirstFormatVersion) + " to " +
                                std::to_string(kRecoveryFormatVersion));
    }
    head.Version = version;
    // Each length is below 4 GB, so their sum cannot overflow 64 bits.
    const std::uint64_t sheetLength = LoadU32(bytes.data() + kLengthsAt);
    const std::uint64_t ownLength = LoadU32(bytes.data() + kLengthsAt + 4);
    const std::uint64_t tileSetLength = LoadU32(bytes.data() + kLengthsAt + 8);
    const std::uint64_t length = kRecoveryHeaderBytes + sheetLength + ownLength + tileSetLength + kChecksumsBytes;
    std::uint64_t whole = length;
    if (version >= 2) {
        // K, the length of the work kept beside the set, stands right after the set.
        if (size < length + kWorkLengthBytes + kWorkChecksumBytes) {
            RefuseDamaged(path, "it is " + std::to_string(size) + " bytes long, its header makes it at least " +
                                    std::to_string(length + kWorkLengthBytes + kWorkChecksumBytes));
        }
        file.Seek(length);
        std::uint8_t workLength[kWorkLengthBytes];
        ReadExactly(file, path, workLength, kWorkLengthBytes, length, "kept work");
        head.WorkAt = length;
        head.WorkLength = LoadU32(workLength);
        whole = length + kWorkLengthBytes + head.WorkLength + kWorkChecksumBytes;
        file.Seek(kRecoveryHeaderBytes);
    }
    if (whole != size) {
        RefuseDamaged(path,
                      "it is " + std::to_string(size) + " bytes long, its header makes it " + std::to_string(whole));
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

[[noreturn]] void RefuseWork(const std::string& path, const std::string& why) {
    RefuseDamaged(path, "its kept work " + why);
}

// The work kept beside the set, checked against its checksum and the set.
void ReadWork(ByteFileReader& file, const std::string& path, const RecoveryHead& head, RecoveredSet& set) {
    // K is below the file's size, which the reader keeps far below memory's limits.
    std::vector<std::uint8_t> bytes(kWorkLengthBytes + head.WorkLength + kWorkChecksumBytes);
    file.Seek(head.WorkAt);
    ReadExactly(file, path, bytes.data(), bytes.size(), head.WorkAt, "kept work");
    const std::span<const std::uint8_t> checked(bytes.data(), kWorkLengthBytes + head.WorkLength);
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    if (Checksum(0, checked) != LoadU32(bytes.data() + checked.size())) {
        RefuseDamaged(path, "the checksum of its kept work does not match it");
    }
#endif
    const std::uint8_t* work = bytes.data() + kWorkLengthBytes;
    const std::size_t length = head.WorkLength;
    if (length < kWorkFixedBytes) {
        RefuseWork(path, "is " + std::to_string(length) + " bytes long, less than " + std::to_string(kWorkFixedBytes));
    }
    const int doneCount = static_cast<std::uint16_t>(LoadLE16(work));
    const std::size_t mapAt = kWorkMapAt + 2 * static_cast<std::size_t>(doneCount);
    if (length < kWorkFixedBytes + 2 * static_cast<std::size_t>(doneCount)) {
        RefuseWork(path, "is " + std::to_string(length) + " bytes long, too short for its " +
                             std::to_string(doneCount) + " tiles done");
    }
    const int tiles = set.Document.Header.TileCount;
    int previous = -1;
    for (int i = 0; i < doneCount; ++i) {
        const int tile = LoadLE16(work + kWorkMapAt + 2 * static_cast<std::size_t>(i));
        if (tile <= previous || tile >= tiles) {
            RefuseWork(path, "names tile " + std::to_string(tile) +
                                 " as done: not a tile of the set, or not after the one before");
        }
        set.DoneBlank.set(static_cast<std::size_t>(tile));
        previous = tile;
    }

    TryScratch scratch;
    const std::int64_t columns = LoadLE32(work + mapAt);
    const std::int64_t rows = LoadLE32(work + mapAt + 4);
    if (columns < 1 || rows < 1 || columns * rows > kMaxTryCells) {
        RefuseWork(path, "has a Try map of " + std::to_string(columns) + " x " + std::to_string(rows) +
                             " cells, not 1 to " + std::to_string(kMaxTryCells));
    }
    const std::uint64_t expected =
        mapAt + (kWorkFixedBytes - kWorkMapAt) + 4 * static_cast<std::uint64_t>(columns * rows);
    if (length != expected) {
        RefuseWork(path,
                   "is " + std::to_string(length) + " bytes long, its Try map makes it " + std::to_string(expected));
    }
    scratch.Map = TryMap::Empty(static_cast<int>(columns), static_cast<int>(rows));
    scratch.Start = {LoadLE32(work + mapAt + 8), LoadLE32(work + mapAt + 12)};
    if (!scratch.Map.Contains(scratch.Start.Column, scratch.Start.Row)) {
        RefuseWork(path, "starts the figure in cell " + std::to_string(scratch.Start.Column) + ", " +
                             std::to_string(scratch.Start.Row) + ", outside its Try map");
    }
    const std::uint8_t* parameters = work + mapAt + (kWorkParametersAt - kWorkMapAt);
    for (std::size_t i = 0; i < std::size(kKeptParameters); ++i) {
        const std::uint64_t bits = LoadU32(parameters + 8 * i) | (std::uint64_t{LoadU32(parameters + 8 * i + 4)} << 32);
        scratch.Parameters.*kKeptParameters[i] = std::bit_cast<double>(bits);
    }
    if (!AreUsableParameters(scratch.Parameters)) {
        RefuseWork(path, "has motion parameters that are not numbers from 0 to " +
                             std::to_string(static_cast<int>(kMaxMotionParameter)));
    }
    const std::uint8_t* cells = work + mapAt + (kWorkCellsAt - kWorkMapAt);
    for (std::size_t i = 0; i < scratch.Map.Tiles.size(); ++i) {
        const int tile = LoadLE32(cells + 4 * i);
        if (tile < kNoMapTile) {
            RefuseWork(path, "holds tile " + std::to_string(tile) + " in its Try map");
        }
        scratch.Map.Tiles[i] = tile;
    }
    set.Try = std::move(scratch);
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
    if (head.Version >= 2) {
        ReadWork(file, path, head, set);
    }
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
