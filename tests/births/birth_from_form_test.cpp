// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The birth-data form turned into a births-book birth: a row, a typed offset or local mean time, the
// birth it was filled from, and what the form refuses.
#include <gtest/gtest.h>

#include "births/birth_from_form.h"

using namespace quorvane;
using namespace quorvane::births;

namespace {

BirthFormValues Sita() {
    BirthFormValues form;
    form.Name = "SITA";
    form.LongitudeDegrees = "85", form.LongitudeMinutes = "19", form.LatitudeDegrees = "27",
    form.LatitudeMinutes = "42";
    form.MonthPosition = 3, form.DayPosition = 3, form.Year = 1990, form.YearPosition = 1990 - kFirstYear;
    form.Hour = 6, form.Minute = 15;
    form.ZoneIndex = 34;  // Indian Time, +5:30
    return form;
}

std::string Written(const Birth& birth) {
    Book book;
    book.Births = {birth};
    return WriteAaf(book);
}

}  // namespace

TEST(BirthFromForm, ARowATypedOffsetOrLocalMeanTime) {
    const FormBirth row = BirthFromForm(Sita(), nullptr, "Kathmandu", "", "NEP");
    ASSERT_TRUE(row.Value);
    EXPECT_EQ(row.Value->ZoneRow, 34);
    EXPECT_EQ(row.Value->Place, "Kathmandu");
    EXPECT_EQ(row.Value->Data.Day, 4);
    EXPECT_EQ(Written(*row.Value),
              "#A93:SITA,*,*,4.4.1990,6:15,Kathmandu,NEP\n#B93:*,27n42,85e19,5he30,0\n#ZNAM:IST\n#QZROW:34\n");

    // A typed offset is the birth's own, said to be one, so that it is written out and read back exactly.
    BirthFormValues typed = Sita();
    typed.ZoneIndex = -1;
    typed.ExactOffset = ZoneOffset{-5, -45, 0};
    const FormBirth offset = BirthFromForm(typed, nullptr, "Kathmandu", "Bagmati", "NEP");
    ASSERT_TRUE(offset.Value);
    EXPECT_EQ(offset.Value->ZoneRow, -1);
    EXPECT_EQ(offset.Value->Clock, ClockKind::Offset);
    EXPECT_EQ(offset.Value->Place, "Kathmandu/Bagmati");
    const Book back = ReadAaf(Written(*offset.Value));
    ASSERT_EQ(back.Births.size(), 1u);
    EXPECT_EQ(back.Births[0].StandardOffset, (ZoneOffset{-5, -45, 0}));
    EXPECT_EQ(back.Births[0].Clock, ClockKind::Offset);

    BirthFormValues lmt = Sita();
    lmt.ZoneIndex = -1;
    lmt.LocalMeanTime = true;
    const FormBirth local = BirthFromForm(lmt, nullptr, "", "", "");
    ASSERT_TRUE(local.Value);
    EXPECT_EQ(local.Value->Clock, ClockKind::LocalMeanTime);
    EXPECT_NE(Written(*local.Value).find("#QCLOCK:LMT"), std::string::npos);
}

TEST(BirthFromForm, TheBirthItWasFilledFromKeepsItsChunksAndItsOffset) {
    const Book book =
        ReadAaf("#A93:Shrestha,Sita,f,4.4.1990,6:15,Kathmandu,NEP\n#B93:*,27n42,85e19,5he45,0\n#SRC:kept\n");
    const Birth& filed = book.Births.at(0);
    BirthFormValues form = Sita();
    form.Name = "Sita Shrestha";
    form.ZoneIndex = -1;  // the form names no row: the file's exact offset stays
    form.Minute = 20;
    const FormBirth kept = BirthFromForm(form, &filed, "Kathmandu", "", "NEP");
    ASSERT_TRUE(kept.Value);
    EXPECT_EQ(kept.Value->StandardOffset, filed.StandardOffset);
    EXPECT_EQ(kept.Value->Data.Minute, 20);
    EXPECT_EQ(Written(*kept.Value),
              "#A93:Shrestha,Sita,f,4.4.1990,6:20,Kathmandu,NEP\n#B93:*,27n42,85e19,5he45,0\n#SRC:kept\n");

    form.ZoneIndex = 34;  // a row chosen instead: the note about the offset goes
    const FormBirth row = BirthFromForm(form, &filed, "Kathmandu", "", "NEP");
    ASSERT_TRUE(row.Value);
    EXPECT_EQ(row.Value->ZoneRow, 34);
    EXPECT_TRUE(row.Value->Notes.empty());
}

TEST(BirthFromForm, WhatTheFormRefuses) {
    BirthFormValues blank = Sita();
    blank.Name = "  ";
    const FormBirth refused = BirthFromForm(blank, nullptr, "", "", "");
    EXPECT_FALSE(refused.Value);
    EXPECT_FALSE(refused.Check.Ok);
    EXPECT_EQ(refused.Check.Message.Text, "Please Enter Name");

    BirthFormValues noZone = Sita();
    noZone.ZoneIndex = -1;
    const FormBirth none = BirthFromForm(noZone, nullptr, "", "", "");
    EXPECT_FALSE(none.Value);
    EXPECT_TRUE(none.Check.Ok);
    EXPECT_TRUE(none.NoZone);
}
