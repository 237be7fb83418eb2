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
// system's reason and `path`. An existing target keeps its permission bits. A symbolic link
// is followed to its file, and refused when that does not exist. A target that is not a
// regular file is refused (a folder, a FIFO, a socket, a block device), but for a
// character device (a terminal, /dev/null, /dev/stdout), which is written straight through.
void ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The same, with the contents given as pieces written one after the other, so that a large
// part the caller already holds (the tile set's planes) need not be copied into one buffer.
void ReplaceFileContents(const std::string& path, std::initializer_list<std::span<const std::uint8_t>> pieces);

// One file's new contents for ReplaceFilesContents, as pieces written one after the other.
struct FileReplacement {
    std::string Path;
    std::vector<std::span<const std::uint8_t>> Pieces;
};

// Gives several files their contents together (a tileset and its picture): every new file
// is written whole and flushed beside its target before the first of them takes its
// target's place, so a failure in writing any of them (a full disk, a folder that cannot be
// written, a target that is a folder) leaves every target as it was. Only the renames at
// the end, which need no room on the disk, come one after the other; until the last is
// done each target's old contents keep a second name, and a rename that fails puts back
// those done before it. Interrupt and terminate signals wait until the renames are done.
void ReplaceFilesContents(const std::vector<FileReplacement>& files);

}  // namespace mosalind
