#pragma once

#include <cstdint>
#include <string>

namespace mosalind {

// Reads a number from the start of a text the way the tile count box is read: blanks,
// tabs and line feeds skipped anywhere, optional sign, decimal digits with an optional
// decimal point and exponent, or &H hexadecimal / &O octal, whose digits are a 16-bit
// or 32-bit pattern (&HFFFF is -1); reading stops at the first character that cannot
// belong to the number; 0 when the text starts with none. The value is rounded to the
// nearest integer, halves to even. Throws RefusedError when it does not fit a signed
// 16-bit value.
std::int16_t ReadTileCountText(const std::string& text);

}  // namespace mosalind
