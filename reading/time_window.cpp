// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/time_window.h"

#include <algorithm>
#include <bitset>
#include <cctype>
#include <limits>

#include "reading/reading_driver.h"

namespace quorvane {
namespace {

long long CeilDiv(long long a, long long b) {
    return a >= 0 ? (a + b - 1) / b : -(-a / b);
}

std::optional<int> ClockMinute(std::string_view text) {
    if (text.size() < 4 || text.size() > 5) return std::nullopt;
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() - colon != 3) return std::nullopt;
    int hour = 0, minute = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == colon) continue;
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        int& part = i < colon ? hour : minute;
        part = part * 10 + (text[i] - '0');
    }
    if (hour > 23 || minute > 59) return std::nullopt;
    return hour * 60 + minute;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

}  // namespace

std::vector<ClockStretch> SteadyClock(ZoneOffset zone, bool daylightSaving) {
    return {ClockStretch{0, kLastMinuteOfDay, zone, daylightSaving, ClockFold::None}};
}

std::vector<ClockStretch> StretchesOfDay(std::span<const ClockPeriod> periods) {
    // Each period's clock minutes: its start and end instants moved by its own offset.
    struct Span {
        int First, Last;
        ZoneOffset Zone;
    };
    std::vector<Span> spans;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const long long start = periods[i].UtcStartSeconds + periods[i].SecondsEast;
        const long long first = i == 0 ? 0 : CeilDiv(start, 60);
        const long long last = i + 1 < periods.size()
                                   ? CeilDiv(periods[i + 1].UtcStartSeconds + periods[i].SecondsEast, 60) - 1
                                   : kLastMinuteOfDay;
        const long long lo = std::max(first, 0LL), hi = std::min(last, static_cast<long long>(kLastMinuteOfDay));
        if (lo <= hi)
            spans.push_back(
                {static_cast<int>(lo), static_cast<int>(hi), ZoneOffset::FromSecondsWest(-periods[i].SecondsEast)});
    }
    // A minute that two periods both show is the first time in the earlier, the second in the later.
    std::vector<ClockStretch> out;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        std::vector<int> cuts{spans[i].First, spans[i].Last + 1};
        for (std::size_t j = 0; j < spans.size(); ++j)
            if (j != i)
                for (int cut : {spans[j].First, spans[j].Last + 1})
                    if (cut > spans[i].First && cut <= spans[i].Last) cuts.push_back(cut);
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
            const int m = cuts[c];
            const auto covers = [m](const Span& s) { return s.First <= m && m <= s.Last; };
            const bool later = std::any_of(spans.begin() + static_cast<std::ptrdiff_t>(i) + 1, spans.end(), covers);
            const bool earlier = std::any_of(spans.begin(), spans.begin() + static_cast<std::ptrdiff_t>(i), covers);
            const ClockFold fold = earlier ? ClockFold::Second : later ? ClockFold::First : ClockFold::None;
            out.push_back({m, cuts[c + 1] - 1, spans[i].Zone, false, fold});
        }
    }
    return out;
}

std::string MinuteText(int minuteOfDay) {
    const int h = minuteOfDay / 60, m = minuteOfDay % 60;
    return {static_cast<char>('0' + h / 10), static_cast<char>('0' + h % 10), ':', static_cast<char>('0' + m / 10),
            static_cast<char>('0' + m % 10)};
}

std::optional<MinuteWindow> ParseMinuteWindow(std::string_view text) {
    text = Trimmed(text);
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "unknown") return MinuteWindow{};
    std::size_t dash = text.find('-');
    std::size_t after = dash + 1;
    if (dash == std::string_view::npos) {
        dash = text.find("\xE2\x80\x93");  // an en dash, as the program writes spans
        after = dash + 3;
    }
    if (dash == std::string_view::npos) return std::nullopt;
    const auto from = ClockMinute(Trimmed(text.substr(0, dash)));
    const auto to = ClockMinute(Trimmed(text.substr(after)));
    if (!from || !to || *from > *to) return std::nullopt;
    return MinuteWindow{*from, *to};
}

const GalacticSign* TimeWindowReading::CertainSign(Frame frame) const {
    const auto f = static_cast<std::size_t>(frame);
    if (Runs.empty()) return nullptr;
    const GalacticSign* sign = Runs.front().Signs[f];
    for (const TimeRun& run : Runs)
        if (run.Signs[f] != sign) return nullptr;
    return sign;
}

std::vector<FrameSpan> FrameSpans(const TimeWindowReading& reading, Frame frame) {
    const auto f = static_cast<std::size_t>(frame);
    const std::vector<TimeRun>& runs = reading.Runs;
    std::vector<FrameSpan> out;
    for (std::size_t i = 0; i < runs.size();) {
        std::size_t j = i;
        while (j + 1 < runs.size() && runs[j + 1].Signs[f] == runs[i].Signs[f]) ++j;
        out.push_back({runs[i].Signs[f], runs[i].FirstMinute, runs[j].LastMinute, runs[i].Fold, runs[j].Fold});
        i = j + 1;
    }
    return out;
}

TimeWindowReading ReadTimeWindow(const BirthData& birth, std::span<const ClockStretch> clock, MinuteWindow window,
                                 int yearListPosition) {
    TimeWindowReading out;
    out.Window = window;
    out.Phase = ComputeMoonPhase(birth.Day, birth.Month, birth.Year, yearListPosition);
    out.Runs.reserve(64);

    // Which minutes of the window no stretch shows.
    std::bitset<kMinutesPerDay> shown;
    BirthData at = birth;
    at.Second = 0;
    const ClockStretch* lastStretch = nullptr;
    int lastMinute = 0;
    for (const ClockStretch& stretch : clock) {
        const int first = std::max(stretch.FirstMinute, window.From), last = std::min(stretch.LastMinute, window.To);
        if (first > last) continue;
        lastStretch = &stretch;
        lastMinute = last;
        if (stretch.Fold != ClockFold::None) out.Repeated = true;
        at.IsDaylightSaving = stretch.DaylightSaving;
        for (int minute = first; minute <= last; ++minute) {
            shown.set(static_cast<std::size_t>(minute));
            at.Hour = static_cast<std::int16_t>(minute / 60);
            at.Minute = static_cast<std::int16_t>(minute % 60);
            // The very reading a birth at this minute gets.
            const GalacticReading r = MakeGalacticReading(at, stretch.Zone, yearListPosition);
            if (out.Runs.empty()) out.First = r;
            const std::array<const GalacticSign*, kFrameCount> signs{r.AscendantSign, r.DescendantSign, r.MoonSign,
                                                                     r.SunSign};
            // A run goes on into the next stretch only over minutes the clock skipped, never from one pass
            // of a repeated hour into the other.
            TimeRun* previous = out.Runs.empty() ? nullptr : &out.Runs.back();
            if (previous && previous->Signs == signs && previous->Fold == stretch.Fold &&
                (minute != first || stretch.Fold == ClockFold::None))
                previous->LastMinute = minute;
            else
                out.Runs.push_back({minute, minute, stretch.Fold, signs});
        }
    }
    if (lastStretch) {
        at.IsDaylightSaving = lastStretch->DaylightSaving;
        at.Hour = static_cast<std::int16_t>(lastMinute / 60);
        at.Minute = static_cast<std::int16_t>(lastMinute % 60);
        out.Last = MakeGalacticReading(at, lastStretch->Zone, yearListPosition);
    }
    for (int minute = window.From; minute <= window.To; ++minute) {
        if (shown.test(static_cast<std::size_t>(minute))) continue;
        if (!out.Skipped.empty() && out.Skipped.back().Last == minute - 1)
            out.Skipped.back().Last = minute;
        else
            out.Skipped.push_back({minute, minute});
    }
    return out;
}

}  // namespace quorvane
