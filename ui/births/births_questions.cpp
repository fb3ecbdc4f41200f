#include "ui/births/births_questions.h"

#include <QMessageBox>
#include <QPushButton>

#include "ui/seams/message_sink.h"

namespace quorvane {

UnsavedAnswer BoxBirthsQuestions::askUnsaved(QWidget* parent, const QString& fileName) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kApplicationTitle),
                    QStringLiteral("The births in %1 have changes that are not saved.").arg(fileName),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setInformativeText(QStringLiteral("Save them before closing?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save: return UnsavedAnswer::Save;
    case QMessageBox::Discard: return UnsavedAnswer::Discard;
    default: return UnsavedAnswer::Cancel;
    }
}

bool BoxBirthsQuestions::askOverwriteChanged(QWidget* parent, const QString& path) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kApplicationTitle),
                    QStringLiteral("%1 was changed by another program since it was read.").arg(path),
                    QMessageBox::Cancel, parent);
    box.setInformativeText(QStringLiteral("Overwriting it loses that program's changes."));
    QPushButton* overwrite = box.addButton(QStringLiteral("&Overwrite"), QMessageBox::DestructiveRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == overwrite;
}

}  // namespace quorvane
