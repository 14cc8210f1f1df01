#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/windows1251.h"
#include "table/tournament.h"
#include "table/tournament_file.h"
#include "ui/table_geometry.h"
#include "ui/table_picture.h"

using namespace krugovik;

namespace {

// A row of a test table: name, rating ("1200N" for an estimate) and the row's results,
// one character per opponent: 1, 0, = (draw), +, -, . (none), x (the diagonal). Only the
// results above the diagonal are entered; the table mirrors them.
struct TestRow {
    std::string name;
    std::string rating;
    std::string results;
};

GameState stateOf(char c)
{
    switch (c) {
    case '1':
        return GameState::Win;
    case '0':
        return GameState::Loss;
    case '=':
        return GameState::Draw;
    case '+':
        return GameState::ForfeitWin;
    case '-':
        return GameState::ForfeitLoss;
    default:
        return GameState::None;
    }
}

// Entered as a director enters them: the count, each player from the base, each result
// by key. Player i comes from base record i.
Tournament table(const std::vector<TestRow> &rows)
{
    Tournament t;
    t.load(std::nullopt);
    t.layOutForCount(int(rows.size()));
    for (int i = 1; i <= int(rows.size()); ++i) {
        const TestRow &row = rows[std::size_t(i - 1)];
        const bool estimate = row.rating.ends_with('N');
        const std::string rating =
            estimate ? row.rating.substr(0, row.rating.size() - 1) : row.rating;
        EXPECT_TRUE(t.enterPlayer(i, {row.name, rating, estimate, i}).changed());
    }
    for (int i = 1; i <= int(rows.size()); ++i) {
        for (int j = i + 1; j <= int(rows.size()); ++j)
            t.setResult({0, i, j}, stateOf(rows[std::size_t(i - 1)].results[std::size_t(j - 1)]));
    }
    return t;
}

// Columns 3 and 4 of every row, header first.
// Columns 3 and 4: what heads them (the window words it, see ui/table_texts), then the
// player rows' texts.
std::vector<std::string> columns3And4(const TablePicture &p)
{
    const char *const results[] = {"Результат", "Очков", "Бергер"};
    std::vector<std::string> texts = {p.correctionHeader() ? "Корр." : "R нов.",
                                      results[int(p.resultHeader())]};
    EXPECT_EQ(p.text(0, 3) + p.text(0, 4), "");
    for (int r = 1; r < TableGeometry::of(p.event()).rowCount(); ++r) {
        texts.push_back(p.text(r, 3));
        texts.push_back(p.text(r, 4));
    }
    return texts;
}

// Every cell's text and colour, row by row.
std::vector<std::string> wholeTable(const TablePicture &p)
{
    const TableGeometry grid = TableGeometry::of(p.event());
    std::vector<std::string> cells;
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            cells.push_back(p.text(r, c) + '/' + std::to_string(int(p.colour(r, c))));
    return cells;
}

// 1 beat 2 and drew with 3; 2 against 3 not played; all established.
const std::vector<TestRow> kThree = {
    {"Ivanov", "1500", "x1="}, {"Petrov", "1600", "0x."}, {"Sidorov", "1700", "=.x"}};

TEST(TournamentFile, TheWrittenFileIsTheWritersBlocksToTheByte)
{
    const std::string expected = writeTournamentFile({{"Ivanov", 1, "1500", 1000, {"1", "0.5"}},
                                                      {"Petrov", 2, "1600", 1000, {"0", ""}},
                                                      {"Sidorov", 3, "1700", 1000, {"0.5", ""}}});
    Tournament t = table(kThree);
    EXPECT_EQ(t.fileBytes(), expected);
    EXPECT_EQ(t.fileBytes().size(), expected.size());
    Tournament loaded;
    loaded.load(expected);
    EXPECT_EQ(wholeTable(TablePicture(loaded)), wholeTable(TablePicture(t)));
    EXPECT_EQ(loaded.games(), t.games());
}

TEST(TournamentFile, FilesComeBackByteForByte)
{
    // Cyrillic, a byte without a letter, control bytes and quotes in names; estimates with
    // negative marks; every result; a new file padded with NUL.
    const std::string odd = "\xD9\xF3\xEA\xE8\xED, \"\x98\x01\xFF\"";
    const std::vector<std::string> files = {
        writeTournamentFile({{odd, 7, "1500", -30, {"1", "+"}},
                             {"B", 2, "1200", 0, {"0", "-"}},
                             {"C", 9, "1700", 1000, {"-", "+"}}}),
        writeTournamentFile({{"A", 1, "1500", 1000, {"0.5", "", "0", "1"}},
                             {"B", 2, "1510", 20, {"0.5", "+", "", ""}},
                             {"C", 3, "1520", 1000, {"", "-", "1", "0"}},
                             {"D", 4, "1530", 1000, {"1", "", "0", ""}},
                             {"E", 5, "1540", 1000, {"0", "", "1", ""}}}),
    };
    for (const std::string &file : files) {
        Tournament t;
        t.load(file);
        EXPECT_EQ(t.fileBytes(), file);
    }
    Tournament fresh;
    const TablePicture picture(fresh);
    fresh.load(newFileContent());
    EXPECT_EQ(fresh.playerCount(), 3);
    EXPECT_FALSE(picture.saveEnabled());
    EXPECT_EQ(picture.text(1, 1), "");
}

TEST(TournamentFile, UnknownResultsEmptyTheirCellAndLeaveTheArrays)
{
    std::string file = table(kThree).fileBytes();
    file.replace(file.find("\r\n0\r\n\r\nSidorov"), 5, "\r\n2\r\n");
    Tournament t;
    TablePicture p(t);
    t.load(file);
    EXPECT_EQ(p.text(2, 5), "");
    EXPECT_EQ(p.text(1, 6), "1");
    EXPECT_EQ(t.games().results[2][1], "0");
    p.showPoints();
    EXPECT_EQ(p.text(1, 4), " 1.5");
}

TEST(TournamentFile, ALowerCountRemovesThePlayersAndASaveWritesTheTableAsShown)
{
    Tournament t = table({{"A", "1500", "x1=1"},
                          {"B", "1510", "0x.."},
                          {"C", "1520", "=.x="},
                          {"D", "1530", "0.=x"}});
    TablePicture p(t);
    p.layOutForCount(3);
    EXPECT_EQ(TableGeometry::of(t).columnCount(), 8);
    EXPECT_EQ(t.fileBytes(), writeTournamentFile({{"A", 1, "1500", 1000, {"1", "0.5"}},
                                                  {"B", 2, "1510", 1000, {"0", ""}},
                                                  {"C", 3, "1520", 1000, {"0.5", ""}}}));
    // The row that comes back is empty, and so is everything that counts.
    p.layOutForCount(4);
    EXPECT_EQ(p.text(4, 1), "");
    EXPECT_EQ(p.text(1, 8), "");
    EXPECT_EQ(t.games().results[1][4], "");
    EXPECT_EQ(t.games().results[4][1], "");
    EXPECT_EQ(t.baseRecordNo(4), 0);
    p.showPoints();
    EXPECT_EQ(p.text(1, 4), " 1.5");
}

TEST(Tournament, ClicksRunTheCycleOnBothSides)
{
    Tournament t = table({{"A", "1500", "x.."}, {"B", "1500", ".x."}, {"C", "1500", "..x"}});
    TablePicture p(t);
    const std::vector<std::pair<std::string, std::string>> cycle = {
        {"1", "0"}, {"0", "1"}, {"0.5", "0.5"}, {"+", "-"}, {"-", "+"}, {"", ""}};
    for (const auto &[cell, mirror] : cycle) {
        EXPECT_TRUE(p.click(1, 6, {}).changed());
        EXPECT_EQ(p.text(1, 6), cell);
        EXPECT_EQ(p.text(2, 5), mirror);
        EXPECT_EQ(t.games().results[2][1], mirror);
    }
    p.click(1, 6, {});
    p.click(2, 5, {}); // the mirror goes on from its own text
    EXPECT_EQ(p.text(2, 5), "0.5");
    EXPECT_EQ(p.text(1, 6), "0.5");
    EXPECT_FALSE(p.click(1, 5, {}).changed()); // the diagonal
    EXPECT_EQ(p.colour(1, 5), CellColour::Diagonal);
}

struct ColumnCase {
    const char *what;
    std::vector<TestRow> rows;
    std::vector<std::pair<int, int>> clicks; // header cells clicked in turn
    std::vector<std::string> expected;       // columns 3 and 4, header row first
};

class Columns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(Columns, ShowWhatTheirHeaderAsked)
{
    Tournament t = table(GetParam().rows);
    TablePicture p(t);
    for (const auto &[row, column] : GetParam().clicks)
        p.click(row, column, {});
    EXPECT_EQ(columns3And4(p), GetParam().expected);
}

const std::vector<TestRow> kChain = {
    {"A", "1500", "x1="}, {"B", "1500", "0x1"}, {"C", "1500", "=0x"}};
const std::vector<TestRow> kEstimate = {
    {"Novice", "1200N", "x1."}, {"Seasoned", "1500", "0x."}, {"Third", "1500", "..x"}};

INSTANTIATE_TEST_SUITE_P(
    Tournament, Columns,
    ::testing::Values(
        ColumnCase{"nothing yet", kChain, {}, {"R нов.", "Результат", "", "", "", "", "", ""}},
        ColumnCase{
            "points", kChain, {{0, 4}}, {"R нов.", "Очков", "", " 1.5", "", " 1", "", " .5"}},
        ColumnCase{"Berger coefficients",
                   kChain,
                   {{0, 4}, {0, 4}},
                   {"R нов.", "Бергер", "", " 1.25", "", " .5", "", " .75"}},
        ColumnCase{"corrections",
                   kEstimate,
                   {{0, 2}},
                   {"R нов.", "Результат", " 1210", " 10", "", "", "", ""}},
        ColumnCase{"new ratings",
                   kEstimate,
                   {{0, 3}},
                   {"R нов.", "Результат", " 1244", " + 44", " 1479", "-21", "1500", " 0"}},
        ColumnCase{"points over new ratings",
                   kEstimate,
                   {{0, 3}, {0, 4}},
                   {"R нов.", "Очков", " 1244", " 1", " 1479", " 0", "1500", " 0"}}),
    [](const auto &info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(Tournament, ShownColumnsFollowEveryChange)
{
    Tournament t = table(kEstimate);
    TablePicture p(t);
    p.click(0, 3, {});
    p.keyResult(1, 6, GameState::Loss);
    EXPECT_EQ(p.text(1, 3), " 1186"); // 1190 against 1500, lost: K 25 × .1437
    p.layOutForCount(4);              // a row without a rating: no new ratings
    EXPECT_EQ(p.text(1, 3), "");
    EXPECT_TRUE(t.ratingMissing());
    EXPECT_FALSE(p.click(1, 6, {}).changed());
    p.layOutForCount(3);
    EXPECT_EQ(p.text(1, 3), " 1186");
    EXPECT_EQ(t.correctionMark(1), -10);
}

TEST(Tournament, EntryIsRefusedWithoutARatingOrForASecondRow)
{
    Tournament t = table(kThree);
    const TablePicture p(t);
    EXPECT_EQ(t.checkEntry(2, {"Ivanov", "1500", false, 1}).refusal, EntryRefusal::AlreadyEntered);
    EXPECT_EQ(t.checkEntry(2, {"Ivanov", "1500", false, 1}).row, 1);
    EXPECT_EQ(t.checkEntry(1, {"Ivanov", "1500", false, 1}).refusal, EntryRefusal::None);
    EXPECT_EQ(t.checkEntry(1, {"New", "", false, 4}).refusal, EntryRefusal::NoRating);
    EXPECT_FALSE(t.enterPlayer(2, {"Ivanov", "1500", false, 1}).changed());
    EXPECT_EQ(p.text(2, 1), "Petrov");
    t.enterPlayer(2, {"Guest", "1300", true, 5});
    EXPECT_EQ(p.colour(2, 2), CellColour::Estimate);
    EXPECT_EQ(t.correctionMark(2), 0);
}

TEST(Tournament, AFreshFileTakesAResultBeforeTheFirstRefresh)
{
    // The note is empty after a load until a result finds the missing ratings.
    Tournament t;
    const TablePicture p(t);
    t.load(newFileContent());
    EXPECT_TRUE(t.nextResult({0, 1, 2}).changed());
    EXPECT_EQ(p.text(1, 6), "1");
    EXPECT_TRUE(t.ratingMissing());
    t.nextResult({0, 1, 2});
    EXPECT_EQ(p.text(1, 6), "1");
}

TEST(Tournament, TheShownRoundIsMarkedAndListed)
{
    Tournament t = table({{"A", "1500", "x....="},
                          {"B", "1500", ".x..+."},
                          {"C", "1500", "..x..."},
                          {"D", "1500", "...x.."},
                          {"E", "1500", ".-..x."},
                          {"F", "1500", "=....x"}});
    TablePicture p(t);
    p.click(0, 5, {});
    EXPECT_EQ(p.roundNo(), 1);
    EXPECT_EQ(p.shownBoards(), 3);
    const std::vector<std::string> lines = {"1 A - F", "2 B - E", "3 C - D"};
    const std::vector<std::string> captions = {"0,5-0,5", "+ -", ""};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(p.boardLine(k), lines[std::size_t(k - 1)]);
        EXPECT_EQ(p.boardCaption(k), captions[std::size_t(k - 1)]);
    }
    EXPECT_EQ(p.colour(1, 10), CellColour::FirstNamed);
    EXPECT_EQ(p.colour(6, 5), CellColour::SecondNamed);
    for (int step = 0; step < 2; ++step)
        p.clickResultBox(3);
    EXPECT_EQ(p.boardCaption(3), "0:1");
    EXPECT_EQ(p.text(4, 7), "1");
    p.click(0, 10, {}); // six players play five rounds
    EXPECT_EQ(p.shownBoards(), 0);
    EXPECT_EQ(p.colour(1, 10), CellColour::Window);
    EXPECT_EQ(p.boardLine(1), "1");
    p.layOutForCount(5);
    p.click(0, 5, {});
    EXPECT_EQ(p.freePlayer(), 1);
    p.layOutForCount(6);
    EXPECT_EQ(p.shownBoards(), 0);
    EXPECT_EQ(p.freePlayer(), 0);
    EXPECT_EQ(p.colour(2, 9), CellColour::Window);
}

TEST(Tournament, StepsPutBackWhatTheyChanged)
{
    Tournament t = table({{"A", "1500", "x1."}, {"B", "1300N", "0x."}, {"C", "1500", "..x"}});
    TablePicture p(t);
    p.saved();
    std::vector<std::vector<std::string>> tables = {wholeTable(p)};
    std::vector<std::string> files = {t.fileBytes()};
    std::vector<Step> steps;
    auto record = [&](Step step) {
        ASSERT_TRUE(step.changed());
        steps.push_back(step);
        tables.push_back(wholeTable(p));
        files.push_back(t.fileBytes());
    };
    record(p.click(2, 7, {}));
    record(p.keyResult(1, 6, GameState::Draw));
    p.saved(); // settles the marks; taking the steps back restores them
    files.back() = t.fileBytes();
    record(p.click(2, 0, {"D", "1400", false, 4}));
    for (std::size_t k = steps.size(); k-- > 0;) {
        t.restore(steps[k], steps[k].before);
        EXPECT_EQ(wholeTable(p), tables[k]) << k;
        EXPECT_EQ(t.fileBytes(), files[k]) << k;
    }
    for (std::size_t k = 0; k < steps.size(); ++k) {
        t.restore(steps[k], steps[k].after);
        EXPECT_EQ(wholeTable(p), tables[k + 1]) << k;
    }
}

TEST(Windows1251, EveryByteComesBackAndLettersAreCyrillic)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(toWindows1251(fromWindows1251(all)), all);
    EXPECT_EQ(fromWindows1251("\xC0\xFF\xA8\xB8\xB9"), "АяЁё№");
    EXPECT_EQ(toWindows1251("Щукин €"), "\xD9\xF3\xEA\xE8\xED \x88");
    EXPECT_EQ(toWindows1251("a\xF0\x9F\x98\x80z\xC3("), "a\x1Az\x1A(");
}

} // namespace
