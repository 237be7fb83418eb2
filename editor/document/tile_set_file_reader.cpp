#include <algorithm>
#include <cstddef>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "base/byte_file_reader.h"
#include "base/little_endian.h"
#include "base/refused_error.h"
#include "document/tile_set_file.h"
#include "document/tile_set_file_layout.h"
#include "document/tile_set_header_codec.h"

namespace mosalind {

namespace {

constexpr const char* kTileSetFileKind = "tile set file";

void RefuseShortFile(const std::string& path, std::size_t endsAt, std::int64_t shouldEndAt, const char* section) {
    throw RefusedError(path + " is not a complete tile set: the file ends at byte " + std::to_string(endsAt) +
                       ", but its " + section + " should end at byte " + std::to_string(shouldEndAt));
}

void CheckCounts(const std::string& path, const TileSetHeader& header) {
    if (header.TileCount < 1 || header.TileCount > kMaxTiles) {
        throw RefusedError(path + " is not a tile set the editor can hold: its tile count " +
                           std::to_string(header.TileCount) + " is outside 1 to " + std::to_string(kMaxTiles));
    }
    if (header.FrameCount < 1 || header.FrameCount > kMaxFrames) {
        throw RefusedError(path + " is not a tile set the editor can hold: its frame count " +
                           std::to_string(header.FrameCount) + " is outside 1 to " + std::to_string(kMaxFrames));
    }
}

// A file already in memory, read front to back as ByteFileReader reads one on disk.
class ByteSpanReader {
public:
    explicit ByteSpanReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Read(std::uint8_t* destination, std::size_t count) {
        const std::size_t got = std::min(count, bytes_.size() - done_);
        if (got > 0) {
            std::memcpy(destination, bytes_.data() + done_, got);
        }
        done_ += got;
        return got;
    }
    std::span<const std::uint8_t> Rest() const { return bytes_.subspan(done_); }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t done_ = 0;
};

// Reads the header, the attributes and the frame section into `result` (entries beyond the
// file's counts keep their values) and, when `storedFrames` is given, the frame values as
// stored. Leaves `file` right after the frame section.
template <typename Source>
void ReadSections(Source& file, const std::string& path, TileSet& result, StoredFrameValues* storedFrames) {
    std::uint8_t headerBytes[kHeaderBytes];
    const std::size_t headerGot = file.Read(headerBytes, kHeaderBytes);
    if (headerGot < static_cast<std::size_t>(kHeaderBytes)) {
        RefuseShortFile(path, headerGot, kHeaderBytes, "header");
    }
    TileSetHeader header;
    DecodeHeader(headerBytes, header);
    CheckCounts(path, header);

    const int tiles = header.TileCount;
    const int frames = header.FrameCount;
    const auto sectionBytes = static_cast<std::size_t>(FrameSectionEnd(tiles, frames) - kHeaderBytes);
    std::vector<std::uint8_t> sections(sectionBytes);
    const std::size_t got = file.Read(sections.data(), sectionBytes);
    if (got < sectionBytes) {
        RefuseShortFile(path, kHeaderBytes + got, FrameSectionEnd(tiles, frames), "frame section");
    }

    result.Header = header;
    const std::uint8_t* attributes = sections.data();
    for (int slot = 0; slot < kAttributeSlots; ++slot) {
        for (int tile = 0; tile < tiles; ++tile) {
            result.TileAttributes[slot][tile] = attributes[slot * tiles + tile];
        }
    }
    const std::uint8_t* frameValues = attributes + kAttributeBytesPerTile * tiles;
    for (int frame = 0; frame < frames; ++frame) {
        for (int tile = 0; tile < tiles; ++tile) {
            const std::int16_t stored = LoadLE16(frameValues + 2 * (frame * tiles + tile));
            result.TileFrames[frame][tile] = static_cast<std::int16_t>(stored / kFrameValueScale);
            if (storedFrames != nullptr) {
                (*storedFrames)[frame][tile] = stored;
            }
        }
    }
}

}  // namespace

TileSet ReadTileSet(const std::string& path, const TileSet& current) {
    ByteFileReader file(path, kMostTileSetFileBytes, kTileSetFileKind);
    TileSet result = current;
    ReadSections(file, path, result, nullptr);
    return result;
}

TileSetFileContents ReadTileSetContents(const std::string& path) {
    ByteFileReader file(path, kMostTileSetFileBytes, kTileSetFileKind);
    TileSetFileContents contents;
    ReadSections(file, path, contents.Document, &contents.StoredFrames);
    // The rest of the file, in growing pieces: its length is not known up front.
    constexpr std::size_t kPiece = 1 << 16;
    for (;;) {
        const std::size_t had = contents.AfterFrames.size();
        contents.AfterFrames.resize(had + kPiece);
        const std::size_t got = file.Read(contents.AfterFrames.data() + had, kPiece);
        contents.AfterFrames.resize(had + got);
        if (got < kPiece) {
            break;
        }
    }
    return contents;
}

TileSetFileContents ReadTileSetBytes(std::span<const std::uint8_t> bytes, const std::string& name) {
    ByteSpanReader file(bytes);
    TileSetFileContents contents;
    ReadSections(file, name, contents.Document, &contents.StoredFrames);
    const std::span<const std::uint8_t> rest = file.Rest();
    contents.AfterFrames.assign(rest.begin(), rest.end());
    return contents;
}

}  // namespace mosalind
