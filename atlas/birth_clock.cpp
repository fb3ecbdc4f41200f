// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/birth_clock.h"

#include "atlas/zone_suggestion.h"

namespace quorvane {

bool TakeLocalMeanTimeWhereKept(births::Birth& birth, const Atlas& atlas) {
    return TakeLocalMeanTimeWhereKept(birth, atlas, zones::ZoneDatabase::System());
}

bool TakeLocalMeanTimeWhereKept(births::Birth& birth, const Atlas& atlas, const zones::ZoneDatabase& zones) {
    if (!births::GivesNoClock(birth)) return false;
    const BirthData& d = birth.Data;
    const double latitude = (d.LatitudeDegrees + d.LatitudeMinutes / 60.0) * (d.IsSouth ? -1 : 1);
    const double longitude = (d.LongitudeDegrees + d.LongitudeMinutes / 60.0) * (d.IsEast ? 1 : -1);
    const Atlas::NearbyTown near = atlas.Nearest(latitude, longitude);
    if (!near.Town || near.Kilometres > kNearestTownLimitKm) return false;
    // The zone suggestion's own reading of the database decides whether the clock there was local mean time.
    const ZoneSuggestion s = SuggestZone(zones, near.Town->TimeZoneId, {d.Year, d.Month, d.Day, d.Hour, d.Minute},
                                         near.Town->City, longitude);
    if (!s.LocalMeanTime) return false;
    births::TakeLocalMeanTime(birth, near.Town->City + " (" + near.Town->TimeZoneId + ")");
    return true;
}

}  // namespace quorvane
