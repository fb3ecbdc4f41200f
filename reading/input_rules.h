// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key filters of the name and coordinate fields and the check run before every reading.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/birth_data.h"

namespace quorvane {

enum class MessageIcon { Error, Information };

struct UserMessage {
    std::string_view Text;
    MessageIcon Icon = MessageIcon::Error;
    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

// The system's own texts; the blanks are intended ("the  Minute", "Month !").
namespace msg {
inline constexpr std::string_view OnlyNumbers = "Only Numbers Are Accepted";
inline constexpr std::string_view OnlyLetters = "Please Enter only Letters";
inline constexpr std::string_view EnterName = "Please Enter Name";
inline constexpr std::string_view LongitudeDegrees = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
inline constexpr std::string_view LongitudeMinutes = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
inline constexpr std::string_view LatitudeDegrees = "Please Enter Value Between 0 And 89 in the Degree of Latitude";
inline constexpr std::string_view LatitudeMinutes = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
inline constexpr std::string_view FebruaryDate = "Please Enter Correct Date Or Month!";
inline constexpr std::string_view ThirtyDayDate = "Please Enter Correct Date Or Month !";
}  // namespace msg

// What a key filter made of one typed character: Code 0 drops the key.
struct KeyVerdict {
    std::uint16_t Code = 0;
    std::optional<UserMessage> Message;
};

// Digits and Backspace pass; anything else (Enter, '-', '.', Ctrl+V = 22 ...) is dropped with a message.
KeyVerdict FilterCoordinateKey(std::uint16_t code);
// Letters pass (small ones become capitals); blank, Enter and Backspace pass; the rest is dropped.
KeyVerdict FilterNameKey(std::uint16_t code);
// What the window's language says about a typed character (the core knows no alphabet but A-Z).
struct NameLetter {
    bool IsLetter = false;      // a letter of the language (ü, ñ, ç, é, ё ...)
    std::uint16_t Capital = 0;  // its capital by the language's rules
};
// As above, and a letter of the window's language passes too, as its capital.
KeyVerdict FilterNameKey(std::uint16_t code, NameLetter letter);

enum class FormField { None, Name, LongitudeDegrees, LongitudeMinutes, LatitudeDegrees, LatitudeMinutes };

// The form's values as ValidateBirthData reads them: texts as typed, list positions 0-based.
struct BirthFormTexts {
    std::string_view Name;
    std::string_view LongitudeDegrees;
    std::string_view LongitudeMinutes;
    std::string_view LatitudeDegrees;
    std::string_view LatitudeMinutes;
    int MonthPosition = 0;  // 0 = January
    int DayPosition = 0;    // 0 = day 1
    int Year = kFirstYear;  // the selected year's text as a number
};

struct ValidationResult {
    bool Ok = true;
    UserMessage Message;                // meaningful when !Ok
    FormField Focus = FormField::None;  // where the focus goes; None leaves it where it was
};

ValidationResult ValidateBirthData(const BirthFormTexts& form);

// A coordinate field's text as a whole number: blanks around it allowed, otherwise only an
// optional sign and digits, and the value must fit 16 bits. Pasted "12a", "7.5" or "1 2" give nothing.
std::optional<std::int16_t> ParseWholeNumber(std::string_view text);

}  // namespace quorvane
