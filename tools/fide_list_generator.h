#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

namespace krugovik::tools {

// A made-up list in the exact layout of FIDE's players_list_foa.txt: the header line, then
// one line per player, every field at its heading's column, CR LF line ends. The same count
// always gives the same bytes.
inline void writeFideList(std::ostream &out, std::int64_t count)
{
    struct Column {
        const char *heading;
        std::size_t at;
    };
    static constexpr std::array<Column, 19> kColumns = {{
        {"ID Number", 0}, {"Name", 15},   {"Fed", 76},    {"Sex", 80},    {"Tit", 84},
        {"WTit", 89},     {"OTit", 94},   {"FOA", 109},   {"SRtng", 113}, {"SGm", 119},
        {"SK", 123},      {"RRtng", 126}, {"RGm", 132},   {"Rk", 136},    {"BRtng", 139},
        {"BGm", 145},     {"BK", 149},    {"B-day", 152}, {"Flag", 158},
    }};
    static constexpr std::array<const char *, 16> kSurnames = {
        "Ivanov", "Petrov",      "Smith", "Muller", "Kowalski", "Nguyen", "Garcia",   "Rossi",
        "Zhukov", "Shcherbakov", "Novak", "Yilmaz", "Kim",      "Silva",  "Andersen", "Horvath"};
    static constexpr std::array<const char *, 12> kGiven = {"Ivan",   "Anna",  "John",  "Maria",
                                                            "Piotr",  "Minh",  "Sofia", "Luca",
                                                            "Dmitry", "Elena", "Jan",   "Aylin"};
    static constexpr std::array<const char *, 12> kFederations = {
        "RUS", "GER", "USA", "POL", "VIE", "ESP", "ITA", "IND", "FRA", "TUR", "KOR", "BRA"};
    static constexpr std::array<const char *, 10> kTitles = {"",   "",   "",   "",   "",
                                                             "FM", "IM", "GM", "CM", "NM"};
    const auto line = [&](const std::array<std::string, 19> &fields) {
        std::string text;
        for (std::size_t c = 0; c < kColumns.size(); ++c) {
            text.resize(kColumns[c].at, ' ');
            text += fields[c];
        }
        text.erase(text.find_last_not_of(' ') + 1);
        out << text << "\r\n";
    };
    std::array<std::string, 19> header;
    for (std::size_t c = 0; c < kColumns.size(); ++c)
        header[c] = kColumns[c].heading;
    line(header);
    std::uint64_t seed = 88172645463325252ull;
    for (std::int64_t k = 0; k < count; ++k) {
        seed ^= seed << 13;
        seed ^= seed >> 7;
        seed ^= seed << 17;
        const bool woman = seed % 5 == 0;
        std::string name = std::string(kSurnames[seed % kSurnames.size()]) +
                           std::to_string(k % 9973) + ", " + kGiven[(seed >> 8) % kGiven.size()];
        if (seed % 97 == 0) // now and then a name longer than the base's 24 characters
            name += " Alexandrovich-Konstantinovsky";
        const int rating = 1000 + int((seed >> 16) % 1800);
        std::array<std::string, 19> fields;
        fields[0] = std::to_string(100000 + k * 7);
        fields[1] = name;
        fields[2] = kFederations[(seed >> 24) % kFederations.size()];
        fields[3] = woman ? "F" : "M";
        fields[4] = kTitles[(seed >> 28) % kTitles.size()];
        fields[5] = woman && seed % 3 == 0 ? "WFM" : "";
        fields[6] = seed % 50 == 0 ? "FA,IA" : "";
        fields[8] = seed % 4 == 0 ? "" : std::to_string(rating);
        fields[9] = "0";
        fields[10] = "20";
        fields[17] = std::to_string(1940 + int((seed >> 32) % 75));
        fields[18] = seed % 10 == 0 ? "i" : "";
        line(fields);
    }
}

} // namespace krugovik::tools
