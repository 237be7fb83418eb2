#include "tile_set_tsx.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "document/tile_collision.h"
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

// Objects are polylines in the tile's pixels, 16 x 16, y down.
constexpr int kSize = mosalind::kCellSize;
static_assert(kSize == mosalind::kTileEdge);
// Along the top, right, bottom and left edges.
constexpr mosalind::TileLine kEdges[4] = {
    {0, 0, kSize, 0}, {kSize, 0, kSize, kSize}, {0, kSize, kSize, kSize}, {0, 0, 0, kSize}};

void AppendObject(std::string& text, int id, const std::string& name, int kind, const mosalind::TileLine& line) {
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
    const mosalind::TileCollision collision = mosalind::ReadTileCollision(tileSet, tile);
    for (int side = 0; side < mosalind::kTileSides; ++side) {
        const int kind = collision.Sides[side].Blocking;
        if (kind != 0) {
            properties.push_back({std::string("blocking_") + kSideFields[side], std::to_string(kind)});
            AppendObject(objects, ++objectCount, kSideFields[side], kind, kEdges[side]);
        }
    }
    for (int side = 0; side < mosalind::kTileSides; ++side) {
        const mosalind::SideCollision& sideCollision = collision.Sides[side];
        if (const std::optional<mosalind::SlopeLevels>& slope = sideCollision.Slope) {
            const std::string name = std::string("slope_") + kSideFields[side];
            properties.push_back({name, std::to_string(slope->Left) + "," + std::to_string(slope->Right), false});
            AppendObject(objects, ++objectCount, name, sideCollision.Blocking, sideCollision.SlopeLine());
        }
    }
    for (int side = 0; side < mosalind::kTileSides; ++side) {
        if (const int bits = collision.Sides[side].UnreadableSlopeBits(); bits != 0) {
            properties.push_back({std::string("bits_") + kSideFields[side], std::to_string(bits)});
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
