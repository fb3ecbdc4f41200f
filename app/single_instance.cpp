// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <utility>

namespace quorvane {

namespace {
constexpr int kKnockTimeoutMs = 500;
constexpr qsizetype kLongestRequest = 64 * 1024;
}

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
    if (server_) server_->close();
    if (lock_) lock_->unlock();
}

QString SingleInstance::LockFilePath() const {
    return QDir(dir_).filePath(QStringLiteral("quorvane.lock"));
}

QString SingleInstance::ServerPath() const {
    return QDir(dir_).filePath(QStringLiteral("quorvane.socket"));
}

bool SingleInstance::TryBecomePrimary(const QString& fileToOpen) {
    if (lock_ && lock_->isLocked()) return true;
    QDir().mkpath(dir_);
    lock_ = std::make_unique<QLockFile>(LockFilePath());
    // The lock is held for the whole run, so it must never go stale by age; a lock left behind by a
    // crashed copy is still recognised (its process is gone) and taken over by tryLock.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        Listen();
        return true;
    }
    const bool heldByOther = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
    if (heldByOther) {
        AnotherCopyAnswers(fileToOpen);  // wakes the running copy; the live lock alone decides
        return false;
    }
    // The lock file cannot be written here (permissions, full disk): fall back on the socket alone
    // rather than refusing every start.
    if (AnotherCopyAnswers(fileToOpen)) return false;
    Listen();
    return true;
}

// One line: "activate", or "open " and the file's URL (percent-encoded, so any name fits a line).
bool SingleInstance::AnotherCopyAnswers(const QString& fileToOpen) {
    QLocalSocket socket;
    socket.connectToServer(ServerPath());
    if (!socket.waitForConnected(kKnockTimeoutMs)) return false;
    const QByteArray message = fileToOpen.isEmpty() ? QByteArray("activate\n")
                                                    : "open " + QUrl::fromLocalFile(fileToOpen).toEncoded() + '\n';
    socket.write(message);
    const bool sent = socket.waitForBytesWritten(kKnockTimeoutMs) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kKnockTimeoutMs);
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
    // A socket file left by a crashed copy would make listen() fail; we hold the lock, so it is stale.
    QLocalServer::removeServer(ServerPath());
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            // Each line is one request; a knock that says nothing before it hangs up is a plain wake-up.
            auto pending = std::make_shared<QByteArray>();
            auto heardAny = std::make_shared<bool>(false);
            auto done = std::make_shared<bool>(false);
            const auto readLines = [this, peer, pending, heardAny] {
                *pending += peer->readAll();
                if (pending->size() > kLongestRequest) {  // no request is that long: not a later start
                    pending->clear();
                    peer->abort();
                    return;
                }
                for (qsizetype end; (end = pending->indexOf('\n')) >= 0;) {
                    *heardAny = true;
                    Heard(pending->left(end));
                    pending->remove(0, end + 1);
                }
            };
            const auto hungUp = [this, peer, pending, heardAny, done, readLines] {
                if (std::exchange(*done, true)) return;
                readLines();
                if (!pending->isEmpty() || !*heardAny) Heard(*pending);
                peer->deleteLater();
            };
            connect(peer, &QLocalSocket::readyRead, this, readLines);
            connect(peer, &QLocalSocket::disconnected, this, hungUp);
            if (peer->state() == QLocalSocket::UnconnectedState) hungUp();
        }
    });
    if (server_->listen(ServerPath())) {
        listenFailure_.clear();
        return true;
    }
    // This copy runs on, but a later start cannot wake it or hand it a file; that start is still refused
    // by the lock (and says "Application is already running").
    listenFailure_ = server_->errorString();
    std::fprintf(stderr, "quorvane: later starts cannot reach this copy: %s: %s\n",
                 qUtf8Printable(QDir::toNativeSeparators(ServerPath())), qUtf8Printable(listenFailure_));
    return false;
}

}  // namespace quorvane
