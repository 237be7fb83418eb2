#pragma once

#include <cstdint>
#include <string>

#include "document/tile_set.h"

namespace mosalind {

// Reads a number from the start of a text the way the tile count box is read: blanks,
// tabs and line feeds skipped anywhere, optional sign, decimal digits with an optional
// decimal point and exponent, or &H hexadecimal / &O octal, whose digits are a 16-bit
// or 32-bit pattern (&HFFFF is -1); reading stops at the first character that cannot
// belong to the number; 0 when the text starts with none. The value is rounded to the
// nearest integer, halves to even. Throws RefusedError when it does not fit a signed
// 16-bit value.
std::int16_t ReadTileCountText(const std::string& text);

// Fills a new tile set: FrameCount, PlaneSize from the bitmap's pixel size, the offsets,
// all attributes of the tiles in use 0, and every frame of tile t on cell t, wrapping
// after the bitmap's last cell. Throws RefusedError, leaving `tileSet` unchanged, for a
// tile count outside 1 to 1201, a frame count other than 4 or 8, a bitmap without a whole
// row of cells, or a plane size that does not fit 16 bits.
void FillNewTileSet(TileSet& tileSet, std::int16_t tileCount, std::int16_t frameCount,
                    std::int32_t bitmapWidth, std::int32_t bitmapHeight);

}  // namespace mosalind
