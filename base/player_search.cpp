#include "base/player_search.h"

#include <algorithm>
#include <array>

#include "base/player_record.h"

namespace krugovik {
namespace {

constexpr std::array<unsigned char, 256> makeFoldTable()
{
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[std::size_t(b)] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b)
        table[std::size_t(b)] = static_cast<unsigned char>(b + 32);
    // А..Я at 0xC0..0xDF, а..я at 0xE0..0xFF.
    for (int b = 0xC0; b <= 0xDF; ++b)
        table[std::size_t(b)] = static_cast<unsigned char>(b + 32);
    // The capitals of the other Cyrillic letters of the code page, paired with their small
    // letters: Ђ ђ, Ѓ ѓ, Љ љ, Њ њ, Ќ ќ, Ћ ћ, Џ џ, Ў ў, Ј ј, Ґ ґ, Є є, Ї ї, І і, Ѕ ѕ.
    constexpr std::array<std::array<int, 2>, 14> pairs = {{{0x80, 0x90},
                                                           {0x81, 0x83},
                                                           {0x8A, 0x9A},
                                                           {0x8C, 0x9C},
                                                           {0x8D, 0x9D},
                                                           {0x8E, 0x9E},
                                                           {0x8F, 0x9F},
                                                           {0xA1, 0xA2},
                                                           {0xA3, 0xBC},
                                                           {0xA5, 0xB4},
                                                           {0xAA, 0xBA},
                                                           {0xAF, 0xBF},
                                                           {0xB2, 0xB3},
                                                           {0xBD, 0xBE}}};
    for (const auto &pair : pairs)
        table[std::size_t(pair[0])] = static_cast<unsigned char>(pair[1]);
    // Ё and ё are searched as е.
    table[0xA8] = 0xE5;
    table[0xB8] = 0xE5;
    return table;
}

constexpr std::array<unsigned char, 256> kFold = makeFoldTable();

std::string_view recordBytes(std::string_view base, std::int64_t recordNo)
{
    const std::size_t offset = std::size_t(recordNo - 1) * kRecordLength;
    if (offset >= base.size())
        return {};
    return base.substr(offset, kRecordLength);
}

} // namespace

unsigned char foldForSearch(unsigned char byte)
{
    return kFold[byte];
}

NameSearch::NameSearch(std::string_view query)
{
    for (const char c : trimBlanks(query))
        m_query.push_back(static_cast<char>(kFold[static_cast<unsigned char>(c)]));
}

bool NameSearch::matches(std::string_view nameField) const
{
    if (m_query.empty())
        return false;
    const std::size_t first = nameField.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return false;
    const std::string_view name =
        nameField.substr(first, nameField.find_last_not_of(' ') - first + 1);
    if (name.size() < m_query.size())
        return false;
    const auto same = [](char fromName, char fromQuery) {
        return kFold[static_cast<unsigned char>(fromName)] == static_cast<unsigned char>(fromQuery);
    };
    return std::search(name.begin(), name.end(), m_query.begin(), m_query.end(), same) !=
           name.end();
}

std::vector<FoundPlayer> findPlayers(std::string_view base, std::string_view query,
                                     std::size_t limit)
{
    const NameSearch search(query);
    std::vector<FoundPlayer> found;
    if (search.isEmpty())
        return found;
    // A cut last record counts as the editor counts it, from 1 however short the base.
    const std::int64_t count = recordCountForLength(std::int64_t(base.size()));
    for (std::int64_t r = 1; r <= count && found.size() < limit; ++r) {
        const std::string_view bytes = recordBytes(base, r);
        if (!search.matches(bytes.substr(kNameOffset, kNameWidth)))
            continue;
        const PlayerRecord record = decodeRecord(bytes);
        found.push_back({r, trimBlanks(record.name), trimBlanks(record.rate)});
    }
    return found;
}

std::int64_t findNextPlayer(std::string_view base, std::string_view query, std::int64_t after)
{
    const NameSearch search(query);
    if (search.isEmpty())
        return 0;
    // A cut last record counts as the editor counts it, from 1 however short the base.
    const std::int64_t count = recordCountForLength(std::int64_t(base.size()));
    after = std::clamp<std::int64_t>(after, 0, count);
    for (std::int64_t step = 1; step <= count; ++step) {
        const std::int64_t r = (after + step - 1) % count + 1;
        const std::string_view bytes = recordBytes(base, r);
        if (search.matches(bytes.substr(kNameOffset, kNameWidth)))
            return r;
    }
    return 0;
}

} // namespace krugovik
