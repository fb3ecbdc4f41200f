// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the compiled-in translation tables of the core's texts from l10n/core/<language>.json.
// Usage: make_core_texts OUTPUT.inc de.json es.json ...   (the language code is the file's name)
// Each file is one JSON object of key -> text. A key given twice, a text that is not a string or is empty,
// or a file that is not JSON stops the build with the file and the key named.

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {

// A C++ string literal: printable ASCII as it is, everything else as three-digit octal escapes (which,
// unlike \x, end by themselves, so the following character cannot extend them).
std::string Literal(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F && c != '?') {
            out += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", c);
            out += escape;
        }
    }
    return out + "\"";
}

std::string Identifier(const std::string& code) {
    std::string out;
    for (const char c : code) out += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_core_texts OUTPUT.inc LANGUAGE.json...\n";
        return 2;
    }
    std::ostringstream out;
    out << "// Written by make_core_texts from l10n/core/*.json; edit those files, not this one.\n";
    std::string tables;
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path path = argv[i];
        const std::string code = path.stem().string();
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::cerr << path.string() << ": cannot be read\n";
            return 1;
        }
        std::set<std::string> seen;
        std::string problem;
        const auto check = [&](int depth, nlohmann::json::parse_event_t event, nlohmann::json& parsed) {
            if (depth == 1 && event == nlohmann::json::parse_event_t::key &&
                !seen.insert(parsed.get<std::string>()).second)
                problem = "the key " + parsed.get<std::string>() + " is given twice";
            return true;
        };
        nlohmann::json document;
        try {
            document = nlohmann::json::parse(in, check);
        } catch (const nlohmann::json::exception& e) {
            std::cerr << path.string() << ": not valid JSON: " << e.what() << "\n";
            return 1;
        }
        if (!document.is_object()) problem = "the file must hold one JSON object of key -> text";
        std::map<std::string, std::string> sorted;
        if (problem.empty())
            for (const auto& [key, value] : document.items()) {
                if (!value.is_string() || value.get<std::string>().empty()) {
                    problem = "the text of " + key + " must be a non-empty string (leave an untranslated key out)";
                    break;
                }
                sorted.emplace(key, value.get<std::string>());
            }
        if (!problem.empty()) {
            std::cerr << path.string() << ": " << problem << "\n";
            return 1;
        }
        if (sorted.empty()) continue;  // a language begun but without any text yet is not offered
        out << "constexpr KeyText kTexts_" << Identifier(code) << "[] = {\n";
        for (const auto& [key, text] : sorted) out << "    {" << Literal(key) << ", " << Literal(text) << "},\n";
        out << "};\n";
        tables += "    {" + Literal(code) + ", kTexts_" + Identifier(code) + "},\n";
    }
    if (tables.empty()) {
        std::cerr << "make_core_texts: no language has any text\n";
        return 1;
    }
    out << "constexpr LanguageTable kLanguageTables[] = {\n" << tables << "};\n";

    // Rewritten only when changed, so that a touched but equal file recompiles nothing.
    const std::string text = out.str();
    std::ifstream previous(argv[1], std::ios::binary);
    const std::string old((std::istreambuf_iterator<char>(previous)), std::istreambuf_iterator<char>());
    if (old == text) return 0;
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << text;
    return file.good() ? 0 : 1;
}
