// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/births.h"

#include "births/aaf_fields.h"

#include <iterator>
#include <vector>

#include "births/aaf_chunks.h"
#include "births/csv.h"
#include "l10n/core_texts.h"
#include "l10n/sentences.h"
#include "reading/utc_offset.h"

namespace quorvane::births {

void TakeLocalMeanTime(Birth& birth, std::string_view place) {
    if (!GivesNoClock(birth)) return;
    birth.Clock = ClockKind::LocalMeanTime;
    birth.Data.IsDaylightSaving = false;  // no place kept summer time before its first standard time
    birth.ClockPlace = std::string(place);
    birth.Notes = {
        {NoteKind::LocalMeanTimeTaken, UtcOffsetText(-birth.StandardOffset.TotalSecondsWest()), birth.ClockPlace}};
}

namespace {

// Each kind of note: its sentence, and the names of its First and Second values (empty: none), in the
// order of NoteKind; the values of some are instants, said as each language writes a date.
struct NoteWords {
    const l10n::TextKey* Key;
    std::string_view First, Second;
    bool Instants = false;
};
constexpr NoteWords kNoteWords[] = {
    {&l10n::births_text::LocalMeanTime, "offset", {}},
    {&l10n::births_text::LocalMeanTimeFromJulianDay, "offset", {}},
    {&l10n::births_text::LocalMeanTimeTaken, "offset", "place"},
    {&l10n::births_text::NoZone, {}, {}},
    {&l10n::births_text::NoRowHasOffset, "offset", {}},
    {&l10n::births_text::JulianDayTaken, "julian", "clock", true},
    {&l10n::births_text::JulianDayTooCoarse, {}, {}},
    {&l10n::births_text::JulianDayTooFar, {}, {}},
    {&l10n::births_text::ZoneFromJulianDay, "offset", {}},
    {&l10n::births_text::DateTimeFromJulianDay, "instant", {}, true},
};
static_assert(std::size(kNoteWords) == static_cast<std::size_t>(NoteKind::DateTimeFromJulianDay) + 1);

}  // namespace

l10n::Sentence NoteText(const Note& note) {
    const NoteWords& words = kNoteWords[static_cast<std::size_t>(note.Kind)];
    std::vector<l10n::Sentence::Value> values;
    const auto value = [&words](std::string_view name, const std::string& text) {
        return words.Instants ? l10n::Nested(name, InstantSentence(text)) : l10n::Plain(name, text);
    };
    if (!words.First.empty()) values.push_back(value(words.First, note.First));
    if (!words.Second.empty()) values.push_back(value(words.Second, note.Second));
    return l10n::Say(*words.Key, std::move(values));
}

l10n::Sentence NotesSentence(const Birth& birth) {
    // The last note first, each earlier one put before what follows it.
    l10n::Sentence notes;
    for (auto note = birth.Notes.rbegin(); note != birth.Notes.rend(); ++note)
        notes = notes.empty() ? NoteText(*note)
                              : l10n::Say(l10n::births_text::NotesJoined, {l10n::Nested("first", NoteText(*note)),
                                                                           l10n::Nested("rest", std::move(notes))});
    return notes;
}

std::string NotesText(const Birth& birth) {
    return l10n::English(NotesSentence(birth));
}

bool GivesNoClock(const Birth& birth) {
    return birth.Error.empty() && birth.ZoneRow < 0 && birth.Clock == ClockKind::Unknown;
}

bool HasExactOffset(const Birth& birth) {
    return birth.ZoneRow < 0 && (birth.Clock == ClockKind::Offset || birth.Clock == ClockKind::LocalMeanTime);
}

l10n::Sentence ReadingRefusal(const Birth& birth) {
    using namespace l10n;
    namespace t = births_text;
    if (!birth.Error.empty())
        return Say(t::RefusedLine, {Plain("line", std::to_string(birth.Line)), Nested("reason", birth.Error)});
    if (birth.ZoneRow >= 0) return {};
    const std::string offset = UtcOffsetText(-birth.StandardOffset.TotalSecondsWest());
    switch (birth.Clock) {
        case ClockKind::LocalMeanTime:
            return Say(t::RefusedLocalMeanTime, {Plain("offset", offset)});
        case ClockKind::Offset:
            return Say(t::RefusedOffset, {Plain("offset", offset)});
        case ClockKind::Unknown:
            break;
    }
    return Say(t::RefusedNoZone);
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