// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Refusals of the command line's options, as they reach the reader: in the reader's language, naming the
// option, and in the words of every version of the parser.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/usage_errors.h"
#include "l10n/core_texts.h"
#include "l10n/sentences.h"

namespace {

using namespace quorvane;
using namespace quorvane::cli;

// What the program says of `arguments` with options like its own, or "" when they are accepted.
std::string Refusal(std::vector<std::string> arguments, const std::string& language) {
    CLI::App app{"test", "quorvane-cli"};
    std::string name, to, paper;
    int zone = -1;
    bool lmt = false;
    app.add_option("--name", name);
    app.add_option("--to", to)->check(OneOf({"aaf", "csv"}));
    app.add_option("--paper", paper)->check(OneOf({"a4", "letter"}, true));
    auto* zoneOption = app.add_option("--zone", zone)->check(WholeNumberFrom(0, 70));
    zoneOption->excludes(app.add_flag("--lmt", lmt));
    std::vector<const char*> argv{"quorvane-cli"};
    for (const std::string& a : arguments) argv.push_back(a.c_str());
    MessageLanguage() = language;
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& e) {
        return l10n::Render(language,
                            l10n::Say(l10n::cli_text::UsageRefused, {l10n::Nested("refusal", ParseRefusal(e))}));
    }
    return "";
}

const std::vector<std::vector<std::string>> kRefused = {{"--bogus"}, {"--zone", "71"}, {"--zone", "abc"},
                                                        {"--name"},  {"--to", "xml"},  {"--zone", "3", "--lmt"}};

TEST(UsageErrors, EnglishNamesTheOptionAndTheFault) {
    EXPECT_EQ(Refusal({"--bogus"}, "en"), "not expected: --bogus (see --help)");
    EXPECT_EQ(Refusal({"--zone", "71"}, "en"), "--zone: \"71\" is not a whole number from 0 to 70 (see --help)");
    EXPECT_EQ(Refusal({"--zone", "7x"}, "en"), "--zone: \"7x\" is not a whole number from 0 to 70 (see --help)");
    EXPECT_EQ(Refusal({"--name"}, "en"), "--name needs a value (see --help)");
    EXPECT_EQ(Refusal({"--to", "xml"}, "en"), "--to: \"xml\" is not one of: aaf, csv (see --help)");
    EXPECT_EQ(Refusal({"--zone", "3", "--lmt"}, "en"), "--zone cannot be used with --lmt (see --help)");
    // Accepted: the bounds, and a choice in another case.
    EXPECT_EQ(Refusal({"--zone", "0", "--paper", "A4"}, "en"), "");
    EXPECT_EQ(Refusal({"--zone", "70", "--paper", "Letter"}, "en"), "");
}

TEST(UsageErrors, EveryTranslationLeavesNoEnglish) {
    const char* const english[] = {"not ", "expected", "whole number", "needs", "cannot", "see --help", "one of"};
    for (const std::string_view language : l10n::TranslatedLanguages()) {
        SCOPED_TRACE(std::string(language));
        for (const auto& arguments : kRefused) {
            const std::string refusal = Refusal(arguments, std::string(language));
            ASSERT_FALSE(refusal.empty()) << arguments.front();
            for (const char* word : english) EXPECT_EQ(refusal.find(word), std::string::npos) << refusal;
            // The option (or the unknown argument) by its own name, and the way to the help.
            EXPECT_NE(refusal.find(arguments.front()), std::string::npos) << refusal;
            EXPECT_NE(refusal.find("--help"), std::string::npos) << refusal;
        }
    }
}

TEST(UsageErrors, LanguageIsReadBeforeTheParse) {
    const auto of = [](std::vector<const char*> argv) {
        argv.insert(argv.begin(), "quorvane-cli");
        return LanguageOfArguments(static_cast<int>(argv.size()), argv.data(), "fr");
    };
    EXPECT_EQ(of({"--zone", "99", "--lang", "de"}), "de");
    EXPECT_EQ(of({"--lang=ru", "--bogus"}), "ru");
    EXPECT_EQ(of({"--lang", "de", "--lang", "it"}), "it");  // the last one given, as the parse takes it
    // None, none known, or --lang without its value: the environment's language.
    EXPECT_EQ(of({"--zone", "99"}), "fr");
    EXPECT_EQ(of({"--lang", "xx"}), "fr");
    EXPECT_EQ(of({"--lang"}), "fr");
}

}  // namespace
