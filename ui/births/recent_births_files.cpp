// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/births/recent_births_files.h"

#include <QDir>
#include <QSettings>

namespace quorvane {

namespace {
constexpr int kRecentCount = 8;

// The program's settings keys.
const QString kRecentKey = QStringLiteral("births/recent");

std::unique_ptr<QSettings> OpenSettings(const QString& path) {
    return path.isEmpty() ? std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("quorvane"),
                                                        QStringLiteral("quorvane"))
                          : std::make_unique<QSettings>(path, QSettings::IniFormat);
}
}  // namespace

RecentBirthsFiles::RecentBirthsFiles() = default;
RecentBirthsFiles::~RecentBirthsFiles() = default;

void RecentBirthsFiles::SetSettingsFile(const QString& path) {
    settingsPath_ = path;
    settings_.reset();
}

QSettings& RecentBirthsFiles::Settings() const {
    if (!settings_) settings_ = OpenSettings(settingsPath_);
    return *settings_;
}

QStringList RecentBirthsFiles::Files() const {
    // Nothing is remembered before a births file was first opened or saved; reading writes nothing.
    if (settings_) return settings_->value(kRecentKey).toStringList();
    return OpenSettings(settingsPath_)->value(kRecentKey).toStringList();
}

QString RecentBirthsFiles::Remember(const QString& path) {
    QStringList recent = Settings().value(kRecentKey).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentCount) recent.removeLast();
    return Store(std::move(recent));
}

QString RecentBirthsFiles::Forget(const QString& path) {
    QStringList recent = Settings().value(kRecentKey).toStringList();
    recent.removeAll(path);
    return Store(std::move(recent));
}

QString RecentBirthsFiles::Store(QStringList files) {
    QSettings& settings = Settings();
    settings.setValue(kRecentKey, files);
    settings.sync();
    return settings.status() == QSettings::NoError ? QString() : QDir::toNativeSeparators(settings.fileName());
}

}  // namespace quorvane
