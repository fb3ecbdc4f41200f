// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/time_zones.h"

namespace quorvane {

namespace {

constexpr std::array<TimeZoneRow, kTimeZoneCount> kTable{{
    {"Alaska/Hawaii Daylight Time,AHDT,-9.0", "AHDT", ZoneKind::Daylight, 9, 0},
    {"Alaska/Hawaii Standard Time,AHST,-10.0", "AHST", ZoneKind::Standard, 10, 0},
    {"Alaska/Hawaii War Time,AHWT,-9.0", "AHWT", ZoneKind::War, 9, 0},
    {"Atlantic Standard Time,AST,-4.0", "AST", ZoneKind::Standard, 4, 0},
    {"Atlantic War Time,AWT,-3.0", "AWT", ZoneKind::War, 3, 0},
    {"Australian Central Daylight Time,ACDT,+10.5", "ACDT", ZoneKind::Daylight, -10, -30},
    {"Australian Central Standard Time,ACST,+9.5", "ACST", ZoneKind::Standard, -9, -30},
    {"Australian Eastern Daylight Time,AEDT,+11.0", "AEDT", ZoneKind::Daylight, -11, 0},
    {"Australian Eastern Standard Time,AEST,+10.0", "AEST", ZoneKind::Standard, -10, 0},
    {"Australian Western Daylight Time,AWDT,+9.0", "AWDT", ZoneKind::Daylight, -9, 0},
    {"Australian Western Standard Time,AWST,+8.0", "AWST", ZoneKind::Standard, -8, 0},
    {"Azores Time, AT, -2.0", "AT", ZoneKind::Standard, 2, 0},
    {"Baghdad Time, BAT, +3.0", "BAT", ZoneKind::Standard, -3, 0},
    {"Bering Standard Time,BET,-11.0", "BET", ZoneKind::Standard, 11, 0},
    {"Brazil Zone 2,BZT2,-3.0", "BZT2", ZoneKind::Standard, 3, 0},
    {"British Double Summer Time,BDST,+2.0", "BDST", ZoneKind::Daylight, -2, 0},
    {"British Summer Time,BST,+1.0", "BST", ZoneKind::Daylight, -1, 0},
    {"British War Time,BWT,+2.0", "BWT", ZoneKind::War, -2, 0},
    {"Central Daylight Time,CDT,-5.0", "CDT", ZoneKind::Daylight, 5, 0},
    {"Central European Daylight,CED,+2.0", "CED", ZoneKind::Daylight, -2, 0},
    {"Central European Time,CET,+1.0", "CET", ZoneKind::Standard, -1, 0},
    {"Central Standard Time,CST,-6.0", "CST", ZoneKind::Standard, 6, 0},
    {"Central War Time,CWT,-5.0", "CWT", ZoneKind::War, 5, 0},
    {"China Coast Time,CCT,+8.0", "CCT", ZoneKind::Standard, -8, 0},
    {"Eastern Daylight Time,EDT,-4.0", "EDT", ZoneKind::Daylight, 4, 0},
    {"Eastern European Daylight Time,EED,+3.0", "EED", ZoneKind::Daylight, -3, 0},
    {"Eastern European Time,EET,+2.0", "EET", ZoneKind::Standard, -2, 0},
    {"Eastern Standard Time,EST,-5.0", "EST", ZoneKind::Standard, 5, 0},
    {"Eastern War Time,EWT,-4.0", "EWT", ZoneKind::War, 4, 0},
    {"Greenwich Mean Time,GMT,0.0", "GMT", ZoneKind::Standard, 0, 0},
    {"Guam Standard Time,GST,+10.0", "GST", ZoneKind::Standard, -10, 0},
    {"Hawaiian Daylight Time,HDT,-9.5", "HDT", ZoneKind::Daylight, 9, 30},
    {"Hawaiian Standard Time,HST,-10.5", "HST", ZoneKind::Standard, 10, 30},
    {"Hawaiian War Time,HWT,-9.5", "HWT", ZoneKind::War, 9, 30},
    {"Indian Time, IST, +5.3", "IST", ZoneKind::Standard, -5, -30},
    {"Int'l Date Line East,IDLE,+12.0", "IDLE", ZoneKind::Standard, -12, 0},
    {"Int'l Date Line West,IDLW,-12.0", "IDLW", ZoneKind::Standard, 12, 0},
    {"Iran Time, IT, +3.5", "IT", ZoneKind::Standard, -3, -30},
    {"Japan Standard Time,JST,+9.0", "JST", ZoneKind::Standard, -9, 0},
    {"Java Time, JT, +7.5", "JT", ZoneKind::Standard, -7, -30},
    {"Middle European Daylight Time,MED,+2.0", "MED", ZoneKind::Daylight, -2, 0},
    {"Middle European Time,MET,+1.0", "MET", ZoneKind::Standard, -1, 0},
    {"Moluccas Time, MT, +8.5", "MT", ZoneKind::Standard, -8, -30},
    {"Mountain Daylight Time,MDT,-6.0", "MDT", ZoneKind::Daylight, 6, 0},
    {"Mountain Standard Time,MST,-7.0", "MST", ZoneKind::Standard, 7, 0},
    {"Mountain War Time,MWT,-6.0", "MWT", ZoneKind::War, 6, 0},
    {"New Zealand Std Summer Time,NZST,+13.0", "NZST", ZoneKind::Daylight, -13, 0},
    {"New Zealand Std Time,NZT,+12.0", "NZT", ZoneKind::Standard, -12, 0},
    {"New Zealand Summer Time,NZS,+12.5", "NZS", ZoneKind::Daylight, -12, -30},
    {"New Zealand Time,NZ,+11.5", "NZ", ZoneKind::Standard, -11, -30},
    {"Newfoundland Standard Time,NST,-3.5", "NST", ZoneKind::Standard, 3, 30},
    {"Nome Time, NT, -11.0", "NT", ZoneKind::Standard, 11, 0},
    {"North Sumatra Time,NST,+6.5", "NST", ZoneKind::Standard, -6, -30},
    {"Pacific Daylight Time,PDT,-7.0", "PDT", ZoneKind::Daylight, 7, 0},
    {"Pacific Standard Time,PST,-8.0", "PST", ZoneKind::Standard, 8, 0},
    {"Pacific War Time,PWT,-7.0", "PWT", ZoneKind::War, 7, 0},
    {"South Australia Daylight Time,SAD,+10.5", "SAD", ZoneKind::Daylight, -10, -30},
    {"South Australia Daylight Time,SDT,+10.5", "SDT", ZoneKind::Daylight, -10, -30},
    {"South Australia Standard Time,SAST,+9.5", "SAST", ZoneKind::Standard, -9, -30},
    {"South Australia Standard Time,SAT,+9.5", "SAT", ZoneKind::Standard, -9, -30},
    {"South Sumatra Time,SST,+7.0", "SST", ZoneKind::Standard, -7, 0},
    {"Universal Time, UT, 0.0", "UT", ZoneKind::Standard, 0, 0},
    {"USSR Zone 10,UZ10,+11.0", "UZ10", ZoneKind::Standard, -11, 0},
    {"USSR Zone 3,USZ3,+4.0", "USZ3", ZoneKind::Standard, -4, 0},
    {"USSR Zone 4,USZ4,+5.0", "USZ4", ZoneKind::Standard, -5, 0},
    {"USSR Zone 5,USZ5,+6.0", "USZ5", ZoneKind::Standard, -6, 0},
    {"USSR Zone 6,USZ6,+7.0", "USZ6", ZoneKind::Standard, -7, 0},
    {"West Africa Time,WAT,-1.0", "WAT", ZoneKind::Standard, 1, 0},
    {"Yukon Daylight Time,YDT,-8.0", "YDT", ZoneKind::Daylight, 8, 0},
    {"Yukon Standard Time,YST,-9.0", "YST", ZoneKind::Standard, 9, 0},
    {"Yukon War Time,YWT,-8.0", "YWT", ZoneKind::War, 8, 0},
}};

}  // namespace

const std::array<TimeZoneRow, kTimeZoneCount>& TimeZoneTable() {
    return kTable;
}

int RowOffsetSeconds(int row) {
    const TimeZoneRow& r = kTable[static_cast<std::size_t>(row)];
    return -(r.Hours * 3600 + r.Minutes * 60);
}

std::optional<ZoneOffset> Zone_Calculation(int index) {
    if (index < 0 || index >= kTimeZoneCount) return std::nullopt;
    return ZoneOffset{kTable[index].Hours, kTable[index].Minutes};
}

}  // namespace quorvane
