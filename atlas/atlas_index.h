// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The atlas as one compact file: towns, their names in every language the name catalogs know, and a
// table of folded names sorted for prefix look-ups. It is written once when the program is built and
// read back in one go; nothing in it needs parsing beyond a check that every offset stays inside.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

struct Place;

// Another name of a town, as written in some language or in history ("Bombay", "Москва").
struct PlaceName {
    std::uint32_t GeoNameId = 0;
    std::string Name;
};

// A name of a country or a state in some language: "Deutschland" for "DE", "Bayern" for "DE.02".
struct RegionName {
    std::string Key;  // the country code, or the country code, a full stop and the state's code
    std::string Name;
};

namespace atlas_index {

inline constexpr char kMagic[8] = {'Q', 'V', 'A', 'T', 'L', 'A', 'S', '\0'};
inline constexpr std::uint32_t kVersion = 2;

struct Text {
    std::uint32_t Offset = 0, Size = 0;  // into the text area
};

struct Header {
    char Magic[8];
    std::uint32_t Version;
    std::uint32_t PlaceCount;
    std::uint32_t NameCount;
    std::uint32_t TextSize;
    std::uint32_t RegionNameCount;
    std::uint32_t Unused;
    std::uint64_t FileSize;
};

struct PlaceRecord {
    std::uint32_t GeoNameId;
    std::uint32_t Population;
    double Latitude, Longitude;
    Text City, State, Country, CountryCode, TimeZoneId;
    Text FoldedState, FoldedCountry, FoldedCode;
    Text StateKey;  // "DE.02"; empty when the state's code is not known
};

// One searchable name of one town; the table is sorted by Folded, then by Place.
struct NameRecord {
    Text Folded;
    Text Written;  // as the catalog writes it; empty for the atlas's own name
    std::uint32_t Place;
};

// A folded name of a country or state, or the end of one from a later word on ("andalucia" of
// "comunidad autonoma de andalucia", with Inner set); sorted by Folded, then by Key.
struct RegionNameRecord {
    Text Folded;
    Text Key;
    std::uint32_t Inner;
};

// Header, places, names, region names, then the text area, each record at its natural alignment.
std::string Build(const std::vector<Place>& places, const std::vector<PlaceName>& names,
                  const std::vector<RegionName>& regionNames = {});

class BadIndex : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A checked view of index bytes; throws BadIndex when they are not a whole index of this version.
class View {
public:
    View() = default;
    explicit View(std::string_view bytes);

    std::uint32_t PlaceCount() const { return header_ ? header_->PlaceCount : 0; }
    const PlaceRecord& PlaceAt(std::uint32_t i) const { return places_[i]; }
    const NameRecord* NamesBegin() const { return names_; }
    const NameRecord* NamesEnd() const { return names_ + (header_ ? header_->NameCount : 0); }
    const RegionNameRecord* RegionNamesBegin() const { return regionNames_; }
    const RegionNameRecord* RegionNamesEnd() const { return regionNames_ + (header_ ? header_->RegionNameCount : 0); }
    std::string_view TextOf(Text t) const { return {text_ + t.Offset, t.Size}; }

private:
    const Header* header_ = nullptr;
    const PlaceRecord* places_ = nullptr;
    const NameRecord* names_ = nullptr;
    const RegionNameRecord* regionNames_ = nullptr;
    const char* text_ = nullptr;
};

}  // namespace atlas_index
}  // namespace quorvane
