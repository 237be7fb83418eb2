#include "document/tile_collision.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace mosalind {

namespace {

constexpr std::uint8_t kRisingBit = 64;
constexpr int kBlockingBits = 3;
constexpr int kSlopeBits = 0xFC;

bool IsLevel(int level) {
    return level >= 0 && level <= kLowestSlopeLevel;
}

bool InTables(int tile) {
    return tile >= 0 && tile < kMaxTiles;
}

int LevelY(int level) {
    return std::clamp(level, 0, kLowestSlopeLevel) * (kTileEdge / kLowestSlopeLevel);
}

}  // namespace

std::optional<std::uint8_t> EncodeSlope(int left, int right) {
    if (!IsLevel(left) || !IsLevel(right)) {
        return std::nullopt;
    }
    const int difference = std::abs(right - left);
    int steepness = 0;
    switch (difference) {
        case 4:
            steepness = 0;
            break;
        case 2:
            steepness = 16;
            break;
        case 1:
            steepness = 32;
            break;
        default:
            return std::nullopt;  // equal levels or 3 apart
    }
    const bool rising = left > right;
    const int start = rising ? left - 1 : left;
    if (start < 0 || start > 3) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(kSlopeCarriedBit | (rising ? kRisingBit : 0) | steepness | (start * 4));
}

std::int16_t WithSlope(std::int16_t sideWord, bool carriesSlope, std::uint8_t slopeByte) {
    const int blocking = sideWord & kBlockingBits;
    return static_cast<std::int16_t>(carriesSlope ? (blocking | slopeByte) : blocking);
}

std::int16_t WithBlockingKind(std::int16_t sideWord, int kind) {
    return static_cast<std::int16_t>((sideWord & kSlopeBits) | (kind & kBlockingBits));
}

SideSlope DecodeSideSlope(std::int16_t sideWord, int left, int right) {
    if (sideWord < kSlopeCarriedBit) {
        return {false, left, right};
    }
    SideSlope side{true, (sideWord >> 2) & 3, right};
    switch ((sideWord >> 4) & 7) {
        case 0:
            side.Right = side.Left + 4;
            break;
        case 1:
            side.Right = side.Left + 2;
            break;
        case 2:
            side.Right = side.Left + 1;
            break;
        case 4:
            side.Left += 1;
            side.Right = side.Left - 4;
            break;
        case 5:
            side.Left += 1;
            side.Right = side.Left - 2;
            break;
        case 6:
            side.Left += 1;
            side.Right = side.Left - 1;
            break;
        default:
            break;  // kinds 3 and 7: the right level stays
    }
    return side;
}

std::optional<SlopeLevels> ReadableSlope(std::int16_t sideWord) {
    const SideSlope side = DecodeSideSlope(sideWord, 0, 0);
    if (!side.CarriesSlope) {
        return std::nullopt;
    }
    const std::optional<std::uint8_t> encoded = EncodeSlope(side.Left, side.Right);
    if (!encoded || *encoded != (sideWord & kSlopeBits)) {
        return std::nullopt;
    }
    return SlopeLevels{side.Left, side.Right};
}

SideCollision SideCollision::FromWord(std::int16_t sideWord) {
    SideCollision side;
    side.Blocking = sideWord & kBlockingBits;
    side.Slope = ReadableSlope(sideWord);
    const int slopeByte = side.Slope ? sideWord & kSlopeBits : 0;
    side.OtherBits = static_cast<std::int16_t>(sideWord & ~kBlockingBits & ~slopeByte);
    return side;
}

std::int16_t SideCollision::Word() const {
    int word = (Blocking & kBlockingBits) | (OtherBits & ~kBlockingBits);
    if (Slope) {
        word |= EncodeSlope(Slope->Left, Slope->Right).value_or(0);
    }
    return static_cast<std::int16_t>(word);
}

int SideCollision::UnreadableSlopeBits() const {
    return OtherBits & kSlopeBits;
}

bool SideCollision::ShowsSlope() const {
    return Word() >= kSlopeCarriedBit;
}

SideSlope SideCollision::Shown(int left, int right) const {
    return DecodeSideSlope(Word(), left, right);
}

TileLine SideCollision::SlopeLine() const {
    const SideSlope shown = Shown(0, 0);
    return {0, LevelY(shown.Left), kTileEdge, LevelY(shown.Right)};
}

SideCollision SideCollision::Mirrored() const {
    SideCollision mirrored = *this;
    if (Slope) {
        mirrored.Slope = SlopeLevels{Slope->Right, Slope->Left};
    }
    return mirrored;
}

SideCollision SideCollision::UpsideDown() const {
    SideCollision upsideDown = *this;
    if (Slope) {
        upsideDown.Slope = SlopeLevels{kLowestSlopeLevel - Slope->Left, kLowestSlopeLevel - Slope->Right};
    }
    return upsideDown;
}

TileCollision TileCollision::FromWords(const std::array<std::int16_t, kTileSides>& sideWords) {
    TileCollision collision;
    for (int side = 0; side < kTileSides; ++side) {
        collision.Sides[side] = SideCollision::FromWord(sideWords[side]);
    }
    return collision;
}

std::array<std::int16_t, kTileSides> TileCollision::Words() const {
    std::array<std::int16_t, kTileSides> words{};
    for (int side = 0; side < kTileSides; ++side) {
        words[side] = Sides[side].Word();
    }
    return words;
}

TileCollision TileCollision::Turned(SideCollision (SideCollision::*turnSide)() const, int side, int opposite) const {
    TileCollision turned;
    for (int each = 0; each < kTileSides; ++each) {
        turned.Sides[each] = (Sides[each].*turnSide)();
    }
    std::swap(turned.Sides[side], turned.Sides[opposite]);
    return turned;
}

TileCollision TileCollision::Mirrored() const {
    return Turned(&SideCollision::Mirrored, kLeftSide, kRightSide);
}

TileCollision TileCollision::UpsideDown() const {
    return Turned(&SideCollision::UpsideDown, kTopSide, kBottomSide);
}

bool TileCollision::BlocksAnything() const {
    return std::any_of(Sides.begin(), Sides.end(),
                       [](const SideCollision& side) { return side.Blocking != 0 || side.ShowsSlope(); });
}

bool TileCollision::CarriesSlope() const {
    return std::any_of(Sides.begin(), Sides.end(), [](const SideCollision& side) { return side.Slope.has_value(); });
}

TileCollision ReadTileCollision(const TileSet& set, int tile) {
    std::array<std::int16_t, kTileSides> words{};
    if (InTables(tile)) {
        for (int side = 0; side < kTileSides; ++side) {
            words[side] = set.TileAttributes[side + 1][tile];
        }
    }
    return TileCollision::FromWords(words);
}

void WriteTileCollision(TileSet& set, int tile, const TileCollision& collision) {
    if (!InTables(tile)) {
        return;
    }
    const std::array<std::int16_t, kTileSides> words = collision.Words();
    for (int side = 0; side < kTileSides; ++side) {
        set.TileAttributes[side + 1][tile] = words[side];
    }
}

}  // namespace mosalind
