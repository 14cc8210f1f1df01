#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "export/csv_export.h"
#include "export/final_standings.h"
#include "export/html_export.h"
#include "export/latin_text.h"
#include "export/trf_export.h"
#include "rating/new_ratings.h"
#include "support/game_list.h"
#include "trf/trf_reader.h"

using namespace krugovik;

namespace {

constexpr GameState W = GameState::Win;
constexpr GameState L = GameState::Loss;
constexpr GameState D = GameState::Draw;
constexpr GameState FW = GameState::ForfeitWin;

using testing_support::Game;

TournamentSnapshot snapshotOf(std::string name, std::vector<SnapshotPlayer> players,
                              const std::vector<Game> &games)
{
    TournamentSnapshot snapshot;
    snapshot.name = std::move(name);
    snapshot.date = "07.12.2026";
    snapshot.players = std::move(players);
    auto rating = [&](int player) {
        return std::stoll("0" + snapshot.players[std::size_t(player - 1)].ratingCell);
    };
    for (const Game &g : games)
        recordGame(snapshot.games, g.p, g.q, g.stateOfP, rating(g.q), rating(g.p));
    return snapshot;
}

// Five players, so one sits out each round: a draw, a forfeit, a game not yet played,
// an estimate, and names with a semicolon, quotes and an ampersand.
TournamentSnapshot fivePlayers()
{
    return snapshotOf("ZIMA 2026",
                      {{"Иванов Пётр", "1712", false},
                       {"Смирнова; Анна", "1588", false},
                       {"Козлов \"Лис\" Иван", "1300", true},
                       {"Орлов & Денис", "1845", false},
                       {"Ли Ян", "1450", false}},
                      {{1, 2, W},
                       {1, 3, D},
                       {1, 4, L},
                       {1, 5, FW},
                       {2, 3, W},
                       {2, 4, D},
                       {3, 4, W},
                       {3, 5, L},
                       {4, 5, W}});
}

// Four players, three of them beaten in a cycle and sharing a place; one has no rating
// yet, so no new ratings are shown.
TournamentSnapshot sharedPlace()
{
    return snapshotOf(
        "SHARED",
        {{"A", "1500", false}, {"B", "1400", false}, {"C", "", false}, {"D", "1600", false}},
        {{1, 2, W}, {1, 3, W}, {1, 4, W}, {2, 3, W}, {3, 4, W}, {4, 2, W}});
}

// Six players under FIDE's order: 1, 2 and 3 tied on points, wins and among themselves
// (each beat one of the others), then parted by Sonneborn-Berger. Щукин left after round 2
// with two games played, too few for a place: his games count for nobody.
TournamentSnapshot fideWithAWithdrawal()
{
    TournamentSnapshot snapshot = snapshotOf("Кубок Щукина",
                                             {{"Ёлкин Артём", "1650", false},
                                              {"Смирнова Анна", "1588", false},
                                              {"Чайковская Ксения", "1300", true},
                                              {"Орлов Денис", "1845", false},
                                              {"Ли Ян", "1450", false},
                                              {"Щукин Юрий", "1500", false}},
                                             {{1, 2, W},
                                              {3, 1, W},
                                              {2, 3, W},
                                              {1, 4, D},
                                              {1, 5, W},
                                              {2, 4, W},
                                              {2, 5, D},
                                              {3, 4, D},
                                              {3, 5, W},
                                              {4, 5, W},
                                              {1, 6, W},
                                              {6, 4, W},
                                              // Forfeits of the rounds after he left.
                                              {2, 6, FW},
                                              {3, 6, FW},
                                              {5, 6, FW}});
    snapshot.tieBreaks = fideRoundRobinTieBreaks();
    snapshot.players[5].withdrawnAfter = 2;
    return snapshot;
}

// Five players in two cycles, the first cycle's last rounds swapped, under every tie-break.
// Player 3 left after round 7 with six games played: he keeps his place and loses rounds
// 8 and 9 by forfeit. Player 5 has no rating.
TournamentSnapshot everyTieBreakInTwoCycles()
{
    TournamentSnapshot snapshot = snapshotOf("Осень 2026",
                                             {{"Иванов Пётр", "1712", false},
                                              {"Хабибуллин Шамиль", "1588", false},
                                              {"Объедков Ильич", "1300", false},
                                              {"Орлов & Денис", "1845", false},
                                              {"Ли Ян", "", false}},
                                             {{1, 2, W},
                                              {1, 3, D},
                                              {1, 4, L},
                                              {5, 1, FW},
                                              {2, 3, W},
                                              {2, 4, D},
                                              {2, 5, L},
                                              {3, 4, W},
                                              {3, 5, D},
                                              {4, 5, W}});
    snapshot.cycles = 2;
    snapshot.reverseLastRounds = true;
    snapshot.laterCycles.resize(1);
    for (const Game &g : std::vector<Game>{{1, 2, D},
                                           {1, 4, W},
                                           {1, 5, W},
                                           {2, 4, L},
                                           {2, 5, W},
                                           {3, 4, L},
                                           {3, 5, W},
                                           {4, 5, D},
                                           // Forfeits of the rounds after 3 left, as the
                                           // table holds them.
                                           {1, 3, FW},
                                           {2, 3, FW}})
        recordGame(snapshot.laterCycles[0], g.p, g.q, g.stateOfP, 0, 0);
    using K = TieBreakKind;
    snapshot.tieBreaks = {{K::DirectEncounter},
                          {K::Wins},
                          {K::WinsOverBoard},
                          {K::BlackGames},
                          {K::BlackWins},
                          {K::SonnebornBerger},
                          {K::Koya},
                          {K::Koya, 40},
                          {K::AverageOpponentRating},
                          {K::PerformanceRating}};
    snapshot.players[2].withdrawnAfter = 7;
    return snapshot;
}

std::string golden(const std::string &name)
{
    std::ifstream in(std::string(KRUGOVIK_GOLDEN_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << "no golden file " << name;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Compares with the golden file; a differing result is left beside the test for diff.
void expectGolden(const std::string &name, const std::string &actual)
{
    const std::string expected = golden(name);
    if (actual != expected) {
        std::ofstream(name + ".actual", std::ios::binary) << actual;
        ADD_FAILURE() << name << " differs; see " << name << ".actual";
    }
}

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

TEST(Exports, MatchTheirGoldenFiles)
{
    expectGolden("zima.csv", exportCsv(fivePlayers()));
    expectGolden("zima.html", exportHtml(fivePlayers()));
    expectGolden("zima.trf", exportTrf(fivePlayers()));
    expectGolden("shared.csv", exportCsv(sharedPlace()));
    expectGolden("shared.html", exportHtml(sharedPlace()));
    expectGolden("shared.trf", exportTrf(sharedPlace()));
}

TEST(Exports, UnderChosenTieBreaksWithWithdrawalsMatchTheirGoldenFiles)
{
    const struct {
        std::string name;
        TournamentSnapshot snapshot;
    } cases[] = {{"kubok", fideWithAWithdrawal()}, {"osen", everyTieBreakInTwoCycles()}};
    for (const auto &c : cases) {
        expectGolden(c.name + ".csv", exportCsv(c.snapshot));
        expectGolden(c.name + ".html", exportHtml(c.snapshot));
        const std::string trf = exportTrf(c.snapshot);
        expectGolden(c.name + ".trf", trf);
        EXPECT_TRUE(std::all_of(trf.begin(), trf.end(), [](char b) { return (b & 0x80) == 0; }))
            << c.name << ".trf holds a byte outside ASCII";
    }
}

// The five of «ZIMA 2026» with every detail of the event the director can tell.
TournamentSnapshot withEventDetails()
{
    TournamentSnapshot snapshot = fivePlayers();
    EventDetails &event = snapshot.event;
    event.title = "Первенство города <юноши> & девушки";
    event.place = "Тверь; Дом шахмат";
    event.federation = "RUS";
    event.organiser = "=Спорткомитет";
    event.startDate = "2026-06-01";
    event.endDate = "2026-06-05";
    event.roundDates = {"2026-06-01", "2026-06-02", "", "2026-06-04", "2026-06-05"};
    event.chiefArbiter = "Щукин Юрий";
    event.deputyArbiter = "Ёлкин Артём";
    event.timeControl = "60 мин + 30 сек";
    event.kind = EventKind::Rapid;
    return snapshot;
}

TEST(Exports, WithTheEventsDetailsMatchTheirGoldenFiles)
{
    const TournamentSnapshot snapshot = withEventDetails();
    expectGolden("leto.csv", exportCsv(snapshot));
    expectGolden("leto.html", exportHtml(snapshot));
    expectGolden("leto.trf", exportTrf(snapshot));
    // The title stands where the file's name stood; the rest of each sheet is as before.
    const std::string plainCsv = exportCsv(fivePlayers());
    const std::string csv = exportCsv(snapshot);
    EXPECT_TRUE(csv.ends_with(plainCsv.substr(3))) << "the table after the details";
    const std::vector<std::string> trf = linesOf(exportTrf(snapshot));
    const std::vector<std::string> header(trf.begin(), trf.begin() + 14);
    EXPECT_EQ(header, (std::vector<std::string>{
                          "012 Pervenstvo goroda <yunoshi> & devushki",
                          "022 Tver'; Dom shakhmat",
                          "032 RUS",
                          "042 2026/06/01",
                          "052 2026/06/05",
                          "062 5",
                          "092 Individual: Round Robin",
                          "102 Shchukin Yuriy",
                          "112 Yelkin Artem",
                          "122 60 min + 30 sek",
                          "132" + std::string(88, ' ') + "26/06/01  26/06/02" +
                              std::string(12, ' ') + "26/06/04  26/06/05",
                          "142 5",
                          "XXR 5",
                          "192 FIDE_ROUNDROBIN",
                      }));
}

TEST(FinalStandings, PlacesPointsAndRatingsAsTheTableWouldShowThem)
{
    const std::vector<StandingLine> lines = finalStandings(fivePlayers());
    ASSERT_EQ(lines.size(), 5u);
    // 4 and 1 have 2.5 points, Berger 4.25 and 3.25; 3 and 2 have 1.5, Berger 3.75 and 2.75.
    std::vector<int> order;
    for (const StandingLine &line : lines)
        order.push_back(line.player);
    EXPECT_EQ(order, (std::vector<int>{4, 1, 3, 2, 5}));
    EXPECT_EQ(lines[0].points, "2,5");
    // Every rule of the default order has its column: the Berger coefficient, the direct
    // encounter (blank: no tie for it to split) and the wins.
    EXPECT_EQ(lines[0].tieBreaks, (std::vector<std::string>{"4,25", "", "2"}));
    EXPECT_EQ(lines[4].points, "1");
    EXPECT_EQ(lines[4].tieBreaks, (std::vector<std::string>{"1,5", "", "1"}));

    const std::vector<StandingLine> shared = finalStandings(sharedPlace());
    EXPECT_EQ(shared[1].place, "2-4");
    EXPECT_EQ(shared[3].place, "2-4");
    EXPECT_EQ(shared[0].newRating, "");
    EXPECT_EQ(shared[0].change, "");
}

TEST(FinalStandings, CommaNumbers)
{
    EXPECT_EQ(commaNumber(Fixed::fromUnits(25000)), "2,5");
    EXPECT_EQ(commaNumber(Fixed::fromUnits(5000)), "0,5");
    EXPECT_EQ(commaNumber(Fixed::fromUnits(67500)), "6,75");
    EXPECT_EQ(commaNumber(Fixed::fromUnits(0)), "0");
    EXPECT_EQ(commaNumber(Fixed::fromUnits(30000)), "3");
}

TEST(NewRatings, AsTheNewRatingCommandComputesThem)
{
    // R 1500 against five opponents of 1500 with 3.5 points: 1530. R 1010 against four of
    // 1010 without a point: 960, shown at the floor. A player without games keeps his cell.
    std::vector<RatingCell> cells = {{"1500", false}};
    for (int k = 0; k < 5; ++k)
        cells.push_back({"1500", false});
    cells.push_back({"1510", false});
    GameRecords records;
    const GameState results[] = {W, W, W, D, L};
    for (int k = 0; k < 5; ++k)
        recordGame(records, 1, k + 2, results[k], 1500, 1500);
    const std::vector<NewRating> rated = computeNewRatings(cells, records);
    ASSERT_EQ(rated.size(), 7u);
    EXPECT_EQ(rated[0].cell, " 1530");
    EXPECT_EQ(rated[0].change, " + 30");
    EXPECT_EQ(rated[0].delta, 30);
    EXPECT_EQ(rated[6].cell, "1510");
    EXPECT_EQ(rated[6].change, " 0");

    GameRecords floor;
    std::vector<RatingCell> low(5, {"1010", false});
    for (int k = 2; k <= 5; ++k)
        recordGame(floor, 1, k, L, 1010, 1010);
    const std::vector<NewRating> floored = computeNewRatings(low, floor);
    EXPECT_EQ(floored[0].cell, "1000");
    EXPECT_EQ(floored[0].value, 1000);
    EXPECT_EQ(floored[0].change, "-10");
}

TEST(NewRatings, AnEstimateIsRatedWithItsCorrection)
{
    // An estimate of 1200 who wins his only game gets a correction of 10, and his
    // opponent counts him at 1210.
    GameRecords records;
    recordGame(records, 1, 2, W, 1200, 1200);
    const std::vector<NewRating> rated =
        computeNewRatings({{"1200", true}, {"1200", false}}, records);
    // 1210 against 1200: E = 0.5144, K = 40, 1210 + 40 × 0.4856 = 1229.4 → 1229.
    EXPECT_EQ(rated[0].value, 1229);
    EXPECT_EQ(rated[0].change, " + 29");
    // 1200 against 1210: E = 0.4856, K = 25, 1200 − 25 × 0.4856 = 1187.86 → 1188.
    EXPECT_EQ(rated[1].value, 1188);
}

TEST(Csv, FramingQuotingAndTheOwnColumn)
{
    const std::string csv = exportCsv(fivePlayers());
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<std::string> lines = linesOf(csv.substr(3));
    // A line for each player, then the order of places and what DE's column holds.
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_TRUE(lines[7].starts_with("\"DE — очки во встречах")) << lines[7];
    EXPECT_EQ(lines[0], "Место;№;Участник;Рейтинг;Новый рейтинг;Изменение;Очки;Бергер (SB);"
                        "Личная встреча (DE);Победы (WIN);1;2;3;4;5");
    // Player 3 is third: his name quoted, his own column X, the draw with a comma.
    EXPECT_TRUE(lines[3].starts_with("3;3;\"Козлов \"\"Лис\"\" Иван\";1300;")) << lines[3];
    EXPECT_NE(lines[4].find("\"Смирнова; Анна\""), std::string::npos);
    EXPECT_TRUE(lines[2].ends_with(";X;1;0,5;0;+")) << lines[2];
    // The game of 2 and 5 has no result: an empty field.
    EXPECT_TRUE(lines[4].ends_with(";0;X;1;0,5;")) << lines[4];
}

// Two players, the first under the name given: 1 beat 2.
TournamentSnapshot namedFirst(const std::string &name)
{
    return snapshotOf("NAMES", {{name, "1500", false}, {"B", "1400", false}}, {{1, 2, W}});
}

TEST(Csv, TextThatASpreadsheetWouldRunIsMarkedAsText)
{
    const struct {
        std::string name;
        std::string field; // as the name's field is written
    } cases[] = {
        {"=HYPERLINK(\"http://x\";\"y\")", "\"'=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\""},
        {"+7 999 000", "'+7 999 000"},
        {"-Иванов", "'-Иванов"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tтаб", "'\tтаб"},
        {"\rкаретка", "\"'\rкаретка\""},
        {"Иванов=Петров", "Иванов=Петров"},
        {"-12", "-12"},
        {"+3,5", "+3,5"},
    };
    for (const auto &c : cases) {
        const std::vector<std::string> lines = linesOf(exportCsv(namedFirst(c.name)).substr(3));
        ASSERT_EQ(lines.size(), 5u) << c.name;
        EXPECT_TRUE(lines[1].starts_with("1;1;" + c.field + ";1500;")) << lines[1];
    }
}

// The text of a TRF line between two columns counted from 1, in characters.
std::u32string columns(const std::string &line, std::size_t first, std::size_t last)
{
    std::u32string wide;
    for (std::size_t k = 0; k < line.size();) {
        const unsigned char c = static_cast<unsigned char>(line[k]);
        if (c < 0x80) {
            wide += char32_t(c);
            ++k;
        } else {
            wide += char32_t(((c & 0x1F) << 6) | (static_cast<unsigned char>(line[k + 1]) & 0x3F));
            k += 2;
        }
    }
    return first - 1 < wide.size() ? wide.substr(first - 1, last - first + 1) : std::u32string();
}

// The lines other programs read: the program's own ### records left out.
std::vector<std::string> dataLinesOf(const std::string &text)
{
    std::vector<std::string> lines;
    for (const std::string &line : linesOf(text)) {
        if (!line.starts_with("###"))
            lines.push_back(line);
    }
    return lines;
}

TEST(Trf, ColumnsOfAPlayerLine)
{
    const std::vector<std::string> lines = dataLinesOf(exportTrf(fivePlayers()));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "012 ZIMA 2026");
    EXPECT_EQ(lines[1], "052 2026/12/07");
    EXPECT_EQ(lines[2], "062 5");
    EXPECT_EQ(lines[3], "092 Individual: Round Robin");
    EXPECT_EQ(lines[4], "142 5");
    EXPECT_EQ(lines[5], "XXR 5");
    EXPECT_EQ(lines[6], "192 FIDE_ROUNDROBIN");
    EXPECT_EQ(lines[7], "202 SB DE WIN");
    // Player 1, second: sits out round 1, then 1-2 (won), 3-1 (draw, black), 1-4 (lost),
    // 5-1 (a forfeit win, black).
    const std::string &one = lines[8];
    EXPECT_EQ(columns(one, 1, 4), U"001 ");
    EXPECT_EQ(columns(one, 5, 8), U"   1");
    EXPECT_EQ(columns(one, 15, 47), U"Ivanov Petr                      ");
    // The club's rating is no FIDE rating: without his identity the field stays blank.
    EXPECT_EQ(columns(one, 49, 52), U"    ");
    EXPECT_EQ(columns(one, 81, 84), U" 2.5");
    EXPECT_EQ(columns(one, 86, 89), U"   2");
    EXPECT_EQ(columns(one, 92, 99), U"0000 - Z");
    EXPECT_EQ(columns(one, 102, 109), U"   2 w 1");
    EXPECT_EQ(columns(one, 112, 119), U"   3 b =");
    EXPECT_EQ(columns(one, 122, 129), U"   4 w 0");
    EXPECT_EQ(columns(one, 132, 139), U"   5 b +");
    // Player 2's game against 5 in round 1 has no result: its block is blank.
    EXPECT_EQ(columns(lines[9], 90, 101), U"            ");
    EXPECT_EQ(columns(lines[9], 102, 109), U"   1 b 0");
    EXPECT_EQ(columns(lines[9], 112, 119), U"0000 - Z");
}

TEST(Trf, IdentitiesFillTheirColumnsAndTheClubRatingGoesAsANationalOne)
{
    TournamentSnapshot s = fivePlayers();
    s.players[0].identity = {24101605, "12345", "RUS", "IM", 'M', 1994, 2402};
    s.players[1].identity = {0, "", "", "WFM", 'F', 2010, 0};
    s.players[2].estimate = true;
    const std::vector<std::string> lines = linesOf(exportTrf(s));
    // Line 172 comes with the national ratings, of the first federation known.
    ASSERT_EQ(lines[7], "172 RUS OTHER");
    const std::string &one = lines[9];
    EXPECT_EQ(columns(one, 1, 14), U"001    1 m IM ");
    EXPECT_EQ(columns(one, 49, 52), U"2402");
    EXPECT_EQ(columns(one, 54, 56), U"RUS");
    EXPECT_EQ(columns(one, 58, 68), U"   24101605");
    EXPECT_EQ(columns(one, 70, 79), U"1994/00/00");
    EXPECT_EQ(columns(one, 81, 84), U" 2.5");
    // The national record: the federation, the rank, the club's rating, his national ID.
    EXPECT_EQ(lines[10].substr(0, 8), "RUS    1");
    EXPECT_EQ(columns(lines[10], 49, 52), U"1712");
    EXPECT_EQ(columns(lines[10], 58, 68), U"      12345");
    EXPECT_EQ(lines[10].size(), 68u);
    // Without a FIDE rating the field stays blank; the club's rating still goes.
    const std::string &two = lines[11];
    EXPECT_EQ(columns(two, 10, 13), U"wWFM");
    EXPECT_EQ(columns(two, 49, 68), U"                    ");
    EXPECT_TRUE(lines[12].starts_with("RUS    2"));
    // An estimate is no rating at all: no national record for player 3.
    EXPECT_TRUE(lines[13].starts_with("001    3"));
    EXPECT_TRUE(lines[14].starts_with("001    4") || lines[14].starts_with("RUS    4"));
    for (const std::string &line : lines)
        EXPECT_FALSE(line.starts_with("RUS    3")) << line;
}

// The national record opens with the federation's code: a code that would read as a player's
// line or as one of the format's own lines must not open one, or the file reads back wrong.
TEST(Trf, OnlyAFederationOfThreeCapitalsOpensNationalRecords)
{
    const struct {
        std::string federation;
        bool national;
    } cases[] = {{"RUS", true},  {"001", false}, {"132", false}, {"XXR", false},
                 {"rus", false}, {"RU", false},  {"R1S", false}, {"###", false}};
    for (const auto &c : cases) {
        TournamentSnapshot s = fivePlayers();
        s.players[0].identity.federation = c.federation;
        const std::string trf = exportTrf(s);
        EXPECT_EQ(trf.find("172 ") != std::string::npos, c.national) << c.federation;
        EXPECT_TRUE(readTrf(trf).ok()) << c.federation;
        int playerLines = 0;
        for (const std::string &line : linesOf(trf))
            playerLines += line.starts_with("001") ? 1 : 0;
        EXPECT_EQ(playerLines, 5) << c.federation;
    }
}

TEST(Trf, ControlBytesInANameAreBlankedAndTheLineStaysWhole)
{
    const std::vector<std::string> names = {"A\rB",   "A\nB", "A\r\nB", std::string("A\0B", 3),
                                            "A\001B", "A\tB", "A\177B"};
    const std::string plain = dataLinesOf(exportTrf(namedFirst("AB")))[8];
    for (const std::string &name : names) {
        const std::vector<std::string> lines = dataLinesOf(exportTrf(namedFirst(name)));
        ASSERT_EQ(lines.size(), 10u) << name;
        const std::u32string expected = U"A" + std::u32string(name.size() - 2, U' ') + U"B" +
                                        std::u32string(33 - name.size(), U' ');
        EXPECT_EQ(columns(lines[8], 15, 47), expected) << name;
        // Everything after the name stands where it stands for a plain name.
        EXPECT_EQ(lines[8].substr(47), plain.substr(47)) << name;
    }
}

TEST(Trf, NamesInLatinLetters)
{
    const std::vector<std::string> names = {"Щукин Юрий", "Ёлкин Артём",   "Объедков Ильич",
                                            "Їжак Євген", "Müller Jürgen", "Орлов & «Лис»",
                                            "中文",       "A\tB"};
    const std::vector<std::string> expected = {
        "Shchukin Yuriy", "Yelkin Artem",    "Ob\"yedkov Il'ich", "Izhak Evgen",
        "Muller Jurgen",  "Orlov & <<Lis>>", "zhong wen",         "A\tB"};
    EXPECT_EQ(asciiLatin(names), expected);
}

TEST(Html, SelfContainedAndEscaped)
{
    const std::string html = exportHtml(fivePlayers());
    EXPECT_TRUE(html.starts_with("<!DOCTYPE html>\n<html lang=\"ru\">"));
    EXPECT_NE(html.find("<title>ZIMA 2026</title>"), std::string::npos);
    EXPECT_NE(html.find("Орлов &amp; Денис"), std::string::npos);
    EXPECT_NE(html.find("Козлов &quot;Лис&quot; Иван"), std::string::npos);
    EXPECT_NE(html.find("<td class=\"n est\">1300</td>"), std::string::npos);
    EXPECT_NE(html.find("<td class=\"g\">½</td>"), std::string::npos);
    for (const char *outside : {"<script", "<link", "<img", "src=", "url(", "@import"})
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;
}

} // namespace

TEST(Trf, Line192NamesTheCycles)
{
    const std::vector<std::pair<int, std::string>> codes = {{1, "FIDE_ROUNDROBIN"},
                                                            {2, "FIDE_DOUBLEROUNDROBIN"},
                                                            {3, "BERGER_ROUNDROBIN_G3"},
                                                            {4, "BERGER_ROUNDROBIN_G4"}};
    for (const auto &[cycles, code] : codes) {
        for (const bool reverse : {true, false}) {
            TournamentSnapshot s = fivePlayers();
            s.cycles = cycles;
            s.reverseLastRounds = reverse;
            s.laterCycles.assign(std::size_t(cycles - 1), s.games);
            const std::string trf = exportTrf(s);
            EXPECT_NE(trf.find("\r\n192 " + code + "\r\n"), std::string::npos) << cycles;
            // Every round of every cycle: 5 players play 5 rounds a cycle.
            EXPECT_NE(trf.find("\r\nXXR " + std::to_string(5 * cycles) + "\r\n"),
                      std::string::npos);
        }
    }
}

namespace {

// What a TRF declares of the director's own entries: neither the lots nor his order go
// into 202, a change after the start is a ### line, and the rating columns hold FIDE's
// rating alone.
TEST(Trf, OwnEntriesAndChangesOfTheRules)
{
    TournamentSnapshot s = fivePlayers();
    // Player 1 came from FIDE's list; the others' ratings are the club's own.
    s.players[0].identity.fideRating = 1712;
    s.tieBreaks = {*tieBreakFromCode("CHANGED/3/SB,DE,WIN"), *tieBreakFromCode("ARO/U1400"),
                   *tieBreakFromCode("HAND/2,1"), *tieBreakFromCode("LOT/77")};
    const std::string trf = exportTrf(s);
    EXPECT_NE(trf.find("\r\n202 ARO/U1400\r\n### Tie-breaks changed after round 3: SB DE WIN\r\n"),
              std::string::npos)
        << trf;
    // Player 3's rating is an estimate and no FIDE rating: blank columns 49-52.
    const std::size_t line = trf.find("001    3");
    ASSERT_NE(line, std::string::npos);
    EXPECT_EQ(trf.substr(line + 48, 4), "    ");
    EXPECT_EQ(trf.substr(trf.find("001    1") + 48, 4), "1712");
    // The standings name the lots and the director's order without their codes.
    const std::vector<std::string> titles = tieBreakTitles(s);
    EXPECT_EQ(titles, (std::vector<std::string>{"Средний рейтинг соперников (ARO/U1400)",
                                                "Решение судьи", "Жребий (LOT)"}));
    EXPECT_EQ(placeRulesLine(s), "Места: очки, затем средний рейтинг соперников (ARO/U1400), "
                                 "решение судьи, жребий (LOT)");
}

} // namespace
