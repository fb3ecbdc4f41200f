// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/birth_from_form.h"

#include "reading/time_zones.h"

namespace quorvane::births {

FormBirth BirthFromForm(const BirthFormValues& form, const Birth* filledFrom, std::string_view city,
                        std::string_view state, std::string_view country) {
    FormBirth out;
    out.Check = ValidateBirthData(TextsOf(form));
    if (!out.Check.Ok) return out;
    Birth birth = filledFrom ? *filledFrom : Birth();
    if (const auto exact = form.LocalMeanTime || form.ExactOffset ? ChosenOffset(form) : std::nullopt) {
        // Kept as the birth's own offset, without a row, and said to be local mean time or a clock's offset.
        birth.ZoneRow = -1;
        birth.StandardOffset = *exact;
        birth.Clock = form.LocalMeanTime ? ClockKind::LocalMeanTime : ClockKind::Offset;
        birth.Notes.clear();
    } else if (form.ZoneIndex < 0 && !(filledFrom && filledFrom->ZoneRow < 0)) {
        out.NoZone = true;
        return out;
    }
    if (form.ZoneIndex >= 0) {  // else the birth keeps the offset its file gave, still without a row
        const TimeZoneRow& row = TimeZoneTable()[static_cast<std::size_t>(form.ZoneIndex)];
        birth.ZoneRow = form.ZoneIndex;
        birth.StandardOffset = {row.Hours, row.Minutes};
        birth.Notes.clear();
    }
    birth.Data = BirthDataOf(form, birth.StandardOffset);
    birth.TimeUnknown = form.TimeUnknown;
    birth.Place = state.empty() ? std::string(city) : std::string(city) + "/" + std::string(state);
    birth.Country = std::string(country);
    birth.Modified = true;
    out.Value = std::move(birth);
    return out;
}

}  // namespace quorvane::births
