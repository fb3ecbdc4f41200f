// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three whole degrees of one birth: the floors of the Sun's, the Moon's and the Ascendant's
// tropical longitudes, each 0..359.

namespace quorvane {

struct WholeDegrees {
    int Sun = 0;
    int Moon = 0;
    int Ascendant = 0;
    friend bool operator==(const WholeDegrees&, const WholeDegrees&) = default;
};

}  // namespace quorvane
