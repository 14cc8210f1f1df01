#pragma once

// TRF texts made for the tests of reading and opening them.
#include <string>
#include <vector>

namespace trf_test_files {

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
