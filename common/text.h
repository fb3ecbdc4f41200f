// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small text helpers shared by the parsers of every folder.

#include <string_view>

namespace quorvane {

constexpr bool IsWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// `text` without the whitespace at either end. Written out rather than through find_first_not_of, which
// searches the blanks once for each character: a batch trims millions of fields.
constexpr std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsWhitespace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsWhitespace(text.back())) text.remove_suffix(1);
    return text;
}

// `text` without the leading and trailing characters found in `blanks`.
constexpr std::string_view Trim(std::string_view text, std::string_view blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

}  // namespace quorvane
