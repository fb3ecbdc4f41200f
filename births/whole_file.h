// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files read and written whole, with plain POSIX calls. A file is replaced only by a complete new one:
// the bytes go to a temporary file beside it, which is flushed to the disk and then renamed over it.

#include <optional>
#include <string>
#include <string_view>

#include "l10n/sentence.h"

namespace quorvane {

struct WholeFile {
    std::optional<std::string> Bytes;  // nothing when it could not be read
    l10n::Sentence Problem;            // why not: "No such file or directory"
    int Error = 0;                     // and its errno, when the system gave one
};

// The whole file, or why it cannot be read; a file larger than `largest` bytes is not read at all.
WholeFile ReadWholeFile(const std::string& path, std::size_t largest);

// Writes `bytes` as the file at `path`: a temporary file in the same folder, fsync, rename over `path`,
// fsync of the folder. No sentence on success, else what went wrong; then the temporary file is gone and a file
// that was at `path` is as it was. A new file gets the permissions the umask allows, a replaced one keeps
// its own; a path that is a symbolic link replaces the file it points to.
l10n::Sentence WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace quorvane
