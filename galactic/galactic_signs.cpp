// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "galactic/galactic_signs.h"

#include "galactic/descriptions.h"

namespace quorvane {

namespace {

namespace d = descriptions;

// Degree order. Build wraps: it owns 346..360 and 1..39 (and 0, the degree between 360 and 1).
constexpr std::array<GalacticSign, kGalacticSignCount> kSigns{{
    {"Build", "Construct, Plan, Draft", "Mercury", "Lacerta", d::Build, 1, 39},
    {"Trade", "Business, Deal, Income", "Venus", "Cassiopeia", d::Trade, 40, 68},
    {"Collect", "Gather, Store, Save", "", "Auriga", d::Collect, 69, 85},
    {"Heal", "Correct, Repair, Cure", "", "Monoceros", d::Heal, 86, 100},
    {"Rule", "Lead, Inspire, King", "Uranus", "Canis Major", d::Rule, 101, 122},
    {"Interpret", "Understand, Make Sense, Change", "Neptune", "Argo Navis", d::Interpret, 123, 165},
    {"Teach", "Inform, Educate, Train", "Saturn", "Crux", d::Teach, 166, 219},
    {"Protect", "Watch, Defend, Shelter", "Jupiter", "Lupus", d::Protect, 220, 248},
    {"Art", "Craft, Build, Inspire", "Earth", "Corona Australis", d::Art, 249, 265},
    {"Law", "Rule, Principles, Righteousness", "Earth", "Scutum", d::Law, 266, 281},
    {"Explore", "Research, Discovery, Track", "Mars", "Aquila", d::Explore, 282, 302},
    {"Nurture", "Care, Feed, Cultivate", "Moon", "Cygnus", d::Nurture, 303, 345},
}};

constexpr std::array<std::string_view, kGalacticSignCount> kPictureKeys{
    "Art", "Build", "Collect", "Explore", "Heal", "Interpret", "Law", "Nurture", "Protect", "Rule", "Teach", "Trade"};

constexpr GalacticDegreeTable MakeTable() {
    GalacticDegreeTable table{};
    for (const GalacticSign& sign : kSigns)
        for (int degree = sign.FirstDegree; degree <= sign.LastDegree; ++degree) table[degree] = &sign;
    for (int degree = 346; degree <= 360; ++degree) table[degree] = &kSigns[0];
    table[0] = &kSigns[0];
    return table;
}

constexpr GalacticDegreeTable kTable = MakeTable();

}  // namespace

const std::array<GalacticSign, kGalacticSignCount>& GalacticSigns() {
    return kSigns;
}
const std::array<std::string_view, kGalacticSignCount>& GalacticPictureKeys() {
    return kPictureKeys;
}
const GalacticDegreeTable& BuildGalacticTables() {
    return kTable;
}

const GalacticSign* LookupGalacticDegree(int d) {
    if (d < 0 || d > 360) return nullptr;
    return kTable[static_cast<std::size_t>(d)];
}

int OppositeDegree(int d) {
    return d <= 180 ? d + 180 : d - 180;
}

std::string_view MoonPhaseText(MoonPhase phase) {
    return phase == MoonPhase::Waxing ? "Waxing Moon" : "Waning Moon";
}

std::string_view FramePointText(FramePoint point) {
    switch (point) {
        case FramePoint::Moon:
            return "the Moon";
        case FramePoint::OppositeMoon:
            return "opposite the Moon";
        case FramePoint::Ascendant:
            return "the Ascendant";
        case FramePoint::Descendant:
            return "the Descendant (opposite the Ascendant)";
        case FramePoint::OppositeSun:
            return "opposite the Sun";
    }
    return {};
}

std::array<FrameDegree, kFrameCount> FrameDegrees(int sunDegree, int moonDegree, int ascendantDegree, MoonPhase phase) {
    const FrameDegree moon{FramePoint::Moon, moonDegree};
    const FrameDegree oppositeMoon{FramePoint::OppositeMoon, OppositeDegree(moonDegree)};
    const FrameDegree oppositeSun{FramePoint::OppositeSun, OppositeDegree(sunDegree)};
    if (phase == MoonPhase::Waxing) return {moon, oppositeMoon, {FramePoint::Ascendant, ascendantDegree}, oppositeSun};
    return {oppositeMoon, moon, {FramePoint::Descendant, OppositeDegree(ascendantDegree)}, oppositeSun};
}

PlacedSigns PlaceGalacticSigns(int sunDegree, int moonDegree, int ascendantDegree, MoonPhase phase) {
    const auto frames = FrameDegrees(sunDegree, moonDegree, ascendantDegree, phase);
    return {LookupGalacticDegree(frames[0].Degree), LookupGalacticDegree(frames[1].Degree),
            LookupGalacticDegree(frames[2].Degree), LookupGalacticDegree(frames[3].Degree)};
}

}  // namespace quorvane
