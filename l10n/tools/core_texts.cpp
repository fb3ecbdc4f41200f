// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The core's text catalogue for translators.
//   core_texts english          every key with its English text, as the JSON a language file has
//   core_texts missing LANG     the keys LANG's file does not translate yet, with their English (exit 1 if any)
//   core_texts LANG             every key with its text in LANG, as the program shows it

#include <nlohmann/json.hpp>

#include <iostream>
#include <string_view>

#include "l10n/core_texts.h"

int main(int argc, char** argv) {
    using namespace quorvane::l10n;
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command.empty() || command == "--help" || (command == "missing" && argc < 3)) {
        std::cerr << "usage: core_texts english | core_texts missing LANGUAGE | core_texts LANGUAGE\n";
        return 2;
    }
    nlohmann::ordered_json out = nlohmann::ordered_json::object();
    if (command == "missing") {
        const std::string_view language = argv[2];
        for (const KeyText& entry : EnglishCatalogue())
            if (Translation(language, entry.Key).empty()) out[std::string(entry.Key)] = std::string(entry.Text);
        std::cout << out.dump(2) << "\n";
        std::cerr << out.size() << " of " << EnglishCatalogue().size() << " keys untranslated in " << language << "\n";
        return out.empty() ? 0 : 1;
    }
    const std::string_view language = command == "english" ? "en" : command;
    for (const KeyText& entry : EnglishCatalogue())
        out[std::string(entry.Key)] = std::string(CoreText(language, entry.Key));
    std::cout << out.dump(2) << "\n";
    return 0;
}
