// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/births.h"

#include "births/aaf_chunks.h"
#include "births/csv.h"
#include "reading/utc_offset.h"

namespace quorvane::births {

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