#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/list_player.h"

namespace krugovik {

// FIDE's TXT list: fixed columns whose places the header line tells. FIDE has moved and
// renamed columns over the years, so each is found by its heading, not by its offset.
class FideTxtLayout {
  public:
    // The layout the header line gives; nothing when it lacks a column every one of FIDE's
    // layouts has (ID, name, federation, title, rating, birth year). missing, when given,
    // receives the headings of those it could not find, as today's list names them.
    static std::optional<FideTxtLayout> fromHeader(std::string_view header,
                                                   std::vector<std::string> *missing = nullptr);
    // One player line; nothing when the line is malformed (no ID, no name, a number
    // that is none).
    std::optional<ListPlayer> read(std::string_view line) const;

  private:
    struct Column {
        std::size_t begin = std::string_view::npos; // npos = the list has no such column
        std::size_t end = std::string_view::npos;   // npos = up to the end of the line
    };
    // Flag: "w" for a woman, "i" for an inactive player; the sex of the lists before 2012,
    // which have no Sex column.
    // KFactor: the K of the rating read ("K" of one list, "SK" of the combined one).
    enum Field {
        Id,
        Name,
        Fed,
        Sex,
        Title,
        WomanTitle,
        Rating,
        BirthYear,
        Flag,
        KFactor,
        FieldCount
    };
    std::array<Column, FieldCount> m_columns{};
};

// The fields a federation's list may have, in the order the column dialog shows them.
enum class CsvField { Name, Rating, FideId, NationalId, Federation, Title, Sex, BirthYear };
inline constexpr std::size_t kCsvFieldCount = 8;

// Which column (from 0) holds each field; -1 = none.
struct CsvColumns {
    std::array<int, kCsvFieldCount> column{-1, -1, -1, -1, -1, -1, -1, -1};
    char separator = ';';
    bool headerLine = true; // the first line names the columns

    int &operator[](CsvField field) { return column[std::size_t(field)]; }
    int operator[](CsvField field) const { return column[std::size_t(field)]; }
};

// The separator the first line uses most: semicolon, comma or tab.
char guessCsvSeparator(std::string_view firstLine);
// The cells of one line; quotes may hold separators, a doubled quote is one quote.
std::vector<std::string> splitCsvLine(std::string_view line, char separator);
// A guess at the columns from the header's names (English or Russian).
CsvColumns guessCsvColumns(const std::vector<std::string> &header, char separator);
// One player from the cells of a line; nothing when it has no name or a number that is
// none.
std::optional<ListPlayer> readCsvPlayer(const std::vector<std::string> &cells,
                                        const CsvColumns &columns);

// The player's sex from a list's letter: M, F or W (either case), Russian М or Ж.
char readSex(std::string_view text);

// The text as UTF-8: UTF-8 stays, anything else is taken as Latin-1, as FIDE's older
// files are.
std::string asUtf8(std::string_view bytes);

// How a name is searched in a list: Latin letters in lower case without diacritics, "ё" as
// "е", Cyrillic transliterated and both spellings brought to one form ("Жуков" and
// "Zhukov" give the same key), words separated by one blank, punctuation left out.
std::string listSearchKey(std::string_view utf8);

} // namespace krugovik
