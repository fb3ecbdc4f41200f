// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/births_file.h"

#include <algorithm>
#include <cerrno>
#include <functional>

#include "births/births_csv.h"
#include "births/whole_file.h"
#include "l10n/sentences.h"

namespace quorvane {

namespace {
// Far beyond any real births book; a bigger file is not read into memory at all.
constexpr std::size_t kLargestBook = 256u * 1024 * 1024;

bool EndsWithCsv(std::string_view path) {
    if (path.size() < 4) return false;
    const std::string_view end = path.substr(path.size() - 4);
    return end[0] == '.' && (end[1] | 0x20) == 'c' && (end[2] | 0x20) == 's' && (end[3] | 0x20) == 'v';
}
}  // namespace

BirthsFormat FormatOfPath(std::string_view path) {
    return EndsWithCsv(path) ? BirthsFormat::Csv : BirthsFormat::Aaf;
}

std::string ContentStamp(std::string_view bytes) {
    // Only ever compared within one run: the length and the library's hash are enough to notice a change.
    return std::to_string(bytes.size()) + ":" + std::to_string(std::hash<std::string_view>{}(bytes));
}

BirthsFile::Opened BirthsFile::Read(const std::string& path) {
    WholeFile file = ReadWholeFile(path, kLargestBook);
    if (!file.Bytes) return {std::nullopt, std::move(file.Problem)};
    return Parse(*file.Bytes, path);
}

BirthsFile::Opened BirthsFile::Parse(std::string_view text, const std::string& path) {
    if (text.find('\0') != std::string_view::npos) return {std::nullopt, l10n::Say(l10n::file_text::BinaryFile)};
    BirthsFile out;
    out.Path = path;
    out.Stamp = ContentStamp(text);
    if (births::LooksLikeAaf(text)) {
        out.Format = BirthsFormat::Aaf;
        out.Book = births::ReadAaf(text);
        return {std::move(out), {}};
    }
    const bool blank =
        std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
    if (blank) {  // an empty book in the format its name says
        out.Format = FormatOfPath(path);
        return {std::move(out), {}};
    }
    births::Book csv = births::ReadCsv(text);
    const bool anyRead =
        std::any_of(csv.Births.begin(), csv.Births.end(), [](const births::Birth& b) { return b.Error.empty(); });
    if (births::StartsWithCsvHeader(text) || anyRead) {
        out.Format = BirthsFormat::Csv;
        out.Book = std::move(csv);
        return {std::move(out), {}};
    }
    return {std::nullopt, l10n::Say(l10n::file_text::NoBirthsFile)};
}

std::string BirthsFile::Bytes() const {
    return Format == BirthsFormat::Aaf ? births::WriteAaf(Book) : births::WriteCsv(Book);
}

l10n::Sentence BirthsFile::WriteTo(const std::string& path, BirthsFormat format) {
    const BirthsFormat before = Format;
    Format = format;
    const std::string bytes = Bytes();
    if (l10n::Sentence why = WriteWholeFile(path, bytes); !why.empty()) {
        Format = before;
        return why;
    }
    Path = path;
    Stamp = ContentStamp(bytes);
    return {};
}

bool BirthsFile::ChangedOnDisk() const {
    if (Path.empty() || Stamp.empty()) return false;
    const WholeFile file = ReadWholeFile(Path, kLargestBook);
    if (!file.Bytes) return file.Error != ENOENT;  // gone: writing it anew overwrites nothing
    return ContentStamp(*file.Bytes) != Stamp;
}

int BirthsFile::UnreadableCount() const {
    return static_cast<int>(
        std::count_if(Book.Births.begin(), Book.Births.end(), [](const births::Birth& b) { return !b.Error.empty(); }));
}

}  // namespace quorvane
