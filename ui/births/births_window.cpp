// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/births/births_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QUndoStack>
#include <QVBoxLayout>

#include "ui/a11y/accessibility.h"
#include "ui/births/births_book.h"
#include "ui/births/births_list_model.h"
#include "ui/style/look.h"
#include "ui/widgets/language.h"
#include "ui/widgets/text.h"

namespace quorvane {

namespace {

// "Line 6 (Ada Okafor): the date ..." : the record's name beside its line, when the record gives one.
QString UnreadableText(const births::Birth& birth) {
    const QString name = ToQString(births::RecordName(birth));
    const QString where = name.isEmpty() ? BirthsWindow::tr("Line %1").arg(birth.Line)
                                         : BirthsWindow::tr("Line %1 (%2)").arg(birth.Line).arg(name);
    return where + QStringLiteral(": ") + UiText(birth.Error);
}

}  // namespace

QString ReadingRefusalText(const births::Birth& birth) {
    return UiText(births::ReadingRefusal(birth));
}

QString BirthNotesText(const births::Birth& birth) {
    return UiText(births::NotesSentence(birth));
}

QString BirthNoteText(const births::Birth& birth) {
    if (!births::HasExactOffset(birth)) return ReadingRefusalText(birth);
    return BirthNotesText(birth);
}

BirthsWindow::BirthsWindow(BirthsBook& book, QWidget* parent)
    : QWidget(parent, Qt::Window), book_(book), model_(new BirthsListModel(this)) {
    setObjectName(QStringLiteral("BirthsWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    ApplyUiFont(this);
    InstallAccessibleInterfaces();

    MakeControls();
    LayOutControls();
    ConnectCommands();
    setTabOrder(filter_, list_);
    LetReturnPressFocusedButtons(this);
    // The list window keeps the desktop's own light look, whose focus frame shows on it.
    Refill();
}

BirthsWindow::~BirthsWindow() = default;

void BirthsWindow::MakeControls() {
    filterLabel_ = new QLabel(tr("&Filter:"), this);
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("birthsFilter"));
    filter_->setPlaceholderText(tr("Name or place"));
    filter_->setClearButtonEnabled(true);
    filterLabel_->setBuddy(filter_);
    NameForAssistiveTechnology(filter_, tr("Filter births by name or place"), tr("Down arrow moves to the list"));

    list_ = new QTreeView(this);
    list_->setObjectName(QStringLiteral("birthsList"));
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);  // 10,000 rows are laid out without measuring each
    list_->setItemsExpandable(false);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setStretchLastSection(true);
    list_->header()->resizeSection(BirthsListModel::NameColumn, 180);
    list_->header()->resizeSection(BirthsListModel::DateColumn, 120);
    NameForAssistiveTechnology(list_, tr("Births"), tr("Enter fills the birth-data form; Delete removes the birth"));
    ReadCurrentRowOnFocus(list_);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("birthsCount"));
    NameForAssistiveTechnology(count_, tr("Number of births"));
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("birthsNote"));
    note_->setWordWrap(true);
    note_->setVisible(false);
    NameForAssistiveTechnology(note_, tr("Note on the chosen birth"));

    unreadableTitle_ = new QLabel(tr("&Records that could not be read:"), this);
    unreadable_ = new QListWidget(this);
    unreadable_->setObjectName(QStringLiteral("birthsUnreadable"));
    unreadable_->setMaximumHeight(90);
    unreadableTitle_->setBuddy(unreadable_);
    NameForAssistiveTechnology(unreadable_, tr("Records that could not be read, with line and reason"));

    choose_ = new QPushButton(tr("F&ill Form"), this);
    choose_->setObjectName(QStringLiteral("birthsChoose"));
    NameForAssistiveTechnology(choose_, tr("Fill the birth-data form with the chosen birth"));
    delete_ = new QPushButton(tr("&Delete"), this);
    delete_->setObjectName(QStringLiteral("birthsDelete"));
    NameForAssistiveTechnology(delete_, tr("Delete the chosen birth"));
    undo_ = new QPushButton(tr("&Undo"), this);
    undo_->setObjectName(QStringLiteral("birthsUndo"));
    NameForAssistiveTechnology(undo_, tr("Undo the last change to the births"));
    close_ = new QPushButton(tr("&Close"), this);
    close_->setObjectName(QStringLiteral("birthsClose"));
    NameForAssistiveTechnology(close_, tr("Close the births file"));
}

void BirthsWindow::LayOutControls() {
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel_);
    filterRow->addWidget(filter_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(count_, 1);
    for (QPushButton* button : {choose_, delete_, undo_, close_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(list_, 1);
    layout->addWidget(note_);
    layout->addWidget(unreadableTitle_);
    layout->addWidget(unreadable_);
    layout->addLayout(buttons);
    resize(520, 460);
}

void BirthsWindow::ConnectCommands() {
    // Delete belongs to the list (see eventFilter): in the filter box it deletes text.
    list_->installEventFilter(this);
    undoAction_ = book_.Undo().createUndoAction(this, tr("&Undo"));
    undoAction_->setObjectName(QStringLiteral("birthsUndoAction"));
    undoAction_->setShortcut(QKeySequence::Undo);
    addAction(undoAction_);
    auto* findAction = new QAction(tr("Find"), this);
    findAction->setShortcut(QKeySequence::Find);
    addAction(findAction);
    connect(findAction, &QAction::triggered, filter_, [this] {
        filter_->setFocus(Qt::ShortcutFocusReason);
        filter_->selectAll();
    });

    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_->SetFilter(text);
        if (model_->ShownCount() > 0) SelectRow(0);
        ShowCount();
    });
    filter_->installEventFilter(this);
    connect(list_, &QAbstractItemView::activated, this, &BirthsWindow::ChooseCurrent);
    connect(choose_, &QPushButton::clicked, this, &BirthsWindow::ChooseCurrent);
    connect(delete_, &QPushButton::clicked, this, &BirthsWindow::DeleteCurrent);
    connect(undo_, &QPushButton::clicked, undoAction_, &QAction::trigger);
    connect(undoAction_, &QAction::changed, this, [this] { undo_->setEnabled(undoAction_->isEnabled()); });
    undo_->setEnabled(undoAction_->isEnabled());
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(&book_, &BirthsBook::Changed, this, &BirthsWindow::Refill);
}

void BirthsWindow::ShowTitle(const QString& fileName) {
    setWindowTitle(tr("Births – %1[*]").arg(fileName));
}

void BirthsWindow::ShowModified(bool modified) {
    setWindowModified(modified);
}

void BirthsWindow::Refill() {
    const int row = list_->currentIndex().isValid() ? list_->currentIndex().row() : 0;
    const BirthsFile* file = book_.File();
    model_->SetBirths(file ? &file->Book.Births : nullptr);
    if (list_->selectionModel())
        connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &BirthsWindow::ShowNote,
                Qt::UniqueConnection);
    if (model_->ShownCount() > 0) SelectRow(std::min(row, model_->ShownCount() - 1));

    unreadable_->clear();
    if (file) {
        for (const births::Birth& birth : file->Book.Births)
            if (!birth.Error.empty()) unreadable_->addItem(UnreadableText(birth));
    }
    unreadableTitle_->setVisible(unreadable_->count() > 0);
    unreadable_->setVisible(unreadable_->count() > 0);
    ShowCount();
    ShowNote();
}

QString BirthsWindow::CountText() const {
    return count_->text();
}

void BirthsWindow::ShowCount() {
    const int all = model_->ReadableCount();
    const int shown = model_->ShownCount();
    if (UiTranslated()) {
        // A translation says the count with the plural its language needs.
        count_->setText(shown == all ? tr("%n birth(s)", nullptr, all)
                                     : tr("%1 of %n birth(s)", nullptr, all).arg(shown));
    } else {
        const QString births = all == 1 ? QStringLiteral("birth") : QStringLiteral("births");
        count_->setText(shown == all ? QStringLiteral("%1 %2").arg(all).arg(births)
                                     : QStringLiteral("%1 of %2 %3").arg(shown).arg(all).arg(births));
    }
    choose_->setEnabled(shown > 0);
    delete_->setEnabled(shown > 0);
}

void BirthsWindow::ShowNote() {
    const int index = CurrentBookIndex();
    const BirthsFile* file = book_.File();
    QString note;
    if (index >= 0 && file) {
        // A birth no row has is read with its exact offset or local mean time: its note says which; any
        // other birth without a row says why it cannot be read.
        const births::Birth& birth = file->Book.Births[static_cast<std::size_t>(index)];
        note = BirthNoteText(birth);
    }
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

int BirthsWindow::CurrentBookIndex() const {
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? model_->BookIndex(current.row()) : -1;
}

void BirthsWindow::SelectRow(int row) {
    list_->setCurrentIndex(model_->index(row, 0));
}

void BirthsWindow::ChooseCurrent() {
    const int index = CurrentBookIndex();
    if (index >= 0) book_.Choose(index);
}

void BirthsWindow::DeleteCurrent() {
    const int index = CurrentBookIndex();
    if (index >= 0) book_.Remove(index);
}

bool BirthsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Delete)) {
        DeleteCurrent();
        return true;
    }
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_PageDown) {
            if (model_->ShownCount() > 0 && !list_->currentIndex().isValid()) SelectRow(0);
            list_->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ChooseCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BirthsWindow::closeEvent(QCloseEvent* event) {
    // When the run ends, unsaved births were asked about before any window closed.
    if (!book_.Quitting() && !book_.Close()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace quorvane
