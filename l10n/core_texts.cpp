// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "l10n/core_texts.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "galactic/descriptions.h"
#include "l10n/sentences.h"
#include "reading/input_rules.h"
#include "reading/time_zones.h"

namespace quorvane::l10n {

namespace {

struct LanguageTable {
    std::string_view Code;
    std::span<const KeyText> Texts;  // sorted by key
};

// Written at build time from l10n/core/*.json: kLanguageTables, one sorted table per language.
#include "l10n/core_texts_data.inc"

constexpr std::string_view kSignFields[] = {"name", "keywords", "planet", "constellation", "description"};

std::string_view SignField(const GalacticSign& sign, std::size_t field) {
    switch (field) {
        case 0:
            return sign.Name;
        case 1:
            return sign.Keywords;
        case 2:
            return sign.RulingPlanet;
        case 3:
            return sign.Constellation;
        default:
            return sign.Description;
    }
}

std::string SignKey(std::string_view signName, std::string_view field) {
    return "sign." + std::string(signName) + "." + std::string(field);
}

struct EnglishTable {
    std::vector<std::string> Keys;  // owns the keys that are built (sign.*, zone.*)
    std::vector<KeyText> Texts;     // sorted by key
};

// The English of every key: the core's own texts where the core has them, the rest written here.
EnglishTable MakeEnglish() {
    EnglishTable table;
    table.Keys.reserve(kGalacticSignCount * std::size(kSignFields) + kTimeZoneCount);
    std::vector<std::pair<std::size_t, std::string_view>> built;  // index into Keys, English
    auto add = [&](std::string key, std::string_view english) {
        if (english.empty()) return;  // Collect and Heal have no ruling planet
        table.Keys.push_back(std::move(key));
        built.emplace_back(table.Keys.size() - 1, english);
    };
    for (const GalacticSign& sign : GalacticSigns())
        for (std::size_t f = 0; f < std::size(kSignFields); ++f)
            add(SignKey(sign.Name, kSignFields[f]), SignField(sign, f));
    for (int row = 0; row < kTimeZoneCount; ++row)
        add("zone." + std::to_string(row), TimeZoneTable()[row].DisplayString);

    static constexpr KeyText kWritten[] = {
        {"message.OnlyNumbers", msg::OnlyNumbers},
        {"message.OnlyLetters", msg::OnlyLetters},
        {"message.EnterName", msg::EnterName},
        {"message.LongitudeDegrees", msg::LongitudeDegrees},
        {"message.LongitudeMinutes", msg::LongitudeMinutes},
        {"message.LatitudeDegrees", msg::LatitudeDegrees},
        {"message.LatitudeMinutes", msg::LatitudeMinutes},
        {"message.FebruaryDate", msg::FebruaryDate},
        {"message.ThirtyDayDate", msg::ThirtyDayDate},
        // The command line's refusals of what the birth-data form cannot even express.
        {"message.cli.Date", "date: expected YYYY-MM-DD"},
        {"message.cli.Year", "date: year must be 1901 to 2050"},
        {"message.cli.Time", "time: expected HH:MM or HH:MM:SS, 00:00 to 23:59:59"},
        {"message.cli.Zone",
         "zone: expected a row number 0 to 70 (see --zones), an offset such as +05:45 or -00:25:21, or LMT"},
        {"message.cli.Dst", "dst: expected 0 or 1"},
        {"message.cli.Latitude", "latitude: expected degrees, N or S, minutes (e.g. 40N42)"},
        {"message.cli.Longitude", "longitude: expected degrees, E or W, minutes (e.g. 74W00)"},
        {"phase.Waxing", "Waxing Moon"},
        {"phase.Waning", "Waning Moon"},
        {"frame.Ascendant", "Galactic Ascendant"},
        {"frame.Descendant", "Galactic Descendant"},
        {"frame.MoonSign", "Galactic Moon Sign"},
        {"frame.SunSign", "Galactic Sun Sign"},
        {"point.Sun", "Sun"},
        {"point.Moon", "Moon"},
        {"point.Ascendant", "Ascendant"},
        {"point.Descendant", "Descendant"},
        // The reading form's headings of a frame's values.
        {"label.RulingPlanet", "Ruling Planet"},
        {"label.Constellation", "Constellation"},
        {"label.Keywords", "Keywords"},
        {"label.Characteristics", "Characteristics"},
        // The browser edition's list of languages.
        {"label.Language", "Language"},
        {"message.CopyFailed", "The reading could not be put on the clipboard"},
        {"format.LongDate", "{month} {day}, {year}"},
        {"format.FirstDay", "1"},                 // the first of a month as a date writes it ("1er" in French)
        {"format.Labelled", "{label}: {value}"},  // a heading and its value on one line
        {"format.ClockTime",
         "HH:mm"},  // a clock time in a report: HH the hour of two digits, H of one or two, mm the minute
        // The report's words: its birth details, the frames' values and an unknown birth time's signs.
        {"report.Title", "Galactic Astrology Reading"},
        {"report.CaptionWithSign", "{caption}: {sign}"},
        {"report.RulingPlanet", "Ruling planet: {value}"},
        {"report.Constellation", "Constellation: {value}"},
        {"report.Keywords", "Keywords: {value}"},
        {"report.Characteristics", "Characteristics: {value}"},
        {"report.CharacteristicsHeading", "Characteristics"},
        {"report.Born", "Born: {date}, {time} local clock time"},
        {"report.BornTimeUnknown", "Born: {date}, time unknown: every clock minute from {from} to {to} read"},
        {"report.Zone", "Time zone: {zone}"},
        {"report.ZoneLocalMeanTime", "Time zone: local mean time of the birthplace"},
        {"report.ZoneExactOffset", "Time zone: an offset no zone in the list has"},
        {"report.DaylightSaving", "Daylight saving: {answer}"},
        {"report.Yes", "yes"},
        {"report.No", "no"},
        {"report.UniversalTime", "Universal Time used: {time}"},
        {"report.UtcOffset", "UTC offset used: {offset}"},
        {"report.ClocksWentForward", "Note: there was no {from} to {to} that day (clocks went forward)"},
        {"report.Coordinates",
         "Latitude {latitudeDegrees}\u00b0{latitudeMinutes}\u2032 {northSouth}, longitude "
         "{longitudeDegrees}\u00b0{longitudeMinutes}\u2032 {eastWest}"},
        {"report.South", "S"},
        {"report.North", "N"},
        {"report.East", "E"},
        {"report.West", "W"},
        {"report.Place", "Place: {place}"},
        {"report.Note", "Note: {note}"},
        {"report.DependsOnTime", "depends on the birth time"},
        {"report.FirstPass", "(first)"},
        {"report.SecondPass", "(second)"},
        // The command line's text output.
        {"text.Title", "Galactic astrology reading for {name}"},
        {"text.Born", "Born {date} {time} (Universal Time), zone {zone}"},
        {"text.Degrees", "Sun {sun}\u00B0, Moon {moon}\u00B0, Ascendant {ascendant}\u00B0, {phase}"},
        {"text.Place", "Place: {place}"},
        {"text.Zone", "Zone: {zone}"},
        {"text.ZoneDst", "Zone: {zone} with daylight saving"},
        {"text.AsGiven", "(as given)"},
        {"text.From", "(from {note})"},
        {"text.UtcOffset", "UTC offset: {offset}"},
        {"text.UtcOffsetDst", "UTC offset: {offset} (daylight saving)"},
        {"text.LocalMeanTime", "local mean time of the birthplace, UTC{offset}"},
        {"text.ClockWarning", "Warning: {warning}"},  // the sentence of the clock's disagreement
        // A window over an hour the clocks repeated; {first} and {second} are report.FirstPass and SecondPass.
        {"text.HourRepeated",
         "Note: clocks went back and an hour came twice; it is read twice, its times marked {first} and {second}"},
    };
    table.Texts.reserve(built.size() + std::size(kWritten) + std::size(kSentenceKeys) + 24);
    for (const auto& [index, english] : built) table.Texts.push_back({table.Keys[index], english});
    table.Texts.insert(table.Texts.end(), std::begin(kWritten), std::end(kWritten));
    for (const TextKey* sentence : kSentenceKeys) table.Texts.push_back({sentence->Key, sentence->English});
    for (const auto* months : {&kMonths, &kShortMonths})
        for (const TextKey& month : *months) table.Texts.push_back({month.Key, month.English});
    std::sort(table.Texts.begin(), table.Texts.end(), [](const KeyText& a, const KeyText& b) { return a.Key < b.Key; });
    return table;
}

const EnglishTable& English() {
    static const EnglishTable table = MakeEnglish();
    return table;
}

std::string_view Find(std::span<const KeyText> texts, std::string_view key) {
    const auto it = std::lower_bound(texts.begin(), texts.end(), key,
                                     [](const KeyText& entry, std::string_view k) { return entry.Key < k; });
    return it != texts.end() && it->Key == key ? it->Text : std::string_view{};
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A locale name's language and territory: "pt_BR.UTF-8@euro" -> {"pt", "BR"} (as written, any case).
struct LocaleParts {
    std::string_view Language, Territory;
};

LocaleParts Split(std::string_view name) {
    name = name.substr(0, std::min(name.find('.'), name.find('@')));
    const auto separator = name.find_first_of("_-");
    if (separator == std::string_view::npos) return {name, {}};
    return {name.substr(0, separator), name.substr(separator + 1)};
}

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// The translation table of a locale name: its own language and territory, else its language alone
// ("pt"), else another territory's table of the same language ("pt_PT" reads pt_BR); nullptr for English.
const LanguageTable* TableOf(std::string_view localeName) {
    const LocaleParts wanted = Split(localeName);
    if (wanted.Language.empty()) return nullptr;
    const LanguageTable* sameLanguage = nullptr;
    for (const LanguageTable& table : kLanguageTables) {
        const LocaleParts have = Split(table.Code);
        if (!SameLetters(have.Language, wanted.Language)) continue;
        if (SameLetters(have.Territory, wanted.Territory)) return &table;
        if (have.Territory.empty() || !sameLanguage) sameLanguage = &table;
    }
    return sameLanguage;
}

constexpr std::array<std::string_view, std::size(kLanguageTables)> CodesOf() {
    std::array<std::string_view, std::size(kLanguageTables)> codes{};
    for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = kLanguageTables[i].Code;
    return codes;
}
constexpr auto kCodes = CodesOf();

// The twelve signs of one language, made on first use.
struct SignSet {
    std::array<GalacticSign, kGalacticSignCount> Signs;
};

const SignSet& SignsOf(const LanguageTable& table) {
    static const auto sets = [] {
        std::array<SignSet, std::size(kLanguageTables)> all{};
        for (std::size_t l = 0; l < all.size(); ++l) {
            const std::string_view code = kLanguageTables[l].Code;
            for (std::size_t s = 0; s < kGalacticSignCount; ++s) {
                const GalacticSign& english = GalacticSigns()[s];
                GalacticSign& sign = all[l].Signs[s];
                sign = english;
                std::string_view* fields[] = {&sign.Name, &sign.Keywords, &sign.RulingPlanet, &sign.Constellation,
                                              &sign.Description};
                for (std::size_t f = 0; f < std::size(kSignFields); ++f)
                    if (!fields[f]->empty()) *fields[f] = CoreText(code, SignKey(english.Name, kSignFields[f]));
            }
        }
        return all;
    }();
    return sets[static_cast<std::size_t>(&table - kLanguageTables)];
}

}  // namespace

std::string NormalizeLanguage(std::string_view localeName) {
    const LocaleParts parts = Split(localeName);
    if (parts.Language.empty() || localeName == "C" || localeName.starts_with("C.") || localeName == "POSIX" ||
        SameLetters(parts.Language, "en"))
        return "en";
    if (const LanguageTable* table = TableOf(localeName)) return std::string(table->Code);
    std::string code;
    for (char c : parts.Language) code += Lower(c);
    return code;
}

std::string LanguageFromEnvironment() {
    auto variable = [](const char* name) -> std::string_view {
        const char* value = std::getenv(name);
        return value ? std::string_view(value) : std::string_view{};
    };
    std::string_view preferences = variable("LANGUAGE");
    while (!preferences.empty()) {
        const auto colon = preferences.find(':');
        const std::string_view entry = preferences.substr(0, colon);
        preferences = colon == std::string_view::npos ? std::string_view{} : preferences.substr(colon + 1);
        if (entry.empty()) continue;
        const std::string language = NormalizeLanguage(entry);
        if (language == "en" || IsTranslated(language)) return language;
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const std::string_view value = variable(name); !value.empty()) return NormalizeLanguage(value);
    return "en";
}

std::span<const std::string_view> TranslatedLanguages() {
    return kCodes;
}

bool IsTranslated(std::string_view language) {
    return TableOf(language) != nullptr;
}

std::string_view CoreText(std::string_view language, std::string_view key) {
    if (const LanguageTable* table = TableOf(language))
        if (const std::string_view text = Find(table->Texts, key); !text.empty()) return text;
    return Find(English().Texts, key);
}

std::span<const KeyText> EnglishCatalogue() {
    return English().Texts;
}

std::span<const KeyText> TranslationCatalogue(std::string_view language) {
    for (const LanguageTable& table : kLanguageTables)
        if (table.Code == language) return table.Texts;
    return {};
}

std::string_view Translation(std::string_view language, std::string_view key) {
    return Find(TranslationCatalogue(language), key);
}

const GalacticSign& LocalizedSign(std::string_view language, const GalacticSign& sign) {
    const LanguageTable* table = TableOf(language);
    const auto& english = GalacticSigns();
    if (!table || &sign < english.data() || &sign >= english.data() + english.size()) return sign;
    return SignsOf(*table).Signs[static_cast<std::size_t>(&sign - english.data())];
}

std::string_view LocalizedMessage(std::string_view language, std::string_view englishText) {
    if (!IsTranslated(language)) return englishText;
    for (const KeyText& entry : English().Texts)
        if (entry.Text == englishText && entry.Key.starts_with("message.")) return CoreText(language, entry.Key);
    return englishText;
}

std::string_view MoonPhaseText(std::string_view language, MoonPhase phase) {
    return CoreText(language, phase == MoonPhase::Waxing ? "phase.Waxing" : "phase.Waning");
}

std::string_view FrameCaption(std::string_view language, Frame frame) {
    static constexpr std::string_view kKeys[] = {"frame.Ascendant", "frame.Descendant", "frame.MoonSign",
                                                 "frame.SunSign"};
    return CoreText(language, kKeys[static_cast<std::size_t>(frame)]);
}

std::string_view ZoneRowText(std::string_view language, int row) {
    if (row < 0 || row >= kTimeZoneCount) return {};
    if (!IsTranslated(language)) return TimeZoneTable()[static_cast<std::size_t>(row)].DisplayString;
    static const auto keys = [] {
        std::array<std::string, kTimeZoneCount> all;
        for (int r = 0; r < kTimeZoneCount; ++r) all[static_cast<std::size_t>(r)] = "zone." + std::to_string(r);
        return all;
    }();
    return CoreText(language, keys[static_cast<std::size_t>(row)]);
}

std::string LongDate(std::string_view language, int year, int month, int day) {
    const std::string_view monthName =
        month >= 1 && month <= 12 ? CoreText(language, kMonths[static_cast<std::size_t>(month - 1)].Key) : "";
    const std::string dayText = day == 1 ? std::string(CoreText(language, "format.FirstDay")) : std::to_string(day);
    const std::string yearText = std::to_string(year);
    return Fill(CoreText(language, "format.LongDate"), {{"day", dayText}, {"month", monthName}, {"year", yearText}});
}

namespace {

// `format` with each "{name}" replaced by what `value` writes for it; unknown names stay as written.
template <class ValueWriter>
std::string FillWith(std::string_view format, ValueWriter value) {
    std::string out;
    out.reserve(format.size() + 64);
    while (!format.empty()) {
        const auto open = format.find('{');
        const auto close = open == std::string_view::npos ? open : format.find('}', open);
        if (close == std::string_view::npos) break;
        out += format.substr(0, open);
        if (!value(format.substr(open + 1, close - open - 1), out)) out += format.substr(open, close - open + 1);
        format.remove_prefix(close + 1);
    }
    out += format;
    return out;
}

}  // namespace

std::string Fill(std::string_view format, std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    return FillWith(format, [&](std::string_view name, std::string& out) {
        const auto value = std::find_if(values.begin(), values.end(), [&](const auto& v) { return v.first == name; });
        if (value == values.end()) return false;
        out += value->second;
        return true;
    });
}

namespace {

std::string DateInSentence(std::string_view language, int year, int month, int day) {
    const std::string_view shortMonth =
        month >= 1 && month <= 12 ? CoreText(language, kShortMonths[static_cast<std::size_t>(month - 1)].Key) : "";
    const std::string dayText = day == 1 ? std::string(CoreText(language, "format.FirstDay")) : std::to_string(day);
    const std::string yearText = std::to_string(year);
    return Fill(CoreText(language, kShortDate.Key), {{"day", dayText}, {"shortMonth", shortMonth}, {"year", yearText}});
}

}  // namespace

std::string Render(std::string_view language, const Sentence& sentence) {
    if (!sentence.Key) return {};
    // English is the key's own text, with no table to look in.
    const bool translated = IsTranslated(language);
    std::string_view format = sentence.Key->English;
    if (translated)
        if (const std::string_view text = CoreText(language, sentence.Key->Key); !text.empty()) format = text;
    return FillWith(format, [&](std::string_view name, std::string& out) {
        const auto value = std::find_if(sentence.Values.begin(), sentence.Values.end(),
                                        [&](const Sentence::Value& v) { return v.Name == name; });
        if (value == sentence.Values.end()) return false;
        if (!value->Nested.empty())
            out += Render(language, value->Nested.front());
        else if (value->Year != 0)
            out += DateInSentence(translated ? language : "en", value->Year, value->Month, value->Day);
        else
            out += value->Plain;
        return true;
    });
}

std::string English(const Sentence& sentence) {
    return Render("en", sentence);
}

}  // namespace quorvane::l10n
