#pragma once
// An offline atlas of the world's towns: the built-in city list of the geonames library, searched by
// name with an optional state and country, ignoring case and accents.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

struct Place {
    std::string City;
    std::string State;
    std::string Country;
    std::string CountryCode;   // ISO 3166 two letters, upper case
    double Latitude = 0.0;     // degrees, north positive
    double Longitude = 0.0;    // degrees, east positive
    std::string TimeZoneId;    // IANA name, e.g. "Europe/Madrid"
    std::uint32_t Population = 0;
};

// "City[, State][, Country]": with two parts the second may name the state or the country.
struct PlaceQuery {
    std::string City;
    std::string Region;   // state or country, when only two parts are given
    std::string State;
    std::string Country;
};
PlaceQuery ParsePlaceQuery(std::string_view text);

// Lower case without accents: "Zürich" -> "zurich", "Straße" -> "strasse"; any run of characters that
// are neither letters nor digits becomes one blank, and the ends are trimmed.
std::string FoldForSearch(std::string_view text);

struct PlaceMatch {
    const Place* Town = nullptr;    // owned by the atlas, lives as long as it
    bool ExactName = false;         // the whole name, not only its beginning
    int QualifierScore = 0;         // how closely the state and country fit; higher is better
};

// Two matches are equally good when neither name nor qualifiers set them apart; population then
// decides their order but not which one the user meant.
bool EquallyGood(const PlaceMatch& a, const PlaceMatch& b);

class Atlas {
public:
    explicit Atlas(std::vector<Place> places);

    // The library's cities, read once on first use; safe to call from any thread.
    static const Atlas& Builtin();

    // Best first: exact names before prefixes, closer state and country next, then larger towns.
    std::vector<PlaceMatch> Find(std::string_view queryText, std::size_t limit = 20) const;
    std::vector<PlaceMatch> Find(const PlaceQuery& query, std::size_t limit = 20) const;

    std::size_t size() const { return places_.size(); }

private:
    struct Entry {
        std::string Name, State, Country, Code;  // folded
        std::uint32_t Index;                     // into places_
    };
    std::vector<Place> places_;
    std::vector<Entry> byName_;  // sorted by folded name for prefix look-ups
};

// What a typed place comes to when one answer is needed (the command line).
struct PlaceResolution {
    enum class Outcome { Found, NotFound, Ambiguous } Result = Outcome::NotFound;
    const Place* Chosen = nullptr;
    std::vector<const Place*> Candidates;  // up to five, best first, when not found outright
};

// A single best match wins. Among several equally good exact-name matches the most populous one wins
// only when it is at least kClearPopulationLead times the next; a name that is only a prefix of
// several towns never picks one on its own.
inline constexpr double kClearPopulationLead = 5.0;
PlaceResolution ResolvePlace(const Atlas& atlas, std::string_view queryText);

// "Madrid, Spain": city, state and country, leaving out a state that repeats the city
std::string DescribePlace(const Place& place);

}  // namespace quorvane
