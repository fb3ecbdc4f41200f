// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sentences the core makes for a person, each with its key and its English: the zone suggestion, the
// births files' notes and refusals, the command line's notes and usage errors. The translations are in
// l10n/core/<language>.json under the same keys; the English here is the program's own text.

#include <array>
#include <cerrno>
#include <cstring>

#include "l10n/sentence.h"

namespace quorvane::l10n {

// A month's name as it stands in a date (the genitive where the language needs it).
inline constexpr std::array<TextKey, 12> kMonths{{{"month.1", "January"},
                                                  {"month.2", "February"},
                                                  {"month.3", "March"},
                                                  {"month.4", "April"},
                                                  {"month.5", "May"},
                                                  {"month.6", "June"},
                                                  {"month.7", "July"},
                                                  {"month.8", "August"},
                                                  {"month.9", "September"},
                                                  {"month.10", "October"},
                                                  {"month.11", "November"},
                                                  {"month.12", "December"}}};
// A date inside a sentence ("1 May 1990"): {day}, {shortMonth} (the monthShort.N key), {year}; the day 1 as
// format.FirstDay writes it.
inline constexpr TextKey kShortDate{"format.ShortDate", "{day} {shortMonth} {year}"};
inline constexpr std::array<TextKey, 12> kShortMonths{{{"monthShort.1", "Jan"},
                                                       {"monthShort.2", "Feb"},
                                                       {"monthShort.3", "Mar"},
                                                       {"monthShort.4", "Apr"},
                                                       {"monthShort.5", "May"},
                                                       {"monthShort.6", "Jun"},
                                                       {"monthShort.7", "Jul"},
                                                       {"monthShort.8", "Aug"},
                                                       {"monthShort.9", "Sep"},
                                                       {"monthShort.10", "Oct"},
                                                       {"monthShort.11", "Nov"},
                                                       {"monthShort.12", "Dec"}}};

// What the place's clock showed: "Madrid on 10 Mar 1985 08:30: UTC+1, standard time".
namespace suggest {
inline constexpr TextKey When{"suggest.When", "{date} {time}"};
inline constexpr TextKey NoData{"suggest.NoData", "{place} on {when}: no time-zone data for {zone}"};
inline constexpr TextKey Damaged{"suggest.Damaged",
                                 "{place} on {when}: the time-zone data for {zone} is damaged: {damage}"};
inline constexpr TextKey LocalMeanTime{
    "suggest.LocalMeanTime", "{place} on {when}: local mean time of the birthplace, {offset} (longitude {longitude})"};
inline constexpr TextKey Standard{"suggest.Standard", "{place} on {when}: {offset}, standard time"};
inline constexpr TextKey Daylight{"suggest.Daylight", "{place} on {when}: {offset}, daylight saving time"};
inline constexpr TextKey DatabaseMeanTime{"suggest.DatabaseMeanTime", "{clock} (local mean time)"};
inline constexpr TextKey RepeatedFirst{"suggest.RepeatedFirst",
                                       "{clock} (this clock time came twice as clocks went back; the first is taken)"};
inline constexpr TextKey RepeatedSecond{
    "suggest.RepeatedSecond", "{clock} (this clock time came twice as clocks went back; the second is taken)"};
inline constexpr TextKey Skipped{"suggest.Skipped", "{clock} (no such clock time: clocks went forward past it)"};
inline constexpr TextKey NotExact{"suggest.NotExact",
                                  "{clock}; no zone in the list has this offset, so it is used exactly"};
// A clock time that came twice or never, asked about.
inline constexpr TextKey CameTwice{"suggest.CameTwice",
                                   "{time} came twice on {date} in {place}: first ({first}) or second ({second})"};
inline constexpr TextKey NeverCame{"suggest.NeverCame",
                                   "there was no {time} on {date}: clocks went from {from} to {to}"};
// A reading whose offset is not the one the place's clock showed.
inline constexpr TextKey ClockAsChosen{
    "suggest.ClockAsChosen", "the clock there showed {clock} ({note}), but this reading uses {used} as chosen"};
inline constexpr TextKey ClockAsGiven{"suggest.ClockAsGiven",
                                      "the clock there showed {clock} ({note}), but this reading uses {used} as given"};
}  // namespace suggest

// A births file's notes on how a record's clock was settled, and why a record cannot be read as it stands.
namespace births_text {
inline constexpr TextKey LocalMeanTime{"births.LocalMeanTime", "local mean time of the birthplace, {offset}"};
inline constexpr TextKey LocalMeanTimeFromJulianDay{"births.LocalMeanTimeFromJulianDay",
                                                    "local mean time of the birthplace, {offset}, from the Julian day"};
inline constexpr TextKey LocalMeanTimeTaken{
    "births.LocalMeanTimeTaken",
    "the file does not give the zone: local mean time of the birthplace, {offset}, is "
    "taken, as {place} kept local mean time then"};
inline constexpr TextKey NoZone{"births.NoZone", "the file does not give the zone"};
inline constexpr TextKey NoRowHasOffset{"births.NoRowHasOffset", "no zone row has the offset {offset}"};
inline constexpr TextKey JulianDayTaken{
    "births.JulianDayTaken", "the Julian day gives {julian}, the date, time and zone {clock}; the Julian day is taken"};
inline constexpr TextKey JulianDayTooCoarse{"births.JulianDayTooCoarse",
                                            "its Julian day is too coarse to tell the zone"};
inline constexpr TextKey JulianDayTooFar{"births.JulianDayTooFar",
                                         "its Julian day is more than 15 hours from the clock time"};
inline constexpr TextKey ZoneFromJulianDay{"births.ZoneFromJulianDay",
                                           "the zone {offset} is taken from the Julian day"};
inline constexpr TextKey DateTimeFromJulianDay{"births.DateTimeFromJulianDay",
                                               "the date and time are taken from the Julian day, {instant}"};
inline constexpr TextKey Instant{"births.Instant", "{date} {time} UT"};
inline constexpr TextKey NotesJoined{"births.NotesJoined", "{first}; {rest}"};
inline constexpr TextKey RefusedLine{"births.RefusedLine", "line {line}: {reason}"};
inline constexpr TextKey RefusedLocalMeanTime{
    "births.RefusedLocalMeanTime",
    "The birth is in local mean time ({offset}): no zone row has its offset; choose a row"};
inline constexpr TextKey RefusedOffset{"births.RefusedOffset", "No zone row has the offset {offset}; choose a row"};
inline constexpr TextKey RefusedNoZone{"births.RefusedNoZone", "The file does not give the zone; choose a row"};
inline constexpr TextKey RefusedInCsv{"births.RefusedInCsv", "{refusal} (CSV needs a zone row, an offset or LMT)"};
}  // namespace births_text

// Why a births file's record cannot be read: the field, what the file wrote ({text}, quoted) and what is wrong.
namespace file_text {
inline constexpr TextKey Latitude{"file.Latitude", "latitude"};
inline constexpr TextKey Longitude{"file.Longitude", "longitude"};
inline constexpr TextKey DateNotDayMonthYear{"file.DateNotDayMonthYear", "the date {text} is not day.month.year"};
inline constexpr TextKey MonthNotInYear{"file.MonthNotInYear", "the month {month} of the date {text} is not 1 to 12"};
inline constexpr TextKey DayNotInMonth{"file.DayNotInMonth",
                                       "the day {day} of the date {text} does not exist in {month} {year}"};
inline constexpr TextKey DayNotInJulianMonth{
    "file.DayNotInJulianMonth", "the day {day} of the date {text} does not exist in {month} {year} (Julian calendar)"};
inline constexpr TextKey YearOutside{"file.YearOutside", "the year {year} lies outside {first}\u2013{last}"};
inline constexpr TextKey TimeMalformed{"file.TimeMalformed",
                                       "the time {text} is not hours:minutes or hours:minutes:seconds"};
inline constexpr TextKey HourOutside{"file.HourOutside", "the hour {hour} of the time {text} is not 0 to 23"};
inline constexpr TextKey MinuteOutside{"file.MinuteOutside", "the minute {minute} of the time {text} is not 0 to 59"};
inline constexpr TextKey SecondOutside{"file.SecondOutside", "the second {second} of the time {text} is not 0 to 59"};
inline constexpr TextKey AngleMalformed{
    "file.AngleMalformed", "the {field} {text} is not degrees, {positive} or {negative}, minutes (like {example})"};
inline constexpr TextKey AngleDegrees{"file.AngleDegrees", "the {field} {text} has {degrees} degrees; at most {most}"};
inline constexpr TextKey AngleMinutes{"file.AngleMinutes", "the {field} {text} has more than 59 minutes"};
inline constexpr TextKey AngleSeconds{"file.AngleSeconds", "the {field} {text} has more than 59 seconds"};
inline constexpr TextKey ZoneMalformed{
    "file.ZoneMalformed", "the zone {text} is not hours, h, e or w, minutes (like 1he00, 5hw30 or 0e21:48)"};
inline constexpr TextKey ZoneTooFar{"file.ZoneTooFar", "the zone {text} lies more than 15 hours from Greenwich"};
inline constexpr TextKey AafDaylightFlag{"file.AafDaylightFlag", "the daylight flag {text} is not 0, 1, * or LMT"};
inline constexpr TextKey BirthLineFields{
    "file.BirthLineFields",
    "the #A93 line has {count} fields; it needs 7: last name, first name, type, date, "
    "time, place, country"};
inline constexpr TextKey NoPlaceLine{"file.NoPlaceLine", "the record has no #B93 line (latitude, longitude and zone)"};
inline constexpr TextKey PlaceLineFields{
    "file.PlaceLineFields",
    "the #B93 line has {count} fields; it needs 5: Julian day, latitude, longitude, zone, "
    "daylight flag"};
inline constexpr TextKey JulianDayNotNumber{"file.JulianDayNotNumber", "the Julian day {text} is not a number"};
inline constexpr TextKey DateNotGiven{"file.DateNotGiven",
                                      "the date is not given (*) and there is no Julian day to take it from"};
inline constexpr TextKey ClockNotGiven{
    "file.ClockNotGiven",
    "the date or time is not given (*) and neither is the zone, so the Julian day cannot give "
    "them"};
inline constexpr TextKey CsvDate{"file.CsvDate", "the date {text} is not YYYY-MM-DD"};
inline constexpr TextKey CsvZone{
    "file.CsvZone", "the zone {text} is not a row number 0 to {last}, an offset such as +05:45 or -00:25:21, or LMT"};
inline constexpr TextKey CsvDaylightFlag{"file.CsvDaylightFlag",
                                         "the daylight flag {text} is not 0 or 1 (no or yes, false or true)"};
inline constexpr TextKey CsvFields{"file.CsvFields", "the line has {count} fields; it needs 7: {header}"};
inline constexpr TextKey QuoteNotClosed{"file.QuoteNotClosed", "a quoted field is never closed"};
// Why a file is not opened as births.
inline constexpr TextKey BinaryFile{"file.BinaryFile", "it is a binary file, not a births file"};
inline constexpr TextKey NoBirthsFile{"file.NoBirthsFile", "it is neither an AAF nor a CSV births file"};
inline constexpr TextKey TooBig{"file.TooBig", "the file is too big to be a births file"};
inline constexpr TextKey FolderNotOpened{
    "file.FolderNotOpened", "the file was replaced, but its folder could not be opened to flush it: {reason}"};
inline constexpr TextKey FolderNotFlushed{
    "file.FolderNotFlushed", "the file was replaced, but its folder could not be flushed to the disk: {reason}"};
}  // namespace file_text

// What the system says of a file it could not read or write, in the C library's own English.
namespace system_text {
inline constexpr TextKey NoSuchFile{"system.ENOENT", "No such file or directory"};
inline constexpr TextKey PermissionDenied{"system.EACCES", "Permission denied"};
inline constexpr TextKey NotPermitted{"system.EPERM", "Operation not permitted"};
inline constexpr TextKey NoSpace{"system.ENOSPC", "No space left on device"};
inline constexpr TextKey QuotaExceeded{"system.EDQUOT", "Disk quota exceeded"};
inline constexpr TextKey ReadOnly{"system.EROFS", "Read-only file system"};
inline constexpr TextKey IsFolder{"system.EISDIR", "Is a directory"};
inline constexpr TextKey NotFolder{"system.ENOTDIR", "Not a directory"};
inline constexpr TextKey InputOutput{"system.EIO", "Input/output error"};
inline constexpr TextKey NameTooLong{"system.ENAMETOOLONG", "File name too long"};
inline constexpr TextKey LinkLoop{"system.ELOOP", "Too many levels of symbolic links"};
inline constexpr TextKey TooManyOpen{"system.EMFILE", "Too many open files"};
inline constexpr TextKey FileTooLarge{"system.EFBIG", "File too large"};
}  // namespace system_text

// Why the atlas cannot be searched.
namespace atlas_text {
inline constexpr TextKey IndexMissing{"atlas.IndexMissing",
                                      "the atlas index {path} is missing; reinstall Quorvane or rebuild it"};
inline constexpr TextKey IndexUnopenable{
    "atlas.IndexUnopenable", "the atlas index {path} cannot be opened ({reason}); reinstall Quorvane or rebuild it"};
inline constexpr TextKey IndexDamaged{"atlas.IndexDamaged",
                                      "the atlas index {path} is damaged: {detail}; reinstall Quorvane or rebuild it"};
inline constexpr TextKey IndexNotFound{
    "atlas.IndexNotFound", "the atlas index is missing (looked for {paths}); reinstall Quorvane or rebuild it"};
}  // namespace atlas_text

// The command line's --help, its option texts and the words of its layout.
namespace help_text {
inline constexpr TextKey Description{"help.Description",
                                     "Quorvane: a galactic astrology birth reading.\nExample: {example}"};
inline constexpr TextKey Usage{"help.Usage", "Usage"};
inline constexpr TextKey Options{"help.Options", "Options"};
inline constexpr TextKey OptionsWord{"help.OptionsWord", "OPTIONS"};
inline constexpr TextKey Excludes{"help.Excludes", "Excludes"};
inline constexpr TextKey Help{"help.Help", "Print this help message and exit"};
inline constexpr TextKey Name{"help.Name", "Name (letters and blanks)"};
inline constexpr TextKey Date{"help.Date", "Birth date, YYYY-MM-DD ({first} to {last})"};
inline constexpr TextKey Time{"help.Time",
                              "Local clock time of birth, HH:MM or HH:MM:SS; unknown (every minute of the day read) or "
                              "a window HH:MM-HH:MM when the time is not known exactly"};
inline constexpr TextKey Fold{
    "help.Fold", "With --place, a clock time that came twice as clocks went back: the first (default) or the second"};
inline constexpr TextKey Zone{"help.Zone", "Time-zone row, 0 to {last} (see --zones)"};
inline constexpr TextKey Offset{"help.Offset",
                                "The clock's offset from Universal Time, +HH:MM[:SS] east or -HH:MM[:SS] west (e.g. "
                                "+05:45, -00:25:21), up to 15 hours, instead of --zone"};
inline constexpr TextKey Lmt{"help.Lmt",
                             "The birthplace's local mean time (4 minutes per degree of --lon), instead of --zone"};
inline constexpr TextKey Dst{"help.Dst", "Daylight saving time was in force (one hour ahead of the zone or offset)"};
inline constexpr TextKey Lat{"help.Lat", "Latitude: degrees, N or S, minutes (e.g. 40N42)"};
inline constexpr TextKey Lon{"help.Lon", "Longitude: degrees, E or W, minutes (e.g. 74W00)"};
inline constexpr TextKey Place{"help.Place",
                               "Birthplace \"City[, State][, Country]\" from the built-in atlas, instead of "
                               "--lat/--lon; without --zone, --offset or --lmt the clock's offset there and then comes "
                               "from the time-zone database (a zone row where one has it, else the exact offset)"};
inline constexpr TextKey Json{"help.Json", "Print JSON instead of text"};
inline constexpr TextKey Batch{"help.Batch",
                               "Read CSV lines name,date,time,zone,dst,lat,lon from standard input; write JSON Lines"};
inline constexpr TextKey To{"help.To",
                            "Convert the births of standard input (AAF or CSV) to aaf or csv on standard output"};
inline constexpr TextKey Zones{"help.Zones", "List the time-zone rows with their numbers"};
inline constexpr TextKey Find{
    "help.Find", "List up to 10 places of the built-in atlas that fit \"City[, State][, Country]\", best first"};
inline constexpr TextKey Lang{"help.Lang",
                              "Language of the text output and messages: {languages} (default: from LANGUAGE, LC_ALL, "
                              "LC_MESSAGES, LANG); JSON, CSV and AAF stay the same in every language"};
inline constexpr TextKey Footer{
    "help.Footer", "Places: the atlas is built from GeoNames data (https://www.geonames.org/), CC BY 4.0."};
inline constexpr TextKey Version{"help.Version", "Print the program's version"};
inline constexpr TextKey Pdf{"help.Pdf", "Write the reading as a PDF report to FILE"};
inline constexpr TextKey Paper{"help.Paper", "Paper of the PDF report: a4 (default) or letter"};
inline constexpr TextKey Wheel{"help.Wheel", "Write the galactic wheel to FILE: SVG for .svg, PNG for .png"};
inline constexpr TextKey Size{"help.Size", "Width and height of the PNG wheel in pixels (default 800)"};
inline constexpr TextKey Theme{"help.Theme",
                               "Colours of the PDF and the wheel picture: light (white paper, the PDF's default) or "
                               "dark (the screen's black wheel, the picture's default)"};
}  // namespace help_text

// The command line's notes and usage errors on standard error (after "quorvane-cli: ").
namespace cli_text {
inline constexpr TextKey Note{"cli.Note", "note: {note}"};
inline constexpr TextKey Warning{"cli.Warning", "warning: {warning}"};
inline constexpr TextKey Line{"cli.Line", "line {line}: {text}"};
inline constexpr TextKey FirstTaken{"cli.FirstTaken", "{question}; the first is taken (--fold second for the other)"};
inline constexpr TextKey SecondTaken{"cli.SecondTaken", "{question}; the second is taken"};
inline constexpr TextKey OffsetBefore{"cli.OffsetBefore", "{question}; read with the offset from before the change"};
inline constexpr TextKey PlaceAmbiguous{"cli.PlaceAmbiguous",
                                        "--place \"{query}\" fits several places; add the state or country, e.g. "
                                        "\"City, State, Country\""};
inline constexpr TextKey PlaceUnknown{"cli.PlaceUnknown", "--place \"{query}\" matches no place in the atlas"};
inline constexpr TextKey Candidates{"cli.Candidates", "candidates:"};
inline constexpr TextKey DidYouMean{"cli.DidYouMean", "did you mean:"};
inline constexpr TextKey FindNone{"cli.FindNone", "\"{query}\" matches no place in the atlas"};
inline constexpr TextKey GiveZone{"cli.GiveZone", "{clock}; give --zone (and --dst) or --offset"};
inline constexpr TextKey NotWithBatch{"cli.NotWithBatch",
                                      "{option} cannot be used with --batch (each line gives its own birth)"};
inline constexpr TextKey DstNeedsZone{
    "cli.DstNeedsZone", "--dst needs --zone or --offset; with --place alone the daylight-saving flag is worked out"};
inline constexpr TextKey Required{"cli.Required", "{option} is required (or use --batch, --zones, --help)"};
inline constexpr TextKey ZoneRequired{"cli.ZoneRequired",
                                      "--zone (or --offset or --lmt) is required (or use --batch, --zones, --help)"};
inline constexpr TextKey BadWindow{
    "cli.BadWindow",
    "--time: a window is HH:MM-HH:MM, both on the date and the start no later than the end (or "
    "unknown for the whole day)"};
inline constexpr TextKey FoldNeedsPlace{"cli.FoldNeedsPlace",
                                        "--fold needs --place: only the atlas's clock repeats an hour"};
inline constexpr TextKey KeptAsItStands{"cli.KeptAsItStands", "{reason} (the record is kept as it stands)"};
inline constexpr TextKey LeftOut{"cli.LeftOut", "{reason}; left out"};
inline constexpr TextKey OutputFailed{"cli.OutputFailed", "the output could not be written: {reason}"};
// Refusals of the options as they are parsed; "--option: " stands before the checks of a value.
inline constexpr TextKey UsageRefused{"cli.UsageRefused", "{refusal} (see --help)"};
inline constexpr TextKey NotOneOf{"cli.NotOneOf", "\"{value}\" is not one of: {choices}"};
inline constexpr TextKey NotWholeNumberFrom{"cli.NotWholeNumberFrom",
                                            "\"{value}\" is not a whole number from {first} to {last}"};
inline constexpr TextKey OffsetForm{"cli.OffsetForm", "expected +HH:MM or +HH:MM:SS (or -), up to 15:00:00"};
inline constexpr TextKey NoTranslation{"cli.NoTranslation", "no translation for \"{code}\": {languages}"};
inline constexpr TextKey NotExpected{"cli.NotExpected", "not expected: {arguments}"};
inline constexpr TextKey Excludes{"cli.Excludes", "{option} cannot be used with {other}"};
inline constexpr TextKey NeedsValue{"cli.NeedsValue", "{option} needs a value"};
}  // namespace cli_text

// Every sentence above but the months (kMonths, kShortMonths), for the catalogue.
// clang-format off
inline constexpr const TextKey* kSentenceKeys[] = {
    &kShortDate, &suggest::When, &suggest::NoData, &suggest::Damaged, &suggest::LocalMeanTime, &suggest::Standard,
    &suggest::Daylight, &suggest::DatabaseMeanTime, &suggest::RepeatedFirst, &suggest::RepeatedSecond,
    &suggest::Skipped, &suggest::NotExact, &suggest::CameTwice, &suggest::NeverCame, &suggest::ClockAsChosen,
    &suggest::ClockAsGiven, &births_text::LocalMeanTime, &births_text::LocalMeanTimeFromJulianDay,
    &births_text::LocalMeanTimeTaken, &births_text::NoZone, &births_text::NoRowHasOffset,
    &births_text::JulianDayTaken, &births_text::JulianDayTooCoarse, &births_text::JulianDayTooFar,
    &births_text::ZoneFromJulianDay, &births_text::DateTimeFromJulianDay, &births_text::Instant,
    &births_text::NotesJoined,
    &births_text::RefusedLine, &births_text::RefusedLocalMeanTime, &births_text::RefusedOffset,
    &births_text::RefusedNoZone, &births_text::RefusedInCsv, &cli_text::Note, &cli_text::Warning, &cli_text::Line,
    &cli_text::FirstTaken, &cli_text::SecondTaken, &cli_text::OffsetBefore, &cli_text::PlaceAmbiguous,
    &cli_text::PlaceUnknown, &cli_text::Candidates, &cli_text::DidYouMean, &cli_text::FindNone, &cli_text::GiveZone,
    &cli_text::NotWithBatch, &cli_text::DstNeedsZone, &cli_text::Required, &cli_text::ZoneRequired,
    &cli_text::BadWindow, &cli_text::FoldNeedsPlace, &cli_text::KeptAsItStands, &cli_text::LeftOut,
    &cli_text::OutputFailed, &cli_text::UsageRefused, &cli_text::NotOneOf, &cli_text::NotWholeNumberFrom,
    &cli_text::OffsetForm, &cli_text::NoTranslation, &cli_text::NotExpected, &cli_text::Excludes,
    &cli_text::NeedsValue, &help_text::Description, &help_text::Usage, &help_text::Options, &help_text::OptionsWord,
    &help_text::Excludes, &help_text::Help, &help_text::Name, &help_text::Date, &help_text::Time, &help_text::Fold,
    &help_text::Zone, &help_text::Offset, &help_text::Lmt, &help_text::Dst, &help_text::Lat,
    &help_text::Lon, &help_text::Place, &help_text::Json, &help_text::Batch, &help_text::To, &help_text::Zones,
    &help_text::Find, &help_text::Lang, &help_text::Footer, &help_text::Version, &help_text::Pdf, &help_text::Paper,
    &help_text::Wheel, &help_text::Size, &help_text::Theme,
    &file_text::Latitude, &file_text::Longitude, &file_text::DateNotDayMonthYear,
    &file_text::MonthNotInYear, &file_text::DayNotInMonth, &file_text::DayNotInJulianMonth, &file_text::YearOutside,
    &file_text::TimeMalformed, &file_text::HourOutside, &file_text::MinuteOutside, &file_text::SecondOutside,
    &file_text::AngleMalformed, &file_text::AngleDegrees, &file_text::AngleMinutes, &file_text::AngleSeconds,
    &file_text::ZoneMalformed, &file_text::ZoneTooFar, &file_text::AafDaylightFlag, &file_text::BirthLineFields,
    &file_text::NoPlaceLine, &file_text::PlaceLineFields, &file_text::JulianDayNotNumber, &file_text::DateNotGiven,
    &file_text::ClockNotGiven, &file_text::CsvDate, &file_text::CsvZone, &file_text::CsvDaylightFlag,
    &file_text::CsvFields, &file_text::QuoteNotClosed, &file_text::BinaryFile, &file_text::NoBirthsFile,
    &system_text::NoSuchFile, &system_text::PermissionDenied, &system_text::NotPermitted, &system_text::NoSpace,
    &system_text::QuotaExceeded, &system_text::ReadOnly, &system_text::IsFolder, &system_text::NotFolder,
    &system_text::InputOutput, &system_text::NameTooLong, &system_text::LinkLoop, &system_text::TooManyOpen,
    &system_text::FileTooLarge, &file_text::TooBig, &file_text::FolderNotOpened, &file_text::FolderNotFlushed,
    &atlas_text::IndexMissing, &atlas_text::IndexUnopenable, &atlas_text::IndexDamaged, &atlas_text::IndexNotFound,
};
// clang-format on

// What the system said of `error` (an errno), as a sentence of the catalogue where it is one a person
// meets with files, else in the C library's words.
inline Sentence SystemError(int error) {
    namespace says = system_text;
    switch (error) {
        case ENOENT:
            return Say(says::NoSuchFile);
        case EACCES:
            return Say(says::PermissionDenied);
        case EPERM:
            return Say(says::NotPermitted);
        case ENOSPC:
            return Say(says::NoSpace);
        case EDQUOT:
            return Say(says::QuotaExceeded);
        case EROFS:
            return Say(says::ReadOnly);
        case EISDIR:
            return Say(says::IsFolder);
        case ENOTDIR:
            return Say(says::NotFolder);
        case EIO:
            return Say(says::InputOutput);
        case ENAMETOOLONG:
            return Say(says::NameTooLong);
        case ELOOP:
            return Say(says::LinkLoop);
        case EMFILE:
            return Say(says::TooManyOpen);
        case EFBIG:
            return Say(says::FileTooLarge);
        default:
            return Verbatim(std::strerror(error));
    }
}

}  // namespace quorvane::l10n
