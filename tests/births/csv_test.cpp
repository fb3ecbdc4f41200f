// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one CSV reader and writer: RFC 4180 quoting, line ends, byte-order mark, and the births book's CSV.
#include <gtest/gtest.h>

#include "births/births.h"
#include "l10n/core_texts.h"
#include "births/births_csv.h"
#include "births/csv.h"

using namespace quorvane;

namespace {

std::vector<csv::Record> All(std::string_view text) {
    csv::Reader reader(text);
    std::vector<csv::Record> records;
    csv::Record record;
    while (reader.Next(record)) records.push_back(record);
    return records;
}

using Fields = std::vector<std::string>;

}  // namespace

TEST(Csv, QuotedFieldsCommasDoubledQuotesAndLineBreaks) {
    const auto records = All("\xEF\xBB\xBFname,x\r\n\"Smith, Jo\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",b\n\nlast,\"\"");
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].Fields, (Fields{"name", "x"}));  // the byte-order mark is no part of the first field
    EXPECT_EQ(records[1].Fields, (Fields{"Smith, Jo", "say \"hi\""}));
    EXPECT_EQ(records[1].Line, 2);
    EXPECT_EQ(records[2].Fields, (Fields{"two\nlines", "b"}));
    EXPECT_EQ(records[2].Text, "\"two\nlines\",b");
    EXPECT_EQ(records[2].Line, 3);
    EXPECT_TRUE(csv::IsBlank(records[3]));
    EXPECT_EQ(records[3].Line, 5);
    EXPECT_EQ(records[4].Fields, (Fields{"last", ""}));
    EXPECT_EQ(records[4].Line, 6);
    for (const auto& r : records) EXPECT_FALSE(r.UnclosedQuote);
}

TEST(Csv, OddInputIsReadWithoutLoss) {
    const auto unclosed = All("a,\"never closed\nb,c\n");
    ASSERT_EQ(unclosed.size(), 1u);
    EXPECT_TRUE(unclosed[0].UnclosedQuote);
    EXPECT_EQ(All("a,b\r").front().Fields, (Fields{"a", "b"}));      // a CR at the very end ends the line
    EXPECT_EQ(All("a\"b,c").front().Fields, (Fields{"a\"b", "c"}));  // a quote inside a bare field is kept
    EXPECT_TRUE(All("").empty());
    EXPECT_EQ(csv::SplitRecord("a,b,,c\r"), (Fields{"a", "b", "", "c"}));
}

TEST(Csv, FieldsAreQuotedOnlyWhenTheyNeedIt) {
    EXPECT_EQ(csv::Field("ASHA"), "ASHA");
    EXPECT_EQ(csv::Field("Smith, Jo"), "\"Smith, Jo\"");
    EXPECT_EQ(csv::Field("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csv::Field(" padded"), "\" padded\"");
    for (const std::string value : {"a,b", "\"", "line\nbreak", "cr\r\nlf", " x ", "R\u00f6ntgen"})
        EXPECT_EQ(csv::SplitRecord(csv::Field(value)), (Fields{value})) << value;
}

TEST(Csv, TheBirthsBookReadsQuotedNamesAndWritesThemBack) {
    const births::Book book = births::ReadCsv(
        "\xEF\xBB\xBFname,date,time,zone,dst,lat,lon\r\n\"ASHA\",1985-06-15,07:30,29,0,40N42,74W00\r\n"
        "\"Smith, \"\"Jo\"\"\",1985-06-15,07:30:20,29,1,40n42,74w00\r\n"
        "BAD,1985-02-30,07:30,29,0,40N42,74W00\r\n");
    ASSERT_EQ(book.Births.size(), 3u);
    EXPECT_EQ(book.Births[0].Data.Name, "ASHA");
    EXPECT_EQ(book.Births[1].Data.Name, "Smith, \"Jo\"");
    EXPECT_EQ(book.Births[1].Data.Second, 20);
    EXPECT_EQ(book.Births[2].Line, 4);
    // The date is quoted as the line wrote it.
    EXPECT_EQ(l10n::English(book.Births[2].Error),
              "the day 30 of the date \"1985-02-30\" does not exist in February 1985");
    const std::string written = births::WriteCsv(book);
    EXPECT_EQ(written,
              "name,date,time,zone,dst,lat,lon\nASHA,1985-06-15,07:30,29,0,40N42,74W00\n"
              "\"Smith, \"\"Jo\"\"\",1985-06-15,07:30:20,29,1,40N42,74W00\n");
    EXPECT_EQ(births::ReadCsv(written).Births[1].Data.Name, "Smith, \"Jo\"");
    EXPECT_EQ(births::ReadCsv(written).Births[1].Data.Second, 20);
}

// A signed number in the zone column is an offset, never a row (found by the fuzzer); bytes that are not
// UTF-8 in a name come back as they were.
TEST(Csv, ZoneColumnSignsAndNamesThatAreNotUtf8) {
    const births::Book book = births::ReadCsv(
        "name,date,time,zone,dst,lat,lon\n"
        "B,1985-06-15,07:30,-9,0,40n42,74w00\n"
        "\xED\xBB\xBF,1985-06-15,07:30,29,0,40n42,74w00\n");
    ASSERT_EQ(book.Births.size(), 2u);
    EXPECT_TRUE(book.Births[0].Error.empty());
    EXPECT_EQ(book.Births[0].ZoneRow, -1);
    EXPECT_EQ(book.Births[0].StandardOffset, (ZoneOffset{9, 0, 0}));
    const births::Book back = births::ReadCsv(births::WriteCsv(book));
    ASSERT_EQ(back.Births.size(), 2u);
    EXPECT_EQ(back.Births[0].StandardOffset, book.Births[0].StandardOffset);
    EXPECT_EQ(back.Births[1].Data.Name, book.Births[1].Data.Name);
}
