#pragma once

namespace mosalind {

// How the figure moves, in pixels per step (60 steps a second) and pixels per step for each
// step (the accelerations). The defaults feel like a 16-pixel platformer: a run of two
// pixels a step reached in sixteen steps, and a jump that lifts the feet 57.75 pixels
// (5.25 + 5 + ... + 0.25), more than three cells.
struct MotionParameters {
    double Gravity = 0.25;
    double MaxFall = 6.0;
    double RunSpeed = 2.0;
    double RunAcceleration = 0.125;
    double JumpSpeed = 5.5;
    // How much speed a step takes away once no run key is held, by the top under the feet:
    // a normal one (blocking kind 1, and in the air), a slippery one (kind 2), an icy one
    // (kind 3).
    double Friction = 0.25;
    double FrictionSlippery = 0.0625;
    double FrictionIcy = 0.015625;

    bool operator==(const MotionParameters&) const = default;
};

// The greatest value a parameter takes: beyond it a step would carry the figure across
// many cells at once, which says nothing about how the tiles feel.
constexpr double kMaxMotionParameter = 16.0;

// Whether every parameter is a number from 0 to kMaxMotionParameter.
bool AreUsableParameters(const MotionParameters& parameters);

}  // namespace mosalind
