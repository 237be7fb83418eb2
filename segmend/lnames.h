#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace segmend {

// Highest name index an OMF index field can hold (two-byte form).
inline constexpr std::uint32_t kHighestNameIndex = 0x7FFF;

// What one LNAMES record contributes to the name numbering.
struct LnamesScan {
    std::uint32_t NamesCounted = 0;
    // Position within the record (0 = its first name) of the first name that begins
    // with "CSEG".
    std::optional<std::uint32_t> FirstSegmentName;
};

// Walks the names of an LNAMES body (the checksum byte in its last place is not a name).
// A name whose length runs past the body is malformed: neither compared nor counted, and
// the walk stops there.
LnamesScan ScanLnames(std::span<const std::uint8_t> body);

// Numbers names across all LNAMES records of a file, from 1 in file order.
class NameNumbering {
public:
    // Counts the record's names; returns the index of its first "CSEG" name, if any.
    std::optional<std::uint32_t> AddRecord(std::span<const std::uint8_t> body);

private:
    // Stays at kHighestNameIndex + 1 once past it: such names cannot be referred to.
    std::uint32_t nextIndex_ = 1;
};

}  // namespace segmend
