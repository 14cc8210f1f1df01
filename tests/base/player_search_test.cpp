#include <cctype>
#include <gtest/gtest.h>

#include "base/player_search.h"

using namespace krugovik;

namespace {

// A record of the base: the name and rating in Windows-1251 bytes, blank-padded.
std::string record(std::string_view name, std::string_view rate, char nr = ' ')
{
    std::string bytes(name);
    bytes.resize(24, ' ');
    std::string rating(rate);
    rating.resize(4, ' ');
    return bytes + rating + nr;
}

// Windows-1251 bytes of a few Cyrillic words, written out.
const std::string kPetrovPyotr = "\xCF\xE5\xF2\xF0\xEE\xE2 \xCF\xB8\xF2\xF0"; // Петров Пётр
const std::string kPetrovaAnna = "\xEF\xE5\xF2\xF0\xEE\xE2\xE0 \xC0\xED\xED\xE0"; // петрова Анна
const std::string kSyomina = "\xD1\xB8\xEC\xE8\xED\xE0";                          // Сёмина
const std::string kSemenov = "\xD1\xE5\xEC\xE5\xED\xEE\xE2";                      // Семенов
const std::string kIvanov = "\xC8\xE2\xE0\xED\xEE\xE2";                           // Иванов
const std::string kPETR = "\xCF\xC5\xD2\xD0";                                     // ПЕТР
const std::string kSyom = "\xF1\xB8\xEC";                                         // сём
const std::string kSem = "\xF1\xE5\xEC";                                          // сем
const std::string kPyotr = "\xCF\xB8\xF2\xF0";                                    // Пётр

struct MatchCase {
    const char *title;
    std::string query;
    std::string name; // the name field as stored
    bool matches;
};

void PrintTo(const MatchCase &c, std::ostream *out)
{
    *out << c.title;
}

class NameMatching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(NameMatching, FollowsTheRule)
{
    const MatchCase &c = GetParam();
    EXPECT_EQ(NameSearch(c.query).matches(c.name), c.matches) << c.title;
}

INSTANTIATE_TEST_SUITE_P(
    PlayerSearch, NameMatching,
    ::testing::Values(
        MatchCase{"capitals find small letters", kPETR, kPetrovaAnna, true},
        MatchCase{"small letters find capitals", "\xEF\xE5\xF2\xF0", kPetrovPyotr, true},
        MatchCase{"e finds yo", kSem, kSyomina, true},
        MatchCase{"yo finds e", kSyom, kSemenov, true},
        MatchCase{"capital yo in the query", kPyotr, kPetrovPyotr + "  ", true},
        MatchCase{"a part inside the name", "\xE2 \xCF", kPetrovPyotr, true}, // "в П"
        MatchCase{"Latin ignores case", "IVAN", "Ivanov Ivan", true},
        MatchCase{"outer blanks of the query do not count", "  " + kIvanov + " ", kIvanov, true},
        MatchCase{"leading blanks of the field do not count", kIvanov, "   " + kIvanov, true},
        MatchCase{"a blank query matches nothing", "   ", kIvanov, false},
        MatchCase{"an empty query matches nothing", "", kIvanov, false},
        MatchCase{"a blank name matches nothing", "a", std::string(24, ' '), false},
        MatchCase{"longer than the name", kIvanov + " " + kIvanov, kIvanov, false},
        MatchCase{"other letters", kSem, kIvanov, false},
        MatchCase{"Ukrainian capitals fold too", "\xB3\xE2", "\xB2\xE2\xE0\xED", true}, // ів / Іван
        MatchCase{"digits and signs as they are", "2-", "Team 2-B", true}),
    [](const auto &info) {
        std::string name = info.param.title;
        for (char &c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(PlayerSearch, FoldingTouchesOnlyLetters)
{
    EXPECT_EQ(foldForSearch('A'), 'a');
    EXPECT_EQ(foldForSearch('z'), 'z');
    EXPECT_EQ(foldForSearch(0xC0), 0xE0); // А to а
    EXPECT_EQ(foldForSearch(0xDF), 0xFF); // Я to я
    EXPECT_EQ(foldForSearch(0xA8), 0xE5); // Ё to е
    EXPECT_EQ(foldForSearch(0xB8), 0xE5); // ё to е
    EXPECT_EQ(foldForSearch('5'), '5');
    EXPECT_EQ(foldForSearch(' '), ' ');
    EXPECT_EQ(foldForSearch(0xB9), 0xB9); // №
}

class PlayerSearchInBase : public ::testing::Test {
  protected:
    std::string base = record(kIvanov, "1400") + record(kPetrovPyotr, "1600") +
                       record(kSyomina, "1500", 'N') + record(kPetrovaAnna, "") + record("", "") +
                       record(kPETR + "\xEE\xE2", "1800");
};

TEST_F(PlayerSearchInBase, ListsMatchesInRecordOrderWithNameAndRating)
{
    const std::vector<FoundPlayer> found = findPlayers(base, "\xEF\xE5\xF2\xF0", 20);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].recordNo, 2);
    EXPECT_EQ(found[0].name, kPetrovPyotr);
    EXPECT_EQ(found[0].rate, "1600");
    EXPECT_EQ(found[1].recordNo, 4);
    EXPECT_EQ(found[1].rate, "");
    EXPECT_EQ(found[2].recordNo, 6);
    EXPECT_EQ(found[2].name, kPETR + "\xEE\xE2");
}

TEST_F(PlayerSearchInBase, TheListStopsAtItsLimit)
{
    std::string many;
    for (int k = 0; k < 30; ++k)
        many += record(kIvanov + std::to_string(k), "1500");
    const std::vector<FoundPlayer> found = findPlayers(many, kIvanov, 20);
    ASSERT_EQ(found.size(), 20u);
    EXPECT_EQ(found.front().recordNo, 1);
    EXPECT_EQ(found.back().recordNo, 20);
}

TEST_F(PlayerSearchInBase, NextMatchGoesOnAfterTheShownRecordAndWrapsRound)
{
    const std::string query = "\xEF\xE5\xF2\xF0"; // петр
    EXPECT_EQ(findNextPlayer(base, query, 1), 2);
    EXPECT_EQ(findNextPlayer(base, query, 2), 4);
    EXPECT_EQ(findNextPlayer(base, query, 4), 6);
    EXPECT_EQ(findNextPlayer(base, query, 6), 2);
    // The only match is the shown record itself: found again after the round.
    EXPECT_EQ(findNextPlayer(base, kSem, 3), 3);
    EXPECT_EQ(findNextPlayer(base, "xyz", 1), 0);
    EXPECT_EQ(findNextPlayer(base, " ", 1), 0);
    // A shown record beyond the end of the file (the file was cut meanwhile).
    EXPECT_EQ(findNextPlayer(base, query, 40), 2);
}

TEST_F(PlayerSearchInBase, ACutLastRecordIsSearchedAsTheEditorCountsIt)
{
    // 15 bytes of a record count as one more; 14 and fewer are ignored.
    const std::string tail = record("Zorin", "1500").substr(0, 15);
    EXPECT_EQ(findNextPlayer(base + tail, "zor", 1), 7);
    EXPECT_EQ(findNextPlayer(base + tail.substr(0, 14), "zor", 1), 0);
    EXPECT_EQ(findPlayers(base + tail, "zor", 20).at(0).rate, "");
    EXPECT_EQ(findNextPlayer("", "a", 1), 0);
    EXPECT_TRUE(findPlayers("", "a", 20).empty());
}

} // namespace
