#include <QPainter>
#include <algorithm>
#include <array>
#include <unordered_map>

#include "editing/cell_grid.h"
#include "editing/slope_codec.h"
#include "graphics/attribute_marks.h"
#include "window/frm_main.h"

namespace mosalind {

namespace {

// Selected tiles other than the current one: a blue tint with a blue edge, which neither
// the red frame of the current tile nor the overlay's colours resemble.
const QColor kSelectionTint(40, 110, 255, 110);
const QColor kSelectionEdge(40, 110, 255);

// The overlay's colours: one per blocking kind 1 to 3, the slope line, the type number.
const std::array<QColor, 4> kBlockingColours{QColor(), QColor(255, 230, 0), QColor(0, 230, 255), QColor(255, 60, 255)};
const QColor kSlopeColour(255, 140, 0);
const QColor kNumberInk(255, 255, 255);
const QColor kNumberPaper(0, 0, 0, 190);
constexpr int kBarWidth = 2;

// Digits 0 to 9 of a 3 x 5 pixel font, one row of three bits per entry, top row first.
constexpr std::array<std::array<int, 5>, 10> kDigitRows{{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 3, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 1, 2, 2},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
}};

// The number on its dark ground, drawn once per value and kept: a sheet repaint draws
// up to 1,201 of them.
const QImage& NumberImage(int value) {
    static std::array<QImage, 256> images;
    QImage& image = images[static_cast<std::size_t>(value)];
    if (image.isNull()) {
        const QString digits = QString::number(value);
        image = QImage(static_cast<int>(digits.size()) * 4 + 1, 7, QImage::Format_ARGB32_Premultiplied);
        image.fill(kNumberPaper);
        for (int i = 0; i < digits.size(); ++i) {
            const auto& rows = kDigitRows[static_cast<std::size_t>(digits[i].digitValue())];
            for (int y = 0; y < 5; ++y) {
                for (int x = 0; x < 3; ++x) {
                    if (rows[static_cast<std::size_t>(y)] & (4 >> x)) {
                        image.setPixelColor(1 + i * 4 + x, 1 + y, kNumberInk);
                    }
                }
            }
        }
    }
    return image;
}

void DrawMarks(QPainter& painter, const AttributeMarks& marks, QPoint corner) {
    const int left = corner.x();
    const int top = corner.y();
    const std::array<QRect, 4> bars{
        QRect(left, top, kCellSize, kBarWidth), QRect(left + kCellSize - kBarWidth, top, kBarWidth, kCellSize),
        QRect(left, top + kCellSize - kBarWidth, kCellSize, kBarWidth), QRect(left, top, kBarWidth, kCellSize)};
    for (int side = 0; side < 4; ++side) {
        const int kind = marks.Sides[side].BlockingKind;
        if (kind > 0) {
            painter.fillRect(bars[side], kBlockingColours[kind]);
        }
    }
    for (const AttributeMarks::Side& side : marks.Sides) {
        if (side.Sloped) {
            // Levels 0 to 4 are a quarter of the tile apart, as over the large tile; the last
            // pixel row is level 4.
            const auto row = [top](int level) { return top + LineRowForLevel(std::clamp(level, 0, 4), kCellSize - 1); };
            painter.setPen(kSlopeColour);
            painter.drawLine(left, row(side.SlopeLeft), left + kCellSize - 1, row(side.SlopeRight));
        }
    }
    if (marks.TileType > 0 && marks.TileType < 256) {
        painter.drawImage(QPoint(left + kBarWidth, top + kBarWidth), NumberImage(marks.TileType));
    }
}

// A tile's marks are drawn once for every mix of type and side words the set uses and
// kept, so that a repaint copies one small picture per tile. A set uses few mixes; the
// store is emptied should it ever grow large.
const QImage& MarksImage(const TileSet& tileSet, int tile) {
    static std::unordered_map<std::uint64_t, QImage> images;
    // What the marks depend on: the type when it has a number, and of each side word the
    // slope flag (the word is 128 or more) and bits 0 to 6.
    const std::int16_t tileType = tileSet.TileAttributes[0][tile];
    std::uint64_t key = tileType > 0 && tileType < 256 ? static_cast<std::uint64_t>(tileType) : 0;
    for (int slot = 1; slot < kAttributeSlots; ++slot) {
        const std::int16_t sideWord = tileSet.TileAttributes[slot][tile];
        key = (key << 8) | static_cast<std::uint64_t>((sideWord & 0x7F) | (sideWord >= 128 ? 0x80 : 0));
    }
    const auto found = images.find(key);
    if (found != images.end()) {
        return found->second;
    }
    if (images.size() > 4096) {
        images.clear();
    }
    QImage image(kCellSize, kCellSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawMarks(painter, AttributeMarksOf(tileSet, tile), QPoint(0, 0));
    painter.end();
    return images.emplace(key, std::move(image)).first->second;
}

}  // namespace

void FrmMain::keyAttributes_Activated() {
    if (!SetIsOpen()) {
        return;
    }
    AttributesShown = !AttributesShown;
    picTilesScroller->Refresh();
}

// Drawn over the tiles of the sheet only: the tiles' squares, the document and what Save
// writes stay as they are.
void FrmMain::DrawSheetMarks(QPainter& painter, int firstTile, int endTile) {
    const TileSelection& selection = Session.Selection();
    const bool severalSelected = selection.Count() > 1 || !selection.Contains(CurrentTile());
    if (!severalSelected && !AttributesShown) {
        return;
    }
    painter.save();
    for (int tile = firstTile; tile < endTile; ++tile) {
        const CellOrigin origin = CellOriginOf(static_cast<std::int16_t>(tile));
        const QPoint corner(origin.Left, origin.Top);
        if (severalSelected && tile != CurrentTile() && selection.Contains(tile)) {
            painter.fillRect(QRect(corner, QSize(kCellSize, kCellSize)), kSelectionTint);
            painter.setPen(kSelectionEdge);
            painter.drawRect(QRect(corner, QSize(kCellSize - 1, kCellSize - 1)));
        }
        if (AttributesShown) {
            painter.drawImage(corner, MarksImage(Document, tile));
        }
    }
    painter.restore();
}

}  // namespace mosalind
