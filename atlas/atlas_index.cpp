// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/atlas_index.h"

#include "atlas/atlas.h"

#include <algorithm>
#include <cstring>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace quorvane::atlas_index {
namespace {

constexpr std::size_t kPlacesAt = sizeof(Header);

std::size_t NamesAt(std::uint32_t placeCount) {
    return kPlacesAt + placeCount * sizeof(PlaceRecord);
}
std::size_t RegionNamesAt(std::uint32_t placeCount, std::uint32_t nameCount) {
    return NamesAt(placeCount) + nameCount * sizeof(NameRecord);
}
std::size_t TextAt(const Header& h) {
    return RegionNamesAt(h.PlaceCount, h.NameCount) + h.RegionNameCount * sizeof(RegionNameRecord);
}

// Each distinct text is stored once: many towns share a state, a country or a name in some language.
class TextArea {
public:
    Text Add(std::string_view s) {
        if (s.empty()) return {};
        const auto [it, fresh] = where_.try_emplace(std::string(s), Text{});
        if (fresh) {
            it->second = {static_cast<std::uint32_t>(bytes_.size()), static_cast<std::uint32_t>(s.size())};
            bytes_ += s;
        }
        return it->second;
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::unordered_map<std::string, Text> where_;
};

template <typename T>
void Append(std::string& out, const T& record) {
    out.append(reinterpret_cast<const char*>(&record), sizeof record);
}

}  // namespace

std::string Build(const std::vector<Place>& places, const std::vector<PlaceName>& names,
                  const std::vector<RegionName>& regionNames) {
    TextArea text;
    std::vector<PlaceRecord> records;
    records.reserve(places.size());
    struct Entry {
        std::string Folded;
        Text Written;
        std::uint32_t Place;
    };
    std::vector<Entry> entries;
    std::unordered_map<std::uint32_t, std::uint32_t> byId;
    std::vector<std::unordered_set<std::string>> namesOf(places.size());
    for (std::uint32_t i = 0; i < places.size(); ++i) {
        const Place& p = places[i];
        records.push_back({p.GeoNameId, p.Population, p.Latitude, p.Longitude, text.Add(p.City), text.Add(p.State),
                           text.Add(p.Country), text.Add(p.CountryCode), text.Add(p.TimeZoneId),
                           text.Add(FoldForSearch(p.State)), text.Add(FoldForSearch(p.Country)),
                           text.Add(FoldForSearch(p.CountryCode)),
                           text.Add(p.StateCode.empty() ? std::string() : p.CountryCode + '.' + p.StateCode)});
        if (p.GeoNameId != 0) byId.emplace(p.GeoNameId, i);
        std::string folded = FoldPlaceName(p.City);
        namesOf[i].insert(folded);
        entries.push_back({std::move(folded), {}, i});
    }
    // A name that folds like one the town already has adds nothing: "Munchen" beside "München". Among
    // spellings that fold alike the one most catalogs write is shown ("Kiev" rather than "Kíev").
    struct Spellings {
        std::uint32_t Place;
        std::vector<std::pair<std::string, int>> Written;  // in the order first seen, with their counts
    };
    std::unordered_map<std::string, std::size_t> spellingsOf;  // "place folded" -> into `spellings`
    std::vector<std::pair<std::string, Spellings>> spellings;
    for (const PlaceName& n : names) {
        const auto town = byId.find(n.GeoNameId);
        if (town == byId.end()) continue;
        std::string folded = FoldPlaceName(n.Name);
        if (folded.empty() || namesOf[town->second].contains(folded)) continue;
        const auto [at, fresh] = spellingsOf.try_emplace(std::to_string(town->second) + ' ' + folded, spellings.size());
        if (fresh) spellings.push_back({std::move(folded), {town->second, {}}});
        auto& written = spellings[at->second].second.Written;
        const auto same =
            std::find_if(written.begin(), written.end(), [&](const auto& w) { return w.first == n.Name; });
        if (same == written.end())
            written.emplace_back(n.Name, 1);
        else
            ++same->second;
    }
    for (auto& [folded, s] : spellings) {
        const auto most = std::max_element(s.Written.begin(), s.Written.end(),
                                           [](const auto& a, const auto& b) { return a.second < b.second; });
        entries.push_back({std::move(folded), text.Add(most->first), s.Place});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return std::tie(a.Folded, a.Place) < std::tie(b.Folded, b.Place); });
    std::vector<NameRecord> nameRecords;
    nameRecords.reserve(entries.size());
    for (const Entry& e : entries) nameRecords.push_back({text.Add(e.Folded), e.Written, e.Place});

    // Names of countries and states, each folded form once for each region it names.
    std::vector<std::tuple<std::string, std::string, std::uint32_t>> regions;
    for (const RegionName& r : regionNames) {
        const std::string folded = FoldForSearch(r.Name);
        if (folded.empty() || r.Key.empty()) continue;
        regions.emplace_back(folded, r.Key, 0);
        for (std::size_t blank = folded.find(' '); blank != std::string::npos; blank = folded.find(' ', blank + 1))
            regions.emplace_back(folded.substr(blank + 1), r.Key, 1);
    }
    std::sort(regions.begin(), regions.end());
    regions.erase(std::unique(regions.begin(), regions.end()), regions.end());
    std::vector<RegionNameRecord> regionRecords;
    regionRecords.reserve(regions.size());
    for (const auto& [folded, key, inner] : regions) regionRecords.push_back({text.Add(folded), text.Add(key), inner});

    Header header{};
    std::memcpy(header.Magic, kMagic, sizeof kMagic);
    header.Version = kVersion;
    header.PlaceCount = static_cast<std::uint32_t>(records.size());
    header.NameCount = static_cast<std::uint32_t>(nameRecords.size());
    header.RegionNameCount = static_cast<std::uint32_t>(regionRecords.size());
    header.TextSize = static_cast<std::uint32_t>(text.Bytes().size());
    header.FileSize = TextAt(header) + header.TextSize;
    std::string out;
    out.reserve(header.FileSize);
    Append(out, header);
    for (const PlaceRecord& r : records) Append(out, r);
    for (const NameRecord& r : nameRecords) Append(out, r);
    for (const RegionNameRecord& r : regionRecords) Append(out, r);
    out += text.Bytes();
    return out;
}

View::View(std::string_view bytes) {
    if (bytes.size() < sizeof(Header)) throw BadIndex("it is too short to be an atlas index");
    if (reinterpret_cast<std::uintptr_t>(bytes.data()) % alignof(PlaceRecord) != 0)
        throw BadIndex("its bytes are not aligned in memory");
    const auto* header = reinterpret_cast<const Header*>(bytes.data());
    if (std::memcmp(header->Magic, kMagic, sizeof kMagic) != 0) throw BadIndex("it is not an atlas index");
    if (header->Version != kVersion)
        throw BadIndex("it is of version " + std::to_string(header->Version) + ", this program reads version " +
                       std::to_string(kVersion));
    const std::uint64_t textAt = TextAt(*header);
    if (header->FileSize != bytes.size() || textAt + header->TextSize != bytes.size())
        throw BadIndex("it is cut short or has bytes added: " + std::to_string(bytes.size()) + " bytes, " +
                       std::to_string(header->FileSize) + " expected");
    header_ = header;
    places_ = reinterpret_cast<const PlaceRecord*>(bytes.data() + kPlacesAt);
    names_ = reinterpret_cast<const NameRecord*>(bytes.data() + NamesAt(header->PlaceCount));
    regionNames_ =
        reinterpret_cast<const RegionNameRecord*>(bytes.data() + RegionNamesAt(header->PlaceCount, header->NameCount));
    text_ = bytes.data() + textAt;

    const auto inside = [&](Text t) { return std::uint64_t{t.Offset} + t.Size <= header->TextSize; };
    for (std::uint32_t i = 0; i < header->PlaceCount; ++i) {
        const PlaceRecord& p = places_[i];
        for (Text t : {p.City, p.State, p.Country, p.CountryCode, p.TimeZoneId, p.FoldedState, p.FoldedCountry,
                       p.FoldedCode, p.StateKey})
            if (!inside(t)) throw BadIndex("town " + std::to_string(i) + " has a name outside the file");
    }
    std::string_view previous;
    for (const NameRecord* n = NamesBegin(); n != NamesEnd(); ++n) {
        if (!inside(n->Folded) || !inside(n->Written) || n->Place >= header->PlaceCount)
            throw BadIndex("name " + std::to_string(n - names_) + " points outside the file");
        // The look-up halves the table: names out of order would silently hide towns.
        if (TextOf(n->Folded) < previous) throw BadIndex("its names are out of order");
        previous = TextOf(n->Folded);
    }
    previous = {};
    for (const RegionNameRecord* r = RegionNamesBegin(); r != RegionNamesEnd(); ++r) {
        if (!inside(r->Folded) || !inside(r->Key))
            throw BadIndex("region name " + std::to_string(r - regionNames_) + " points outside the file");
        if (TextOf(r->Folded) < previous) throw BadIndex("its region names are out of order");
        previous = TextOf(r->Folded);
    }
}

}  // namespace quorvane::atlas_index
