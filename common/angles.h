// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Folding an angle into one turn, for degrees and radians alike.

#include <cmath>

namespace quorvane {

// 0 <= result < turn (360 for degrees, 2 pi for radians). fmod takes whole turns off exactly, so the
// result is the angle's own remainder, with no rounding from dividing by the turn.
inline double FoldAngle(double angle, double turn = 360.0) {
    double folded = std::fmod(angle, turn);
    if (folded < 0) folded += turn;
    return folded >= turn ? 0.0 : folded;  // a tiny negative remainder plus a turn may round to the turn
}

}  // namespace quorvane
