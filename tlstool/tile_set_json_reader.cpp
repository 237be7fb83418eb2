#include <nlohmann/json.hpp>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "base/refused_error.h"
#include "document/tile_set_file_layout.h"
#include "editing/slope_codec.h"
#include "editing/tile_type_list.h"
#include "tile_set_json.h"
#include "tile_set_json_fields.h"

namespace tlstool {

namespace {

using mosalind::RefusedError;
using nlohmann::json;

// A value as a refusal quotes it: short, on one line, in ASCII.
std::string Describe(const json& value) {
    switch (value.type()) {
        case json::value_t::object:
            return "an object";
        case json::value_t::array:
            return "a list";
        case json::value_t::null:
            return "null";
        default:
            break;
    }
    std::string text = value.dump(-1, ' ', true, json::error_handler_t::replace);
    constexpr std::size_t kLongest = 40;
    if (text.size() > kLongest) {
        text = text.substr(0, kLongest) + "...";
    }
    return text;
}

// Reads one JSON document, refusing with the name and the place of what is wrong.
class Reader {
public:
    explicit Reader(const std::string& name) : name_(name) {}

    [[noreturn]] void Refuse(const std::string& place, const std::string& what) const {
        throw RefusedError(name_ + ": " + place + ": " + what);
    }

    const json& Object(const json& value, const std::string& place) const {
        if (!value.is_object()) {
            Refuse(place, "must be an object, not " + Describe(value));
        }
        return value;
    }

    // Refuses a field the object should not have.
    void OnlyFields(const json& object, const std::string& place, std::initializer_list<const char*> fields) const {
        for (const auto& item : object.items()) {
            bool known = false;
            for (const char* field : fields) {
                known = known || item.key() == field;
            }
            if (!known) {
                Refuse(place, "unknown field " + Describe(json(item.key())));
            }
        }
    }

    const json& Field(const json& object, const std::string& place, const char* field) const {
        const auto found = object.find(field);
        if (found == object.end()) {
            Refuse(place, std::string("has no field \"") + field + "\"");
        }
        return *found;
    }

    std::int64_t WholeNumber(const json& value, const std::string& place, std::int64_t lowest,
                             std::int64_t highest) const {
        if (value.is_number_unsigned()) {
            const auto number = value.get<std::uint64_t>();
            if (number <= static_cast<std::uint64_t>(highest) && static_cast<std::int64_t>(number) >= lowest) {
                return static_cast<std::int64_t>(number);
            }
        } else if (value.is_number_integer()) {
            const auto number = value.get<std::int64_t>();
            if (number >= lowest && number <= highest) {
                return number;
            }
        }
        Refuse(place, "must be a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest) +
                          ", not " + Describe(value));
    }

    const json& List(const json& value, const std::string& place, std::size_t length) const {
        if (!value.is_array() || value.size() != length) {
            Refuse(place, "must be a list of " + std::to_string(length) + " numbers, not " +
                              (value.is_array() ? "a list of " + std::to_string(value.size()) : Describe(value)));
        }
        return value;
    }

private:
    std::string name_;
};

std::string At(const std::string& place, const char* field) {
    return place + "." + field;
}

std::string At(const std::string& place, std::size_t index) {
    return place + "[" + std::to_string(index) + "]";
}

int HexDigit(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    return -1;
}

void ReadHeader(const Reader& reader, const json& value, mosalind::TileSetHeader& header) {
    const std::string place = kHeaderField;
    reader.Object(value, place);
    reader.OnlyFields(value, place,
                      {kPlaneSizeField, kAttributeOffsetField, kFrameOffsetField, kPlanesOffsetField, kReservedField});
    const auto number32 = [&](const char* field) {
        return static_cast<std::int32_t>(
            reader.WholeNumber(reader.Field(value, place, field), At(place, field), INT32_MIN, INT32_MAX));
    };
    header.PlaneSize = static_cast<std::int16_t>(reader.WholeNumber(reader.Field(value, place, kPlaneSizeField),
                                                                    At(place, kPlaneSizeField), INT16_MIN, INT16_MAX));
    header.AttributeOffset = number32(kAttributeOffsetField);
    header.FrameOffset = number32(kFrameOffsetField);
    header.PlanesOffset = number32(kPlanesOffsetField);

    const json& reserved = reader.Field(value, place, kReservedField);
    const std::string reservedPlace = At(place, kReservedField);
    constexpr std::size_t kDigits = 2 * mosalind::kReservedHeaderBytes;
    if (!reserved.is_string() || reserved.get_ref<const std::string&>().size() != kDigits) {
        reader.Refuse(reservedPlace, "must be a string of " + std::to_string(kDigits) + " hexadecimal digits, not " +
                                         Describe(reserved));
    }
    const std::string& digits = reserved.get_ref<const std::string&>();
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (HexDigit(digits[i]) < 0) {
            reader.Refuse(reservedPlace, "character " + std::to_string(i + 1) + " is not a hexadecimal digit");
        }
    }
    for (std::size_t byte = 0; byte < header.Reserved.size(); ++byte) {
        header.Reserved[byte] =
            static_cast<std::uint8_t>(HexDigit(digits[2 * byte]) * 16 + HexDigit(digits[2 * byte + 1]));
    }
}

std::int16_t ReadType(const Reader& reader, const json& value, const std::string& place) {
    if (value.is_string()) {
        const std::string& name = value.get_ref<const std::string&>();
        for (int row = 0; row < mosalind::kTileTypeRowCount; ++row) {
            if (name == mosalind::kTileTypeRows[row]) {
                // As choosing the row in the list does: "---" stores 0.
                return mosalind::TileTypeForRow(row, mosalind::kTileTypeRowCount);
            }
        }
        reader.Refuse(place, "no tile type is named " + Describe(value));
    }
    if (!value.is_number()) {
        reader.Refuse(place, "must be a tile type's name or a number from 0 to 255, not " + Describe(value));
    }
    return static_cast<std::int16_t>(reader.WholeNumber(value, place, 0, 255));
}

std::int16_t ReadSide(const Reader& reader, const json& value, const std::string& place) {
    reader.Object(value, place);
    reader.OnlyFields(value, place, {kBlockingField, kSlopeField, kBitsField});
    const auto blocking = static_cast<int>(
        reader.WholeNumber(reader.Field(value, place, kBlockingField), At(place, kBlockingField), 0, 3));
    const bool hasSlope = value.contains(kSlopeField);
    const bool hasBits = value.contains(kBitsField);
    if (hasSlope && hasBits) {
        reader.Refuse(place, "gives both \"slope\" and \"bits\"; \"bits\" is for slope bits no slope says");
    }
    int slopeBits = 0;
    if (hasBits) {
        const std::string bitsPlace = At(place, kBitsField);
        slopeBits = static_cast<int>(reader.WholeNumber(value[kBitsField], bitsPlace, 0, kSlopeBitsMask));
        if ((slopeBits & ~kSlopeBitsMask) != 0) {
            reader.Refuse(bitsPlace,
                          "holds bits 2-7 of the side word, a multiple of 4, not " + std::to_string(slopeBits));
        }
    }
    if (hasSlope) {
        const std::string slopePlace = At(place, kSlopeField);
        const json& levels = reader.List(value[kSlopeField], slopePlace, 2);
        const auto left = static_cast<int>(
            reader.WholeNumber(levels[0], At(slopePlace, std::size_t{0}), 0, mosalind::kLowestSlopeLevel));
        const auto right = static_cast<int>(
            reader.WholeNumber(levels[1], At(slopePlace, std::size_t{1}), 0, mosalind::kLowestSlopeLevel));
        const std::optional<std::uint8_t> encoded = mosalind::EncodeSlope(left, right);
        if (!encoded) {
            reader.Refuse(slopePlace, "levels " + std::to_string(left) + " and " + std::to_string(right) +
                                          " make no slope (they must differ by 1, 2 or 4)");
        }
        slopeBits = *encoded;
    }
    return static_cast<std::int16_t>(blocking | slopeBits);
}

void ReadTile(const Reader& reader, const json& value, std::size_t index, JsonTileSet& result) {
    const std::string place = At(kTilesField, index);
    const int tile = static_cast<int>(index);
    const int frames = result.Document.Header.FrameCount;
    reader.Object(value, place);
    reader.OnlyFields(
        value, place,
        {kTypeField, kSideFields[0], kSideFields[1], kSideFields[2], kSideFields[3], kFramesField, kFrameValuesField});
    result.Document.TileAttributes[0][tile] =
        ReadType(reader, reader.Field(value, place, kTypeField), At(place, kTypeField));
    for (int side = 0; side < 4; ++side) {
        result.Document.TileAttributes[side + 1][tile] =
            ReadSide(reader, reader.Field(value, place, kSideFields[side]), At(place, kSideFields[side]));
    }

    const std::string framesPlace = At(place, kFramesField);
    const json& cells = reader.List(reader.Field(value, place, kFramesField), framesPlace, frames);
    for (int frame = 0; frame < frames; ++frame) {
        const auto cell = static_cast<std::int16_t>(reader.WholeNumber(
            cells[frame], At(framesPlace, frame), mosalind::kLowestSavableCell, mosalind::kHighestSavableCell));
        result.Document.TileFrames[frame][tile] = cell;
        result.StoredFrames[frame][tile] = static_cast<std::int16_t>(cell * mosalind::kFrameValueScale);
    }
    if (!value.contains(kFrameValuesField)) {
        return;
    }
    const std::string storedPlace = At(place, kFrameValuesField);
    const json& stored = reader.List(value[kFrameValuesField], storedPlace, frames);
    for (int frame = 0; frame < frames; ++frame) {
        const std::string framePlace = At(storedPlace, frame);
        const auto number =
            static_cast<std::int16_t>(reader.WholeNumber(stored[frame], framePlace, INT16_MIN, INT16_MAX));
        const int cell = number / mosalind::kFrameValueScale;
        if (cell != result.Document.TileFrames[frame][tile]) {
            reader.Refuse(framePlace, std::to_string(number) + " lies in cell " + std::to_string(cell) +
                                          ", but frames[" + std::to_string(frame) + "] is " +
                                          std::to_string(result.Document.TileFrames[frame][tile]));
        }
        result.StoredFrames[frame][tile] = number;
    }
}

}  // namespace

JsonTileSet TileSetFromJson(const std::string& text, const std::string& name) {
    const Reader reader(name);
    json document;
    try {
        document = json::parse(text);
    } catch (const json::exception& error) {
        // "[json.exception.parse_error.101] parse error at line 1, column 2: what", or a
        // number too large for any value ("[json.exception.out_of_range.406] number
        // overflow parsing '1E999'"): the place and the reason, without the library's prefix.
        std::string message = error.what();
        const std::string::size_type prefixEnd = message.find("] ");
        if (prefixEnd != std::string::npos) {
            message = message.substr(prefixEnd + 2);
        }
        const std::string parseError = "parse error at ";
        if (message.rfind(parseError, 0) == 0) {
            message = message.substr(parseError.size());
        }
        constexpr std::size_t kLongest = 200;
        if (message.size() > kLongest) {
            message = message.substr(0, kLongest) + "...";
        }
        throw RefusedError(name + ": " + message);
    }

    const std::string top = "the document";
    reader.Object(document, top);
    reader.OnlyFields(document, top, {kFormatField, kVersionField, kFrameCountField, kHeaderField, kTilesField});
    const json& format = reader.Field(document, top, kFormatField);
    if (format != kFormatName) {
        reader.Refuse(kFormatField, std::string("must be \"") + kFormatName + "\", not " + Describe(format));
    }
    reader.WholeNumber(reader.Field(document, top, kVersionField), kVersionField, kFormatVersion, kFormatVersion);

    JsonTileSet result;
    result.HasHeader = document.contains(kHeaderField);
    // A set without header is made as New makes it, with 4 or 8 frames.
    const json& frameCount = reader.Field(document, top, kFrameCountField);
    const auto frames =
        static_cast<std::int16_t>(reader.WholeNumber(frameCount, kFrameCountField, 1, mosalind::kMaxFrames));
    if (!result.HasHeader && frames != 4 && frames != 8) {
        reader.Refuse(kFrameCountField, "must be 4 or 8 in a set without \"header\", not " + std::to_string(frames));
    }
    result.Document.Header.FrameCount = frames;
    if (result.HasHeader) {
        ReadHeader(reader, document[kHeaderField], result.Document.Header);
    }

    const json& tiles = reader.Field(document, top, kTilesField);
    if (!tiles.is_array()) {
        reader.Refuse(kTilesField, "must be a list of tiles, not " + Describe(tiles));
    }
    if (tiles.empty() || tiles.size() > static_cast<std::size_t>(mosalind::kMaxTiles)) {
        reader.Refuse(kTilesField, "holds " + std::to_string(tiles.size()) + " tiles; a tile set holds 1 to " +
                                       std::to_string(mosalind::kMaxTiles));
    }
    result.Document.Header.TileCount = static_cast<std::int16_t>(tiles.size());
    for (std::size_t tile = 0; tile < tiles.size(); ++tile) {
        ReadTile(reader, tiles[tile], tile, result);
    }
    return result;
}

}  // namespace tlstool
