// The commands of tlstool, each a whole run on its files. Each throws RefusedError with one
// line naming the file, the place and what is wrong, and then has written nothing; a file a
// command reads is never one it writes (but refresh's set, replaced in place). A
// command that writes returns the warnings of a finished run, one line each, "warning:
// file: place: what": what it wrote as asked but the game or the map editor cannot show.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tlstool {

// The set's text form.
std::string ExportTileSet(const std::string& setPath);

// Gives the file `outPath` the set's text form, replacing it whole or not at all.
void ExportTileSetTo(const std::string& setPath, const std::string& outPath);

// Writes the map editor's tileset of the set on the sheet (see TileSetToTsx) to `tsxPath`,
// whose name ends in .tsx, and the sheet as an indexed PNG beside it (the same name ending
// in .png): both or neither. Warns of the tiles past the sheet's cells and of frames that
// show a cell the sheet lacks, which the tileset leaves out.
std::vector<std::string> ExportTileSetTsx(const std::string& setPath, const std::string& sheetPath,
                                          const std::string& tsxPath);

// Writes the set the text form describes with the planes cut from the sheet: the bytes the
// editor's Save writes for that document and sheet. A text without "header" gets the header
// New makes for that sheet. Warns of frames that show a cell the sheet lacks.
std::vector<std::string> ImportTileSet(const std::string& jsonPath, const std::string& sheetPath,
                                       const std::string& outPath);

// Writes the set with the planes cut from the sheet: the bytes the editor writes after Load
// Tiles (the sheet), Open (the set), Save. `outPath` may be `setPath`; the file is replaced
// whole or not at all. Warns of frames that show a cell the sheet lacks.
std::vector<std::string> RefreshTileSet(const std::string& setPath, const std::string& sheetPath,
                                        const std::string& outPath);

// The lines of CheckTileSet for the file, against the sheet when one is given.
std::vector<std::string> CheckTileSetFile(const std::string& setPath, const std::optional<std::string>& sheetPath);

// The whole of the file at `path`, a regular file of at most `mostBytes` (the longest file of
// its `kind`, as "tile set file"). Throws RefusedError.
std::string ReadWholeFile(const std::string& path, std::uint64_t mostBytes, const char* kind);

// A file the command reads is never the one it writes (a sheet named as the tileset's
// picture, a text form given as -o): refused before anything is read or written, naming
// `what` the input is ("sheet").
void RefuseWritingOver(const std::string& outPath, const std::string& inputPath, const char* what);

// Gives the file `path` the text, replacing it whole or not at all.
void WriteTextFile(const std::string& path, const std::string& text);

}  // namespace tlstool
