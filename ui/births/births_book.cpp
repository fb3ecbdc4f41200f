// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/births/births_book.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QUndoStack>

#include <cstdio>
#include <functional>
#include <utility>

#include "atlas/birth_clock.h"
#include "births/birth_from_form.h"
#include "births/births_csv.h"
#include "births/births_edits.h"
#include "ui/births/births_window.h"
#include "ui/seams/window_services.h"
#include "ui/births/births_questions.h"
#include "ui/seams/file_chooser.h"
#include "ui/births/birth_form.h"
#include "ui/widgets/language.h"

namespace quorvane {

namespace {
const char* const kBothFilter = QT_TRANSLATE_NOOP(
    "quorvane::BirthsBook", "Births files (*.aaf *.csv);;AAF files (*.aaf);;CSV files (*.csv);;All files (*)");
const char* const kAafFirst =
    QT_TRANSLATE_NOOP("quorvane::BirthsBook", "AAF files (*.aaf);;CSV files (*.csv);;All files (*)");
const char* const kCsvFirst =
    QT_TRANSLATE_NOOP("quorvane::BirthsBook", "CSV files (*.csv);;AAF files (*.aaf);;All files (*)");

std::string ToStd(const QString& text) {
    return text.toStdString();
}

// A path as the system spells it, and back.
std::string PathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
}  // namespace

// One step the Undo command can take back.
class BirthsEdit final : public QUndoCommand {
public:
    BirthsEdit(const QString& text, std::function<void()> redo, std::function<void()> undo)
        : QUndoCommand(text), redo_(std::move(redo)), undo_(std::move(undo)) {}
    void redo() override { redo_(); }
    void undo() override { undo_(); }

private:
    std::function<void()> redo_, undo_;
};

BirthsBook::BirthsBook(UserMessages& messages, FileDialogs& files, RunControl& run, BirthForm& form)
    : QObject(form.FormWindow()),
      messages_(messages),
      files_(files),
      run_(run),
      form_(form),
      ownQuestions_(std::make_unique<BoxBirthsQuestions>()),
      questions_(ownQuestions_.get()),
      undo_(std::make_unique<QUndoStack>()) {
    connect(undo_.get(), &QUndoStack::cleanChanged, this, [this] {
        if (window_) window_->ShowModified(IsModified());
    });
}

BirthsBook::~BirthsBook() {
    disconnect(undo_.get(), nullptr, this, nullptr);
    delete window_.data();
}

BirthsWindow* BirthsBook::Window() const {
    return window_.data();
}

bool BirthsBook::IsModified() const {
    return file_ && !undo_->isClean();
}

QWidget* BirthsBook::DialogParent() const {
    if (window_ && window_->isVisible()) return window_.data();
    return form_.FormWindow();
}

QString BirthsBook::FilePath() const {
    return file_ ? PathText(file_->Path) : QString();
}

QString BirthsBook::DisplayName() const {
    if (!file_ || file_->Path.empty()) return tr("Untitled");
    return QFileInfo(FilePath()).fileName();
}

// ---- the book's contents, changed only through undoable edits

void BirthsBook::InsertBirths(int at, const std::vector<births::Birth>& births) {
    auto& all = file_->Book.Births;
    all.insert(all.begin() + at, births.begin(), births.end());
    if (formEntry_ >= at) formEntry_ += static_cast<int>(births.size());
    emit Changed();
}

void BirthsBook::RemoveBirths(int at, int count) {
    auto& all = file_->Book.Births;
    all.erase(all.begin() + at, all.begin() + at + count);
    if (formEntry_ >= at + count)
        formEntry_ -= count;
    else if (formEntry_ >= at)
        formEntry_ = -1;
    emit Changed();
}

void BirthsBook::ReplaceBirth(int at, births::Birth& birth) {
    std::swap(file_->Book.Births[static_cast<std::size_t>(at)], birth);
    emit Changed();
}

void BirthsBook::Remove(int bookIndex) {
    if (!file_ || bookIndex < 0 || bookIndex >= static_cast<int>(file_->Book.Births.size())) return;
    const births::Birth removed = file_->Book.Births[static_cast<std::size_t>(bookIndex)];
    const QString name = ToQString(removed.Data.Name);
    undo_->push(new BirthsEdit(
        tr("Delete %1").arg(name), [this, bookIndex] { RemoveBirths(bookIndex, 1); },
        [this, bookIndex, removed] { InsertBirths(bookIndex, {removed}); }));
}

void BirthsBook::Choose(int bookIndex) {
    if (!file_ || bookIndex < 0 || bookIndex >= static_cast<int>(file_->Book.Births.size())) return;
    const births::Birth& birth = file_->Book.Births[static_cast<std::size_t>(bookIndex)];
    if (!birth.Error.empty()) return;
    form_.ShowBirth(birth);
    formEntry_ = bookIndex;
    formEntryName_ = birth.Data.Name;
}

// ---- the File menu

void BirthsBook::OpenBirths() {
    // Unsaved changes are asked about once a file is chosen (in Open), not before.
    const QString dir = file_ && !file_->Path.empty() ? QFileInfo(FilePath()).absolutePath() : QDir::homePath();
    const QString path = files_.Files().OpenFile(DialogParent(), tr("Open Births"), dir, tr(kBothFilter));
    if (!path.isEmpty()) Open(path);
}

bool BirthsBook::Open(const QString& path) {
    // Asked to open the file that is open: it is read again only when another program changed it.
    if (file_ && QFileInfo(FilePath()) == QFileInfo(path) && !IsModified() && !file_->ChangedOnDisk()) {
        ShowWindow();
        return true;
    }
    if (!AskAboutUnsaved(DialogParent())) return false;
    BirthsFile::Opened opened = BirthsFile::Read(PathBytes(path));
    if (!opened.File) {
        messages_.ShowMessage(
            tr("%1 could not be opened: %2.").arg(QDir::toNativeSeparators(path), UiText(opened.Refusal)),
            MessageIcon::Error, DialogParent());
        return false;
    }
    opened.File->Path = PathBytes(QFileInfo(path).absoluteFilePath());
    TakeLocalMeanTimes(opened.File->Book);
    Adopt(std::move(*opened.File));
    Remember(FilePath());
    ShowWindow();
    if (const int unreadable = file_->UnreadableCount()) {
        messages_.ShowMessage(tr("%1 of the records in %2 could not be read. They are listed with their line "
                                 "and reason, and kept as they are when the file is saved.")
                                  .arg(unreadable)
                                  .arg(DisplayName()),
                              MessageIcon::Information, DialogParent());
    }
    return true;
}

void BirthsBook::TakeLocalMeanTimes(births::Book& book) {
    // A record without its zone is read in local mean time where the nearest town of the atlas kept it then;
    // the record itself stays as the file wrote it until it is edited.
    TakeLocalMeanTimesWhereKept(book, [] {
        const Atlas& atlas = Atlas::Builtin();
        return atlas.Problem().empty() ? &atlas : nullptr;
    });
}

void BirthsBook::Adopt(BirthsFile file) {
    file_ = std::move(file);
    undo_->clear();
    formEntry_ = -1;
    formEntryName_.clear();
    emit Changed();
    if (window_) window_->ShowModified(false);
}

void BirthsBook::SaveToBirths() {
    std::optional<births::Birth> birth = BirthFromForm();
    if (!birth) return;
    if (!file_) {
        const QString path =
            files_.Files().SaveFile(form_.FormWindow(), tr("Save to Births"),
                                    QDir::home().filePath(QStringLiteral("Births.aaf")), tr(kAafFirst));
        if (path.isEmpty()) return;
        if (QFileInfo::exists(path)) {
            // The user chose a births file that is there already: the birth is added to it.
            if (!Open(path)) return;
        } else {
            BirthsFile fresh;
            fresh.Format = FormatOfPath(PathBytes(path));
            fresh.Path = PathBytes(QFileInfo(path).absoluteFilePath());
            Adopt(std::move(fresh));
        }
    }
    const bool update = formEntry_ >= 0 && formEntryName_ == birth->Data.Name;
    if (update) {
        const int at = formEntry_;
        if (!births::SameBirth(file_->Book.Births[static_cast<std::size_t>(at)], *birth)) {
            auto swapped = std::make_shared<births::Birth>(std::move(*birth));
            undo_->push(new BirthsEdit(
                tr("Update %1").arg(ToQString(swapped->Data.Name)), [this, at, swapped] { ReplaceBirth(at, *swapped); },
                [this, at, swapped] { ReplaceBirth(at, *swapped); }));
        }
    } else {
        const int at = static_cast<int>(file_->Book.Births.size());
        const births::Birth added = *birth;
        undo_->push(new BirthsEdit(
            tr("Add %1").arg(ToQString(added.Data.Name)), [this, at, added] { InsertBirths(at, {added}); },
            [this, at] { RemoveBirths(at, 1); }));
        formEntry_ = at;
        formEntryName_ = added.Data.Name;
    }
    ShowWindow(false);  // the focus stays on the form the user is typing in
    if (IsModified() || file_->Stamp.empty()) Save();
}

bool BirthsBook::Save() {
    if (!file_) return false;
    if (file_->Path.empty()) return SaveBirthsAs();
    return WriteTo(FilePath(), file_->Format);
}

bool BirthsBook::SaveBirthsAs() {
    if (!file_) {
        messages_.ShowMessage(tr("No births file is open: open one, or save a birth with Save to Births."),
                              MessageIcon::Information, form_.FormWindow());
        return false;
    }
    const QString proposed = !file_->Path.empty() ? FilePath() : QDir::home().filePath(QStringLiteral("Births.aaf"));
    QString path = files_.Files().SaveFile(DialogParent(), tr("Save Births As"), proposed,
                                           tr(file_->Format == BirthsFormat::Csv ? kCsvFirst : kAafFirst));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".aaf");
    return WriteTo(QFileInfo(path).absoluteFilePath(), FormatOfPath(PathBytes(path)));
}

bool BirthsBook::WriteTo(const QString& path, BirthsFormat format) {
    // Only the file this book was read from can have been changed behind its back.
    if (path == FilePath() && file_->ChangedOnDisk() && !questions_->AskOverwriteChanged(DialogParent(), path))
        return false;
    const QString failure = UiText(file_->WriteTo(PathBytes(path), format));
    if (!failure.isEmpty()) {
        messages_.ShowMessage(tr("The births could not be saved to %1: %2. They are kept here; "
                                 "save them elsewhere with Save Births As.")
                                  .arg(QDir::toNativeSeparators(path), failure),
                              MessageIcon::Error, DialogParent());
        return false;
    }
    undo_->setClean();
    Remember(path);
    if (window_) window_->ShowTitle(DisplayName());
    if (format == BirthsFormat::Csv) {
        const auto left = std::count_if(file_->Book.Births.begin(), file_->Book.Births.end(),
                                        [](const births::Birth& b) { return !births::CsvCanHold(b); });
        if (left > 0)
            messages_.ShowMessage(tr("%1 of the births give no zone or could not be read; CSV cannot hold "
                                     "them and they were left out of %2. Save as AAF to keep them.")
                                      .arg(left)
                                      .arg(DisplayName()),
                                  MessageIcon::Information, DialogParent());
    }
    return true;
}

void BirthsBook::Import() {
    const bool csvBook = file_ && file_->Format == BirthsFormat::Csv;
    const QString dir = file_ && !file_->Path.empty() ? QFileInfo(FilePath()).absolutePath() : QDir::homePath();
    const QString path =
        files_.Files().OpenFile(DialogParent(), tr("Import Births"), dir, tr(csvBook ? kAafFirst : kCsvFirst));
    if (path.isEmpty()) return;
    BirthsFile::Opened opened = BirthsFile::Read(PathBytes(path));
    if (!opened.File) {
        messages_.ShowMessage(
            tr("%1 could not be imported: %2.").arg(QDir::toNativeSeparators(path), UiText(opened.Refusal)),
            MessageIcon::Error, DialogParent());
        return;
    }
    TakeLocalMeanTimes(opened.File->Book);
    if (!file_) {
        BirthsFile fresh;  // not saved anywhere yet: Save asks where
        Adopt(std::move(fresh));
    }
    std::vector<births::Birth> added;
    int unreadable = 0;
    for (births::Birth& birth : opened.File->Book.Births) {
        if (!birth.Error.empty()) {
            ++unreadable;
            continue;
        }
        if (opened.File->Format != file_->Format) {
            // Written anew in this book's format; a CSV line is no chunk to keep in an AAF record.
            birth.Modified = true;
            if (opened.File->Format == BirthsFormat::Csv) birth.Lines.clear();
        }
        added.push_back(std::move(birth));
    }
    if (!added.empty()) {
        const int at = static_cast<int>(file_->Book.Births.size());
        const int count = static_cast<int>(added.size());
        undo_->push(new BirthsEdit(
            tr("Import %1").arg(QFileInfo(path).fileName()), [this, at, added] { InsertBirths(at, added); },
            [this, at, count] { RemoveBirths(at, count); }));
    }
    ShowWindow();
    QString text = tr("%1 births imported from %2.").arg(added.size()).arg(QFileInfo(path).fileName());
    if (unreadable > 0) text += tr(" %1 records could not be read and were not imported.").arg(unreadable);
    messages_.ShowMessage(text, MessageIcon::Information, DialogParent());
}

// ---- closing and quitting

bool BirthsBook::AskAboutUnsaved(QWidget* parent) {
    if (!IsModified()) return true;
    switch (questions_->AskUnsaved(parent, DisplayName())) {
        case UnsavedAnswer::Save:
            return Save();
        case UnsavedAnswer::Discard:
            return true;
        case UnsavedAnswer::Cancel:
            break;
    }
    return false;
}

bool BirthsBook::Close() {
    if (!AskAboutUnsaved(DialogParent())) return false;
    file_.reset();
    undo_->clear();
    formEntry_ = -1;
    formEntryName_.clear();
    emit Changed();
    return true;
}

bool BirthsBook::MayQuit() {
    return AskAboutUnsaved(DialogParent());
}

bool BirthsBook::Quitting() const {
    return run_.Quitting();
}

// ---- from the form

std::optional<births::Birth> BirthsBook::BirthFromForm() {
    const BirthFormValues form = form_.CollectBirthForm();
    const bool fromFile = file_ && formEntry_ >= 0 && formEntryName_ == form.Name;
    const BirthForm::PlaceTexts place = form_.PlaceFields();
    births::FormBirth birth =
        births::BirthFromForm(form, fromFile ? &file_->Book.Births[static_cast<std::size_t>(formEntry_)] : nullptr,
                              ToStd(place.City), ToStd(place.State), ToStd(place.Country));
    if (!birth.Check.Ok)
        messages_.ShowMessage(birth.Check.Message, form_.FormWindow());
    else if (birth.NoZone)
        messages_.ShowMessage(tr("Choose a time zone first."), MessageIcon::Error, form_.FormWindow());
    return std::move(birth.Value);
}

// ---- the list window and the recent files

void BirthsBook::ShowWindow(bool activate) {
    if (!window_) {
        window_ = new BirthsWindow(*this);
        const QRect form = form_.FormWindow()->frameGeometry();
        window_->move(form.right() + 8, form.top());
    }
    window_->ShowTitle(DisplayName());
    window_->ShowModified(IsModified());
    window_->show();
    window_->raise();
    if (activate) window_->activateWindow();
}

void BirthsBook::Remember(const QString& path) {
    if (const QString failed = recent_.Remember(path); !failed.isEmpty()) TellSettingsFailure(failed);
}

void BirthsBook::Forget(const QString& path) {
    if (const QString failed = recent_.Forget(path); !failed.isEmpty()) TellSettingsFailure(failed);
}

void BirthsBook::TellSettingsFailure(const QString& where) {
    if (std::exchange(settingsFailureTold_, true)) {
        std::fprintf(stderr, "quorvane: the recent births files could not be saved to %s\n", qUtf8Printable(where));
        return;
    }
    messages_.ShowMessage(tr("The list of recent births files could not be saved to %1. Open Recent will "
                             "not offer them after Quorvane ends.")
                              .arg(where),
                          MessageIcon::Information, DialogParent());
}

void BirthsBook::FillRecentMenu(QMenu* menu) {
    menu->clear();
    const QStringList recent = RecentFiles();
    if (recent.isEmpty()) {
        menu->addAction(tr("No Recent Births Files"))->setEnabled(false);
        return;
    }
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (!Open(path) && !QFileInfo::exists(path)) Forget(path);  // gone: no longer offered
        });
    }
}

}  // namespace quorvane
