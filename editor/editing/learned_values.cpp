#include "editing/learned_values.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "document/tile_collision.h"
#include "editing/suggestion_rules.h"

namespace mosalind {

namespace {

constexpr int kSide = 16;
constexpr int kShares = 256;  // a colour's share of the solid pixels, in 1/256ths
constexpr int kLevelRows = 4;

// Row y of `rows` moved down by `shift` rows (up for a negative shift), edge rows repeated.
std::uint16_t MovedRow(const std::array<std::uint16_t, kSide>& rows, int y, int shift) {
    return rows[static_cast<std::size_t>(std::clamp(y - shift, 0, kSide - 1))];
}

}  // namespace

bool IsDoneTile(const TileSet& tileSet, const DoneTiles& doneBlank, int tile) {
    return doneBlank.test(static_cast<std::size_t>(tile)) || !IsBlankTile(tileSet, tile);
}

ArtLikeness LikenessOf(const CellPixels& art, const std::bitset<16>& solid) {
    ArtLikeness likeness;
    std::array<int, 16> counts{};
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const std::uint8_t colour = art[static_cast<std::size_t>(kSide * y + x)];
            if (solid.test(colour)) {
                likeness.Rows[y] |= static_cast<std::uint16_t>(1U << x);
                likeness.MirroredRows[y] |= static_cast<std::uint16_t>(1U << (kSide - 1 - x));
                ++counts[colour];
                ++likeness.SolidPixels;
            }
        }
    }
    for (std::size_t colour = 0; colour < counts.size(); ++colour) {
        likeness.ColourShares[colour] =
            likeness.SolidPixels == 0 ? 0 : static_cast<std::int16_t>(kShares * counts[colour] / likeness.SolidPixels);
    }
    return likeness;
}

namespace {

// Half the summed difference of the colour shares; a cell with nothing solid is as unlike
// one with something solid as can be.
int ColourDistance(const ArtLikeness& a, const ArtLikeness& b) {
    if ((a.SolidPixels == 0) != (b.SolidPixels == 0)) {
        return kShares;
    }
    int sum = 0;
    for (std::size_t colour = 0; colour < a.ColourShares.size(); ++colour) {
        sum += std::abs(a.ColourShares[colour] - b.ColourShares[colour]);
    }
    return sum / 2;
}

int MaskDistance(const ArtLikeness& blank, const ArtLikeness& done, bool mirrored, int shift, int enough) {
    const std::array<std::uint16_t, kSide>& rows = mirrored ? done.MirroredRows : done.Rows;
    int differing = 0;
    for (int y = 0; y < kSide && differing <= enough; ++y) {
        differing += std::popcount(static_cast<unsigned>(blank.Rows[y] ^ MovedRow(rows, y, shift)));
    }
    return differing;
}

}  // namespace

int ArtDistance(const ArtLikeness& blank, const ArtLikeness& done, bool mirrored, int shift) {
    return MaskDistance(blank, done, mirrored, shift, kSide * kSide) + ColourDistance(blank, done);
}

void LearnedExamples::Add(std::int16_t tile, const ArtLikeness& art, bool carriesSlope, bool blocks) {
    examples_.push_back({tile, art, carriesSlope, blocks});
}

std::optional<LikeTile> LearnedExamples::Nearest(const ArtLikeness& art, bool sloped) const {
    std::optional<LikeTile> best;
    const auto bound = [&best] { return best ? best->Distance : kLikeEnough; };
    for (std::size_t index = 0; index < examples_.size(); ++index) {
        const Example& example = examples_[index];
        // Unmoved, mirrored or not, the masks differ in at least as many pixels as their
        // solid pixels' counts do.
        const int fewest = example.CarriesSlope ? 0 : std::abs(art.SolidPixels - example.Art.SolidPixels);
        if (fewest > kMaskLikeEnough || fewest > bound()) {
            continue;
        }
        const int colours = ColourDistance(art, example.Art);
        if (colours + fewest > bound() || colours > kColoursLikeEnough || colours > bound() ||
            (best && colours == bound() && example.Tile > best->Tile)) {
            continue;
        }
        for (const bool mirrored : {false, true}) {
            for (const int shift : {0, -kLevelRows, kLevelRows, -2 * kLevelRows, 2 * kLevelRows}) {
                if (shift != 0 && !example.CarriesSlope) {
                    break;
                }
                const int pixels =
                    MaskDistance(art, example.Art, mirrored, shift, std::min(kMaskLikeEnough, bound() - colours));
                const int distance = colours + pixels;
                const bool nearer =
                    pixels > kMaskLikeEnough ? false
                    : !best                  ? distance <= kLikeEnough
                            : distance < best->Distance || (distance == best->Distance && example.Tile < best->Tile);
                if (nearer) {
                    best = LikeTile{example.Tile, mirrored, distance, index};
                }
            }
        }
    }
    // Art with a slope of its own: like the nearest done tile with a slope by its colours,
    // unless the nearest by everything blocks nothing (decoration).
    if (sloped && !(best && !examples_[best->Index].Blocks)) {
        std::optional<LikeTile> slopedBest;
        for (std::size_t index = 0; index < examples_.size(); ++index) {
            const Example& example = examples_[index];
            const int colours = ColourDistance(art, example.Art);
            if (example.CarriesSlope && colours <= kLikeEnough && (!slopedBest || colours < slopedBest->Distance)) {
                // Mirrored when the art is nearer the example's mirrored art.
                const bool mirrored = MaskDistance(art, example.Art, true, 0, kSide * kSide) <
                                      MaskDistance(art, example.Art, false, 0, kSide * kSide);
                slopedBest = LikeTile{example.Tile, mirrored, colours, index};
            }
        }
        if (slopedBest) {
            return slopedBest;
        }
    }
    return best;
}

std::array<std::int16_t, 4> MirroredSides(const std::array<std::int16_t, 4>& sides) {
    return TileCollision::FromWords(sides).Mirrored().Words();
}

std::array<std::int16_t, 4> LearnedSides(const std::array<std::int16_t, 4>& doneSides, bool mirrored,
                                         const std::array<std::int16_t, 4>& ownSides) {
    const TileCollision done = TileCollision::FromWords(doneSides);
    TileCollision sides = mirrored ? done.Mirrored() : done;
    const TileCollision own = TileCollision::FromWords(ownSides);
    int slopeKind = -1;  // the blocking kind of the done tile's sloped side
    for (const SideCollision& side : sides.Sides) {
        slopeKind = slopeKind < 0 && side.ShowsSlope() ? side.Blocking : slopeKind;
    }
    for (std::size_t side = 0; side < sides.Sides.size(); ++side) {
        if (!own.Sides[side].Slope) {
            continue;
        }
        int kind = sides.Sides[side].Blocking;
        if (slopeKind >= 0) {
            // The art's own slope instead of the done tile's, on the side the art has it.
            for (SideCollision& each : sides.Sides) {
                each = SideCollision{.Blocking = each.Blocking, .Slope = std::nullopt, .OtherBits = 0};
            }
            kind = kind != 0 ? kind : slopeKind;
        } else if (kind == 0) {
            break;
        }
        sides.Sides[side] = SideCollision{.Blocking = kind, .Slope = own.Sides[side].Slope, .OtherBits = 0};
        break;
    }
    return sides.Words();
}

}  // namespace mosalind
