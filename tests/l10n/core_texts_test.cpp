// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "bench/allocation_counter.h"
#include "cli/birth_line.h"
#include "l10n/core_texts.h"
#include "l10n/sentences.h"
#include "reading/input_rules.h"
#include "reading/time_zones.h"

namespace quorvane::l10n {
namespace {

bool IsZoneRow(std::string_view key) {
    return key.starts_with("zone.");
}

// What must survive translation: {placeholders}, numbers and --options, each as often as in the English.
std::multiset<std::string> Markers(std::string_view text) {
    static const std::regex marker(R"(\{[a-z]+\}|[0-9]+|--[a-z]+)");
    std::multiset<std::string> found;
    const std::string s(text);
    for (auto it = std::sregex_iterator(s.begin(), s.end(), marker); it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

TEST(CoreCatalogue, EveryLanguageTranslatesEveryKeyAndNothingElse) {
    for (const std::string_view language : {"de", "es", "fr", "it", "pt_BR", "ru"})
        ASSERT_NE(std::find(TranslatedLanguages().begin(), TranslatedLanguages().end(), language),
                  TranslatedLanguages().end())
            << language;
    std::set<std::string_view> english;
    for (const KeyText& entry : EnglishCatalogue()) {
        EXPECT_FALSE(entry.Text.empty()) << entry.Key;
        EXPECT_TRUE(english.insert(entry.Key).second) << "key given twice: " << entry.Key;
    }
    for (const std::string_view language : TranslatedLanguages()) {
        for (const std::string_view key : english)
            EXPECT_FALSE(Translation(language, key).empty()) << language << ": " << key;
        for (const KeyText& entry : TranslationCatalogue(language))
            EXPECT_TRUE(english.count(entry.Key)) << language << ": no such key: " << entry.Key;
    }
}

TEST(CoreCatalogue, CoversEveryCoreText) {
    // 12 signs x 5 texts (Collect and Heal have no ruling planet), 71 zone rows, the 9 input messages.
    const auto count = [](std::string_view prefix) {
        return std::count_if(EnglishCatalogue().begin(), EnglishCatalogue().end(),
                             [&](const KeyText& e) { return e.Key.starts_with(prefix); });
    };
    EXPECT_EQ(count("sign."), 12 * 5 - 2);
    EXPECT_EQ(count("zone."), kTimeZoneCount);
    EXPECT_EQ(CoreText("en", "sign.Interpret.description"), GalacticSigns()[5].Description);
    EXPECT_EQ(CoreText("en", "zone.29"), "Greenwich Mean Time,GMT,0.0");
    for (const std::string_view message :
         {msg::OnlyNumbers, msg::OnlyLetters, msg::EnterName, msg::LongitudeDegrees, msg::LongitudeMinutes,
          msg::LatitudeDegrees, msg::LatitudeMinutes, msg::FebruaryDate, msg::ThirtyDayDate})
        EXPECT_NE(LocalizedMessage("de", message), message) << message;
}

TEST(CoreCatalogue, TranslationsKeepPlaceholdersNumbersAndOptions) {
    for (const std::string_view language : TranslatedLanguages())
        for (const KeyText& entry : EnglishCatalogue()) {
            if (IsZoneRow(entry.Key)) continue;
            const std::string_view translated = Translation(language, entry.Key);
            EXPECT_EQ(Markers(translated), Markers(entry.Text)) << language << ": " << entry.Key << ": " << translated;
            if (entry.Key.ends_with(".keywords")) {
                EXPECT_EQ(std::count(translated.begin(), translated.end(), ','), 2) << language << ": " << entry.Key;
            }
        }
}

TEST(CoreCatalogue, TranslationsAreCleanTextNotTheEnglish) {
    for (const std::string_view language : TranslatedLanguages())
        for (const KeyText& entry : TranslationCatalogue(language)) {
            const std::string_view t = entry.Text;
            // The English's doubled and trailing blanks are its own; no translation copies them.
            EXPECT_EQ(t.find("  "), std::string_view::npos) << language << ": " << entry.Key;
            EXPECT_NE(t.front(), ' ') << language << ": " << entry.Key;
            EXPECT_NE(t.back(), ' ') << language << ": " << entry.Key;
            // Short texts may well read the same ("Zone: {zone}" in German); sentences and rows may not.
            const bool prose =
                CoreText("en", entry.Key).size() > 16 &&
                (entry.Key.starts_with("message.") || entry.Key.ends_with(".description") ||
                 entry.Key.starts_with("frame.") || entry.Key.starts_with("phase.") || entry.Key.starts_with("text.") ||
                 entry.Key.starts_with("suggest.") || entry.Key.starts_with("births.") ||
                 entry.Key.starts_with("cli.") || entry.Key.starts_with("file.") || IsZoneRow(entry.Key));
            if (prose) {
                EXPECT_NE(t, CoreText("en", entry.Key)) << language << ": " << entry.Key << " is still English";
            }
        }
}

TEST(CoreCatalogue, ZoneRowsKeepTheirAbbreviationAndGiveTheTrueOffset) {
    for (const std::string_view language : TranslatedLanguages())
        for (int row = 0; row < kTimeZoneCount; ++row) {
            const TimeZoneRow& r = TimeZoneTable()[static_cast<std::size_t>(row)];
            const int east = -(r.Hours * 60 + r.Minutes);
            std::string offset = "UTC" + std::string(east < 0 ? "-" : "+") + std::to_string(std::abs(east) / 60);
            if (east % 60) offset += ":" + std::to_string(std::abs(east) % 60);
            const std::string_view text = ZoneRowText(language, row);
            EXPECT_TRUE(text.ends_with(" (" + std::string(r.Abbreviation) + "), " + offset))
                << language << ": " << text;
        }
    // The row whose English says "+5.3" is half past five hours east, as every translation says.
    EXPECT_EQ(ZoneRowText("de", 34), "Indische Zeit (IST), UTC+5:30");
    EXPECT_EQ(ZoneRowText("C", 34), "Indian Time, IST, +5.3");
}

TEST(CoreLookup, FallsBackFromTerritoryToLanguageToEnglish) {
    EXPECT_EQ(CoreText("de", "sign.Build.name"), "Bauen");
    EXPECT_EQ(CoreText("de_AT.UTF-8", "sign.Build.name"), "Bauen");
    EXPECT_EQ(CoreText("pt_BR", "point.Moon"), "Lua");
    EXPECT_EQ(CoreText("pt", "point.Moon"), "Lua") << "pt reads pt_BR rather than English";
    EXPECT_EQ(CoreText("pt_PT.UTF-8", "point.Moon"), "Lua");
    EXPECT_EQ(CoreText("pt-br", "point.Moon"), "Lua");
    EXPECT_EQ(CoreText("ja_JP", "point.Moon"), "Moon");
    EXPECT_EQ(CoreText("en_GB", "point.Moon"), "Moon");
    EXPECT_EQ(CoreText("", "point.Moon"), "Moon");
    EXPECT_EQ(CoreText("de", "no.such.key"), "");
    EXPECT_EQ(Translation("pt", "point.Moon"), "") << "Translation() looks in exactly the language named";
}

TEST(CoreLookup, NormalizesLocaleNames) {
    const std::map<std::string, std::string> cases{{"de_DE.UTF-8", "de"},
                                                   {"de_CH.utf8@euro", "de"},
                                                   {"pt_BR.UTF-8", "pt_BR"},
                                                   {"pt", "pt_BR"},
                                                   {"PT_br", "pt_BR"},
                                                   {"ru_RU", "ru"},
                                                   {"fr", "fr"},
                                                   {"es_MX", "es"},
                                                   {"it_IT@euro", "it"},
                                                   {"C", "en"},
                                                   {"C.UTF-8", "en"},
                                                   {"POSIX", "en"},
                                                   {"", "en"},
                                                   {"en_US.UTF-8", "en"},
                                                   {"ja_JP.UTF-8", "ja"},
                                                   {"tr_TR", "tr"}};
    for (const auto& [name, language] : cases) EXPECT_EQ(NormalizeLanguage(name), language) << name;
    EXPECT_FALSE(IsTranslated("ja"));
    EXPECT_FALSE(IsTranslated("en"));
    EXPECT_TRUE(IsTranslated("ru_UA.UTF-8"));
}

class Environment : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kNames) {
            if (const char* value = std::getenv(name)) saved_[name] = value;
            unsetenv(name);
        }
    }
    void TearDown() override {
        for (const char* name : kNames) {
            unsetenv(name);
            if (saved_.count(name)) setenv(name, saved_[name].c_str(), 1);
        }
    }
    static constexpr const char* kNames[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::map<std::string, std::string> saved_;
};

TEST_F(Environment, LanguageComesFromLanguageThenLcAllThenLcMessagesThenLang) {
    EXPECT_EQ(LanguageFromEnvironment(), "en") << "nothing set";
    setenv("LANG", "ru_RU.UTF-8", 1);
    EXPECT_EQ(LanguageFromEnvironment(), "ru");
    setenv("LC_MESSAGES", "it_IT.UTF-8", 1);
    EXPECT_EQ(LanguageFromEnvironment(), "it");
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(LanguageFromEnvironment(), "en") << "LC_ALL=C wins over LC_MESSAGES and LANG";
    setenv("LANGUAGE", "eo:fr:de", 1);
    EXPECT_EQ(LanguageFromEnvironment(), "fr") << "the first LANGUAGE entry that is translated";
    setenv("LANGUAGE", "en_GB:de", 1);
    EXPECT_EQ(LanguageFromEnvironment(), "en");
    setenv("LANGUAGE", "eo", 1);
    setenv("LC_ALL", "es_ES.UTF-8", 1);
    EXPECT_EQ(LanguageFromEnvironment(), "es") << "a LANGUAGE list with nothing we have falls through";
    setenv("LANGUAGE", "", 1);
    setenv("LC_ALL", "", 1);
    EXPECT_EQ(LanguageFromEnvironment(), "it") << "empty variables count as unset";
}

TEST(LocalizedSigns, TranslateTheTextsAndKeepTheDegrees) {
    const auto& signs = GalacticSigns();
    const GalacticSign& build = LocalizedSign("de", signs[0]);
    EXPECT_EQ(build.Name, "Bauen");
    EXPECT_EQ(build.RulingPlanet, "Merkur");
    EXPECT_EQ(build.Constellation, "Eidechse");
    EXPECT_EQ(build.FirstDegree, signs[0].FirstDegree);
    EXPECT_EQ(build.LastDegree, signs[0].LastDegree);
    EXPECT_EQ(LocalizedSign("ru", signs[11]).RulingPlanet, "Луна");
    EXPECT_EQ(LocalizedSign("fr", signs[2]).RulingPlanet, "") << "Collect has no ruling planet in any language";
    EXPECT_EQ(&LocalizedSign("de", signs[3]), &LocalizedSign("de_DE.UTF-8", signs[3])) << "made once, not per call";
    EXPECT_EQ(&LocalizedSign("en", signs[3]), &signs[3]);
    EXPECT_EQ(&LocalizedSign("ja", signs[3]), &signs[3]);
    const GalacticSign copy = signs[3];
    EXPECT_EQ(&LocalizedSign("de", copy), &copy) << "a record not from the table is left alone";
    for (const std::string_view language : TranslatedLanguages()) {
        std::set<std::string_view> names;
        for (const GalacticSign& sign : signs) names.insert(LocalizedSign(language, sign).Name);
        EXPECT_EQ(names.size(), 12u) << language << ": two signs share a name";
    }
}

TEST(LocalizedTexts, PhasesFramesDatesAndMessages) {
    EXPECT_EQ(MoonPhaseText("it", MoonPhase::Waning), "Luna calante");
    EXPECT_EQ(MoonPhaseText("en", MoonPhase::Waxing), quorvane::MoonPhaseText(MoonPhase::Waxing));
    EXPECT_EQ(FrameCaption("es", Frame::Ascendant), "Ascendente galáctico");
    EXPECT_EQ(FrameCaption("C", Frame::SunSign), "Galactic Sun Sign");
    EXPECT_EQ(LongDate("de", 1985, 6, 15), "15. Juni 1985");
    EXPECT_EQ(LongDate("ru", 1985, 6, 15), "15 июня 1985 г.");
    EXPECT_EQ(LongDate("fr", 2000, 1, 1), "1er janvier 2000");
    EXPECT_EQ(LongDate("pt_BR", 1985, 3, 1), "1º de março de 1985");
    EXPECT_EQ(LongDate("es", 1985, 12, 31), "31 de diciembre de 1985");
    EXPECT_EQ(LongDate("en", 1985, 6, 15), "June 15, 1985");
    EXPECT_EQ(LocalizedMessage("fr", msg::OnlyLetters), "Veuillez saisir uniquement des lettres.");
    EXPECT_EQ(LocalizedMessage("en", msg::LatitudeMinutes), msg::LatitudeMinutes) << "the English keeps its blanks";
    EXPECT_EQ(LocalizedMessage("de", "something else"), "something else");
    EXPECT_EQ(LocalizedMessage("de", "Bauen"), "Bauen") << "only messages are looked up by their English";
}

TEST(LocalizedTexts, FillReplacesKnownPlaceholdersOnly) {
    EXPECT_EQ(Fill("{a} and {b}, {a}", {{"a", "x"}, {"b", "y"}}), "x and y, x");
    EXPECT_EQ(Fill("{a} {unknown}", {{"a", "{b}"}, {"b", "no"}}), "{b} {unknown}") << "values are not filled again";
    EXPECT_EQ(Fill("open { brace", {}), "open { brace");
    EXPECT_EQ(Fill("", {{"a", "x"}}), "");
}

// Every sentence the core makes is in the catalogue under its key, with the English it is written with.
TEST(Sentences, EveryKeyIsInTheCatalogueWithItsEnglish) {
    std::vector<const TextKey*> sentences(std::begin(kSentenceKeys), std::end(kSentenceKeys));
    for (const auto* months : {&kMonths, &kShortMonths})
        for (const TextKey& month : *months) sentences.push_back(&month);
    std::set<std::string_view> keys;
    for (const TextKey* key : sentences) {
        EXPECT_TRUE(keys.insert(key->Key).second) << "listed twice: " << key->Key;
        EXPECT_EQ(CoreText("en", key->Key), key->English) << key->Key;
        for (const std::string_view language : TranslatedLanguages())
            EXPECT_NE(CoreText(language, key->Key), std::string_view{}) << language << ": " << key->Key;
    }
}

TEST(Sentences, AreWrittenInTheLanguageAskedForWithEverythingInside) {
    const Sentence note =
        Say(births_text::LocalMeanTimeTaken, {Plain("offset", "UTC+5:35:56"), Plain("place", "Pokhara")});
    const Sentence joined =
        Say(births_text::NotesJoined, {Nested("first", Say(births_text::NoZone)), Nested("rest", note)});
    EXPECT_EQ(English(joined),
              "the file does not give the zone; the file does not give the zone: local mean time of the "
              "birthplace, UTC+5:35:56, is taken, as Pokhara kept local mean time then");
    EXPECT_EQ(Render("C", joined), English(joined));
    EXPECT_EQ(Render("ja_JP", joined), English(joined)) << "a language without a translation reads the English";
    const std::string german = Render("de_DE.UTF-8", joined);
    EXPECT_EQ(german,
              "die Datei nennt keine Zeitzone; die Datei nennt keine Zeitzone: Es gilt die mittlere Ortszeit des "
              "Geburtsorts, UTC+5:35:56, da in Pokhara damals mittlere Ortszeit galt");
    // A date inside a sentence is the language's; the day 1 as the language writes it.
    const Sentence when = Say(suggest::When, {Date("date", 1990, 5, 1), Plain("time", "10:00")});
    EXPECT_EQ(English(when), "1 May 1990 10:00");
    EXPECT_EQ(Render("de", when), "1. Mai 1990, 10:00 Uhr");
    EXPECT_EQ(Render("fr", when), "1er mai 1990 à 10:00");
    EXPECT_EQ(Render("ru", when), "1 мая 1990 г., 10:00");
    // A value is never read as a format, and a verbatim text is the same everywhere.
    EXPECT_EQ(Render("de", Say(births_text::RefusedLine, {Plain("line", "3"), Plain("reason", "{line}")})),
              "Zeile 3: {line}");
    EXPECT_EQ(Render("ru", Verbatim("the date \"x\" is not day.month.year")), "the date \"x\" is not day.month.year");
    EXPECT_TRUE(Render("de", Sentence{}).empty());
}

// Each refusal of the command line's birth reader is in the catalogue, so that it reaches the reader
// translated; an English text changed in one place and not the other fails here.
TEST(LocalizedTexts, EveryCommandLineRefusalIsTranslated) {
    const std::vector<cli::BirthText> refused{{"ASHA1", "1985-06-15", "07:30", "29", "0", "40N42", "74W00"},
                                              {"ASHA", "15.6.1985", "07:30", "29", "0", "40N42", "74W00"},
                                              {"ASHA", "1900-06-15", "07:30", "29", "0", "40N42", "74W00"},
                                              {"ASHA", "1985-06-15", "7h30", "29", "0", "40N42", "74W00"},
                                              {"ASHA", "1985-06-15", "07:30", "71", "0", "40N42", "74W00"},
                                              {"ASHA", "1985-06-15", "07:30", "29", "2", "40N42", "74W00"},
                                              {"ASHA", "1985-06-15", "07:30", "29", "0", "40X42", "74W00"},
                                              {"ASHA", "1985-06-15", "07:30", "29", "0", "40N42", "74N00"},
                                              {"", "1985-06-15", "07:30", "29", "0", "40N42", "74W00"},
                                              {"ASHA", "1985-04-31", "07:30", "29", "0", "40N42", "74W00"},
                                              {"ASHA", "1985-06-15", "07:30", "29", "0", "40N42", "180W00"}};
    for (const cli::BirthText& birth : refused) {
        const auto result = cli::ReadBirth(birth);
        ASSERT_TRUE(std::holds_alternative<std::string>(result)) << birth.Name << " " << birth.Date;
        const std::string& english = std::get<std::string>(result);
        for (const std::string_view language : TranslatedLanguages())
            EXPECT_NE(LocalizedMessage(language, english), english) << language << ": " << english;
    }
}

// A reading's texts are looked up every time one is shown: no lookup may allocate, whatever the language.
TEST(CoreLookup, LookupsAllocateNothing) {
    std::vector<std::string_view> languages(TranslatedLanguages().begin(), TranslatedLanguages().end());
    languages.insert(languages.end(), {"en", "C", "de_DE.UTF-8", "pt", "ja_JP"});
    auto lookAll = [&] {
        std::size_t total = 0;
        for (const std::string_view language : languages) {
            for (const KeyText& entry : EnglishCatalogue()) total += CoreText(language, entry.Key).size();
            for (const GalacticSign& sign : GalacticSigns()) total += LocalizedSign(language, sign).Description.size();
            for (int row = 0; row < kTimeZoneCount; ++row) total += ZoneRowText(language, row).size();
            total += MoonPhaseText(language, MoonPhase::Waxing).size() + FrameCaption(language, Frame::MoonSign).size();
            total += LocalizedMessage(language, msg::OnlyLetters).size();
        }
        return total;
    };
    const std::size_t first = lookAll();  // the English table and the signs are made on first use
    const long long before = HeapAllocationCount();
    EXPECT_EQ(lookAll(), first);
    EXPECT_EQ(HeapAllocationCount() - before, 0);
}

}  // namespace
}  // namespace quorvane::l10n
