#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "document/tile_set_file_layout.h"
#include "editing/slope_codec.h"
#include "editing/tile_type_list.h"
#include "tile_set_json.h"
#include "tile_set_json_fields.h"

namespace tlstool {

namespace {

void AppendNumber(std::string& text, long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits, end);
}

void AppendKey(std::string& text, const char* key) {
    text += '"';
    text += key;
    text += "\": ";
}

// `{ "blocking": 1, "slope": [0, 4] }`, or with "bits" where bits 2-7 say more than the
// blocking kind and a readable slope.
void AppendSide(std::string& text, std::int16_t sideWord) {
    text += "{ ";
    AppendKey(text, kBlockingField);
    AppendNumber(text, sideWord & 3);
    const int slopeBits = sideWord & kSlopeBitsMask;
    if (const std::optional<mosalind::SlopeLevels> slope = mosalind::ReadableSlope(sideWord)) {
        text += ", ";
        AppendKey(text, kSlopeField);
        text += '[';
        AppendNumber(text, slope->Left);
        text += ", ";
        AppendNumber(text, slope->Right);
        text += ']';
    } else if (slopeBits != 0) {
        text += ", ";
        AppendKey(text, kBitsField);
        AppendNumber(text, slopeBits);
    }
    text += " }";
}

template <typename Value>
void AppendList(std::string& text, int count, Value value) {
    text += '[';
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            text += ", ";
        }
        AppendNumber(text, value(i));
    }
    text += ']';
}

void AppendTile(std::string& text, const mosalind::TileSet& tileSet, const mosalind::StoredFrameValues& stored,
                int tile) {
    const int frames = tileSet.Header.FrameCount;
    text += "    { ";
    AppendKey(text, kTypeField);
    const std::int16_t type = tileSet.TileAttributes[0][tile];
    if (mosalind::IsListedTileType(type)) {
        text += '"';
        text += mosalind::kTileTypeRows[mosalind::RowForTileType(type, mosalind::kTileTypeRowCount)];
        text += '"';
    } else {
        AppendNumber(text, type);
    }
    for (int side = 0; side < 4; ++side) {
        text += ", ";
        AppendKey(text, kSideFields[side]);
        AppendSide(text, tileSet.TileAttributes[side + 1][tile]);
    }
    text += ", ";
    AppendKey(text, kFramesField);
    AppendList(text, frames, [&](int frame) { return tileSet.TileFrames[frame][tile]; });
    bool storedAsCells = true;
    for (int frame = 0; frame < frames; ++frame) {
        storedAsCells =
            storedAsCells && stored[frame][tile] == tileSet.TileFrames[frame][tile] * mosalind::kFrameValueScale;
    }
    if (!storedAsCells) {
        text += ", ";
        AppendKey(text, kFrameValuesField);
        AppendList(text, frames, [&](int frame) { return stored[frame][tile]; });
    }
    text += " }";
}

void AppendHeader(std::string& text, const mosalind::TileSetHeader& header) {
    static const char kHexDigits[] = "0123456789abcdef";
    text += "  ";
    AppendKey(text, kHeaderField);
    text += "{ ";
    const std::pair<const char*, std::int32_t> numbers[] = {{kPlaneSizeField, header.PlaneSize},
                                                            {kAttributeOffsetField, header.AttributeOffset},
                                                            {kFrameOffsetField, header.FrameOffset},
                                                            {kPlanesOffsetField, header.PlanesOffset}};
    for (const auto& [field, value] : numbers) {
        AppendKey(text, field);
        AppendNumber(text, value);
        text += ", ";
    }
    AppendKey(text, kReservedField);
    text += '"';
    for (const std::uint8_t byte : header.Reserved) {
        text += kHexDigits[byte >> 4];
        text += kHexDigits[byte & 15];
    }
    text += "\" },\n";
}

}  // namespace

std::string TileSetToJson(const mosalind::TileSet& tileSet, const mosalind::StoredFrameValues& storedFrames) {
    const int tiles = tileSet.Header.TileCount;
    std::string text;
    text.reserve(256 + static_cast<std::size_t>(tiles) * 200);
    text += "{\n  ";
    AppendKey(text, kFormatField);
    text += '"';
    text += kFormatName;
    text += "\",\n  ";
    AppendKey(text, kVersionField);
    AppendNumber(text, kFormatVersion);
    text += ",\n  ";
    AppendKey(text, kFrameCountField);
    AppendNumber(text, tileSet.Header.FrameCount);
    text += ",\n";
    AppendHeader(text, tileSet.Header);
    text += "  ";
    AppendKey(text, kTilesField);
    text += "[\n";
    for (int tile = 0; tile < tiles; ++tile) {
        AppendTile(text, tileSet, storedFrames, tile);
        text += tile + 1 < tiles ? ",\n" : "\n";
    }
    text += "  ]\n}\n";
    return text;
}

}  // namespace tlstool
