#pragma once

#include <QImage>

#include "document/tile_set.h"

namespace mosalind {

// The attribute overlay's marks of `tile` (below kMaxTiles), 16 x 16 pixels on transparent,
// as the tile sheet shows them under F2.
const QImage& AttributeMarksPicture(const TileSet& set, int tile);

}  // namespace mosalind
