#include "tile_set_tsx.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "editing/slope_codec.h"
#include "editing/tile_type_list.h"
#include "graphics/tile_graphics.h"
#include "tile_set_json_fields.h"

namespace tlstool {

namespace {

std::string XmlText(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&apos;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string Attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + XmlText(value) + "\"";
}

std::string Attribute(const char* name, long long value) {
    return Attribute(name, std::to_string(value));
}

// A polyline from (x1, y1) to (x2, y2) in the tile's pixels, 16 x 16, y down.
struct Line {
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
};

constexpr int kSize = mosalind::kCellSize;
// Along the top, right, bottom and left edges.
constexpr Line kEdges[4] = {{0, 0, kSize, 0}, {kSize, 0, kSize, kSize}, {0, kSize, kSize, kSize}, {0, 0, 0, kSize}};

// A slope's line runs from the left edge to the right edge, level 0 on the top row and each
// level a quarter of the tile lower, as the large tile draws it.
Line SlopeLine(const mosalind::SlopeLevels& levels) {
    constexpr int kLevelPixels = kSize / mosalind::kLowestSlopeLevel;
    return {0, levels.Left * kLevelPixels, kSize, levels.Right * kLevelPixels};
}

void AppendObject(std::string& text, int id, const std::string& name, int kind, const Line& line) {
    text +=
        "   <object" + Attribute("id", id) + Attribute("name", name) + Attribute("type", kind) + " x=\"0\" y=\"0\">\n";
    text += "    <polyline points=\"" + std::to_string(line.X1) + "," + std::to_string(line.Y1) + " " +
            std::to_string(line.X2) + "," + std::to_string(line.Y2) + "\"/>\n";
    text += "   </object>\n";
}

struct Property {
    std::string Name;
    std::string Value;
    bool IsInt = true;
};

// The most a tile's element takes: a type, 13 properties, 8 objects and 8 frames.
constexpr std::size_t kLongestTileElement = 2048;

// Appends the tile's element, unless it has nothing to say.
void AppendTile(std::string& out, const mosalind::TileSet& tileSet, int tile, int cells) {
    const std::int16_t type = tileSet.TileAttributes[0][tile];
    std::vector<Property> properties;
    if (type != 0) {
        properties.push_back({"type_value", std::to_string(type)});
    }
    std::string objects;
    int objectCount = 0;
    for (int side = 0; side < 4; ++side) {
        const std::int16_t word = tileSet.TileAttributes[side + 1][tile];
        const int kind = word & 3;
        if (kind != 0) {
            properties.push_back({std::string("blocking_") + kSideFields[side], std::to_string(kind)});
            AppendObject(objects, ++objectCount, kSideFields[side], kind, kEdges[side]);
        }
    }
    for (int side = 0; side < 4; ++side) {
        const std::int16_t word = tileSet.TileAttributes[side + 1][tile];
        if (const std::optional<mosalind::SlopeLevels> slope = mosalind::ReadableSlope(word)) {
            const std::string name = std::string("slope_") + kSideFields[side];
            properties.push_back({name, std::to_string(slope->Left) + "," + std::to_string(slope->Right), false});
            AppendObject(objects, ++objectCount, name, word & 3, SlopeLine(*slope));
        }
    }
    for (int side = 0; side < 4; ++side) {
        const std::int16_t word = tileSet.TileAttributes[side + 1][tile];
        if ((word & kSlopeBitsMask) != 0 && !mosalind::ReadableSlope(word)) {
            properties.push_back({std::string("bits_") + kSideFields[side], std::to_string(word & kSlopeBitsMask)});
        }
    }

    bool animated = false;
    std::string frames;
    for (int frame = 0; frame < tileSet.Header.FrameCount; ++frame) {
        const int cell = tileSet.TileFrames[frame][tile];
        if (cell >= 0 && cell < cells) {
            animated = animated || cell != tile;
            frames += "   <frame" + Attribute("tileid", cell) + Attribute("duration", kFrameMilliseconds) + "/>\n";
        }
    }

    if (properties.empty() && objects.empty() && !animated) {
        return;
    }
    std::string text = " <tile" + Attribute("id", tile);
    if (type != 0 && mosalind::IsListedTileType(type)) {
        text += Attribute("type", mosalind::kTileTypeRows[mosalind::RowForTileType(type, mosalind::kTileTypeRowCount)]);
    }
    text += ">\n";
    if (!properties.empty()) {
        text += "  <properties>\n";
        for (const Property& property : properties) {
            text += "   <property" + Attribute("name", property.Name) +
                    (property.IsInt ? std::string(" type=\"int\"") : std::string()) +
                    Attribute("value", property.Value) + "/>\n";
        }
        text += "  </properties>\n";
    }
    if (!objects.empty()) {
        text += "  <objectgroup draworder=\"index\">\n" + objects + "  </objectgroup>\n";
    }
    if (animated) {
        text += "  <animation>\n" + frames + "  </animation>\n";
    }
    text += " </tile>\n";
    out += text;
}

}  // namespace

std::string TileSetToTsx(const mosalind::TileSet& tileSet, const TsxSheet& sheet) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    text += "<tileset" + Attribute("name", sheet.Name) + Attribute("tilewidth", kSize) +
            Attribute("tileheight", kSize) + Attribute("tilecount", sheet.Cells) +
            Attribute("columns", mosalind::kCellsPerRow) + ">\n";
    text += " <image" + Attribute("source", sheet.ImageSource) + Attribute("width", mosalind::kCellsPerRow * kSize) +
            Attribute("height", sheet.Height) + "/>\n";
    const int tiles = std::min<int>(tileSet.Header.TileCount, sheet.Cells);
    // Room for every tile at once: a text grown piece by piece is copied over and over.
    text.reserve(text.size() + static_cast<std::size_t>(std::max(tiles, 0)) * kLongestTileElement + 16);
    for (int tile = 0; tile < tiles; ++tile) {
        AppendTile(text, tileSet, tile, sheet.Cells);
    }
    text += "</tileset>\n";
    return text;
}

}  // namespace tlstool
