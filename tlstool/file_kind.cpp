#include "file_kind.h"

#include <cstdint>
#include <cstring>

#include "base/byte_file_reader.h"
#include "base/little_endian.h"
#include "base/refused_error.h"
#include "document/tile_set_file_layout.h"

namespace tlstool {

namespace {

constexpr std::uint8_t kPngStart[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// A sheet is told by its format's first bytes: "BM", or PNG's eight.
void RefuseIfSheetHead(const std::uint8_t* head, std::size_t got, const std::string& name, const char* notWhat) {
    const char* format = nullptr;
    if (got >= 2 && head[0] == 'B' && head[1] == 'M') {
        format = "BMP";
    } else if (got >= sizeof kPngStart && std::memcmp(head, kPngStart, sizeof kPngStart) == 0) {
        format = "PNG";
    }
    if (format != nullptr) {
        throw mosalind::RefusedError(name + " is a tile sheet (" + format + "), not " + notWhat +
                                     "; it goes after --sheet");
    }
}

}  // namespace

void RefuseIfOtherKind(const std::string& path) {
    std::uint8_t head[256];
    std::size_t got = 0;
    try {
        mosalind::ByteFileReader file(path);
        got = file.Read(head, sizeof head);
    } catch (const mosalind::RefusedError&) {
        return;  // the reader's own refusal says why
    }
    RefuseIfSheetHead(head, got, path, "a tile set file (.tls)");
    std::size_t at = 0;
    if (got >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) {
        at = 3;  // a byte order mark some editors put before the text
    }
    while (at < got && (head[at] == ' ' || head[at] == '\t' || head[at] == '\n' || head[at] == '\r')) {
        ++at;
    }
    if (at < got && head[at] == '{') {
        throw mosalind::RefusedError(path +
                                     " is a tile set's text form (JSON), not a tile set file (.tls); tlstool import "
                                     "makes the .tls from it");
    }
}

void RefuseIfTileSetFile(const std::string& bytes, const std::string& name) {
    RefuseIfSheetHead(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), name,
                      "a tile set's text form (JSON)");
    if (bytes.size() < static_cast<std::size_t>(mosalind::kHeaderBytes)) {
        return;
    }
    const auto* head = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const std::int16_t tiles = mosalind::LoadLE16(head);
    const std::int16_t frames = mosalind::LoadLE16(head + 2);
    if (tiles < 1 || tiles > mosalind::kMaxTiles || frames < 1 || frames > mosalind::kMaxFrames ||
        static_cast<std::int64_t>(bytes.size()) < mosalind::FrameSectionEnd(tiles, frames)) {
        return;
    }
    throw mosalind::RefusedError(
        name + " is a tile set file (.tls), not a tile set's text form (JSON); tlstool export writes the text form");
}

}  // namespace tlstool
