// A file of another kind: the text form (JSON) or a sheet given where a tile set file (.tls)
// is read, or a tile set file or a sheet given where the text form is read. Each is told by
// its first bytes, and only once the reader has refused the file, so every file a reader
// takes is read as before; the refusal then says what the file is and where it belongs.
#pragma once

#include <string>

namespace tlstool {

// Throws RefusedError naming `path` as a sheet when the file starts as a BMP or PNG file
// does, as the text form when it starts, after white space, with '{'; returns when it does
// not or cannot be read.
void RefuseIfOtherKind(const std::string& path);

// Throws RefusedError naming `name` as a sheet as RefuseIfOtherKind does, and as a tile set
// file when `bytes` hold a header with a tile count of 1 to 1201, a frame count of 1 to 8 and
// every section up to the frames: no text can, its second byte alone makes a tile count
// above 1,201.
void RefuseIfTileSetFile(const std::string& bytes, const std::string& name);

}  // namespace tlstool
