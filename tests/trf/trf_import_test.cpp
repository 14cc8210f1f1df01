// A TRF read into a tournament of the program and written out again.
#include <gtest/gtest.h>

#include "common/windows1251.h"
#include "export/trf_export.h"
#include "table/tournament.h"
#include "table/tournament_file.h"
#include "trf/import_text.h"
#include "trf/random_tournament.h"
#include "trf/trf_import.h"
#include "trf/trf_reader.h"

using namespace krugovik;

namespace {

// The export of the tournament the import builds, as the program would write it.
std::string reexported(const std::string &trf, TrfError &why)
{
    const TrfReadResult read = readTrf(trf);
    if (!read.ok()) {
        why = read.errors.front();
        return {};
    }
    bool ok = false;
    const ImportedTournament imported = importTrf(read.file, why, ok);
    if (!ok)
        return {};
    Tournament tournament;
    tournament.load(imported.fileBytes());
    return exportTrf(tournament.snapshot(imported.name, {}));
}

// Every kind of event the generator makes: sizes, cycles, lists, forfeits, unplayed
// games and withdrawals with and without a place.
TEST(TrfImport, ExportImportExportGivesTheSameBytes)
{
    const char *const lists[] = {"DE WIN SB KS", "SB DE WIN", "STD SB/C1 REP", "KS/L-1 TPN/R",
                                 "RTNG ARO TPR"};
    int withdrawnCases = 0;
    for (int k = 0; k < 300; ++k) {
        RandomTournamentOptions o;
        o.seed = std::uint64_t(k) * 104729 + 3;
        o.players = 3 + k % 20;
        o.cycles = 1 + (k / 3) % 4;
        o.drawPercent = (k * 11) % 45;
        o.forfeitPercent = k % 3 == 0 ? 0 : (k * 5) % 12;
        o.unplayedPercent = k % 4 == 2 ? (k * 7) % 25 : 0;
        o.withdrawals = k % 5 == 1 ? std::min(1 + k % 3, o.players - 2) : 0;
        withdrawnCases += o.withdrawals > 0;
        o.tieBreaks.clear();
        for (const char *code : {"DE", "WIN", "SB", "KS"})
            o.tieBreaks.push_back(*tieBreakFromCode(code));
        if (k % 2 == 1) {
            o.tieBreaks.clear();
            std::string list = lists[std::size_t(k / 2) % std::size(lists)];
            for (std::size_t start = 0; start < list.size();) {
                std::size_t end = std::min(list.find(' ', start), list.size());
                o.tieBreaks.push_back(*tieBreakFromCode(list.substr(start, end - start)));
                start = end + 1;
            }
        }
        TournamentSnapshot generated = randomTournament(o);
        // Some events carry what the director told of them, some only part of it.
        if (k % 3 == 1) {
            EventDetails &event = generated.event;
            event.title = "Club championship " + std::to_string(k);
            event.federation = "NOR";
            event.startDate = "2026-03-0" + std::to_string(1 + k % 9);
            if (k % 2 == 0) {
                event.place = "Tromso";
                event.endDate = "2026-04-30";
                event.chiefArbiter = "Hansen, Per";
                event.deputyArbiter = "Berg, Kari";
                event.timeControl = "90'/40 + 30' + 30\"";
                event.roundDates = {"2026-03-10", "", "2026-03-12"};
            }
        }
        const std::string first = exportTrf(generated);
        TrfError why;
        const std::string second = reexported(first, why);
        ASSERT_EQ(second, first) << "case " << k << ": line " << why.line << ": " << why.reason;
    }
    EXPECT_GT(withdrawnCases, 50);
}

// The event's details in the header lines, as the tournament keeps them; what the
// tournament file cannot hold (a federation that is no code, a date that is no day) is left
// out rather than refusing the file.
TEST(TrfImport, ReadsTheEventsDetails)
{
    // A generated event's own lines, its header lines left out.
    RandomTournamentOptions o;
    o.players = 3;
    o.seed = 7;
    std::string players;
    const std::string whole = exportTrf(randomTournament(o));
    for (std::size_t start = 0; start < whole.size();) {
        const std::size_t end = whole.find('\n', start) + 1;
        const std::string line = whole.substr(start, end - start);
        if (std::string("012 022 032 042 052 102 112 122 132").find(line.substr(0, 3)) ==
            std::string::npos)
            players += line;
        start = end;
    }
    const std::string dates132 = "132" + std::string(88, ' ') + "26/05/01  26/05/02";
    struct Case {
        std::string header;
        EventDetails expected;
    };
    EventDetails full;
    full.title = "Spring Open";
    full.place = "Bergen";
    full.federation = "NOR";
    full.startDate = "2026-05-01";
    full.endDate = "2026-05-03";
    full.chiefArbiter = "Olsen, Ola";
    full.deputyArbiter = "Dahl, Liv";
    full.timeControl = "60 min + 30 s";
    full.roundDates = {"2026-05-01", "2026-05-02"};
    EventDetails bare;
    bare.title = "Blitz";
    EventDetails dotted;
    dotted.title = "Dotted";
    dotted.startDate = "1999-12-30";
    dotted.roundDates = {"", "1999-12-31"};
    const Case cases[] = {
        {"012 Spring Open\n022 Bergen\n032 NOR\n042 2026/05/01\n052 2026/05/03\n"
         "102 Olsen, Ola\n112 Dahl, Liv\n122 60 min + 30 s\n" + dates132 + "\n",
         full},
        {"012 Blitz\n", bare},
        {"012 Blitz\n032 Norway\n042 2026/02/30\n052 soon\n", bare},
        {"012 Dotted\n042 1999.12.30\n132" + std::string(98, ' ') + "99/12/31\n", dotted},
    };
    for (const Case &c : cases) {
        const TrfReadResult read = readTrf(c.header + players);
        ASSERT_TRUE(read.ok()) << c.header << read.errors.front().line << ": " << read.errors.front().reason;
        TrfError why;
        bool ok = false;
        const ImportedTournament imported = importTrf(read.file, why, ok);
        ASSERT_TRUE(ok) << c.header << why.reason;
        EXPECT_EQ(imported.extension.event, c.expected) << c.header;
        // The tournament file keeps them.
        Tournament tournament;
        tournament.load(imported.fileBytes());
        EXPECT_EQ(tournament.snapshot(imported.name, {}).event, c.expected) << c.header;
    }
}

TEST(TrfImport, TakesRulesWithdrawalsAndCycles)
{
    RandomTournamentOptions o;
    o.players = 7;
    o.cycles = 2;
    o.seed = 11;
    o.withdrawals = 0;
    o.tieBreaks = {*tieBreakFromCode("KS/L1"), *tieBreakFromCode("SB/C2")};
    TournamentSnapshot s = randomTournament(o);
    withdrawPlayer(s, 3, 10); // played 10 of 12 games: keeps his place
    const TrfReadResult read = readTrf(exportTrf(s));
    ASSERT_TRUE(read.ok());
    TrfError why;
    bool ok = false;
    const ImportedTournament imported = importTrf(read.file, why, ok);
    ASSERT_TRUE(ok) << why.reason;
    EXPECT_EQ(imported.name, "Random round robin 11");
    EXPECT_EQ(imported.extension.cycles, 2);
    EXPECT_EQ(imported.extension.reverseLastRounds, s.reverseLastRounds);
    EXPECT_EQ(imported.extension.tieBreakCodes, (std::vector<std::string>{"KS/L+1", "SB/C2"}));
    ASSERT_EQ(imported.extension.withdrawn.size(), 1u);
    EXPECT_EQ(imported.extension.withdrawn[0].first, 3);
    // He left after round 10; the file shows it from the first of his forfeits on, which
    // may be earlier when his own last games were forfeits already.
    EXPECT_LE(imported.extension.withdrawn[0].second, 10);
    EXPECT_EQ(imported.players[1].rating, s.players[1].ratingCell);
    EXPECT_EQ(imported.players[1].name, "Player 02");
}

// A change of the rules after a round, written as a ### line, comes back as the record
// the program keeps, and the file is written again the same.
TEST(TrfImport, KeepsTheRecordOfChangedRules)
{
    RandomTournamentOptions o;
    o.players = 6;
    o.seed = 4;
    TournamentSnapshot s = randomTournament(o);
    s.tieBreaks = {*tieBreakFromCode("CHANGED/3/SB,DE,WIN"), *tieBreakFromCode("DE"),
                   *tieBreakFromCode("KS/L-1")};
    const std::string first = exportTrf(s);
    ASSERT_NE(first.find("### Tie-breaks changed after round 3: SB DE WIN\r\n"), std::string::npos);
    TrfError why;
    EXPECT_EQ(reexported(first, why), first) << why.reason;
}

TEST(TrfImport, RefusesWhatTheCrosstableCannotHold)
{
    RandomTournamentOptions o;
    o.players = 5;
    o.seed = 2;
    std::string trf = exportTrf(randomTournament(o));
    // One round too many: no whole number of cycles.
    const std::size_t at = trf.find("142 5");
    ASSERT_NE(at, std::string::npos);
    std::string longer = trf;
    longer.replace(at, 5, "142 6");
    const TrfReadResult read = readTrf(longer);
    ASSERT_TRUE(read.ok());
    TrfError why;
    bool ok = true;
    importTrf(read.file, why, ok);
    EXPECT_FALSE(ok);
    EXPECT_NE(why.reason.find("не 1-4 круга"), std::string::npos) << why.reason;
}

} // namespace

// A file that gives its rules only in 212 (the score, then the list) opens with them: the
// export writes them back as 202.
TEST(TrfImport, TakesTheRulesOf212)
{
    RandomTournamentOptions o;
    o.players = 6;
    o.seed = 11;
    o.tieBreaks.clear();
    for (const char *code : {"STD", "KS/L-1", "TPN/R"})
        o.tieBreaks.push_back(*tieBreakFromCode(code));
    const std::string first = exportTrf(randomTournament(o));
    const std::string line202 = "202 STD KS/L-1 TPN/R\r\n";
    const std::size_t at = first.find(line202);
    ASSERT_NE(at, std::string::npos);
    std::string only212 = first;
    only212.replace(at, line202.size(), "212 PTS STD KS/L-1 TPN/R\r\n");
    TrfError why;
    EXPECT_EQ(reexported(only212, why), first) << why.line << ": " << why.reason;
}

namespace {

// The file without the lines whose text starts with `prefix`.
std::string without(const std::string &trf, const std::string &prefix)
{
    std::string out;
    for (std::size_t start = 0; start < trf.size();) {
        const std::size_t end = trf.find('\n', start) + 1;
        if (trf.compare(start, prefix.size(), prefix) != 0)
            out += trf.substr(start, end - start);
        start = end;
    }
    return out;
}

} // namespace

// A file from another program: ratings are FIDE's, and going out again they stay where they
// came from, with no national records that repeat them.
TEST(TrfImport, WritesNoNationalRecordsThatRepeatTheFideRating)
{
    RandomTournamentOptions o;
    o.players = 6;
    o.seed = 21;
    TournamentSnapshot s = randomTournament(o);
    s.players[0].identity.federation = "NOR";
    const std::string foreign = without(exportTrf(s), "### KRUGOVIK");
    ASSERT_EQ(foreign.find("172 "), std::string::npos);
    const ImportedTournament imported = importText(foreign);
    Tournament tournament;
    tournament.load(imported.fileBytes());
    const std::string again = exportTrf(tournament.snapshot(imported.name, {}));
    EXPECT_EQ(again.find("172 "), std::string::npos) << again;
    EXPECT_EQ(again.find("\r\nNOR "), std::string::npos) << again;
    EXPECT_EQ(tournament.rating(2), s.players[1].ratingCell);
}

// The club's rating comes back from the national record; a national record for a player
// whose club rating is his FIDE rating is not written.
TEST(TrfImport, TakesClubRatingsFromTheNationalRecords)
{
    RandomTournamentOptions o;
    o.players = 4;
    o.seed = 5;
    TournamentSnapshot s = randomTournament(o);
    s.event.federation = "RUS";
    s.players[0].ratingCell = "1650";
    s.players[0].identity.fideRating = 1800;
    s.players[0].identity.nationalId = "24100";
    s.players[1].ratingCell = "1700";
    s.players[1].identity.fideRating = 1700;
    const std::string trf = exportTrf(s);
    EXPECT_NE(trf.find("\r\nRUS    1      "), std::string::npos) << trf;
    EXPECT_EQ(trf.find("\r\nRUS    2"), std::string::npos) << trf;
    EXPECT_EQ(trf.find("KRUGOVIK RATING"), std::string::npos) << trf;
    const ImportedTournament imported = importText(trf);
    ASSERT_EQ(imported.players.size(), 4u);
    EXPECT_EQ(imported.players[0].rating, "1650");
    EXPECT_EQ(imported.players[1].rating, "1700");
    ASSERT_FALSE(imported.extension.identities.empty());
    EXPECT_EQ(imported.extension.identities[0].second.nationalId, "24100");
    EXPECT_EQ(imported.extension.identities[0].second.fideRating, 1800);
}

// Withdrawn before half of his games: his results count for nobody and the 001 lines leave
// them blank. From the program's own file they come back as they were; from a file without
// its records they stay without a result rather than being made up.
TEST(TrfImport, InventsNoResultsForVoidedGames)
{
    RandomTournamentOptions o;
    o.players = 6;
    o.seed = 8;
    o.drawPercent = 0;
    TournamentSnapshot s = randomTournament(o);
    withdrawPlayer(s, 2, 1);
    const std::string trf = exportTrf(s);
    ASSERT_NE(trf.find("### KRUGOVIK WITHDRAWN 2 1\r\n"), std::string::npos);
    ASSERT_NE(trf.find("### KRUGOVIK GAME "), std::string::npos) << trf;
    const ImportedTournament own = importText(trf);
    Tournament back;
    back.load(own.fileBytes());
    EXPECT_EQ(back.withdrawnAfter(2), 1);
    for (int j = 1; j <= 6; ++j) {
        if (j == 2)
            continue;
        EXPECT_EQ(back.games().state(2, j), s.games.state(2, j)) << j;
        EXPECT_EQ(back.games().state(j, 2), s.games.state(j, 2)) << j;
    }
    const ImportedTournament foreign = importText(without(trf, "### KRUGOVIK"));
    int blank = 0;
    for (const std::string &cell : foreign.players[1].results)
        blank += cell.empty() ? 1 : 0;
    // His one game played and the forfeits after it: none shows a result.
    EXPECT_EQ(blank, 5);
    EXPECT_TRUE(foreign.extension.withdrawn.empty());
}

// A game both players lost by forfeit is "-" on both lines and comes back so.
TEST(TrfImport, KeepsAGameLostByBoth)
{
    RandomTournamentOptions o;
    o.players = 5;
    o.seed = 3;
    TournamentSnapshot s = randomTournament(o);
    recordGame(s.games, 1, 2, GameState::ForfeitLoss, 0, 0);
    s.games.results[2][1] = "-";
    ASSERT_EQ(s.games.state(2, 1), GameState::ForfeitLoss);
    const ImportedTournament imported = importText(exportTrf(s));
    EXPECT_EQ(imported.players[0].results[0], "-");
    EXPECT_EQ(imported.players[1].results[0], "-");
}

// Latin-1 texts are read as such and folded to letters the tournament file can hold; the
// file the import makes opens.
TEST(TrfImport, FoldsWhatTheCodePageCannotHold)
{
    RandomTournamentOptions o;
    o.players = 3;
    o.seed = 7;
    std::string trf = without(exportTrf(randomTournament(o)), "012");
    trf = "012 Caf\xE9 Open 2026\r\n" + trf;
    const std::size_t name = trf.find("Player 02");
    ASSERT_NE(name, std::string::npos);
    trf.replace(name, 9, "H\xE9l\xE8ne   ");
    const ImportedTournament imported = importText(without(trf, "### KRUGOVIK"));
    EXPECT_EQ(imported.extension.event.title, "Cafe Open 2026");
    EXPECT_EQ(imported.players[1].name, "Helene");
    ASSERT_EQ(imported.folded.size(), 2u);
    EXPECT_EQ(imported.folded[0].original, "Café Open 2026");
    EXPECT_EQ(imported.folded[0].stored, "Cafe Open 2026");
    EXPECT_EQ(imported.folded[1].original, "Hélène");
    const std::string bytes = imported.fileBytes();
    EXPECT_EQ(readFileExtension(bytes, 3).error, "");
    Tournament tournament;
    tournament.load(bytes);
    EXPECT_EQ(tournament.event().title, "Cafe Open 2026");
}

// Players are found by FIDE ID, then by name, then by the name in Latin letters folded as
// the find box folds it; a record serves one player only.
TEST(TrfImport, FindsPlayersInTheBase)
{
    ImportedTournament t;
    const char *const names[] = {"Korolev, Sergey", "Ivanov Petr", "Somebody Else", "YELKIN ARTEM",
                                 "Korolev Sergey"};
    for (const char *name : names) {
        PlayerBlock block;
        block.name = name;
        t.players.push_back(block);
    }
    PlayerIdentity known;
    known.fideId = 4100777;
    t.extension.identities.emplace_back(2, known);
    PlayerIdentity other;
    other.fideId = 4100555;
    t.extension.identities.emplace_back(3, other);
    const std::vector<BaseEntry> base = {
        {toWindows1251("Королёв Сергей"), 0},       {toWindows1251("Петров Иван"), 4100777},
        {toWindows1251("Ёлкин Артём         "), 0}, {toWindows1251("Ivanov Petr"), 0},
        {toWindows1251("Somebody Else"), 4100556},
    };
    EXPECT_EQ(matchToBase(t, base), 2);
    const int expected[] = {1, 2, 0, 3, 0};
    for (std::size_t k = 0; k < t.players.size(); ++k)
        EXPECT_EQ(t.players[k].baseRecordNo, expected[k]) << names[k];
    EXPECT_EQ(fromWindows1251(t.players[0].name), "Королёв Сергей");
    EXPECT_EQ(fromWindows1251(t.players[1].name), "Петров Иван");
    EXPECT_EQ(fromWindows1251(t.players[3].name), "Ёлкин Артём");
    EXPECT_EQ(t.players[2].name, "Somebody Else");
}

// A birth date goes back out as the file wrote it: whole, or the year alone.
TEST(TrfImport, WritesTheBirthDateBackAsRead)
{
    for (const std::string date : {"1990/01/01", "1990/12/31", "1990/00/00"}) {
        RandomTournamentOptions o;
        o.players = 5;
        o.seed = 8;
        TournamentSnapshot s = randomTournament(o);
        s.players[0].identity.birthYear = 1990;
        std::string trf = exportTrf(s);
        const std::size_t at = trf.find("1990/00/00");
        ASSERT_NE(at, std::string::npos) << trf;
        trf.replace(at, date.size(), date);
        const ImportedTournament imported = importText(trf);
        Tournament tournament;
        tournament.load(imported.fileBytes());
        const std::string again = exportTrf(tournament.snapshot(imported.name, {}));
        EXPECT_NE(again.find(date), std::string::npos)
            << date << '\n'
            << again;
    }
}

// Lists with lots or the director's order, which 202 cannot declare, come back whole.
TEST(TrfImport, TakesBackRulesThat202CannotHold)
{
    for (const std::vector<std::string> codes :
         {std::vector<std::string>{"SB", "LOT/777"}, {"DE", "HAND/2,1,3", "WIN"}, {"LOT/5"}}) {
        RandomTournamentOptions o;
        o.players = 5;
        o.seed = 3;
        TournamentSnapshot s = randomTournament(o);
        s.tieBreaks.clear();
        for (const std::string &code : codes)
            s.tieBreaks.push_back(*tieBreakFromCode(code));
        const ImportedTournament imported = importText(exportTrf(s));
        Tournament tournament;
        tournament.load(imported.fileBytes());
        std::vector<std::string> back;
        for (const TieBreak &tb : tournament.tieBreaks())
            back.push_back(fideCode(tb));
        EXPECT_EQ(back, codes);
    }
}
