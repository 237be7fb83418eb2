#include "sample_sheet/sheet.h"

#include <array>
#include <cmath>
#include <iostream>
#include <utility>

#include "sample_sheet/animations.h"
#include "sample_sheet/backgrounds.h"
#include "sample_sheet/decoration.h"
#include "sample_sheet/items.h"
#include "sample_sheet/terrain.h"

namespace sample_sheet {

namespace {

void AddGroundSet(std::vector<Entry>& out, const Ground& g) {
    const std::string n = g.Name;
    out.push_back({n + " top left corner", GroundTile(g, true, true, false, false)});
    out.push_back({n + " top", GroundTile(g, true, false, false, false)});
    out.push_back({n + " top right corner", GroundTile(g, true, false, true, false)});
    out.push_back({n + " left edge", GroundTile(g, false, true, false, false)});
    out.push_back({n + " fill", GroundTile(g, false, false, false, false)});
    out.push_back({n + " right edge", GroundTile(g, false, false, true, false)});
    out.push_back({n + " bottom left corner", GroundTile(g, false, true, false, true)});
    out.push_back({n + " bottom", GroundTile(g, false, false, false, true)});
    out.push_back({n + " bottom right corner", GroundTile(g, false, false, true, true)});
    out.push_back({n + " column top", GroundTile(g, true, true, true, false)});
    out.push_back({n + " column middle", GroundTile(g, false, true, true, false)});
    out.push_back({n + " single block", GroundTile(g, true, true, true, true)});
    Cell stones = GroundTile(g, false, false, false, false, 1);
    stones.Ellipse(4.5, 5, 2.5, 2, DarkGrey);
    stones.Ellipse(4, 4.5, 2, 1.5, Grey);
    stones.Ellipse(11, 11.5, 3, 2, DarkGrey);
    stones.Ellipse(10.5, 11, 2.5, 1.5, Grey);
    out.push_back({n + " fill with stones", stones});
}

// The sixteen slopes the editor can store, as (left level, right level) pairs.
void AddSlopes(std::vector<Entry>& out, const Ground& g) {
    constexpr std::array<std::pair<int, int>, 16> kLevels{{
        {4, 0},
        {4, 2},
        {3, 1},
        {2, 0},
        {4, 3},
        {3, 2},
        {2, 1},
        {1, 0},
        {0, 4},
        {0, 2},
        {1, 3},
        {2, 4},
        {0, 1},
        {1, 2},
        {2, 3},
        {3, 4},
    }};
    for (auto [left, right] : kLevels) {
        const bool rising = left > right;
        const int steepness = std::abs(left - right);
        const int slopeByte = 128 | (rising ? 64 : 0) |
                              (steepness == 4   ? 0
                               : steepness == 2 ? 16
                                                : 32) |
                              4 * (rising ? left - 1 : left);
        out.push_back({g.Name + std::string(" slope ") + (rising ? "rising" : "falling") + " by " +
                           std::to_string(steepness) + ", levels " + std::to_string(left) + "-" +
                           std::to_string(right) + " (slope byte " + std::to_string(slopeByte) + ")",
                       SlopeTile(g, left, right)});
    }
}

template <typename F>
void AddSequence(std::vector<Entry>& out, const std::string& name, int frames, F draw) {
    for (int f = 0; f < frames; ++f)
        out.push_back({name + " frame " + std::to_string(f + 1) + " of " + std::to_string(frames), draw(f)});
}

}  // namespace

std::vector<Entry> BuildSheet() {
    std::vector<Entry> s;
    const auto add = [&](std::string name, const Cell& cell) { s.push_back({std::move(name), cell}); };

    add("sky", Cell(Sky));
    add("cloud left", CloudPart(0));
    add("cloud middle", CloudPart(16));
    add("cloud right", CloudPart(32));
    add("small cloud", SmallCloud());
    add("night sky", NightSky(false));
    add("night sky with stars", NightSky(true));
    add("moon", Moon());
    add("cave wall", CaveWall());
    add("cave wall with rocks", CaveRocks());
    add("back wall", BackWall());
    add("back wall with window", BackWindow());
    add("cave wall with crystals", CaveCrystals());

    for (const Ground* g : {&kGrass, &kSnow, &kSand}) {
        AddGroundSet(s, *g);
        AddSlopes(s, *g);
    }

    add("red bricks", Bricks(Red, Orange, DarkRed, DarkGrey));
    add("mossy bricks", MossyBricks());
    add("castle stone", CastleStone());
    add("stone block", StoneBlock(false));
    add("cracked stone block", StoneBlock(true));
    add("cobblestones", Cobbles());
    add("metal plate", MetalPlate());
    add("hazard stripes", HazardStripes());
    add("crate", Crate());
    add("wooden planks", Planks());
    add("ice block", IceBlock());
    add("bonus block", BonusBlock());
    add("pillar top", Pillar(0));
    add("pillar middle", Pillar(1));
    add("pillar bottom", Pillar(2));

    const std::array<const char*, 3> ends{"left end", "middle", "right end"};
    for (int i = 0; i < 3; ++i)
        add(std::string("wooden platform ") + ends[std::size_t(i)], WoodPlatform(i));
    for (int i = 0; i < 3; ++i)
        add(std::string("girder ") + ends[std::size_t(i)], Girder(i));
    for (int i = 0; i < 3; ++i)
        add(std::string("stone ledge ") + ends[std::size_t(i)], StoneLedge(i));
    add("rope bridge", RopeBridge());
    add("cloud platform", CloudPlatform());
    add("metal grating", Grating());

    add("ladder", Ladder(Cell(), 1));
    add("ladder top", LadderTop());
    add("ladder on back wall", Ladder(BackWall(), 1));
    add("rope", Rope());
    add("chain", Chain());
    add("vine", Vine(false));
    add("vine end", Vine(true));

    add("spikes up", SpikesUp());
    add("spikes down", SpikesUp().FlippedY());
    add("spikes left", SpikesUp().Transposed());
    add("spikes right", SpikesUp().Transposed().FlippedX());
    add("lava", LavaFill());
    add("deep water", WaterFill());

    for (std::size_t i = 0; i < 4; ++i)
        add("door " + std::to_string(i + 1) + " (" + kKeyColourNames[i] + ")", Door(kKeyTints[i]));
    for (std::size_t i = 0; i < 4; ++i)
        add("key " + std::to_string(i + 1) + " (" + kKeyColourNames[i] + ")", Key(kKeyTints[i]));
    for (std::size_t i = 0; i < 4; ++i)
        add("lock block " + std::to_string(i + 1) + " (" + kKeyColourNames[i] + ")", LockBlock(kKeyTints[i]));

    add("100 points: cherries", Cherries());
    add("200 points: apple", Apple());
    add("500 points: ice cream", IceCream());
    add("1000 points: diamond", Gem(kDiamondTint));
    add("5000 points: crown", Crown());
    add("red gem", Gem(kRedTint));
    add("green gem", Gem(kGreenTint));
    add("purple gem", Gem(kPurpleTint));
    add("yellow gem", Gem(kYellowTint));
    add("battery", Battery());
    add("raygun", Raygun());
    add("pogo stick", PogoStick());
    add("whiskey bottle", Whiskey());
    add("joystick", Joystick());
    add("ankh", Ankh());
    add("single bullet", Bullet());
    add("vacuum cleaner", Vacuum());
    add("heart", Heart());
    add("potion", Potion());
    add("mushroom", Mushroom());
    add("star", Star());

    add("switch on", LeverSwitch(true));
    add("switch off", LeverSwitch(false));
    add("light switch on", LightSwitch(true));
    add("light switch off", LightSwitch(false));
    add("teleporter", TeleporterPad());
    add("exit sign", ExitSign());
    add("message sign", MessageSign());
    add("arrow sign right", ArrowSign());
    add("arrow sign left", ArrowSign().FlippedX());

    AddSequence(s, "spinning coin", 4, Coin);
    AddSequence(s, "torch", 4, Torch);
    AddSequence(s, "teleporter", 4, Teleporter);
    AddSequence(s, "sparkling gem", 4, SparkleGem);
    AddSequence(s, "conveyor belt", 4, Conveyor);
    AddSequence(s, "flag", 4, Flag);
    AddSequence(s, "waterfall", 4, Waterfall);
    AddSequence(s, "saw blade", 4, SawBlade);
    AddSequence(s, "water surface", 8, WaterSurface);
    AddSequence(s, "lava surface", 8, LavaSurface);

    add("red flower", Flower(Red, Yellow));
    add("yellow flower", Flower(Yellow, Brown));
    add("grass tuft", GrassTuft());
    add("bush", Bush());
    add("berry bush", BerryBush());
    add("mushrooms", Mushrooms());
    add("rock", Rock());
    add("tree crown", TreeCrown());
    add("tree trunk", TreeTrunk(false));
    add("tree trunk base", TreeTrunk(true));
    add("fence", Fence());
    add("skull", Skull());
    add("barrel", Barrel());
    add("cobweb", Cobweb());
    add("pipe across", PipeStraight());
    add("pipe down", PipeStraight().Transposed());
    add("pipe bend right-down", PipeBend());
    add("pipe bend left-down", PipeBend().FlippedX());
    add("pipe bend right-up", PipeBend().FlippedY());
    add("pipe bend left-up", PipeBend().FlippedX().FlippedY());

    for (int d = 0; d < 10; ++d)
        add("score digit " + std::to_string(d), ScoreDigit(d));
    return s;
}

bool CheckDistinct(const std::vector<Entry>& sheet) {
    bool ok = true;
    for (std::size_t i = 0; i < sheet.size(); ++i)
        for (std::size_t j = i + 1; j < sheet.size(); ++j)
            if (sheet[i].Drawing == sheet[j].Drawing) {
                std::cerr << "make_sample_sheet: cells " << i << " (" << sheet[i].Name << ") and " << j << " ("
                          << sheet[j].Name << ") are identical\n";
                ok = false;
            }
    return ok;
}

}  // namespace sample_sheet
