#pragma once

#include <QImage>
#include <array>
#include <cstdint>

namespace mosalind {

// The attribute overlay's marks of a tile type and four side words (top, right, bottom,
// left), 16 x 16 pixels on transparent, as the tile sheet shows them under F2.
const QImage& AttributeMarksPicture(std::int16_t tileType, const std::array<std::int16_t, 4>& sideWords);

}  // namespace mosalind
