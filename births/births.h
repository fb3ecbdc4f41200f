// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A births book: birth data kept in AAF exchange files or CSV (births_csv.h). Nothing read is lost:
// chunks this program does not use and records it cannot read are written back as they came.

#include <string>
#include <string_view>
#include <vector>

#include "births/encoding.h"
#include "common/birth_data.h"
#include "l10n/sentence.h"

namespace quorvane::births {

// How the birth's clock relates to Universal Time when no zone row is chosen.
enum class ClockKind {
    Unknown,        // the file does not say: a row must be chosen; StandardOffset is the birthplace's
                    // local mean time, for when the place is known to have kept it (TakeLocalMeanTime)
    Offset,         // StandardOffset is the clock's exact standard offset
    LocalMeanTime,  // StandardOffset is the birthplace's local mean time, from its longitude
};

// What a reader of a births file is told of how one record's clock was settled; NoteText words it (in any
// language, through l10n::Render).
enum class NoteKind {
    LocalMeanTime,               // First: the offset
    LocalMeanTimeFromJulianDay,  // First: the offset
    LocalMeanTimeTaken,          // First: the offset; Second: the town whose history says so (ClockPlace)
    NoZone,                      // the file does not give the zone
    NoRowHasOffset,              // First: the offset
    JulianDayTaken,              // First: the Julian day's instant; Second: that of the date, time and zone
    JulianDayTooCoarse,
    JulianDayTooFar,
    ZoneFromJulianDay,      // First: the offset
    DateTimeFromJulianDay,  // First: the instant
};

struct Note {
    NoteKind Kind = NoteKind::NoZone;
    std::string First = {}, Second = {};
    friend bool operator==(const Note&, const Note&) = default;
};

struct Birth {
    BirthData Data;
    std::string LastName, FirstName;  // the file's two name fields; Data.Name is "First Last"
    std::string Place, Country;
    std::string Type = "*";
    int ZoneRow = -1;                      // -1: no row has the offset (see Clock)
    ZoneOffset StandardOffset;             // positive west, to the second; daylight saving puts the clock an hour ahead
    ClockKind Clock = ClockKind::Unknown;  // what StandardOffset is when ZoneRow is -1
    std::vector<Note> Notes;               // for the person: why no row was found, or what the Julian day decided
    std::string ClockPlace;                // whose history had local mean time taken for a zone the file left open
    bool TimeUnknown = false;              // the file gives no time (AAF "*", CSV empty): read over the whole day
    int Line = 0;                          // the line of its #A93 (or CSV line)
    l10n::Sentence Error;                  // non-empty: unreadable (why, for the person), kept verbatim in Lines
    std::vector<std::string> Lines;        // the record's lines as read (UTF-8)
    bool Modified = true;                  // false: written back exactly as read
};

struct Book {
    std::vector<std::string> Preamble;  // lines before the first record
    std::vector<Birth> Births;
    Encoding TextEncoding = Encoding::Utf8;
    bool ByteOrderMark = false;  // the file began with a UTF-8 byte-order mark
    bool CrLf = false;           // new lines end in CR LF, as the file's first line did
    bool FinalLineEnd = true;    // the last line ended in a line break
};

bool LooksLikeAaf(std::string_view text);
Book ReadAaf(std::string_view bytes);

// The births of an AAF text one at a time, for going through many without keeping them all.
class AafReader {
public:
    explicit AafReader(std::string_view bytes);
    // The next record, read; false after the last.
    bool Next(Birth& birth);
    // The lines before the first record, and how the text is written (once Next has been called).
    const Book& Layout() const { return layout_; }

private:
    std::string_view PeekLine();
    std::string TakeLine();
    bool StartsRecord(std::string_view line) const;

    Book layout_;  // Preamble and the text's encoding, byte-order mark and line ends; no births
    std::string text_;
    std::size_t at_ = 0;
    int lineNumber_ = 0;
    bool subRecordOpen_ = false;  // a #SUB line was seen: the next #A93 is the sub-record's, not a birth
    bool started_ = false;
    std::size_t peekedAt_ = std::string::npos;  // where the line in peeked_ starts
    std::string_view peeked_;
};
std::string WriteAaf(const Book& book);

// The birth's clock offset when it has no row (Offset or LocalMeanTime), for the reading: the same
// convention as a row's, positive west, daylight saving not included.
// A note, and a record's notes joined by "; " (empty when it has none); NotesText in English.
l10n::Sentence NoteText(const Note& note);
l10n::Sentence NotesSentence(const Birth& birth);
std::string NotesText(const Birth& birth);

bool HasExactOffset(const Birth& birth);
// A readable record whose file gives neither a zone row nor an offset or local mean time: it asks for a
// row, unless the birthplace's clock history answers for it.
bool GivesNoClock(const Birth& birth);

// A birth whose file does not give the zone, read in the birthplace's own local mean time (from its
// longitude to the second of arc), for a caller that knows the place kept it on the birth date: `place`
// names whose history says so ("Pokhara (Asia/Kathmandu)"), in the note and in ClockPlace. Any other
// birth is left as it is.
void TakeLocalMeanTime(Birth& birth, std::string_view place);

// "No zone row has the offset UTC+5:45; choose a row" style message, or empty when the birth can be read.
// A record that could not be read gives "line 6: " and its reason.
l10n::Sentence ReadingRefusal(const Birth& birth);

// What the births list shows for an unreadable record: its name when the #A93 line gives one.
std::string RecordName(const Birth& birth);

}  // namespace quorvane::births
