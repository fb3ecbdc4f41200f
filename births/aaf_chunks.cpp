// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/aaf_chunks.h"

#include <utility>

#include "common/text.h"

namespace quorvane::births {

std::vector<std::string_view> Fields(std::string_view text, std::size_t most) {
    std::vector<std::string_view> fields;
    for (;;) {
        const auto comma = fields.size() + 1 < most ? text.find(',') : std::string_view::npos;
        fields.push_back(Trim(text.substr(0, comma)));
        if (comma == std::string_view::npos) return fields;
        text.remove_prefix(comma + 1);
    }
}

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
        } else if (open && !Trim(line).empty()) {
            chunks.back().Data += Trim(line);
            chunks.back().Last = i;
        } else {
            open = false;
        }
    }
    return chunks;
}

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

std::string JoinName(std::string_view first, std::string_view last) {
    first = Given(first);
    last = Given(last);
    if (first.empty()) return std::string(last);
    if (last.empty()) return std::string(first);
    return std::string(first) + " " + std::string(last);
}

}  // namespace quorvane::births
