#pragma once

#include <QImage>
#include <QString>
#include <span>

#include "graphics/bitmap_reader.h"
#include "graphics/tile_graphics.h"
#include "graphics/tile_sheet.h"

namespace mosalind {

// A tile sheet just read, for the session (the pixels and cells) and the bitmap view (the
// picture, made from the very palette and pixels that are cut, so that the view shows
// exactly the cells that Save writes).
struct LoadedSheet {
    SharedSheet Sheet;
    QImage Picture;
};

// Reads the tile sheet at `path` (BMP or PNG, told apart by the file's first bytes) and
// cuts it. Throws RefusedError with the message to show: a file that is not a tile sheet,
// cannot be read, or needs more memory than there is.
LoadedSheet ReadLoadedSheet(const QString& path);

// The sheet whose cells were kept as `graphics` (planes) and `palette`, for when its file is
// gone: the planes as they are, and the pixels and picture made from them. Throws
// RefusedError when the planes are not whole rows of cells or memory runs out.
LoadedSheet LoadedSheetFromPlanes(TileGraphics graphics, std::span<const BMPPaletteEntry> palette);

}  // namespace mosalind
