#include "tile_set_commands.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <span>

#include "base/byte_file_reader.h"
#include "base/refused_error.h"
#include "base/replace_file.h"
#include "document/new_tile_set.h"
#include "document/tile_set_file.h"
#include "document/tile_set_file_layout.h"
#include "file_kind.h"
#include "graphics/tile_graphics.h"
#include "graphics/tile_sheet_reader.h"
#include "missing_cells.h"
#include "printable_text.h"
#include "sheet_png.h"
#include "tile_set_check.h"
#include "tile_set_json.h"
#include "tile_set_tsx.h"

namespace tlstool {

namespace {

// A tile set file, or the refusal of the text form given in its place.
mosalind::TileSetFileContents ReadSetContents(const std::string& setPath) {
    try {
        return mosalind::ReadTileSetContents(setPath);
    } catch (const mosalind::RefusedError&) {
        RefuseIfOtherKind(setPath);
        throw;
    }
}

mosalind::TileSet ReadSet(const std::string& setPath) {
    try {
        return mosalind::ReadTileSet(setPath, mosalind::TileSet{});
    } catch (const mosalind::RefusedError&) {
        RefuseIfOtherKind(setPath);
        throw;
    }
}

// The cells of a sheet, as Load Tiles cuts them.
mosalind::TileGraphics CutSheet(const std::string& sheetPath, std::int32_t& width, std::int32_t& height) {
    const mosalind::Bitmap bitmap = mosalind::ReadTileSheet(sheetPath);
    width = bitmap.InfoHeader.Width;
    height = bitmap.InfoHeader.Height;
    return mosalind::CutTiles(bitmap);
}

std::string SheetCells(std::int64_t cells) {
    return "the sheet's " + std::to_string(cells) + " cells";
}

// A warning for each of the first `tiles` tiles whose frames show cells the sheet lacks, its
// frames counted from 1; with `tsxPath`, that the tileset's animation leaves them out.
std::vector<std::string> MissingCellWarnings(const mosalind::TileSet& tileSet, const std::string& setPath,
                                             std::int64_t cells, int tiles, const std::string& tsxPath = "") {
    std::vector<std::string> warnings;
    for (int tile = 0; tile < tiles; ++tile) {
        const std::vector<FrameCell> missing = FramesShowingMissingCells(tileSet, tile, cells);
        if (missing.empty()) {
            continue;
        }
        std::string line = "warning: " + setPath + ": tile " + std::to_string(tile) + ": " +
                           DescribeMissingCells(missing, SheetCells(cells));
        if (!tsxPath.empty()) {
            line += "; " + tsxPath + (missing.size() == 1 ? " leaves it" : " leaves them") + " out of the animation";
        }
        warnings.push_back(line);
    }
    return warnings;
}

// The picture beside a tileset: the same name, ending in .png.
std::string PicturePath(const std::string& tsxPath) {
    std::filesystem::path picture = tsxPath;
    const std::string extension = picture.extension().string();
    bool isTsx = extension.size() == 4;
    for (std::size_t i = 0; isTsx && i < 4; ++i) {
        isTsx = std::tolower(static_cast<unsigned char>(extension[i])) == ".tsx"[i];
    }
    if (!isTsx) {
        throw mosalind::RefusedError(tsxPath + ": the map editor reads a tileset from a file whose name ends in .tsx");
    }
    const std::string name = picture.filename().string();
    if (PrintableText(name) != name) {
        throw mosalind::RefusedError(PrintableText(tsxPath) +
                                     ": the tileset names itself and its picture in XML text, which cannot hold "
                                     "this file name's control characters or bytes that are not UTF-8");
    }
    return picture.replace_extension(".png").string();
}

}  // namespace

std::string ReadWholeFile(const std::string& path, std::uint64_t mostBytes, const char* kind) {
    mosalind::ByteFileReader file(path, mostBytes, kind);
    std::string text(static_cast<std::size_t>(file.Size()), '\0');
    // The length it had when opened; a file that grew meanwhile is read no further.
    text.resize(file.Read(reinterpret_cast<std::uint8_t*>(text.data()), text.size()));
    return text;
}

void RefuseWritingOver(const std::string& outPath, const std::string& inputPath, const char* what) {
    std::error_code error;
    if (std::filesystem::equivalent(outPath, inputPath, error)) {
        throw mosalind::RefusedError(outPath + " is the " + what + " this command reads; it is not written over");
    }
}

std::string ExportTileSet(const std::string& setPath) {
    const mosalind::TileSetFileContents contents = ReadSetContents(setPath);
    return TileSetToJson(contents.Document, contents.StoredFrames);
}

void ExportTileSetTo(const std::string& setPath, const std::string& outPath) {
    const std::string text = ExportTileSet(setPath);
    RefuseWritingOver(outPath, setPath, "tile set");
    WriteTextFile(outPath, text);
}

std::vector<std::string> ExportTileSetTsx(const std::string& setPath, const std::string& sheetPath,
                                          const std::string& tsxPath) {
    const std::string picturePath = PicturePath(tsxPath);
    const mosalind::TileSet tileSet = ReadSet(setPath);
    const mosalind::Bitmap sheet = mosalind::ReadTileSheet(sheetPath);
    for (const std::string& written : {tsxPath, picturePath}) {
        RefuseWritingOver(written, setPath, "tile set");
        RefuseWritingOver(written, sheetPath, "sheet");
    }

    TsxSheet shown;
    shown.Name = std::filesystem::path(tsxPath).stem().string();
    shown.ImageSource = std::filesystem::path(picturePath).filename().string();
    shown.Height = sheet.InfoHeader.Height;
    shown.Cells = shown.Height / mosalind::kCellSize * mosalind::kCellsPerRow;
    const std::string tsx = TileSetToTsx(tileSet, shown);
    const std::vector<std::uint8_t> picture = EncodeSheetPng(sheet, picturePath);
    mosalind::ReplaceFilesContents(
        {{picturePath, {std::span<const std::uint8_t>(picture)}},
         {tsxPath, {std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(tsx.data()), tsx.size())}}});

    const int tiles = tileSet.Header.TileCount;
    const int cells = shown.Cells;
    // The tiles past the sheet's cells are left out whole: one line says so for all of them.
    std::vector<std::string> warnings = MissingCellWarnings(tileSet, setPath, cells, std::min(tiles, cells), tsxPath);
    if (tiles > cells) {
        const int past = tiles - cells;
        warnings.push_back("warning: " + setPath + ": " +
                           (past == 1 ? "tile " + std::to_string(cells) + " lies"
                                      : "tiles " + std::to_string(cells) + " to " + std::to_string(tiles - 1) + " (" +
                                            std::to_string(past) + " tiles) lie") +
                           " past " + SheetCells(cells) + "; the map editor has no tile for " +
                           (past == 1 ? "it" : "them") + ", so " + tsxPath + " leaves " + (past == 1 ? "it" : "them") +
                           " out");
    }
    return warnings;
}

std::vector<std::string> ImportTileSet(const std::string& jsonPath, const std::string& sheetPath,
                                       const std::string& outPath) {
    const std::string text = ReadWholeFile(jsonPath, kMostTextFormBytes, "tile set's text form");
    JsonTileSet set;
    try {
        set = TileSetFromJson(text, jsonPath);
    } catch (const mosalind::RefusedError&) {
        RefuseIfTileSetFile(text, jsonPath);
        throw;
    }
    std::int32_t width = 0;
    std::int32_t height = 0;
    const mosalind::TileGraphics graphics = CutSheet(sheetPath, width, height);
    RefuseWritingOver(outPath, jsonPath, "text form");
    RefuseWritingOver(outPath, sheetPath, "sheet");
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

    std::vector<std::string> warnings;
    for (int tile = 0; tile < set.Document.Header.TileCount; ++tile) {
        const std::vector<FrameCell> missing = FramesShowingMissingCells(set.Document, tile, graphics.BMPTileCount);
        if (!missing.empty()) {
            warnings.push_back("warning: " + jsonPath + ": " +
                               DescribeMissingCellsInJson(tile, missing, SheetCells(graphics.BMPTileCount)));
        }
    }
    return warnings;
}

std::vector<std::string> RefreshTileSet(const std::string& setPath, const std::string& sheetPath,
                                        const std::string& outPath) {
    const mosalind::TileSet document = ReadSet(setPath);
    std::int32_t width = 0;
    std::int32_t height = 0;
    const mosalind::TileGraphics graphics = CutSheet(sheetPath, width, height);
    RefuseWritingOver(outPath, sheetPath, "sheet");
    mosalind::WriteTileSet(outPath, document, graphics);
    return MissingCellWarnings(document, setPath, graphics.BMPTileCount, document.Header.TileCount);
}

std::vector<std::string> CheckTileSetFile(const std::string& setPath, const std::optional<std::string>& sheetPath) {
    const mosalind::TileSetFileContents contents = ReadSetContents(setPath);
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
