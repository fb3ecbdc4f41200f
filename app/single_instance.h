#pragma once
// Start-up guard: one running copy per user. A lock file says who runs; a local socket lets a second
// start wake the first copy's window and serves as the answer when the lock file cannot be used.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

namespace quorvane {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // runtimeDir empty: $QUORVANE_RUNTIME_DIR, else the user's runtime folder, else the temp folder.
    explicit SingleInstance(QString runtimeDir = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when no other copy runs; this object then holds the lock until it is destroyed. When
    // another copy runs, it is woken, and handed `fileToOpen` when one is given.
    bool TryBecomePrimary(const QString& fileToOpen = {});
    // After a refused start: whether the running copy took the file.
    bool HandedOver() const { return handedOver_; }

    QString LockFilePath() const;
    QString ServerPath() const;

signals:
    // A second start knocked while this copy holds the lock.
    void activationRequested();
    // A second start handed over a file to open (an absolute path); activationRequested follows.
    void fileOpenRequested(const QString& path);

private:
    bool AnotherCopyAnswers(const QString& fileToOpen);
    void Listen();
    void Heard(const QByteArray& message);

    QString dir_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
    bool handedOver_ = false;
};

QString DefaultRuntimeDir();

}  // namespace quorvane
