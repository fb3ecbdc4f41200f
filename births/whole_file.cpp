// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/whole_file.h"

#include "l10n/sentences.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace quorvane {
namespace {

l10n::Sentence ErrorText(int error) {
    return l10n::SystemError(error);
}

WholeFile Unreadable(int error) {
    return {std::nullopt, ErrorText(error), error};
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Close(); }
    int Get() const { return fd_; }
    // The close's own error, which can be the first word of a failed write on some file systems.
    int Close() {
        if (fd_ < 0) return 0;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// 0, or the error of the first write that failed; an interrupted or short write goes on.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The file a symbolic link points to, so that the link stays a link; any other path as it is.
std::string TargetOf(const std::string& path) {
    struct stat info = {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t PermissionsFor(const std::string& path) {
    struct stat info = {};
    if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);  // read by setting it, and set back at once
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path, std::size_t largest) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) return Unreadable(errno);
    struct stat info = {};
    if (::fstat(file.Get(), &info) != 0) return Unreadable(errno);
    if (S_ISDIR(info.st_mode)) return Unreadable(EISDIR);
    if (info.st_size > 0 && static_cast<unsigned long long>(info.st_size) > largest)
        return {std::nullopt, l10n::Say(l10n::file_text::TooBig)};
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return Unreadable(errno);
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > largest) return {std::nullopt, l10n::Say(l10n::file_text::TooBig)};
    }
    return {std::move(bytes), {}};
}

l10n::Sentence WriteWholeFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return ErrorText(ENOENT);
    const std::string target = TargetOf(path);
    const std::string folder = FolderOf(target);
    const std::string leaf =
        target.substr(target.find_last_of('/') == std::string::npos ? 0 : target.find_last_of('/') + 1);
    if (leaf.empty()) return ErrorText(EISDIR);
    std::string temporary = (folder == "/" ? "/" : folder + "/") + "." + leaf + ".XXXXXX";
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.Get() < 0) return ErrorText(errno);
    const auto fail = [&temporary](int error) {
        ::unlink(temporary.c_str());
        return ErrorText(error);
    };
    if (::fchmod(file.Get(), PermissionsFor(target)) != 0) return fail(errno);
    if (const int error = WriteAll(file.Get(), bytes)) return fail(error);
    if (::fsync(file.Get()) != 0) return fail(errno);
    if (const int error = file.Close()) return fail(error);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);
    // The rename itself is only on the disk once the folder is; a file system that cannot flush a folder
    // (EINVAL) has nothing to flush.
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() < 0)
        return l10n::Say(l10n::file_text::FolderNotOpened, {l10n::Nested("reason", ErrorText(errno))});
    if (::fsync(directory.Get()) != 0 && errno != EINVAL)
        return l10n::Say(l10n::file_text::FolderNotFlushed, {l10n::Nested("reason", ErrorText(errno))});
    return {};
}

}  // namespace quorvane
