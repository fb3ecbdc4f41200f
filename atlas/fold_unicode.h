// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FoldForSearch for text that is not plain ASCII. Natively with libunistring (fold_unicode.cpp); in the
// browser from a table of what that gives each code point (fold_table.cpp), written at build time.

#include <string>
#include <string_view>

namespace quorvane {

std::string FoldUnicode(std::string_view text);

// The table: records of code point ranges, each "first last kind length text" with first and last as
// 4 bytes little-endian, kind and length one byte each; text (length bytes) only for kind kMapped.
// Code points in no range fold to themselves.
namespace fold_table {
enum Kind : unsigned char { kDropped = 0, kBlank = 1, kMapped = 2 };
// Reads a table (web build); a text that is not ASCII folds to nothing until one is given.
void Load(std::string bytes);
}  // namespace fold_table

}  // namespace quorvane
