// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An offline atlas of the world's towns: the city list of the geonames library with every name its
// catalogs give a town in other languages and in history, searched by name with an optional state and
// country, ignoring case and accents in every script. The program reads it from an index file made when
// it was built (atlas/atlas_index.h).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "l10n/sentence.h"
#include "atlas/atlas_index.h"

namespace quorvane {

struct Place {
    std::string City;
    std::string State;
    std::string Country;
    std::string CountryCode;  // ISO 3166 two letters, upper case
    double Latitude = 0.0;    // degrees, north positive
    double Longitude = 0.0;   // degrees, east positive
    std::string TimeZoneId;   // IANA name, e.g. "Europe/Madrid"
    std::uint32_t Population = 0;
    std::uint32_t GeoNameId = 0;  // the town's number in the GeoNames database; 0 when not known
    std::string StateCode;        // the state's code within its country ("02" for Bavaria); may be empty
};

// "City[, State][, Country]": with two parts the second may name the state or the country.
struct PlaceQuery {
    std::string City;
    std::string Region;  // state or country, when only two parts are given
    std::string State;
    std::string Country;
};
PlaceQuery ParsePlaceQuery(std::string_view text);

// Lower case without accents: "Zürich" -> "zurich", "Straße" -> "strasse"; any run of characters that
// are neither letters nor digits becomes one blank, and the ends are trimmed.
// The same without the C library's locale: the result does not depend on LANG, LC_ALL or LANGUAGE.
std::string FoldForSearch(std::string_view text);

// A town's name folded for search, with the short words people write spelt out: "St. Petersburg" and
// "Saint Petersburg" both give "saint petersburg"; likewise Ste./Sainte, Mt./Mount, Ft./Fort.
std::string FoldPlaceName(std::string_view text);

struct PlaceMatch {
    const Place* Town = nullptr;  // owned by the atlas, lives as long as it
    bool ExactName = false;       // the whole name, not only its beginning
    int QualifierScore = 0;       // how closely the state and country fit; higher is better
    // The name that matched as written in a catalog ("Bombay" for Mumbai); empty when the atlas's own
    // name matched. Lives as long as the atlas.
    std::string_view MatchedName;
};

// Two matches are equally good when neither name nor qualifiers set them apart; population then
// decides their order but not which one the user meant.
bool EquallyGood(const PlaceMatch& a, const PlaceMatch& b);

// The index's file name, in share/quorvane/ below the program's prefix.
inline constexpr std::string_view kAtlasIndexFileName = "atlas-index.bin";

class Atlas {
public:
    // `names` are further names of the towns, found by their GeoNameId; `regionNames` those of their
    // countries and states, found by the country code and the state code.
    explicit Atlas(const std::vector<Place>& places, const std::vector<PlaceName>& names = {},
                   const std::vector<RegionName>& regionNames = {});
    Atlas(Atlas&&) = default;
    Atlas& operator=(Atlas&&) = default;
    Atlas(const Atlas&) = delete;  // the view points into the bytes this atlas owns
    Atlas& operator=(const Atlas&) = delete;

    // An index written by atlas_index::Build; throws atlas_index::BadIndex when it is not whole.
    static Atlas FromIndex(std::vector<char> bytes);
    // The index in that file; when it is missing or damaged the atlas is empty and Problem() says why.
    static Atlas FromFile(const std::string& path);

    // The index installed with the program (or beside it in the build tree), read once on first use;
    // safe to call from any thread. When it cannot be read the atlas is empty and Problem() says why.
    static const Atlas& Builtin();
    const l10n::Sentence& Problem() const { return problem_; }

    // Best first: exact names before prefixes, closer state and country next, then larger towns.
    std::vector<PlaceMatch> Find(std::string_view queryText, std::size_t limit = 20) const;
    std::vector<PlaceMatch> Find(const PlaceQuery& query, std::size_t limit = 20) const;

    // The town nearest a point (latitude north and longitude east positive, in degrees) along the Earth's
    // surface, and how far it is in kilometres; no town in an empty atlas.
    struct NearbyTown {
        const Place* Town = nullptr;
        double Kilometres = 0.0;
    };
    NearbyTown Nearest(double latitude, double longitude) const;

    std::size_t Size() const { return index_.PlaceCount(); }
    // The town at 0 <= i < Size(), in the index's order.
    const Place& TownAt(std::uint32_t i) const;
    // Names the atlas can be searched by, the towns' own included.
    std::size_t NameCount() const { return static_cast<std::size_t>(index_.NamesEnd() - index_.NamesBegin()); }

private:
    struct Mapping;
    struct Towns;
    struct LatitudeOrder;
    Atlas();
    void Open(std::string_view bytes);

    std::vector<char> bytes_;           // the index when built in memory or read
    std::shared_ptr<Mapping> mapping_;  // the index when mapped from its file
    atlas_index::View index_;
    std::shared_ptr<Towns> towns_;               // a town's Place is made when a search first returns it
    std::shared_ptr<LatitudeOrder> byLatitude_;  // the towns from south to north, sorted at the first Nearest
    l10n::Sentence problem_;
};

// What a typed place comes to when one answer is needed (the command line).
struct PlaceResolution {
    enum class Outcome { Found, NotFound, Ambiguous } Result = Outcome::NotFound;
    const Place* Chosen = nullptr;
    std::string_view MatchedName;          // of Chosen, as in PlaceMatch
    std::vector<const Place*> Candidates;  // up to five, best first, when not found outright
};

// A single best match wins. Among several equally good exact-name matches the most populous one wins
// only when it is at least kClearPopulationLead times the next; a name that is only a prefix of
// several towns never picks one on its own.
inline constexpr double kClearPopulationLead = 5.0;
PlaceResolution ResolvePlace(const Atlas& atlas, std::string_view queryText);

// "Madrid, Spain": city, state and country, leaving out a state that repeats the city
std::string DescribePlace(const Place& place);

// What a finder shows for the text typed: its matches, or when there are none but the town's name alone
// has some, those (a state or country spelt otherwise than in the atlas should not hide the town itself).
struct PlaceSearch {
    std::vector<PlaceMatch> Matches;
    bool NameOnly = false;  // the matches are for the name alone, though the text had a state or country
    std::string Name;       // the name alone, as typed
};
PlaceSearch SearchPlaces(const Atlas& atlas, std::string_view text, std::size_t limit);

}  // namespace quorvane
