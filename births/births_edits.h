// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A births book being edited: births added from the form or imported from another file, updated,
// deleted, each step taken back by Undo, and which birth the form was filled from. No Qt: the browser
// edition keeps its book with it.

#include <string>
#include <vector>

#include "births/births_file.h"

namespace quorvane::births {

// Two births are the same when they would be written alike.
bool SameBirth(Birth a, Birth b);

class EditedBook {
public:
    const BirthsFile& File() const { return file_; }
    // A book read or kept elsewhere takes the place of this one: no undo, no birth on the form.
    void Adopt(BirthsFile file);

    struct Imported {
        int Added = 0;
        int Unreadable = 0;  // records of the other file that could not be read: not imported
    };
    // The readable births of another file, after this book's own (one step of Undo). Births of a file in
    // the other format are written anew in this book's; a CSV line is no chunk to keep in an AAF record.
    // A book without births takes the file's name, format and layout (its lines before the first record,
    // encoding and line ends), so that it is written back as the file was.
    Imported Import(BirthsFile other);

    // The form is filled from a birth; false for one that cannot be read.
    bool Choose(int index);
    // The birth the form was filled from while the form keeps its name, else nothing.
    const Birth* FormEntry(const std::string& formName) const;
    int FormEntryIndex() const { return formEntry_; }

    enum class Saved { Added, Updated, Unchanged };
    // The form's birth: it replaces the birth the form was filled from while the name is the same, else
    // it is added at the end and becomes the form's entry.
    Saved Save(Birth birth);

    void Remove(int index);
    bool CanUndo() const { return !undo_.empty(); }
    // What Undo takes back ("Delete", "Add", "Update" or "Import") and the name or file it concerns.
    struct Step {
        std::string Kind, Subject;
    };
    Step UndoStep() const;
    bool Undo();

private:
    struct Edit {
        // What Undo does: take out the Count births inserted at At, put Births back at At, or swap
        // Births[0] (the birth before an update) back in at At.
        enum class Undoing { TakeOut, PutBack, SwapBack } Does;
        int At = 0;
        int Count = 0;
        std::vector<Birth> Births;
        Step Says;
    };
    void Insert(int at, std::vector<Birth> births);
    std::vector<Birth> Take(int at, int count);

    BirthsFile file_;
    std::vector<Edit> undo_;  // the last step last
    int formEntry_ = -1;
    std::string formEntryName_;
};

}  // namespace quorvane::births
