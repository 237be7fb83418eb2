#include "editing/attribute_marks.h"

#include <algorithm>
#include <vector>

#include "editing/slope_codec.h"
#include "editing/tile_type_list.h"

namespace mosalind {

namespace {

constexpr int kFirst = 1;                      // the first pixel inside the ring
constexpr int kLast = MarkPicture::kSize - 2;  // the last
constexpr int kBarWidth = 2;
constexpr int kSuggestionInset = 4;  // the suggested sides' dashes, inside the stored bars
constexpr int kCornerSize = 6;

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
    for (int rest = tileType; rest > 0 || glyphs.empty(); rest /= 10) {
        glyphs.insert(glyphs.begin(), static_cast<std::size_t>(rest % 10));
    }
    return glyphs;
}

// A picture whose pixels outside the ring alone can be set.
class Canvas {
public:
    void Put(int x, int y, MarkInk ink) {
        if (x >= kFirst && x <= kLast && y >= kFirst && y <= kLast) {
            picture_.Pixels[static_cast<std::size_t>(y * MarkPicture::kSize + x)] = ink;
        }
    }
    void Fill(int left, int top, int width, int height, MarkInk ink) {
        for (int y = top; y < top + height; ++y) {
            for (int x = left; x < left + width; ++x) {
                Put(x, y, ink);
            }
        }
    }
    const MarkPicture& Picture() const { return picture_; }

private:
    MarkPicture picture_;
};

// The row of a slope level: 0 the first row inside the ring, 4 the last.
int LevelRow(int level) {
    return kFirst + LineRowForLevel(std::clamp(level, 0, 4), kLast - kFirst);
}

// The pixels of the straight line from (kFirst, `leftRow`) to (kLast, `rightRow`), one or
// more a column, joined where the line is steep.
std::vector<std::pair<int, int>> SlopePixels(int leftRow, int rightRow) {
    std::vector<std::pair<int, int>> pixels;
    const int columns = kLast - kFirst;
    int previous = leftRow;
    for (int x = kFirst; x <= kLast; ++x) {
        // Rounded to the nearest row, halves away from the left end's row.
        const int rise = (rightRow - leftRow) * (x - kFirst);
        const int row = leftRow + (2 * rise + (rise < 0 ? -columns : columns)) / (2 * columns);
        const int from = x == kFirst ? row : (row > previous ? previous + 1 : row);
        const int to = x == kFirst ? row : (row < previous ? previous - 1 : row);
        for (int y = std::min(from, to); y <= std::max(from, to); ++y) {
            pixels.emplace_back(x, y);
        }
        previous = row;
    }
    return pixels;
}

// The slope line between its levels, with its outline: every pixel beside the line.
void DrawSlope(Canvas& canvas, const AttributeMarks::Side& side, MarkInk line, MarkInk outline, bool dashed) {
    const std::vector<std::pair<int, int>> pixels = SlopePixels(LevelRow(side.SlopeLeft), LevelRow(side.SlopeRight));
    for (const auto& [x, y] : pixels) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                canvas.Put(x + dx, y + dy, outline);
            }
        }
    }
    for (const auto& [x, y] : pixels) {
        canvas.Put(x, y, dashed && ((x - kFirst) / 2) % 2 == 1 ? outline : line);
    }
}

// A side's dashes, two light and two dark pixels, `inset` pixels inside the cell's edge.
void DrawDashedSide(Canvas& canvas, int side, int inset) {
    const int near = inset;
    const int far = MarkPicture::kSize - 1 - inset;
    for (int along = near; along <= far; ++along) {
        const MarkInk ink = ((along - near) / 2) % 2 == 0 ? MarkInk::SuggestionLight : MarkInk::SuggestionDark;
        switch (side) {
            case 0:
                canvas.Put(along, near, ink);
                break;
            case 1:
                canvas.Put(far, along, ink);
                break;
            case 2:
                canvas.Put(along, far, ink);
                break;
            default:
                canvas.Put(near, along, ink);
                break;
        }
    }
}

}  // namespace

AttributeMarks AttributeMarksOf(const TileSet& tileSet, int tile) {
    return AttributeMarksOf(tileSet.TileAttributes[0][tile], ReadTileCollision(tileSet, tile));
}

AttributeMarks AttributeMarksOf(std::int16_t tileType, const TileCollision& collision) {
    AttributeMarks marks;
    marks.TileType = tileType;
    for (int side = 0; side < kTileSides; ++side) {
        const SideCollision& sideCollision = collision.Sides[side];
        AttributeMarks::Side& mark = marks.Sides[side];
        mark.BlockingKind = sideCollision.Blocking;
        mark.Sloped = sideCollision.ShowsSlope();
        if (mark.Sloped) {
            // Levels a side without slope would leave as they are do not matter here: such
            // a side draws no line.
            const SideSlope slope = sideCollision.Shown(0, 0);
            mark.SlopeLeft = slope.Left;
            mark.SlopeRight = slope.Right;
            mark.SlopeLine = sideCollision.SlopeLine();
        }
    }
    return marks;
}

MarkPicture StoredMarksPicture(const AttributeMarks& marks) {
    Canvas canvas;
    constexpr int size = MarkPicture::kSize;
    constexpr int span = kLast - kFirst + 1;
    constexpr int barEnd = kLast - kBarWidth + 1;  // the first column (row) of the right (bottom) bar
    // Left, top, width, height of each side's bar and of the dark line on its inner edge.
    const std::array<std::array<int, 4>, 4> bars{{{kFirst, kFirst, span, kBarWidth},
                                                  {barEnd, kFirst, kBarWidth, span},
                                                  {kFirst, barEnd, span, kBarWidth},
                                                  {kFirst, kFirst, kBarWidth, span}}};
    const std::array<std::array<int, 4>, 4> edges{{{kFirst, kFirst + kBarWidth, span, 1},
                                                   {barEnd - 1, kFirst, 1, span},
                                                   {kFirst, barEnd - 1, span, 1},
                                                   {kFirst + kBarWidth, kFirst, 1, span}}};
    static_assert(kFirst + kBarWidth < size);
    for (std::size_t side = 0; side < 4; ++side) {
        if (marks.Sides[side].BlockingKind > 0) {
            const auto& e = edges[side];
            canvas.Fill(e[0], e[1], e[2], e[3], MarkInk::Outline);
        }
    }
    for (std::size_t side = 0; side < 4; ++side) {
        const int kind = marks.Sides[side].BlockingKind;
        if (kind > 0) {
            const auto& b = bars[side];
            canvas.Fill(b[0], b[1], b[2], b[3],
                        static_cast<MarkInk>(static_cast<int>(MarkInk::Blocking1) + std::clamp(kind, 1, 3) - 1));
        }
    }
    for (const AttributeMarks::Side& side : marks.Sides) {
        if (side.Sloped) {
            DrawSlope(canvas, side, MarkInk::Slope, MarkInk::Outline, false);
        }
    }
    if (marks.TileType > 0 && marks.TileType < 256) {
        const std::vector<std::size_t> glyphs = TypeGlyphs(marks.TileType);
        // Inside the left and top bars; a three-digit number moves left to stay whole.
        const int width = static_cast<int>(glyphs.size()) * 4 + 1;
        const int left = std::max(kFirst, std::min(kFirst + kBarWidth + 1, kLast + 1 - width));
        const int top = kFirst + kBarWidth + 1;
        canvas.Fill(left, top, width, 7, MarkInk::NumberPaper);
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            const auto& rows = kGlyphRows[glyphs[i]];
            for (int y = 0; y < 5; ++y) {
                for (int x = 0; x < 3; ++x) {
                    if (rows[static_cast<std::size_t>(y)] & (4 >> x)) {
                        canvas.Put(left + 1 + static_cast<int>(i) * 4 + x, top + 1 + y, MarkInk::NumberInk);
                    }
                }
            }
        }
    }
    return canvas.Picture();
}

MarkPicture SuggestedMarksPicture(const AttributeMarks& marks, bool learned) {
    Canvas canvas;
    for (int side = 0; side < 4; ++side) {
        const AttributeMarks::Side& mark = marks.Sides[static_cast<std::size_t>(side)];
        if (mark.BlockingKind > 0 && !mark.Sloped) {
            DrawDashedSide(canvas, side, kSuggestionInset);
        }
        if (mark.Sloped) {
            DrawSlope(canvas, mark, MarkInk::SuggestionLight, MarkInk::SuggestionDark, true);
        }
    }
    // The corner: a triangle at the top right with a dark diagonal edge, light for what the
    // art suggests, green for what is learned from a tile done.
    for (int y = kFirst; y < kFirst + kCornerSize; ++y) {
        const int edge = kLast - kCornerSize + (y - kFirst);
        canvas.Put(edge, y, MarkInk::SuggestionDark);
        canvas.Fill(edge + 1, y, kLast - edge, 1, learned ? MarkInk::LearnedCorner : MarkInk::SuggestionLight);
    }
    return canvas.Picture();
}

}  // namespace mosalind
