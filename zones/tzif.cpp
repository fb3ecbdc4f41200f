// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "zones/tzif.h"

#include <algorithm>
#include <cstring>

namespace quorvane::zones {
namespace {

struct Header {
    char Version = 0;
    std::uint32_t UtCount = 0, StandardCount = 0, LeapCount = 0, TimeCount = 0, TypeCount = 0, CharCount = 0;
};

// Reads big-endian fields from the bytes, refusing to step past their end.
class Bytes {
public:
    explicit Bytes(std::string_view bytes) : bytes_(bytes) {}
    std::size_t Left() const { return bytes_.size() - pos_; }
    bool Has(std::uint64_t n) const { return n <= Left(); }
    std::string_view Take(std::size_t n) {
        const std::string_view part = bytes_.substr(pos_, n);
        pos_ += n;
        return part;
    }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(bytes_[pos_++]); }
    std::uint32_t U32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | Byte();
        return v;
    }
    std::int64_t I64() {
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v = v << 8 | Byte();
        return static_cast<std::int64_t>(v);
    }
    void Skip(std::uint64_t n) { pos_ += static_cast<std::size_t>(n); }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

std::optional<Header> ReadHeader(Bytes& in, std::string& error) {
    if (!in.Has(44) || in.Take(4) != "TZif") {
        error = "not a TZif file (no \"TZif\" at its start)";
        return std::nullopt;
    }
    Header h;
    h.Version = static_cast<char>(in.Byte());
    if (h.Version != '\0' && (h.Version < '2' || h.Version > '4')) {
        error = "unknown TZif version";
        return std::nullopt;
    }
    in.Skip(15);
    h.UtCount = in.U32();
    h.StandardCount = in.U32();
    h.LeapCount = in.U32();
    h.TimeCount = in.U32();
    h.TypeCount = in.U32();
    h.CharCount = in.U32();
    if (h.TypeCount == 0 || h.TypeCount > 256 || h.CharCount == 0 || (h.UtCount != 0 && h.UtCount != h.TypeCount) ||
        (h.StandardCount != 0 && h.StandardCount != h.TypeCount)) {
        error = "the TZif header's counts are inconsistent";
        return std::nullopt;
    }
    return h;
}

std::uint64_t DataSize(const Header& h, int timeSize) {
    return std::uint64_t{h.TimeCount} * (timeSize + 1) + std::uint64_t{h.TypeCount} * 6 + h.CharCount +
           std::uint64_t{h.LeapCount} * (timeSize + 4) + h.StandardCount + h.UtCount;
}

// A day number from seconds, rounding towards the past.
std::int64_t DayOf(std::int64_t seconds) {
    return seconds / 86400 - (seconds % 86400 < 0 ? 1 : 0);
}

// The rule repeats every year; an instant beyond these years is answered from the nearest of them, which
// keeps the calendar arithmetic far from overflow.
constexpr int kFirstRuleYear = -9999;
constexpr int kLastRuleYear = 9999;

// Beyond a day and two hours no clock has been set; such a file is damaged.
constexpr std::int32_t kLargestOffset = 26 * 3600;

}  // namespace

std::variant<Zone, std::string> ReadTzif(std::string_view bytes) {
    Bytes in(bytes);
    std::string error;
    auto header = ReadHeader(in, error);
    if (!header) return error;
    int timeSize = 4;
    if (header->Version != '\0') {
        // The first block is for 32-bit readers; the second has the whole history.
        const std::uint64_t first = DataSize(*header, 4);
        if (!in.Has(first)) return std::string("the TZif file ends inside its first data block");
        in.Skip(first);
        header = ReadHeader(in, error);
        if (!header) return error;
        timeSize = 8;
    }
    const Header& h = *header;
    if (!in.Has(DataSize(h, timeSize))) return std::string("the TZif file ends inside its data block");

    struct RawType {
        std::int32_t Offset;
        bool Daylight;
        std::uint8_t Abbreviation;
    };
    std::vector<std::int64_t> times(h.TimeCount);
    for (std::int64_t& t : times) t = timeSize == 8 ? in.I64() : static_cast<std::int32_t>(in.U32());
    std::vector<std::uint8_t> typeOf(h.TimeCount);
    for (std::uint8_t& t : typeOf) t = in.Byte();
    std::vector<RawType> types(h.TypeCount);
    for (RawType& t : types) {
        t.Offset = static_cast<std::int32_t>(in.U32());
        const std::uint8_t daylight = in.Byte();
        t.Abbreviation = in.Byte();
        if (daylight > 1) return std::string("a local time type's daylight flag is neither 0 nor 1");
        if (t.Offset < -kLargestOffset || t.Offset > kLargestOffset)
            return std::string("a local time type's offset is out of range");
        if (t.Abbreviation >= h.CharCount) return std::string("a local time type's abbreviation lies outside the file");
        t.Daylight = daylight == 1;
    }
    const std::string_view chars = in.Take(h.CharCount);
    if (chars.back() != '\0') return std::string("the abbreviations do not end with a NUL");
    in.Skip(std::uint64_t{h.LeapCount} * (timeSize + 4) + h.StandardCount + h.UtCount);
    for (std::size_t i = 0; i < times.size(); ++i) {
        if (typeOf[i] >= h.TypeCount) return std::string("a change names a local time type the file lacks");
        if (i > 0 && times[i] <= times[i - 1]) return std::string("the changes are not in order");
    }

    Zone zone;
    if (timeSize == 8) {
        if (!in.Has(2) || in.Byte() != '\n') return std::string("the TZif footer is missing");
        std::string_view rest = in.Take(in.Left());
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos) return std::string("the TZif footer does not end");
        if (end > 0) {
            auto rule = ParsePosixTz(rest.substr(0, end), &error);
            if (!rule) return "the TZif footer's rule: " + error;
            zone.rule_ = std::move(*rule);
        }
    }

    // Abbreviations once each, by text.
    const auto abbreviation = [&](std::string_view text) {
        const auto found = std::find(zone.abbreviations_.begin(), zone.abbreviations_.end(), text);
        if (found != zone.abbreviations_.end()) return static_cast<std::uint16_t>(found - zone.abbreviations_.begin());
        zone.abbreviations_.emplace_back(text);
        return static_cast<std::uint16_t>(zone.abbreviations_.size() - 1);
    };
    const auto textOf = [&](const RawType& t) { return std::string_view(chars.data() + t.Abbreviation); };
    zone.beforeFirst_ = {types[0].Offset, 0, abbreviation(textOf(types[0]))};

    // The file gives each period's whole offset and whether it is daylight time; the standard offset under
    // daylight time is inferred: the standard time in force before it, unless daylight time began as the
    // standard offset changed, which the following return to standard time shows.
    int standard = zone.beforeFirst_.StandardOffset;
    for (std::uint8_t t : typeOf)
        if (!types[t].Daylight) {
            standard = types[t].Offset;
            break;
        }
    int lastSaving = 3600;
    for (std::size_t i = 0; i < times.size(); ++i) {
        const RawType& type = types[typeOf[i]];
        if (!type.Daylight) {
            standard = type.Offset;
        } else if (type.Offset != standard + lastSaving) {
            const int inferred = type.Offset - lastSaving;
            for (std::size_t j = i + 1; j < times.size(); ++j) {
                const RawType& next = types[typeOf[j]];
                if (next.Daylight) continue;
                const int after = next.Offset;
                if (after == standard) {
                } else if (after == inferred) {
                    standard = after;
                } else if (type.Offset - 3600 == standard) {
                } else if (type.Offset - 3600 == after) {
                    standard = after;
                } else {
                    // Prefer the end that gives a saving closer to the last, a positive one first.
                    const bool closer = std::abs(after - inferred) < std::abs(standard - inferred);
                    if (after < type.Offset ? (standard >= type.Offset || closer) : (standard >= type.Offset && closer))
                        standard = after;
                }
                break;
            }
            lastSaving = type.Offset - standard;
        }
        const Zone::Kind kind{standard, type.Offset - standard, abbreviation(textOf(type))};
        const auto found = std::find(zone.kinds_.begin(), zone.kinds_.end(), kind);
        if (found == zone.kinds_.end()) zone.kinds_.push_back(kind);
        zone.changes_.push_back(
            {times[i], static_cast<std::uint16_t>(std::find(zone.kinds_.begin(), zone.kinds_.end(), kind) -
                                                  zone.kinds_.begin())});
    }
    return zone;
}

ClockState Zone::StateOf(const Kind& kind, std::int64_t since) const {
    return {since, kind.StandardOffset + kind.Saving, kind.StandardOffset, abbreviations_[kind.Abbreviation]};
}

ClockState Zone::StateOf(const RuleChange& change, std::int64_t since) const {
    return {since, change.Offset, change.StandardOffset, change.Daylight ? rule_->DaylightName : rule_->StandardName};
}

bool Zone::RuleApplies(std::int64_t utc) const {
    return rule_ && (changes_.empty() || changes_.back().At < utc);
}

// The rule's changes in the year of an instant and the years either side.
std::vector<RuleChange> Zone::RuleChangesNear(std::int64_t utc) const {
    const std::int64_t day =
        std::clamp<std::int64_t>(DayOf(utc), DaysFromCivil(kFirstRuleYear, 1, 1), DaysFromCivil(kLastRuleYear, 12, 31));
    const int year = YearOfDay(day);
    return RuleChanges(*rule_, year - 1, year + 1, changes_.empty() ? utc : changes_.back().At);
}

ClockState Zone::At(std::int64_t utc) const {
    if (RuleApplies(utc)) {
        const std::vector<RuleChange> near = RuleChangesNear(utc);
        const auto next =
            std::partition_point(near.begin(), near.end(), [&](const RuleChange& c) { return c.AtUtc <= utc; });
        if (next != near.begin())
            return StateOf(*(next - 1),
                           changes_.empty() ? (next - 1)->AtUtc : std::max((next - 1)->AtUtc, changes_.back().At));
        if (changes_.empty() && next != near.end()) return StateOf(*next, utc);
        // Between the last listed change and the rule's first: the last listed change holds.
    }
    const auto next =
        std::partition_point(changes_.begin(), changes_.end(), [&](const Change& c) { return c.At <= utc; });
    if (next == changes_.begin()) return StateOf(beforeFirst_, utc);
    return StateOf(kinds_[(next - 1)->Kind], (next - 1)->At);
}

std::optional<ClockState> Zone::NextChange(std::int64_t after) const {
    // From the last listed change on, the next is the rule's.
    if (rule_ && (changes_.empty() || changes_.back().At <= after)) {
        const std::vector<RuleChange> near = RuleChangesNear(after);
        const auto next =
            std::partition_point(near.begin(), near.end(), [&](const RuleChange& c) { return c.AtUtc <= after; });
        if (next == near.end()) return std::nullopt;
        return StateOf(*next, next->AtUtc);
    }
    const auto next =
        std::partition_point(changes_.begin(), changes_.end(), [&](const Change& c) { return c.At <= after; });
    if (next == changes_.end()) return std::nullopt;
    return StateOf(kinds_[next->Kind], next->At);
}

std::optional<ClockState> Zone::PreviousChange(std::int64_t before) const {
    if (RuleApplies(before)) {
        const std::vector<RuleChange> near = RuleChangesNear(before);
        const auto next =
            std::partition_point(near.begin(), near.end(), [&](const RuleChange& c) { return c.AtUtc < before; });
        // The rule's changes before the last listed one are not the zone's.
        if (next != near.begin() && (changes_.empty() || (next - 1)->AtUtc > changes_.back().At))
            return StateOf(*(next - 1), (next - 1)->AtUtc);
        if (changes_.empty()) return std::nullopt;
        return StateOf(kinds_[changes_.back().Kind], changes_.back().At);
    }
    const auto next =
        std::partition_point(changes_.begin(), changes_.end(), [&](const Change& c) { return c.At < before; });
    if (next == changes_.begin()) return std::nullopt;
    return StateOf(kinds_[(next - 1)->Kind], (next - 1)->At);
}

}  // namespace quorvane::zones
