// OMF object files: records of a type byte, a 2-byte length and a body whose last byte is
// the checksum (all bytes of a valid record sum to 0 modulo 256; 0 means "not computed").
// LNAMES (0x96) bodies are length-prefixed names; a 16-bit SEGDEF (0x98) body is ACBP,
// segment length (2 bytes), then the segment, class and overlay name indices.
#include <string>

#include "seed_files.h"

namespace fuzzing {

namespace {

Bytes Record(std::uint8_t type, const Bytes& fields, bool checksummed = true) {
    Bytes record{type, 0, 0};
    PutLE16(record, 1, static_cast<std::uint32_t>(fields.size() + 1));
    record.insert(record.end(), fields.begin(), fields.end());
    unsigned sum = 0;
    for (const std::uint8_t byte : record) {
        sum += byte;
    }
    record.push_back(checksummed ? static_cast<std::uint8_t>((256 - sum % 256) % 256) : 0);
    return record;
}

Bytes Lnames(const std::vector<std::string>& names) {
    Bytes fields;
    for (const std::string& name : names) {
        fields.push_back(static_cast<std::uint8_t>(name.size()));
        fields.insert(fields.end(), name.begin(), name.end());
    }
    return Record(0x96, fields);
}

// Name indices below 128 take one byte, others two: 0x80 | high, low.
void AppendIndex(Bytes& fields, unsigned index) {
    if (index < 0x80) {
        fields.push_back(static_cast<std::uint8_t>(index));
    } else {
        fields.push_back(static_cast<std::uint8_t>(0x80 | (index >> 8)));
        fields.push_back(static_cast<std::uint8_t>(index & 0xFF));
    }
}

Bytes Segdef(std::uint8_t acbp, unsigned nameIndex, bool checksummed = true, std::uint8_t type = 0x98) {
    Bytes fields{acbp, 0x34, 0x12};
    AppendIndex(fields, nameIndex);
    fields.push_back(1);  // class name index
    fields.push_back(1);  // overlay name index
    return Record(type, fields, checksummed);
}

Bytes Join(std::initializer_list<Bytes> records) {
    Bytes file;
    for (const Bytes& record : records) {
        file.insert(file.end(), record.begin(), record.end());
    }
    return file;
}

const Bytes kHeader = Record(0x80, {5, 'v', 'o', 'r', 'n', 'c'});  // THEADR
const Bytes kEnd = Record(0x8A, {0x00});                           // MODEND

}  // namespace

void WriteSegmendSeeds(const std::filesystem::path& folder) {
    WriteSeed(folder, "word-aligned-public", Join({kHeader, Lnames({"", "DATA", "CSEG"}), Segdef(0x48, 3), kEnd}));
    WriteSeed(folder, "checksum-not-computed", Join({Lnames({"CSEG_TEXT"}), Segdef(0x68, 1, false)}));
    WriteSeed(folder, "already-common", Join({Lnames({"CSEG"}), Segdef(0x79, 1)}));
    WriteSeed(folder, "names-across-records",
              Join({Lnames({"A", "B"}), Lnames({"CODE", "CSEG2", "CSEG"}), Segdef(0x28, 3), Segdef(0x28, 4)}));

    std::vector<std::string> many;
    for (int i = 0; i < 200; ++i) {
        many.push_back("N" + std::to_string(i));
    }
    many.push_back("CSEG");
    WriteSeed(folder, "two-byte-index", Join({Lnames(many), Segdef(0x60, 1), Segdef(0x60, 201)}));

    // Left alone: an absolute segment (alignment 0: frame and offset instead of names), a
    // 32-bit definition; the 16-bit one after them is patched.
    Bytes absolute = Record(0x98, {0x00, 0x00, 0xB8, 0x00, 0x00, 0x10, 0x00, 0x03});
    WriteSeed(folder, "absolute-and-32-bit-first",
              Join({Lnames({"CSEG"}), absolute, Segdef(0x48, 1, true, 0x99), Segdef(0x48, 1)}));

    WriteSeed(folder, "no-segment-name", Join({kHeader, Lnames({"", "CODE", "DATA"}), Segdef(0x48, 2), kEnd}));

    Bytes cut = Join({Lnames({"CSEG"}), Segdef(0x48, 1)});
    cut.resize(cut.size() - 2);
    WriteSeed(folder, "last-record-cut-short", cut);

    // A body over 4,096 bytes is passed over unread, so its CSEG name does not count.
    std::vector<std::string> longNames(20, std::string(250, 'x'));
    longNames.push_back("CSEG");
    WriteSeed(folder, "long-record-passed-over",
              Join({Lnames(longNames), Lnames({"CSEG"}), Segdef(0x48, 21), Segdef(0x48, 22)}));
}

}  // namespace fuzzing
