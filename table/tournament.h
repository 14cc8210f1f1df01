#pragma once

// The open tournament as plain data: the players of the rows, every game with its mirror,
// the cycles, the withdrawals and the rules. It is the only thing that changes them: the
// window's picture (ui/table_picture) reads it and calls its operations, the history keeps
// the values an operation changed, the file is read into it and written from it. It holds
// nothing of what a window shows. Its invariant: whatever it holds, its file reads back to
// the same tournament, and nothing outside the players 1..N is held at all.

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
// concerns, whether the rows were checked for ratings since the load, and the correction
// marks (a save between a step and its undo settles them anew). Only the event: what a
// window showed at the step is the window's to remember.
class Tournament;
struct FileDescription;
struct FileExtensionRead;

struct StepValues {
    GameSide player;               // a game: the side the step names
    GameSide opponent;             // a game: the mirrored side
    RowValues row;                 // an entry: the row's player
    bool ratingsChecked = false;   // see Tournament::ratingsChecked
    int cycles = 1;                // how often each pair meets
    bool reverseLastRounds = true; // cycle 1's last two rounds swapped
    RowNumbers correctionMark{};
    RowNumbers ratingCorrection{};
    std::vector<TieBreak> tieBreaks; // rules: the tie-breaks after points, empty = the default
    // A step that changes the event as a whole (the number of players, a withdrawal and
    // its return): the tournament before or after it.
    std::shared_ptr<const Tournament> whole;
    EventDetails event; // the event's details

    bool operator==(const StepValues &other) const;
};

// One step of entry the director can take back: a result set, a player entered, the rows
// checked for ratings, the number of cycles (with the order of cycle 1's last rounds)
// changed, the tie-break rules chosen, or a change of the event as a whole: the number of
// players, a withdrawal, a return to the event.
struct Step {
    enum class Kind { None, Game, Entry, Check, Cycles, Rules, Whole, Event };
    Kind kind = Kind::None;
    GameKey game; // Game: the side the result was given to, or the first-named side of a board
    int row = 0;  // Entry: the row entered
    StepValues before;
    StepValues after;

    bool changed() const { return kind != Kind::None && before != after; }
};

class Tournament {
  public:
    static constexpr int kFewestPlayers = 3;
    static constexpr int kMostPlayers = 22;
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

    // A number that names this state of the event: every change gives a new one, a copy
    // keeps its original's. What is worked out from the event may be kept while it stays.
    std::uint64_t revision() const { return m_revision; }

    // The rows' players, 1..22 (rows beyond the count are empty).
    const std::string &name(int row) const { return m_rows[index(row)].name; }
    const std::string &rating(int row) const { return m_rows[index(row)].rating; }
    bool estimate(int row) const { return m_rows[index(row)].estimate; }
    int baseRecordNo(int row) const { return m_rows[index(row)].baseRecordNo; }
    const PlayerIdentity &identity(int row) const { return m_rows[index(row)].identity; }
    int correctionMark(int row) const { return m_correctionMark[index(row)]; }
    int ratingCorrection(int row) const { return m_ratingCorrection[index(row)]; }
    GameState cell(const GameKey &key) const;
    // The game arrays of a cycle, and of every cycle.
    const GameRecords &games(int cycle = 0) const { return m_records[std::size_t(cycle)]; }
    const std::vector<GameRecords> &allGames() const { return m_records; }

    // Whether every row 1..N holds a name, and a rating.
    bool everyRowNamed() const;
    bool everyRowRated() const;
    // Whether the rows were checked for missing ratings since the file was read: by a player
    // entered, a result, checkRatings, a drawing of numbers or a change of the count.
    bool ratingsChecked() const { return m_ratingsChecked; }
    // A row lacks a rating, as the last check found, so results may not be entered yet. A
    // table just read takes results until its first check.
    bool ratingMissing() const { return m_ratingsChecked && !everyRowRated(); }

    // The window's load from the file's bytes, or without a file: everything cleared, the
    // table laid out for the file's count, rows and results read as far as the file goes,
    // estimates marked. A result line outside the six texts leaves its cell empty.
    void load(std::optional<std::string_view> fileBytes);
    // The same from the file as read once (table/tournament_file.h); the store hands it on.
    void load(const FileDescription &file);
    // The tournament file as a save writes it.
    std::string fileBytes() const;
    // After the file was written, the correction marks are brought up to date.
    void saved();
    // The spin's change to `value`: only 3..22 lay the table out anew. Players beyond the
    // count leave the tournament with everything they held. The rows are checked for
    // ratings, and with every rating present the estimates are corrected.
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
    // The player enters the row, then the rows are checked for ratings. A refused entry
    // (checkEntry) changes nothing, not even the check.
    Step enterPlayer(int row, const PlayerEntry &player);
    // The game steps to the next result, then the check. While a row lacks a rating
    // (ratingMissing) only the check is made. Nothing for a key that names no game.
    Step nextResult(const GameKey &key);
    // The game gets `state`, then the check; likewise.
    Step setResult(const GameKey &key, GameState state);
    // The game steps to the next result, without the check: a board's result box.
    Step stepGame(const GameKey &key);
    // Only the check: the rows are looked at for missing ratings, and from now on a row
    // without one holds results back. A Check step, for the history to take it back.
    Step checkRatings();
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
    // The director's choice of rules, or his order of tied players (table/event_rules.h):
    // once a result is in, a change of the rules in force is recorded after the last round
    // with a result; the event's own records of earlier changes stay whatever the list holds.
    Step setTieBreaks(std::vector<TieBreak> tieBreaks);
    // The round after which setTieBreaks would record the change; 0 when it would not.
    int ruleChangeRound(const std::vector<TieBreak> &tieBreaks) const;
    // Rounds of the event, every cycle included.
    int totalRounds() const;
    // The last round, counted through all cycles, in which the row's player has a result;
    // 0 when he has none.
    int lastRoundWithResult(int row) const;
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
    // Takes the values after a step anew, when more was done after its operation.
    void retake(Step &step) const;

    void recordGameArrays(const GameKey &key, GameState state);
    // The corrections of the estimates, worked out from the games and kept as their marks.
    void correctEstimates();
    // Some row's player left the event.
    bool anyWithdrawal() const;

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
    bool isPlayer(int n) const { return n >= 1 && n <= m_playerCount; }
    GameState &cellRef(const GameKey &key);
    GameSide side(const GameKey &key) const;
    void setSide(const GameKey &key, const GameSide &side);
    StepValues values(const Step &step) const;
    void setGame(const GameKey &key, GameState state);
    void fillRow(int row, const PlayerEntry &player);
    // The check itself, inside an operation.
    void markRatingsChecked();
    bool isGame(const GameKey &key) const;
    void readFromFile(const FileDescription &file);
    // The tie-break rules and withdrawals the file's extension holds.
    void readRulesAndWithdrawals(const FileExtensionRead &read);
    void markEstimateRatings();
    void resize(int count);
    // The forfeits a withdrawal makes and reinstate removes.
    void markForfeit(const GameKey &key, int round);
    void removeWithdrawal(int row);
    // The games after his round not played over the board become forfeits.
    void forfeitUnplayedGames(int row);
    void forfeitEveryUnplayedGame();
    // Both sides "-": a game neither player came to.
    void recordBothLost(const GameKey &key);
    // After a load: the forfeits of each withdrawn player's games after his round.
    void deriveWithdrawalForfeits();
    Step wholeStep(const std::function<void()> &operation);
    void resizeCycles(int count);
    // Every change names the new state.
    void touch();

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

    bool m_ratingsChecked = false; // see ratingsChecked()
    std::uint64_t m_revision = 0;  // see revision()
};

} // namespace krugovik
