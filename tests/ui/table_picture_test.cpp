// The window's picture of the event without a window: what each cell shows for a table and
// the header commands clicked, the enables, and random sessions with their history, in which
// every state the document reaches, taken back or not, shows the same as the event a save of
// it reads back.
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <QUndoStack>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "table/document_session.h"
#include "table/tournament.h"
#include "table/tournament_file.h"
#include "ui/table_picture.h"
#include "ui/tournament_document.h"

using namespace krugovik;

namespace {

const bool kSeeded = [] {
    setenv("RC_PARAMS", "seed=35 max_success=200 max_size=40", 0);
    return true;
}();

// Four players: A beat B and drew with C, B won against D without play, C beat D; B's
// rating is an estimate.
std::string fourPlayers()
{
    return writeTournamentFile({{"A", 1, "1500", 1000, {"1", "0.5", ""}},
                                {"B", 2, "1300", 0, {"0", "", "+"}},
                                {"C", 3, "1600", 1000, {"0.5", "", "1"}},
                                {"D", 4, "1400", 1000, {"", "-", "0"}}});
}

struct Cell {
    int row;
    int column;
    std::string text;
    CellColour colour;
};

struct PictureCase {
    const char *what;
    std::vector<int> headers; // header cells of row 0 clicked in turn
    std::vector<Cell> cells;
};

class Derivations : public ::testing::TestWithParam<PictureCase> {};

TEST_P(Derivations, EveryCellComesFromTheEventAndTheChoices)
{
    Tournament t;
    TablePicture picture(t);
    picture.load(fourPlayers());
    for (const int column : GetParam().headers)
        picture.click(0, column, {});
    for (const Cell &c : GetParam().cells) {
        EXPECT_EQ(picture.text(c.row, c.column), c.text) << c.row << ',' << c.column;
        EXPECT_EQ(picture.colour(c.row, c.column), c.colour) << c.row << ',' << c.column;
    }
}

constexpr CellColour kWindow = CellColour::Window;

INSTANTIATE_TEST_SUITE_P(
    Picture, Derivations,
    ::testing::Values(
        PictureCase{"as_read",
                    {},
                    {{0, 5, "1", kWindow},
                     {0, 8, "4", kWindow},
                     {1, 0, "1", kWindow},
                     {2, 1, "B", kWindow},
                     {2, 2, "1300", CellColour::Estimate},
                     {1, 2, "1500", kWindow},
                     {1, 6, "1", kWindow},
                     {2, 5, "0", kWindow},
                     {2, 8, "+", kWindow},
                     {4, 6, "-", kWindow},
                     {3, 5, "0.5", kWindow},
                     {3, 7, "", CellColour::Diagonal},
                     {1, 3, "", kWindow},
                     {1, 4, "", kWindow},
                     {5, 1, "", kWindow},
                     {1, 9, "", kWindow}}},
        PictureCase{"points",
                    {4},
                    {{1, 4, " 1.5", kWindow},
                     {2, 4, " 1", kWindow},
                     {3, 4, " 1.5", kWindow},
                     {4, 4, " 0", kWindow}}},
        PictureCase{"Berger", {4, 4}, {{1, 4, " 1.75", kWindow}, {3, 4, " .75", kWindow}}},
        PictureCase{"points_again", {4, 4, 4}, {{1, 4, " 1.5", kWindow}}},
        PictureCase{"round_1",
                    {5},
                    {{1, 8, "", CellColour::FirstNamed},
                     {4, 5, "", CellColour::SecondNamed},
                     {2, 7, "", CellColour::FirstNamed},
                     {3, 6, "", CellColour::SecondNamed},
                     {1, 6, "1", kWindow}}},
        PictureCase{
            "corrections_then_points", {2, 4}, {{1, 3, "", kWindow}, {1, 4, " 1.5", kWindow}}}),
    [](const auto &info) { return std::string(info.param.what); });

TEST(Picture, TheRoundDisplayNamesItsBoardsAndTheirResults)
{
    Tournament t;
    TablePicture picture(t);
    picture.load(fourPlayers());
    EXPECT_EQ(picture.roundNo(), 0);
    EXPECT_EQ(picture.boardLine(1), "1");
    picture.click(0, 5, {});
    ASSERT_EQ(picture.shownBoards(), 2);
    EXPECT_EQ(picture.boardLine(1), "1 A - D");
    EXPECT_EQ(picture.boardLine(2), "2 B - C");
    EXPECT_EQ(picture.boardCaption(1), "");
    EXPECT_EQ(picture.boardCaption(3), "");
    EXPECT_EQ(picture.clickResultBox(1).kind, Step::Kind::Game);
    EXPECT_EQ(picture.boardCaption(1), "1:0");
    EXPECT_EQ(picture.text(4, 5), "0");
    EXPECT_EQ(picture.freePlayer(), 0);
}

// Whether saving and the write-back are offered: read from the file, then after a check of
// the rows (a click on the corner) and after a change of the count.
struct EnableCase {
    const char *what;
    std::string file;
    std::vector<int> counts; // the spin's values in turn
    bool checked;            // a click on the corner after them
    bool save;
    bool writeBack;
};

class Enables : public ::testing::TestWithParam<EnableCase> {};

TEST_P(Enables, FollowTheRowsAndTheirCheck)
{
    Tournament t;
    TablePicture picture(t);
    picture.load(GetParam().file);
    for (const int count : GetParam().counts)
        picture.setPlayerCount(count);
    if (GetParam().checked)
        picture.click(0, 0, {});
    EXPECT_EQ(picture.saveEnabled(), GetParam().save);
    EXPECT_EQ(picture.writeBackEnabled(), GetParam().writeBack);
}

INSTANTIATE_TEST_SUITE_P(
    Picture, Enables,
    ::testing::Values(EnableCase{"new_file", newFileContent(), {}, false, false, true},
                      EnableCase{"new_file_checked", newFileContent(), {}, true, false, true},
                      EnableCase{"new_file_four", newFileContent(), {4}, false, false, false},
                      EnableCase{"four_read", fourPlayers(), {}, false, true, false},
                      EnableCase{"four_checked", fourPlayers(), {}, true, true, true},
                      EnableCase{"four_and_an_empty_row", fourPlayers(), {5}, true, false, false},
                      EnableCase{"back_to_four", fourPlayers(), {5, 4}, false, true, true}),
    [](const auto &info) { return std::string(info.param.what); });

// The document's steps, with the header commands between them; the steps are taken back
// at the end of the session.
class PictureSession : public DocumentSession {
  public:
    using DocumentSession::DocumentSession;
    void undo() override {}
    void redo() override {}
    void event(const EventDetails &details) override { m_doc.setEvent(details); }
    // A header of columns 2 to 4 or of a game column, chosen by `roll`.
    void header(int roll)
    {
        const int columns = m_doc.grid().columnCount();
        m_doc.click(0, 2 + roll % (columns - 2), {});
    }
    TournamentDocument &document() { return m_doc; }
};

// Every cell's text and colour; columns 3 and 4 only when asked for.
std::vector<std::string> cellsOf(const TablePicture &picture, bool computedColumns)
{
    std::vector<std::string> cells;
    const TableGeometry grid = TableGeometry::of(picture.event());
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            if (computedColumns || c < 3 || c > 4)
                cells.push_back(picture.text(r, c) + '/' +
                                std::to_string(int(picture.colour(r, c))));
    return cells;
}

// The document's picture is the one worked out afresh from a copy of its event under the
// same choices (nothing it kept has gone stale), and the one a fresh event read from its
// bytes shows (columns 3 and 4 aside: a game in memory keeps the ratings of its day).
void expectSameAsReadBack(const TournamentDocument &document)
{
    const TablePicture &shown = document.picture();
    Tournament copy = document.tournament();
    TablePicture afresh(copy);
    afresh.setChoices(shown.choices());
    RC_ASSERT(cellsOf(afresh, true) == cellsOf(shown, true));

    Tournament read;
    TablePicture picture(read);
    picture.load(document.tournament().fileBytes());
    if (document.tournament().ratingsChecked())
        read.checkRatings();
    picture.setChoices(shown.choices());
    RC_ASSERT(cellsOf(picture, false) == cellsOf(shown, false));
    RC_ASSERT(picture.saveEnabled() == shown.saveEnabled());
    RC_ASSERT(picture.writeBackEnabled() == shown.writeBackEnabled());
}

} // namespace

RC_GTEST_PROP(PictureProperty, UndoRestoresTheEventAndThePictureFollows,
              (const std::vector<Operation> &ops, const std::vector<int> &headers))
{
    PictureSession session(startingTable().fileBytes());
    TournamentDocument &document = session.document();
    QUndoStack *history = document.undoStack();
    // Before each step taken: the event and what the picture showed.
    std::vector<std::pair<Tournament, PictureChoices>> before;
    std::size_t next = 0;
    for (const Operation &op : ops) {
        if (next < headers.size())
            session.header(std::abs(headers[next++]));
        const Tournament event = document.tournament();
        const PictureChoices choices = document.picture().choices();
        const int at = history->index();
        session.apply(op);
        if (history->index() > at) {
            before.resize(std::size_t(at));
            before.emplace_back(event, choices);
        }
        expectSameAsReadBack(document);
    }
    while (history->canUndo()) {
        history->undo();
        const auto &[event, choices] = before[std::size_t(history->index())];
        RC_ASSERT(document.tournament().sameEvent(event));
        RC_ASSERT(document.picture().choices() == choices);
        expectSameAsReadBack(document);
    }
}
