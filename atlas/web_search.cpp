// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/web_search.h"

namespace quorvane {

std::string WebSearchPhrase(std::string_view city, std::string_view state, std::string_view country) {
    return std::string(city).append(" ").append(state).append(" ").append(country).append(" Latitude Longitude");
}

std::string WebSearchUrl(std::string_view phrase) {
    // The phrase is the user's text: every byte but the unreserved ones is encoded, blanks included, so that
    // nothing in it can end the query or add parameters.
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = QUORVANE_SEARCH_BASE;
    for (const char c : phrase) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                                byte == '~';
        if (unreserved) {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 0xF];
        }
    }
    return url;
}

}  // namespace quorvane
