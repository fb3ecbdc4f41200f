// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sentence the core makes for a person, kept by its key and the values of its {names}, so that it is
// written once and shown in whichever language the reader has: l10n::Render (core_texts.h) writes it.
// Header only and without Qt: any part of the core may make one.

#include <string>
#include <string_view>
#include <vector>

namespace quorvane::l10n {

// A key of the core texts and its English, which is the sentence as the program has always written it.
struct TextKey {
    std::string_view Key;
    std::string_view English;
};

struct Sentence {
    struct Value;
    const TextKey* Key = nullptr;  // none: no sentence at all
    std::vector<Value> Values;

    bool empty() const { return Key == nullptr; }
    friend bool operator==(const Sentence&, const Sentence&);
};

struct Sentence::Value {
    std::string_view Name;
    std::string Plain;                 // the same in every language: a name, a number, an offset, a file's text
    std::vector<Sentence> Nested;      // or, when it holds one, a sentence of its own in the reader's language
    int Year = 0, Month = 0, Day = 0;  // or, when Year is set, a date as the language writes it in a sentence
    friend bool operator==(const Value&, const Value&) = default;
};

inline bool operator==(const Sentence& a, const Sentence& b) {
    return (a.Key == b.Key || (a.Key && b.Key && a.Key->Key == b.Key->Key)) && a.Values == b.Values;
}

inline Sentence::Value Plain(std::string_view name, std::string text) {
    return {name, std::move(text), {}};
}
inline Sentence::Value Nested(std::string_view name, Sentence sentence) {
    return {name, {}, {std::move(sentence)}};
}
inline Sentence::Value Date(std::string_view name, int year, int month, int day) {
    return {name, {}, {}, year, month, day};
}

inline Sentence Say(const TextKey& key, std::vector<Sentence::Value> values = {}) {
    return {&key, std::move(values)};
}

// A text that is the same in every language, where a sentence is expected (a reason in a file format's
// own English, a system's message).
inline constexpr TextKey kVerbatim{"", "{text}"};
inline Sentence Verbatim(std::string text) {
    return Say(kVerbatim, {Plain("text", std::move(text))});
}

}  // namespace quorvane::l10n
