// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The reading written out as text without Qt: clock times and dates in each language's own form, a birth
// time not known (no sign shown as certain that changes, the clock times over the whole window, the hour
// that came twice and the one that never came), and HTML that keeps a place's markup characters as text.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "reading/reading_driver.h"
#include "report/reading_text.h"

using namespace quorvane;
using namespace quorvane::report;

namespace {

ReadingDocument Document(int day = 15) {
    // 18°31'N 73°51'E under Indian Time (row 34, +5:30), 7:05 on a day of June 1985.
    BirthData birth;
    birth.Name = "ASHA";
    birth.Year = 1985, birth.Month = 6, birth.Day = day, birth.Hour = 7, birth.Minute = 5;
    birth.LatitudeDegrees = 18, birth.LatitudeMinutes = 31, birth.LongitudeDegrees = 73, birth.LongitudeMinutes = 51;
    birth.IsEast = true;
    return {birth, 34, {},          MakeGalacticReading(birth, ZoneOffset{-5, -30, 0}, 1985 - kFirstYear),
            false, {}, std::nullopt};
}

ReadingDocument WholeDay(std::vector<ClockStretch> clock, MinuteWindow window = {}) {
    ReadingDocument doc = Document();
    doc.Window = ReadTimeWindow(doc.Birth, clock, window, 1985 - kFirstYear);
    return doc;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(ReadingText, ClockTimesAndDatesInEachLanguagesForm) {
    EXPECT_EQ(TimeText("en", 7, 5), "07:05");
    EXPECT_EQ(TimeText("de", 7, 5), "07:05");
    EXPECT_EQ(TimeText("es", 7, 5), "7:05");  // Spanish writes the hour without its leading zero
    EXPECT_EQ(DateText("en", 1985, 6, 1), "1985-06-01");
    EXPECT_EQ(DateText("fr", 1985, 6, 1), "1er juin 1985");
    EXPECT_EQ(DateText("ru", 1985, 6, 15), "15 июня 1985 г.");
    EXPECT_EQ(BirthDetailLines("es", Document(1)).front(), "Nacimiento: 1 de junio de 1985, 7:05 (hora local)");
}

TEST(ReadingText, AnUnknownTimeShowsOnlyTheSignsThatHoldAllDay) {
    const ReadingDocument doc = WholeDay(SteadyClock(ZoneOffset{-5, -30, 0}, false));
    const std::string text = ReadingPlainText("en", doc);
    EXPECT_EQ(text.find("Universal Time used"), std::string::npos) << text;
    EXPECT_NE(text.find("time unknown: every clock minute from 00:00 to 23:59 read"), std::string::npos);
    std::size_t changing = 0;
    for (std::size_t frame = 0; frame < 4; ++frame) {
        if (!DependsOnTime(doc, frame)) continue;
        ++changing;
        const std::vector<std::string> spans = SpanLines("en", doc, frame);
        ASSERT_GE(spans.size(), 2U);
        EXPECT_NE(spans.front().find(" 00:00\u2013"), std::string::npos) << spans.front();
        EXPECT_TRUE(spans.back().ends_with("\u201323:59")) << spans.back();
        // Each possible sign once, however often it comes back within the day.
        const std::vector<std::string> signs = PossibleSigns("en", doc, frame);
        EXPECT_LE(signs.size(), spans.size());
        EXPECT_EQ(std::set<std::string>(signs.begin(), signs.end()).size(), signs.size());
    }
    // The Moon Sign frame reads the Ascendant's degree, which goes round every day.
    EXPECT_TRUE(DependsOnTime(doc, static_cast<std::size_t>(Frame::MoonSign)));
    EXPECT_EQ(Count(text, ": depends on the birth time\n"), changing);
    EXPECT_EQ(Count(text, "\nRuling planet: "), 4 - changing);
    EXPECT_EQ(Count(ReadingHtml("en", doc), "<h3>"), 4U);
}

TEST(ReadingText, AClockChangeMarksTheRepeatedHourAndNamesTheSkippedOne) {
    // Clocks back from +2 to +1 at 01:00 UTC, 03:00 local: 02:00-02:59 comes twice.
    const ClockPeriod back[] = {{-7200, 7200}, {3600, 3600}};
    const ReadingDocument twice = WholeDay(StretchesOfDay(back), MinuteWindow{150, 170});
    const std::vector<std::string> spans = SpanLines("en", twice, 0);
    ASSERT_FALSE(spans.empty());
    EXPECT_NE(spans.front().find(" 02:30 (first)–"), std::string::npos) << spans.front();
    EXPECT_TRUE(spans.back().ends_with("–02:50 (second)")) << spans.back();
    EXPECT_TRUE(SpanLines("ru", twice, 0).back().ends_with("–02:50 (во второй раз)"));
    // Forward from +1 to +2 at 01:00 UTC: there was no 02:00-02:59.
    const ClockPeriod forward[] = {{-3600, 3600}, {3600, 7200}};
    const std::vector<std::string> lines = BirthDetailLines("en", WholeDay(StretchesOfDay(forward)));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Note: there was no 02:00 to 02:59 that day (clocks went forward)"),
              lines.end());
}

TEST(ReadingText, HtmlKeepsMarkupCharactersAsText) {
    ReadingDocument doc = Document();
    doc.Place = "Saint <Denis> & \"Co\"";
    const std::string html = ReadingHtml("en", doc);
    EXPECT_NE(html.find("Place: Saint &lt;Denis&gt; &amp; &quot;Co&quot;</p>"), std::string::npos) << html;
    EXPECT_NE(html.find("local clock time<br>Time zone: "), std::string::npos);
    EXPECT_EQ(HtmlEscaped("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c'");
}
