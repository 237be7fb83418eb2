#include "tile_set_commands.h"

#include <cstdint>

#include "document/byte_file_reader.h"
#include "document/new_tile_set.h"
#include "document/refused_error.h"
#include "document/replace_file.h"
#include "document/tile_set_file.h"
#include "graphics/tile_graphics.h"
#include "graphics/tile_sheet_reader.h"
#include "tile_set_check.h"
#include "tile_set_json.h"

namespace tlstool {

namespace {

std::string ReadWholeFile(const std::string& path) {
    mosalind::ByteFileReader file(path);
    std::string text;
    constexpr std::size_t kPiece = 1 << 16;
    for (;;) {
        const std::size_t had = text.size();
        text.resize(had + kPiece);
        const std::size_t got = file.Read(reinterpret_cast<std::uint8_t*>(text.data()) + had, kPiece);
        text.resize(had + got);
        if (got < kPiece) {
            return text;
        }
    }
}

// The cells of a sheet, as Load Tiles cuts them.
mosalind::TileGraphics CutSheet(const std::string& sheetPath, std::int32_t& width, std::int32_t& height) {
    const mosalind::Bitmap bitmap = mosalind::ReadTileSheet(sheetPath);
    width = bitmap.InfoHeader.Width;
    height = bitmap.InfoHeader.Height;
    return mosalind::CutTiles(bitmap);
}

}  // namespace

std::string ExportTileSet(const std::string& setPath) {
    const mosalind::TileSetFileContents contents = mosalind::ReadTileSetContents(setPath);
    return TileSetToJson(contents.Document, contents.StoredFrames);
}

void ImportTileSet(const std::string& jsonPath, const std::string& sheetPath, const std::string& outPath) {
    JsonTileSet set = TileSetFromJson(ReadWholeFile(jsonPath), jsonPath);
    std::int32_t width = 0;
    std::int32_t height = 0;
    const mosalind::TileGraphics graphics = CutSheet(sheetPath, width, height);
    if (!set.HasHeader) {
        // New's header for this sheet; its attributes and frames are not wanted.
        mosalind::TileSet made;
        try {
            mosalind::FillNewTileSet(made, set.Document.Header.TileCount, set.Document.Header.FrameCount, width,
                                     height);
        } catch (const mosalind::RefusedError& refusal) {
            throw mosalind::RefusedError(jsonPath + ": header: a set without one gets New's header for " + sheetPath +
                                         ", which refuses: " + refusal.what());
        }
        set.Document.Header = made.Header;
    }
    mosalind::WriteTileSetStored(outPath, set.Document, set.StoredFrames, graphics);
}

void RefreshTileSet(const std::string& setPath, const std::string& sheetPath, const std::string& outPath) {
    std::int32_t width = 0;
    std::int32_t height = 0;
    const mosalind::TileGraphics graphics = CutSheet(sheetPath, width, height);
    const mosalind::TileSet document = mosalind::ReadTileSet(setPath, mosalind::TileSet{});
    mosalind::WriteTileSet(outPath, document, graphics);
}

std::vector<std::string> CheckTileSetFile(const std::string& setPath, const std::optional<std::string>& sheetPath) {
    const mosalind::TileSetFileContents contents = mosalind::ReadTileSetContents(setPath);
    if (!sheetPath) {
        return CheckTileSet(contents, setPath, nullptr);
    }
    std::int32_t width = 0;
    std::int32_t height = 0;
    const mosalind::TileGraphics graphics = CutSheet(*sheetPath, width, height);
    return CheckTileSet(contents, setPath, &graphics);
}

void WriteTextFile(const std::string& path, const std::string& text) {
    mosalind::ReplaceFileContents(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

}  // namespace tlstool
