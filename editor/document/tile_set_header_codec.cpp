#include "document/tile_set_header_codec.h"

#include <algorithm>

#include "base/little_endian.h"

namespace mosalind {

namespace {
constexpr int kTileCountAt = 0;
constexpr int kFrameCountAt = 2;
constexpr int kPlaneSizeAt = 4;
constexpr int kAttributeOffsetAt = 6;
constexpr int kFrameOffsetAt = 10;
constexpr int kPlanesOffsetAt = 14;
constexpr int kReservedAt = 18;
}  // namespace

void DecodeHeader(const std::uint8_t* bytes, TileSetHeader& header) {
    header.TileCount = LoadLE16(bytes + kTileCountAt);
    header.FrameCount = LoadLE16(bytes + kFrameCountAt);
    header.PlaneSize = LoadLE16(bytes + kPlaneSizeAt);
    header.AttributeOffset = LoadLE32(bytes + kAttributeOffsetAt);
    header.FrameOffset = LoadLE32(bytes + kFrameOffsetAt);
    header.PlanesOffset = LoadLE32(bytes + kPlanesOffsetAt);
    std::copy_n(bytes + kReservedAt, kReservedHeaderBytes, header.Reserved.begin());
}

void EncodeHeader(const TileSetHeader& header, std::uint8_t* bytes) {
    StoreLE16(bytes + kTileCountAt, header.TileCount);
    StoreLE16(bytes + kFrameCountAt, header.FrameCount);
    StoreLE16(bytes + kPlaneSizeAt, header.PlaneSize);
    StoreLE32(bytes + kAttributeOffsetAt, header.AttributeOffset);
    StoreLE32(bytes + kFrameOffsetAt, header.FrameOffset);
    StoreLE32(bytes + kPlanesOffsetAt, header.PlanesOffset);
    std::copy(header.Reserved.begin(), header.Reserved.end(), bytes + kReservedAt);
}

}  // namespace mosalind
