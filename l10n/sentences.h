// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sentences the core makes for a person, each with its key and its English: the zone suggestion, the
// births files' notes and refusals, the command line's notes and usage errors. The translations are in
// l10n/core/<language>.json under the same keys; the English here is the program's own text.

#include <array>

#include "l10n/sentence.h"

namespace quorvane::l10n {

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
inline constexpr TextKey Damaged{"suggest.Damaged", "{place} on {when}: the time-zone data for {zone} is damaged: {damage}"};
inline constexpr TextKey LocalMeanTime{"suggest.LocalMeanTime",
                                       "{place} on {when}: local mean time of the birthplace, {offset} (longitude {longitude})"};
inline constexpr TextKey Standard{"suggest.Standard", "{place} on {when}: {offset}, standard time"};
inline constexpr TextKey Daylight{"suggest.Daylight", "{place} on {when}: {offset}, daylight saving time"};
inline constexpr TextKey DatabaseMeanTime{"suggest.DatabaseMeanTime", "{clock} (local mean time)"};
inline constexpr TextKey RepeatedFirst{"suggest.RepeatedFirst",
                                       "{clock} (this clock time came twice as clocks went back; the first is taken)"};
inline constexpr TextKey RepeatedSecond{"suggest.RepeatedSecond",
                                        "{clock} (this clock time came twice as clocks went back; the second is taken)"};
inline constexpr TextKey Skipped{"suggest.Skipped", "{clock} (no such clock time: clocks went forward past it)"};
inline constexpr TextKey NotExact{"suggest.NotExact", "{clock}; no zone in the list has this offset, so it is used exactly"};
// A clock time that came twice or never, asked about.
inline constexpr TextKey CameTwice{"suggest.CameTwice", "{time} came twice on {date} in {place}: first ({first}) or second ({second})"};
inline constexpr TextKey NeverCame{"suggest.NeverCame", "there was no {time} on {date}: clocks went from {from} to {to}"};
// A reading whose offset is not the one the place's clock showed.
inline constexpr TextKey ClockAsChosen{"suggest.ClockAsChosen",
                                       "the clock there showed {clock} ({note}), but this reading uses {used} as chosen"};
inline constexpr TextKey ClockAsGiven{"suggest.ClockAsGiven",
                                      "the clock there showed {clock} ({note}), but this reading uses {used} as given"};
}  // namespace suggest

// A births file's notes on how a record's clock was settled, and why a record cannot be read as it stands.
namespace births_text {
inline constexpr TextKey LocalMeanTime{"births.LocalMeanTime", "local mean time of the birthplace, {offset}"};
inline constexpr TextKey LocalMeanTimeFromJulianDay{"births.LocalMeanTimeFromJulianDay",
                                                    "local mean time of the birthplace, {offset}, from the Julian day"};
inline constexpr TextKey LocalMeanTimeTaken{"births.LocalMeanTimeTaken",
                                            "the file does not give the zone: local mean time of the birthplace, {offset}, is "
                                            "taken, as {place} kept local mean time then"};
inline constexpr TextKey NoZone{"births.NoZone", "the file does not give the zone"};
inline constexpr TextKey NoRowHasOffset{"births.NoRowHasOffset", "no zone row has the offset {offset}"};
inline constexpr TextKey JulianDayTaken{"births.JulianDayTaken",
                                        "the Julian day gives {julian}, the date, time and zone {clock}; the Julian day is taken"};
inline constexpr TextKey JulianDayTooCoarse{"births.JulianDayTooCoarse", "its Julian day is too coarse to tell the zone"};
inline constexpr TextKey JulianDayTooFar{"births.JulianDayTooFar", "its Julian day is more than 15 hours from the clock time"};
inline constexpr TextKey ZoneFromJulianDay{"births.ZoneFromJulianDay", "the zone {offset} is taken from the Julian day"};
inline constexpr TextKey DateTimeFromJulianDay{"births.DateTimeFromJulianDay",
                                               "the date and time are taken from the Julian day, {instant}"};
inline constexpr TextKey NotesJoined{"births.NotesJoined", "{first}; {rest}"};
inline constexpr TextKey RefusedLine{"births.RefusedLine", "line {line}: {reason}"};
inline constexpr TextKey RefusedLocalMeanTime{"births.RefusedLocalMeanTime",
                                              "The birth is in local mean time ({offset}): no zone row has its offset; choose a row"};
inline constexpr TextKey RefusedOffset{"births.RefusedOffset", "No zone row has the offset {offset}; choose a row"};
inline constexpr TextKey RefusedNoZone{"births.RefusedNoZone", "The file does not give the zone; choose a row"};
inline constexpr TextKey RefusedInCsv{"births.RefusedInCsv", "{refusal} (CSV needs a zone row, an offset or LMT)"};
}  // namespace births_text

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
inline constexpr TextKey NotWithBatch{"cli.NotWithBatch", "{option} cannot be used with --batch (each line gives its own birth)"};
inline constexpr TextKey DstNeedsZone{"cli.DstNeedsZone",
                                      "--dst needs --zone or --offset; with --place alone the daylight-saving flag is worked out"};
inline constexpr TextKey Required{"cli.Required", "{option} is required (or use --batch, --zones, --help)"};
inline constexpr TextKey ZoneRequired{"cli.ZoneRequired", "--zone (or --offset or --lmt) is required (or use --batch, --zones, --help)"};
inline constexpr TextKey BadWindow{"cli.BadWindow",
                                   "--time: a window is HH:MM-HH:MM, both on the date and the start no later than the end (or "
                                   "unknown for the whole day)"};
inline constexpr TextKey FoldNeedsPlace{"cli.FoldNeedsPlace", "--fold needs --place: only the atlas's clock repeats an hour"};
inline constexpr TextKey KeptAsItStands{"cli.KeptAsItStands", "{reason} (the record is kept as it stands)"};
inline constexpr TextKey LeftOut{"cli.LeftOut", "{reason}; left out"};
inline constexpr TextKey OutputFailed{"cli.OutputFailed", "the output could not be written: {reason}"};
}  // namespace cli_text

// Every sentence above, for the catalogue.
inline constexpr const TextKey* kSentenceKeys[] = {
    &kShortDate, &kShortMonths[0], &kShortMonths[1], &kShortMonths[2], &kShortMonths[3], &kShortMonths[4],
    &kShortMonths[5], &kShortMonths[6], &kShortMonths[7], &kShortMonths[8], &kShortMonths[9], &kShortMonths[10],
    &kShortMonths[11],
    &suggest::When, &suggest::NoData, &suggest::Damaged, &suggest::LocalMeanTime, &suggest::Standard,
    &suggest::Daylight, &suggest::DatabaseMeanTime, &suggest::RepeatedFirst, &suggest::RepeatedSecond,
    &suggest::Skipped, &suggest::NotExact, &suggest::CameTwice, &suggest::NeverCame, &suggest::ClockAsChosen,
    &suggest::ClockAsGiven,
    &births_text::LocalMeanTime, &births_text::LocalMeanTimeFromJulianDay, &births_text::LocalMeanTimeTaken,
    &births_text::NoZone, &births_text::NoRowHasOffset, &births_text::JulianDayTaken, &births_text::JulianDayTooCoarse,
    &births_text::JulianDayTooFar, &births_text::ZoneFromJulianDay, &births_text::DateTimeFromJulianDay,
    &births_text::NotesJoined, &births_text::RefusedLine, &births_text::RefusedLocalMeanTime,
    &births_text::RefusedOffset, &births_text::RefusedNoZone, &births_text::RefusedInCsv,
    &cli_text::Note, &cli_text::Warning, &cli_text::Line, &cli_text::FirstTaken, &cli_text::SecondTaken,
    &cli_text::OffsetBefore, &cli_text::PlaceAmbiguous, &cli_text::PlaceUnknown, &cli_text::Candidates,
    &cli_text::DidYouMean, &cli_text::FindNone, &cli_text::GiveZone, &cli_text::NotWithBatch, &cli_text::DstNeedsZone,
    &cli_text::Required, &cli_text::ZoneRequired, &cli_text::BadWindow, &cli_text::FoldNeedsPlace,
    &cli_text::KeptAsItStands, &cli_text::LeftOut, &cli_text::OutputFailed,
};

}  // namespace quorvane::l10n
