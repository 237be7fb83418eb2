#include <QPainter>
#include <array>
#include <cmath>
#include <unordered_map>

#include "editing/attribute_marks.h"
#include "editing/cell_grid.h"
#include "window/attribute_marks_picture.h"
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

// The largest zoom whose marks are kept drawn at that size (the views zoom up to 4x).
constexpr int kMostMarksZoom = 8;

// The overlay's colours, one for each ink of a mark's picture: one per blocking kind 1 to
// 3, the slope line, the type's number; every mark has a dark outline, so that it reads on
// light art as on dark. Suggestions are light and dark dashes and a white corner, unlike any
// stored mark.
QColor InkColour(MarkInk ink) {
    switch (ink) {
        case MarkInk::Outline:
            return QColor(20, 20, 20);
        case MarkInk::Blocking1:
            return QColor(255, 230, 0);
        case MarkInk::Blocking2:
            return QColor(0, 230, 255);
        case MarkInk::Blocking3:
            return QColor(255, 60, 255);
        case MarkInk::Slope:
            return QColor(255, 140, 0);
        case MarkInk::NumberInk:
        case MarkInk::SuggestionLight:
            return QColor(255, 255, 255);
        case MarkInk::NumberPaper:
            return QColor(20, 20, 20, 230);
        case MarkInk::SuggestionDark:
            return QColor(0, 0, 0);
        case MarkInk::LearnedCorner:
            return QColor(40, 220, 90);
        case MarkInk::None:
            break;
    }
    return Qt::transparent;
}

// How a tile's marks are drawn: its stored values, or a suggestion by the rules or learned.
enum class MarksOf { Stored, FromTheArt, Learned };

// A tile's marks are drawn once for every mix of type and sides in use and every zoom, and
// kept, so that a repaint copies one picture per tile as it is, never scaling it. A set uses
// few mixes; a store is emptied should it ever grow large.
const QImage& MarksImage(const AttributeMarks& marks, MarksOf kind, int zoom = 1) {
    static std::array<std::unordered_map<std::uint64_t, QImage>, kMostMarksZoom + 1> stores;
    std::unordered_map<std::uint64_t, QImage>& images = stores[static_cast<std::size_t>(zoom)];
    // What is drawn: the type when it has a number, and of each side its blocking kind
    // (2 bits), whether it has a slope line and the line's two heights (0 to 16, 5 bits).
    std::uint64_t key = (static_cast<std::uint64_t>(kind) << 8) |
                        static_cast<std::uint64_t>(marks.TileType > 0 && marks.TileType < 256 ? marks.TileType : 0);
    for (const AttributeMarks::Side& side : marks.Sides) {
        const int line = side.Sloped ? 1 | side.SlopeLine.Y1 << 1 | side.SlopeLine.Y2 << 6 : 0;
        key = (key << 13) | static_cast<std::uint64_t>(side.BlockingKind | line << 2);
    }
    const auto found = images.find(key);
    if (found != images.end()) {
        return found->second;
    }
    if (images.size() > 4096) {
        images.clear();
    }
    if (zoom > 1) {
        // Each pixel a square of zoom x zoom, as a zoomed painter draws the picture unsmoothed.
        const QImage& whole = MarksImage(marks, kind);
        return images.emplace(key, whole.scaled(whole.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation))
            .first->second;
    }
    const MarkPicture picture =
        kind == MarksOf::Stored ? StoredMarksPicture(marks) : SuggestedMarksPicture(marks, kind == MarksOf::Learned);
    QImage image(MarkPicture::kSize, MarkPicture::kSize, QImage::Format_ARGB32);
    for (int y = 0; y < MarkPicture::kSize; ++y) {
        for (int x = 0; x < MarkPicture::kSize; ++x) {
            image.setPixelColor(x, y, InkColour(picture.At(x, y)));
        }
    }
    return images.emplace(key, image.convertToFormat(QImage::Format_ARGB32_Premultiplied)).first->second;
}

// The whole zoom of a painter that only scales, the same across and down, by a whole number
// up to kMostMarksZoom, and moves by whole pixels; 0 for any other.
int WholeZoom(const QTransform& transform) {
    const double zoom = transform.m11();
    const bool whole = transform.type() <= QTransform::TxScale && zoom == transform.m22() && zoom >= 1 &&
                       zoom <= kMostMarksZoom && zoom == std::floor(zoom) &&
                       transform.dx() == std::floor(transform.dx()) && transform.dy() == std::floor(transform.dy());
    return whole ? static_cast<int>(zoom) : 0;
}

}  // namespace

const QImage& AttributeMarksPicture(const TileSet& set, int tile) {
    return MarksImage(AttributeMarksOf(set, tile), MarksOf::Stored);
}

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
    if (severalSelected) {
        painter.setPen(kSelectionEdge);
        for (int tile = firstTile; tile < endTile; ++tile) {
            if (tile != CurrentTile() && selection.Contains(tile)) {
                const CellOrigin origin = CellOriginOf(static_cast<std::int16_t>(tile));
                const QPoint corner(origin.Left, origin.Top);
                painter.fillRect(QRect(corner, QSize(kCellSize, kCellSize)), tint);
                painter.drawRect(QRect(corner, QSize(kCellSize - 1, kCellSize - 1)));
            }
        }
    }
    if (!AttributesShown) {
        painter.restore();
        return;
    }
    // Each tile's marks over its tint, in its own cell. Under a zoom by whole pixels they are
    // copied at the zoom's size with the painter unscaled: the same pixels, without scaling
    // each picture again on every repaint.
    const QTransform transform = painter.worldTransform();
    const int zoom = WholeZoom(transform);
    if (zoom > 0) {
        painter.setWorldTransform(QTransform());
    }
    const auto drawMarks = [&](const QPoint& corner, const AttributeMarks& marks, MarksOf kind) {
        if (zoom > 0) {
            painter.drawImage(transform.map(corner), MarksImage(marks, kind, zoom));
        } else {
            painter.drawImage(corner, MarksImage(marks, kind));
        }
    };
    for (int tile = firstTile; tile < endTile; ++tile) {
        const CellOrigin origin = CellOriginOf(static_cast<std::int16_t>(tile));
        const QPoint corner(origin.Left, origin.Top);
        const TileValues values = ReadTileValues(Session.Set(), tile);
        drawMarks(corner, AttributeMarksOf(values.TileType, TileCollision::FromWords(values.Sides)), MarksOf::Stored);
        if (suggested != nullptr && suggested->Differs(tile)) {
            const TileSuggestion suggestion = *suggested->For(tile);
            drawMarks(corner, AttributeMarksOf(suggestion.TileType, TileCollision::FromWords(suggestion.Sides)),
                      suggestion.Like >= 0 ? MarksOf::Learned : MarksOf::FromTheArt);
        }
    }
    painter.restore();
}

}  // namespace mosalind
