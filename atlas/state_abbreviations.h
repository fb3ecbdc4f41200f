// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The short forms people write for the states of the United States, the provinces and territories of
// Canada and the states and territories of Australia: "NY", "QC", "NSW".

#include <span>
#include <string_view>

namespace quorvane {

struct StateAbbreviation {
    std::string_view CountryCode;   // ISO 3166, upper case
    std::string_view Abbreviation;  // as written, upper case
    std::string_view State;         // the state's name as the atlas writes it
};

std::span<const StateAbbreviation> StateAbbreviations();

}  // namespace quorvane
