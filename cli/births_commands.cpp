// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/births_commands.h"

#include "births/births_csv.h"
#include "births/csv.h"
#include "l10n/core_texts.h"
#include "l10n/sentences.h"
#include "reading/input_rules.h"

namespace quorvane::cli {

std::optional<std::string> NameFromFile(std::string_view bytes) {
    // A name that is not UTF-8 is read as ISO-8859-1, as a births file would be.
    births::Encoding encoding = births::Encoding::Utf8;
    const std::string name = births::AsUtf8(bytes, encoding);
    std::string typed;
    bool typeable = true;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return std::nullopt;
        const KeyVerdict verdict = FilterNameKey(byte);
        typeable = typeable && verdict.Code != 0;
        if (typeable) typed += static_cast<char>(verdict.Code);
    }
    return typeable ? typed : name;
}

ReadingOrError ReadFileBirth(const births::Birth& birth) {
    if (!birth.Error.empty()) return l10n::English(birth.Error);
    if (birth.ZoneRow < 0 && !births::HasExactOffset(birth)) return l10n::English(births::ReadingRefusal(birth));
    std::optional<std::string> name = NameFromFile(birth.Data.Name);
    if (!name) return std::string("name: holds a control character");
    const BirthData& d = birth.Data;
    BirthFormValues form;
    form.Name = std::move(*name);
    form.LongitudeDegrees = std::to_string(d.LongitudeDegrees);
    form.LongitudeMinutes = std::to_string(d.LongitudeMinutes);
    form.LatitudeDegrees = std::to_string(d.LatitudeDegrees);
    form.LatitudeMinutes = std::to_string(d.LatitudeMinutes);
    form.MonthPosition = d.Month - 1;
    form.DayPosition = d.Day - 1;
    form.Year = d.Year;
    form.YearPosition = d.Year - kFirstYear;
    form.Hour = d.Hour;
    form.Minute = d.Minute;
    form.Second = d.Second;
    form.ZoneIndex = birth.ZoneRow;
    if (births::HasExactOffset(birth)) {
        // The file's own offset, or its local mean time worked out from the longitude to the second of arc.
        form.ExactOffset = birth.StandardOffset;
        form.LocalMeanTime = birth.Clock == births::ClockKind::LocalMeanTime;
    }
    form.IsEast = d.IsEast;
    form.IsSouth = d.IsSouth;
    form.IsDaylightSaving = d.IsDaylightSaving;
    ReadingOrError result = ReadForm(form);
    // A record without its time: every clock minute of the day.
    if (auto* reading = std::get_if<NamedReading>(&result); reading && birth.TimeUnknown)
        ReadWindow(*reading, MinuteWindow{});
    return result;
}

ReadingOrError ReadCsvBirth(std::string_view line) {
    csv::Reader reader(line);
    csv::Record record;
    if (!reader.Next(record)) record.Fields.assign(1, std::string());
    births::Birth birth;
    births::ReadCsvRecord(record, birth);
    return ReadFileBirth(birth);
}

void ReadBatch(std::string_view input, const LocalMeanTimeFinder& takeLocalMeanTime,
               const std::function<void(const BatchBirth&)>& each) {
    const auto one = [&](births::Birth& birth) {
        BatchBirth out;
        out.Line = birth.Line;
        // A record without its zone: the birthplace's local mean time where the place still kept it.
        if (takeLocalMeanTime && takeLocalMeanTime(birth)) out.Note = births::NotesSentence(birth);
        out.Result = ReadFileBirth(birth);
        // JSON says it in English, as it says everything.
        if (auto* reading = std::get_if<NamedReading>(&out.Result)) reading->Note = l10n::English(out.Note);
        each(out);
    };
    births::Birth birth;
    if (births::LooksLikeAaf(input)) {
        births::AafReader reader(input);
        while (reader.Next(birth)) one(birth);
        return;
    }
    births::Encoding encoding = births::Encoding::Utf8;
    const std::string text = births::AsUtf8(input, encoding);
    births::CsvReader reader(text);
    while (reader.Next(birth)) one(birth);
}

Conversion ConvertBirths(std::string_view input, std::string_view format,
                         const LocalMeanTimeFinder& takeLocalMeanTime) {
    const bool fromAaf = births::LooksLikeAaf(input);
    const bool toCsv = format == "csv";
    births::Book book = fromAaf ? births::ReadAaf(input) : births::ReadCsv(input);
    Conversion out;
    std::vector<births::Birth> kept;
    for (births::Birth& birth : book.Births) {
        using namespace l10n;
        const auto atLine = [&birth](Sentence said) {
            return Say(cli_text::Line, {Plain("line", std::to_string(birth.Line)), Nested("text", std::move(said))});
        };
        const auto because = [](const TextKey& key, Sentence reason) {
            return Say(key, {Nested("reason", std::move(reason))});
        };
        // CSV cannot say that the zone is not known: local mean time where the place kept it, said as such.
        if (toCsv && takeLocalMeanTime && takeLocalMeanTime(birth))
            out.Messages.push_back(atLine(births::NotesSentence(birth)));
        if (!birth.Error.empty() && fromAaf && !toCsv) {
            out.Messages.push_back(atLine(because(cli_text::KeptAsItStands, birth.Error)));
            out.Refused = true;
        } else if (!birth.Error.empty() || (toCsv && !births::CsvCanHold(birth))) {
            out.Messages.push_back(atLine(because(cli_text::LeftOut, births::CsvRefusal(birth))));
            out.Refused = true;
            continue;
        }
        if (!fromAaf) {
            birth.Lines.clear();  // a CSV line is no AAF chunk: the birth is written anew
            birth.Modified = true;
        }
        kept.push_back(std::move(birth));
    }
    book.Births = std::move(kept);
    out.Output = toCsv ? births::WriteCsv(book) : births::WriteAaf(book);
    return out;
}

}  // namespace quorvane::cli
