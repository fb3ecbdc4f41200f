// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A calendar date with a clock time, as a person reads it (local or Universal, by context).

namespace quorvane {

struct CivilDateTime {
    int Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0;
    int Second = 0;  // not 0 only for an instant moved by an offset with seconds
    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

}  // namespace quorvane
