// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/births.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <tuple>
#include <utility>

#include "births/aaf_fields.h"
#include "births/csv.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"
#include "reading/zone_rows.h"

namespace quorvane::births {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBirthChunk = "#A93:";
constexpr std::string_view kPlaceChunk = "#B93:";
constexpr std::string_view kZoneNameChunk = "#ZNAM:";
constexpr std::string_view kZoneRowChunk = "#QZROW:";  // this program's own: the row chosen
constexpr std::string_view kClockChunk = "#QCLOCK:";   // this program's own: "LMT" for local mean time
constexpr std::string_view kSubRecordChunk = "#SUB";
constexpr double kSecondsPerDay = 86400.0;

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// ---- encodings

// The length of the UTF-8 sequence that starts with `lead`, or 0 when no sequence starts with it.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsUtf8(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const int length = SequenceLength(static_cast<unsigned char>(text[at]));
        if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) return false;
        for (int k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[at + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
        // The second byte also rules out overlong forms, UTF-16 surrogates and code points past U+10FFFF,
        // which JSON writers and Qt refuse.
        const auto lead = static_cast<unsigned char>(text[at]);
        const auto second = length > 1 ? static_cast<unsigned char>(text[at + 1]) : 0x80;
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
            (lead == 0xF4 && second > 0x8F))
            return false;
        at += static_cast<std::size_t>(length);
    }
    return true;
}

std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

// Characters beyond ISO-8859-1 become '?'.
std::string Utf8ToLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            out += text[at];
        } else if ((lead == 0xC2 || lead == 0xC3) && at + 1 < text.size()) {
            out += static_cast<char>(((lead & 0x1F) << 6) | (static_cast<unsigned char>(text[at + 1]) & 0x3F));
            ++at;
        } else {
            out += '?';
            while (at + 1 < text.size() && (static_cast<unsigned char>(text[at + 1]) & 0xC0) == 0x80) ++at;
        }
    }
    return out;
}

// ---- fields and chunks

// Up to `most` comma-separated fields, trimmed; the last takes the rest of the line.
std::vector<std::string_view> Fields(std::string_view text, std::size_t most) {
    std::vector<std::string_view> fields;
    for (;;) {
        const auto comma = fields.size() + 1 < most ? text.find(',') : std::string_view::npos;
        fields.push_back(TrimBlanks(text.substr(0, comma)));
        if (comma == std::string_view::npos) return fields;
        text.remove_prefix(comma + 1);
    }
}

std::string_view Given(std::string_view field) { return field == "*" ? std::string_view{} : field; }

// A chunk: "#TAG:" and its data, which may go on over the following lines that do not start with '#'.
struct Chunk {
    std::string_view Tag;   // "#A93:", with its colon
    std::string Data;       // after the tag, the continuation lines joined on, without CRs
    std::size_t First = 0;  // its lines in the record
    std::size_t Last = 0;
    bool InSubRecord = false;
};

std::string_view WithoutCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::vector<Chunk> ChunksOf(const std::vector<std::string>& lines) {
    std::vector<Chunk> chunks;
    bool inSubRecord = false;
    bool open = false;  // the last chunk may still be continued
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = WithoutCr(lines[i]);
        if (StartsWith(line, "#")) {
            const auto colon = line.find(':');
            Chunk chunk;
            chunk.Tag = line.substr(0, colon == std::string_view::npos ? line.size() : colon + 1);
            chunk.Data = std::string(colon == std::string_view::npos ? std::string_view{} : line.substr(colon + 1));
            chunk.First = chunk.Last = i;
            if (StartsWith(line, kSubRecordChunk)) inSubRecord = true;
            chunk.InSubRecord = inSubRecord;
            chunks.push_back(std::move(chunk));
            open = true;
        } else if (open && !TrimBlanks(line).empty()) {
            chunks.back().Data += TrimBlanks(line);
            chunks.back().Last = i;
        } else {
            open = false;
        }
    }
    return chunks;
}

// The record's own chunks: its #A93 and the first of the others outside a sub-record.
struct OwnChunks {
    const Chunk* Birth = nullptr;
    const Chunk* Place = nullptr;
    const Chunk* ZoneName = nullptr;
    const Chunk* ZoneRow = nullptr;
    const Chunk* Clock = nullptr;
};

OwnChunks FindOwn(const std::vector<Chunk>& chunks) {
    OwnChunks own;
    for (const Chunk& chunk : chunks) {
        if (chunk.InSubRecord) continue;
        const std::pair<std::string_view, const Chunk**> kinds[] = {{kBirthChunk, &own.Birth},
                                                                     {kPlaceChunk, &own.Place},
                                                                     {kZoneNameChunk, &own.ZoneName},
                                                                     {kZoneRowChunk, &own.ZoneRow},
                                                                     {kClockChunk, &own.Clock}};
        for (const auto& [tag, slot] : kinds)
            if (chunk.Tag == tag && *slot == nullptr) *slot = &chunk;
    }
    return own;
}

// ---- names and countries

std::string JoinName(std::string_view first, std::string_view last) {
    first = Given(first);
    last = Given(last);
    if (first.empty()) return std::string(last);
    if (last.empty()) return std::string(first);
    return std::string(first) + " " + std::string(last);
}

// The ISO 3166 code for the country abbreviations AAF files use (the international vehicle codes).
std::string IsoCountry(std::string_view aaf) {
    static constexpr std::pair<std::string_view, std::string_view> kCodes[] = {
        {"D", "DE"},   {"USA", "US"}, {"GB", "GB"}, {"F", "FR"},   {"I", "IT"},   {"CH", "CH"}, {"A", "AT"},
        {"NL", "NL"},  {"E", "ES"},   {"B", "BE"},  {"DK", "DK"},  {"S", "SE"},   {"N", "NO"},  {"P", "PT"},
        {"AUS", "AU"}, {"CDN", "CA"}, {"J", "JP"},  {"IND", "IN"}, {"RUS", "RU"}, {"IRL", "IE"}};
    for (const auto& [code, iso] : kCodes)
        if (aaf == code) return std::string(iso);
    return aaf.size() == 2 ? std::string(aaf) : std::string();
}

// ---- one record

int ArcSecondsToMinutes(int arcSeconds) { return (arcSeconds + 30) / 60; }

// Whole degrees and minutes, the seconds rounded; an angle at the end of its range stays inside it.
void SetAngle(const Angle& angle, int maxDegrees, std::int16_t& degrees, std::int16_t& minutes) {
    const int total = std::min(ArcSecondsToMinutes(angle.Degrees * 3600 + angle.Minutes * 60 + angle.Seconds),
                               maxDegrees * 60 + 59);
    degrees = static_cast<std::int16_t>(total / 60);
    minutes = static_cast<std::int16_t>(total % 60);
}

// The Julian day of a local clock time read as if it were Universal Time.
double ClockJulianDay(const CalendarDate& date, const ClockTime& time) {
    return static_cast<double>(GregorianDayNumber(date.Year, date.Month, date.Day)) - 0.5 +
           (time.Hour * 3600 + time.Minute * 60 + time.Second) / kSecondsPerDay;
}

// The local clock at a Julian day for a clock `secondsWest` behind Universal Time.
std::pair<CalendarDate, ClockTime> ClockAt(double julianDay, int secondsWest) {
    const double shifted = julianDay + 0.5 - secondsWest / kSecondsPerDay;
    long dayNumber = static_cast<long>(std::floor(shifted));
    long seconds = std::lround((shifted - static_cast<double>(dayNumber)) * kSecondsPerDay);
    if (seconds >= 86400) {
        seconds -= 86400;
        ++dayNumber;
    }
    const ClockTime time{static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
    return {GregorianDate(dayNumber), time};
}

// The row for a file's offset, zone abbreviation and country. A file names the same few again and again,
// so the last answers are kept (per thread: readers may run side by side).
std::optional<int> FileRow(int secondsEast, std::string_view abbreviation, std::string_view country) {
    struct Answer {
        int SecondsEast = 0;
        std::string Abbreviation, Country;
        std::optional<int> Row;
    };
    thread_local std::array<Answer, 16> answers;
    thread_local std::size_t kept = 0, next = 0;
    for (std::size_t i = 0; i < kept; ++i) {
        const Answer& a = answers[i];
        if (a.SecondsEast == secondsEast && a.Abbreviation == abbreviation && a.Country == country) return a.Row;
    }
    Answer& a = answers[next];
    a = {secondsEast, std::string(abbreviation), std::string(country),
         RowWithOffset(secondsEast, abbreviation, false, {}, country)};
    next = (next + 1) % answers.size();
    kept = std::max(kept, next == 0 ? answers.size() : next);
    return a.Row;
}

class RecordReader {
public:
    explicit RecordReader(Birth& birth) : birth_(birth) {}

    // Fills the birth from its lines; on a refusal, Error says which field and why.
    void Read() {
        const std::vector<Chunk> chunks = ChunksOf(birth_.Lines);
        const OwnChunks own = FindOwn(chunks);
        if (!ReadBirthChunk(own.Birth) || !ReadPlaceChunk(own.Place)) return;
        ChooseClock(own);
        if (!ApplyJulianDay()) return;
        if (date_->Year < kFirstYear || date_->Year > kLastYear) {
            Refuse("the year " + std::to_string(date_->Year) + " lies outside " + std::to_string(kFirstYear) + "\u2013" +
                   std::to_string(kLastYear));
            return;
        }
        BirthData& data = birth_.Data;
        data.Year = static_cast<std::int16_t>(date_->Year);
        data.Month = static_cast<std::int16_t>(date_->Month);
        data.Day = static_cast<std::int16_t>(date_->Day);
        data.Hour = static_cast<std::int16_t>(time_->Hour);
        data.Minute = static_cast<std::int16_t>(time_->Minute);
        data.Second = static_cast<std::int16_t>(time_->Second);
    }

private:
    bool Refuse(std::string why) {
        birth_.Error = std::move(why);
        return false;
    }

    bool ReadBirthChunk(const Chunk* chunk) {
        const std::vector<std::string_view> f = Fields(chunk->Data, 8);
        if (f.size() < 7) {
            Refuse("the #A93 line has " + std::to_string(f.size()) +
                   " fields; it needs 7: last name, first name, type, date, time, place, country");
            return false;
        }
        birth_.LastName = std::string(f[0]);
        birth_.FirstName = std::string(f[1]);
        birth_.Data.Name = JoinName(f[1], f[0]);
        birth_.Type = std::string(f[2]);
        birth_.Place = std::string(Given(f[5]));
        birth_.Country = std::string(Given(f[6]));
        if (f[3] != "*") {
            Parsed<CalendarDate> date = ParseDate(f[3]);
            if (!date.Value) return Refuse(std::move(date.Why));
            date_ = date.Value;
        }
        if (f[4] != "*") {
            Parsed<ClockTime> time = ParseTime(f[4]);
            if (!time.Value) return Refuse(std::move(time.Why));
            time_ = time.Value;
        }
        return true;
    }

    bool ReadPlaceChunk(const Chunk* chunk) {
        if (!chunk) return Refuse("the record has no #B93 line (latitude, longitude and zone)");
        const std::vector<std::string_view> f = Fields(chunk->Data, 6);
        if (f.size() < 5) {
            Refuse("the #B93 line has " + std::to_string(f.size()) +
                   " fields; it needs 5: Julian day, latitude, longitude, zone, daylight flag");
            return false;
        }
        Parsed<Angle> latitude = ParseAngle(f[1], 'n', 's', 89, "latitude");
        if (!latitude.Value) return Refuse(std::move(latitude.Why));
        Parsed<Angle> longitude = ParseAngle(f[2], 'e', 'w', 179, "longitude");
        if (!longitude.Value) return Refuse(std::move(longitude.Why));
        BirthData& data = birth_.Data;
        SetAngle(*latitude.Value, 89, data.LatitudeDegrees, data.LatitudeMinutes);
        data.IsSouth = latitude.Value->Negative;
        SetAngle(*longitude.Value, 179, data.LongitudeDegrees, data.LongitudeMinutes);
        data.IsEast = !longitude.Value->Negative;
        longitudeSeconds_ = longitude.Value->TotalSeconds();

        std::string lower;
        for (const char c : f[3]) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (f[3] != "*" && lower != "lmt") {
            Parsed<ZoneOffset> zone = ParseZone(f[3]);
            if (!zone.Value) return Refuse(std::move(zone.Why));
            zone_ = zone.Value;
        }
        localMeanTime_ = lower == "lmt";
        Parsed<DaylightFlag> flag = ParseDaylightFlag(f[4]);
        if (!flag.Value) return Refuse(std::move(flag.Why));
        localMeanTime_ = localMeanTime_ || *flag.Value == DaylightFlag::LocalMeanTime;
        data.IsDaylightSaving = *flag.Value == DaylightFlag::Daylight;

        if (f[0] != "*") {
            julianDay_ = ParseJulianDay(f[0]);
            if (!julianDay_) return Refuse("the Julian day \"" + std::string(f[0].substr(0, 40)) + "\" is not a number");
        }
        return true;
    }

    void ChooseClock(const OwnChunks& own) {
        const bool ownLocalMeanTime = own.Clock && TrimBlanks(own.Clock->Data) == "LMT";
        if (zone_ && !localMeanTime_) {
            birth_.StandardOffset = *zone_;
            if (ownLocalMeanTime) {
                birth_.Clock = ClockKind::LocalMeanTime;
                birth_.Notes = {{NoteKind::LocalMeanTime, UtcOffsetText(-zone_->TotalSecondsWest())}};
                return;
            }
            ChooseRow(own);
            return;
        }
        if (localMeanTime_) {
            birth_.StandardOffset = LocalMeanTimeOffset(static_cast<long>(longitudeSeconds_));
            birth_.Clock = ClockKind::LocalMeanTime;
            birth_.Data.IsDaylightSaving = false;
            birth_.Notes = {{NoteKind::LocalMeanTime, UtcOffsetText(-birth_.StandardOffset.TotalSecondsWest())}};
            return;
        }
        birth_.Clock = ClockKind::Unknown;
        // For whoever can tell that the place kept local mean time on the date (births::TakeLocalMeanTime).
        birth_.StandardOffset = LocalMeanTimeOffset(static_cast<long>(longitudeSeconds_));
        birth_.Notes = {{NoteKind::NoZone}};
    }

    void ChooseRow(const OwnChunks& own) {
        const int secondsEast = -birth_.StandardOffset.TotalSecondsWest();
        if (own.ZoneRow) {
            const std::string_view text = TrimBlanks(own.ZoneRow->Data);
            const auto row = Digits(text, 2);
            if (row && *row < kTimeZoneCount && RowOffsetSeconds(*row) == secondsEast) {
                birth_.ZoneRow = *row;
                return;
            }
        }
        const std::string_view abbreviation = own.ZoneName ? TrimBlanks(own.ZoneName->Data) : std::string_view{};
        if (const auto row = FileRow(secondsEast, abbreviation, IsoCountry(birth_.Country))) {
            birth_.ZoneRow = *row;
            return;
        }
        birth_.Clock = ClockKind::Offset;
        birth_.Notes = {{NoteKind::NoRowHasOffset, UtcOffsetText(secondsEast)}};
    }

    bool ClockKnown() const { return birth_.ZoneRow >= 0 || birth_.Clock != ClockKind::Unknown; }

    // The clock's whole offset from Universal Time, positive west, daylight saving included.
    int SecondsWest() const {
        const ZoneOffset zone = birth_.ZoneRow >= 0 ? *Zone_Calculation(birth_.ZoneRow) : birth_.StandardOffset;
        return zone.TotalSecondsWest() - (birth_.Data.IsDaylightSaving ? 3600 : 0);
    }

    // The Julian day of #B93 gives what date, time and zone leave open, and when they disagree with it,
    // it decides: the record's own definition gives it precedence. Either is said in the note.
    bool ApplyJulianDay() {
        if (!julianDay_) {
            if (!date_) return Refuse("the date is not given (*) and there is no Julian day to take it from");
            // No time and nothing to take it from: the birth is read over the whole day.
            if (!time_) {
                birth_.TimeUnknown = true;
                time_ = ClockTime{};
            }
            return true;
        }
        const double tolerance = julianDay_->Resolution / 2 + 60 / kSecondsPerDay;
        if (date_ && time_ && ClockKnown()) {
            const double recorded = ClockJulianDay(*date_, *time_) + SecondsWest() / kSecondsPerDay;
            if (std::abs(recorded - julianDay_->Day) <= tolerance) return true;
            std::tie(date_, time_) = ClockAt(julianDay_->Day, SecondsWest());
            birth_.Notes.push_back({NoteKind::JulianDayTaken, InstantText(julianDay_->Day), InstantText(recorded)});
            return true;
        }
        if (date_ && time_) {
            // The zone from the difference between the clock and the Julian day, when it is fine enough.
            const double secondsWest = (julianDay_->Day - ClockJulianDay(*date_, *time_)) * kSecondsPerDay;
            const double resolutionSeconds = julianDay_->Resolution * kSecondsPerDay;
            const int localMeanTime = LocalMeanTimeOffset(static_cast<long>(longitudeSeconds_)).TotalSecondsWest();
            if (resolutionSeconds > 60 || std::abs(secondsWest) > ZoneOffset::kMaxSeconds + 3600) {
                birth_.Notes.push_back({NoteKind::JulianDayTooCoarse});
                return true;
            }
            int west = resolutionSeconds > 1 ? static_cast<int>(std::lround(secondsWest / 60) * 60)
                                             : static_cast<int>(std::lround(secondsWest));
            if (std::abs(secondsWest - localMeanTime) <= resolutionSeconds / 2 + 1) {
                birth_.StandardOffset = ZoneOffset::FromSecondsWest(localMeanTime);
                birth_.Clock = ClockKind::LocalMeanTime;
                birth_.Data.IsDaylightSaving = false;
                birth_.Notes = {{NoteKind::LocalMeanTimeFromJulianDay, UtcOffsetText(-localMeanTime)}};
                return true;
            }
            if (birth_.Data.IsDaylightSaving) west += 3600;
            if (std::abs(west) > ZoneOffset::kMaxSeconds) {
                birth_.Notes.push_back({NoteKind::JulianDayTooFar});
                return true;
            }
            birth_.StandardOffset = ZoneOffset::FromSecondsWest(west);
            birth_.Notes.clear();
            OwnChunks none;
            ChooseRow(none);
            birth_.Notes.push_back({NoteKind::ZoneFromJulianDay, UtcOffsetText(-west)});
            return true;
        }
        if (!ClockKnown())
            return Refuse("the date or time is not given (*) and neither is the zone, so the Julian day cannot give them");
        std::tie(date_, time_) = ClockAt(julianDay_->Day, SecondsWest());
        birth_.Notes.push_back({NoteKind::DateTimeFromJulianDay, InstantText(julianDay_->Day)});
        return true;
    }

    Birth& birth_;
    std::optional<CalendarDate> date_;
    std::optional<ClockTime> time_;
    std::optional<ZoneOffset> zone_;
    std::optional<JulianDay> julianDay_;
    bool localMeanTime_ = false;
    int longitudeSeconds_ = 0;  // east positive
};

// ---- writing

// A value for an AAF field: no commas or line feeds (which would end the field or the line), "*" when empty.
std::string FieldText(std::string_view value) {
    std::string text(value);
    for (char& c : text)
        if (c == ',' || c == '\n') c = ' ';
    text = std::string(TrimBlanks(text));
    return text.empty() ? std::string("*") : text;
}

std::string AngleText(int degrees, int minutes, char hemisphere) {
    char text[24];
    std::snprintf(text, sizeof text, "%d%c%02d", degrees, hemisphere, minutes);
    return text;
}

// The two name fields: as the file gave them while the name is unchanged; else "Last, First" at its
// comma, or the name split at its last blank into first names and last name.
std::pair<std::string, std::string> NameFields(const Birth& birth) {
    if (!birth.LastName.empty() || !birth.FirstName.empty())
        if (JoinName(birth.FirstName, birth.LastName) == birth.Data.Name)
            return {FieldText(birth.LastName), FieldText(birth.FirstName)};
    const std::string_view name = TrimBlanks(birth.Data.Name);
    if (const auto comma = name.find(','); comma != std::string_view::npos)
        return {FieldText(name.substr(0, comma)), FieldText(name.substr(comma + 1))};
    const auto blank = name.find_last_of(' ');
    if (blank == std::string_view::npos) return {FieldText(name), "*"};
    return {FieldText(name.substr(blank + 1)), FieldText(name.substr(0, blank))};
}

void AppendNewRecord(const Birth& birth, std::vector<std::string>& out) {
    const BirthData& d = birth.Data;
    const auto [last, first] = NameFields(birth);
    char when[48];
    if (birth.TimeUnknown)
        std::snprintf(when, sizeof when, "%d.%d.%d,*", d.Day, d.Month, d.Year);
    else if (d.Second != 0)
        std::snprintf(when, sizeof when, "%d.%d.%d,%d:%02d:%02d", d.Day, d.Month, d.Year, d.Hour, d.Minute, d.Second);
    else
        std::snprintf(when, sizeof when, "%d.%d.%d,%d:%02d", d.Day, d.Month, d.Year, d.Hour, d.Minute);
    out.push_back(std::string(kBirthChunk) + last + "," + first + "," + FieldText(birth.Type) + "," + when + "," +
                  FieldText(birth.Place) + "," + FieldText(birth.Country));

    std::string zone = "*";
    if (birth.ZoneRow >= 0)
        zone = ZoneText(*Zone_Calculation(birth.ZoneRow));
    else if (HasExactOffset(birth))
        zone = ZoneText(birth.StandardOffset);
    out.push_back(std::string(kPlaceChunk) + "*," + AngleText(d.LatitudeDegrees, d.LatitudeMinutes, d.IsSouth ? 's' : 'n') +
                  "," + AngleText(d.LongitudeDegrees, d.LongitudeMinutes, d.IsEast ? 'e' : 'w') + "," + zone + "," +
                  (d.IsDaylightSaving ? "1" : "0"));
    if (birth.ZoneRow >= 0) {
        out.push_back(std::string(kZoneNameChunk) + std::string(TimeZoneTable()[static_cast<std::size_t>(birth.ZoneRow)].Abbreviation));
        out.push_back(std::string(kZoneRowChunk) + std::to_string(birth.ZoneRow));
    } else if (birth.Clock == ClockKind::LocalMeanTime) {
        out.push_back(std::string(kClockChunk) + "LMT");
    }
}

void AppendRecord(const Birth& birth, bool crLf, std::vector<std::string>& out) {
    if (!birth.Modified || !birth.Error.empty()) {
        out.insert(out.end(), birth.Lines.begin(), birth.Lines.end());
        return;
    }
    const std::size_t first = out.size();
    AppendNewRecord(birth, out);
    if (crLf)
        for (std::size_t i = first; i < out.size(); ++i) out[i] += '\r';
    // Every other line stays, in its order: chunks this program does not write, sub-records, comments.
    const std::vector<Chunk> chunks = ChunksOf(birth.Lines);
    const OwnChunks own = FindOwn(chunks);
    std::vector<bool> replaced(birth.Lines.size(), false);
    for (const Chunk* chunk : {own.Birth, own.Place, own.ZoneName, own.ZoneRow, own.Clock})
        if (chunk)
            for (std::size_t i = chunk->First; i <= chunk->Last; ++i) replaced[i] = true;
    for (std::size_t i = 0; i < birth.Lines.size(); ++i)
        if (!replaced[i]) out.push_back(birth.Lines[i]);
}

// ---- CSV

// One CSV record's birth: columns name,date,time,zone,dst,lat,lon.
void ReadCsvBirth(const std::vector<std::string>& fields, Birth& birth) {
    if (fields.size() != 7) {
        birth.Error = "the line has " + std::to_string(fields.size()) + " fields; it needs 7: name,date,time,zone,dst,lat,lon";
        return;
    }
    std::array<std::string_view, 7> f;
    for (std::size_t i = 0; i < f.size(); ++i) f[i] = TrimBlanks(fields[i]);
    birth.Data.Name = std::string(f[0]);
    const std::string_view date = f[1];
    const auto year = date.size() == 10 && date[4] == '-' && date[7] == '-' ? Digits(date.substr(0, 4), 4) : std::nullopt;
    const auto month = year ? Digits(date.substr(5, 2), 2) : std::nullopt;
    const auto day = year ? Digits(date.substr(8, 2), 2) : std::nullopt;
    if (!year || !month || !day) {
        birth.Error = "the date \"" + std::string(date.substr(0, 40)) + "\" is not YYYY-MM-DD";
        return;
    }
    Parsed<CalendarDate> checked =
        ParseDate(std::to_string(*day) + "." + std::to_string(*month) + "." + std::to_string(*year));
    if (!checked.Value) {
        birth.Error = std::move(checked.Why);
        return;
    }
    // An empty time is a time not known.
    birth.TimeUnknown = f[2].empty() || f[2] == "unknown";
    Parsed<ClockTime> time = birth.TimeUnknown ? Parsed<ClockTime>{ClockTime{}, {}} : ParseTime(f[2]);
    if (!time.Value) {
        birth.Error = std::move(time.Why);
        return;
    }
    // The zone column: a row number, an exact standard offset (+05:45, -00:25:21) or LMT.
    const auto row = Digits(f[3], 2);
    const auto offset = row ? std::nullopt : ParseUtcOffset(f[3]);
    const bool localMeanTime = f[3] == "LMT" || f[3] == "lmt";
    if ((row && *row >= kTimeZoneCount) || (!row && !offset && !localMeanTime)) {
        birth.Error = "the zone \"" + std::string(f[3].substr(0, 40)) + "\" is not a row number 0 to " +
                      std::to_string(kLastTimeZoneIndex) + ", an offset such as +05:45 or -00:25:21, or LMT";
        return;
    }
    if (f[4] != "0" && f[4] != "1" && f[4] != "true" && f[4] != "false") {
        birth.Error = "the daylight flag \"" + std::string(f[4].substr(0, 40)) + "\" is not 0 or 1";
        return;
    }
    Parsed<Angle> latitude = ParseAngle(f[5], 'n', 's', 89, "latitude");
    Parsed<Angle> longitude = ParseAngle(f[6], 'e', 'w', 179, "longitude");
    if (!latitude.Value || !longitude.Value) {
        birth.Error = !latitude.Value ? std::move(latitude.Why) : std::move(longitude.Why);
        return;
    }
    BirthData& d = birth.Data;
    d.Year = static_cast<std::int16_t>(checked.Value->Year);
    d.Month = static_cast<std::int16_t>(checked.Value->Month);
    d.Day = static_cast<std::int16_t>(checked.Value->Day);
    d.Hour = static_cast<std::int16_t>(time.Value->Hour);
    d.Minute = static_cast<std::int16_t>(time.Value->Minute);
    d.Second = static_cast<std::int16_t>(time.Value->Second);
    d.IsDaylightSaving = f[4] == "1" || f[4] == "true";
    SetAngle(*latitude.Value, 89, d.LatitudeDegrees, d.LatitudeMinutes);
    d.IsSouth = latitude.Value->Negative;
    SetAngle(*longitude.Value, 179, d.LongitudeDegrees, d.LongitudeMinutes);
    d.IsEast = !longitude.Value->Negative;
    if (row) {
        birth.ZoneRow = *row;
        birth.StandardOffset = *Zone_Calculation(*row);
    } else if (offset) {
        birth.Clock = ClockKind::Offset;
        birth.StandardOffset = *offset;
    } else {
        birth.Clock = ClockKind::LocalMeanTime;
        birth.StandardOffset = LocalMeanTimeOffset(static_cast<long>(longitude.Value->TotalSeconds()));
    }
}

}  // namespace

std::string AsUtf8(std::string_view bytes, Encoding& encoding) {
    encoding = IsUtf8(bytes) ? Encoding::Utf8 : Encoding::Latin1;
    return encoding == Encoding::Utf8 ? std::string(bytes) : Latin1ToUtf8(bytes);
}

bool LooksLikeAaf(std::string_view text) {
    if (StartsWith(text, kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return StartsWith(text, kBirthChunk) || text.find("\n#A93:") != std::string_view::npos;
}

AafReader::AafReader(std::string_view bytes) {
    if (StartsWith(bytes, kByteOrderMark)) {
        layout_.ByteOrderMark = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    text_ = AsUtf8(bytes, layout_.TextEncoding);
    layout_.FinalLineEnd = text_.empty() || text_.back() == '\n';
    const std::string_view first = PeekLine();
    layout_.CrLf = !first.empty() && first.back() == '\r';
}

// A CR of a CRLF file stays in the line: the line is written back as it came.
std::string_view AafReader::PeekLine() {
    if (peekedAt_ != at_) {
        const std::string_view rest = std::string_view(text_).substr(at_);
        peeked_ = rest.substr(0, rest.find('\n'));
        peekedAt_ = at_;
    }
    return peeked_;
}

std::string AafReader::TakeLine() {
    const std::string_view line = PeekLine();
    at_ = std::min(text_.size(), at_ + line.size() + 1);
    ++lineNumber_;
    if (StartsWith(line, kSubRecordChunk))
        subRecordOpen_ = true;
    else if (StartsWith(line, kBirthChunk))
        subRecordOpen_ = false;
    return std::string(line);
}

bool AafReader::StartsRecord(std::string_view line) const { return StartsWith(line, kBirthChunk) && !subRecordOpen_; }

bool AafReader::Next(Birth& birth) {
    if (!started_) {
        while (at_ < text_.size() && !StartsRecord(PeekLine())) layout_.Preamble.push_back(TakeLine());
        started_ = true;
    }
    if (at_ >= text_.size()) return false;
    birth = Birth();
    birth.Modified = false;
    birth.Line = lineNumber_ + 1;
    birth.Lines.push_back(TakeLine());
    while (at_ < text_.size() && !StartsRecord(PeekLine())) birth.Lines.push_back(TakeLine());
    RecordReader(birth).Read();
    return true;
}

Book ReadAaf(std::string_view bytes) {
    AafReader reader(bytes);
    std::vector<Birth> births;
    Birth birth;
    while (reader.Next(birth)) births.push_back(std::move(birth));
    Book book = reader.Layout();
    book.Births = std::move(births);
    return book;
}

std::string WriteAaf(const Book& book) {
    std::vector<std::string> lines = book.Preamble;
    for (const Birth& birth : book.Births) AppendRecord(birth, book.CrLf, lines);
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || book.FinalLineEnd) text += '\n';
    }
    if (book.TextEncoding == Encoding::Latin1) text = Utf8ToLatin1(text);
    return book.ByteOrderMark ? std::string(kByteOrderMark) + text : text;
}

Book ReadCsv(std::string_view text) {
    Book book;
    csv::Reader reader(text);
    csv::Record record;
    bool first = true;
    while (reader.Next(record)) {
        const bool header = first && !record.Fields.empty() && TrimBlanks(record.Fields[0]) == "name";
        first = false;
        if (header || csv::IsBlank(record)) continue;
        Birth& birth = book.Births.emplace_back();
        birth.Line = record.Line;
        birth.Lines = {std::string(record.Text)};
        if (record.UnclosedQuote)
            birth.Error = "a quoted field is never closed";
        else
            ReadCsvBirth(record.Fields, birth);
    }
    return book;
}

std::string WriteCsv(const Book& book) {
    std::string text = "name,date,time,zone,dst,lat,lon\n";
    for (const Birth& birth : book.Births) {
        // An unreadable record, or one whose zone the file does not give: CSV cannot hold it; AAF keeps it.
        if (!birth.Error.empty() || (birth.ZoneRow < 0 && !HasExactOffset(birth))) continue;
        const BirthData& d = birth.Data;
        const std::string zone = birth.ZoneRow >= 0                           ? std::to_string(birth.ZoneRow)
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
        // The command line's batch spells hemispheres in capitals: 40N42,74W00.
        text += csv::Field(d.Name) + fields + AngleText(d.LatitudeDegrees, d.LatitudeMinutes, d.IsSouth ? 'S' : 'N') + "," +
                AngleText(d.LongitudeDegrees, d.LongitudeMinutes, d.IsEast ? 'E' : 'W') + "\n";
    }
    return text;
}

void TakeLocalMeanTime(Birth& birth, std::string_view place) {
    if (!birth.Error.empty() || birth.ZoneRow >= 0 || birth.Clock != ClockKind::Unknown) return;
    birth.Clock = ClockKind::LocalMeanTime;
    birth.Data.IsDaylightSaving = false;  // no place kept summer time before its first standard time
    birth.ClockPlace = std::string(place);
    birth.Notes = {{NoteKind::LocalMeanTimeTaken, UtcOffsetText(-birth.StandardOffset.TotalSecondsWest()), birth.ClockPlace}};
}

std::string NoteText(const Note& note) {
    switch (note.Kind) {
    case NoteKind::LocalMeanTime: return "local mean time of the birthplace, " + note.First;
    case NoteKind::LocalMeanTimeFromJulianDay: return "local mean time of the birthplace, " + note.First + ", from the Julian day";
    case NoteKind::LocalMeanTimeTaken:
        return "the file does not give the zone: local mean time of the birthplace, " + note.First + ", is taken, as " +
               note.Second + " kept local mean time then";
    case NoteKind::NoZone: return "the file does not give the zone";
    case NoteKind::NoRowHasOffset: return "no zone row has the offset " + note.First;
    case NoteKind::JulianDayTaken:
        return "the Julian day gives " + note.First + ", the date, time and zone " + note.Second + "; the Julian day is taken";
    case NoteKind::JulianDayTooCoarse: return "its Julian day is too coarse to tell the zone";
    case NoteKind::JulianDayTooFar: return "its Julian day is more than 15 hours from the clock time";
    case NoteKind::ZoneFromJulianDay: return "the zone " + note.First + " is taken from the Julian day";
    case NoteKind::DateTimeFromJulianDay: return "the date and time are taken from the Julian day, " + note.First;
    }
    return {};
}

std::string NotesText(const Birth& birth) {
    std::string text;
    for (const Note& note : birth.Notes) text += (text.empty() ? "" : "; ") + NoteText(note);
    return text;
}

bool HasExactOffset(const Birth& birth) {
    return birth.ZoneRow < 0 && (birth.Clock == ClockKind::Offset || birth.Clock == ClockKind::LocalMeanTime);
}

std::string ReadingRefusal(const Birth& birth) {
    if (!birth.Error.empty()) return "line " + std::to_string(birth.Line) + ": " + birth.Error;
    if (birth.ZoneRow >= 0) return {};
    const std::string offset = UtcOffsetText(-birth.StandardOffset.TotalSecondsWest());
    switch (birth.Clock) {
    case ClockKind::LocalMeanTime:
        return "The birth is in local mean time (" + offset + "): no zone row has its offset; choose a row";
    case ClockKind::Offset:
        return "No zone row has the offset " + offset + "; choose a row";
    case ClockKind::Unknown:
        break;
    }
    return "The file does not give the zone; choose a row";
}

std::string RecordName(const Birth& birth) {
    if (!birth.Data.Name.empty()) return birth.Data.Name;
    if (birth.Lines.empty()) return {};
    const std::string_view line = WithoutCr(birth.Lines.front());
    if (StartsWith(line, kBirthChunk)) {
        const std::vector<std::string_view> f = Fields(line.substr(kBirthChunk.size()), 3);
        return JoinName(f.size() > 1 ? f[1] : std::string_view{}, f[0]);
    }
    return csv::SplitRecord(line).front();
}

}  // namespace quorvane::births
