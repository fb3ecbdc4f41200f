// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The births list beside the birth-data form: each birth's name, date and place, a filter box that
// narrows the list as one types, Enter or a double-click to fill the form, Delete with Undo, the
// count, and the records of the file that could not be read with their line and reason.

#include <QWidget>

#include "births/births.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeView;

namespace quorvane {

// Why a birth cannot be read as it stands (births::ReadingRefusal), in the windows' language.
QString ReadingRefusalText(const births::Birth& birth);
// A birth's notes (how its clock was settled), in the windows' language.
QString BirthNotesText(const births::Birth& birth);
// What the births list says under a birth: how a birth no row has is read (its note), or why it cannot be.
QString BirthNoteText(const births::Birth& birth);

class BirthsBook;
class BirthsListModel;

class BirthsWindow final : public QWidget {
    Q_OBJECT
public:
    explicit BirthsWindow(BirthsBook& book, QWidget* parent = nullptr);
    ~BirthsWindow() override;

    void ShowTitle(const QString& fileName);
    void ShowModified(bool modified);

    BirthsListModel& Model() const { return *model_; }
    QTreeView* List() const { return list_; }
    QLineEdit* FilterBox() const { return filter_; }
    QString CountText() const;

    // The birth of the current row fills the form.
    void ChooseCurrent();
    // The birth of the current row is removed.
    void DeleteCurrent();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The constructor's three steps: the controls with their names, their places, what they do.
    void MakeControls();
    void LayOutControls();
    void ConnectCommands();
    void Refill();
    void ShowCount();
    void ShowNote();
    int CurrentBookIndex() const;
    void SelectRow(int row);

    BirthsBook& book_;
    BirthsListModel* model_;
    QLineEdit* filter_;
    QTreeView* list_;
    QLabel* count_;
    QLabel* note_;
    QLabel* unreadableTitle_;
    QListWidget* unreadable_;
    QPushButton* choose_;
    QPushButton* delete_;
    QPushButton* undo_;
    QPushButton* close_;
    QLabel* filterLabel_;
    QAction* undoAction_;
};

}  // namespace quorvane
