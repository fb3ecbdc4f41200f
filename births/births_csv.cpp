// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/births_csv.h"

#include <array>
#include <cstdio>
#include <optional>

#include "births/aaf_fields.h"
#include "common/text.h"
#include "l10n/sentences.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"

namespace quorvane::births {
namespace {

constexpr std::size_t kColumns = 7;

bool SameLetters(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != lower[i]) return false;
    }
    return true;
}

// ---- the fields, each read in one place

Parsed<CalendarDate> DateField(std::string_view text) {
    const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-';
    const auto year = shaped ? Digits(text.substr(0, 4), 4) : std::nullopt;
    const auto month = year ? Digits(text.substr(5, 2), 2) : std::nullopt;
    const auto day = month ? Digits(text.substr(8, 2), 2) : std::nullopt;
    if (!day) return {std::nullopt, l10n::Say(l10n::file_text::CsvDate, {QuotedText(text)})};
    return CheckDate(*year, *month, *day, false, text);
}

// An empty time, or "unknown", is a birth time not known: the birth is read over the whole day.
bool IsUnknownTime(std::string_view text) {
    return text.empty() || SameLetters(text, "unknown");
}

Parsed<ClockTime> TimeField(std::string_view text) {
    if (IsUnknownTime(text)) return {ClockTime{}, {}};
    return ParseTime(text);
}

Parsed<CsvZone> ZoneField(std::string_view text) {
    if (std::optional<CsvZone> zone = ZoneOf(text)) return {std::move(zone), {}};
    return {std::nullopt, l10n::Say(l10n::file_text::CsvZone,
                                    {QuotedText(text), l10n::Plain("last", std::to_string(kLastTimeZoneIndex))})};
}

Parsed<bool> DaylightField(std::string_view text) {
    if (const std::optional<bool> flag = DaylightFlagOf(text)) return {flag, {}};
    return {std::nullopt, l10n::Say(l10n::file_text::CsvDaylightFlag, {QuotedText(text)})};
}

// Fills the birth from a record's seven fields; on a refusal, Error names the first field that is wrong.
void ReadFields(const std::vector<std::string>& fields, Birth& birth) {
    if (fields.size() != kColumns) {
        birth.Error = l10n::Say(l10n::file_text::CsvFields, {l10n::Plain("count", std::to_string(fields.size())),
                                                             l10n::Plain("header", std::string(kCsvHeader))});
        return;
    }
    std::array<std::string_view, kColumns> f;
    for (std::size_t i = 0; i < f.size(); ++i) f[i] = Trim(fields[i]);
    birth.Data.Name = std::string(f[0]);
    const Parsed<CalendarDate> date = DateField(f[1]);
    const Parsed<ClockTime> time = date.Value ? TimeField(f[2]) : Parsed<ClockTime>{};
    const Parsed<CsvZone> zone = time.Value ? ZoneField(f[3]) : Parsed<CsvZone>{};
    const Parsed<bool> daylight = zone.Value ? DaylightField(f[4]) : Parsed<bool>{};
    const Parsed<Angle> latitude =
        daylight.Value ? ParseAngle(f[5], 'n', 's', 89, l10n::file_text::Latitude) : Parsed<Angle>{};
    const Parsed<Angle> longitude =
        latitude.Value ? ParseAngle(f[6], 'e', 'w', 179, l10n::file_text::Longitude) : Parsed<Angle>{};
    for (const l10n::Sentence* why : {&date.Why, &time.Why, &zone.Why, &daylight.Why, &latitude.Why, &longitude.Why})
        if (!why->empty()) {
            birth.Error = *why;
            return;
        }
    BirthData& d = birth.Data;
    d.Year = static_cast<std::int16_t>(date.Value->Year);
    d.Month = static_cast<std::int16_t>(date.Value->Month);
    d.Day = static_cast<std::int16_t>(date.Value->Day);
    d.Hour = static_cast<std::int16_t>(time.Value->Hour);
    d.Minute = static_cast<std::int16_t>(time.Value->Minute);
    d.Second = static_cast<std::int16_t>(time.Value->Second);
    birth.TimeUnknown = IsUnknownTime(f[2]);
    d.IsDaylightSaving = *daylight.Value;
    SetDegreesMinutes(*latitude.Value, 89, d.LatitudeDegrees, d.LatitudeMinutes);
    d.IsSouth = latitude.Value->Negative;
    SetDegreesMinutes(*longitude.Value, 179, d.LongitudeDegrees, d.LongitudeMinutes);
    d.IsEast = !longitude.Value->Negative;
    if (zone.Value->Row >= 0) {
        birth.ZoneRow = zone.Value->Row;
        birth.StandardOffset = *Zone_Calculation(zone.Value->Row);
    } else if (zone.Value->Offset) {
        birth.Clock = ClockKind::Offset;
        birth.StandardOffset = *zone.Value->Offset;
    } else {
        birth.Clock = ClockKind::LocalMeanTime;
        birth.StandardOffset = LocalMeanTimeOffset(static_cast<long>(longitude.Value->TotalSeconds()));
    }
}

}  // namespace

std::optional<CsvZone> ZoneOf(std::string_view text) {
    text = Trim(text);
    // Digits only: a signed number is an offset, never a row.
    if (const auto row = Digits(text, 2))
        return *row < kTimeZoneCount ? std::optional<CsvZone>(CsvZone{*row, {}, false}) : std::nullopt;
    if (SameLetters(text, "lmt")) return CsvZone{-1, std::nullopt, true};
    if (const auto offset = ParseUtcOffset(text)) return CsvZone{-1, offset, false};
    return std::nullopt;
}

std::optional<bool> DaylightFlagOf(std::string_view text) {
    text = Trim(text);
    for (const std::string_view yes : {"1", "yes", "true"})
        if (SameLetters(text, yes)) return true;
    for (const std::string_view no : {"0", "no", "false", ""})
        if (SameLetters(text, no)) return false;
    return std::nullopt;
}

bool IsCsvHeader(const csv::Record& first) {
    if (first.Fields.empty() || !SameLetters(Trim(first.Fields[0]), "name")) return false;
    // "Name,1985-06-15,…" is a birth of someone called Name.
    const std::string_view second = first.Fields.size() > 1 ? Trim(first.Fields[1]) : std::string_view{};
    return second.empty() || second.front() < '0' || second.front() > '9';
}

bool StartsWithCsvHeader(std::string_view text) {
    csv::Reader reader(text);
    csv::Record first;
    return reader.Next(first) && IsCsvHeader(first);
}

bool CsvReader::Next(Birth& birth) {
    while (reader_.Next(record_)) {
        const bool header = first_ && IsCsvHeader(record_);
        first_ = false;
        if (header || csv::IsBlank(record_)) continue;
        birth = Birth();
        ReadCsvRecord(record_, birth);
        return true;
    }
    return false;
}

void ReadCsvRecord(const csv::Record& record, Birth& birth) {
    birth.Line = record.Line;
    birth.Lines = {std::string(record.Text)};
    if (record.UnclosedQuote)
        birth.Error = l10n::Say(l10n::file_text::QuoteNotClosed);
    else
        ReadFields(record.Fields, birth);
}

Book ReadCsv(std::string_view text) {
    Book book;
    CsvReader reader(text);
    Birth birth;
    while (reader.Next(birth)) book.Births.push_back(std::move(birth));
    return book;
}

bool CsvCanHold(const Birth& birth) {
    return birth.Error.empty() && (birth.ZoneRow >= 0 || HasExactOffset(birth));
}

l10n::Sentence CsvRefusal(const Birth& birth) {
    if (!birth.Error.empty()) return birth.Error;
    if (CsvCanHold(birth)) return {};
    return l10n::Say(l10n::births_text::RefusedInCsv, {l10n::Nested("refusal", ReadingRefusal(birth))});
}

std::string WriteCsv(const Book& book) {
    std::string text = std::string(kCsvHeader) + "\n";
    for (const Birth& birth : book.Births) {
        if (!CsvCanHold(birth)) continue;
        const BirthData& d = birth.Data;
        const std::string zone = birth.ZoneRow >= 0                        ? std::to_string(birth.ZoneRow)
                                 : birth.Clock == ClockKind::LocalMeanTime ? std::string("LMT")
                                                                           : FormatUtcOffset(birth.StandardOffset);
        char time[24];
        if (birth.TimeUnknown)
            time[0] = '\0';
        else if (d.Second != 0)
            std::snprintf(time, sizeof time, "%02d:%02d:%02d", d.Hour, d.Minute, d.Second);
        else
            std::snprintf(time, sizeof time, "%02d:%02d", d.Hour, d.Minute);
        char fields[80];
        std::snprintf(fields, sizeof fields, ",%04d-%02d-%02d,%s,%s,%d,", d.Year, d.Month, d.Day, time, zone.c_str(),
                      d.IsDaylightSaving ? 1 : 0);
        // Hemispheres in capitals, as the command line's options write them: 40N42,74W00.
        text += csv::Field(d.Name) + fields + AngleText(d.LatitudeDegrees, d.LatitudeMinutes, d.IsSouth ? 'S' : 'N') +
                "," + AngleText(d.LongitudeDegrees, d.LongitudeMinutes, d.IsEast ? 'E' : 'W') + "\n";
    }
    return text;
}

}  // namespace quorvane::births
