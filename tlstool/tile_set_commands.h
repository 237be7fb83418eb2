// The four commands of tlstool, each a whole run on its files. Each throws RefusedError
// with one line naming the file, the place and what is wrong, and then has written nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tlstool {

// The set's text form.
std::string ExportTileSet(const std::string& setPath);

// Writes the set the text form describes with the planes cut from the sheet: the bytes the
// editor's Save writes for that document and sheet. A text without "header" gets the header
// New makes for that sheet.
void ImportTileSet(const std::string& jsonPath, const std::string& sheetPath, const std::string& outPath);

// Writes the set with the planes cut from the sheet: the bytes the editor writes after Load
// Tiles (the sheet), Open (the set), Save. `outPath` may be `setPath`; the file is replaced
// whole or not at all.
void RefreshTileSet(const std::string& setPath, const std::string& sheetPath, const std::string& outPath);

// The lines of CheckTileSet for the file, against the sheet when one is given.
std::vector<std::string> CheckTileSetFile(const std::string& setPath, const std::optional<std::string>& sheetPath);

// Gives the file `path` the text, replacing it whole or not at all.
void WriteTextFile(const std::string& path, const std::string& text);

}  // namespace tlstool
