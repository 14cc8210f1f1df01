#pragma once

// TRF texts made for the tests of reading and opening them.
#include <string>
#include <vector>

#include "trf/trf_text.h"

namespace trf_test_files {

// A 001 line: fields at their columns, the name as many columns as it has characters
// (UTF-8, else one a byte), then the rounds, each "opp c r".
inline std::string playerLine(int number, const std::string &name, const std::string &points,
                              int rank, const std::vector<std::string> &rounds)
{
    std::string line(89, ' ');
    line.replace(0, 3, "001");
    auto right = [&](std::size_t column, std::size_t width, const std::string &text) {
        line.replace(column - 1 + width - text.size(), text.size(), text);
    };
    right(5, 4, std::to_string(number));
    right(81, 4, points);
    right(86, 4, std::to_string(rank));
    // As many columns as the name has characters, whatever its bytes.
    line.replace(14, krugovik::TrfColumns(krugovik::decodeTrf(name).utf8).size(), name);
    for (const std::string &round : rounds)
        line += "  " + round;
    return line;
}

// The TRF (CR LF lines) with its players given new numbers: the player numbered k
// becomes newNumber[k], in his 001 line and as everybody's opponent; nothing else changes.
inline std::string relabelled(const std::string &trf, const std::vector<int> &newNumber)
{
    auto number4 = [](int n) {
        const std::string text = std::to_string(n);
        return std::string(4 - text.size(), ' ') + text;
    };
    std::string out;
    for (std::size_t start = 0; start < trf.size();) {
        const std::size_t end = trf.find("\r\n", start);
        std::string line = trf.substr(start, end - start);
        start = end == std::string::npos ? trf.size() : end + 2;
        if (line.rfind("001", 0) == 0) {
            line.replace(4, 4, number4(newNumber[std::size_t(std::stoi(line.substr(4, 4)))]));
            for (std::size_t at = 91; at + 4 <= line.size(); at += 10) {
                const int opponent = std::stoi(line.substr(at, 4));
                if (opponent > 0)
                    line.replace(at, 4, number4(newNumber[std::size_t(opponent)]));
            }
        }
        out += line + "\r\n";
    }
    return out;
}

} // namespace trf_test_files
