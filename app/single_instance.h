// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up guard: one running copy per user. A lock on a file says who runs; a local socket lets a second
// start wake the first copy's window and serves as the answer when the lock file cannot be used.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QSocketNotifier;

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
    // Why later starts cannot reach this copy (the local server could not listen), or empty. The copy
    // still runs; the reason goes to standard error.
    const QString& ListenFailure() const { return listenFailure_; }

signals:
    // A second start knocked while this copy holds the lock.
    void ActivationRequested();
    // A second start handed over a file to open (an absolute path); ActivationRequested follows.
    void FileOpenRequested(const QString& path);

private:
    bool AnotherCopyAnswers(const QString& fileToOpen);
    bool Listen();
    void StopListening();
    void Accept();
    void ReadFrom(int peer);
    void HangUp(int peer);
    void Heard(const QByteArray& message);

    // A later start knocking: what it has said so far, and whether it finished a line yet.
    struct Caller {
        std::unique_ptr<QSocketNotifier> notifier;
        QByteArray pending;
        bool heardAny = false;
    };

    QString dir_;
    int lock_ = -1;  // the open lock file while this copy holds the lock
    // The local socket later starts knock on: a plain Unix socket, so that the program needs no network
    // library at start.
    int server_ = -1;
    std::unique_ptr<QSocketNotifier> serverNotifier_;
    std::map<int, Caller> callers_;
    bool handedOver_ = false;
    QString listenFailure_;
};

QString DefaultRuntimeDir();

}  // namespace quorvane
