// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few births files used last, kept in the user's settings: the one owner of the program's QSettings.

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

namespace quorvane {

class RecentBirthsFiles {
public:
    RecentBirthsFiles();
    ~RecentBirthsFiles();

    // Where the settings are kept; the default is the user's own (~/.config/quorvane/quorvane.conf).
    void SetSettingsFile(const QString& path);

    // The files, the last used first. Reading writes nothing: no settings file is made before a first Remember.
    QStringList Files() const;
    // Puts `path` first (at most eight are kept), or takes it out. Each returns what went wrong writing the
    // settings out: empty, or the settings file's name.
    QString Remember(const QString& path);
    QString Forget(const QString& path);

private:
    QSettings& Settings() const;
    QString Store(QStringList files);

    QString settingsPath_;
    mutable std::unique_ptr<QSettings> settings_;  // made when a births file is first opened or saved
};

}  // namespace quorvane
