#include "editing/learned_values.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <functional>
#include <limits>

#include "document/tile_collision.h"
#include "editing/suggestion_rules.h"

namespace mosalind {

namespace {

constexpr int kSide = 16;

// The bin of a pair of colour classes (0 for empty, 1 + the colour otherwise) in one direction.
constexpr int PairBin(int a, int b) {
    const int low = a < b ? a : b;
    const int high = a < b ? b : a;
    return low * kColourClasses - low * (low - 1) / 2 + (high - low);
}
static_assert(PairBin(kColourClasses - 1, kColourClasses - 1) == kPairKinds - 1);

// The set bits of `word`, without a call to the library where the processor's own count
// is not in the build's instruction set.
constexpr int BitCount(std::uint64_t word) {
    word -= (word >> 1) & 0x5555555555555555ULL;
    word = (word & 0x3333333333333333ULL) + ((word >> 2) & 0x3333333333333333ULL);
    word = (word + (word >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((word * 0x0101010101010101ULL) >> 56);
}
static_assert(BitCount(0) == 0 && BitCount(~0ULL) == 64 && BitCount(0x8000000000000001ULL) == 2);

// The solid pixels that differ between `blank`'s art and `done`'s as `turn` shows it.
int MaskDistance(const ArtLikeness& blank, const ArtLikeness& done, ArtTurn turn) {
    using Words = std::array<std::uint64_t, kSide * 16 / 64>;
    std::array<std::uint16_t, kSide> rows = turn.Mirrored ? done.MirroredRows : done.Rows;
    if (turn.UpsideDown) {
        std::reverse(rows.begin(), rows.end());
    }
    const auto ours = std::bit_cast<Words>(blank.Rows);
    const auto theirs = std::bit_cast<Words>(rows);
    int differing = 0;
    for (std::size_t word = 0; word < ours.size(); ++word) {
        differing += BitCount(ours[word] ^ theirs[word]);
    }
    return differing;
}

// The pixels of `blank`'s art whose colour is not the one `done`'s art (as `turn` shows it)
// has where each colour of `blank` stands for the colour of `done` it most often covers,
// the empty pixels standing for empty ones.
int RecolouredApart(const ArtLikeness& blank, const ArtLikeness& done, ArtTurn turn) {
    std::array<std::array<std::uint16_t, kColourClasses>, kColourClasses> covers{};
    for (int y = 0; y < kSide; ++y) {
        const int theirY = turn.UpsideDown ? kSide - 1 - y : y;
        for (int x = 0; x < kSide; ++x) {
            const int theirX = turn.Mirrored ? kSide - 1 - x : x;
            ++covers[blank.Classes[static_cast<std::size_t>(kSide * y + x)]]
                    [done.Classes[static_cast<std::size_t>(kSide * theirY + theirX)]];
        }
    }
    const auto agreeing = [&covers](bool fromBlank) {
        int agree = covers[0][0];
        for (int ours = 1; ours < kColourClasses; ++ours) {
            int most = 0;
            for (int theirs = 1; theirs < kColourClasses; ++theirs) {
                most = std::max<int>(most, fromBlank ? covers[ours][theirs] : covers[theirs][ours]);
            }
            agree += most;
        }
        return agree;
    };
    return kSide * kSide - std::min(agreeing(true), agreeing(false));
}

// Whether two arts may be the same drawing in other colours: both of kRecolouredColours
// or more, and their colours' shares (a recolouring keeps them) within kRecolouredPixels
// pixels of each other.
bool MayBeRecoloured(const ArtLikeness& blank, const ArtLikeness& done) {
    if (blank.Used.count() < kRecolouredColours || done.Used.count() < kRecolouredColours) {
        return false;
    }
    int apart = 0;
    for (std::size_t share = 0; share < blank.Shares.size(); ++share) {
        apart += std::abs(static_cast<int>(blank.Shares[share]) - static_cast<int>(done.Shares[share]));
    }
    return apart <= 2 * kRecolouredPixels;
}

}  // namespace

bool IsDoneTile(const TileSet& tileSet, const DoneTiles& doneBlank, int tile) {
    return doneBlank.test(static_cast<std::size_t>(tile)) || !IsBlankTile(tileSet, tile);
}

int ArtReading(const std::array<std::int16_t, 4>& sides) {
    const TileCollision collision = TileCollision::FromWords(sides);
    if (collision.Sides[0].ShowsSlope()) {
        return kGroundSlopeReading;
    }
    if (collision.Sides[2].ShowsSlope()) {
        return kCeilingSlopeReading;
    }
    int reading = 0;
    for (std::size_t side = 0; side < collision.Sides.size(); ++side) {
        reading |= collision.Sides[side].Blocking != 0 ? 1 << side : 0;
    }
    return reading;
}

ArtLikeness LikenessOf(const CellPixels& art, const std::bitset<16>& solid, const std::array<std::int16_t, 4>& sides) {
    ArtLikeness likeness;
    for (std::size_t turn = 0; turn < kArtTurns.size(); ++turn) {
        likeness.Readings[turn] = ArtReading(TurnedSides(sides, kArtTurns[turn]));
    }
    std::array<std::uint8_t, kSide * kSide> classes{};
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const std::size_t at = static_cast<std::size_t>(kSide * y + x);
            const std::uint8_t colour = art[at];
            if (solid.test(colour)) {
                likeness.Rows[y] |= static_cast<std::uint16_t>(1U << x);
                likeness.MirroredRows[y] |= static_cast<std::uint16_t>(1U << (kSide - 1 - x));
                ++likeness.SolidPixels;
                classes[at] = static_cast<std::uint8_t>(1 + colour);
                ++likeness.Shares[colour];
                likeness.Used.set(colour);
            }
        }
    }
    likeness.Classes = classes;
    std::sort(likeness.Shares.begin(), likeness.Shares.end(), std::greater<>());
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const int here = classes[static_cast<std::size_t>(kSide * y + x)];
            if (x + 1 < kSide) {
                ++likeness.Pairs[static_cast<std::size_t>(
                    PairBin(here, classes[static_cast<std::size_t>(kSide * y + x + 1)]))];
            }
            if (y + 1 < kSide) {
                ++likeness.Pairs[static_cast<std::size_t>(
                    kPairKinds + PairBin(here, classes[static_cast<std::size_t>(kSide * (y + 1) + x)]))];
            }
        }
    }
    return likeness;
}

namespace {

// Art with nothing solid against art with something: farther apart than any two drawings.
constexpr int kUnlike = 2 * kCellPairs;

// ArtDistance and the turn of `done`'s art it is reached with (upside down only when
// `upsideDown`), or a distance above `bound` once it is sure to exceed it (the solid pixels'
// counts differ by no more than the masks do, however turned).
struct TurnedDistance {
    int Distance = 0;
    ArtTurn Turn;
    bool Recoloured = false;
};

TurnedDistance DistanceWithin(const ArtLikeness& blank, const ArtLikeness& done, int bound, bool upsideDown) {
    if ((blank.SolidPixels == 0) != (done.SolidPixels == 0)) {
        return {kUnlike, {}};
    }
    const auto readingApart = [&](std::size_t turn) {
        return done.Readings[turn] == blank.Readings[0] ? 0 : kOtherReading;
    };
    int fewestReading = kOtherReading;
    for (std::size_t turn = 0; turn < kArtTurns.size(); ++turn) {
        fewestReading =
            upsideDown || !kArtTurns[turn].UpsideDown ? std::min(fewestReading, readingApart(turn)) : fewestReading;
    }
    const int fewestPixels = std::abs(blank.SolidPixels - done.SolidPixels);
    const bool recolourable = MayBeRecoloured(blank, done);
    if ((recolourable ? 0 : fewestPixels / 2) + fewestReading > bound) {
        return {bound + 1, {}};
    }
    int pairs = 0;
    for (std::size_t bin = 0; bin < blank.Pairs.size(); ++bin) {
        pairs += std::abs(static_cast<int>(blank.Pairs[bin]) - static_cast<int>(done.Pairs[bin]));
    }
    if (!recolourable && (pairs + fewestPixels) / 2 + fewestReading > bound) {
        return {bound + 1, {}};
    }
    TurnedDistance nearest{std::numeric_limits<int>::max(), {}};
    for (std::size_t index = 0; index < kArtTurns.size(); ++index) {
        const ArtTurn turn = kArtTurns[index];
        if (turn.UpsideDown && !upsideDown) {
            continue;
        }
        const int mask = MaskDistance(blank, done, turn);
        TurnedDistance found{(pairs + mask) / 2 + readingApart(index), turn};
        if (recolourable && mask <= kRecolouredPixels && blank.Used != done.Used) {
            const int recoloured = RecolouredApart(blank, done, turn);
            if (recoloured <= kRecolouredPixels && recoloured + readingApart(index) < found.Distance) {
                found = {recoloured + readingApart(index), turn, true};
            }
        }
        nearest = found.Distance < nearest.Distance ? found : nearest;
    }
    return nearest;
}

}  // namespace

int ArtDistance(const ArtLikeness& blank, const ArtLikeness& done) {
    return DistanceWithin(blank, done, std::numeric_limits<int>::max() - 1, true).Distance;
}

void LearnedExamples::Add(std::int16_t tile, const ArtLikeness& art, bool carriesSlope, bool blocks) {
    examples_.push_back({tile, art, carriesSlope, blocks});
}

std::optional<LikeTile> LearnedExamples::NearestOf(const ArtLikeness& art, int bound, bool withSlope) const {
    std::optional<LikeTile> best;
    for (std::size_t index = 0; index < examples_.size(); ++index) {
        const Example& example = examples_[index];
        if (withSlope && !example.CarriesSlope) {
            continue;
        }
        const TurnedDistance found =
            DistanceWithin(art, example.Art, best ? std::min(bound, best->Distance) : bound, example.CarriesSlope);
        if (found.Distance <= bound && (!best || found.Distance < best->Distance ||
                                        (found.Distance == best->Distance && example.Tile < best->Tile))) {
            best = LikeTile{example.Tile, found.Turn, found.Recoloured, found.Distance, index};
        }
    }
    return best;
}

std::optional<LikeTile> LearnedExamples::Nearest(const ArtLikeness& art) const {
    return NearestOf(art, kLikeEnough, false);
}

std::optional<LikeTile> LearnedExamples::NearestWithSlope(const ArtLikeness& art) const {
    return NearestOf(art, std::numeric_limits<int>::max() - 1, true);
}

std::array<std::int16_t, 4> TurnedSides(const std::array<std::int16_t, 4>& sides, ArtTurn turn) {
    TileCollision collision = TileCollision::FromWords(sides);
    collision = turn.Mirrored ? collision.Mirrored() : collision;
    return (turn.UpsideDown ? collision.UpsideDown() : collision).Words();
}

std::array<std::int16_t, 4> LearnedSides(const std::array<std::int16_t, 4>& doneSides, ArtTurn turn,
                                         const std::array<std::int16_t, 4>& ownSides) {
    TileCollision sides = TileCollision::FromWords(TurnedSides(doneSides, turn));
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
