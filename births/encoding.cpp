// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/encoding.h"

namespace quorvane::births {
namespace {

// The length of the UTF-8 sequence that starts with `lead`, or 0 when no sequence starts with it.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsUtf8(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const int length = SequenceLength(static_cast<unsigned char>(text[at]));
        if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) return false;
        for (int k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[at + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
        // The second byte also rules out overlong forms, UTF-16 surrogates and code points past U+10FFFF,
        // which JSON writers and Qt refuse.
        const auto lead = static_cast<unsigned char>(text[at]);
        const auto second = length > 1 ? static_cast<unsigned char>(text[at + 1]) : 0x80;
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
            (lead == 0xF4 && second > 0x8F))
            return false;
        at += static_cast<std::size_t>(length);
    }
    return true;
}

std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

}  // namespace

std::string Utf8ToLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            out += text[at];
        } else if ((lead == 0xC2 || lead == 0xC3) && at + 1 < text.size()) {
            out += static_cast<char>(((lead & 0x1F) << 6) | (static_cast<unsigned char>(text[at + 1]) & 0x3F));
            ++at;
        } else {
            out += '?';
            while (at + 1 < text.size() && (static_cast<unsigned char>(text[at + 1]) & 0xC0) == 0x80) ++at;
        }
    }
    return out;
}

std::string AsUtf8(std::string_view bytes, Encoding& encoding) {
    encoding = IsUtf8(bytes) ? Encoding::Utf8 : Encoding::Latin1;
    return encoding == Encoding::Utf8 ? std::string(bytes) : Latin1ToUtf8(bytes);
}

}  // namespace quorvane::births
