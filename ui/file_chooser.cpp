#include "ui/file_chooser.h"

#include <QFileDialog>

namespace quorvane {

QString DialogFileChooser::openFile(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString DialogFileChooser::saveFile(QWidget* parent, const QString& caption, const QString& proposedPath,
                                    const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, proposedPath, filter);
}

}  // namespace quorvane
