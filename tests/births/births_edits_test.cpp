// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A births book being edited: the birth the form was filled from is followed through deletes and Undo,
// so that saving the form updates that birth, or adds one when it is gone.
#include <gtest/gtest.h>

#include "births/births_edits.h"

using namespace quorvane;
using namespace quorvane::births;

namespace {

constexpr std::string_view kThree =
    "#A93:Okafor,Ada,f,12.3.1975,6:05,Lagos,WAN\n#B93:*,6n27,3e24,1he,0\n"
    "#A93:Berger,Paul,m,1.5.1960,10:00,Wien,A\n#B93:*,48n13,16e22,1he,0\n"
    "#A93:Sato,Yuki,f,1.3.1905,6:00,Osaka,J\n#B93:*,34n41,135e30,9he,0\n";

EditedBook Opened() {
    BirthsFile::Opened opened = BirthsFile::Parse(kThree, "three.aaf");
    EditedBook book;
    book.Adopt(std::move(*opened.File));
    return book;
}

Birth Changed(const EditedBook& book, int index, int hour) {
    Birth birth = book.File().Book.Births[static_cast<std::size_t>(index)];
    birth.Data.Hour = static_cast<std::int16_t>(hour);
    birth.Modified = true;
    return birth;
}

}  // namespace

TEST(EditedBook, TheFormsBirthIsFollowedThroughDeletesAndUndo) {
    EditedBook book = Opened();
    ASSERT_TRUE(book.Choose(2));
    book.Remove(0);  // before the form's birth: it moves up one
    EXPECT_EQ(book.FormEntryIndex(), 1);
    EXPECT_EQ(book.Save(Changed(book, 1, 7)), EditedBook::Saved::Updated);
    EXPECT_EQ(book.File().Book.Births[1].Data.Hour, 7);
    ASSERT_TRUE(book.Undo());  // the update
    ASSERT_TRUE(book.Undo());  // the delete: Ada is back in front, the form's birth one down again
    EXPECT_EQ(book.FormEntryIndex(), 2);
    EXPECT_EQ(WriteAaf(book.File().Book), kThree);

    book.Remove(2);  // the form's birth itself: the form now holds none, and saving adds
    EXPECT_EQ(book.FormEntry("Yuki Sato"), nullptr);
    Birth again = Opened().File().Book.Births[2];
    EXPECT_EQ(book.Save(again), EditedBook::Saved::Added);
    EXPECT_EQ(book.File().Book.Births.size(), 3u);
    EXPECT_EQ(book.UndoStep().Kind, "Add");
}

TEST(EditedBook, ANewNameIsANewBirthAndUnreadableRecordsAreNotChosen) {
    BirthsFile::Opened opened = BirthsFile::Parse(
        std::string(kThree) + "#A93:Bad,Date,m,31.2.1975,6:05,X,Y\n#B93:*,6n27,3e24,1he,0\n", "x.aaf");
    EditedBook book;
    book.Adopt(std::move(*opened.File));
    EXPECT_FALSE(book.Choose(3));
    EXPECT_FALSE(book.Choose(4));
    ASSERT_TRUE(book.Choose(1));
    Birth renamed = Changed(book, 1, 10);
    renamed.Data.Name = "Paula Berger";
    EXPECT_EQ(book.FormEntry(renamed.Data.Name), nullptr);
    EXPECT_EQ(book.Save(renamed), EditedBook::Saved::Added);
    EXPECT_EQ(book.File().Book.Births.size(), 5u);
    EXPECT_EQ(book.File().Book.Births[1].Data.Name, "Paul Berger");
}
