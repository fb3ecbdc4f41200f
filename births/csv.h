// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CSV as RFC 4180 has it: fields separated by commas, a field in double quotes may hold commas, line
// breaks and doubled quotes; records end in LF or CRLF; a UTF-8 byte-order mark at the start is skipped.
// The one reader and writer of every CSV the program reads or writes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::csv {

struct Record {
    std::vector<std::string> Fields;
    int Line = 0;                // the line the record starts on, from 1
    std::string_view Text;       // the record as it stands in the input, without its line end
    bool UnclosedQuote = false;  // a quoted field ran to the end of the input
};

class Reader {
public:
    explicit Reader(std::string_view text);
    // The next record, or false at the end of the input. A blank line is a record of one empty field.
    bool Next(Record& record);

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

// One line's fields (the line ends at the end of `line`; a line break inside quotes is kept).
std::vector<std::string> SplitRecord(std::string_view line);

// `value` as a CSV field: quoted when it holds a comma, a quote, a line break or blanks at either end.
std::string Field(std::string_view value);

// True for a record of one empty or blank field.
bool IsBlank(const Record& record);

}  // namespace quorvane::csv
