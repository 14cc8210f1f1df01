#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "export/crosstable_print.h"
#include "export/csv_export.h"
#include "export/final_standings.h"
#include "export/html_export.h"
#include "export/sheet_parts.h"
#include "export/snapshot_results.h"
#include "export/trf_export.h"
#include "rounds/berger_schedule.h"
#include "trf/trf_reader.h"

using namespace krugovik;

namespace {

constexpr GameState W = GameState::Win;
constexpr GameState D = GameState::Draw;
constexpr GameState FL = GameState::ForfeitLoss;

// Four players; neither 1 nor 2 came to their game, nobody withdrew (a file may hold such
// a game). By hand, per cycle: 1 beat 3 and 4, 2 drew 3 and beat 4, 3 beat 4: points 2,
// 1.5, 1.5, 0, and 2 and 3 equal on SB (0.75), DE (a draw) and WIN (1).
TournamentSnapshot lostByBoth(int cycles)
{
    TournamentSnapshot s;
    s.name = "DVOE";
    s.date = "07.12.2026";
    s.cycles = cycles;
    for (const char *name : {"A", "B", "C", "D"})
        s.players.push_back({name, "1500", false});
    s.laterCycles.resize(std::size_t(cycles - 1));
    for (int c = 1; c <= cycles; ++c) {
        GameRecords &games = c == 1 ? s.games : s.laterCycles[std::size_t(c - 2)];
        for (auto [p, q, state] : {std::tuple{1, 3, W}, {1, 4, W}, {2, 3, D}, {2, 4, W}, {3, 4, W}})
            recordGame(games, p, q, state, 1500, 1500);
        // The one pair that is not mirrored.
        recordGame(games, 1, 2, FL, 0, 0);
        games.results[2][1] = "-";
    }
    return s;
}

struct Expected {
    std::vector<std::string> points; // by player, "2", "1,5"
    std::vector<std::string> places; // by player
};

void expectEveryExport(const TournamentSnapshot &s, const Expected &e)
{
    const int n = int(s.players.size());
    // The standings window, the CSV and the web page share these lines.
    for (const StandingLine &line : finalStandings(s)) {
        EXPECT_EQ(line.points, e.points[std::size_t(line.player - 1)]) << line.player;
        EXPECT_EQ(line.place, e.places[std::size_t(line.player - 1)]) << line.player;
    }
    // The printed standings.
    for (const SheetStanding &line : sheetStandings(s)) {
        EXPECT_EQ(line.points, e.points[std::size_t(line.player - 1)]) << line.player;
        EXPECT_EQ(line.place, e.places[std::size_t(line.player - 1)]) << line.player;
    }
    // The printed crosstable: the game is "-" on both sides, points and place as above.
    const Sheet table = crosstableSheet(s);
    const auto column = [&](const std::string &title) {
        const auto at = std::find_if(table.columns.begin(), table.columns.end(),
                                     [&](const SheetColumn &c) { return c.title == title; });
        return std::size_t(at - table.columns.begin());
    };
    const std::size_t points = column("Очки");
    const std::size_t place = column("Место");
    ASSERT_LT(place, table.columns.size());
    ASSERT_EQ(table.rows.size(), std::size_t(n));
    for (int p = 1; p <= n; ++p) {
        const std::vector<std::string> &row = table.rows[std::size_t(p - 1)];
        EXPECT_EQ(row[points], e.points[std::size_t(p - 1)]) << p;
        EXPECT_EQ(row[place], e.places[std::size_t(p - 1)]) << p;
    }
    for (int c = 1; c <= s.cycles; ++c) {
        EXPECT_EQ(countedState(s, c, 1, 2), FL);
        EXPECT_EQ(countedState(s, c, 2, 1), FL);
    }
    // The CSV: the points column, and "-" in both players' cells of the game.
    const std::string csv = exportCsv(s);
    for (int p = 1; p <= 2; ++p) {
        const std::size_t at =
            csv.find("\r\n" + e.places[std::size_t(p - 1)] + ";" + std::to_string(p) + ";");
        ASSERT_NE(at, std::string::npos) << csv;
        std::vector<std::string> fields;
        std::string field;
        for (std::size_t k = at + 2; k < csv.size() && csv[k] != '\r'; ++k) {
            if (csv[k] == ';') {
                fields.push_back(field);
                field.clear();
            } else {
                field += csv[k];
            }
        }
        fields.push_back(field);
        EXPECT_EQ(fields[6], e.points[std::size_t(p - 1)]) << p;
        const int other = p == 1 ? 2 : 1;
        for (int c = 0; c < s.cycles; ++c)
            EXPECT_EQ(
                fields[fields.size() - std::size_t((s.cycles - c) * n) + std::size_t(other - 1)],
                "-")
                << p << " cycle " << c + 1;
    }
    // The TRF: points, ranks, and the game lost on both sides.
    const std::string trf = exportTrf(s);
    const TrfReadResult read = readTrf(trf);
    ASSERT_TRUE(read.ok());
    for (const TrfPlayer &player : read.file.players) {
        std::string written = commaNumber(player.points);
        EXPECT_EQ(written, e.points[std::size_t(player.number - 1)]) << player.number;
        const std::string shared = e.places[std::size_t(player.number - 1)];
        EXPECT_EQ(std::to_string(player.rank), shared.substr(0, shared.find('-')));
        for (const TrfRound &round : player.rounds) {
            if (player.number <= 2 && round.opponent == 3 - player.number) {
                EXPECT_EQ(round.result, '-') << player.number;
            }
        }
    }
    // The web page: the game lost on both sides, no forfeit win anywhere.
    const std::string html = exportHtml(s);
    EXPECT_EQ(html.find("<td class=\"g\">+"), std::string::npos);
    EXPECT_NE(html.find("<td class=\"g\">-" + std::string(s.cycles > 1 ? " -" : "") + "</td>"),
              std::string::npos);
}

TEST(DoubleForfeit, CountsForNobodyInEveryExport)
{
    expectEveryExport(lostByBoth(1), {{"2", "1,5", "1,5", "0"}, {"1", "2-3", "2-3", "4"}});
    expectEveryExport(lostByBoth(2), {{"4", "3", "3", "0"}, {"1", "2-3", "2-3", "4"}});
}

// Whoever of the two withdrew, a game the table holds lost by both stays so.
TEST(DoubleForfeit, StaysLostByBothAfterAWithdrawal)
{
    TournamentSnapshot s = lostByBoth(2);
    const auto game = scheduledGame(4, 2, false, 2, 1, 2);
    ASSERT_TRUE(game);
    s.players[1].withdrawnAfter = game->round - 1;
    EXPECT_EQ(countedState(s, 2, 1, 2), FL);
    EXPECT_EQ(countedState(s, 2, 2, 1), FL);
    for (const StandingLine &line : finalStandings(s)) {
        if (line.player == 1) {
            EXPECT_EQ(line.points, "4");
        }
    }
}

// A player without a place whose games before he left have no result yet: the TRF pairs
// them without a result on both lines, and every line keeps its last result column, so
// that FIDE's checker sees the pairings and cuts them first.
TEST(VoidedPlayer, HisGamesArePairedWithoutAResultInTheTrf)
{
    TournamentSnapshot s = lostByBoth(1);
    s.games = {};
    recordGame(s.games, 1, 2, W, 1500, 1500);
    recordGame(s.games, 1, 3, D, 1500, 1500);
    recordGame(s.games, 2, 3, W, 1500, 1500);
    s.players[3].withdrawnAfter = 2;
    for (int q = 1; q <= 3; ++q) {
        if (scheduledGame(4, 1, false, 1, 4, q)->round == 3)
            recordGame(s.games, 4, q, FL, 1500, 1500);
    }
    const std::string trf = exportTrf(s);
    const TrfReadResult read = readTrf(trf);
    ASSERT_TRUE(read.ok());
    for (const TrfPlayer &player : read.file.players) {
        int withHim = 0;
        for (const TrfRound &round : player.rounds) {
            if (round.opponent == 4 || (player.number == 4 && round.opponent > 0)) {
                EXPECT_EQ(round.result, ' ') << player.number;
                ++withHim;
            }
        }
        EXPECT_EQ(withHim, player.number == 4 ? 3 : 1) << player.number;
    }
    // Three rounds: every line reaches the last result column, 119.
    for (std::size_t start = 0, end; (end = trf.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        if (trf.compare(start, 3, "001") == 0) {
            EXPECT_EQ(end - start, 119u) << trf.substr(start, end - start);
        }
    }
}

} // namespace
