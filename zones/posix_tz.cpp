// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "zones/posix_tz.h"

#include <algorithm>
#include <chrono>

namespace quorvane::zones {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day;

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return pos_ == text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool Take(char c) {
        if (Peek() != c) return false;
        ++pos_;
        return true;
    }
    // Up to `maxDigits` digits; nothing when there is none.
    std::optional<int> Number(int maxDigits) {
        int value = 0, digits = 0;
        while (digits < maxDigits && Peek() >= '0' && Peek() <= '9') {
            value = value * 10 + (Peek() - '0');
            ++pos_;
            ++digits;
        }
        if (digits == 0) return std::nullopt;
        return value;
    }
    // "CET", or "<+0545>" quoted (letters, digits, + and -), at least three characters.
    std::optional<std::string> Name() {
        std::string name;
        if (Take('<')) {
            while (!AtEnd() && Peek() != '>') {
                const char c = Peek();
                if (!(IsLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-')) return std::nullopt;
                name += c;
                ++pos_;
            }
            if (!Take('>')) return std::nullopt;
        } else {
            while (IsLetter(Peek())) name += text_[pos_++];
        }
        if (name.size() < 3) return std::nullopt;
        return name;
    }
    // [+|-]hh[:mm[:ss]] with hours up to `maxHours`, in seconds.
    std::optional<int> Duration(int maxHours) {
        int sign = 1;
        if (Take('-'))
            sign = -1;
        else
            Take('+');
        const auto hours = Number(3);
        if (!hours || *hours > maxHours) return std::nullopt;
        int seconds = *hours * 3600;
        if (Take(':')) {
            const auto minutes = Number(2);
            if (!minutes || *minutes > 59) return std::nullopt;
            seconds += *minutes * 60;
            if (Take(':')) {
                const auto secs = Number(2);
                if (!secs || *secs > 59) return std::nullopt;
                seconds += *secs;
            }
        }
        return sign * seconds;
    }
    std::optional<RuleDay> Day() {
        RuleDay day;
        if (Take('M')) {
            day.Form = RuleDay::Kind::MonthWeekDay;
            const auto month = Number(2);
            if (!month || *month < 1 || *month > 12 || !Take('.')) return std::nullopt;
            const auto week = Number(1);
            if (!week || *week < 1 || *week > 5 || !Take('.')) return std::nullopt;
            const auto weekday = Number(1);
            if (!weekday || *weekday > 6) return std::nullopt;
            day.Month = *month;
            day.Week = *week;
            day.Day = *weekday;
        } else if (Take('J')) {
            day.Form = RuleDay::Kind::JulianNoLeap;
            const auto n = Number(3);
            if (!n || *n < 1 || *n > 365) return std::nullopt;
            day.Day = *n;
        } else {
            day.Form = RuleDay::Kind::ZeroBased;
            const auto n = Number(3);
            if (!n || *n > 365) return std::nullopt;
            day.Day = *n;
        }
        return day;
    }

private:
    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::optional<PosixTz> Fail(std::string* error, const char* why) {
    if (error) *error = why;
    return std::nullopt;
}

// A change's time of day: hours -167..167 (RFC 8536's extension of POSIX's 0..24).
bool ChangeTime(Reader& in, int& seconds) {
    if (!in.Take('/')) return true;
    const auto time = in.Duration(167);
    if (!time) return false;
    seconds = *time;
    return true;
}

}  // namespace

std::optional<PosixTz> ParsePosixTz(std::string_view text, std::string* error) {
    Reader in(text);
    PosixTz tz;
    auto name = in.Name();
    if (!name) return Fail(error, "the rule's standard-time name is missing or shorter than three letters");
    tz.StandardName = *name;
    // POSIX counts hours west of Greenwich; the offset is taken east, as everywhere else here.
    const auto standard = in.Duration(24);
    if (!standard) return Fail(error, "the rule's standard-time offset is missing or out of range");
    tz.StandardOffset = -*standard;
    if (in.AtEnd()) return tz;

    name = in.Name();
    if (!name) return Fail(error, "the rule's daylight-time name is shorter than three letters");
    tz.HasDaylight = true;
    tz.DaylightName = *name;
    tz.DaylightOffset = tz.StandardOffset + 3600;
    if (!in.AtEnd() && in.Peek() != ',') {
        const auto daylight = in.Duration(24);
        if (!daylight) return Fail(error, "the rule's daylight-time offset is out of range");
        tz.DaylightOffset = -*daylight;
    }
    if (!in.Take(',')) return Fail(error, "the rule names daylight time but not when it begins and ends");
    const auto start = in.Day();
    if (!start || !ChangeTime(in, tz.StartTime)) return Fail(error, "the rule's start of daylight time is malformed");
    if (!in.Take(',')) return Fail(error, "the rule gives no end of daylight time");
    const auto end = in.Day();
    if (!end || !ChangeTime(in, tz.EndTime)) return Fail(error, "the rule's end of daylight time is malformed");
    if (!in.AtEnd()) return Fail(error, "the rule has text after its end of daylight time");
    tz.Start = *start;
    tz.End = *end;
    return tz;
}

int YearOfDay(std::int64_t dayNumber) {
    return static_cast<int>(year_month_day{sys_days{days{dayNumber}}}.year());
}

std::int64_t RuleDayInYear(const RuleDay& day, int y) {
    const std::int64_t january1 = DaysFromCivil(y, 1, 1);
    switch (day.Form) {
        case RuleDay::Kind::JulianNoLeap: {
            const bool leap = year{y}.is_leap();
            return january1 + day.Day - (leap && day.Day >= 60 ? 0 : 1);
        }
        case RuleDay::Kind::ZeroBased:
            return january1 + day.Day;
        case RuleDay::Kind::MonthWeekDay:
            break;
    }
    const std::int64_t first = DaysFromCivil(y, day.Month, 1);
    // 1970-01-01 was a Thursday (4).
    const int firstWeekday = static_cast<int>(((first % 7) + 7 + 4) % 7);
    std::int64_t date = first + (day.Day - firstWeekday + 7) % 7 + 7 * (day.Week - 1);
    const std::int64_t nextMonth = day.Month == 12 ? DaysFromCivil(y + 1, 1, 1) : DaysFromCivil(y, day.Month + 1, 1);
    while (date >= nextMonth) date -= 7;
    return date;
}

std::vector<RuleChange> RuleChanges(const PosixTz& rule, int first, int last, std::int64_t since) {
    std::vector<RuleChange> changes;
    if (!rule.HasDaylight) {
        changes.push_back({since, rule.StandardOffset, rule.StandardOffset, false});
        return changes;
    }
    for (int y = first; y <= last; ++y) {
        // Each change's moment is written in the local time in force before it.
        const std::int64_t startLocal = RuleDayInYear(rule.Start, y) * 86400 + rule.StartTime;
        const std::int64_t endLocal = RuleDayInYear(rule.End, y) * 86400 + rule.EndTime;
        const RuleChange toDaylight{startLocal - rule.StandardOffset, rule.DaylightOffset, rule.StandardOffset, true};
        const RuleChange toStandard{endLocal - rule.DaylightOffset, rule.StandardOffset, rule.StandardOffset, false};
        const std::int64_t yearStart = DaysFromCivil(y, 1, 1) * 86400;
        const std::int64_t nextYearStart = DaysFromCivil(y + 1, 1, 1) * 86400;
        if (y == first) {
            // A year wholly in one kind of time is written as changes at its very ends.
            if (toDaylight.AtUtc < toStandard.AtUtc) {
                if (startLocal <= yearStart && endLocal >= nextYearStart) {
                    changes.push_back({since, rule.DaylightOffset, rule.StandardOffset, true});
                    return changes;
                }
            } else if (endLocal <= yearStart && startLocal >= nextYearStart) {
                changes.push_back({since, rule.StandardOffset, rule.StandardOffset, false});
                return changes;
            }
        }
        // A change whose local moment falls in another year belongs to that year, not this one.
        const bool useStart = startLocal >= yearStart && startLocal < nextYearStart;
        const bool useEnd = endLocal >= yearStart && endLocal < nextYearStart;
        if (useStart && useEnd) {
            if (startLocal < endLocal) {
                changes.push_back(toDaylight);
                changes.push_back(toStandard);
            } else {
                changes.push_back(toStandard);
                changes.push_back(toDaylight);
            }
        } else if (useEnd) {
            changes.push_back(toStandard);
        } else if (useStart) {
            changes.push_back(toDaylight);
        }
    }
    // Offsets a day apart could turn the local order of a year's two changes around in Universal Time.
    std::stable_sort(changes.begin(), changes.end(),
                     [](const RuleChange& a, const RuleChange& b) { return a.AtUtc < b.AtUtc; });
    return changes;
}

}  // namespace quorvane::zones
