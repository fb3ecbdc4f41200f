// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/atlas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvane {
namespace {

Place Town(std::string city, std::string state, std::string country, std::string code, std::uint32_t population) {
    Place p;
    p.City = std::move(city);
    p.State = std::move(state);
    p.Country = std::move(country);
    p.CountryCode = std::move(code);
    p.Population = population;
    return p;
}

std::vector<std::string> Found(const Atlas& atlas, std::string_view query) {
    std::vector<std::string> names;
    for (const PlaceMatch& m : atlas.Find(query)) names.push_back(m.Town->City + "/" + m.Town->CountryCode);
    return names;
}

TEST(FoldForSearch, DropsCaseAccentsAndPunctuation) {
    EXPECT_EQ(FoldForSearch("Zürich"), "zurich");
    EXPECT_EQ(FoldForSearch("MÜNCHEN"), "munchen");
    EXPECT_EQ(FoldForSearch("São Paulo"), "sao paulo");
    EXPECT_EQ(FoldForSearch("Straße"), "strasse");
    EXPECT_EQ(FoldForSearch("Łódź"), "lodz");
    EXPECT_EQ(FoldForSearch("Ærøskøbing"), "aeroskobing");
    EXPECT_EQ(FoldForSearch("Ḩawallī"), "hawalli");
    EXPECT_EQ(FoldForSearch("  Rivas-Vaciamadrid , "), "rivas vaciamadrid");
    EXPECT_EQ(FoldForSearch("Sant’Antioco"), "santantioco");
    EXPECT_EQ(FoldForSearch(""), "");
    EXPECT_EQ(FoldForSearch("\xff\xfe"), "");  // not UTF-8: matches nothing rather than everything
}

TEST(ParsePlaceQuery, SplitsOnCommas) {
    const PlaceQuery one = ParsePlaceQuery("  Madrid ");
    EXPECT_EQ(one.City, "Madrid");
    EXPECT_EQ(one.Region, "");
    const PlaceQuery two = ParsePlaceQuery("Madrid,Spain");
    EXPECT_EQ(two.Region, "Spain");
    const PlaceQuery three = ParsePlaceQuery("Pune, Maharashtra, India");
    EXPECT_EQ(three.State, "Maharashtra");
    EXPECT_EQ(three.Country, "India");
    EXPECT_EQ(three.Region, "");
    EXPECT_EQ(ParsePlaceQuery("Seoul, , Korea, Republic of").Country, "Korea, Republic of");
}

class SmallAtlas : public ::testing::Test {
protected:
    Atlas atlas{{
        Town("Springfield", "Illinois", "United States of America", "US", 116565),
        Town("Springfield", "Missouri", "United States of America", "US", 166810),
        Town("Parisville", "Somewhere", "Nowhere", "NW", 9000000),
        Town("Paris", "Texas", "United States of America", "US", 24782),
        Town("Paris", "Île-de-France Region", "France", "FR", 2138551),
        Town("London", "Ontario", "Canada", "CA", 346765),
        Town("London", "England", "United Kingdom", "GB", 8961989),
        Town("Kolkata", "State of West Bengal", "India", "IN", 4631392),
    }};
};

TEST_F(SmallAtlas, ExactNameOutranksLargerPrefixMatch) {
    EXPECT_EQ(Found(atlas, "paris"), (std::vector<std::string>{"Paris/FR", "Paris/US", "Parisville/NW"}));
    EXPECT_EQ(Found(atlas, "Pari"), (std::vector<std::string>{"Parisville/NW", "Paris/FR", "Paris/US"}));
}

TEST_F(SmallAtlas, SecondPartMayBeStateOrCountry) {
    EXPECT_EQ(Found(atlas, "Springfield, Illinois"), (std::vector<std::string>{"Springfield/US"}));
    EXPECT_EQ(atlas.Find("Springfield, Illinois").front().Town->State, "Illinois");
    EXPECT_EQ(Found(atlas, "London, Canada"), (std::vector<std::string>{"London/CA"}));
    EXPECT_EQ(Found(atlas, "london, ca"), (std::vector<std::string>{"London/CA"}));
    EXPECT_EQ(Found(atlas, "London, UK"), (std::vector<std::string>{"London/GB"}));
    EXPECT_EQ(Found(atlas, "Paris, Ile de France"), (std::vector<std::string>{"Paris/FR"}));
    EXPECT_EQ(Found(atlas, "Kolkata, West Bengal, IN"), (std::vector<std::string>{"Kolkata/IN"}));
}

TEST_F(SmallAtlas, QualifierThatFitsNothingExcludes) {
    EXPECT_TRUE(atlas.Find("London, France").empty());
    EXPECT_TRUE(atlas.Find("Kolkata, Texas, India").empty());
    EXPECT_TRUE(atlas.Find(", India").empty());
}

TEST_F(SmallAtlas, CloserQualifierRanksFirst) {
    // "Texas" is the whole state of one Paris; "United" only begins the other's country.
    Atlas two{
        {Town("Paris", "Texas", "United States of America", "US", 10), Town("Paris", "United", "France", "FR", 1000)}};
    EXPECT_EQ(two.Find("Paris, united states").front().Town->CountryCode, "US");
    EXPECT_EQ(two.Find("Paris, united").front().Town->CountryCode, "FR");
}

TEST_F(SmallAtlas, ResolveTakesClearWinnersOnly) {
    const PlaceResolution london = ResolvePlace(atlas, "London");
    ASSERT_EQ(london.Result, PlaceResolution::Outcome::Found);
    EXPECT_EQ(london.Chosen->CountryCode, "GB");

    const PlaceResolution springfield = ResolvePlace(atlas, "Springfield");
    EXPECT_EQ(springfield.Result, PlaceResolution::Outcome::Ambiguous);
    ASSERT_EQ(springfield.Candidates.size(), 2u);
    EXPECT_EQ(springfield.Candidates[0]->State, "Missouri");

    // A prefix alone never picks among several towns, however large one of them is.
    EXPECT_EQ(ResolvePlace(atlas, "Par").Result, PlaceResolution::Outcome::Ambiguous);
    EXPECT_EQ(ResolvePlace(atlas, "Kolk").Result, PlaceResolution::Outcome::Found);

    const PlaceResolution wrongCountry = ResolvePlace(atlas, "London, France");
    EXPECT_EQ(wrongCountry.Result, PlaceResolution::Outcome::NotFound);
    EXPECT_EQ(wrongCountry.Candidates.size(), 2u);
    EXPECT_TRUE(ResolvePlace(atlas, "Atlantis").Candidates.empty());
}

TEST(DescribePlace, LeavesOutStateThatRepeatsCity) {
    EXPECT_EQ(DescribePlace(Town("Madrid", "Madrid", "Spain", "ES", 1)), "Madrid, Spain");
    EXPECT_EQ(DescribePlace(Town("Pune", "Maharashtra", "India", "IN", 1)), "Pune, Maharashtra, India");
}

TEST(BuiltinAtlas, ReadsTheLibraryCitiesOnce) {
    const Atlas& atlas = Atlas::Builtin();
    EXPECT_GT(atlas.Size(), 20000u);
    EXPECT_EQ(&atlas, &Atlas::Builtin());
}

TEST(BuiltinAtlas, FindsAccentedAndQualifiedNames) {
    const Atlas& atlas = Atlas::Builtin();
    const auto zurich = atlas.Find("Zürich");
    ASSERT_FALSE(zurich.empty());
    EXPECT_EQ(zurich.front().Town->CountryCode, "CH");
    EXPECT_EQ(zurich.front().Town->TimeZoneId, "Europe/Zurich");

    // The list names Munich in English; its local name finds it too, and only once under a prefix.
    for (const char* local : {"München", "munchen", "MUNCHEN, Germany"}) {
        const auto munich = atlas.Find(local);
        ASSERT_FALSE(munich.empty()) << local;
        EXPECT_EQ(munich.front().Town->City, "Munich") << local;
        EXPECT_TRUE(munich.front().ExactName) << local;
    }
    const auto mun = atlas.Find("mun", 200);
    EXPECT_EQ(std::count_if(mun.begin(), mun.end(), [](const PlaceMatch& m) { return m.Town->City == "Munich"; }), 1);
    EXPECT_EQ(atlas.Find("Wien, Austria").front().Town->City, "Vienna");

    const auto saoPaulo = atlas.Find("sao paulo, brazil");
    ASSERT_FALSE(saoPaulo.empty());
    EXPECT_EQ(saoPaulo.front().Town->City, "São Paulo");

    const auto madrid = atlas.Find("Madrid, Spain");
    ASSERT_FALSE(madrid.empty());
    EXPECT_EQ(madrid.front().Town->TimeZoneId, "Europe/Madrid");
    EXPECT_NEAR(madrid.front().Town->Latitude, 40.4165, 0.01);
    EXPECT_NEAR(madrid.front().Town->Longitude, -3.7026, 0.01);
    EXPECT_EQ(atlas.Find("Madrid, CO").front().Town->Country, "Colombia");

    const PlaceResolution kolkata = ResolvePlace(atlas, "kolkata, west bengal, india");
    ASSERT_EQ(kolkata.Result, PlaceResolution::Outcome::Found);
    EXPECT_EQ(kolkata.Chosen->TimeZoneId, "Asia/Kolkata");
}

}  // namespace
}  // namespace quorvane
