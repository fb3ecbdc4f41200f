// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading AAF records: one record's chunks into a birth, its zone row, local mean time and Julian day.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <tuple>
#include <utility>

#include "births/aaf_chunks.h"
#include "births/aaf_fields.h"
#include "births/births.h"
#include "common/text.h"
#include "l10n/sentences.h"
#include "reading/time_zones.h"
#include "reading/utc_offset.h"
#include "reading/zone_rows.h"

namespace quorvane::births {
namespace {

constexpr double kSecondsPerDay = 86400.0;

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

// The Julian day of a local clock time read as if it were Universal Time.
double ClockJulianDay(const CalendarDate& date, const ClockTime& time) {
    return static_cast<double>(GregorianDayNumber(date.Year, date.Month, date.Day)) - 0.5 +
           (time.Hour * 3600 + time.Minute * 60 + time.Second) / kSecondsPerDay;
}

// The local clock at a Julian day for a clock `secondsWest` behind Universal Time.
std::pair<CalendarDate, ClockTime> ClockAt(double julianDay, int secondsWest) {
    const auto [dayNumber, seconds] = DayAndSecond(julianDay - secondsWest / kSecondsPerDay);
    const ClockTime time{static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                         static_cast<int>(seconds % 60)};
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
            Refuse(YearOutside(date_->Year));
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
    bool Refuse(l10n::Sentence why) {
        birth_.Error = std::move(why);
        return false;
    }

    bool ReadBirthChunk(const Chunk* chunk) {
        const std::vector<std::string_view> f = Fields(chunk->Data, 8);
        if (f.size() < 7) {
            Refuse(l10n::Say(l10n::file_text::BirthLineFields, {l10n::Plain("count", std::to_string(f.size()))}));
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
        if (!chunk) return Refuse(l10n::Say(l10n::file_text::NoPlaceLine));
        const std::vector<std::string_view> f = Fields(chunk->Data, 6);
        if (f.size() < 5) {
            Refuse(l10n::Say(l10n::file_text::PlaceLineFields, {l10n::Plain("count", std::to_string(f.size()))}));
            return false;
        }
        Parsed<Angle> latitude = ParseAngle(f[1], 'n', 's', 89, l10n::file_text::Latitude);
        if (!latitude.Value) return Refuse(std::move(latitude.Why));
        Parsed<Angle> longitude = ParseAngle(f[2], 'e', 'w', 179, l10n::file_text::Longitude);
        if (!longitude.Value) return Refuse(std::move(longitude.Why));
        BirthData& data = birth_.Data;
        SetDegreesMinutes(*latitude.Value, 89, data.LatitudeDegrees, data.LatitudeMinutes);
        data.IsSouth = latitude.Value->Negative;
        SetDegreesMinutes(*longitude.Value, 179, data.LongitudeDegrees, data.LongitudeMinutes);
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
            if (!julianDay_) return Refuse(l10n::Say(l10n::file_text::JulianDayNotNumber, {QuotedText(f[0])}));
        }
        return true;
    }

    void ChooseClock(const OwnChunks& own) {
        const bool ownLocalMeanTime = own.Clock && Trim(own.Clock->Data) == "LMT";
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
            const std::string_view text = Trim(own.ZoneRow->Data);
            const auto row = Digits(text, 2);
            if (row && *row < kTimeZoneCount && RowOffsetSeconds(*row) == secondsEast) {
                birth_.ZoneRow = *row;
                return;
            }
        }
        const std::string_view abbreviation = own.ZoneName ? Trim(own.ZoneName->Data) : std::string_view{};
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
            if (!date_) return Refuse(l10n::Say(l10n::file_text::DateNotGiven));
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
            birth_.Notes.push_back({NoteKind::JulianDayTaken, InstantStamp(julianDay_->Day), InstantStamp(recorded)});
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
        if (!ClockKnown()) return Refuse(l10n::Say(l10n::file_text::ClockNotGiven));
        std::tie(date_, time_) = ClockAt(julianDay_->Day, SecondsWest());
        birth_.Notes.push_back({NoteKind::DateTimeFromJulianDay, InstantStamp(julianDay_->Day)});
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

}  // namespace

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

bool AafReader::StartsRecord(std::string_view line) const {
    return StartsWith(line, kBirthChunk) && !subRecordOpen_;
}

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

}  // namespace quorvane::births
