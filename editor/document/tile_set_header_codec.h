#pragma once

#include <cstdint>

#include "document/tile_set.h"

namespace mosalind {

// Header fields at their file offsets, read and written as one 62-byte unit.
void DecodeHeader(const std::uint8_t* bytes, TileSetHeader& header);
void EncodeHeader(const TileSetHeader& header, std::uint8_t* bytes);

}  // namespace mosalind
