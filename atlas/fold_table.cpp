// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// FoldUnicode from the table that make_web_atlas wrote with the libunistring fold, code point by code
// point. It gives the same as that fold but where a decomposed mark that is kept would be reordered
// against a following mark, which town names do not have.
#include "atlas/fold_unicode.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {
namespace {

struct Range {
    std::uint32_t First = 0;
    std::uint32_t Last = 0;
    fold_table::Kind Kind = fold_table::kDropped;
    std::string Text;
};

std::vector<Range>& Table() {
    static std::vector<Range> table;
    return table;
}

std::uint32_t Le32(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return v;
}

// One code point of valid UTF-8 at `at`, advancing it; nothing for bytes that are not.
std::optional<std::uint32_t> NextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) return std::nullopt;
    std::uint32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
        if ((next >> 6) != 2) return std::nullopt;
        c = c << 6 | (next & 0x3F);
    }
    static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    at += static_cast<std::size_t>(length);
    return c;
}

}  // namespace

void fold_table::Load(std::string bytes) {
    std::vector<Range> table;
    for (std::size_t at = 0; at + 10 <= bytes.size();) {
        Range r{Le32(bytes, at), Le32(bytes, at + 4), static_cast<Kind>(bytes[at + 8]), {}};
        const auto length = static_cast<unsigned char>(bytes[at + 9]);
        at += 10;
        if (at + length > bytes.size()) break;
        r.Text = bytes.substr(at, length);
        at += length;
        table.push_back(std::move(r));
    }
    Table() = std::move(table);
}

std::string FoldUnicode(std::string_view text) {
    std::string out;
    text = text.substr(0, text.find('\0'));
    const std::vector<Range>& table = Table();
    if (table.empty()) return out;
    bool pendingBlank = false;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        const std::optional<std::uint32_t> c = NextCodePoint(text, at);
        if (!c) return {};  // not valid UTF-8
        const auto range = std::upper_bound(table.begin(), table.end(), *c,
                                            [](std::uint32_t v, const Range& r) { return v < r.First; });
        std::string_view written = text.substr(start, at - start);
        if (range != table.begin() && *c <= std::prev(range)->Last) {
            const Range& r = *std::prev(range);
            if (r.Kind == fold_table::kDropped) continue;
            if (r.Kind == fold_table::kBlank) {
                pendingBlank = !out.empty();
                continue;
            }
            written = r.Text;
        }
        if (pendingBlank) out += ' ';
        pendingBlank = false;
        out += written;
    }
    return out;
}

}  // namespace quorvane
