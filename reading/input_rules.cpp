// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/input_rules.h"

#include "common/text.h"

#include <charconv>
#include <limits>

namespace quorvane {

namespace {

constexpr std::uint16_t kBackspace = 8;
constexpr std::uint16_t kEnter = 13;
constexpr std::uint16_t kBlank = 32;

bool InRange(std::string_view text, int bound) {
    const auto value = ParseWholeNumber(text);
    return value && *value >= 0 && *value <= bound;
}

// February of a year divisible by four has 29 days; there is no century rule, which is exact for 1901..2099.
bool FebruaryTooLong(int year, long long day) {
    return year % 4 == 0 ? day > 29 : day > 28;
}

}  // namespace

KeyVerdict FilterCoordinateKey(std::uint16_t code) {
    if ((code >= '0' && code <= '9') || code == kBackspace) return {code, std::nullopt};
    return {0, UserMessage{msg::OnlyNumbers, MessageIcon::Error}};
}

KeyVerdict FilterNameKey(std::uint16_t code) {
    if (code >= 'A' && code <= 'Z') return {code, std::nullopt};
    if (code >= 'a' && code <= 'z') return {static_cast<std::uint16_t>(code - 32), std::nullopt};
    if (code == kBlank || code == kEnter || code == kBackspace) return {code, std::nullopt};
    return {0, UserMessage{msg::OnlyLetters, MessageIcon::Information}};
}

KeyVerdict FilterNameKey(std::uint16_t code, NameLetter letter) {
    if (letter.IsLetter) return {letter.Capital ? letter.Capital : code, std::nullopt};
    return FilterNameKey(code);
}

std::optional<std::int16_t> ParseWholeNumber(std::string_view text) {
    text = Trim(text, " ");
    // One sign at most: "+-0" is not a number.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

ValidationResult ValidateBirthData(const BirthFormTexts& form) {
    auto fail = [](std::string_view text, MessageIcon icon, FormField focus) {
        return ValidationResult{false, UserMessage{text, icon}, focus};
    };
    if (Trim(form.Name, " ").empty()) return fail(msg::EnterName, MessageIcon::Error, FormField::Name);
    // Longitude before latitude, degrees before minutes. Coordinates must be whole numbers: text pasted in
    // such as "12a" or "7.5" is refused with the field's range message rather than read by its leading digits.
    if (!InRange(form.LongitudeDegrees, 179))
        return fail(msg::LongitudeDegrees, MessageIcon::Error, FormField::LongitudeDegrees);
    if (!InRange(form.LongitudeMinutes, 59))
        return fail(msg::LongitudeMinutes, MessageIcon::Error, FormField::LongitudeMinutes);
    if (!InRange(form.LatitudeDegrees, 89))
        return fail(msg::LatitudeDegrees, MessageIcon::Error, FormField::LatitudeDegrees);
    if (!InRange(form.LatitudeMinutes, 59))
        return fail(msg::LatitudeMinutes, MessageIcon::Error, FormField::LatitudeMinutes);

    // Wide enough that no list position, however wild, overflows.
    const long long month = form.MonthPosition + 1LL;
    const long long day = form.DayPosition + 1LL;
    if (month == 2 && FebruaryTooLong(form.Year, day))
        return fail(msg::FebruaryDate, MessageIcon::Information, FormField::None);
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        return fail(msg::ThirtyDayDate, MessageIcon::Information, FormField::None);
    return {};
}

}  // namespace quorvane
