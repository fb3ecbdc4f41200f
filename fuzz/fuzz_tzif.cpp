// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The TZif reader on any bytes: it refuses or reads, never reads past them; a zone it reads answers at
// any instant with an offset within a day, its changes walk strictly forward and back, and the clock at
// a change is the one the change names.
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <variant>

#include "zones/tzif.h"

using namespace quorvane::zones;

namespace {
void Check(bool ok) {
    if (!ok) std::abort();
}

void CheckState(const ClockState& s) {
    Check(s.Offset >= -26 * 3600 && s.Offset <= 26 * 3600);
    Check(s.StandardOffset >= -26 * 3600 && s.StandardOffset <= 26 * 3600);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const auto read = ReadTzif(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* error = std::get_if<std::string>(&read)) {
        Check(!error->empty());
        return 0;
    }
    const Zone& zone = std::get<Zone>(read);
    constexpr std::int64_t kYear = 31556952;
    for (std::int64_t t :
         {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max(), std::int64_t{-1} << 59,
          -70 * kYear, std::int64_t{0}, 68 * kYear, 80 * kYear, 1000 * kYear}) {
        CheckState(zone.At(t));
        if (const auto next = zone.NextChange(t)) Check(next->Since > t);
        if (const auto previous = zone.PreviousChange(t)) Check(previous->Since < t);
    }
    // From 1900 to 2100, change by change.
    std::int64_t t = -70 * kYear;
    for (int steps = 0; steps < 600; ++steps) {
        const auto next = zone.NextChange(t);
        if (!next || next->Since > 130 * kYear) break;
        Check(next->Since > t);
        CheckState(*next);
        const ClockState at = zone.At(next->Since);
        Check(at.Offset == next->Offset && at.Abbreviation == next->Abbreviation);
        const auto back = zone.PreviousChange(next->Since + 1);
        Check(back && back->Since == next->Since);
        t = next->Since;
    }
    return 0;
}
