// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/csv.h"

namespace quorvane::csv {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

Reader::Reader(std::string_view text) : text_(text) {
    if (text_.substr(0, kByteOrderMark.size()) == kByteOrderMark) pos_ = kByteOrderMark.size();
}

bool Reader::Next(Record& record) {
    if (pos_ >= text_.size()) return false;
    record.Fields.assign(1, std::string());
    record.Line = line_;
    record.UnclosedQuote = false;
    const std::size_t start = pos_;
    std::size_t end = text_.size();  // of the record's text, before its line end
    bool quoted = false;
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (quoted) {
            if (c == '"' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                record.Fields.back() += '"';
                pos_ += 2;
                continue;
            }
            if (c == '"')
                quoted = false;
            else
                record.Fields.back() += c;
            if (c == '\n') ++line_;
            ++pos_;
            continue;
        }
        if (c == '\n' || (c == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')) {
            end = pos_;
            pos_ += c == '\r' ? 2 : 1;
            ++line_;
            break;
        }
        if (c == '"' && record.Fields.back().empty())
            quoted = true;
        else if (c == ',')
            record.Fields.emplace_back();
        else
            record.Fields.back() += c;  // a quote inside an unquoted field is taken as it stands
        ++pos_;
    }
    if (pos_ >= text_.size() && end == text_.size() && !text_.empty() && text_.back() == '\r' && !quoted) {
        // a lone CR at the very end of the input is a line end, not part of the last field
        end = text_.size() - 1;
        if (!record.Fields.back().empty() && record.Fields.back().back() == '\r') record.Fields.back().pop_back();
    }
    record.UnclosedQuote = quoted;
    record.Text = text_.substr(start, end - start);
    return true;
}

std::vector<std::string> SplitRecord(std::string_view line) {
    Reader reader(line);
    Record record;
    std::vector<std::string> fields;
    // A line break outside quotes would end the record: the rest joins it as it stands.
    while (reader.Next(record)) {
        if (fields.empty())
            fields = std::move(record.Fields);
        else {
            fields.back() += '\n' + record.Fields.front();
            fields.insert(fields.end(), std::make_move_iterator(record.Fields.begin() + 1),
                          std::make_move_iterator(record.Fields.end()));
        }
    }
    if (fields.empty()) fields.emplace_back();
    return fields;
}

std::string Field(std::string_view value) {
    const bool quote = value.find_first_of(",\"\r\n") != std::string_view::npos ||
                       value.substr(0, 3) == kByteOrderMark ||
                       (!value.empty() &&
                        (value.front() == ' ' || value.back() == ' ' || value.front() == '\t' || value.back() == '\t'));
    if (!quote) return std::string(value);
    std::string out = "\"";
    for (const char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

bool IsBlank(const Record& record) {
    return record.Fields.size() == 1 && record.Fields[0].find_first_not_of(" \t\r") == std::string::npos;
}

}  // namespace quorvane::csv
