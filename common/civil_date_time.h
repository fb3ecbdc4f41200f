#pragma once
// A calendar date with a clock time, as a person reads it (local or Universal, by context).

namespace quorvane {

struct CivilDateTime {
    int Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0;
    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

}  // namespace quorvane
