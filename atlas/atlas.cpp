// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/atlas.h"

#include "l10n/sentences.h"
#include "atlas/fold_unicode.h"

#include "atlas/state_abbreviations.h"
#include "common/text.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <utility>
#include <optional>
#include <tuple>
#include <unordered_map>

namespace quorvane {
namespace {

// 3: the whole field; 2: whole words inside it ("west bengal" in "state of west bengal");
// 1: the field's beginning ("spa" for "spain"); 0: no fit.
int FieldFit(std::string_view field, std::string_view wanted) {
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
std::string_view CountryCodeAlias(std::string_view folded) {
    if (folded == "uk" || folded == "u k") return "gb";
    if (folded == "usa" || folded == "u s a" || folded == "u s") return "us";
    if (folded == "uae" || folded == "u a e") return "ae";
    return folded;
}

int CountryFit(std::string_view country, std::string_view code, std::string_view wanted) {
    if (wanted.size() <= 5 && CountryCodeAlias(wanted) == code) return 3;
    return FieldFit(country, wanted);
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
        // Not std::isalnum/std::tolower: under a Turkish locale those may turn "I" into a dotless ı.
        const bool upper = c >= 'A' && c <= 'Z';
        if (!upper && !(c >= 'a' && c <= 'z') && !(c >= '0' && c <= '9')) {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) out += ' ';
        pendingBlank = false;
        out += upper ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
    if (auto ascii = FoldAscii(text)) return *std::move(ascii);
    return FoldUnicode(text);
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

// The short words of town names, each with the one spelling both the index and a search use.
std::string_view LongWord(std::string_view word) {
    if (word == "st" || word == "sankt") return "saint";
    if (word == "ste") return "sainte";
    if (word == "mt") return "mount";
    if (word == "ft") return "fort";
    return {};
}

std::string SpellOutShortWords(const std::string& folded, bool keepLast = false) {
    std::string out;
    out.reserve(folded.size() + 8);
    std::size_t start = 0;
    while (start <= folded.size()) {
        std::size_t end = folded.find(' ', start);
        if (end == std::string::npos) end = folded.size();
        const std::string_view word(folded.data() + start, end - start);
        const std::string_view spelt = LongWord(word);
        if (!out.empty()) out += ' ';
        out += (spelt.empty() || (keepLast && end == folded.size())) ? word : spelt;
        start = end + 1;
    }
    return out;
}

// What the typed town name is looked up as. A last word still being typed may be the beginning of a
// longer word: "St" finds Stockholm as well as the Saints, "St." only the Saints.
std::vector<std::string> NameKeys(std::string_view typed) {
    const std::string folded = FoldForSearch(typed);
    if (folded.empty()) return {};
    std::vector<std::string> keys{SpellOutShortWords(folded)};
    const std::string_view trimmed = Trim(typed);
    if (!trimmed.ends_with('.')) {
        std::string partial = SpellOutShortWords(folded, true);
        if (partial != keys.front()) keys.push_back(std::move(partial));
    }
    return keys;
}

// A state or country as typed, with the states its abbreviation may stand for and the countries and
// states that have it as a name in some language ("Deutschland", "Bayern").
struct Qualifier {
    std::string Folded;
    std::vector<std::pair<std::string, std::string>> States;  // folded country code and state
    std::vector<std::pair<std::string_view, int>> Regions;    // key ("DE", "DE.02") and how well it fits
};

Qualifier MakeQualifier(std::string_view typed, const atlas_index::View& index) {
    Qualifier q{FoldForSearch(typed), {}, {}};
    if (q.Folded.empty()) return q;
    if (q.Folded.size() <= 3) {
        for (const StateAbbreviation& a : StateAbbreviations())
            if (FoldForSearch(a.Abbreviation) == q.Folded)
                q.States.emplace_back(FoldForSearch(a.CountryCode), FoldForSearch(a.State));
    }
    // As the English names fit: the whole name best, then whole words ending it, then a beginning of
    // three letters or more.
    constexpr std::size_t kMostRegions = 64;
    const auto* it = std::lower_bound(
        index.RegionNamesBegin(), index.RegionNamesEnd(), q.Folded,
        [&](const atlas_index::RegionNameRecord& r, const std::string& n) { return index.TextOf(r.Folded) < n; });
    for (; it != index.RegionNamesEnd() && q.Regions.size() < kMostRegions; ++it) {
        const std::string_view name = index.TextOf(it->Folded);
        const bool whole = name == q.Folded;
        if (!name.starts_with(q.Folded) || (!whole && q.Folded.size() < 3)) break;
        q.Regions.emplace_back(index.TextOf(it->Key), whole ? (it->Inner ? 2 : 3) : 1);
    }
    return q;
}

int RegionFit(std::string_view key, const Qualifier& q) {
    int fit = 0;
    if (!key.empty())
        for (const auto& [k, f] : q.Regions)
            if (k == key) fit = std::max(fit, f);
    return fit;
}

// How well the typed state and country fit a town of the index.
struct TownFit {
    const atlas_index::View& Index;
    const atlas_index::PlaceRecord& Town;

    int State(const Qualifier& q) const {
        const std::string_view state = Index.TextOf(Town.FoldedState), code = Index.TextOf(Town.FoldedCode);
        for (const auto& [country, name] : q.States)
            if (country == code && name == state) return 3;
        return std::max(FieldFit(state, q.Folded), RegionFit(Index.TextOf(Town.StateKey), q));
    }
    int Country(const Qualifier& q) const {
        return std::max(CountryFit(Index.TextOf(Town.FoldedCountry), Index.TextOf(Town.FoldedCode), q.Folded),
                        RegionFit(Index.TextOf(Town.CountryCode), q));
    }
};

// Where the index may be: named by QUORVANE_ATLAS_INDEX, beside the program in the build tree or as
// installed (bin/ and libexec/quorvane/ below the same prefix), or where the build installs it.
std::vector<std::string> IndexCandidates() {
    if (const char* named = std::getenv("QUORVANE_ATLAS_INDEX"); named && *named) return {named};
    std::vector<std::string> paths;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path dir = program.parent_path();
        for (const char* up : {"..", "../.."})
            paths.push_back((dir / up / "share/quorvane" / kAtlasIndexFileName).lexically_normal().string());
    }
    paths.push_back(QUORVANE_ATLAS_INDEX_INSTALLED);
    return paths;
}

}  // namespace

struct Atlas::Mapping {
    void* Address = MAP_FAILED;
    std::size_t Size = 0;
    ~Mapping() {
        if (Address != MAP_FAILED) munmap(Address, Size);
    }
};

struct Atlas::Towns {
    std::mutex Lock;
    std::vector<std::unique_ptr<Place>> Made;
};

struct Atlas::LatitudeOrder {
    std::once_flag Sorted;
    std::vector<std::pair<double, std::uint32_t>> Towns;  // latitude, town
};

Atlas Atlas::FromFile(const std::string& path) {
    Atlas atlas;
    // Mapped, not read: only the pages a search touches are brought in, and none is copied.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int why = errno;
        atlas.problem_ = why == ENOENT
                             ? l10n::Say(l10n::atlas_text::IndexMissing, {l10n::Plain("path", path)})
                             : l10n::Say(l10n::atlas_text::IndexUnopenable,
                                         {l10n::Plain("path", path), l10n::Nested("reason", l10n::SystemError(why))});
        return atlas;
    }
    struct stat info = {};
    auto mapping = std::make_shared<Mapping>();
    if (fstat(fd, &info) == 0 && info.st_size > 0) {
        mapping->Size = static_cast<std::size_t>(info.st_size);
        mapping->Address = mmap(nullptr, mapping->Size, PROT_READ, MAP_PRIVATE, fd, 0);
    }
    close(fd);
    try {
        if (mapping->Size == 0) throw atlas_index::BadIndex("it is empty");
        if (mapping->Address == MAP_FAILED) throw atlas_index::BadIndex("it cannot be mapped into memory");
        atlas.mapping_ = std::move(mapping);
        atlas.Open(std::string_view(static_cast<const char*>(atlas.mapping_->Address), atlas.mapping_->Size));
    } catch (const atlas_index::BadIndex& bad) {
        Atlas none;
        // The damage is named in the index format's own English: it is for whoever rebuilds the index.
        none.problem_ =
            l10n::Say(l10n::atlas_text::IndexDamaged, {l10n::Plain("path", path), l10n::Plain("detail", bad.what())});
        return none;
    }
    return atlas;
}

const Atlas& Atlas::Builtin() {
    static std::once_flag once;
    static std::unique_ptr<Atlas> atlas;
    std::call_once(once, [] {
        const std::vector<std::string> paths = IndexCandidates();
        for (const std::string& path : paths) {
            std::error_code error;
            if (std::filesystem::exists(path, error)) {
                atlas = std::make_unique<Atlas>(FromFile(path));
                return;
            }
        }
        atlas.reset(new Atlas());
        std::string looked;
        for (const std::string& path : paths) looked += (looked.empty() ? "" : ", ") + path;
        atlas->problem_ = l10n::Say(l10n::atlas_text::IndexNotFound, {l10n::Plain("paths", looked)});
    });
    return *atlas;
}

std::string FoldPlaceName(std::string_view text) {
    return SpellOutShortWords(FoldForSearch(text));
}

Atlas::Atlas() : towns_(std::make_shared<Towns>()), byLatitude_(std::make_shared<LatitudeOrder>()) {}

Atlas::Atlas(const std::vector<Place>& places, const std::vector<PlaceName>& names,
             const std::vector<RegionName>& regionNames)
    : Atlas() {
    const std::string built = atlas_index::Build(places, names, regionNames);
    bytes_.assign(built.begin(), built.end());
    Open(std::string_view(bytes_.data(), bytes_.size()));
}

Atlas Atlas::FromIndex(std::vector<char> bytes) {
    Atlas atlas;
    atlas.bytes_ = std::move(bytes);
    atlas.Open(std::string_view(atlas.bytes_.data(), atlas.bytes_.size()));
    return atlas;
}

void Atlas::Open(std::string_view bytes) {
    index_ = atlas_index::View(bytes);
    towns_->Made.resize(index_.PlaceCount());
}

const Place& Atlas::TownAt(std::uint32_t i) const {
    const std::lock_guard lock(towns_->Lock);
    std::unique_ptr<Place>& made = towns_->Made[i];
    if (!made) {
        const atlas_index::PlaceRecord& r = index_.PlaceAt(i);
        made = std::make_unique<Place>();
        made->City = index_.TextOf(r.City);
        made->State = index_.TextOf(r.State);
        made->Country = index_.TextOf(r.Country);
        made->CountryCode = index_.TextOf(r.CountryCode);
        made->TimeZoneId = index_.TextOf(r.TimeZoneId);
        made->Latitude = r.Latitude;
        made->Longitude = r.Longitude;
        made->Population = r.Population;
        made->GeoNameId = r.GeoNameId;
    }
    return *made;
}

Atlas::NearbyTown Atlas::Nearest(double latitude, double longitude) const {
    NearbyTown nearest;
    std::call_once(byLatitude_->Sorted, [this] {
        std::vector<std::pair<double, std::uint32_t>>& towns = byLatitude_->Towns;
        towns.reserve(index_.PlaceCount());
        for (std::uint32_t i = 0; i < index_.PlaceCount(); ++i) towns.emplace_back(index_.PlaceAt(i).Latitude, i);
        std::sort(towns.begin(), towns.end());
    });
    const std::vector<std::pair<double, std::uint32_t>>& towns = byLatitude_->Towns;
    if (towns.empty()) return nearest;

    constexpr double kRadians = 3.14159265358979323846 / 180.0;
    const double lat = latitude * kRadians, lon = longitude * kRadians, cosLat = std::cos(lat);
    // The haversine's own term h, which grows with the distance, is compared without the arcsine. It is
    // never below sin²(Δlatitude / 2): the towns are tried outward from the point's latitude, and once the
    // latitude alone is farther than the best town so far, no town left can be nearer.
    double best = 2.0, latitudeGap = 4.0;
    std::uint32_t bestTown = 0;
    std::size_t north = static_cast<std::size_t>(
        std::lower_bound(towns.begin(), towns.end(), std::pair<double, std::uint32_t>(latitude, 0)) - towns.begin());
    std::size_t south = north;  // towns[south - 1] is the next one southward
    while (south > 0 || north < towns.size()) {
        const bool goNorth =
            south == 0 || (north < towns.size() && towns[north].first - latitude < latitude - towns[south - 1].first);
        const auto& [townLatitude, town] = goNorth ? towns[north++] : towns[--south];
        const double townLat = townLatitude * kRadians;
        if (std::abs(townLat - lat) > latitudeGap) break;
        const double sinHalfLat = std::sin((townLat - lat) / 2);
        const double sinHalfLon = std::sin((index_.PlaceAt(town).Longitude * kRadians - lon) / 2);
        const double h = sinHalfLat * sinHalfLat + cosLat * std::cos(townLat) * sinHalfLon * sinHalfLon;
        if (h < best) {
            best = h;
            bestTown = town;
            latitudeGap = 2 * std::asin(std::sqrt(std::min(1.0, h)));
        }
    }
    constexpr double kEarthRadiusKm = 6371.0;
    nearest.Town = &TownAt(bestTown);
    nearest.Kilometres = 2 * kEarthRadiusKm * std::asin(std::sqrt(std::min(1.0, best)));
    return nearest;
}

std::vector<PlaceMatch> Atlas::Find(std::string_view queryText, std::size_t limit) const {
    return Find(ParsePlaceQuery(queryText), limit);
}

std::vector<PlaceMatch> Atlas::Find(const PlaceQuery& query, std::size_t limit) const {
    std::vector<PlaceMatch> matches;
    const std::vector<std::string> keys = NameKeys(query.City);
    if (keys.empty()) return matches;
    const Qualifier region = MakeQualifier(query.Region, index_);
    const Qualifier state = MakeQualifier(query.State, index_);
    const Qualifier country = MakeQualifier(query.Country, index_);

    // Each town once, by its best name: the whole name before a beginning, its own name before another.
    struct Candidate {
        std::uint32_t Place;
        bool Exact;
        int Score;
        atlas_index::Text Written;
        auto Rank() const { return std::tuple(Exact, Score, Written.Size == 0); }
    };
    std::vector<Candidate> candidates;
    std::unordered_map<std::uint32_t, std::size_t> candidateOf;
    for (const std::string& key : keys) {
        const auto* it = std::lower_bound(
            index_.NamesBegin(), index_.NamesEnd(), key,
            [&](const atlas_index::NameRecord& e, const std::string& n) { return index_.TextOf(e.Folded) < n; });
        for (; it != index_.NamesEnd(); ++it) {
            const std::string_view name = index_.TextOf(it->Folded);
            if (!name.starts_with(key)) break;
            const TownFit fit{index_, index_.PlaceAt(it->Place)};
            int score = 0;
            if (!region.Folded.empty()) {
                score = std::max(fit.State(region), fit.Country(region));
                if (score == 0) continue;
            } else {
                if (!state.Folded.empty()) {
                    const int f = fit.State(state);
                    if (f == 0) continue;
                    score += f;
                }
                if (!country.Folded.empty()) {
                    const int f = fit.Country(country);
                    if (f == 0) continue;
                    score += f;
                }
            }
            const Candidate c{it->Place, name == key, score, it->Written};
            const auto [at, fresh] = candidateOf.try_emplace(it->Place, candidates.size());
            if (fresh)
                candidates.push_back(c);
            else if (c.Rank() > candidates[at->second].Rank())
                candidates[at->second] = c;
        }
    }
    // Then larger towns first; among equals the order of the index, so every run lists them alike.
    const auto order = [&](const Candidate& a, const Candidate& b) {
        return std::tuple(a.Exact, a.Score, index_.PlaceAt(a.Place).Population, b.Place) >
               std::tuple(b.Exact, b.Score, index_.PlaceAt(b.Place).Population, a.Place);
    };
    const std::size_t shown = std::min(limit, candidates.size());
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(shown), candidates.end(),
                      order);
    for (std::size_t i = 0; i < shown; ++i) {
        const Candidate& c = candidates[i];
        matches.push_back({&TownAt(c.Place), c.Exact, c.Score, index_.TextOf(c.Written)});
    }
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
    const auto tierEnd =
        std::find_if(matches.begin(), matches.end(), [&](const PlaceMatch& m) { return !EquallyGood(m, best); });
    const auto tierSize = tierEnd - matches.begin();
    const bool clearLead =
        best.ExactName && tierSize > 1 && best.Town->Population >= kClearPopulationLead * matches[1].Town->Population;
    if (tierSize == 1 || clearLead) {
        r.Result = PlaceResolution::Outcome::Found;
        r.Chosen = best.Town;
        r.MatchedName = best.MatchedName;
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

PlaceSearch SearchPlaces(const Atlas& atlas, std::string_view text, std::size_t limit) {
    PlaceSearch search;
    search.Matches = atlas.Find(text, limit);
    const PlaceQuery parsed = ParsePlaceQuery(text);
    if (search.Matches.empty() && !parsed.City.empty()) {
        PlaceQuery nameOnly;
        nameOnly.City = parsed.City;
        search.Matches = atlas.Find(nameOnly, limit);
        search.NameOnly = !search.Matches.empty() && text.find(',') != std::string_view::npos;
        search.Name = parsed.City;
    }
    return search;
}

}  // namespace quorvane
