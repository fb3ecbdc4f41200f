// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file dialogs the windows open, behind an interface so that tests can answer them without a dialog.

#include <QString>

class QWidget;

namespace quorvane {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file, or an empty string when the user cancelled.
    virtual QString OpenFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) = 0;
    // Proposes `proposedPath`; the dialog asks before an existing file is replaced.
    virtual QString SaveFile(QWidget* parent, const QString& caption, const QString& proposedPath,
                             const QString& filter) = 0;
};

class DialogFileChooser final : public FileChooser {
public:
    QString OpenFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override;
    QString SaveFile(QWidget* parent, const QString& caption, const QString& proposedPath,
                     const QString& filter) override;
};

// The user's documents folder, or the home folder where there is none.
QString DocumentsFolder();

}  // namespace quorvane
