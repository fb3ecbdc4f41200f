// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in atlas: a town by the name people know, in any language or script or from history, with
// the abbreviations they write, the same under every locale.
#include "atlas/atlas.h"
#include "atlas/state_abbreviations.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvane {
namespace {

struct Expected {
    const char* Typed;
    const char* City;  // the atlas's own name
    const char* CountryCode;
    const char* Matched;  // the name shown beside it; "" when the atlas's own matched
};

TEST(AtlasNames, OtherLanguagesAndHistoryFindTheTown) {
    const Atlas& atlas = Atlas::Builtin();
    ASSERT_TRUE(atlas.Problem().empty());
    for (const Expected& e : {
             Expected{"Bombay", "Mumbai", "IN", "Bombay"},
             {"Calcutta", "Kolkata", "IN", "Calcutta"},
             {"Madras", "Chennai", "IN", "Madras"},
             {"Peking", "Beijing", "CN", "Peking"},
             {"Kiev", "Kyiv", "UA", "Kiev"},
             {"Danzig", "Gdansk", "PL", "Danzig"},
             {"Breslau", "Wroclaw", "PL", "Breslau"},
             {"Königsberg", "Kaliningrad", "RU", "Königsberg"},
             {"Москва", "Moscow", "RU", "Москва"},
             {"МОСКВА", "Moscow", "RU", "Москва"},
             {"Киев", "Kyiv", "UA", "Киев"},
             {"ΑΘΗΝΑ", "Athens", "GR", "Αθήνα"},
             {"Ciudad de México", "Mexico City", "MX", "Ciudad de México"},
             {"ciudad de mexico", "Mexico City", "MX", "Ciudad de México"},
             {"München", "Munich", "DE", "München"},
             {"St. Petersburg, Russia", "Saint Petersburg", "RU", ""},
             {"New York, NY", "New York", "US", ""},
             {"Mumbai", "Mumbai", "IN", ""},
         }) {
        const PlaceResolution r = ResolvePlace(atlas, e.Typed);
        ASSERT_EQ(r.Result, PlaceResolution::Outcome::Found) << e.Typed;
        EXPECT_EQ(r.Chosen->City, e.City) << e.Typed;
        EXPECT_EQ(r.Chosen->CountryCode, e.CountryCode) << e.Typed;
        EXPECT_NE(r.Chosen->GeoNameId, 0u) << e.Typed;
        const auto found = atlas.Find(e.Typed, 1);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found.front().MatchedName, e.Matched) << e.Typed;
    }
}

TEST(AtlasNames, AbbreviationsOfStatesCountriesAndWords) {
    const Atlas& atlas = Atlas::Builtin();
    for (const Expected& e : {
             Expected{"Sydney, NSW", "Sydney", "AU", ""},
             {"Melbourne, VIC, Australia", "Melbourne", "AU", ""},
             {"Montreal, QC", "Montreal", "CA", ""},
             {"Vancouver, BC, Canada", "Vancouver", "CA", ""},
             {"Springfield, IL", "Springfield", "US", ""},
             {"Portland, ME, USA", "Portland", "US", ""},
             {"Portland, U.S.A.", "Portland", "US", ""},
             {"London, UK", "London", "GB", ""},
             {"London, GB", "London", "GB", ""},
             {"Dubai, UAE", "Dubai", "AE", ""},
             {"St. Louis, MO", "St Louis", "US", ""},
             {"Saint Louis, Missouri", "St Louis", "US", ""},
             {"Ft. Lauderdale", "Fort Lauderdale", "US", ""},
             {"Mt. Isa", "Mount Isa", "AU", ""},
             {"Ste-Julie", "Sainte-Julie", "CA", ""},
             {"Köln, Deutschland", "Cologne", "DE", ""},
             {"München, Bayern", "Munich", "DE", ""},
             {"Москва, Россия", "Moscow", "RU", ""},
             {"Sevilla, Andalucía, España", "Seville", "ES", ""},
         }) {
        const auto found = atlas.Find(e.Typed, 1);
        ASSERT_EQ(found.size(), 1u) << e.Typed;
        EXPECT_EQ(found.front().Town->City, e.City) << e.Typed;
        EXPECT_EQ(found.front().Town->CountryCode, e.CountryCode) << e.Typed;
    }
    EXPECT_EQ(atlas.Find("Portland, ME").front().Town->State, "State of Maine");
    EXPECT_TRUE(atlas.Find("Sydney, QLD").empty());  // the abbreviation names one state, not any
}

// Each abbreviation must name a state as the atlas spells it, or it would match nothing.
TEST(AtlasNames, EveryStateAbbreviationNamesAStateOfTheAtlas) {
    const Atlas& atlas = Atlas::Builtin();
    for (const StateAbbreviation& a : StateAbbreviations()) {
        PlaceQuery q;
        q.City = "a";  // any town of the state whose name starts with "a" will do; each state has one
        q.State = std::string(a.Abbreviation);
        q.Country = std::string(a.CountryCode);
        bool stateSeen = false;
        for (char first = 'a'; first <= 'z' && !stateSeen; ++first) {
            q.City = std::string(1, first);
            for (const PlaceMatch& m : atlas.Find(q, 1)) stateSeen = m.Town->State == a.State && m.QualifierScore == 6;
        }
        EXPECT_TRUE(stateSeen) << a.CountryCode << " " << a.Abbreviation << " " << a.State;
    }
}

// Upper-case I is i in every locale here: Turkish case rules would make it a dotless ı.
TEST(AtlasNames, CaseFoldingIgnoresTheLocale) {
    EXPECT_EQ(FoldForSearch("ISTANBUL"), "istanbul");
    EXPECT_EQ(FoldForSearch("İstanbul"), "istanbul");
    EXPECT_EQ(FoldForSearch("DİYARBAKIR"), "diyarbakir");
    EXPECT_EQ(FoldForSearch("Diyarbakır"), "diyarbakir");
    EXPECT_EQ(FoldForSearch("ΣΠΆΡΤΗ"), FoldForSearch("σπάρτη"));
    EXPECT_EQ(FoldForSearch("תֵּל אָבִיב"), "תל אביב");  // Hebrew points
    EXPECT_EQ(FoldForSearch("مُومْبَاي"), "مومباي");    // Arabic harakat
    EXPECT_EQ(FoldForSearch("मुंबई"), "मुंबई");          // Devanagari vowel signs stay
    // Cherokee folds to its capitals, as Unicode's case folding has it; the small letters meet them.
    EXPECT_EQ(FoldForSearch("ᎠᎴᏂ"), FoldForSearch("ꭰꮄꮒ"));
    EXPECT_EQ(FoldForSearch("Straße"), "strasse");
    EXPECT_EQ(FoldForSearch(std::string_view("Z\xC3\xBCrich\0x", 10)), "zurich") << "a C string ends at its NUL";
    EXPECT_EQ(FoldForSearch("Z\xFCrich"), "") << "not UTF-8";
    const Atlas& atlas = Atlas::Builtin();
    for (const char* typed : {"IZMIR", "izmir", "İzmir", "IZMIR, TURKEY"}) {
        const auto found = atlas.Find(typed, 1);
        ASSERT_EQ(found.size(), 1u) << typed;
        EXPECT_EQ(found.front().Town->CountryCode, "TR") << typed;
    }
}

// A last word still being typed may begin a longer word; with its full stop it is the abbreviation.
TEST(AtlasNames, ShortWordBeingTypedFindsBothReadings) {
    const auto cities = [](const std::vector<PlaceMatch>& found) {
        std::vector<std::string> names;
        for (const PlaceMatch& m : found) names.push_back(m.Town->City);
        return names;
    };
    const auto st = cities(Atlas::Builtin().Find("St", 200));
    EXPECT_NE(std::find(st.begin(), st.end(), "Stockholm"), st.end());
    EXPECT_NE(std::find(st.begin(), st.end(), "Saint Petersburg"), st.end());
    const auto stDot = cities(Atlas::Builtin().Find("St.", 200));
    EXPECT_EQ(std::find(stDot.begin(), stDot.end(), "Stockholm"), stDot.end());
    EXPECT_NE(std::find(stDot.begin(), stDot.end(), "Saint Petersburg"), stDot.end());
}

}  // namespace
}  // namespace quorvane
