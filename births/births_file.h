// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A births book as it lies on disk: read from a file, written back through QSaveFile, and what the
// file held when it was last read or written, so that a change by another program is noticed.

#include <QByteArray>
#include <QString>

#include <optional>

#include "births/births.h"

namespace quorvane {

enum class BirthsFormat { Aaf, Csv };

// By the name's ending: .csv is CSV, everything else AAF.
BirthsFormat FormatOfPath(const QString& path);

struct BirthsFile {
    births::Book Book;
    BirthsFormat Format = BirthsFormat::Aaf;
    QString Path;          // empty: not saved anywhere yet
    QByteArray Stamp;      // hash of the bytes last read or written; empty when nothing is on disk

    struct Opened;
    // Reads a file; a file that is not a births file is refused with the reason.
    static Opened Read(const QString& path);
    // The bytes of text as they are read, or the refusal's reason.
    static Opened Parse(const QByteArray& bytes, const QString& path);

    QByteArray Bytes() const;
    // Writes the whole book to `path` (replacing a file only by a complete new one). Empty on
    // success, else what went wrong; on success Path, Format and Stamp follow the new file.
    QString WriteTo(const QString& path, BirthsFormat format);
    // True when the file at Path is no longer what was last read or written.
    bool ChangedOnDisk() const;
    // Births that could not be read.
    int UnreadableCount() const;
};

struct BirthsFile::Opened {
    std::optional<BirthsFile> File;
    QString Refusal;
};

QByteArray ContentStamp(const QByteArray& bytes);

}  // namespace quorvane
