#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace mosalind {

// Gives the file at `path` exactly `bytes` as its contents, or leaves it as it was.
// The bytes go to a new file in the same folder, which is flushed to disk and then
// renamed over `path`; any failure removes that file and throws RefusedError carrying the
// system's reason and `path`. An existing target keeps its permission bits.
void ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The same, with the contents given as pieces written one after the other, so that a large
// part the caller already holds (the tile set's planes) need not be copied into one buffer.
void ReplaceFileContents(const std::string& path, std::initializer_list<std::span<const std::uint8_t>> pieces);

}  // namespace mosalind
