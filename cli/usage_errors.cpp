// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/usage_errors.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

#include "cli/localized_text.h"
#include "l10n/core_texts.h"
#include "l10n/sentences.h"

namespace quorvane::cli {
namespace {

using l10n::Plain;
using l10n::Say;
namespace says = l10n::cli_text;

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string Joined(const std::vector<std::string>& items, std::string_view separator) {
    std::string joined;
    for (const std::string& item : items) joined.append(joined.empty() ? "" : separator).append(item);
    return joined;
}

// The text after `marker` in the parser's message, or nothing when the message has another form.
std::string_view After(std::string_view message, std::string_view marker) {
    const std::size_t at = message.find(marker);
    return at == std::string_view::npos ? std::string_view() : message.substr(at + marker.size());
}

}  // namespace

std::string& MessageLanguage() {
    static std::string language = "en";
    return language;
}

std::string LanguageOfArguments(int argc, const char* const* argv, std::string fallback) {
    std::string_view given;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--lang" && i + 1 < argc)
            given = argv[i + 1];
        else if (argument.starts_with("--lang="))
            given = argument.substr(7);
    }
    return !given.empty() && KnownLanguage(given) ? std::string(given) : fallback;
}

std::string Help(const l10n::TextKey& key, std::vector<l10n::Sentence::Value> values) {
    return l10n::Render(MessageLanguage(), Say(key, std::move(values)));
}

void TranslateHelpLayout(CLI::App& app) {
    namespace help = l10n::help_text;
    const auto formatter = app.get_formatter();
    // The kinds of value (TEXT, INT) stay as they are: the help's columns are counted in bytes.
    for (const auto& [label, key] :
         {std::pair{"Usage", &help::Usage}, {"OPTIONS", &help::OptionsWord}, {"Excludes", &help::Excludes}})
        formatter->label(label, Help(*key));
    app.option_defaults()->group(Help(help::Options));
    app.set_help_flag("-h,--help", Help(help::Help));
}

CLI::Validator OneOf(std::vector<std::string> choices, bool ignoreCase) {
    const std::string description = "{" + Joined(choices, ",") + "}";
    return CLI::Validator(
        [choices, ignoreCase](std::string& value) {
            for (const std::string& choice : choices)
                if (value == choice || (ignoreCase && Lowered(value) == Lowered(choice))) return std::string();
            return l10n::Render(MessageLanguage(),
                                Say(says::NotOneOf, {Plain("value", value), Plain("choices", Joined(choices, ", "))}));
        },
        description);
}

CLI::Validator WholeNumberFrom(int first, int last) {
    return CLI::Validator(
        [first, last](std::string& value) {
            int number = 0;
            const char* end = value.data() + value.size();
            const auto [stop, error] = std::from_chars(value.data(), end, number);
            if (error == std::errc() && stop == end && number >= first && number <= last) return std::string();
            return l10n::Render(MessageLanguage(), Say(says::NotWholeNumberFrom,
                                                       {Plain("value", value), Plain("first", std::to_string(first)),
                                                        Plain("last", std::to_string(last))}));
        },
        "[" + std::to_string(first) + " - " + std::to_string(last) + "]");
}

l10n::Sentence ParseRefusal(const CLI::ParseError& error) {
    const std::string_view message = error.what();
    // Checks of values come from the validators above, already in the reader's language.
    if (dynamic_cast<const CLI::ValidationError*>(&error)) return l10n::Verbatim(std::string(message));
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
        if (const std::string_view extras = After(message, "expected: "); !extras.empty())
            return Say(says::NotExpected, {Plain("arguments", std::string(extras))});
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&error)) {
        if (const std::string_view other = After(message, " excludes "); !other.empty())
            return Say(says::Excludes, {Plain("option", std::string(message.substr(0, message.find(' ')))),
                                        Plain("other", std::string(other))});
    }
    // "--name: 1 required TEXT missing": the option was given last, without its value.
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) && message.starts_with("-") &&
        message.find(": ") != std::string_view::npos)
        return Say(says::NeedsValue, {Plain("option", std::string(message.substr(0, message.find(": "))))});
    return l10n::Verbatim(std::string(message));
}

}  // namespace quorvane::cli
