// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fixed, varied set of births that pass the form's checks, shared by the benchmarks.

#include <vector>

#include "common/birth_data.h"

namespace quorvane::bench {

struct ValidatedBirth {
    BirthData Birth;
    ZoneOffset Zone;
    int YearListPosition = 0;
};

// `count` births spread over every year, month, day, clock time, zone row, hemisphere and daylight
// saving, each one taken through the same validation and conversion as a click on the form.
std::vector<ValidatedBirth> MakeValidatedBirths(int count, unsigned seed = 20240615);

}  // namespace quorvane::bench
