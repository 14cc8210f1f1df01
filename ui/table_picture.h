#pragma once

// What the tournament window shows of the event: the crosstable's texts and colours, what
// columns 3 and 4 show, the round display, and whether saving and the write-back may run.
// Everything is worked out from the event (table/tournament.h); the picture's own choices
// are what the header commands chose to show and the shown round. It runs the event's
// operations of the table, so that it follows each of them at once. Plain C++, no Qt.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/tournament.h"

namespace krugovik {

// A cell's background in the crosstable.
enum class CellColour {
    Window,      // the system's window background: every ordinary cell
    Estimate,    // light yellow: a rating that is only an initial estimate
    Diagonal,    // grey: a player's game against himself
    FirstNamed,  // light cyan: the first-named side of a game of the shown round
    SecondNamed, // dark cyan: the second-named side of it
};

// What column 3 of the player rows shows; column 4 follows it under the header
// "Результат", and shows points or Berger coefficients under "Очков" or "Бергер".
enum class RatingColumn { Empty, NewRatings, Corrections };
// The header of column 4: "Результат", "Очков" or "Бергер".
enum class ResultHeader { Result, Points, Berger };

// One board of the round display as it was last filled.
struct Board {
    int first = 0;    // first-named player
    int second = 0;   // second-named player
    std::string line; // the board line's caption: its number and the players' names

    bool operator==(const Board &) const = default;
};

// What the director chose to see: column 3's header and mode, column 4's header, and the
// shown round with its boards and marks.
struct PictureChoices {
    bool correctionHeader = false; // column 3's header reads "Корр.", else "R нов."
    ResultHeader resultHeader = ResultHeader::Result;
    RatingColumn ratingColumn = RatingColumn::Empty;
    int roundNo = 0;    // the round the display shows, 0 before any selection
    int roundCycle = 0; // the cycle (0 for the first) whose block holds the shown round's games
    // Per cell of that cycle: 1 first-named, 2 second-named side of a marked game.
    std::array<std::array<std::uint8_t, 23>, 23> marks{};
    std::array<Board, 12> boards = numberedBoards(); // 1..11; hiding one keeps its players
    int shownBoards = 0;                             // boards 1..shownBoards are on show
    int freePlayer = 0;                              // who sits out the shown round, 0 = nobody

    bool operator==(const PictureChoices &) const = default;
    // Board lines that show only their numbers.
    static std::array<Board, 12> numberedBoards();
};

class TablePicture {
  public:
    static constexpr int kBoards = 11; // boards of the round display, 1..11

    // The picture of `event`, which outlives it.
    explicit TablePicture(Tournament &event);

    const Tournament &event() const { return *m_event; }

    // The crosstable, cell by cell; row 0 and column 0 are the headers (row 0 holds only
    // the game columns' numbers; the captions of columns 0 to 4 are ui/table_texts' words).
    // Outside the table: an empty text and the window colour.
    std::string text(int row, int column) const;
    CellColour colour(int row, int column) const;
    // What columns 3 and 4 show and are headed by.
    RatingColumn ratingColumn() const { return m_choices.ratingColumn; }
    bool correctionHeader() const { return m_choices.correctionHeader; }
    ResultHeader resultHeader() const { return m_choices.resultHeader; }

    // The round display: the title, the boards 1..shownBoards() of the shown round, each
    // with its line and its result box, and who sits out.
    int roundNo() const { return m_choices.roundNo; }
    int shownBoards() const { return m_choices.shownBoards; }
    // The board line's caption: its number, and the players when it was filled.
    const std::string &boardLine(int board) const
    {
        return m_choices.boards[boardIndex(board)].line;
    }
    // The result box: the game from the first-named player's side, "" for a hidden board.
    std::string boardCaption(int board) const;
    int boardFirst(int board) const { return m_choices.boards[boardIndex(board)].first; }
    int boardSecond(int board) const { return m_choices.boards[boardIndex(board)].second; }
    // Who sits out the shown round, 0 when nobody does.
    int freePlayer() const { return m_choices.freePlayer; }

    // Saving needs a player in every row, or, once the rows were checked, a rating in every
    // row. The write-back the same; a table of three as read from its file offers it at once.
    bool saveEnabled() const;
    bool writeBackEnabled() const;

    // The choices, for the window to keep beside a step and to put back with it.
    const PictureChoices &choices() const { return m_choices; }
    void setChoices(const PictureChoices &choices);

    // The event's operations, each followed by the picture.
    // The window's load: the event read from the bytes, the picture as at its start.
    void load(std::optional<std::string_view> fileBytes);
    // The same from the file as read once: the store hands it on.
    void load(const FileDescription &file);
    // After the file was written: the marks brought up to date, the new ratings shown.
    void saved();
    // The write-back's own correction and rating.
    void correctAndRate();
    void layOutForCount(int value);
    Step setPlayerCount(int value);
    Step setCycles(int count, bool reverseLastRounds);
    // A click on a cell of the grid (ui/table_geometry): a header's command; a row's number
    // enters `editor`'s player, a game cell steps its result; every click checks the rows for
    // ratings.
    Step click(int row, int column, const PlayerEntry &editor);
    // A result key on a game cell; nothing elsewhere.
    Step keyResult(int row, int column, GameState state);
    // A click on a board's result box: its game steps to the next result.
    Step clickResultBox(int board);
    Step withdraw(int row, int afterRound);
    Step reinstate(int row);
    Step drawNumbers(const std::vector<int> &order, const DrawRecord &record);

    // The header commands.
    void stepResultHeader();
    void showPoints();
    void showBerger();
    void showCorrections();
    void newRatingsCommand();
    void showNewRatings();
    void showRoundOfColumn(int column);

  private:
    static std::size_t boardIndex(int board);
    void fillRoundDisplay();
    // After a click or a key: column 3's header follows a table with every rating.
    void followCheck();
    // After a change of the count: the headers and the round display start afresh.
    void followLayout();
    // After a result or a player changed: the corrections follow while column 3 shows
    // them or the new ratings; the step keeps them.
    void followResults(Step &step);
    void computeColumns() const;

    Tournament *m_event;
    PictureChoices m_choices;

    // Columns 3 and 4 as last worked out, for the event's revision and the choices then.
    mutable std::uint64_t m_columnsRevision = 0;
    mutable bool m_columnsValid = false;
    mutable std::array<std::string, 23> m_column3;
    mutable std::array<std::string, 23> m_column4;
};

} // namespace krugovik
