// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/zone_regions.h"

#include <array>

namespace quorvane {

namespace {

// The rows a region's people know their clocks by. A region is found by its country code (and, where
// only part of a country is meant, its state or province), or by the tz database's id of the place;
// an id ending in '*' stands for every id that begins so. The first region that fits is used.
struct Region {
    std::string_view Countries;  // ISO 3166 codes, blank separated
    std::string_view States;     // '|' separated; empty: the whole country
    std::string_view ZoneIds;    // blank separated
    std::string_view Rows;       // row abbreviations, blank separated
};

constexpr std::array kRegions{
    Region{"CN HK MO TW", "",
           "Asia/Shanghai Asia/Chongqing Asia/Chungking Asia/Harbin Asia/Hong_Kong Asia/Macau Asia/Macao Asia/Taipei "
           "PRC ROC Hongkong",
           "CCT"},
    Region{"NZ", "", "Pacific/Auckland NZ", "NZT NZST NZS NZ"},
    Region{"ID", "Jakarta|Java|West Java|Central Java|East Java|Banten|Yogyakarta|Jakarta Raya", "Asia/Jakarta", "JT"},
    Region{"US", "Hawaii|HI", "Pacific/Honolulu Pacific/Johnston US/Hawaii", "HST HDT HWT AHST AHDT AHWT"},
    Region{"US", "Alaska|AK",
           "America/Anchorage America/Juneau America/Sitka America/Yakutat America/Metlakatla America/Nome "
           "America/Adak US/Alaska",
           "AHST AHDT AHWT YST YDT YWT NT BET"},
    Region{"CA", "Yukon|Yukon Territory|YT", "America/Whitehorse America/Dawson Canada/Yukon", "YST YDT YWT"},
    Region{"IN", "", "Asia/Kolkata Asia/Calcutta", "IST"},
    Region{"IR", "", "Asia/Tehran Iran", "IT"},
    Region{"JP", "", "Asia/Tokyo Japan", "JST"},
    Region{"GU MP", "", "Pacific/Guam Pacific/Saipan", "GST"},
    Region{"CA", "Newfoundland|Newfoundland and Labrador|NL|NF", "America/St_Johns Canada/Newfoundland", "NST"},
    Region{"PT", "Azores|Açores", "Atlantic/Azores", "AT"},
    Region{"BR", "",
           "America/Sao_Paulo America/Bahia America/Fortaleza America/Recife America/Belem America/Maceio "
           "America/Araguaina America/Santarem Brazil/East",
           "BZT2"},
    Region{"AU", "South Australia|SA", "Australia/Adelaide Australia/South", "SAST SAT SAD SDT ACST ACDT"},
    Region{"AU", "Northern Territory|NT", "Australia/Darwin Australia/North", "ACST ACDT"},
    Region{
        "AU", "New South Wales|NSW|Victoria|VIC|Queensland|QLD|Tasmania|TAS|Australian Capital Territory|ACT",
        "Australia/Sydney Australia/Melbourne Australia/Brisbane Australia/Hobart Australia/Canberra Australia/Currie "
        "Australia/Lindeman Australia/ACT Australia/NSW Australia/Victoria Australia/Queensland Australia/Tasmania",
        "AEST AEDT"},
    Region{"AU", "Western Australia|WA", "Australia/Perth Australia/West", "AWST AWDT"},
    Region{"GB IM JE GG", "", "Europe/London Europe/Belfast Europe/Isle_of_Man Europe/Jersey Europe/Guernsey GB",
           "GMT BST BDST BWT"},
    Region{"SU RU UA BY KZ UZ TM KG TJ AZ AM GE MD LT LV EE", "",
           "Europe/Moscow Europe/Samara Europe/Volgograd Europe/Kirov Europe/Ulyanovsk Europe/Astrakhan Europe/Saratov "
           "Europe/Kaliningrad Europe/Kiev Europe/Kyiv Europe/Simferopol Europe/Minsk Europe/Chisinau Europe/Vilnius "
           "Europe/Riga Europe/Tallinn Asia/Yekaterinburg Asia/Omsk Asia/Novosibirsk Asia/Barnaul Asia/Tomsk "
           "Asia/Novokuznetsk Asia/Krasnoyarsk Asia/Irkutsk Asia/Chita Asia/Yakutsk Asia/Khandyga Asia/Vladivostok "
           "Asia/Ust-Nera Asia/Magadan Asia/Sakhalin Asia/Srednekolymsk Asia/Kamchatka Asia/Anadyr Asia/Tashkent "
           "Asia/Samarkand Asia/Almaty Asia/Qyzylorda Asia/Aqtobe Asia/Aqtau Asia/Oral Asia/Atyrau Asia/Bishkek "
           "Asia/Dushanbe Asia/Ashgabat Asia/Baku Asia/Yerevan Asia/Tbilisi W-SU",
           "USZ3 USZ4 USZ5 USZ6 UZ10"},
    Region{"US CA MX BM PR VI", "", "America/* Canada/* US/* EST5EDT CST6CDT MST7MDT PST8PDT EST MST",
           "AST AWT EST EDT EWT CST CDT CWT MST MDT MWT PST PDT PWT"},
};

// Calls `visit` with each word of a list; stops at the first for which it returns true.
template <typename Visit>
bool AnyWord(std::string_view list, char separator, Visit visit) {
    while (!list.empty()) {
        const auto end = list.find(separator);
        const std::string_view word = list.substr(0, end);
        if (!word.empty() && visit(word)) return true;
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + 1);
    }
    return false;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

bool Fits(const Region& r, std::string_view country, std::string_view state, std::string_view zoneId) {
    if (!zoneId.empty() && AnyWord(r.ZoneIds, ' ', [&](std::string_view id) {
            return id.ends_with('*') ? zoneId.starts_with(id.substr(0, id.size() - 1)) : id == zoneId;
        }))
        return true;
    if (country.empty() || !AnyWord(r.Countries, ' ', [&](std::string_view c) { return SameLetters(c, country); }))
        return false;
    return r.States.empty() || AnyWord(r.States, '|', [&](std::string_view s) { return SameLetters(s, state); });
}

// The first of the region's rows, in its own order, of this kind and offset.
std::optional<int> RegionRow(const Region& r, ZoneKind kind, int offsetSecondsEast) {
    std::optional<int> found;
    AnyWord(r.Rows, ' ', [&](std::string_view abbreviation) {
        for (int i = 0; i < kTimeZoneCount && !found; ++i) {
            const TimeZoneRow& row = TimeZoneTable()[static_cast<std::size_t>(i)];
            if (row.Abbreviation == abbreviation && row.Kind == kind && RowOffsetSeconds(i) == offsetSecondsEast)
                found = i;
        }
        return found.has_value();
    });
    return found;
}

}  // namespace

std::optional<int> RegionalZoneRow(std::string_view countryCode, std::string_view region, std::string_view timeZoneId,
                                   int offsetSecondsEast, bool daylight) {
    for (const Region& r : kRegions) {
        if (!Fits(r, countryCode, region, timeZoneId)) continue;
        // The first region that fits decides: one without a row of its own at this offset leaves the
        // choice to the caller, and a region further down (North America's catch-all) must not take it.
        if (!daylight) return RegionRow(r, ZoneKind::Standard, offsetSecondsEast);
        // Summer time before war time: a clock one hour ahead was called so in most years.
        if (const auto summer = RegionRow(r, ZoneKind::Daylight, offsetSecondsEast)) return summer;
        return RegionRow(r, ZoneKind::War, offsetSecondsEast);
    }
    return std::nullopt;
}

}  // namespace quorvane
