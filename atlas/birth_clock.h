// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A births-file record that does not give its zone, read where the birthplace's history allows: a file
// knows only the coordinates, so the place's clock history is that of the nearest town of the atlas.

#include "atlas/atlas.h"
#include "births/births.h"
#include "zones/zone_database.h"

namespace quorvane {

// Farther than this from every town of the atlas, a birthplace's clock history is not guessed.
inline constexpr double kNearestTownLimitKm = 300.0;

// When the time-zone database says that the town nearest the birthplace still kept local mean time at
// the birth's date and clock time, the record is read in the birthplace's own local mean time, and its
// note says so. Records that give their zone (or are unreadable) are left alone; so is a record whose
// place kept standard time then, or lies too far from any town: it still asks for a row. True when local
// mean time was taken.
bool TakeLocalMeanTimeWhereKept(births::Birth& birth, const Atlas& atlas);
// The same by the clock histories of `zones` (the browser's: the tz files it fetched with its atlas).
bool TakeLocalMeanTimeWhereKept(births::Birth& birth, const Atlas& atlas, const zones::ZoneDatabase& zones);

// The same for every record of a book; the atlas is only opened (`atlas` called) when a record needs it.
// How many records were read in local mean time.
template <class AtlasSource>
int TakeLocalMeanTimesWhereKept(births::Book& book, AtlasSource atlas) {
    int taken = 0;
    for (births::Birth& birth : book.Births)
        if (births::GivesNoClock(birth))
            if (const Atlas* opened = atlas()) taken += TakeLocalMeanTimeWhereKept(birth, *opened) ? 1 : 0;
    return taken;
}

}  // namespace quorvane
