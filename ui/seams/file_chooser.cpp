// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/seams/file_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace quorvane {

QString DialogFileChooser::OpenFile(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString DialogFileChooser::SaveFile(QWidget* parent, const QString& caption, const QString& proposedPath,
                                    const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, proposedPath, filter);
}

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() || !QDir(documents).exists() ? QDir::homePath() : documents;
}

}  // namespace quorvane
