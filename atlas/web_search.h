// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The web search offered when the atlas has no answer, the same from the desktop and from the page.

#include <string>
#include <string_view>

namespace quorvane {

// What is searched for the form's place: "City State Country Latitude Longitude".
std::string WebSearchPhrase(std::string_view city, std::string_view state, std::string_view country);

// The search engine's address for `phrase` (the build's search base, then the phrase percent-encoded).
std::string WebSearchUrl(std::string_view phrase);

}  // namespace quorvane
