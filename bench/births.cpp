// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births.h"

#include <random>
#include <string>

#include "reading/reading_driver.h"
#include "reading/time_zones.h"

namespace quorvane::bench {

std::vector<ValidatedBirth> MakeValidatedBirths(int count, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };

    std::vector<ValidatedBirth> births;
    births.reserve(static_cast<std::size_t>(count));
    ReadingSession session;
    while (static_cast<int>(births.size()) < count) {
        BirthFormValues form;
        form.Name = "ASHA";
        form.LongitudeDegrees = std::to_string(pick(0, 179));
        form.LongitudeMinutes = std::to_string(pick(0, 59));
        form.LatitudeDegrees = std::to_string(pick(0, 89));
        form.LatitudeMinutes = std::to_string(pick(0, 59));
        form.MonthPosition = pick(0, 11);
        form.DayPosition = pick(0, 30);
        form.YearPosition = pick(0, 149);
        form.Year = kFirstYear + form.YearPosition;
        form.Hour = pick(0, 23);
        form.Minute = pick(0, 59);
        form.ZoneIndex = pick(0, kTimeZoneCount - 1);
        form.IsEast = pick(0, 1) == 1;
        form.IsSouth = pick(0, 1) == 1;
        form.IsDaylightSaving = pick(0, 1) == 1;
        // Days the form refuses (30 February, 31 April ...) are drawn again.
        if (!session.Read(form).Validation.Ok) continue;
        births.push_back({session.LastBirthData(), *Zone_Calculation(form.ZoneIndex), form.YearPosition});
    }
    return births;
}

}  // namespace quorvane::bench
