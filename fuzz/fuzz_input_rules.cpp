// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The key filters, the whole-number reading of coordinate texts and the check before a reading, on any
// key code, any text and any list position; a birth that passes is read through to its four signs.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "reading/input_rules.h"
#include "reading/reading_driver.h"

namespace {

using namespace quorvane;

void Require(bool condition) {
    if (!condition) std::abort();
}

bool IsDigit(std::uint16_t c) {
    return c >= '0' && c <= '9';
}

void CheckKeyFilters(std::uint16_t code) {
    const KeyVerdict coordinate = FilterCoordinateKey(code);
    // A key either passes unchanged or is dropped with a message, never both and never neither.
    Require(coordinate.Code == 0 ? coordinate.Message.has_value() : !coordinate.Message.has_value());
    if (coordinate.Code != 0) Require(coordinate.Code == code && (IsDigit(code) || code == 8));

    const KeyVerdict name = FilterNameKey(code);
    Require(name.Code == 0 ? name.Message.has_value() : !name.Message.has_value());
    if (name.Code != 0)
        Require((name.Code >= 'A' && name.Code <= 'Z') || name.Code == ' ' || name.Code == 13 || name.Code == 8);
}

void CheckWholeNumber(std::string_view text) {
    const auto value = ParseWholeNumber(text);
    if (!value) return;
    // What is accepted is blanks, an optional sign and digits, and it reads back to the same number.
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    Require(first != std::string_view::npos);
    std::string_view core = text.substr(first, last - first + 1);
    if (core.front() == '+' || core.front() == '-') core.remove_prefix(1);
    Require(!core.empty());
    for (char c : core) Require(c >= '0' && c <= '9');
}

bool WithinRange(const std::string& text, int bound) {
    const auto value = ParseWholeNumber(text);
    return value && *value >= 0 && *value <= bound;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    CheckKeyFilters(in.ConsumeIntegral<std::uint16_t>());

    BirthFormValues form;
    form.Name = in.ConsumeRandomLengthString(40);
    form.LongitudeDegrees = in.ConsumeRandomLengthString(12);
    form.LongitudeMinutes = in.ConsumeRandomLengthString(12);
    form.LatitudeDegrees = in.ConsumeRandomLengthString(12);
    form.LatitudeMinutes = in.ConsumeRandomLengthString(12);
    form.MonthPosition = in.ConsumeIntegral<int>();
    form.DayPosition = in.ConsumeIntegral<int>();
    form.YearPosition = in.ConsumeIntegral<int>();
    form.Year = in.ConsumeIntegral<int>();
    form.Hour = in.ConsumeIntegral<int>();
    form.Minute = in.ConsumeIntegral<int>();
    form.ZoneIndex = in.ConsumeIntegral<int>();
    form.IsEast = in.ConsumeBool();
    form.IsSouth = in.ConsumeBool();
    form.IsDaylightSaving = in.ConsumeBool();
    for (const std::string* text :
         {&form.LongitudeDegrees, &form.LongitudeMinutes, &form.LatitudeDegrees, &form.LatitudeMinutes})
        CheckWholeNumber(*text);

    const ValidationResult verdict = ValidateBirthData(TextsOf(form));
    if (verdict.Ok) {
        Require(WithinRange(form.LongitudeDegrees, 179) && WithinRange(form.LongitudeMinutes, 59) &&
                WithinRange(form.LatitudeDegrees, 89) && WithinRange(form.LatitudeMinutes, 59));
    } else {
        Require(!verdict.Message.Text.empty());
    }

    ReadingSession session;
    const ReadingSession::Outcome outcome = session.Read(form);
    Require(outcome.Validation.Ok == verdict.Ok && outcome.Reading.has_value() == verdict.Ok);
    if (outcome.Reading) {
        const GalacticReading& r = *outcome.Reading;
        Require(r.AscendantSign && r.DescendantSign && r.MoonSign && r.SunSign);
    }
    return 0;
}
