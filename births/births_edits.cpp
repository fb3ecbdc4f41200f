// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "births/births_edits.h"

#include <utility>

namespace quorvane::births {

bool SameBirth(Birth a, Birth b) {
    a.Modified = b.Modified = true;
    Book one, other;
    one.Births = {std::move(a)};
    other.Births = {std::move(b)};
    return WriteAaf(one) == WriteAaf(other);
}

void EditedBook::Adopt(BirthsFile file) {
    file_ = std::move(file);
    undo_.clear();
    formEntry_ = -1;
    formEntryName_.clear();
}

void EditedBook::Insert(int at, std::vector<Birth> births) {
    auto& all = file_.Book.Births;
    const int count = static_cast<int>(births.size());
    all.insert(all.begin() + at, std::make_move_iterator(births.begin()), std::make_move_iterator(births.end()));
    if (formEntry_ >= at) formEntry_ += count;
}

std::vector<Birth> EditedBook::Take(int at, int count) {
    auto& all = file_.Book.Births;
    std::vector<Birth> taken(std::make_move_iterator(all.begin() + at),
                             std::make_move_iterator(all.begin() + at + count));
    all.erase(all.begin() + at, all.begin() + at + count);
    if (formEntry_ >= at + count)
        formEntry_ -= count;
    else if (formEntry_ >= at)
        formEntry_ = -1;
    return taken;
}

EditedBook::Imported EditedBook::Import(BirthsFile other) {
    Imported out;
    const BirthsFormat from = other.Format;
    const std::string fileName = other.Path;
    if (file_.Book.Births.empty()) {
        std::vector<Birth> births = std::exchange(other.Book.Births, {});
        file_.Path = other.Path;
        file_.Format = from;
        file_.Book = other.Book;  // its layout: the births are added below
        other.Book.Births = std::move(births);
    }
    std::vector<Birth> added;
    for (Birth& birth : other.Book.Births) {
        if (!birth.Error.empty()) {
            ++out.Unreadable;
            continue;
        }
        if (from != file_.Format) {
            birth.Modified = true;
            if (from == BirthsFormat::Csv) birth.Lines.clear();
        }
        added.push_back(std::move(birth));
    }
    out.Added = static_cast<int>(added.size());
    if (added.empty()) return out;
    const int at = static_cast<int>(file_.Book.Births.size());
    Insert(at, std::move(added));
    undo_.push_back({Edit::Undoing::TakeOut, at, out.Added, {}, {"Import", fileName}});
    return out;
}

bool EditedBook::Choose(int index) {
    if (index < 0 || index >= static_cast<int>(file_.Book.Births.size())) return false;
    const Birth& birth = file_.Book.Births[static_cast<std::size_t>(index)];
    if (!birth.Error.empty()) return false;
    formEntry_ = index;
    formEntryName_ = birth.Data.Name;
    return true;
}

const Birth* EditedBook::FormEntry(const std::string& formName) const {
    if (formEntry_ < 0 || formEntryName_ != formName) return nullptr;
    return &file_.Book.Births[static_cast<std::size_t>(formEntry_)];
}

EditedBook::Saved EditedBook::Save(Birth birth) {
    if (FormEntry(birth.Data.Name)) {
        Birth& kept = file_.Book.Births[static_cast<std::size_t>(formEntry_)];
        if (SameBirth(kept, birth)) return Saved::Unchanged;
        std::swap(kept, birth);
        undo_.push_back({Edit::Undoing::SwapBack, formEntry_, 1, {std::move(birth)}, {"Update", kept.Data.Name}});
        return Saved::Updated;
    }
    const int at = static_cast<int>(file_.Book.Births.size());
    std::string name = birth.Data.Name;
    Insert(at, {std::move(birth)});
    undo_.push_back({Edit::Undoing::TakeOut, at, 1, {}, {"Add", name}});
    formEntry_ = at;
    formEntryName_ = std::move(name);
    return Saved::Added;
}

void EditedBook::Remove(int index) {
    if (index < 0 || index >= static_cast<int>(file_.Book.Births.size())) return;
    std::vector<Birth> removed = Take(index, 1);
    std::string name = removed.front().Data.Name;
    undo_.push_back({Edit::Undoing::PutBack, index, 1, std::move(removed), {"Delete", std::move(name)}});
}

EditedBook::Step EditedBook::UndoStep() const {
    return undo_.empty() ? Step{} : undo_.back().Says;
}

bool EditedBook::Undo() {
    if (undo_.empty()) return false;
    Edit edit = std::move(undo_.back());
    undo_.pop_back();
    switch (edit.Does) {
        case Edit::Undoing::TakeOut:
            Take(edit.At, edit.Count);
            break;
        case Edit::Undoing::PutBack:
            Insert(edit.At, std::move(edit.Births));
            break;
        case Edit::Undoing::SwapBack:
            std::swap(file_.Book.Births[static_cast<std::size_t>(edit.At)], edit.Births.front());
            break;
    }
    return true;
}

}  // namespace quorvane::births
