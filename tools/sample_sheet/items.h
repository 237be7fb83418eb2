// The sample sheet's things to meet: hazards, doors, keys and locks, items, switches and signs.
#pragma once

#include "sample_sheet/cell.h"

namespace sample_sheet {

// --- Hazards -------------------------------------------------------------------------------------

Cell SpikesUp();
Cell LavaFill();
Cell WaterFill();

// --- Doors, keys, locks --------------------------------------------------------------------------

Cell Door(Tint t);
Cell Key(Tint t);
Cell LockBlock(Tint t);

// --- Items ---------------------------------------------------------------------------------------

// A cut gem: a flat top, widest at row 6, tapering to a point at the bottom.
Cell Gem(Tint t);
Cell Cherries();
Cell Apple();
Cell IceCream();
Cell Crown();
Cell Battery();
Cell Raygun();
Cell PogoStick();
Cell Whiskey();
Cell Joystick();
Cell Ankh();
Cell Bullet();
Cell Vacuum();
Cell Heart();
Cell Potion();
Cell Mushroom();
Cell Star();

// --- Switches and signs --------------------------------------------------------------------------

Cell LeverSwitch(bool on);
Cell LightSwitch(bool on);

// A pad between two posts with glowing orbs; the animated frames add a rising beam.
Cell TeleporterPad();
Cell Teleporter(int frame);
Cell ExitSign();
Cell MessageSign();
Cell ArrowSign();

}  // namespace sample_sheet
