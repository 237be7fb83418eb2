#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mosalind {

// Gives the file at `path` exactly `bytes` as its contents, or leaves it as it was.
// The bytes go to a new file in the same folder, which is flushed to disk and then
// renamed over `path`; any failure removes that file and throws RefusedError carrying the
// system's reason and `path`. An existing target keeps its permission bits.
void ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace mosalind
