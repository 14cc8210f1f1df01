#pragma once

// The open tournament as plain data: the players of the rows, every game with its mirror,
// the cycles, the withdrawals and the rules, and what the crosstable and the round display
// show of them. It is the only thing that changes them: windows read it and call its
// operations, the history keeps the values an operation changed, the file is read into it
// and written from it. Its invariant: whatever it holds, its file reads back to the same
// tournament, and nothing outside the players 1..N is held at all.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/player_identity.h"
#include "common/fixed_point.h"
#include "export/tournament_snapshot.h"
#include "rating/game_notation.h"
#include "rating/game_records.h"
#include "rating/new_ratings.h"
#include "rounds/berger_schedule.h"
#include "rounds/number_draw.h"
#include "standings/tie_breaks.h"

namespace krugovik {

// A cell's background in the crosstable.
enum class CellColour {
    Window,      // the system's window background: every ordinary cell
    Estimate,    // light yellow: a rating that is only an initial estimate
    Diagonal,    // grey: a player's game against himself
    FirstNamed,  // light cyan: the first-named side of a game of the shown round
    SecondNamed, // dark cyan: the second-named side of it
};

// One side of one game: the cycle (0 for the first), the player whose side it is and his
// opponent, both table numbers 1..22. Its mirror swaps the two players.
struct GameKey {
    int cycle = 0;
    int player = 0;
    int opponent = 0;

    GameKey mirror() const { return {cycle, opponent, player}; }
    bool operator==(const GameKey &) const = default;
};

// The player the base editor offers for a row.
struct PlayerEntry {
    std::string name;      // UTF-8, as the editor shows it
    std::string rating;    // the rating text as typed
    bool estimate = false; // the rating is an initial estimate
    int baseRecordNo = 0;  // 1-based record of the base he comes from
    // Who he is in the rating lists, when the base knows.
    PlayerIdentity identity;
};

// Why a player may not enter a row.
enum class EntryRefusal {
    None,
    NoRating,       // the editor's rating is empty
    AlreadyEntered, // another row holds a player of that name, not told apart by an ID
    SameFideId,     // another row holds a player of that FIDE ID
};
struct EntryCheck {
    EntryRefusal refusal = EntryRefusal::None;
    int row = 0; // AlreadyEntered, SameFideId: the row that holds him
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

// What the header commands chose to show: column 4's header, what columns 3 and 4 show,
// and the round display. A step taken back brings it back as it was at the step.
struct ShownState {
    ResultHeader resultHeader = ResultHeader::Result;
    RatingColumn ratingColumn = RatingColumn::Empty;
    int roundNo = 0;    // the round the display shows, 0 before any selection
    int roundCycle = 0; // the cycle (0 for the first) whose block holds the shown round's games
    // Per cell of that cycle: 1 first-named, 2 second-named side of a marked game.
    std::array<std::array<std::uint8_t, 23>, 23> marks{};
    std::array<Board, 12> boards{}; // 1..11; hiding a board keeps its players
    int shownBoards = 0;            // boards 1..shownBoards are on show
    int freePlayer = 0;             // who sits out the shown round, 0 = nobody

    bool operator==(const ShownState &) const = default;
};

// Everything one side of a game holds: its cell and its entries of the game arrays.
struct GameSide {
    GameState cell = GameState::None; // what the crosstable shows
    std::string result;               // GameResults
    Fixed points;                     // GamePoints
    std::int16_t played = 0;          // GamePlayed
    std::int64_t opponentRating = 0;  // OpponentRating

    bool operator==(const GameSide &) const = default;
};

// A row's player as it was entered.
struct RowValues {
    std::string name;
    std::string rating;
    bool estimate = false;
    int baseRecordNo = 0;
    PlayerIdentity identity;

    bool operator==(const RowValues &) const = default;
};

// Per table row 1..22, index 0 unused.
using RowNumbers = std::array<int, 23>;

// What a step of entry may change, taken before and after it: the game or the row it
// concerns, the completeness the refresh after a click sets, and the correction marks
// (a save between a step and its undo settles them anew). With them goes what the header
// commands showed, so that taking the step back shows the table as it was.
class Tournament;

struct StepValues {
    GameSide player;   // a game: the clicked side
    GameSide opponent; // a game: the mirrored side
    RowValues row;     // an entry: the row's player
    bool ratingMissing = false;
    bool correctionHeader = false; // column 3's header reads "Корр."
    bool saveEnabled = false;
    bool writeBackEnabled = false;
    int cycles = 1;                // how often each pair meets
    bool reverseLastRounds = true; // cycle 1's last two rounds swapped
    RowNumbers correctionMark{};
    RowNumbers ratingCorrection{};
    std::shared_ptr<const ShownState> shown;
    std::vector<TieBreak> tieBreaks; // rules: the tie-breaks after points, empty = the default
    // A step that changes the event as a whole (the number of players, a withdrawal and
    // its return): the tournament before or after it.
    std::shared_ptr<const Tournament> whole;
    EventDetails event; // the event's details

    bool operator==(const StepValues &other) const;
};

// One step of entry the director can take back: a result set, a player entered, the
// number of cycles (with the order of cycle 1's last rounds) changed, the tie-break rules
// chosen, or a change of the event as a whole: the number of players, a withdrawal, a
// return to the event.
struct Step {
    enum class Kind { None, Game, Entry, Cycles, Rules, Whole, Event };
    Kind kind = Kind::None;
    GameKey game; // Game: the side that was clicked, or the first-named side of a board
    int row = 0;  // Entry: the row entered
    StepValues before;
    StepValues after;

    bool changed() const { return kind != Kind::None && before != after; }
};

class Tournament {
  public:
    static constexpr int kFewestPlayers = 3;
    static constexpr int kMostPlayers = 22;
    static constexpr int kBoards = 11;            // boards of the round display, 1..11
    static constexpr int kEstablishedMark = 1000; // CorrectionMark of an established rating

    // An empty three-player table, as the window's load lays it out before the file.
    Tournament();

    // Size.
    int playerCount() const { return m_playerCount; }
    int cycles() const { return int(m_records.size()); }
    // Cycle 1 plays its last two rounds the other way round (with two cycles or more).
    bool reverseLastRounds() const { return m_reverseLastRounds; }
    // The last cycle (1-based) in which a game has a result; 0 when none has.
    int lastCycleWithResults() const;
    // The count the spin may not go below: the count the file held, else 1.
    int lowestCount() const { return m_lowestCount; }
    int rowCount() const { return m_playerCount + 1; }
    int columnCount() const { return 5 + m_playerCount * cycles(); }

    // The crosstable, cell by cell; row 0 and column 0 are the headers (row 0 holds only
    // the game columns' numbers). Outside the table: an empty text and the window colour.
    std::string text(int row, int column) const;
    CellColour colour(int row, int column) const;
    // The game of a cell off the diagonal.
    std::optional<GameKey> gameAt(int row, int column) const;
    int columnOf(const GameKey &key) const;

    // The rows' players, 1..22 (rows beyond the count are empty).
    const std::string &name(int row) const { return m_rows[index(row)].name; }
    const std::string &rating(int row) const { return m_rows[index(row)].rating; }
    bool estimate(int row) const { return m_rows[index(row)].estimate; }
    int baseRecordNo(int row) const { return m_rows[index(row)].baseRecordNo; }
    const PlayerIdentity &identity(int row) const { return m_rows[index(row)].identity; }
    int correctionMark(int row) const { return m_correctionMark[index(row)]; }
    int ratingCorrection(int row) const { return m_ratingCorrection[index(row)]; }
    GameState cell(const GameKey &key) const;
    // The game arrays of a cycle.
    const GameRecords &games(int cycle = 0) const { return m_records[std::size_t(cycle)]; }
    RatingColumn ratingColumn() const { return m_shown->ratingColumn; }
    // What columns 3 and 4 are headed by: corrections or new ratings, and points, Berger
    // coefficients or the rating change.
    bool correctionHeader() const { return m_correctionHeader; }
    ResultHeader resultHeader() const { return m_shown->resultHeader; }

    // A row lacks a rating, so results may not be entered yet.
    bool ratingMissing() const { return m_ratingMissing; }
    bool saveEnabled() const { return m_saveEnabled; }
    bool writeBackEnabled() const { return m_writeBackEnabled; }

    // The round display: the title, the boards 1..shownBoards() of the shown round, each
    // with its line and its result box, and who sits out.
    int roundNo() const { return m_shown->roundNo; }
    int shownBoards() const { return m_shown->shownBoards; }
    // The board line's caption: its number, and the players when it was filled.
    const std::string &boardLine(int board) const
    {
        return m_shown->boards[boardIndex(board)].line;
    }
    // The result box: the game from the first-named player's side, "" for a hidden board.
    std::string boardCaption(int board) const;
    int boardFirst(int board) const { return m_shown->boards[boardIndex(board)].first; }
    int boardSecond(int board) const { return m_shown->boards[boardIndex(board)].second; }
    // Who sits out the shown round, 0 when nobody does.
    int freePlayer() const { return m_shown->freePlayer; }

    // The window's load from the file's bytes, or without a file: everything cleared, the
    // table laid out for the file's count, rows and results read as far as the file goes,
    // estimates marked. A result line outside the six texts leaves its cell empty.
    void load(std::optional<std::string_view> fileBytes);
    // The tournament file as a save writes it.
    std::string fileBytes() const;
    // After the file was written, the marks and new ratings are brought up to date.
    void saved();
    // The spin's change to `value`: only 3..22 lay the table out anew. Players beyond the
    // count leave the tournament with everything they held.
    void layOutForCount(int value);
    // The same as a step of the history; nothing changes when a withdrawal round would lie
    // outside the event (see withdrawalOutside).
    Step setPlayerCount(int value);
    // The rows a lower count would remove that hold a name or a result, each with the
    // number of his results (every cycle, both sides of a game counted once).
    struct RemovedPlayer {
        int row = 0;
        std::string name;
        int results = 0;
    };
    std::vector<RemovedPlayer> playersRemovedBy(int count) const;
    // The first remaining player whose withdrawal round would lie outside an event of
    // `count` players and `cycleCount` cycles (it must end before the last round); 0 when none.
    int withdrawalOutside(int count, int cycleCount) const;

    // Whether the editor's player may enter the row.
    EntryCheck checkEntry(int row, const PlayerEntry &player) const;
    // A click on a cell: the click dispatch, then the refresh of the note, of column 3's
    // header and of the save commands. `editor` enters a row on a click on its number.
    Step click(int row, int column, const PlayerEntry &editor);
    // A result key on a game cell: the game gets `state`, then the refresh.
    Step keyResult(int row, int column, GameState state);
    // A click on a board's result box: the game steps to the next result.
    Step clickResultBox(int board);
    // The spin of cycles and the check box of the last rounds: 1..kMostCycles cycles. Nothing
    // changes when a cycle that would go holds a result (see lastCycleWithResults).
    // Cycle 1's last two rounds hold results and are swapped by that change (the swap comes
    // with a second cycle and goes with the check box or with one cycle): then setCycles
    // keeps them as they are, without the swap when a second cycle comes, else not at all.
    Step setCycles(int count, bool reverseLastRounds);
    bool cyclesMovePlayedRounds(int count, bool reverseLastRounds) const;
    // The tie-breaks after points, in order; empty = the default «Очки, Бергер, личная
    // встреча, победы».
    const std::vector<TieBreak> &tieBreaks() const { return m_tieBreaks; }
    Step setTieBreaks(std::vector<TieBreak> tieBreaks);
    // Rounds of the event, every cycle included.
    int totalRounds() const;
    // The round after which the row's player left; 0 when he did not.
    int withdrawnAfter(int row) const { return m_withdrawnAfter[index(row)]; }
    // The player of the row left after round 1..totalRounds() - 1: each of his later games
    // without a result becomes a forfeit, "-" for him and "+" for the opponent ("-" for both
    // when the opponent had left before it too). A game with a result keeps it.
    Step withdraw(int row, int afterRound);
    // The withdrawn player comes back: the forfeits his withdrawal made are removed (after a
    // load: the forfeits of his games after his round), a game the opponent's withdrawal
    // made a forfeit stays one for him.
    Step reinstate(int row);
    // The round a game is played in, counted through all cycles.
    int roundOf(const GameKey &key) const;
    // FIDE's rule: a withdrawn player who played fewer than half his games over the board
    // has none of them counted.
    bool gamesVoided(int row) const;
    // Whether the game counts in the points: not when either player's games are voided.
    bool gameCounts(const GameKey &key) const;
    // The row's points as the standings count them: his own when his games are voided.
    Fixed countedPoints(int row) const;
    // What the director told of the event; its round dates go no further than its rounds.
    const EventDetails &event() const { return m_event; }
    Step setEvent(EventDetails details);
    // The drawing of numbers before the first result: order[k] is the row (from 0) whose
    // player takes number k + 1, with everything he holds. Nothing changes once a result is
    // in or when order is no permutation of the rows.
    Step drawNumbers(const std::vector<int> &order, const DrawRecord &record);
    // How the numbers were drawn; nothing when they were not.
    const std::optional<DrawRecord> &numberDraw() const { return m_draw; }
    // Puts back the values of a step, before or after it.
    void restore(const Step &step, const StepValues &values);

    // The commands of the table's cells and headers.
    void stepGameCell(int row, int column);
    void recordGameArrays(const GameKey &key, GameState state);
    void stepResultHeader();
    void showPoints();
    void showBerger();
    void showCorrections();
    void correctEstimates();
    void newRatingsCommand();
    void showNewRatings();
    void showRoundOfColumn(int column);
    void fillRoundDisplay();

    // The whole event for the history: what restore puts back for a Whole step.
    bool sameEvent(const Tournament &other) const;

    // New ratings of rows 1..N, computed as the new-rating command computes them.
    std::vector<NewRating> newRatings() const;
    // Names, ratings and game arrays of rows 1..N for the exports.
    TournamentSnapshot snapshot(std::string name, std::string date) const;

  private:
    // One row's player and the light yellow mark of his rating cell.
    using Row = RowValues;
    // What the cells of one cycle show, which may differ from its game arrays (a result line
    // outside the six texts empties its cell and leaves the arrays).
    using CycleCells = std::array<std::array<GameState, 23>, 23>;
    static std::size_t index(int row);
    static std::size_t boardIndex(int board);
    bool isPlayer(int n) const { return n >= 1 && n <= m_playerCount; }
    bool anyRatingMissing() const;
    GameState &cellRef(const GameKey &key);
    GameSide side(const GameKey &key) const;
    void setSide(const GameKey &key, const GameSide &side);
    StepValues values(const Step &step) const;
    void setGame(const GameKey &key, GameState state);
    void enterPlayer(int row, const PlayerEntry &player);
    void refreshCompleteness();
    // After a result or a player changed: what columns 3 and 4 show is computed again,
    // and with it the corrections of the estimates.
    void refreshShownColumns();
    void resetResultHeaders();
    void readFromFile(std::string_view bytes);
    // The tie-break rules and withdrawals the file's extension holds.
    void readRulesAndWithdrawals(std::string_view bytes);
    void markEstimateRatings();
    void resize(int count);
    // The forfeits a withdrawal makes and reinstate removes.
    void markForfeit(const GameKey &key, int round);
    void removeWithdrawal(int row);
    bool anyWithdrawal() const;
    // The games after his round not played over the board become forfeits.
    void forfeitUnplayedGames(int row);
    void forfeitEveryUnplayedGame();
    // Both sides "-": a game neither player came to.
    void recordBothLost(const GameKey &key);
    // After a load: the forfeits of each withdrawn player's games after his round.
    void deriveWithdrawalForfeits();
    Step wholeStep(const std::function<void()> &operation);
    void resizeCycles(int count);
    // Rounds of one cycle, and the schedule of every cycle.
    int roundsPerCycle() const;
    std::vector<ScheduledGame> schedule() const;
    // Columns 3 and 4 computed again after any change, when next read.
    void touch() { m_columnsValid = false; }
    // What the header commands show, copied first when a step still shares it.
    ShownState &editShown();
    void computeColumns() const;

    int m_playerCount = kFewestPlayers;
    int m_lowestCount = 1;
    std::array<Row, 23> m_rows{};
    RowNumbers m_correctionMark{};   // 1000 established, else the correction of an estimate
    RowNumbers m_ratingCorrection{}; // per row: the correction last computed, rating points
    // Per cycle, the first first: the game arrays and the cells.
    std::vector<GameRecords> m_records;
    std::vector<CycleCells> m_cells;
    bool m_reverseLastRounds = true;
    RowNumbers m_withdrawnAfter{}; // per row: the round after which he left, 0 = none
    // Per row: his side of each game his withdrawal turned into a forfeit.
    std::array<std::vector<GameKey>, 23> m_withdrawalForfeits{};
    std::vector<TieBreak> m_tieBreaks; // empty = the default order
    EventDetails m_event;
    std::optional<DrawRecord> m_draw; // how the numbers were drawn, when they were

    bool m_correctionHeader = false; // column 3's header reads "Корр.", else "R нов."
    std::shared_ptr<const ShownState> m_shown;
    bool m_ratingMissing = false; // MissingRatingNote holds its message
    bool m_saveEnabled = true;
    bool m_writeBackEnabled = true;

    mutable bool m_columnsValid = false;
    mutable std::array<std::string, 23> m_column3;
    mutable std::array<std::string, 23> m_column4;
};

} // namespace krugovik
