// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small text helpers shared by the parsers of every folder.

#include <string_view>

namespace quorvane {

inline constexpr std::string_view kWhitespace = " \t\r\n\f\v";

// `text` without the leading and trailing characters found in `blanks`.
constexpr std::string_view Trim(std::string_view text, std::string_view blanks = kWhitespace) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

}  // namespace quorvane
