// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace quorvane {

namespace {
constexpr int kKnockTimeoutMs = 500;
constexpr qsizetype kLongestRequest = 64 * 1024;

// The socket's address, or nothing when the path is longer than a local address holds.
std::optional<sockaddr_un> LocalAddress(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (name.isEmpty() || static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    return address;
}

sockaddr* AsSockaddr(sockaddr_un& address) {
    return reinterpret_cast<sockaddr*>(&address);
}

// Waits for the socket to become ready for `events`, at most the knock's time.
bool Ready(int fd, short events) {
    pollfd wanted{fd, events, 0};
    int ready;
    do ready = ::poll(&wanted, 1, kKnockTimeoutMs);
    while (ready < 0 && errno == EINTR);
    return ready == 1 && (wanted.revents & events) != 0;
}

// A knock on the running copy's socket, closed however it ends.
class Knock {
public:
    Knock() : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {}
    ~Knock() {
        if (fd_ >= 0) ::close(fd_);
    }
    Knock(const Knock&) = delete;
    Knock& operator=(const Knock&) = delete;

    bool Connect(sockaddr_un address) {
        if (fd_ < 0) return false;
        if (::connect(fd_, AsSockaddr(address), sizeof address) == 0) return true;
        if (errno != EAGAIN && errno != EINPROGRESS) return false;  // nobody listens there
        int error = 0;
        socklen_t size = sizeof error;
        return Ready(fd_, POLLOUT) && ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }

    bool Send(const QByteArray& message) {
        for (qsizetype sent = 0; sent < message.size();) {
            const ssize_t wrote =
                ::send(fd_, message.constData() + sent, static_cast<std::size_t>(message.size() - sent), MSG_NOSIGNAL);
            if (wrote > 0)
                sent += wrote;
            else if (wrote < 0 && errno == EINTR)
                continue;
            else if (wrote < 0 && errno == EAGAIN && Ready(fd_, POLLOUT))
                continue;
            else
                return false;
        }
        return true;
    }

private:
    int fd_;
};
}  // namespace

QString DefaultRuntimeDir() {
    const QString fromEnv = qEnvironmentVariable("QUORVANE_RUNTIME_DIR");
    if (!fromEnv.isEmpty()) return fromEnv;
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return dir;
}

SingleInstance::SingleInstance(QString runtimeDir, QObject* parent)
    : QObject(parent), dir_(runtimeDir.isEmpty() ? DefaultRuntimeDir() : std::move(runtimeDir)) {}

SingleInstance::~SingleInstance() {
    StopListening();
    if (lock_ >= 0) ::close(lock_);  // lets go of the lock
}

QString SingleInstance::LockFilePath() const {
    return QDir(dir_).filePath(QStringLiteral("quorvane.lock"));
}

QString SingleInstance::ServerPath() const {
    return QDir(dir_).filePath(QStringLiteral("quorvane.socket"));
}

bool SingleInstance::TryBecomePrimary(const QString& fileToOpen) {
    if (lock_ >= 0) return true;
    QDir().mkpath(dir_);
    // An flock on the file, held for the whole run: the system lets go of it when the process ends, however
    // it ends, so a crashed copy never leaves a lock behind, and nothing is written, so a start never waits
    // for the disk.
    const int fd = ::open(QFile::encodeName(LockFilePath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            lock_ = fd;
            Listen();
            return true;
        }
        const bool heldByOther = errno == EWOULDBLOCK;
        ::close(fd);
        if (heldByOther) {
            AnotherCopyAnswers(fileToOpen);  // wakes the running copy; the live lock alone decides
            return false;
        }
    }
    // The lock file cannot be written here (permissions, full disk): fall back on the socket alone
    // rather than refusing every start.
    if (AnotherCopyAnswers(fileToOpen)) return false;
    Listen();
    return true;
}

// One line: "activate", or "open " and the file's URL (percent-encoded, so any name fits a line).
bool SingleInstance::AnotherCopyAnswers(const QString& fileToOpen) {
    const std::optional<sockaddr_un> address = LocalAddress(ServerPath());
    Knock knock;
    if (!address || !knock.Connect(*address)) return false;
    const QByteArray message =
        fileToOpen.isEmpty() ? QByteArray("activate\n") : "open " + QUrl::fromLocalFile(fileToOpen).toEncoded() + '\n';
    const bool sent = knock.Send(message);
    handedOver_ = sent && !fileToOpen.isEmpty();
    return true;
}

void SingleInstance::Heard(const QByteArray& message) {
    const QByteArray line = message.trimmed();
    if (line.startsWith("open ")) {
        const QString path = QUrl::fromEncoded(line.mid(5)).toLocalFile();
        if (!path.isEmpty()) emit FileOpenRequested(path);
    }
    emit ActivationRequested();
}

bool SingleInstance::Listen() {
    StopListening();
    const QString path = ServerPath();
    const auto fail = [this, &path](const QString& why) {
        StopListening();
        // This copy runs on, but a later start cannot wake it or hand it a file; that start is still refused
        // by the lock (and says "Application is already running").
        listenFailure_ = why;
        std::fprintf(stderr, "quorvane: later starts cannot reach this copy: %s: %s\n",
                     qUtf8Printable(QDir::toNativeSeparators(path)), qUtf8Printable(listenFailure_));
        return false;
    };
    std::optional<sockaddr_un> address = LocalAddress(path);
    if (!address) return fail(QStringLiteral("the path is too long for a local socket"));
    server_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (server_ < 0) return fail(qt_error_string(errno));
    // A socket file left by a crashed copy would make bind() fail; we hold the lock, so it is stale.
    ::unlink(address->sun_path);
    // Only this user may knock: the mode is set before listen(), so no one can connect in between.
    if (::bind(server_, AsSockaddr(*address), sizeof *address) != 0 ||
        ::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(server_, SOMAXCONN) != 0)
        return fail(qt_error_string(errno));
    serverNotifier_ = std::make_unique<QSocketNotifier>(server_, QSocketNotifier::Read);
    connect(serverNotifier_.get(), &QSocketNotifier::activated, this, [this] { Accept(); });
    listenFailure_.clear();
    return true;
}

void SingleInstance::StopListening() {
    while (!callers_.empty()) {
        ::close(callers_.begin()->first);
        callers_.erase(callers_.begin());
    }
    serverNotifier_.reset();
    if (server_ < 0) return;
    ::close(server_);
    server_ = -1;
    if (const std::optional<sockaddr_un> address = LocalAddress(ServerPath())) ::unlink(address->sun_path);
}

void SingleInstance::Accept() {
    for (;;) {
        const int peer = ::accept4(server_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (peer < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            return;  // EAGAIN: every waiting caller is taken
        }
        Caller& caller = callers_[peer];
        caller.notifier = std::make_unique<QSocketNotifier>(peer, QSocketNotifier::Read);
        connect(caller.notifier.get(), &QSocketNotifier::activated, this, [this, peer] { ReadFrom(peer); });
        ReadFrom(peer);  // it may have said everything and hung up already
    }
}

// Each line is one request; a knock that says nothing before it hangs up is a plain wake-up.
void SingleInstance::ReadFrom(int peer) {
    const auto found = callers_.find(peer);
    if (found == callers_.end()) return;
    Caller& caller = found->second;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(peer, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && errno == EAGAIN) return;
        if (got <= 0) return HangUp(peer);
        caller.pending.append(buffer, got);
        if (caller.pending.size() > kLongestRequest) {  // no request is that long: not a later start
            caller.pending.clear();
            return HangUp(peer);
        }
        for (qsizetype end; (end = caller.pending.indexOf('\n')) >= 0;) {
            caller.heardAny = true;
            const QByteArray line = caller.pending.left(end);
            caller.pending.remove(0, end + 1);
            Heard(line);
        }
    }
}

void SingleInstance::HangUp(int peer) {
    const auto found = callers_.find(peer);
    if (found == callers_.end()) return;
    const QByteArray rest = found->second.pending;
    const bool heardAny = found->second.heardAny;
    // The notifier may be the one whose signal runs now: it goes when control is back in the event loop.
    found->second.notifier.release()->deleteLater();
    callers_.erase(found);
    ::close(peer);
    if (!rest.isEmpty() || !heardAny) Heard(rest);
}

}  // namespace quorvane
