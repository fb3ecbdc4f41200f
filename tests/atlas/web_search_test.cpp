// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The web search the finder offers: the phrase of the form's place, and an address its text cannot break.

#include <gtest/gtest.h>

#include "atlas/web_search.h"

namespace quorvane {
namespace {

TEST(WebSearch, ThePhraseAndItsAddress) {
    EXPECT_EQ(WebSearchPhrase("Pune", "Maharashtra", "India"), "Pune Maharashtra India Latitude Longitude");
    const std::string base = WebSearchUrl("");
    EXPECT_EQ(base.rfind("https://", 0), 0u) << base;
    EXPECT_EQ(WebSearchUrl(WebSearchPhrase("Pune", "Maharashtra", "India")),
              base + "Pune%20Maharashtra%20India%20Latitude%20Longitude");
    // What could end the query or add parameters is encoded, and every byte of a letter beyond ASCII.
    EXPECT_EQ(WebSearchUrl("a&b=c#d?e/f+g%h"), base + "a%26b%3Dc%23d%3Fe%2Ff%2Bg%25h");
    EXPECT_EQ(WebSearchUrl("S\xC3\xA3o Paulo"), base + "S%C3%A3o%20Paulo");
    EXPECT_EQ(WebSearchUrl("A-z_0.9~"), base + "A-z_0.9~");
}

}  // namespace
}  // namespace quorvane
