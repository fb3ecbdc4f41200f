// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The births book behind the birth-data form: opening, saving and importing births files, the list
// window, deleting with undo, and the few recent files remembered once the user has used a file.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "births/births_file.h"
#include "ui/births/recent_births_files.h"

class QMenu;
class QUndoStack;

namespace quorvane {

class FileDialogs;
class RunControl;
class UserMessages;
class BirthsQuestions;
class BirthsWindow;
class BirthForm;

class BirthsBook final : public QObject {
    Q_OBJECT
public:
    BirthsBook(UserMessages& messages, FileDialogs& files, RunControl& run, BirthForm& form);
    ~BirthsBook() override;

    // Injection points; the defaults are message boxes and the user's settings. Files are chosen through
    // `files`' chooser.
    void SetQuestions(BirthsQuestions& questions) { questions_ = &questions; }
    void SetSettingsFile(const QString& path) { recent_.SetSettingsFile(path); }

    // The commands of the File menu.
    void OpenBirths();
    void SaveToBirths();
    bool SaveBirthsAs();
    void Import();
    // Opens a births file (asking first about unsaved changes); false when it is not open afterwards.
    bool Open(const QString& path);
    // Saves the book to its own file (asks where when it has none); false when nothing was saved.
    bool Save();
    // Closes the book, asking first when it has unsaved changes; false when the user keeps it.
    bool Close();
    // Asked before the run ends: true when nothing unsaved stands in the way.
    bool MayQuit();
    bool Quitting() const;

    const BirthsFile* File() const { return file_ ? &*file_ : nullptr; }
    // The open file's path, or empty when none is open or it is not saved anywhere yet.
    QString FilePath() const;
    bool IsModified() const;
    QUndoStack& Undo() const { return *undo_; }
    BirthsWindow* Window() const;
    // Fills the birth-data form with a birth of the book.
    void Choose(int bookIndex);
    // Removes a birth; Undo puts it back.
    void Remove(int bookIndex);
    // The book position the form was filled from, or -1.
    int FormEntry() const { return formEntry_; }

    QStringList RecentFiles() const { return recent_.Files(); }
    void FillRecentMenu(QMenu* menu);

signals:
    // Births were added, removed or replaced, or another book was opened.
    void Changed();

private:
    friend class BirthsEdit;
    void InsertBirths(int at, const std::vector<births::Birth>& births);
    void RemoveBirths(int at, int count);
    void ReplaceBirth(int at, births::Birth& birth);

    std::optional<births::Birth> BirthFromForm();
    bool AskAboutUnsaved(QWidget* parent);
    bool WriteTo(const QString& path, BirthsFormat format);
    static void TakeLocalMeanTimes(births::Book& book);
    void Adopt(BirthsFile file);
    void Remember(const QString& path);
    void Forget(const QString& path);
    // The first failure of a run to write the recent files out is told to the user, later ones go to stderr.
    void TellSettingsFailure(const QString& where);
    void ShowWindow(bool activate = true);
    QString DisplayName() const;
    QWidget* DialogParent() const;

    UserMessages& messages_;
    FileDialogs& files_;
    RunControl& run_;
    BirthForm& form_;
    std::unique_ptr<BirthsQuestions> ownQuestions_;
    BirthsQuestions* questions_;
    RecentBirthsFiles recent_;
    bool settingsFailureTold_ = false;
    std::optional<BirthsFile> file_;
    std::unique_ptr<QUndoStack> undo_;
    QPointer<BirthsWindow> window_;
    int formEntry_ = -1;
    std::string formEntryName_;
};

}  // namespace quorvane
