#include "table/tournament.h"

#include <algorithm>
#include <atomic>

#include "common/number_text.h"
#include "common/windows1251.h"
#include "export/snapshot_results.h"
#include "rating/rating_calc.h"
#include "rounds/berger_schedule.h"
#include "standings/standings.h"
#include "table/event_rules.h"
#include "table/round_dates.h"
#include "table/tournament_file.h"

namespace krugovik {
namespace {

// The numbers of the states of every tournament: a state's number is never given twice, so
// that an equal number means the same state, also in a copy.
std::uint64_t nextRevision()
{
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

} // namespace

Tournament::Tournament() : m_records(1), m_cells(1), m_revision(nextRevision()) {}

void Tournament::touch()
{
    m_revision = nextRevision();
}

bool StepValues::operator==(const StepValues &other) const
{
    return player == other.player && opponent == other.opponent && row == other.row &&
           ratingsChecked == other.ratingsChecked && cycles == other.cycles &&
           reverseLastRounds == other.reverseLastRounds && correctionMark == other.correctionMark &&
           ratingCorrection == other.ratingCorrection && tieBreaks == other.tieBreaks &&
           event == other.event &&
           (whole == other.whole || (whole && other.whole && whole->sameEvent(*other.whole)));
}

std::size_t Tournament::index(int row)
{
    return std::size_t(std::clamp(row, 0, kMostPlayers));
}

bool Tournament::isGame(const GameKey &key) const
{
    return key.cycle >= 0 && key.cycle < cycles() && isPlayer(key.player) &&
           isPlayer(key.opponent) && key.player != key.opponent;
}

GameState Tournament::cell(const GameKey &key) const
{
    if (key.cycle < 0 || key.cycle >= cycles())
        return GameState::None;
    return m_cells[std::size_t(key.cycle)][index(key.player)][index(key.opponent)];
}

GameState &Tournament::cellRef(const GameKey &key)
{
    return m_cells[std::size_t(key.cycle)][index(key.player)][index(key.opponent)];
}

int Tournament::lastCycleWithResults() const
{
    for (int c = cycles(); c >= 1; --c) {
        const CycleCells &cells = m_cells[std::size_t(c - 1)];
        const GameRecords &records = m_records[std::size_t(c - 1)];
        for (int i = 1; i <= kMostPlayers; ++i) {
            for (int j = 1; j <= kMostPlayers; ++j) {
                if (cells[index(i)][index(j)] != GameState::None ||
                    !records.results[index(i)][index(j)].empty())
                    return c;
            }
        }
    }
    return 0;
}

bool Tournament::everyRowNamed() const
{
    for (int r = 1; r <= m_playerCount; ++r) {
        if (name(r).empty())
            return false;
    }
    return true;
}

bool Tournament::everyRowRated() const
{
    for (int r = 1; r <= m_playerCount; ++r) {
        if (rating(r).empty())
            return false;
    }
    return true;
}

// Loading and saving.

void Tournament::load(std::optional<std::string_view> fileBytes)
{
    // Without a file: a description of nothing.
    load(fileBytes ? describeTournamentFile(*fileBytes) : FileDescription{});
}

void Tournament::load(const FileDescription &file)
{
    *this = Tournament();
    readFromFile(file);
    markEstimateRatings();
    // Until the first check the rows count as not yet checked for ratings.
    m_ratingsChecked = false;
}

void Tournament::readFromFile(const FileDescription &description)
{
    const TournamentFile &file = description.body;
    if (!file.playerCount || *file.playerCount < kFewestPlayers || *file.playerCount > kMostPlayers)
        return;
    const int n = *file.playerCount;
    m_lowestCount = n;
    if (n != m_playerCount)
        layOutForCount(n);
    // Every result is recorded once all ratings are read, in reading order, so that a
    // game read before its opponent's block counts against his rating.
    std::vector<GameKey> read;
    for (int i = 1; i <= n && i <= int(file.players.size()); ++i) {
        const PlayerBlock &block = file.players[std::size_t(i - 1)];
        Row &row = m_rows[index(i)];
        if (!block.holds(BlockItem::Name))
            break;
        row.name = fromWindows1251(block.name);
        if (!block.holds(BlockItem::BaseRecordNo))
            break;
        row.baseRecordNo = block.baseRecordNo;
        if (!block.holds(BlockItem::Rating))
            break;
        row.rating = fromWindows1251(block.rating);
        if (!block.holds(BlockItem::CorrectionMark))
            break;
        m_correctionMark[index(i)] = block.correctionMark;
        std::size_t next = 0;
        for (int j = 1; j <= n && next < block.results.size(); ++j) {
            if (j == i)
                continue;
            const GameKey key{0, i, j};
            const std::optional<GameState> state = stateFromCellText(block.results[next++]);
            cellRef(key) = state.value_or(GameState::None);
            if (state)
                read.push_back(key);
        }
        if (next < std::size_t(n - 1))
            break;
    }
    // The further cycles, when the file holds them whole; the window refuses a file whose
    // extension does not read.
    const FileExtensionRead &extension = description.extension;
    if (extension.error.empty() && extension.extension.cycles > 1) {
        resizeCycles(extension.extension.cycles);
        m_reverseLastRounds = extension.extension.reverseLastRounds;
        for (int c = 2; c <= cycles(); ++c) {
            const std::vector<std::string> &results =
                extension.extension.laterResults[std::size_t(c - 2)];
            std::size_t next = 0;
            for (int i = 1; i <= n; ++i) {
                for (int j = 1; j <= n; ++j) {
                    if (j == i)
                        continue;
                    const GameKey key{c - 1, i, j};
                    const std::optional<GameState> state = stateFromCellText(results[next++]);
                    cellRef(key) = state.value_or(GameState::None);
                    if (state)
                        read.push_back(key);
                }
            }
        }
    }
    for (const GameKey &key : read)
        recordGameArrays(key, cell(key));
    // A game neither player came to is lost by both: the one pair that is not mirrored.
    for (int c = 0; c < cycles(); ++c) {
        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                const GameKey key{c, i, j};
                if (cell(key) == GameState::ForfeitLoss &&
                    cell(key.mirror()) == GameState::ForfeitLoss)
                    recordBothLost(key);
            }
        }
    }
    readRulesAndWithdrawals(extension);
    deriveWithdrawalForfeits();
    touch();
}

void Tournament::recordBothLost(const GameKey &key)
{
    setGame(key, GameState::ForfeitLoss);
    const GameKey mirror = key.mirror();
    cellRef(mirror) = GameState::ForfeitLoss;
    m_records[std::size_t(key.cycle)].results[index(mirror.player)][index(mirror.opponent)] =
        std::string(cellText(GameState::ForfeitLoss));
}

void Tournament::deriveWithdrawalForfeits()
{
    for (int p = 1; p <= m_playerCount; ++p) {
        m_withdrawalForfeits[index(p)].clear();
        if (withdrawnAfter(p) == 0)
            continue;
        for (int c = 0; c < cycles(); ++c) {
            for (int q = 1; q <= m_playerCount; ++q) {
                const GameKey key{c, p, q};
                if (q != p && cell(key) == GameState::ForfeitLoss &&
                    roundOf(key) > withdrawnAfter(p))
                    m_withdrawalForfeits[index(p)].push_back(key);
            }
        }
    }
}

void Tournament::readRulesAndWithdrawals(const FileExtensionRead &read)
{
    // A refused extension was shown to the director before the load; nothing of it is used.
    if (!read.error.empty())
        return;
    for (const std::string &code : read.extension.tieBreakCodes)
        m_tieBreaks.push_back(*tieBreakFromCode(code));
    // Files of earlier versions kept an order by hand naming players no longer there.
    m_tieBreaks = rulesForPlayers(std::move(m_tieBreaks), m_playerCount);
    for (const auto &[player, round] : read.extension.withdrawn)
        m_withdrawnAfter[index(player)] = round;
    m_event = read.extension.event;
    for (const auto &[player, identity] : read.extension.identities)
        m_rows[index(player)].identity = identity;
    m_draw = read.extension.draw;
}

void Tournament::markEstimateRatings()
{
    // Only rows that hold a player: the empty rows of a new file carry the mark 0.
    for (int i = 1; i <= m_playerCount; ++i) {
        Row &row = m_rows[index(i)];
        if ((!row.name.empty() || !row.rating.empty()) &&
            m_correctionMark[index(i)] != kEstablishedMark)
            row.estimate = true;
    }
    touch();
}

std::string Tournament::fileBytes() const
{
    std::vector<PlayerBlock> blocks(static_cast<std::size_t>(m_playerCount));
    for (int i = 1; i <= m_playerCount; ++i) {
        PlayerBlock &block = blocks[std::size_t(i - 1)];
        block.name = toWindows1251(name(i));
        block.baseRecordNo = baseRecordNo(i);
        block.rating = toWindows1251(rating(i));
        block.correctionMark = correctionMark(i);
        for (int j = 1; j <= m_playerCount; ++j) {
            if (j != i)
                block.results.push_back(games().results[std::size_t(i)][std::size_t(j)]);
        }
    }
    FileExtension extension;
    extension.cycles = cycles();
    extension.reverseLastRounds = m_reverseLastRounds;
    for (int c = 1; c < cycles(); ++c) {
        std::vector<std::string> &results = extension.laterResults.emplace_back();
        for (int i = 1; i <= m_playerCount; ++i) {
            for (int j = 1; j <= m_playerCount; ++j) {
                if (j != i)
                    results.push_back(games(c).results[std::size_t(i)][std::size_t(j)]);
            }
        }
    }
    for (const TieBreak &tb : m_tieBreaks)
        extension.tieBreakCodes.push_back(fideCode(tb));
    for (int i = 1; i <= m_playerCount; ++i) {
        if (withdrawnAfter(i) > 0)
            extension.withdrawn.emplace_back(i, withdrawnAfter(i));
    }
    extension.event = m_event;
    // Dates of rounds the event no longer has would not read back.
    if (extension.event.roundDates.size() > std::size_t(totalRounds()))
        extension.event.roundDates.resize(std::size_t(totalRounds()));
    for (int i = 1; i <= m_playerCount; ++i) {
        if (!identity(i).empty())
            extension.identities.emplace_back(i, identity(i));
    }
    extension.draw = m_draw;
    return writeTournamentFile(blocks) + writeFileExtension(extension);
}

void Tournament::saved()
{
    correctEstimates();
}

// The size of the table.

void Tournament::layOutForCount(int value)
{
    if (value >= kFewestPlayers && value <= kMostPlayers)
        resize(value);
    m_ratingsChecked = true;
    if (everyRowRated())
        correctEstimates();
    touch();
}

void Tournament::resize(int count)
{
    // Players beyond the count leave with everything they held: nothing hidden may count,
    // be saved or come back with a later higher count.
    for (int i = count + 1; i <= kMostPlayers; ++i) {
        m_rows[index(i)] = Row{};
        m_withdrawnAfter[index(i)] = 0;
        m_correctionMark[index(i)] = 0;
        m_ratingCorrection[index(i)] = 0;
        m_withdrawalForfeits[index(i)].clear();
    }
    for (std::size_t c = 0; c < m_cells.size(); ++c) {
        CycleCells &cells = m_cells[c];
        GameRecords &records = m_records[c];
        for (std::size_t i = 0; i <= kMostPlayers; ++i) {
            for (std::size_t j = 0; j <= kMostPlayers; ++j) {
                if (int(i) > count || int(j) > count) {
                    cells[i][j] = GameState::None;
                    records.results[i][j].clear();
                    records.points[i][j] = Fixed();
                    records.played[i][j] = 0;
                    records.opponentRating[i][j] = 0;
                }
            }
        }
    }
    for (auto &forfeits : m_withdrawalForfeits) {
        std::erase_if(forfeits, [&](const GameKey &key) { return key.opponent > count; });
    }
    m_tieBreaks = rulesForPlayers(std::move(m_tieBreaks), count);
    m_playerCount = count;
    touch();
}

std::vector<Tournament::RemovedPlayer> Tournament::playersRemovedBy(int count) const
{
    std::vector<RemovedPlayer> removed;
    for (int i = std::max(count, 0) + 1; i <= m_playerCount; ++i) {
        RemovedPlayer player{i, name(i), 0};
        for (int c = 0; c < cycles(); ++c) {
            // Each removed player's own results, his games against other removed ones too:
            // the director reads the number beside the name.
            for (int j = 1; j <= m_playerCount; ++j) {
                if (j == i)
                    continue;
                if (cell({c, i, j}) != GameState::None || cell({c, j, i}) != GameState::None)
                    ++player.results;
            }
        }
        if (!player.name.empty() || player.results > 0)
            removed.push_back(std::move(player));
    }
    return removed;
}

int Tournament::lastRoundWithResult(int row) const
{
    int last = 0;
    for (int c = 0; c < cycles(); ++c) {
        for (int j = 1; j <= m_playerCount; ++j) {
            if (j != row && isPlayer(row) && cell({c, row, j}) != GameState::None)
                last = std::max(last, roundOf({c, row, j}));
        }
    }
    return last;
}

int Tournament::withdrawalOutside(int count, int cycleCount) const
{
    const int rounds = roundCount(count) * cycleCount;
    for (int p = 1; p <= std::min(count, m_playerCount); ++p) {
        if (withdrawnAfter(p) > 0 && withdrawnAfter(p) >= rounds)
            return p;
    }
    return 0;
}

Step Tournament::wholeStep(const std::function<void()> &operation)
{
    Step step;
    step.kind = Step::Kind::Whole;
    auto before = std::make_shared<Tournament>(*this);
    operation();
    step.before.whole = std::move(before);
    step.after.whole = std::make_shared<Tournament>(*this);
    if (step.before.whole->sameEvent(*step.after.whole))
        return {};
    return step;
}

Step Tournament::setPlayerCount(int value)
{
    if (value < kFewestPlayers || value > kMostPlayers || value == m_playerCount ||
        withdrawalOutside(value, cycles()) != 0)
        return {};
    return wholeStep([&] {
        const int roundsBefore = totalRounds();
        layOutForCount(value);
        m_event.roundDates = roundDatesContinued(m_event.roundDates, roundsBefore, totalRounds());
        // The schedule of the new count puts other games after a withdrawal round.
        forfeitEveryUnplayedGame();
    });
}

bool Tournament::sameEvent(const Tournament &o) const
{
    return m_playerCount == o.m_playerCount && m_rows == o.m_rows &&
           m_correctionMark == o.m_correctionMark && m_ratingCorrection == o.m_ratingCorrection &&
           m_records == o.m_records && m_cells == o.m_cells &&
           m_reverseLastRounds == o.m_reverseLastRounds && m_withdrawnAfter == o.m_withdrawnAfter &&
           m_tieBreaks == o.m_tieBreaks && m_withdrawalForfeits == o.m_withdrawalForfeits &&
           m_lowestCount == o.m_lowestCount && m_event == o.m_event && m_draw == o.m_draw &&
           m_ratingsChecked == o.m_ratingsChecked;
}

Step Tournament::drawNumbers(const std::vector<int> &order, const DrawRecord &record)
{
    // Only before the first result: the numbers decide the schedule.
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int k = 0; k < int(sorted.size()); ++k) {
        if (sorted[std::size_t(k)] != k)
            return {};
    }
    if (int(order.size()) != m_playerCount || lastCycleWithResults() != 0 || anyWithdrawal())
        return {};
    return wholeStep([&] {
        const std::array<Row, 23> rows = m_rows;
        const RowNumbers marks = m_correctionMark;
        const RowNumbers corrections = m_ratingCorrection;
        // Each player takes everything he holds to his new number.
        for (int k = 0; k < m_playerCount; ++k) {
            const std::size_t from = index(order[std::size_t(k)] + 1);
            m_rows[index(k + 1)] = rows[from];
            m_correctionMark[index(k + 1)] = marks[from];
            m_ratingCorrection[index(k + 1)] = corrections[from];
        }
        m_draw = record;
        m_tieBreaks = renumberedRules(std::move(m_tieBreaks), order);
        touch();
        markRatingsChecked();
    });
}

void Tournament::resizeCycles(int count)
{
    // A cycle that comes back starts empty.
    m_records.resize(std::size_t(count));
    m_cells.resize(std::size_t(count));
    touch();
}

bool Tournament::cyclesMovePlayedRounds(int count, bool reverseLastRounds) const
{
    const bool swappedNow = cycles() > 1 && m_reverseLastRounds;
    const bool swappedThen = count > 1 && reverseLastRounds;
    if (swappedNow == swappedThen)
        return false;
    const int rounds = roundCount(m_playerCount);
    for (int i = 1; i <= m_playerCount; ++i) {
        for (int j = i + 1; j <= m_playerCount; ++j) {
            const auto game = scheduledGame(m_playerCount, 1, false, 1, i, j);
            if (game && game->round >= rounds - 1 &&
                (cell({0, i, j}) != GameState::None || cell({0, j, i}) != GameState::None))
                return true;
        }
    }
    return false;
}

Step Tournament::setCycles(int count, bool reverseLastRounds)
{
    // One cycle has no order of rounds to swap, and its file says nothing of one.
    if (count == 1)
        reverseLastRounds = true;
    // Played rounds keep their order: a second cycle that comes after cycle 1's last two
    // rounds hold results leaves them as they are; the box cannot swap them back either.
    if (cyclesMovePlayedRounds(count, reverseLastRounds)) {
        if (cycles() > 1)
            return {};
        reverseLastRounds = false;
    }
    if (count < 1 || count > kMostCycles || count < lastCycleWithResults() ||
        withdrawalOutside(m_playerCount, count) != 0 ||
        (count == cycles() && reverseLastRounds == m_reverseLastRounds))
        return {};
    const int roundsBefore = totalRounds();
    const auto change = [&] {
        resizeCycles(count);
        m_reverseLastRounds = reverseLastRounds;
        // New rounds go on at the step of the dates of the rounds before them.
        m_event.roundDates = roundDatesContinued(m_event.roundDates, roundsBefore, totalRounds());
        // A new cycle's games of a player who left are forfeits like his other later ones.
        forfeitEveryUnplayedGame();
    };
    if (anyWithdrawal() ||
        roundDatesContinued(m_event.roundDates, roundsBefore, count * roundCount(m_playerCount)) !=
            m_event.roundDates)
        return wholeStep(change);
    Step step;
    step.kind = Step::Kind::Cycles;
    step.before = values(step);
    change();
    step.after = values(step);
    return step;
}

bool Tournament::anyWithdrawal() const
{
    return std::any_of(m_withdrawnAfter.begin() + 1, m_withdrawnAfter.begin() + m_playerCount + 1,
                       [](int round) { return round > 0; });
}

void Tournament::forfeitEveryUnplayedGame()
{
    for (int p = 1; p <= m_playerCount; ++p) {
        if (withdrawnAfter(p) > 0)
            forfeitUnplayedGames(p);
    }
}

void Tournament::forfeitUnplayedGames(int row)
{
    const int afterRound = withdrawnAfter(row);
    for (int c = 0; c < cycles(); ++c) {
        for (int q = 1; q <= m_playerCount; ++q) {
            const GameKey key{c, row, q};
            if (q == row)
                continue;
            const int round = roundOf(key);
            if (round <= afterRound)
                continue;
            const GameState now = cell(key);
            // Only a game not played: a result entered stays. His opponent's earlier
            // withdrawal made it a forfeit win for him; now neither came.
            const bool opponentsForfeit =
                now == GameState::ForfeitWin && withdrawnAfter(q) > 0 && withdrawnAfter(q) < round;
            if (now == GameState::None || opponentsForfeit)
                markForfeit(key, round);
        }
    }
}

EntryCheck Tournament::checkEntry(int row, const PlayerEntry &player) const
{
    if (player.rating.empty())
        return {EntryRefusal::NoRating, 0};
    const PlayerIdentity &entering = player.identity;
    for (int k = 1; k <= m_playerCount; ++k) {
        if (k == row || name(k) != player.name)
            continue;
        // Namesakes are two players when the lists tell them apart by their IDs.
        const PlayerIdentity &entered = identity(k);
        const bool otherFideId =
            entering.fideId > 0 && entered.fideId > 0 && entering.fideId != entered.fideId;
        const bool otherNationalId = !entering.nationalId.empty() && !entered.nationalId.empty() &&
                                     entering.nationalId != entered.nationalId;
        if (!otherFideId && !otherNationalId)
            return {EntryRefusal::AlreadyEntered, k};
    }
    // One player under two names, «Карлсен Магнус» and "Carlsen, Magnus".
    for (int k = 1; k <= m_playerCount; ++k)
        if (k != row && entering.fideId > 0 && identity(k).fideId == entering.fideId)
            return {EntryRefusal::SameFideId, k};
    return {};
}

Step Tournament::enterPlayer(int row, const PlayerEntry &player)
{
    if (!isPlayer(row) || checkEntry(row, player).refusal != EntryRefusal::None)
        return {};
    Step step;
    step.kind = Step::Kind::Entry;
    step.row = row;
    step.before = values(step);
    fillRow(row, player);
    markRatingsChecked();
    step.after = values(step);
    return step;
}

Step Tournament::nextResult(const GameKey &key)
{
    if (!isGame(key))
        return {};
    return setResult(key, nextInCycle(cell(key)));
}

Step Tournament::setResult(const GameKey &key, GameState state)
{
    if (!isGame(key))
        return {};
    Step step{Step::Kind::Game, key, 0, values({Step::Kind::Game, key, 0, {}, {}}), {}};
    // The check comes after the result: a table just read takes one before its first check.
    if (!ratingMissing())
        setGame(key, state);
    markRatingsChecked();
    step.after = values(step);
    return step;
}

Step Tournament::checkRatings()
{
    Step step;
    step.kind = Step::Kind::Check;
    step.before = values(step);
    markRatingsChecked();
    step.after = values(step);
    return step;
}

Step Tournament::stepGame(const GameKey &key)
{
    if (ratingMissing() || !isGame(key))
        return {};
    Step step{Step::Kind::Game, key, 0, values({Step::Kind::Game, key, 0, {}, {}}), {}};
    setGame(key, nextInCycle(cell(key)));
    step.after = values(step);
    return step;
}

GameSide Tournament::side(const GameKey &key) const
{
    const GameRecords &records = games(key.cycle);
    const auto p = index(key.player);
    const auto q = index(key.opponent);
    return {cell(key), records.results[p][q], records.points[p][q], records.played[p][q],
            records.opponentRating[p][q]};
}

void Tournament::setSide(const GameKey &key, const GameSide &side)
{
    GameRecords &records = m_records[std::size_t(key.cycle)];
    const auto p = index(key.player);
    const auto q = index(key.opponent);
    cellRef(key) = side.cell;
    records.results[p][q] = side.result;
    records.points[p][q] = side.points;
    records.played[p][q] = side.played;
    records.opponentRating[p][q] = side.opponentRating;
}

StepValues Tournament::values(const Step &step) const
{
    StepValues v;
    if (step.kind == Step::Kind::Game) {
        v.player = side(step.game);
        v.opponent = side(step.game.mirror());
    } else if (step.kind == Step::Kind::Entry) {
        v.row = m_rows[index(step.row)];
    } else if (step.kind == Step::Kind::Rules) {
        v.tieBreaks = m_tieBreaks;
    } else if (step.kind == Step::Kind::Event) {
        v.event = m_event;
    }
    v.ratingsChecked = m_ratingsChecked;
    v.cycles = cycles();
    v.reverseLastRounds = m_reverseLastRounds;
    v.correctionMark = m_correctionMark;
    v.ratingCorrection = m_ratingCorrection;
    return v;
}

void Tournament::restore(const Step &step, const StepValues &v)
{
    if (step.kind == Step::Kind::Whole) {
        if (v.whole)
            *this = *v.whole;
        touch();
        return;
    }
    if (step.kind == Step::Kind::Game && step.game.cycle >= 0 && step.game.cycle < cycles()) {
        setSide(step.game, v.player);
        setSide(step.game.mirror(), v.opponent);
    } else if (step.kind == Step::Kind::Entry) {
        m_rows[index(step.row)] = v.row;
    } else if (step.kind == Step::Kind::Rules) {
        m_tieBreaks = v.tieBreaks;
    } else if (step.kind == Step::Kind::Event) {
        m_event = v.event;
    }
    if (v.cycles != cycles())
        resizeCycles(v.cycles);
    m_reverseLastRounds = v.reverseLastRounds;
    m_ratingsChecked = v.ratingsChecked;
    m_correctionMark = v.correctionMark;
    m_ratingCorrection = v.ratingCorrection;
    touch();
}

void Tournament::retake(Step &step) const
{
    if (step.kind == Step::Kind::Whole)
        step.after.whole = std::make_shared<Tournament>(*this);
    else if (step.kind != Step::Kind::None)
        step.after = values(step);
}

void Tournament::markRatingsChecked()
{
    m_ratingsChecked = true;
    touch();
}

void Tournament::fillRow(int row, const PlayerEntry &player)
{
    Row &r = m_rows[index(row)];
    r.name = player.name;
    r.rating = player.rating;
    r.baseRecordNo = player.baseRecordNo;
    r.estimate = player.estimate;
    r.identity = player.identity;
    m_correctionMark[index(row)] = player.estimate ? 0 : kEstablishedMark;
    touch();
}

void Tournament::setGame(const GameKey &key, GameState state)
{
    cellRef(key) = state;
    recordGameArrays(key, state);
    cellRef(key.mirror()) = mirrored(state);
}

void Tournament::recordGameArrays(const GameKey &key, GameState state)
{
    if (!isGame(key))
        return;
    // A rated game keeps the ratings the rows show now.
    const bool rated = isRated(state);
    const std::int64_t ratingOfOpponent = rated ? readRating(rating(key.opponent)) : 0;
    const std::int64_t ratingOfPlayer = rated ? readRating(rating(key.player)) : 0;
    recordGame(m_records[std::size_t(key.cycle)], key.player, key.opponent, state, ratingOfOpponent,
               ratingOfPlayer);
    touch();
}

// Tie-break rules and withdrawals.

Step Tournament::setTieBreaks(std::vector<TieBreak> tieBreaks)
{
    Step step;
    step.kind = Step::Kind::Rules;
    step.before = values(step);
    m_tieBreaks = chosenRules(m_tieBreaks, std::move(tieBreaks), lastRoundPlayed(snapshot({}, {})),
                              m_playerCount);
    step.after = values(step);
    return step;
}

int Tournament::ruleChangeRound(const std::vector<TieBreak> &tieBreaks) const
{
    return krugovik::ruleChangeRound(m_tieBreaks, tieBreaks, lastRoundPlayed(snapshot({}, {})));
}

Step Tournament::setEvent(EventDetails details)
{
    // Dates after the last one given are none: the file keeps no empty ones.
    while (!details.roundDates.empty() && details.roundDates.back().empty())
        details.roundDates.pop_back();
    Step step;
    step.kind = Step::Kind::Event;
    step.before = values(step);
    m_event = std::move(details);
    step.after = values(step);
    return step;
}

int Tournament::totalRounds() const
{
    return roundCount(m_playerCount) * cycles();
}

int Tournament::roundOf(const GameKey &key) const
{
    const std::optional<ScheduledGame> game = scheduledGame(
        m_playerCount, cycles(), m_reverseLastRounds, key.cycle + 1, key.player, key.opponent);
    return game ? game->round : 0;
}

void Tournament::markForfeit(const GameKey &key, int round)
{
    const int opponentLeft = withdrawnAfter(key.opponent);
    if (opponentLeft > 0 && opponentLeft < round)
        recordBothLost(key); // neither came to the game
    else
        setGame(key, GameState::ForfeitLoss);
    m_withdrawalForfeits[index(key.player)].push_back(key);
}

Step Tournament::withdraw(int row, int afterRound)
{
    if (!isPlayer(row) || afterRound < 1 || afterRound >= totalRounds() ||
        afterRound == withdrawnAfter(row))
        return {};
    return wholeStep([&] {
        // A new round replaces the old: his forfeits are made again from it.
        if (withdrawnAfter(row) > 0)
            removeWithdrawal(row);
        m_withdrawnAfter[index(row)] = afterRound;
        forfeitUnplayedGames(row);
        touch();
    });
}

void Tournament::removeWithdrawal(int row)
{
    for (const GameKey &key : m_withdrawalForfeits[index(row)]) {
        if (key.cycle >= cycles() || !isPlayer(key.opponent) || cell(key) != GameState::ForfeitLoss)
            continue; // entered anew since, or no longer in the event
        const int opponentLeft = withdrawnAfter(key.opponent);
        const int round = roundOf(key);
        if (opponentLeft > 0 && opponentLeft < round)
            setGame(key, GameState::ForfeitWin); // the opponent's withdrawal still stands
        else
            setGame(key, GameState::None);
    }
    m_withdrawalForfeits[index(row)].clear();
    m_withdrawnAfter[index(row)] = 0;
}

Step Tournament::reinstate(int row)
{
    if (!isPlayer(row) || withdrawnAfter(row) == 0)
        return {};
    return wholeStep([&] {
        removeWithdrawal(row);
        touch();
    });
}

bool Tournament::gamesVoided(int row) const
{
    if (!isPlayer(row) || withdrawnAfter(row) == 0)
        return false;
    int overBoard = 0;
    for (int c = 0; c < cycles(); ++c) {
        for (int q = 1; q <= m_playerCount; ++q) {
            if (q != row && isRated(games(c).state(row, q)))
                ++overBoard;
        }
    }
    return 2 * overBoard < (m_playerCount - 1) * cycles();
}

bool Tournament::gameCounts(const GameKey &key) const
{
    return !gamesVoided(key.player) && !gamesVoided(key.opponent);
}

Fixed Tournament::countedPoints(int row) const
{
    if (!isPlayer(row))
        return {};
    const TournamentSnapshot s = snapshot({}, {});
    const std::vector<TieBreakRow> rows = rankByTieBreaks(roundRobinResults(s), {});
    for (const TieBreakRow &r : rows) {
        if (r.player == row)
            return r.points;
    }
    return {};
}

// Corrections and new ratings.

void Tournament::correctEstimates()
{
    for (int i = 1; i <= m_playerCount; ++i) {
        if (!estimate(i)) {
            m_correctionMark[index(i)] = kEstablishedMark;
            continue;
        }
        m_ratingCorrection[index(i)] = estimateCorrection(m_records, i, m_playerCount);
        m_correctionMark[index(i)] = m_ratingCorrection[index(i)];
    }
    touch();
}

std::vector<NewRating> Tournament::newRatings() const
{
    std::vector<RatingCell> cells;
    for (int i = 1; i <= m_playerCount; ++i)
        cells.push_back({rating(i), estimate(i)});
    return computeNewRatings(cells, m_records);
}

// The exports.

TournamentSnapshot Tournament::snapshot(std::string name, std::string date) const
{
    TournamentSnapshot s;
    s.name = std::move(name);
    s.date = std::move(date);
    for (int i = 1; i <= m_playerCount; ++i)
        s.players.push_back(
            {this->name(i), rating(i), estimate(i), withdrawnAfter(i), identity(i)});
    s.tieBreaks = m_tieBreaks;
    s.games = games();
    s.cycles = cycles();
    s.reverseLastRounds = m_reverseLastRounds;
    for (int c = 1; c < cycles(); ++c)
        s.laterCycles.push_back(games(c));
    s.event = m_event;
    return s;
}

} // namespace krugovik
