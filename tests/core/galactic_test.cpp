// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "galactic/galactic_signs.h"

namespace quorvane {
namespace {

std::string_view NameAt(int degree) {
    const GalacticSign* sign = LookupGalacticDegree(degree);
    return sign ? sign->Name : "<none>";
}

TEST(GalacticTable, BoundariesAndWraparound) {
    EXPECT_EQ(NameAt(39), "Build");
    EXPECT_EQ(NameAt(40), "Trade");
    EXPECT_EQ(NameAt(345), "Nurture");
    EXPECT_EQ(NameAt(346), "Build");
    EXPECT_EQ(NameAt(1), "Build");
    EXPECT_EQ(NameAt(360), "Build");
    EXPECT_EQ(NameAt(100), "Heal");
    EXPECT_EQ(NameAt(101), "Rule");
    EXPECT_EQ(NameAt(281), "Law");
    EXPECT_EQ(NameAt(282), "Explore");
    EXPECT_EQ(NameAt(0), "Build") << "degree 0 lies between 360 and 1";
    EXPECT_EQ(LookupGalacticDegree(-1), nullptr);
    EXPECT_EQ(LookupGalacticDegree(361), nullptr);
}

TEST(GalacticTable, WidthsCoverTheCircleOnce) {
    const std::map<std::string_view, int> expected{{"Build", 54}, {"Trade", 29},     {"Collect", 17}, {"Heal", 15},
                                                   {"Rule", 22},  {"Interpret", 43}, {"Teach", 54},   {"Protect", 29},
                                                   {"Art", 17},   {"Law", 16},       {"Explore", 21}, {"Nurture", 43}};
    std::map<std::string_view, int> width;
    for (int d = 1; d <= 360; ++d) ++width[NameAt(d)];
    EXPECT_EQ(width, expected);
    // Every slot refers to one of the twelve records themselves, never to a copy.
    const auto& signs = GalacticSigns();
    for (const GalacticSign* slot : BuildGalacticTables())
        EXPECT_TRUE(slot >= signs.data() && slot < signs.data() + signs.size());
}

TEST(GalacticSigns, RecordsAsDesigned) {
    const auto* heal = LookupGalacticDegree(90);
    EXPECT_EQ(heal->RulingPlanet, "");
    EXPECT_EQ(heal->Keywords, "Correct, Repair, Cure");
    EXPECT_EQ(LookupGalacticDegree(75)->RulingPlanet, "") << "Collect";
    EXPECT_EQ(LookupGalacticDegree(255)->RulingPlanet, "Earth") << "Art";
    EXPECT_EQ(LookupGalacticDegree(270)->RulingPlanet, "Earth") << "Law";
    EXPECT_EQ(LookupGalacticDegree(130)->Constellation, "Argo Navis");
    EXPECT_EQ(LookupGalacticDegree(280)->Keywords, "Rule, Principles, Righteousness");
}

TEST(GalacticSigns, DescriptionLengthsAndTrailingBlanks) {
    const std::map<std::string_view, std::size_t> length{
        {"Build", 506}, {"Trade", 572},   {"Collect", 566}, {"Heal", 636}, {"Rule", 674},    {"Interpret", 732},
        {"Teach", 547}, {"Protect", 540}, {"Art", 485},     {"Law", 473},  {"Explore", 472}, {"Nurture", 557}};
    const std::map<std::string_view, std::size_t> trailingBlanks{
        {"Collect", 1}, {"Heal", 1}, {"Protect", 1}, {"Law", 1}, {"Art", 3}};
    for (const GalacticSign& sign : GalacticSigns()) {
        EXPECT_EQ(sign.Description.size(), length.at(sign.Name)) << sign.Name;
        const auto lastNonBlank = sign.Description.find_last_not_of(' ');
        const std::size_t blanks = sign.Description.size() - 1 - lastNonBlank;
        const auto it = trailingBlanks.find(sign.Name);
        EXPECT_EQ(blanks, it == trailingBlanks.end() ? 0u : it->second) << sign.Name;
        EXPECT_EQ(sign.Description.find('\n'), std::string_view::npos) << sign.Name;
    }
}

TEST(GalacticSigns, PictureKeysAreTheNamesInAlphabeticalOrder) {
    const auto& keys = GalacticPictureKeys();
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    for (const GalacticSign& sign : GalacticSigns())
        EXPECT_NE(std::find(keys.begin(), keys.end(), sign.Name), keys.end()) << sign.Name;
}

TEST(OppositeDegree, NeverZero) {
    EXPECT_EQ(OppositeDegree(0), 180);
    EXPECT_EQ(OppositeDegree(180), 360);
    EXPECT_EQ(OppositeDegree(181), 1);
    EXPECT_EQ(OppositeDegree(360), 180);
    for (int d = 0; d <= 360; ++d) {
        EXPECT_GE(OppositeDegree(d), 1);
        EXPECT_LE(OppositeDegree(d), 360);
    }
}

TEST(Placement, WaxingAndWaning) {
    PlacedSigns waxing = PlaceGalacticSigns(50, 10, 200, MoonPhase::Waxing);
    EXPECT_EQ(waxing.Ascendant->Name, "Build");   // Moon 10
    EXPECT_EQ(waxing.Descendant->Name, "Teach");  // 190
    EXPECT_EQ(waxing.MoonSign->Name, "Teach");    // Ascendant 200
    EXPECT_EQ(waxing.SunSign->Name, "Protect");   // 230

    PlacedSigns waning = PlaceGalacticSigns(50, 10, 200, MoonPhase::Waning);
    EXPECT_EQ(waning.Ascendant->Name, "Teach");   // 190
    EXPECT_EQ(waning.Descendant->Name, "Build");  // 10
    EXPECT_EQ(waning.MoonSign->Name, "Build");    // Descendant 20
    EXPECT_EQ(waning.SunSign->Name, "Protect");

    // The Sun's own degree is never looked up: 180 shows the sign of 360.
    EXPECT_EQ(PlaceGalacticSigns(180, 10, 200, MoonPhase::Waxing).SunSign->Name, "Build");
    // Degree 0 of the Moon and the Ascendant fills every frame.
    const PlacedSigns zero = PlaceGalacticSigns(0, 0, 0, MoonPhase::Waxing);
    EXPECT_EQ(zero.Ascendant->Name, "Build");
    EXPECT_EQ(zero.MoonSign->Name, "Build");
    EXPECT_EQ(PlaceGalacticSigns(0, 0, 0, MoonPhase::Waning).Descendant->Name, "Build");
    EXPECT_EQ(MoonPhaseText(MoonPhase::Waxing), "Waxing Moon");
    EXPECT_EQ(MoonPhaseText(MoonPhase::Waning), "Waning Moon");
}

}  // namespace
}  // namespace quorvane
