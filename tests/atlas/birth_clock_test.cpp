// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/birth_clock.h"

#include "l10n/core_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace quorvane {
namespace {

births::Birth OneRecord(const std::string& aaf) {
    births::Book book = births::ReadAaf(aaf);
    EXPECT_EQ(book.Births.size(), 1u);
    return book.Births.empty() ? births::Birth{} : book.Births.front();
}

Place Town(const char* city, double latitude, double longitude) {
    Place p;
    p.City = city;
    p.Latitude = latitude;
    p.Longitude = longitude;
    return p;
}

TEST(AtlasNearest, TownAndDistance) {
    const Atlas atlas(std::vector<Place>{Town("Lisboa", 38.7167, -9.1333), Town("Madrid", 40.4165, -3.7026),
                                         Town("Suva", -18.1416, 178.4415)});
    // Porto is 274 km from Lisbon and 421 km from Madrid.
    Atlas::NearbyTown near = atlas.Nearest(41.15, -8.61);
    ASSERT_TRUE(near.Town);
    EXPECT_EQ(near.Town->City, "Lisboa");
    EXPECT_NEAR(near.Kilometres, 274, 3);
    // Across the date line: 179°W is two degrees of longitude from Suva, not 358.
    near = atlas.Nearest(-18.1416, -179.5585);
    EXPECT_EQ(near.Town->City, "Suva");
    EXPECT_NEAR(near.Kilometres, 211, 2);
    EXPECT_FALSE(Atlas(std::vector<Place>{}).Nearest(0, 0).Town);
}

TEST(AtlasNearest, TheSameTownAsComparingEveryTown) {
    // Towns and points spread over the globe, poles and date line included; the distance compared the
    // plain way, town by town.
    std::vector<Place> places;
    for (int i = 0; i < 1500; ++i) {
        const double latitude = std::asin(std::fmod(i * 0.618034, 2.0) - 1.0) * 180.0 / 3.14159265358979;
        places.push_back(Town(("T" + std::to_string(i)).c_str(), latitude, std::fmod(i * 137.50776, 360.0) - 180.0));
    }
    const Atlas atlas(places);
    const auto kilometres = [](double lat1, double lon1, double lat2, double lon2) {
        constexpr double r = 3.14159265358979 / 180.0;
        const double a = std::sin((lat2 - lat1) * r / 2), b = std::sin((lon2 - lon1) * r / 2);
        return 2 * 6371.0 * std::asin(std::sqrt(a * a + std::cos(lat1 * r) * std::cos(lat2 * r) * b * b));
    };
    for (int j = 0; j < 300; ++j) {
        const double lat = j < 4 ? (j % 2 ? 90.0 : -90.0) : std::fmod(j * 47.123, 180.0) - 90.0;
        const double lon = j < 4 ? (j < 2 ? 179.99 : -179.99) : std::fmod(j * 91.77, 360.0) - 180.0;
        double nearest = 1e9;
        for (const Place& p : places) nearest = std::min(nearest, kilometres(lat, lon, p.Latitude, p.Longitude));
        const Atlas::NearbyTown found = atlas.Nearest(lat, lon);
        ASSERT_TRUE(found.Town);
        EXPECT_NEAR(found.Kilometres, nearest, 1e-6) << lat << ", " << lon;
        EXPECT_NEAR(kilometres(lat, lon, found.Town->Latitude, found.Town->Longitude), nearest, 1e-6)
            << lat << ", " << lon;
    }
}

TEST(BirthClock, LocalMeanTimeWhereTheNearestTownKeptIt) {
    const Atlas& atlas = Atlas::Builtin();
    ASSERT_TRUE(atlas.Problem().empty()) << l10n::Render("en", atlas.Problem());
    // Nepal kept local mean time until 1920: a Pokhara birth of 1905 is read in Pokhara's own, 83°59′E
    // being 5 h 35 min 56 s of clock, not Kathmandu's 5:41:16. A daylight flag cannot stand with it.
    births::Birth pokhara = OneRecord("#A93:Rana,Hari,m,1.6.1905,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,*,1\n");
    ASSERT_EQ(pokhara.Clock, births::ClockKind::Unknown);
    EXPECT_TRUE(TakeLocalMeanTimeWhereKept(pokhara, atlas));
    EXPECT_EQ(pokhara.Clock, births::ClockKind::LocalMeanTime);
    EXPECT_TRUE(births::HasExactOffset(pokhara));
    EXPECT_EQ(pokhara.StandardOffset.TotalSecondsWest(), -(5 * 3600 + 35 * 60 + 56));
    EXPECT_FALSE(pokhara.Data.IsDaylightSaving);
    EXPECT_EQ(births::NotesText(pokhara),
              "the file does not give the zone: local mean time of the birthplace, UTC+5:35:56, is taken, "
              "as Pokhara (Asia/Kathmandu) kept local mean time then");
    // The longitude's seconds of arc count: 15 of them are a second of clock.
    births::Book fine = births::ReadAaf("#A93:Rana,Hari,m,1.6.1905,12:00,Pokhara,NEP\n#B93:*,28n14,83e59:30,*,0\n");
    EXPECT_TRUE(TakeLocalMeanTimesWhereKept(fine, [&] { return &atlas; }) == 1);
    EXPECT_EQ(fine.Births[0].StandardOffset.TotalSecondsWest(), -(5 * 3600 + 35 * 60 + 58));

    // By 1990 Nepal kept standard time: the record still asks for a row, saying why.
    births::Birth later = OneRecord("#A93:Rana,Hari,m,1.6.1990,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,*,0\n");
    EXPECT_FALSE(TakeLocalMeanTimeWhereKept(later, atlas));
    EXPECT_EQ(later.Clock, births::ClockKind::Unknown);
    EXPECT_EQ(l10n::English(births::ReadingRefusal(later)), "The file does not give the zone; choose a row");
    // Far out at sea no town's history stands for the place's.
    births::Birth sea = OneRecord("#A93:Sea,Born,m,1.6.1905,12:00,*,*\n#B93:*,40s00,120w00,*,0\n");
    EXPECT_FALSE(TakeLocalMeanTimeWhereKept(sea, atlas));
    // A record that gives its zone, or cannot be read, is left alone; and the atlas is not even opened.
    births::Book given = births::ReadAaf(
        "#A93:Rana,Hari,m,1.6.1905,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,5he30,0\n"
        "#A93:Rana,Hari,m,1.6.1879,12:00,Pokhara,NEP\n#B93:*,28n14,83e59,*,0\n");
    int opened = 0;
    EXPECT_EQ(TakeLocalMeanTimesWhereKept(given,
                                          [&] {
                                              ++opened;
                                              return &atlas;
                                          }),
              0);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(given.Births[0].ZoneRow, 34);
}

}  // namespace
}  // namespace quorvane
