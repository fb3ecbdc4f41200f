#include "ui/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace quorvane {

namespace {
constexpr int kKnockTimeoutMs = 500;
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

bool SingleInstance::TryBecomePrimary() {
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
        AnotherCopyAnswers();  // wakes the running copy; the live lock alone decides
        return false;
    }
    // The lock file cannot be written here (permissions, full disk): fall back on the socket alone
    // rather than refusing every start.
    if (AnotherCopyAnswers()) return false;
    Listen();
    return true;
}

bool SingleInstance::AnotherCopyAnswers() const {
    QLocalSocket socket;
    socket.connectToServer(ServerPath());
    if (!socket.waitForConnected(kKnockTimeoutMs)) return false;
    socket.write("activate\n");
    socket.waitForBytesWritten(kKnockTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::Listen() {
    // A socket file left by a crashed copy would make listen() fail; we hold the lock, so it is stale.
    QLocalServer::removeServer(ServerPath());
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            emit activationRequested();
        }
    });
    server_->listen(ServerPath());
}

}  // namespace quorvane
