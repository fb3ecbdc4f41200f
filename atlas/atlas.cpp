// Kept free of Qt: geonames.h brings in GLib, whose `signals` collides with Qt's keyword.
#include "atlas/atlas.h"

#include "common/text.h"

#include <geonames.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <mutex>
#include <optional>
#include <tuple>
#include <unordered_map>

namespace quorvane {
namespace {

// Letters that Unicode does not decompose into a base letter and a mark.
std::string_view PlainLetter(gunichar c) {
    switch (c) {
    case 0x00F8: return "o";   // ø
    case 0x0142: return "l";   // ł
    case 0x0111: case 0x00F0: return "d";  // đ ð
    case 0x0131: return "i";   // dotless ı
    case 0x00E6: return "ae";
    case 0x0153: return "oe";
    case 0x00FE: return "th";
    case 0x0127: return "h";   // ħ
    case 0x0167: return "t";   // ŧ
    default: return {};
    }
}

bool IsCombiningMark(gunichar c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1DC0 && c <= 0x1DFF);
}

// 3: the whole field; 2: whole words inside it ("west bengal" in "state of west bengal");
// 1: the field's beginning ("spa" for "spain"); 0: no fit.
int FieldFit(const std::string& field, const std::string& wanted) {
    if (wanted.empty() || field.empty()) return 0;
    if (field == wanted) return 3;
    for (std::size_t at = field.find(wanted); at != std::string::npos; at = field.find(wanted, at + 1)) {
        const bool startsWord = at == 0 || field[at - 1] == ' ';
        const std::size_t end = at + wanted.size();
        if (startsWord && (end == field.size() || field[end] == ' ')) return 2;
    }
    return field.starts_with(wanted) ? 1 : 0;
}

// Common short names that are not the ISO code.
std::string CountryCodeAlias(const std::string& folded) {
    if (folded == "uk") return "gb";
    if (folded == "usa" || folded == "u s a" || folded == "u s") return "us";
    return folded;
}

int CountryFit(const std::string& country, const std::string& code, const std::string& wanted) {
    if (wanted.size() <= 5 && CountryCodeAlias(wanted) == code) return 3;
    return FieldFit(country, wanted);
}

std::string FromLibrary(const gchar* text) { return text ? std::string(text) : std::string(); }

std::vector<Place> ReadLibraryCities() {
    const gint count = geonames_get_n_cities();
    std::vector<Place> places;
    places.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city) continue;
        Place p;
        p.City = FromLibrary(geonames_city_get_name(city));
        p.State = FromLibrary(geonames_city_get_state(city));
        p.Country = FromLibrary(geonames_city_get_country(city));
        p.CountryCode = FromLibrary(geonames_city_get_country_code(city));
        p.TimeZoneId = FromLibrary(geonames_city_get_timezone(city));
        p.Latitude = geonames_city_get_latitude(city);
        p.Longitude = geonames_city_get_longitude(city);
        p.Population = geonames_city_get_population(city);
        geonames_city_free(city);
        places.push_back(std::move(p));
    }
    return places;
}

// Most names are plain ASCII: fold those without the Unicode round trip, which would triple the load time.
std::optional<std::string> FoldAscii(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool pendingBlank = false;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80) return std::nullopt;
        if (c == '\'' || c == '`') continue;
        if (!std::isalnum(u)) {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) out += ' ';
        pendingBlank = false;
        out += static_cast<char>(std::tolower(u));
    }
    return out;
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
    if (auto ascii = FoldAscii(text)) return *std::move(ascii);
    std::string out;
    // Decompose so that accents become separate marks, then drop the marks; case folding turns ß into ss.
    gchar* decomposed = g_utf8_normalize(text.data(), static_cast<gssize>(text.size()), G_NORMALIZE_NFD);
    if (!decomposed) return out;  // not valid UTF-8
    gchar* folded = g_utf8_casefold(decomposed, -1);
    g_free(decomposed);
    bool pendingBlank = false;
    for (const gchar* p = folded; *p; p = g_utf8_next_char(p)) {
        const gunichar c = g_utf8_get_char(p);
        if (IsCombiningMark(c)) continue;
        // Apostrophes vanish so that "O'Fallon" and "OFallon" meet.
        if (c == '\'' || c == 0x2019 || c == 0x2018 || c == 0x02BB || c == 0x02BC || c == '`') continue;
        std::string_view plain = PlainLetter(c);
        char buffer[6];
        if (plain.empty()) {
            if (!g_unichar_isalnum(c)) {
                pendingBlank = !out.empty();
                continue;
            }
            plain = std::string_view(buffer, static_cast<std::size_t>(g_unichar_to_utf8(c, buffer)));
        }
        if (pendingBlank) out += ' ';
        pendingBlank = false;
        out += plain;
    }
    g_free(folded);
    return out;
}

PlaceQuery ParsePlaceQuery(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(std::string(Trim(text.substr(start, comma == std::string_view::npos ? comma : comma - start))));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    PlaceQuery q;
    q.City = parts[0];
    if (parts.size() == 2) {
        q.Region = parts[1];
    } else if (parts.size() >= 3) {
        q.State = parts[1];
        // Anything after a third comma still belongs to the country ("Korea, Republic of").
        q.Country = parts[2];
        for (std::size_t i = 3; i < parts.size(); ++i) q.Country += ", " + parts[i];
    }
    return q;
}

bool EquallyGood(const PlaceMatch& a, const PlaceMatch& b) {
    return a.ExactName == b.ExactName && a.QualifierScore == b.QualifierScore;
}

namespace {

// The city list names towns in English; people often type the local name of a large town instead.
struct LocalName {
    std::string_view Local, English, CountryCode;
};
constexpr LocalName kLocalNames[] = {
    {"München", "Munich", "DE"},      {"Köln", "Cologne", "DE"},        {"Nürnberg", "Nuremberg", "DE"},
    {"Wien", "Vienna", "AT"},         {"Praha", "Prague", "CZ"},        {"Warszawa", "Warsaw", "PL"},
    {"Roma", "Rome", "IT"},           {"Milano", "Milan", "IT"},        {"Napoli", "Naples", "IT"},
    {"Torino", "Turin", "IT"},        {"Firenze", "Florence", "IT"},    {"Venezia", "Venice", "IT"},
    {"Genova", "Genoa", "IT"},        {"Lisboa", "Lisbon", "PT"},       {"Sevilla", "Seville", "ES"},
    {"Bruxelles", "Brussels", "BE"},  {"Brussel", "Brussels", "BE"},    {"Antwerpen", "Antwerp", "BE"},
    {"Genève", "Geneva", "CH"},       {"København", "Copenhagen", "DK"}, {"Göteborg", "Gothenburg", "SE"},
    {"Moskva", "Moscow", "RU"},       {"Sankt-Peterburg", "Saint Petersburg", "RU"},
    {"Kyiv", "Kiev", "UA"},           {"Athina", "Athens", "GR"},       {"Bucuresti", "Bucharest", "RO"},
    {"Beograd", "Belgrade", "RS"},    {"Den Haag", "The Hague", "NL"},  {"'s-Gravenhage", "The Hague", "NL"},
    {"Kraków", "Krakow", "PL"},       {"Al Qahirah", "Cairo", "EG"},    {"Mumbai", "Bombay", "IN"},
};

}  // namespace

Atlas::Atlas(std::vector<Place> places) : places_(std::move(places)) {
    byName_.reserve(places_.size());
    for (std::uint32_t i = 0; i < places_.size(); ++i) {
        const Place& p = places_[i];
        byName_.push_back({FoldForSearch(p.City), FoldForSearch(p.State), FoldForSearch(p.Country),
                           FoldForSearch(p.CountryCode), i});
    }
    // One pass over the towns, looking each name up among the few English names that have a local one.
    std::unordered_multimap<std::string, const LocalName*> localNames;
    for (const LocalName& alias : kLocalNames) localNames.emplace(FoldForSearch(alias.English), &alias);
    const std::size_t englishEntries = byName_.size();
    for (std::size_t e = 0; e < englishEntries; ++e) {
        const auto [first, last] = localNames.equal_range(byName_[e].Name);
        for (auto it = first; it != last; ++it) {
            if (byName_[e].Code != FoldForSearch(it->second->CountryCode)) continue;
            Entry local = byName_[e];
            local.Name = FoldForSearch(it->second->Local);
            byName_.push_back(std::move(local));
        }
    }
    std::sort(byName_.begin(), byName_.end(),
              [](const Entry& a, const Entry& b) { return std::tie(a.Name, a.Index) < std::tie(b.Name, b.Index); });
}

const Atlas& Atlas::Builtin() {
    static std::once_flag once;
    static std::unique_ptr<Atlas> atlas;
    std::call_once(once, [] { atlas = std::make_unique<Atlas>(ReadLibraryCities()); });
    return *atlas;
}

std::vector<PlaceMatch> Atlas::Find(std::string_view queryText, std::size_t limit) const {
    return Find(ParsePlaceQuery(queryText), limit);
}

std::vector<PlaceMatch> Atlas::Find(const PlaceQuery& query, std::size_t limit) const {
    std::vector<PlaceMatch> matches;
    const std::string name = FoldForSearch(query.City);
    if (name.empty()) return matches;
    const std::string region = FoldForSearch(query.Region);
    const std::string state = FoldForSearch(query.State);
    const std::string country = FoldForSearch(query.Country);

    auto it = std::lower_bound(byName_.begin(), byName_.end(), name,
                               [](const Entry& e, const std::string& n) { return e.Name < n; });
    for (; it != byName_.end() && it->Name.starts_with(name); ++it) {
        int score = 0;
        if (!region.empty()) {
            score = std::max(FieldFit(it->State, region), CountryFit(it->Country, it->Code, region));
            if (score == 0) continue;
        } else {
            if (!state.empty()) {
                const int fit = FieldFit(it->State, state);
                if (fit == 0) continue;
                score += fit;
            }
            if (!country.empty()) {
                const int fit = CountryFit(it->Country, it->Code, country);
                if (fit == 0) continue;
                score += fit;
            }
        }
        matches.push_back({&places_[it->Index], it->Name == name, score});
    }
    std::sort(matches.begin(), matches.end(), [](const PlaceMatch& a, const PlaceMatch& b) {
        return std::tuple(a.ExactName, a.QualifierScore, a.Town->Population) >
               std::tuple(b.ExactName, b.QualifierScore, b.Town->Population);
    });
    // A town found under both its English and its local name is listed once, by its better match.
    std::vector<const Place*> seen;
    std::erase_if(matches, [&](const PlaceMatch& m) {
        if (std::find(seen.begin(), seen.end(), m.Town) != seen.end()) return true;
        seen.push_back(m.Town);
        return false;
    });
    if (matches.size() > limit) matches.resize(limit);
    return matches;
}

PlaceResolution ResolvePlace(const Atlas& atlas, std::string_view queryText) {
    constexpr std::size_t kMaxCandidates = 5;
    PlaceResolution r;
    const PlaceQuery query = ParsePlaceQuery(queryText);
    auto matches = atlas.Find(query, 50);
    if (matches.empty()) {
        // Offer the towns of that name elsewhere: the state or country may be what was mistyped.
        PlaceQuery nameOnly;
        nameOnly.City = query.City;
        for (const PlaceMatch& m : atlas.Find(nameOnly, kMaxCandidates)) r.Candidates.push_back(m.Town);
        return r;
    }
    const PlaceMatch& best = matches.front();
    const auto tierEnd = std::find_if(matches.begin(), matches.end(),
                                      [&](const PlaceMatch& m) { return !EquallyGood(m, best); });
    const auto tierSize = tierEnd - matches.begin();
    const bool clearLead = best.ExactName && tierSize > 1 &&
                           best.Town->Population >= kClearPopulationLead * matches[1].Town->Population;
    if (tierSize == 1 || clearLead) {
        r.Result = PlaceResolution::Outcome::Found;
        r.Chosen = best.Town;
        return r;
    }
    r.Result = PlaceResolution::Outcome::Ambiguous;
    for (auto m = matches.begin(); m != tierEnd && r.Candidates.size() < kMaxCandidates; ++m)
        r.Candidates.push_back(m->Town);
    return r;
}

std::string DescribePlace(const Place& place) {
    std::string text = place.City;
    for (const std::string* part : {&place.State, &place.Country})
        if (!part->empty() && *part != place.City) text += ", " + *part;
    return text;
}

}  // namespace quorvane
