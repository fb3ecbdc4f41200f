#pragma once
// The Moon's tropical longitude: truncated lunar theory, mean arguments linear in T, 25 periodic terms.

#include "engine/time_scales.h"

namespace quorvane {

// Longitude in degrees for T Julian centuries from J2000.0 (Universal Time), folded into 0..360.
double MoonLongitude(double T);

int ComputeMoonDegree(const BirthMoment& moment);

}  // namespace quorvane
