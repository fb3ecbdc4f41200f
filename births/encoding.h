// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a births file's bytes become text: UTF-8 when they are valid UTF-8, else ISO-8859-1.

#include <string>
#include <string_view>

namespace quorvane::births {

enum class Encoding { Utf8, Latin1 };

// Text as UTF-8: bytes that are not valid UTF-8 are read as ISO-8859-1 (`encoding` says which).
std::string AsUtf8(std::string_view bytes, Encoding& encoding);
// UTF-8 text back in ISO-8859-1; characters beyond it become '?'.
std::string Utf8ToLatin1(std::string_view text);

}  // namespace quorvane::births
