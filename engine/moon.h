// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Moon's tropical longitude: the 25 largest periodic terms of an abridged lunar theory (see moon.cpp for
// the source and its accuracy).

#include "engine/time_scales.h"

namespace quorvane {

// Longitude in degrees for T Julian centuries from J2000.0 (Universal Time), folded into 0..360.
double MoonLongitude(double T);

int ComputeMoonDegree(const BirthMoment& moment);

}  // namespace quorvane
