// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas index: what is written is what is found, and a damaged file is refused, never trusted.
#include "atlas/atlas.h"
#include "atlas/atlas_index.h"
#include "atlas/name_catalog.h"
#include "l10n/core_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace quorvane {
namespace {

Place Town(std::uint32_t id, std::string city, std::string code, std::uint32_t population) {
    Place p;
    p.GeoNameId = id;
    p.City = std::move(city);
    p.Country = code == "DE" ? "Germany" : "Other";
    p.CountryCode = std::move(code);
    p.TimeZoneId = "Europe/Berlin";
    p.Latitude = 48.1;
    p.Longitude = 11.6;
    p.Population = population;
    return p;
}

const std::vector<Place> kTowns = {Town(2867714, "Munich", "DE", 1260391), Town(2950159, "Berlin", "DE", 3426354),
                                   Town(0, "Nameless", "DE", 10)};
const std::vector<PlaceName> kNames = {{2867714, "München"}, {2867714, "Munchen"}, {2867714, "Мюнхен"},
                                       {2950159, "Berlín"},  {0, "Nowhere"},       {12345, "Orphan"}};

TEST(AtlasIndex, OtherNamesFindTheirTownAndSayWhichMatched) {
    const Atlas atlas(kTowns, kNames);
    ASSERT_EQ(atlas.Size(), 3u);
    // "Munchen" folds as "München" does and adds no name; ids 0 and unknown ones add none either.
    EXPECT_EQ(atlas.NameCount(), 3u + 2u);
    const auto munich = atlas.Find("мюнхен");
    ASSERT_EQ(munich.size(), 1u);
    EXPECT_EQ(munich.front().Town->City, "Munich");
    EXPECT_EQ(munich.front().Town->GeoNameId, 2867714u);
    EXPECT_EQ(munich.front().MatchedName, "Мюнхен");
    EXPECT_EQ(atlas.Find("munchen").front().MatchedName, "München");
    EXPECT_EQ(atlas.Find("Munich").front().MatchedName, "");
    // A prefix of both its own and another name lists the town once, by its own name.
    const auto mu = atlas.Find("mu");
    ASSERT_EQ(mu.size(), 1u);
    EXPECT_EQ(mu.front().MatchedName, "");
    EXPECT_TRUE(atlas.Find("Nowhere").empty());
    EXPECT_TRUE(atlas.Find("Orphan").empty());
    EXPECT_EQ(atlas.Find("berlin, germany").front().Town->Population, 3426354u);
}

// Countries and states by their names in other languages: the whole name, whole words ending it, a
// beginning of three letters or more; never another country's town.
TEST(AtlasIndex, StatesAndCountriesByOtherNames) {
    std::vector<Place> towns = kTowns;
    towns[0].StateCode = "02";
    towns.push_back(Town(4, "Munich", "US", 300));
    const Atlas atlas(towns, kNames, {{"DE", "Deutschland"}, {"DE.02", "Freistaat Bayern"}, {"US", "Deutschland"}});
    const auto fit = [&](const char* typed) {
        std::string found;
        for (const PlaceMatch& m : atlas.Find(typed))
            found += m.Town->CountryCode + std::to_string(m.QualifierScore) + " ";
        return found;
    };
    EXPECT_EQ(fit("Munich, Deutschland"), "DE3 US3 ");  // the catalog's word, even where it is wrong
    EXPECT_EQ(fit("Munich, Freistaat Bayern"), "DE3 ");
    EXPECT_EQ(fit("Munich, Bayern"), "DE2 ");
    EXPECT_EQ(fit("Munich, Bayern, Deutschland"), "DE5 ");
    EXPECT_EQ(fit("Munich, deu"), "DE1 US1 ");
    EXPECT_EQ(fit("Munich, de"), "DE3 ");  // the code, not a beginning of two letters
    EXPECT_EQ(fit("Munich, Frankreich"), "");
    EXPECT_EQ(fit("Berlin, Bayern"), "");  // Berlin has no state code: no state name fits it
}

TEST(AtlasIndex, FileRoundTrip) {
    const std::string bytes = atlas_index::Build(kTowns, kNames);
    const Atlas atlas = Atlas::FromIndex(std::vector<char>(bytes.begin(), bytes.end()));
    const auto berlin = atlas.Find("Berlín");
    ASSERT_EQ(berlin.size(), 1u);
    EXPECT_EQ(berlin.front().Town->TimeZoneId, "Europe/Berlin");
    EXPECT_DOUBLE_EQ(berlin.front().Town->Latitude, 48.1);
}

class DamagedIndex : public ::testing::Test {
protected:
    std::string bytes = atlas_index::Build(kTowns, kNames);
    std::string Refusal(const std::string& damaged) {
        try {
            Atlas::FromIndex(std::vector<char>(damaged.begin(), damaged.end()));
        } catch (const atlas_index::BadIndex& bad) {
            return bad.what();
        }
        return "accepted";
    }
    template <typename T>
    std::string With(std::size_t at, T value) {
        std::string copy = bytes;
        std::memcpy(copy.data() + at, &value, sizeof value);
        return copy;
    }
};

TEST_F(DamagedIndex, IsRefusedWithItsReason) {
    EXPECT_EQ(Refusal(""), "it is too short to be an atlas index");
    EXPECT_EQ(Refusal("GIF89a" + std::string(64, '\0')), "it is not an atlas index");
    EXPECT_EQ(Refusal(With(offsetof(atlas_index::Header, Version), std::uint32_t{99})),
              "it is of version 99, this program reads version " + std::to_string(atlas_index::kVersion));
    EXPECT_NE(Refusal(bytes.substr(0, bytes.size() - 1)).find("cut short"), std::string::npos);
    EXPECT_NE(Refusal(bytes + "x").find("cut short"), std::string::npos);
    // The first town's name, then the first name's town, pointed far outside the file.
    const std::size_t town = sizeof(atlas_index::Header);
    EXPECT_EQ(Refusal(With(town + offsetof(atlas_index::PlaceRecord, City), std::uint32_t{0xfffffff0})),
              "town 0 has a name outside the file");
    const std::size_t name = town + kTowns.size() * sizeof(atlas_index::PlaceRecord);
    EXPECT_EQ(Refusal(With(name + offsetof(atlas_index::NameRecord, Place), std::uint32_t{7})),
              "name 0 points outside the file");
    // Two names swapped: the halving search would miss towns.
    std::string swapped = bytes;
    std::swap_ranges(swapped.begin() + static_cast<std::ptrdiff_t>(name),
                     swapped.begin() + static_cast<std::ptrdiff_t>(name + sizeof(atlas_index::NameRecord)),
                     swapped.begin() + static_cast<std::ptrdiff_t>(name + sizeof(atlas_index::NameRecord)));
    EXPECT_EQ(Refusal(swapped), "its names are out of order");
    EXPECT_EQ(Refusal(bytes), "accepted");
}

TEST_F(DamagedIndex, FromFileSaysWhatIsWrongAndFindsNothing) {
    // The same tests run at once under several locales: each process has a file of its own.
    const std::string path = ::testing::TempDir() + "/atlas-index-cut-" + std::to_string(::getpid()) + ".bin";
    std::ofstream(path, std::ios::binary) << bytes.substr(0, 100);
    const Atlas cut = Atlas::FromFile(path);
    const std::string said = l10n::Render("en", cut.Problem());
    EXPECT_EQ(said.rfind("the atlas index " + path + " is damaged: it is cut short", 0), 0u) << said;
    EXPECT_TRUE(cut.Find("Munich").empty());
    EXPECT_EQ(cut.Size(), 0u);
    std::ofstream(path, std::ios::trunc);
    EXPECT_EQ(l10n::Render("en", Atlas::FromFile(path).Problem()),
              "the atlas index " + path + " is damaged: it is empty; reinstall Quorvane or rebuild it");
    std::remove(path.c_str());
    const Atlas missing = Atlas::FromFile(path);
    EXPECT_EQ(l10n::Render("en", missing.Problem()),
              "the atlas index " + path + " is missing; reinstall Quorvane or rebuild it");
    // A translated reader reads it in the language, the path as it is.
    const std::string german = l10n::Render("de", missing.Problem());
    EXPECT_EQ(german.find("missing"), std::string::npos) << german;
    EXPECT_NE(german.find(path), std::string::npos) << german;
    EXPECT_TRUE(missing.Find("Munich").empty());
}

// A catalog as gettext writes one: header, then two tables of (length, offset), then the texts.
std::string Catalog(const std::vector<std::pair<std::string, std::string>>& pairs) {
    const auto count = static_cast<std::uint32_t>(pairs.size());
    std::string texts;
    std::vector<std::uint32_t> words = {0x950412de, 0, count, 28, 28 + 8 * count, 0, 0};
    const std::uint32_t textsAt = 28 + 16 * count;
    std::vector<std::uint32_t> ids, names;
    for (const auto& [id, name] : pairs) {
        ids.insert(ids.end(),
                   {static_cast<std::uint32_t>(id.size()), textsAt + static_cast<std::uint32_t>(texts.size())});
        texts += id + '\0';
    }
    for (const auto& [id, name] : pairs) {
        names.insert(names.end(),
                     {static_cast<std::uint32_t>(name.size()), textsAt + static_cast<std::uint32_t>(texts.size())});
        texts += name + '\0';
    }
    words.insert(words.end(), ids.begin(), ids.end());
    words.insert(words.end(), names.begin(), names.end());
    return std::string(reinterpret_cast<const char*>(words.data()), words.size() * 4) + texts;
}

TEST(NameCatalog, ReadsEveryPairButTheHeader) {
    const auto pairs =
        ReadNameCatalog(Catalog({{"", "Project-Id-Version: geonames"}, {"2867714", "München"}, {"DE", "Deutschland"}}));
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0], (std::pair<std::string, std::string>{"2867714", "München"}));
    EXPECT_EQ(pairs[1].second, "Deutschland");
    std::string cut = Catalog({{"2867714", "München"}});
    EXPECT_TRUE(ReadNameCatalog(cut.substr(0, cut.size() - 4)).empty());
    EXPECT_TRUE(ReadNameCatalog("not a catalog at all").empty());
}

}  // namespace
}  // namespace quorvane
