#pragma once

#include "spacer_layout.h"

#include <string>
#include <string_view>

namespace spacergen {

// The text pieces of spacer.dat. Every NOP value is written as 144 (0x90).
inline constexpr std::string_view kHeaderStart = "void XSPACER0x";
inline constexpr std::string_view kHeaderEnd = "__(void) { \n";
inline constexpr std::string_view kEndFirst = "return; \n }\n\n";
inline constexpr std::string_view kEndBlock = "return; \n } \n\n";

// "asm db 144, 144, ... 144 \n" holding `count` values (count >= 1).
std::string NopLine(int count);

// The first function: named with A in lower-case hexadecimal, holding the layout's first
// NOP bytes (none when that count is zero or negative) in lines of 32 and then lines of 1.
std::string FirstFunction(const SpacerLayout& layout);

// Everything after a block function's header: 127 lines of 32 NOPs, one of 27, the end.
std::string BlockBody();

}  // namespace spacergen
