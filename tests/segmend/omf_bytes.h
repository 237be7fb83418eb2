#pragma once
// Builds OMF records for the tests, independently of the code under test.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <numeric>
#include <string>
#include <vector>

namespace omf_test {

using Bytes = std::vector<std::uint8_t>;

enum class Checksum { Valid, Zero };

// A record from its type and its complete body (checksum byte included, as given).
inline Bytes RawRecord(std::uint8_t type, const Bytes& body) {
    Bytes out(3 + body.size());
    out[0] = type;
    out[1] = static_cast<std::uint8_t>(body.size() & 0xFF);
    out[2] = static_cast<std::uint8_t>(body.size() >> 8);
    std::copy(body.begin(), body.end(), out.begin() + 3);
    return out;
}

// A record whose checksum byte makes all its bytes sum to 0 modulo 256 (or is 0).
inline Bytes Record(std::uint8_t type, Bytes fields, Checksum checksum = Checksum::Valid) {
    const std::size_t length = fields.size() + 1;
    const unsigned sum = std::accumulate(fields.begin(), fields.end(), 0u) + type + (length & 0xFF) + (length >> 8);
    fields.push_back(checksum == Checksum::Valid ? static_cast<std::uint8_t>(0x100 - (sum & 0xFF)) : 0);
    return RawRecord(type, fields);
}

inline bool ChecksumValid(const Bytes& rec) {
    return (std::accumulate(rec.begin(), rec.end(), 0u) & 0xFF) == 0;
}

inline Bytes NameFields(const std::vector<std::string>& names) {
    Bytes fields;
    for (const std::string& name : names) {
        fields.push_back(static_cast<std::uint8_t>(name.size()));
        fields.insert(fields.end(), name.begin(), name.end());
    }
    return fields;
}

inline Bytes Lnames(const std::vector<std::string>& names, Checksum checksum = Checksum::Valid) {
    return Record(0x96, NameFields(names), checksum);
}

// An OMF index field: one byte below 0x80, else two bytes with the high bit set.
inline Bytes IndexField(unsigned index) {
    if (index < 0x80) {
        return {static_cast<std::uint8_t>(index)};
    }
    return {static_cast<std::uint8_t>(0x80 | (index >> 8)), static_cast<std::uint8_t>(index & 0xFF)};
}

// A relocatable 16-bit segment definition: ACBP, length 0x1234, name, class and overlay indices.
inline Bytes Segdef(std::uint8_t acbp, unsigned nameIndex, Checksum checksum = Checksum::Valid) {
    Bytes fields{acbp, 0x34, 0x12};
    const Bytes index = IndexField(nameIndex);
    fields.insert(fields.end(), index.begin(), index.end());
    fields.push_back(1);
    fields.push_back(1);
    return Record(0x98, fields, checksum);
}

// A data record of `size` body bytes (checksum included) holding no names.
inline Bytes Ledata(std::size_t size, std::uint8_t fill = 0x5A) {
    return Record(0xA0, Bytes(size - 1, fill));
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

// `count` distinct names that never begin with "CSEG".
inline std::vector<std::string> FillerNames(std::size_t count) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < count; ++i) {
        std::string name(1, 'N');
        name += std::to_string(i);
        names.push_back(name);
    }
    return names;
}

// LNAMES records, at most 200 names each, holding fillers and `CSEG` at index `cseg`.
inline Bytes NamesWithSegmentAt(std::size_t cseg) {
    std::vector<std::string> all = FillerNames(cseg - 1);
    all.push_back("CSEG");
    Bytes out;
    for (std::size_t i = 0; i < all.size(); i += 200) {
        const auto end = all.begin() + static_cast<std::ptrdiff_t>(std::min(all.size(), i + 200));
        const Bytes rec = Lnames(std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(i), end));
        out.insert(out.end(), rec.begin(), rec.end());
    }
    return out;
}

}  // namespace omf_test
