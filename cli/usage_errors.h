// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's usage errors in the reader's language: the checks of option values, and the
// parser's own refusals (a value missing, an unknown argument, two options that exclude each other).

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "l10n/sentence.h"

namespace quorvane::cli {

// The language of the messages on standard error.
std::string& MessageLanguage();

// --lang's value as the arguments give it (--lang CODE or --lang=CODE), read before they are parsed so
// that a refusal of the parse is already in it; `fallback` when there is none or it names no language
// the program has.
std::string LanguageOfArguments(int argc, const char* const* argv, std::string fallback);

// A help text in MessageLanguage().
std::string Help(const l10n::TextKey& key, std::vector<l10n::Sentence::Value> values = {});
// The words of --help's own layout ("Usage", "Options", "TEXT" ...) in MessageLanguage(); call before the
// options are added, which take the group name then.
void TranslateHelpLayout(CLI::App& app);

// Value checks whose refusals read in MessageLanguage(); the parser puts "--option: " before them.
// With `ignoreCase`, OneOf accepts a choice in any case (the value stays as typed).
CLI::Validator OneOf(std::vector<std::string> choices, bool ignoreCase = false);
CLI::Validator WholeNumberFrom(int first, int last);

// The parser's refusal as a sentence: in the reader's language where it is one the parser is known to
// make, else the parser's own words.
l10n::Sentence ParseRefusal(const CLI::ParseError& error);

}  // namespace quorvane::cli
