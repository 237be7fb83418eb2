#pragma once

#include <array>
#include <cstdint>

#include "document/tile_collision.h"

namespace mosalind {

// The tile type list holds 29 numbered rows ("Nothing" to "Single Bullet"), the row "---"
// and, counted from the end of the list, "Masked" and "Foreground".
constexpr int kLastNumberedTileType = 28;
constexpr std::int16_t kMaskedTileType = 254;
constexpr std::int16_t kForegroundTileType = 255;

// The list's rows, spelling included, as the game's designers know them.
constexpr int kTileTypeRowCount = 32;
constexpr std::array<const char*, kTileTypeRowCount> kTileTypeRows = {
    "Nothing",    "Kills",       "Door 1",      "Door 2",   "Door 3",        "Door 4",  "500 Points", "100 Points",
    "200 Points", "1000 Points", "5000 Points", "Joystick", "Battery",       "Vaccuum", "Whiskey",    "Raygun",
    "Pogo",       "Exit",        "Key 1",       "Key 2",    "Key 3",         "Key 4",   "Message",    "Light Switch",
    "Teleporter", "Switch On",   "Switch Off",  "Ankh",     "Single Bullet", "---",     "Masked",     "Foreground"};

// Whether a stored tile type has a row of its own (0 to 28, 254, 255).
bool IsListedTileType(std::int16_t tileType);

// The tile type stored for a chosen row: the row number for rows 0 to 28, 254 and 255 for
// the last but one and the last row, 0 for "---" and for no selection (-1).
std::int16_t TileTypeForRow(int row, int rowCount);

// The row that shows a stored tile type; a value the list has no row for shows row 0.
int RowForTileType(std::int16_t tileType, int rowCount);

// The blocking kind of a chosen blocking row: the row itself, or 0 when the list reports
// no selection or a row above 3.
int BlockingKindForRow(int row);

// The blocking row that shows a side word.
int BlockingRowForSideWord(std::int16_t sideWord);

}  // namespace mosalind
