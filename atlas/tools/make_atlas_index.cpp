// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Run by the build: writes the atlas index from the geonames library's city list and the names its
// translation catalogs give the towns. Usage: make_atlas_index LOCALE_DIR OUTPUT
#include <geonames.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "atlas/atlas_index.h"
#include "atlas/name_catalog.h"

namespace fs = std::filesystem;
using namespace quorvane;

namespace {

std::string Child(GVariant* city, gsize i) {
    GVariant* value = g_variant_get_child_value(city, i);
    std::string text = g_variant_get_string(value, nullptr);
    g_variant_unref(value);
    return text;
}

// The city records themselves, not the library's getters: those translate the names into the
// language of LC_MESSAGES, and the atlas's own names are the English ones.
std::vector<Place> ReadCities() {
    std::vector<Place> places;
    const gint count = geonames_get_n_cities();
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city) continue;
        if (!g_variant_is_of_type(city, G_VARIANT_TYPE("(sssssssudd)"))) {
            std::cerr << "make_atlas_index: the geonames library's city records have an unknown layout ("
                      << g_variant_get_type_string(city) << ")\n";
            std::exit(1);
        }
        Place p;
        p.GeoNameId = static_cast<std::uint32_t>(std::stoul(Child(city, 0)));
        p.City = Child(city, 1);
        p.StateCode = Child(city, 2);
        p.State = Child(city, 3);
        p.CountryCode = Child(city, 4);
        p.Country = Child(city, 5);
        p.TimeZoneId = Child(city, 6);
        g_variant_get_child(city, 7, "u", &p.Population);
        g_variant_get_child(city, 8, "d", &p.Latitude);
        g_variant_get_child(city, 9, "d", &p.Longitude);
        geonames_city_free(city);
        places.push_back(std::move(p));
    }
    return places;
}

// Names of towns (numeric ids) from every language's catalog, languages in a fixed order so that
// every build writes the same file.
struct Catalogs {
    std::vector<PlaceName> Towns;
    std::vector<RegionName> Regions;  // countries ("DE") and states ("DE.02")
    std::size_t Languages = 0;
};

Catalogs ReadCatalogs(const fs::path& localeDir) {
    std::vector<fs::path> catalogs;
    std::error_code error;
    for (const auto& language : fs::directory_iterator(localeDir, error)) {
        const fs::path catalog = language.path() / "LC_MESSAGES" / "geonames.mo";
        if (fs::is_regular_file(catalog)) catalogs.push_back(catalog);
    }
    std::sort(catalogs.begin(), catalogs.end());
    Catalogs names;
    names.Languages = catalogs.size();
    for (const fs::path& catalog : catalogs) {
        std::ifstream in(catalog, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (auto& [id, name] : ReadNameCatalog(bytes)) {
            const bool town = !id.empty() && id.size() <= 9 &&
                              std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (town)
                names.Towns.push_back({static_cast<std::uint32_t>(std::stoul(id)), std::move(name)});
            else if (id.size() == 2 || (id.size() > 3 && id[2] == '.'))
                names.Regions.push_back({id, std::move(name)});
        }
    }
    return names;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_atlas_index LOCALE_DIR OUTPUT\n";
        return 2;
    }
    const std::vector<Place> places = ReadCities();
    const Catalogs names = ReadCatalogs(argv[1]);
    if (places.empty() || names.Languages == 0) {
        std::cerr << "make_atlas_index: found " << places.size() << " towns and " << names.Languages
                  << " name catalogs under " << argv[1] << "\n";
        return 1;
    }
    const std::string index = atlas_index::Build(places, names.Towns, names.Regions);
    const fs::path output = argv[2];
    const fs::path partial = output.string() + ".partial";
    fs::create_directories(output.parent_path());
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(index.data(), static_cast<std::streamsize>(index.size()));
        if (!out) {
            std::cerr << "make_atlas_index: cannot write " << partial << "\n";
            return 1;
        }
    }
    fs::rename(partial, output);
    std::cout << "atlas index: " << places.size() << " towns, " << names.Towns.size() << " names of towns and "
              << names.Regions.size() << " of countries and states from " << names.Languages << " catalogs, "
              << index.size() / 1024 << " KiB\n";
    return 0;
}
