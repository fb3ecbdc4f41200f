// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing AAF: records written anew from their birth, every other line kept as it was read.
#include <cstdio>
#include <utility>

#include "births/aaf_chunks.h"
#include "births/aaf_fields.h"
#include "births/births.h"
#include "births/encoding.h"
#include "common/text.h"
#include "reading/time_zones.h"

namespace quorvane::births {
namespace {

// A value for an AAF field: no commas or line feeds (which would end the field or the line), "*" when empty.
std::string FieldText(std::string_view value) {
    std::string text(value);
    for (char& c : text)
        if (c == ',' || c == '\n') c = ' ';
    text = std::string(Trim(text));
    return text.empty() ? std::string("*") : text;
}

// The two name fields: as the file gave them while the name is unchanged; else "Last, First" at its
// comma, or the name split at its last blank into first names and last name.
std::pair<std::string, std::string> NameFields(const Birth& birth) {
    if (!birth.LastName.empty() || !birth.FirstName.empty())
        if (JoinName(birth.FirstName, birth.LastName) == birth.Data.Name)
            return {FieldText(birth.LastName), FieldText(birth.FirstName)};
    const std::string_view name = Trim(birth.Data.Name);
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
    out.push_back(std::string(kPlaceChunk) + "*," +
                  AngleText(d.LatitudeDegrees, d.LatitudeMinutes, d.IsSouth ? 's' : 'n') + "," +
                  AngleText(d.LongitudeDegrees, d.LongitudeMinutes, d.IsEast ? 'e' : 'w') + "," + zone + "," +
                  (d.IsDaylightSaving ? "1" : "0"));
    if (birth.ZoneRow >= 0) {
        out.push_back(std::string(kZoneNameChunk) +
                      std::string(TimeZoneTable()[static_cast<std::size_t>(birth.ZoneRow)].Abbreviation));
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

}  // namespace

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

}  // namespace quorvane::births
