// The sample sheet's things to meet: hazards, doors, keys and locks, items, switches and signs.
#pragma once

#include "sample_sheet/cell.h"

namespace sample_sheet {

// --- Hazards -------------------------------------------------------------------------------------

Cell spikesUp();
Cell lavaFill();
Cell waterFill();

// --- Doors, keys, locks --------------------------------------------------------------------------

Cell door(Tint t);
Cell key(Tint t);
Cell lockBlock(Tint t);

// --- Items ---------------------------------------------------------------------------------------

// A cut gem: a flat top, widest at row 6, tapering to a point at the bottom.
Cell gem(Tint t);
Cell cherries();
Cell apple();
Cell iceCream();
Cell crown();
Cell battery();
Cell raygun();
Cell pogoStick();
Cell whiskey();
Cell joystick();
Cell ankh();
Cell bullet();
Cell vacuum();
Cell heart();
Cell potion();
Cell mushroom();
Cell star();

// --- Switches and signs --------------------------------------------------------------------------

Cell leverSwitch(bool on);
Cell lightSwitch(bool on);

// A pad between two posts with glowing orbs; the animated frames add a rising beam.
Cell teleporterPad();
Cell teleporter(int frame);
Cell exitSign();
Cell messageSign();
Cell arrowSign();

}  // namespace sample_sheet
