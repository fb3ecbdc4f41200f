#include "births/births.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "reading/time_zones.h"
#include "reading/zone_regions.h"

namespace quorvane::births {
namespace {

bool IsUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (n < 0 || i + n >= s.size() + (n == 0 ? 1 : 0)) {
            if (n != 0) return false;
        }
        for (int k = 1; k <= n; ++k)
            if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += n + 1;
    }
    return true;
}

std::string Latin1ToUtf8(std::string_view s) {
    std::string out;
    for (char ch : s) {
        auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) out += ch;
        else { out += static_cast<char>(0xC0 | (c >> 6)); out += static_cast<char>(0x80 | (c & 0x3F)); }
    }
    return out;
}

std::string Utf8ToLatin1(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) out += s[i];
        else if ((c >> 5) == 6 && i + 1 < s.size() && c <= 0xC3) {
            out += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F)); ++i;
        } else out += '?';
    }
    return out;
}

std::string TrimCopy(std::string_view s) {
    auto b = s.find_first_not_of(" \t\r");
    if (b == std::string_view::npos) return {};
    auto e = s.find_last_not_of(" \t\r");
    return std::string(s.substr(b, e - b + 1));
}

std::vector<std::string> Fields(std::string_view s) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        auto p = s.find(',', start);
        out.push_back(TrimCopy(s.substr(start, p == std::string_view::npos ? std::string_view::npos : p - start)));
        if (p == std::string_view::npos) break;
        start = p + 1;
    }
    return out;
}

bool ParseInt(const std::string& s, int lo, int hi, int& v) {
    if (s.empty() || s.size() > 6) return false;
    for (char c : s) if (c < '0' || c > '9') return false;
    v = std::atoi(s.c_str());
    return v >= lo && v <= hi;
}

// "49n05" -> degrees, minutes, whether the letter is the second one (s or w)
bool ParseAngle(const std::string& s, char first, char second, int maxDeg, int& deg, int& min, bool& isSecond) {
    auto p = s.find_first_of(std::string{first, second});
    if (p == std::string::npos) return false;
    isSecond = s[p] == second;
    std::string m = s.substr(p + 1);
    if (m.size() > 2) m = m.substr(0, 2);  // seconds are dropped
    return ParseInt(s.substr(0, p), 0, maxDeg, deg) && (m.empty() ? (min = 0, true) : ParseInt(m, 0, 59, min));
}

// "1he00" east, "5hw00" west -> offset positive west
bool ParseZone(const std::string& s, ZoneOffset& z) {
    auto p = s.find('h');
    if (p == std::string::npos || p + 1 >= s.size()) return false;
    int h = 0, m = 0;
    if (!ParseInt(s.substr(0, p), 0, 14, h)) return false;
    char dir = s[p + 1];
    if (dir != 'e' && dir != 'w') return false;
    std::string mm = s.substr(p + 2);
    if (!mm.empty() && !ParseInt(mm, 0, 59, m)) return false;
    int sign = dir == 'w' ? 1 : -1;
    z.Hours = static_cast<std::int16_t>(sign * h);
    z.Minutes = static_cast<std::int16_t>(sign * m);
    return true;
}

std::string IsoCountry(const std::string& aaf) {
    static const std::pair<const char*, const char*> map[] = {
        {"D", "DE"}, {"USA", "US"}, {"GB", "GB"}, {"F", "FR"}, {"I", "IT"}, {"CH", "CH"}, {"A", "AT"},
        {"NL", "NL"}, {"E", "ES"}, {"B", "BE"}, {"DK", "DK"}, {"S", "SE"}, {"N", "NO"}, {"P", "PT"},
        {"AUS", "AU"}, {"CDN", "CA"}, {"J", "JP"}, {"IND", "IN"}, {"RUS", "RU"}, {"IRL", "IE"}};
    for (auto& [a, iso] : map) if (aaf == a) return iso;
    return aaf.size() == 2 ? aaf : std::string{};
}

void ChooseRow(Birth& b, const std::string& znam, int ownRow) {
    const auto& table = TimeZoneTable();
    auto same = [&](const TimeZoneRow& r) { return r.Hours == b.StandardOffset.Hours && r.Minutes == b.StandardOffset.Minutes; };
    if (ownRow >= 0 && ownRow < kTimeZoneCount) { b.ZoneRow = ownRow; return; }
    if (!znam.empty())
        for (int i = 0; i < kTimeZoneCount; ++i)
            if (same(table[i]) && table[i].Abbreviation == znam) { b.ZoneRow = i; return; }
    int east = -(b.StandardOffset.Hours * 3600 + b.StandardOffset.Minutes * 60);
    std::string iso = IsoCountry(b.Country);
    if (!iso.empty())
        if (auto row = RegionalZoneRow(iso, "", "", east, false); row && *row >= 0 && *row < kTimeZoneCount && same(table[*row])) {
            b.ZoneRow = *row; return;
        }
    for (int i = 0; i < kTimeZoneCount; ++i)
        if (same(table[i]) && table[i].Kind == ZoneKind::Standard) { b.ZoneRow = i; return; }
    for (int i = 0; i < kTimeZoneCount; ++i)
        if (same(table[i])) { b.ZoneRow = i; return; }
    b.ZoneRow = -1;
}

std::string OffsetText(ZoneOffset z) {
    int east = -(z.Hours * 60 + z.Minutes);
    char buf[32];
    std::snprintf(buf, sizeof buf, "UTC%c%d:%02d", east < 0 ? '-' : '+', std::abs(east) / 60, std::abs(east) % 60);
    return buf;
}

void Interpret(Birth& b) {
    std::string a93, b93, znam;
    int ownRow = -1;
    for (const auto& l : b.Lines) {
        if (l.rfind("#A93:", 0) == 0) a93 = l.substr(5);
        else if (l.rfind("#B93:", 0) == 0 && b93.empty()) b93 = l.substr(5);
        else if (l.rfind("#ZNAM:", 0) == 0) znam = TrimCopy(l.substr(6));
        else if (l.rfind("#QZROW:", 0) == 0) { int r; if (ParseInt(TrimCopy(l.substr(7)), 0, kLastTimeZoneIndex, r)) ownRow = r; }
    }
    auto fail = [&](std::string why) { b.Error = std::move(why); };
    auto f = Fields(a93);
    if (f.size() < 7) return fail("the #A93 line has fewer than 7 fields");
    std::string last = f[0] == "*" ? "" : f[0], first = f[1] == "*" ? "" : f[1];
    b.Data.Name = first.empty() ? last : last.empty() ? first : first + " " + last;
    b.Type = f[2]; b.Place = f[5] == "*" ? "" : f[5]; b.Country = f[6] == "*" ? "" : f[6];
    int d, m, y;
    { auto s = f[3]; auto p1 = s.find('.'), p2 = s.find('.', p1 == std::string::npos ? 0 : p1 + 1);
      if (p1 == std::string::npos || p2 == std::string::npos || !ParseInt(s.substr(0, p1), 1, 31, d) ||
          !ParseInt(s.substr(p1 + 1, p2 - p1 - 1), 1, 12, m) || !ParseInt(s.substr(p2 + 1), kFirstYear, kLastYear, y))
          return fail("the date \"" + f[3].substr(0, 40) + "\" is not a day.month.year from " + std::to_string(kFirstYear) + " to " + std::to_string(kLastYear)); }
    int hh, mi;
    { auto s = f[4]; auto p = s.find(':');
      auto rest = p == std::string::npos ? std::string{} : s.substr(p + 1);
      auto p2 = rest.find(':'); if (p2 != std::string::npos) rest = rest.substr(0, p2);
      if (p == std::string::npos || !ParseInt(s.substr(0, p), 0, 23, hh) || !ParseInt(rest, 0, 59, mi))
          return fail("the time \"" + f[4].substr(0, 40) + "\" is not h:mm"); }
    b.Data.Day = static_cast<std::int16_t>(d); b.Data.Month = static_cast<std::int16_t>(m); b.Data.Year = static_cast<std::int16_t>(y);
    b.Data.Hour = static_cast<std::int16_t>(hh); b.Data.Minute = static_cast<std::int16_t>(mi);
    if (b93.empty()) return fail("the record has no #B93 line");
    auto g = Fields(b93);
    if (g.size() < 5) return fail("the #B93 line has fewer than 5 fields");
    int ld, lm, od, om; bool south, west;
    if (!ParseAngle(g[1], 'n', 's', 89, ld, lm, south)) return fail("the latitude \"" + g[1].substr(0, 40) + "\" is not like 49n05");
    if (!ParseAngle(g[2], 'e', 'w', 179, od, om, west)) return fail("the longitude \"" + g[2].substr(0, 40) + "\" is not like 8e11");
    b.Data.LatitudeDegrees = static_cast<std::int16_t>(ld); b.Data.LatitudeMinutes = static_cast<std::int16_t>(lm); b.Data.IsSouth = south;
    b.Data.LongitudeDegrees = static_cast<std::int16_t>(od); b.Data.LongitudeMinutes = static_cast<std::int16_t>(om); b.Data.IsEast = !west;
    if (g[4] != "0" && g[4] != "1" && g[4] != "*") return fail("the daylight flag \"" + g[4].substr(0, 40) + "\" is not 0 or 1");
    b.Data.IsDaylightSaving = g[4] == "1";
    if (g[3] == "*") { b.ZoneRow = -1; b.Note = "local mean time: no zone row"; }
    else {
        if (!ParseZone(g[3], b.StandardOffset)) return fail("the zone \"" + g[3].substr(0, 40) + "\" is not like 1he00 or 5hw00");
        ChooseRow(b, znam, ownRow);
        if (b.ZoneRow < 0) b.Note = "no zone row has the offset " + OffsetText(b.StandardOffset);
    }
}

std::string AngleText(int d, int m, char c) { char buf[32]; std::snprintf(buf, sizeof buf, "%d%c%02d", d, c, m); return buf; }

}  // namespace

bool LooksLikeAaf(std::string_view text) {
    return text.rfind("#A93:", 0) == 0 || text.find("\n#A93:") != std::string_view::npos;
}

Book ReadAaf(std::string_view bytes) {
    Book book;
    std::string text;
    if (IsUtf8(bytes)) text = std::string(bytes);
    else { book.TextEncoding = Encoding::Latin1; text = Latin1ToUtf8(bytes); }
    std::size_t pos = 0; int lineNo = 0;
    Birth* cur = nullptr;
    while (pos < text.size()) {
        auto nl = text.find('\n', pos);
        std::string line = text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
        pos = nl == std::string::npos ? text.size() : nl + 1;
        ++lineNo;  // a CR of a CRLF file stays in the line: written back as it came
        if (line.rfind("#A93:", 0) == 0) {
            if (cur) Interpret(*cur);
            book.Births.emplace_back(); cur = &book.Births.back();
            cur->Line = lineNo; cur->Modified = false;
        }
        (cur ? cur->Lines : book.Preamble).push_back(std::move(line));
    }
    if (cur) Interpret(*cur);
    return book;
}

namespace {
std::string AafLines(const Birth& b) {
    if (!b.Modified || !b.Error.empty()) {
        std::string s; for (auto& l : b.Lines) s += l + "\n"; return s;
    }
    auto clean = [](std::string v) { for (auto& c : v) if (c == ',' || c == '\n') c = ' '; return v.empty() ? std::string("*") : v; };
    const auto& d = b.Data;
    std::string s = "#A93:" + clean(d.Name) + ",*," + clean(b.Type == "" ? "*" : b.Type) + "," + std::to_string(d.Day) + "." +
                    std::to_string(d.Month) + "." + std::to_string(d.Year) + ",";
    char t[16]; std::snprintf(t, sizeof t, "%d:%02d", d.Hour, d.Minute);
    s += std::string(t) + "," + clean(b.Place) + "," + clean(b.Country) + "\n";
    std::string zone = "*";
    ZoneOffset z = b.StandardOffset;
    if (b.ZoneRow >= 0) z = {TimeZoneTable()[b.ZoneRow].Hours, TimeZoneTable()[b.ZoneRow].Minutes};
    if (b.ZoneRow >= 0 || b.Note.rfind("local mean", 0) != 0) {
        char zb[16]; std::snprintf(zb, sizeof zb, "%dh%c%02d", std::abs(z.Hours), z.Hours > 0 || z.Minutes > 0 ? 'w' : 'e', std::abs(z.Minutes));
        zone = zb;
    }
    s += "#B93:*," + AngleText(d.LatitudeDegrees, d.LatitudeMinutes, d.IsSouth ? 's' : 'n') + "," +
         AngleText(d.LongitudeDegrees, d.LongitudeMinutes, d.IsEast ? 'e' : 'w') + "," + zone + "," + (d.IsDaylightSaving ? "1" : "0") + "\n";
    if (b.ZoneRow >= 0) {
        s += "#ZNAM:" + std::string(TimeZoneTable()[b.ZoneRow].Abbreviation) + "\n";
        s += "#QZROW:" + std::to_string(b.ZoneRow) + "\n";
    }
    // chunks we do not write ourselves are kept
    for (auto& l : b.Lines)
        if (l.rfind("#A93:", 0) && l.rfind("#B93:", 0) && l.rfind("#ZNAM:", 0) && l.rfind("#QZROW:", 0)) s += l + "\n";
    return s;
}
}  // namespace

std::string WriteAaf(const Book& book) {
    std::string s;
    for (auto& l : book.Preamble) s += l + "\n";
    for (auto& b : book.Births) s += AafLines(b);
    return book.TextEncoding == Encoding::Latin1 ? Utf8ToLatin1(s) : s;
}

Book ReadCsv(std::string_view text) {
    Book book;
    std::string t(text);
    std::istringstream in(t);
    std::string line; int n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (TrimCopy(line).empty()) continue;
        auto f = Fields(line);
        for (std::size_t k = 5; k < f.size() && k < 7; ++k)
            for (auto& c : f[k]) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (n == 1 && !f.empty() && f[0] == "name") continue;
        Birth b; b.Line = n; b.Lines = {line}; b.Modified = true;
        int d, m, y, hh, mi;
        if (f.size() != 7) b.Error = "expected 7 fields: name,date,time,zone,dst,lat,lon";
        else {
            b.Data.Name = f[0];
            auto s = f[1]; auto p1 = s.find('-'), p2 = s.find('-', p1 == std::string::npos ? 0 : p1 + 1);
            auto p = f[2].find(':');
            if (p1 == std::string::npos || p2 == std::string::npos || !ParseInt(s.substr(0, p1), kFirstYear, kLastYear, y) ||
                !ParseInt(s.substr(p1 + 1, p2 - p1 - 1), 1, 12, m) || !ParseInt(s.substr(p2 + 1), 1, 31, d))
                b.Error = "the date is not YYYY-MM-DD";
            else if (p == std::string::npos || !ParseInt(f[2].substr(0, p), 0, 23, hh) || !ParseInt(f[2].substr(p + 1), 0, 59, mi))
                b.Error = "the time is not HH:MM";
            else {
                b.Data.Year = static_cast<std::int16_t>(y); b.Data.Month = static_cast<std::int16_t>(m); b.Data.Day = static_cast<std::int16_t>(d);
                b.Data.Hour = static_cast<std::int16_t>(hh); b.Data.Minute = static_cast<std::int16_t>(mi);
                int row;
                if (!ParseInt(f[3], 0, kLastTimeZoneIndex, row)) b.Error = "the zone is not a row 0..70";
                else {
                    b.ZoneRow = row;
                    const auto& r = TimeZoneTable()[row];
                    b.StandardOffset = {r.Hours, r.Minutes};
                    b.Data.IsDaylightSaving = f[4] == "1" || f[4] == "true";
                    if (f[4] != "0" && f[4] != "1" && f[4] != "true" && f[4] != "false") b.Error = "dst is not 0 or 1";
                    int ld, lm, od, om; bool south, west;
                    if (!ParseAngle(f[5], 'n', 's', 89, ld, lm, south)) b.Error = "the latitude is not like 49n05";
                    else if (!ParseAngle(f[6], 'e', 'w', 179, od, om, west)) b.Error = "the longitude is not like 8e11";
                    else {
                        b.Data.LatitudeDegrees = static_cast<std::int16_t>(ld); b.Data.LatitudeMinutes = static_cast<std::int16_t>(lm); b.Data.IsSouth = south;
                        b.Data.LongitudeDegrees = static_cast<std::int16_t>(od); b.Data.LongitudeMinutes = static_cast<std::int16_t>(om); b.Data.IsEast = !west;
                    }
                }
            }
        }
        book.Births.push_back(std::move(b));
    }
    return book;
}

std::string WriteCsv(const Book& book) {
    std::string s = "name,date,time,zone,dst,lat,lon\n";
    for (auto& b : book.Births) {
        if (!b.Error.empty() || b.ZoneRow < 0) continue;  // CSV cannot hold it; AAF keeps it
        const auto& d = b.Data;
        std::string name = d.Name; for (auto& c : name) if (c == ',' || c == '\n') c = ' ';
        char buf[128];
        std::snprintf(buf, sizeof buf, ",%04d-%02d-%02d,%02d:%02d,%d,%d,", d.Year, d.Month, d.Day, d.Hour, d.Minute, b.ZoneRow, d.IsDaylightSaving ? 1 : 0);
        // the command line's batch spells hemispheres in capitals: 40N42,74W00
        s += name + buf + AngleText(d.LatitudeDegrees, d.LatitudeMinutes, d.IsSouth ? 'S' : 'N') + "," +
             AngleText(d.LongitudeDegrees, d.LongitudeMinutes, d.IsEast ? 'E' : 'W') + "\n";
    }
    return s;
}

std::string ReadingRefusal(const Birth& b) {
    if (!b.Error.empty()) return "line " + std::to_string(b.Line) + ": " + b.Error;
    if (b.ZoneRow < 0)
        return b.Note.rfind("local mean", 0) == 0 ? "The birth is in local mean time: no zone row has its offset; choose a row"
                                                  : "No zone row has the offset " + OffsetText(b.StandardOffset) + "; choose a row";
    return {};
}

}  // namespace quorvane::births
