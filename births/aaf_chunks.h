// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chunks of an AAF record ("#A93:", "#B93:" and the rest), as the AAF reader and writer both see them.

#include <string>
#include <string_view>
#include <vector>

namespace quorvane::births {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
inline constexpr std::string_view kBirthChunk = "#A93:";
inline constexpr std::string_view kPlaceChunk = "#B93:";
inline constexpr std::string_view kZoneNameChunk = "#ZNAM:";
inline constexpr std::string_view kZoneRowChunk = "#QZROW:";  // this program's own: the row chosen
inline constexpr std::string_view kClockChunk = "#QCLOCK:";   // this program's own: "LMT" for local mean time
inline constexpr std::string_view kSubRecordChunk = "#SUB";

inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Up to `most` comma-separated fields, trimmed; the last takes the rest of the line.
std::vector<std::string_view> Fields(std::string_view text, std::size_t most);

// A field's value, or nothing for "*".
inline std::string_view Given(std::string_view field) {
    return field == "*" ? std::string_view{} : field;
}

// A chunk: "#TAG:" and its data, which may go on over the following lines that do not start with '#'.
struct Chunk {
    std::string_view Tag;   // "#A93:", with its colon
    std::string Data;       // after the tag, the continuation lines joined on, without CRs
    std::size_t First = 0;  // its lines in the record
    std::size_t Last = 0;
    bool InSubRecord = false;
};

std::string_view WithoutCr(std::string_view line);
std::vector<Chunk> ChunksOf(const std::vector<std::string>& lines);

// The record's own chunks: its #A93 and the first of the others outside a sub-record.
struct OwnChunks {
    const Chunk* Birth = nullptr;
    const Chunk* Place = nullptr;
    const Chunk* ZoneName = nullptr;
    const Chunk* ZoneRow = nullptr;
    const Chunk* Clock = nullptr;
};

OwnChunks FindOwn(const std::vector<Chunk>& chunks);

// "First Last" from the two name fields, either of which may be "*".
std::string JoinName(std::string_view first, std::string_view last);

}  // namespace quorvane::births
