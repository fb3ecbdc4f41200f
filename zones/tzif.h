// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One zone of the tz database read from its compiled form, TZif (RFC 8536, versions 1 to 4): its clock
// at any instant, standard or daylight time, and its changes. Past the file's last listed change the
// POSIX TZ rule of its footer continues it. No file access here: bytes in, zone out.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "zones/posix_tz.h"

namespace quorvane::zones {

// The clock of a zone from some instant on.
struct ClockState {
    std::int64_t Since = 0;         // seconds since 1970-01-01 00:00 UTC
    int Offset = 0;                 // seconds east of Greenwich, daylight time included
    int StandardOffset = 0;         // of it standard time; Offset - StandardOffset is the daylight saving
    std::string_view Abbreviation;  // "CEST", "LMT", "+0545"; lives as long as the zone
    bool Daylight() const { return Offset != StandardOffset; }
};

class Zone {
public:
    // The clock in force at an instant (a change takes effect at its own instant).
    ClockState At(std::int64_t utc) const;
    // The first change after an instant, and the last before it; nothing when there is none.
    std::optional<ClockState> NextChange(std::int64_t after) const;
    std::optional<ClockState> PreviousChange(std::int64_t before) const;

private:
    friend std::variant<Zone, std::string> ReadTzif(std::string_view bytes);
    struct Kind {
        int StandardOffset;
        int Saving;
        std::uint16_t Abbreviation;  // index into abbreviations_
        bool operator==(const Kind&) const = default;
    };
    struct Change {
        std::int64_t At;
        std::uint16_t Kind;
    };
    ClockState StateOf(const Kind& kind, std::int64_t since) const;
    ClockState StateOf(const RuleChange& change, std::int64_t since) const;
    std::vector<RuleChange> RuleChangesNear(std::int64_t utc) const;
    bool RuleApplies(std::int64_t utc) const;

    std::vector<std::string> abbreviations_;
    std::vector<Kind> kinds_;
    std::vector<Change> changes_;
    Kind beforeFirst_{};           // before the first change: the file's first local time type
    std::optional<PosixTz> rule_;  // after the last change
};

// The zone, or why the bytes are not a whole TZif file. Never reads past `bytes`.
std::variant<Zone, std::string> ReadTzif(std::string_view bytes);

}  // namespace quorvane::zones
