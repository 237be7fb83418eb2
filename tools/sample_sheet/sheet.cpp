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

void addGroundSet(std::vector<Entry>& out, const Ground& g) {
  const std::string n = g.name;
  out.push_back({n + " top left corner", groundTile(g, true, true, false, false)});
  out.push_back({n + " top", groundTile(g, true, false, false, false)});
  out.push_back({n + " top right corner", groundTile(g, true, false, true, false)});
  out.push_back({n + " left edge", groundTile(g, false, true, false, false)});
  out.push_back({n + " fill", groundTile(g, false, false, false, false)});
  out.push_back({n + " right edge", groundTile(g, false, false, true, false)});
  out.push_back({n + " bottom left corner", groundTile(g, false, true, false, true)});
  out.push_back({n + " bottom", groundTile(g, false, false, false, true)});
  out.push_back({n + " bottom right corner", groundTile(g, false, false, true, true)});
  out.push_back({n + " column top", groundTile(g, true, true, true, false)});
  out.push_back({n + " column middle", groundTile(g, false, true, true, false)});
  out.push_back({n + " single block", groundTile(g, true, true, true, true)});
  Cell stones = groundTile(g, false, false, false, false, 1);
  stones.ellipse(4.5, 5, 2.5, 2, DarkGrey);
  stones.ellipse(4, 4.5, 2, 1.5, Grey);
  stones.ellipse(11, 11.5, 3, 2, DarkGrey);
  stones.ellipse(10.5, 11, 2.5, 1.5, Grey);
  out.push_back({n + " fill with stones", stones});
}

// The sixteen slopes the editor can store, as (left level, right level) pairs.
void addSlopes(std::vector<Entry>& out, const Ground& g) {
  constexpr std::array<std::pair<int, int>, 16> kLevels{{
      {4, 0}, {4, 2}, {3, 1}, {2, 0}, {4, 3}, {3, 2}, {2, 1}, {1, 0},
      {0, 4}, {0, 2}, {1, 3}, {2, 4}, {0, 1}, {1, 2}, {2, 3}, {3, 4},
  }};
  for (auto [left, right] : kLevels) {
    const bool rising = left > right;
    const int steepness = std::abs(left - right);
    const int slopeByte = 128 | (rising ? 64 : 0) | (steepness == 4 ? 0 : steepness == 2 ? 16 : 32) |
                          4 * (rising ? left - 1 : left);
    out.push_back({g.name + std::string(" slope ") + (rising ? "rising" : "falling") + " by " +
                       std::to_string(steepness) + ", levels " + std::to_string(left) + "-" +
                       std::to_string(right) + " (slope byte " + std::to_string(slopeByte) + ")",
                   slopeTile(g, left, right)});
  }
}

template <typename F>
void addSequence(std::vector<Entry>& out, const std::string& name, int frames, F draw) {
  for (int f = 0; f < frames; ++f)
    out.push_back({name + " frame " + std::to_string(f + 1) + " of " + std::to_string(frames), draw(f)});
}

}  // namespace

std::vector<Entry> buildSheet() {
  std::vector<Entry> s;
  const auto add = [&](std::string name, const Cell& cell) { s.push_back({std::move(name), cell}); };

  add("sky", Cell(Sky));
  add("cloud left", cloudPart(0));
  add("cloud middle", cloudPart(16));
  add("cloud right", cloudPart(32));
  add("small cloud", smallCloud());
  add("night sky", nightSky(false));
  add("night sky with stars", nightSky(true));
  add("moon", moon());
  add("cave wall", caveWall());
  add("cave wall with rocks", caveRocks());
  add("back wall", backWall());
  add("back wall with window", backWindow());
  add("cave wall with crystals", caveCrystals());

  for (const Ground* g : {&kGrass, &kSnow, &kSand}) {
    addGroundSet(s, *g);
    addSlopes(s, *g);
  }

  add("red bricks", bricks(Red, Orange, DarkRed, DarkGrey));
  add("mossy bricks", mossyBricks());
  add("castle stone", castleStone());
  add("stone block", stoneBlock(false));
  add("cracked stone block", stoneBlock(true));
  add("cobblestones", cobbles());
  add("metal plate", metalPlate());
  add("hazard stripes", hazardStripes());
  add("crate", crate());
  add("wooden planks", planks());
  add("ice block", iceBlock());
  add("bonus block", bonusBlock());
  add("pillar top", pillar(0));
  add("pillar middle", pillar(1));
  add("pillar bottom", pillar(2));

  const std::array<const char*, 3> ends{"left end", "middle", "right end"};
  for (int i = 0; i < 3; ++i) add(std::string("wooden platform ") + ends[std::size_t(i)], woodPlatform(i));
  for (int i = 0; i < 3; ++i) add(std::string("girder ") + ends[std::size_t(i)], girder(i));
  for (int i = 0; i < 3; ++i) add(std::string("stone ledge ") + ends[std::size_t(i)], stoneLedge(i));
  add("rope bridge", ropeBridge());
  add("cloud platform", cloudPlatform());
  add("metal grating", grating());

  add("ladder", ladder(Cell(), 1));
  add("ladder top", ladderTop());
  add("ladder on back wall", ladder(backWall(), 1));
  add("rope", rope());
  add("chain", chain());
  add("vine", vine(false));
  add("vine end", vine(true));

  add("spikes up", spikesUp());
  add("spikes down", spikesUp().flippedY());
  add("spikes left", spikesUp().transposed());
  add("spikes right", spikesUp().transposed().flippedX());
  add("lava", lavaFill());
  add("deep water", waterFill());

  for (std::size_t i = 0; i < 4; ++i)
    add("door " + std::to_string(i + 1) + " (" + kKeyColourNames[i] + ")", door(kKeyTints[i]));
  for (std::size_t i = 0; i < 4; ++i)
    add("key " + std::to_string(i + 1) + " (" + kKeyColourNames[i] + ")", key(kKeyTints[i]));
  for (std::size_t i = 0; i < 4; ++i)
    add("lock block " + std::to_string(i + 1) + " (" + kKeyColourNames[i] + ")", lockBlock(kKeyTints[i]));

  add("100 points: cherries", cherries());
  add("200 points: apple", apple());
  add("500 points: ice cream", iceCream());
  add("1000 points: diamond", gem(kDiamondTint));
  add("5000 points: crown", crown());
  add("red gem", gem(kRedTint));
  add("green gem", gem(kGreenTint));
  add("purple gem", gem(kPurpleTint));
  add("yellow gem", gem(kYellowTint));
  add("battery", battery());
  add("raygun", raygun());
  add("pogo stick", pogoStick());
  add("whiskey bottle", whiskey());
  add("joystick", joystick());
  add("ankh", ankh());
  add("single bullet", bullet());
  add("vacuum cleaner", vacuum());
  add("heart", heart());
  add("potion", potion());
  add("mushroom", mushroom());
  add("star", star());

  add("switch on", leverSwitch(true));
  add("switch off", leverSwitch(false));
  add("light switch on", lightSwitch(true));
  add("light switch off", lightSwitch(false));
  add("teleporter", teleporterPad());
  add("exit sign", exitSign());
  add("message sign", messageSign());
  add("arrow sign right", arrowSign());
  add("arrow sign left", arrowSign().flippedX());

  addSequence(s, "spinning coin", 4, coin);
  addSequence(s, "torch", 4, torch);
  addSequence(s, "teleporter", 4, teleporter);
  addSequence(s, "sparkling gem", 4, sparkleGem);
  addSequence(s, "conveyor belt", 4, conveyor);
  addSequence(s, "flag", 4, flag);
  addSequence(s, "waterfall", 4, waterfall);
  addSequence(s, "saw blade", 4, sawBlade);
  addSequence(s, "water surface", 8, waterSurface);
  addSequence(s, "lava surface", 8, lavaSurface);

  add("red flower", flower(Red, Yellow));
  add("yellow flower", flower(Yellow, Brown));
  add("grass tuft", grassTuft());
  add("bush", bush());
  add("berry bush", berryBush());
  add("mushrooms", mushrooms());
  add("rock", rock());
  add("tree crown", treeCrown());
  add("tree trunk", treeTrunk(false));
  add("tree trunk base", treeTrunk(true));
  add("fence", fence());
  add("skull", skull());
  add("barrel", barrel());
  add("cobweb", cobweb());
  add("pipe across", pipeStraight());
  add("pipe down", pipeStraight().transposed());
  add("pipe bend right-down", pipeBend());
  add("pipe bend left-down", pipeBend().flippedX());
  add("pipe bend right-up", pipeBend().flippedY());
  add("pipe bend left-up", pipeBend().flippedX().flippedY());

  for (int d = 0; d < 10; ++d) add("score digit " + std::to_string(d), scoreDigit(d));
  return s;
}

bool checkDistinct(const std::vector<Entry>& sheet) {
  bool ok = true;
  for (std::size_t i = 0; i < sheet.size(); ++i)
    for (std::size_t j = i + 1; j < sheet.size(); ++j)
      if (sheet[i].cell == sheet[j].cell) {
        std::cerr << "make_sample_sheet: cells " << i << " (" << sheet[i].name << ") and " << j << " ("
                  << sheet[j].name << ") are identical\n";
        ok = false;
      }
  return ok;
}

}  // namespace sample_sheet
