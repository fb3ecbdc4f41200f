// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the birth-data form holds, as a birth for the births book.

#include <optional>
#include <string_view>

#include "births/births.h"
#include "reading/input_rules.h"
#include "reading/reading_driver.h"

namespace quorvane::births {

struct FormBirth {
    std::optional<Birth> Value;  // the birth, or nothing when the form cannot give one:
    ValidationResult Check;      // the form's own check refused it (Check.Ok false), or
    bool NoZone = false;         // the form names no zone and the birth it was filled from had none either
};

// The form's birth, written anew (Modified). `filledFrom` is the book's birth the form was filled from while
// its name is unchanged: its other chunks and notes stay, and its offset when the form names no zone. A typed
// offset or local mean time is kept exact, without a row. The place is "City/State" when a state is given.
FormBirth BirthFromForm(const BirthFormValues& form, const Birth* filledFrom, std::string_view city,
                        std::string_view state, std::string_view country);

}  // namespace quorvane::births
