// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the browser edition's atlas files beside its index: fold-table.bin, what the search's fold
// gives every code point (atlas/fold_unicode.h), and zones.bin, the tz files of every zone a town of the
// atlas uses, as records "name length (2 bytes), name, file length (4 bytes), file", little-endian.
//
//   make_web_atlas ATLAS_INDEX ZONEINFO_FOLDER OUTPUT_FOLDER

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <set>
#include <string>

#include "atlas/atlas.h"
#include "l10n/core_texts.h"
#include "atlas/fold_unicode.h"
#include "zones/zone_database.h"

namespace {

using quorvane::fold_table::Kind;

void Le(std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(v >> (8 * i) & 0xFF);
}

std::string Utf8(std::uint32_t c) {
    std::string s;
    if (c < 0x80)
        s += static_cast<char>(c);
    else if (c < 0x800)
        s += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    else if (c < 0x10000)
        s += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
              static_cast<char>(0x80 | (c & 0x3F))};
    else
        s += {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
              static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
    return s;
}

// Between two letters that fold to "e", a code point shows whether it is dropped, a blank, itself, or other text.
std::string FoldTable() {
    std::string out;
    struct Open {
        std::uint32_t First, Last;
        Kind Sort;
    };
    std::optional<Open> run;
    const auto close = [&] {
        if (run) {
            Le(out, run->First, 4), Le(out, run->Last, 4), out += static_cast<char>(run->Sort), out += '\0';
        }
        run.reset();
    };
    for (std::uint32_t c = 1; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const std::string self = Utf8(c);
        const std::string folded = quorvane::FoldUnicode("\u00E9" + self + "\u00E9");
        if (folded == "e" + self + "e") {
            close();
            continue;
        }
        const std::optional<Kind> kind = folded == "ee"    ? std::optional(quorvane::fold_table::kDropped)
                                         : folded == "e e" ? std::optional(quorvane::fold_table::kBlank)
                                                           : std::nullopt;
        if (kind && run && run->Sort == *kind && run->Last + 1 == c) {
            run->Last = c;
            continue;
        }
        close();
        if (kind) {
            run = Open{c, c, *kind};
            continue;
        }
        const std::string text = folded.size() >= 2 ? folded.substr(1, folded.size() - 2) : std::string();
        Le(out, c, 4), Le(out, c, 4), out += static_cast<char>(quorvane::fold_table::kMapped);
        out += static_cast<char>(text.size()), out += text;
    }
    close();
    return out;
}

bool Write(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_web_atlas ATLAS_INDEX ZONEINFO_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    const quorvane::Atlas atlas = quorvane::Atlas::FromFile(argv[1]);
    if (!atlas.Problem().empty()) {
        std::fprintf(stderr, "make_web_atlas: %s\n", quorvane::l10n::Render("en", atlas.Problem()).c_str());
        return 1;
    }
    std::set<std::string> used;
    for (std::uint32_t i = 0; i < atlas.Size(); ++i) used.insert(atlas.TownAt(i).TimeZoneId);
    const quorvane::zones::ZoneFiles files = quorvane::zones::FolderFiles(argv[2]);
    std::string zones;
    for (const std::string& name : used) {
        const std::optional<std::string> file = quorvane::zones::IsZoneName(name) ? files(name) : std::nullopt;
        if (!file) continue;  // the suggestion then says the zone has no data, as natively
        Le(zones, static_cast<std::uint32_t>(name.size()), 2), zones += name;
        Le(zones, static_cast<std::uint32_t>(file->size()), 4), zones += *file;
    }
    const std::string folder = argv[3];
    if (!Write(folder + "/fold-table.bin", FoldTable()) || !Write(folder + "/zones.bin", zones)) {
        std::fprintf(stderr, "make_web_atlas: cannot write to %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
