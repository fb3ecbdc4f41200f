#pragma once
// Choosing a file to open or a place to save one. An interface, so that tests hand over a path
// without a dialog; the default asks the user with the desktop's file dialog.

#include <QString>

class QWidget;

namespace quorvane {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file, or an empty text when the user cancelled.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) = 0;
    // Where to save, starting from `proposedPath`; empty when the user cancelled.
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& proposedPath,
                             const QString& filter) = 0;
};

class DialogFileChooser final : public FileChooser {
public:
    QString openFile(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& proposedPath,
                     const QString& filter) override;
};

}  // namespace quorvane
