#include <QPainter>
#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

#include "editing/attribute_marks.h"
#include "editing/cell_grid.h"
#include "editing/slope_codec.h"
#include "editing/tile_type_list.h"
#include "window/frm_main.h"
#include "window/suggestions_box.h"

namespace mosalind {

namespace {

// Selected tiles other than the current one: a blue tint with a blue edge, which neither
// the red frame of the current tile nor the overlay's colours resemble. Under the overlay
// the tint is lighter, so that the marks stay legible over a selection.
const QColor kSelectionTint(40, 110, 255, 110);
const QColor kSelectionTintUnderMarks(40, 110, 255, 45);
const QColor kSelectionEdge(40, 110, 255);

// The overlay's colours: one per blocking kind 1 to 3, the slope line, the type number.
// Every mark has a dark outline, so that it reads on light art as on dark.
const std::array<QColor, 4> kBlockingColours{QColor(), QColor(255, 230, 0), QColor(0, 230, 255), QColor(255, 60, 255)};
const QColor kSlopeColour(255, 140, 0);
const QColor kOutline(20, 20, 20);
const QColor kNumberInk(255, 255, 255);
const QColor kNumberPaper(20, 20, 20, 230);
// Suggestions: dotted black-and-white lines inside the tile and a white corner, unlike
// any stored mark.
const QColor kSuggestionLight(255, 255, 255);
const QColor kSuggestionDark(0, 0, 0);
constexpr int kBarWidth = 2;
constexpr int kSuggestionInset = 4;

// Glyphs of a 3 x 5 pixel font, one row of three bits per entry, top row first: the digits
// 0 to 9, then M and F for the types "Masked" and "Foreground".
constexpr std::array<std::array<int, 5>, 12> kGlyphRows{{
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
    {5, 7, 7, 5, 5},
    {7, 4, 6, 4, 4},
}};
constexpr std::size_t kGlyphM = 10;
constexpr std::size_t kGlyphF = 11;

// The glyphs a tile type shows: its row number, or M and F for the last two rows.
std::vector<std::size_t> TypeGlyphs(int tileType) {
    if (tileType == kMaskedTileType) {
        return {kGlyphM};
    }
    if (tileType == kForegroundTileType) {
        return {kGlyphF};
    }
    std::vector<std::size_t> glyphs;
    for (const QChar digit : QString::number(tileType)) {
        glyphs.push_back(static_cast<std::size_t>(digit.digitValue()));
    }
    return glyphs;
}

// The type on its dark plate, drawn once per value and kept: a sheet repaint draws up to
// 1,201 of them.
const QImage& NumberImage(int value) {
    static std::array<QImage, 256> images;
    QImage& image = images[static_cast<std::size_t>(value)];
    if (image.isNull()) {
        const std::vector<std::size_t> glyphs = TypeGlyphs(value);
        image = QImage(static_cast<int>(glyphs.size()) * 4 + 1, 7, QImage::Format_ARGB32_Premultiplied);
        image.fill(kNumberPaper);
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            const auto& rows = kGlyphRows[glyphs[i]];
            for (int y = 0; y < 5; ++y) {
                for (int x = 0; x < 3; ++x) {
                    if (rows[static_cast<std::size_t>(y)] & (4 >> x)) {
                        image.setPixelColor(1 + static_cast<int>(i) * 4 + x, 1 + y, kNumberInk);
                    }
                }
            }
        }
    }
    return image;
}

// The pixel rows of a slope line across a tile: levels 0 to 4 a quarter of the tile
// apart, as over the large tile, the last pixel row level 4.
int LevelRow(int level) {
    return LineRowForLevel(std::clamp(level, 0, 4), kCellSize - 1);
}

// The stored values: a bar in the blocking kind's colour along each blocking side with a
// dark line on its inner edge, the slope line over a dark one, the type on a dark plate.
void DrawMarks(QPainter& painter, const AttributeMarks& marks) {
    const int end = kCellSize - kBarWidth;
    const std::array<QRect, 4> bars{QRect(0, 0, kCellSize, kBarWidth), QRect(end, 0, kBarWidth, kCellSize),
                                    QRect(0, end, kCellSize, kBarWidth), QRect(0, 0, kBarWidth, kCellSize)};
    const std::array<QRect, 4> edges{QRect(0, kBarWidth, kCellSize, 1), QRect(end - 1, 0, 1, kCellSize),
                                     QRect(0, end - 1, kCellSize, 1), QRect(kBarWidth, 0, 1, kCellSize)};
    for (int side = 0; side < 4; ++side) {
        if (marks.Sides[side].BlockingKind > 0) {
            painter.fillRect(edges[side], kOutline);
        }
    }
    for (int side = 0; side < 4; ++side) {
        const int kind = marks.Sides[side].BlockingKind;
        if (kind > 0) {
            painter.fillRect(bars[side], kBlockingColours[kind]);
        }
    }
    for (const AttributeMarks::Side& side : marks.Sides) {
        if (side.Sloped) {
            const QLine line(0, LevelRow(side.SlopeLeft), kCellSize - 1, LevelRow(side.SlopeRight));
            painter.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(line);
            painter.setPen(QPen(kSlopeColour, 1));
            painter.drawLine(line);
        }
    }
    if (marks.TileType > 0 && marks.TileType < 256) {
        painter.drawImage(QPoint(kBarWidth + 1, kBarWidth + 1), NumberImage(marks.TileType));
    }
}

// A suggestion for a tile whose values differ: a white corner at the top right, and the
// suggested blocking sides and slope as dotted lines inside the tile.
void DrawSuggestedMarks(QPainter& painter, const AttributeMarks& marks) {
    QPen dotted(kSuggestionLight, 1, Qt::CustomDashLine);
    dotted.setDashPattern({1, 1});
    const auto dottedLine = [&](QLine line) {
        painter.setPen(QPen(kSuggestionDark, 1));
        painter.drawLine(line);
        painter.setPen(dotted);
        painter.drawLine(line);
    };
    const int near = kSuggestionInset;
    const int far = kCellSize - 1 - kSuggestionInset;
    const std::array<QLine, 4> sides{QLine(near, near, far, near), QLine(far, near, far, far),
                                     QLine(near, far, far, far), QLine(near, near, near, far)};
    for (int side = 0; side < 4; ++side) {
        if (marks.Sides[side].BlockingKind > 0 && !marks.Sides[side].Sloped) {
            dottedLine(sides[side]);
        }
        if (marks.Sides[side].Sloped) {
            dottedLine(
                QLine(0, LevelRow(marks.Sides[side].SlopeLeft), kCellSize - 1, LevelRow(marks.Sides[side].SlopeRight)));
        }
    }
    const QPoint corner[] = {QPoint(kCellSize - 6, 0), QPoint(kCellSize, 0), QPoint(kCellSize, 6)};
    painter.setPen(kSuggestionDark);
    painter.setBrush(kSuggestionLight);
    painter.drawPolygon(corner, 3);
}

// A tile's marks are drawn once for every mix of type and side words in use and kept, so
// that a repaint copies one small picture per tile. A set uses few mixes; the store is
// emptied should it ever grow large.
const QImage& MarksImage(std::int16_t tileType, const std::array<std::int16_t, 4>& sideWords, bool suggested) {
    static std::unordered_map<std::uint64_t, QImage> images;
    // What the marks depend on: the type when it has a number, and of each side word the
    // slope flag (the word is 128 or more) and bits 0 to 6.
    std::uint64_t key = (suggested ? 0x100 : 0) | (tileType > 0 && tileType < 256 ? tileType : 0);
    for (const std::int16_t sideWord : sideWords) {
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
    const AttributeMarks marks = AttributeMarksOf(tileType, sideWords);
    if (suggested) {
        DrawSuggestedMarks(painter, marks);
    } else {
        DrawMarks(painter, marks);
    }
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
    // The suggestions, while their box is open.
    const SetSuggestions* suggested = AttributesShown && SuggestionBox != nullptr && SuggestionBox->isVisible()
                                          ? &SuggestionBox->Suggested()
                                          : nullptr;
    const QColor& tint = AttributesShown ? kSelectionTintUnderMarks : kSelectionTint;
    painter.save();
    for (int tile = firstTile; tile < endTile; ++tile) {
        const CellOrigin origin = CellOriginOf(static_cast<std::int16_t>(tile));
        const QPoint corner(origin.Left, origin.Top);
        if (severalSelected && tile != CurrentTile() && selection.Contains(tile)) {
            painter.fillRect(QRect(corner, QSize(kCellSize, kCellSize)), tint);
            painter.setPen(kSelectionEdge);
            painter.drawRect(QRect(corner, QSize(kCellSize - 1, kCellSize - 1)));
        }
        if (AttributesShown) {
            const TileValues values = ReadTileValues(Session.Set(), tile);
            painter.drawImage(corner, MarksImage(values.TileType, values.Sides, false));
        }
        if (suggested != nullptr && suggested->Differs(tile)) {
            const TileSuggestion suggestion = *suggested->For(tile);
            painter.drawImage(corner, MarksImage(suggestion.TileType, suggestion.Sides, true));
        }
    }
    painter.restore();
}

}  // namespace mosalind
