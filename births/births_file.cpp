// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/births_file.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace quorvane {

namespace {
// Far beyond any real births book; a bigger file is not read into memory at all.
constexpr qint64 kLargestBook = 256LL * 1024 * 1024;

bool LooksLikeCsv(std::string_view text) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.remove_prefix(3);  // a byte-order mark
    return text.rfind("name,date,time", 0) == 0;
}
}  // namespace

BirthsFormat FormatOfPath(const QString& path) {
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? BirthsFormat::Csv : BirthsFormat::Aaf;
}

QByteArray ContentStamp(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

BirthsFile::Opened BirthsFile::Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, file.errorString()};
    if (file.size() > kLargestBook) return {std::nullopt, QStringLiteral("the file is too big to be a births file")};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {std::nullopt, file.errorString()};
    return Parse(bytes, path);
}

BirthsFile::Opened BirthsFile::Parse(const QByteArray& bytes, const QString& path) {
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (text.find('\0') != std::string_view::npos)
        return {std::nullopt, QStringLiteral("it is a binary file, not a births file")};
    BirthsFile out;
    out.Path = path;
    out.Stamp = ContentStamp(bytes);
    if (births::LooksLikeAaf(text)) {
        out.Format = BirthsFormat::Aaf;
        out.Book = births::ReadAaf(text);
        return {std::move(out), {}};
    }
    const bool blank = std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
    if (blank) {  // an empty book in the format its name says
        out.Format = FormatOfPath(path);
        return {std::move(out), {}};
    }
    births::Book csv = births::ReadCsv(text);
    const bool anyRead = std::any_of(csv.Births.begin(), csv.Births.end(), [](const births::Birth& b) { return b.Error.empty(); });
    if (LooksLikeCsv(text) || anyRead) {
        out.Format = BirthsFormat::Csv;
        out.Book = std::move(csv);
        return {std::move(out), {}};
    }
    return {std::nullopt, QStringLiteral("it is neither an AAF nor a CSV births file")};
}

QByteArray BirthsFile::Bytes() const {
    const std::string text = Format == BirthsFormat::Aaf ? births::WriteAaf(Book) : births::WriteCsv(Book);
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

QString BirthsFile::WriteTo(const QString& path, BirthsFormat format) {
    const BirthsFormat before = Format;
    Format = format;
    const QByteArray bytes = Bytes();
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    ok = ok && file.write(bytes) == bytes.size();
    ok = ok && file.commit();
    if (!ok) {
        Format = before;
        const QString why = file.errorString();
        file.cancelWriting();
        return why.isEmpty() ? QStringLiteral("the file could not be written") : why;
    }
    Path = path;
    Stamp = ContentStamp(bytes);
    return {};
}

bool BirthsFile::ChangedOnDisk() const {
    if (Path.isEmpty() || Stamp.isEmpty()) return false;
    QFile file(Path);
    if (!file.exists()) return false;  // gone: writing it anew overwrites nothing
    if (!file.open(QIODevice::ReadOnly)) return true;
    return ContentStamp(file.readAll()) != Stamp;
}

int BirthsFile::UnreadableCount() const {
    return static_cast<int>(std::count_if(Book.Births.begin(), Book.Births.end(),
                                          [](const births::Birth& b) { return !b.Error.empty(); }));
}

}  // namespace quorvane
