#pragma once
// A births book: birth data kept in AAF exchange files or the command line's CSV. Nothing read is lost:
// chunks this program does not use and records it cannot read are written back as they came.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/birth_data.h"

namespace quorvane::births {

enum class Encoding { Utf8, Latin1 };

struct Birth {
    BirthData Data;
    std::string Place, Country;
    std::string Type = "*";
    int ZoneRow = -1;               // -1: no row has the offset; the reading is refused until one is chosen
    ZoneOffset StandardOffset;      // as the file gave it, positive west
    std::string Note;               // why no row was found
    int Line = 0;                   // the line of its #A93 (or CSV line)
    std::string Error;              // non-empty: unreadable, kept verbatim in Lines
    std::vector<std::string> Lines; // the record's lines as read (UTF-8)
    bool Modified = true;           // false: written back exactly as read
};

struct Book {
    std::vector<std::string> Preamble;  // lines before the first record
    std::vector<Birth> Births;
    Encoding TextEncoding = Encoding::Utf8;
};

bool LooksLikeAaf(std::string_view text);
Book ReadAaf(std::string_view bytes);
std::string WriteAaf(const Book& book);
Book ReadCsv(std::string_view text);
std::string WriteCsv(const Book& book);

// "Refused: no zone row has the offset UTC+5:45" style message, or empty when the birth can be read.
std::string ReadingRefusal(const Birth& birth);

}  // namespace quorvane::births
