// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/fold_unicode.h"

#include <unicase.h>
#include <unictype.h>
#include <uninorm.h>
#include <unistr.h>

#include <cstdlib>
#include <memory>

namespace quorvane {
namespace {

// Letters that Unicode does not decompose into a base letter and a mark.
std::string_view PlainLetter(ucs4_t c) {
    switch (c) {
        case 0x00F8:
            return "o";  // ø
        case 0x0142:
            return "l";  // ł
        case 0x0111:
        case 0x00F0:
            return "d";  // đ ð
        case 0x0131:
            return "i";  // dotless ı
        case 0x00E6:
            return "ae";
        case 0x0153:
            return "oe";
        case 0x00FE:
            return "th";
        case 0x0127:
            return "h";  // ħ
        case 0x0167:
            return "t";  // ŧ
        default:
            return {};
    }
}

// Accents and the optional vowel points of Hebrew and Arabic; not the vowel signs of Indic scripts
// or the voicing marks of kana, which make another letter.
bool IsCombiningMark(ucs4_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F) || (c >= 0x0591 && c <= 0x05C7) ||
           (c >= 0x064B && c <= 0x065F) || c == 0x0670;
}

}  // namespace

std::string FoldUnicode(std::string_view text) {
    std::string out;
    // The text ends at a NUL, as a C string would.
    text = text.substr(0, text.find('\0'));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (u8_check(bytes, text.size())) return out;  // not valid UTF-8
    // Decompose so that accents become separate marks, then drop the marks; case folding turns ß into ss.
    std::size_t decomposedLength = 0;
    const std::unique_ptr<std::uint8_t, decltype(&std::free)> decomposed(
        u8_normalize(UNINORM_NFD, bytes, text.size(), nullptr, &decomposedLength), &std::free);
    if (!decomposed) return out;
    std::size_t foldedLength = 0;
    const std::unique_ptr<std::uint8_t, decltype(&std::free)> folded(
        u8_casefold(decomposed.get(), decomposedLength, nullptr, nullptr, nullptr, &foldedLength), &std::free);
    if (!folded) return out;
    // Letters, digits and the marks that are not accents (the vowel signs of Devanagari) are kept.
    const uc_general_category_t kept =
        uc_general_category_or(UC_CATEGORY_L, uc_general_category_or(UC_CATEGORY_N, UC_CATEGORY_M));
    bool pendingBlank = false;
    for (std::size_t at = 0; at < foldedLength;) {
        ucs4_t c = 0;
        const int length = u8_mbtouc(&c, folded.get() + at, foldedLength - at);
        const std::string_view written(reinterpret_cast<const char*>(folded.get() + at),
                                       static_cast<std::size_t>(length));
        at += static_cast<std::size_t>(length);
        if (IsCombiningMark(c)) continue;
        // Apostrophes vanish so that "O'Fallon" and "OFallon" meet.
        if (c == '\'' || c == 0x2019 || c == 0x2018 || c == 0x02BB || c == 0x02BC || c == '`') continue;
        std::string_view plain = PlainLetter(c);
        if (plain.empty()) {
            if (!uc_is_general_category(c, kept)) {
                pendingBlank = !out.empty();
                continue;
            }
            plain = written;
        }
        if (pendingBlank) out += ' ';
        pendingBlank = false;
        out += plain;
    }
    return out;
}

}  // namespace quorvane
