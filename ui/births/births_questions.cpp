// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/births/births_questions.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/seams/message_sink.h"
#include "ui/style/look.h"

namespace quorvane {

UnsavedAnswer BoxBirthsQuestions::AskUnsaved(QWidget* parent, const QString& fileName) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kProductName),
                    QCoreApplication::translate("BirthsQuestions", "The births in %1 have changes that are not saved.")
                        .arg(fileName),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(QCoreApplication::translate("BirthsQuestions", "Save them before closing?"));
    box.setDefaultButton(QMessageBox::Save);
    UseDesktopFont(&box);  // a desktop message: the desktop's font, not the forms'
    switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedAnswer::Save;
        case QMessageBox::Discard:
            return UnsavedAnswer::Discard;
        default:
            return UnsavedAnswer::Cancel;
    }
}

bool BoxBirthsQuestions::AskOverwriteChanged(QWidget* parent, const QString& path) {
    QMessageBox box(
        QMessageBox::Warning, QString::fromLatin1(kProductName),
        QCoreApplication::translate("BirthsQuestions", "%1 was changed by another program since it was read.")
            .arg(path),
        QMessageBox::Cancel, parent);
    box.setInformativeText(
        QCoreApplication::translate("BirthsQuestions", "Overwriting it loses that program's changes."));
    QPushButton* overwrite =
        box.addButton(QCoreApplication::translate("BirthsQuestions", "&Overwrite"), QMessageBox::DestructiveRole);
    box.setDefaultButton(QMessageBox::Cancel);
    UseDesktopFont(&box);  // a desktop message: the desktop's font, not the forms'
    box.exec();
    return box.clickedButton() == overwrite;
}

}  // namespace quorvane
