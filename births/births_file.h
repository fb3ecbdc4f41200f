// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A births book as it lies on disk: read from a file, written back whole (whole_file.h), and what the file
// held when it was last read or written, so that a change by another program is noticed. Paths are the
// system's own bytes (UTF-8 on the systems this program runs on).

#include <optional>
#include <string>
#include <string_view>

#include "births/births.h"

namespace quorvane {

enum class BirthsFormat { Aaf, Csv };

// By the name's ending: .csv (in any case) is CSV, everything else AAF.
BirthsFormat FormatOfPath(std::string_view path);

struct BirthsFile {
    births::Book Book;
    BirthsFormat Format = BirthsFormat::Aaf;
    std::string Path;   // empty: not saved anywhere yet
    std::string Stamp;  // what the bytes last read or written were; empty when nothing is on disk

    struct Opened;
    // Reads a file; a file that is not a births file is refused with the reason.
    static Opened Read(const std::string& path);
    // The bytes of text as they are read, or the refusal's reason.
    static Opened Parse(std::string_view bytes, const std::string& path);

    std::string Bytes() const;
    // Writes the whole book to `path` (replacing a file only by a complete new one). Empty on
    // success, else what went wrong; on success Path, Format and Stamp follow the new file.
    l10n::Sentence WriteTo(const std::string& path, BirthsFormat format);
    // True when the file at Path is no longer what was last read or written.
    bool ChangedOnDisk() const;
    // Births that could not be read.
    int UnreadableCount() const;
};

struct BirthsFile::Opened {
    std::optional<BirthsFile> File;
    l10n::Sentence Refusal;  // why not: the file is no births file, or what the system said
};

// A short fingerprint of a file's bytes, to notice that they changed.
std::string ContentStamp(std::string_view bytes);

}  // namespace quorvane
