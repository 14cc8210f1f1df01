#include "ui/table_picture.h"

#include <algorithm>

#include "common/number_text.h"
#include "export/snapshot_results.h"
#include "rating/rating_calc.h"
#include "rounds/berger_schedule.h"
#include "rounds/sitting_out.h"
#include "standings/standings.h"
#include "ui/table_geometry.h"

namespace krugovik {
namespace {

// Where a cell of the mark table stands in a game of the shown round.
constexpr std::uint8_t kFirstNamedSide = 1;
constexpr std::uint8_t kSecondNamedSide = 2;
// The round cycle of a header beyond the rounds of a cycle: a round without games.
constexpr int kNoRoundCycle = -1;

std::size_t rowIndex(int row)
{
    return std::size_t(std::clamp(row, 0, Tournament::kMostPlayers));
}

} // namespace

std::array<Board, 12> PictureChoices::numberedBoards()
{
    std::array<Board, 12> boards{};
    for (int k = 1; k <= TablePicture::kBoards; ++k)
        boards[std::size_t(k)].line = std::to_string(k);
    return boards;
}

TablePicture::TablePicture(Tournament &event) : m_event(&event) {}

std::size_t TablePicture::boardIndex(int board)
{
    return std::size_t(std::clamp(board, 0, kBoards));
}

void TablePicture::setChoices(const PictureChoices &choices)
{
    m_choices = choices;
    m_columnsValid = false;
}

// What the crosstable shows.

std::string TablePicture::text(int row, int column) const
{
    const Tournament &t = *m_event;
    const TableGeometry grid = TableGeometry::of(t);
    if (row < 0 || row >= grid.rowCount() || column < 0 || column >= grid.columnCount())
        return {};
    if (row == 0) {
        // The captions of columns 0 to 4 are the window's words (ui/table_texts).
        if (!grid.isGameColumn(column))
            return {};
        return std::to_string(grid.opponentOf(column));
    }
    switch (column) {
    case 0:
        return std::to_string(row);
    case 1:
        return t.name(row);
    case 2:
        return t.rating(row);
    case 3:
    case 4:
        if (!m_columnsValid || m_columnsRevision != t.revision())
            computeColumns();
        return column == 3 ? m_column3[rowIndex(row)] : m_column4[rowIndex(row)];
    default:
        break;
    }
    const std::optional<GameKey> key = grid.gameAt(row, column);
    return key ? std::string(cellText(t.cell(*key))) : std::string();
}

CellColour TablePicture::colour(int row, int column) const
{
    const Tournament &t = *m_event;
    const TableGeometry grid = TableGeometry::of(t);
    if (row < 1 || row >= grid.rowCount() || column < 2 || column >= grid.columnCount())
        return CellColour::Window;
    if (column == 2)
        return t.estimate(row) ? CellColour::Estimate : CellColour::Window;
    if (!grid.isGameColumn(column))
        return CellColour::Window;
    const std::optional<GameKey> key = grid.gameAt(row, column);
    if (!key)
        return CellColour::Diagonal;
    if (key->cycle != m_choices.roundCycle)
        return CellColour::Window;
    switch (m_choices.marks[std::size_t(key->player)][std::size_t(key->opponent)]) {
    case kFirstNamedSide:
        return CellColour::FirstNamed;
    case kSecondNamedSide:
        return CellColour::SecondNamed;
    default:
        return CellColour::Window;
    }
}

std::string TablePicture::boardCaption(int board) const
{
    if (board < 1 || board > shownBoards())
        return {};
    const Board &b = m_choices.boards[boardIndex(board)];
    return std::string(caption(m_event->cell({m_choices.roundCycle, b.first, b.second})));
}

bool TablePicture::saveEnabled() const
{
    const Tournament &t = *m_event;
    return t.everyRowNamed() || (t.ratingsChecked() && t.everyRowRated());
}

bool TablePicture::writeBackEnabled() const
{
    const Tournament &t = *m_event;
    return t.playerCount() == Tournament::kFewestPlayers ||
           (t.ratingsChecked() && (t.everyRowNamed() || t.everyRowRated()));
}

void TablePicture::computeColumns() const
{
    const Tournament &t = *m_event;
    const int n = t.playerCount();
    const std::vector<GameRecords> &records = t.allGames();
    m_column3.fill({});
    m_column4.fill({});
    // New ratings are shown only while their command would compute them.
    const bool newRatingsShown = ratingColumn() == RatingColumn::NewRatings && !t.ratingMissing();
    const std::vector<NewRating> ratings =
        newRatingsShown ? t.newRatings() : std::vector<NewRating>();
    std::vector<Fixed> points(std::size_t(n) + 1);
    // With a withdrawal the points are the standings' own: forfeits after his round, and
    // FIDE's rule that may void his games.
    // The Berger coefficient likewise, over the games that count.
    std::vector<std::optional<Fixed>> counted(std::size_t(n) + 1);
    if (t.anyWithdrawal()) {
        const std::vector<TieBreakRow> rows = rankByTieBreaks(roundRobinResults(t.snapshot({}, {})),
                                                              {{TieBreakKind::SonnebornBerger}});
        for (const TieBreakRow &r : rows) {
            points[std::size_t(r.player)] = r.points;
            counted[std::size_t(r.player)] = r.values.front();
        }
    } else {
        for (int j = 1; j <= n; ++j)
            points[std::size_t(j)] = playerPoints(records, j, n);
    }
    for (int i = 1; i <= n; ++i) {
        const auto at = rowIndex(i);
        std::string change;
        if (newRatingsShown) {
            m_column3[at] = ratings[std::size_t(i - 1)].cell;
            change = ratings[std::size_t(i - 1)].change;
        } else if (ratingColumn() == RatingColumn::Corrections && t.estimate(i)) {
            const int correction = estimateCorrection(records, i, n);
            m_column3[at] = formatDisplay(readRating(t.rating(i)) + correction);
            change = formatDisplay(std::int64_t(correction));
        }
        switch (m_choices.resultHeader) {
        case ResultHeader::Points:
            m_column4[at] = formatDisplay(points[std::size_t(i)]);
            break;
        case ResultHeader::Berger:
            m_column4[at] =
                formatDisplay(counted[at].value_or(bergerCoefficient(records, i, points)));
            break;
        case ResultHeader::Result:
            m_column4[at] = std::move(change);
            break;
        }
    }
    m_columnsRevision = t.revision();
    m_columnsValid = true;
}

// The event's operations, and what the picture does after each.

void TablePicture::load(std::optional<std::string_view> fileBytes)
{
    m_event->load(fileBytes);
    setChoices({});
}

void TablePicture::load(const FileDescription &file)
{
    m_event->load(file);
    setChoices({});
}

void TablePicture::saved()
{
    m_event->saved();
    showNewRatings();
}

void TablePicture::correctAndRate()
{
    m_event->correctEstimates();
    showNewRatings();
}

void TablePicture::followCheck()
{
    if (m_event->everyRowRated())
        m_choices.correctionHeader = false;
}

void TablePicture::followLayout()
{
    m_choices.correctionHeader = false;
    m_choices.resultHeader = ResultHeader::Result;
    m_choices.marks = {};
    m_choices.shownBoards = 0;
    m_choices.freePlayer = 0;
    m_columnsValid = false;
    // With every rating present the count's change has corrected the estimates.
    if (m_event->everyRowRated())
        showNewRatings();
    else if (ratingColumn() == RatingColumn::Corrections)
        m_event->correctEstimates();
}

void TablePicture::followResults(Step &step)
{
    if (ratingColumn() == RatingColumn::Corrections ||
        (ratingColumn() == RatingColumn::NewRatings && !m_event->ratingMissing())) {
        m_event->correctEstimates();
        m_event->retake(step);
    }
}

void TablePicture::layOutForCount(int value)
{
    m_event->layOutForCount(value);
    followLayout();
}

Step TablePicture::setPlayerCount(int value)
{
    Step step = m_event->setPlayerCount(value);
    if (step.kind != Step::Kind::None) {
        followLayout();
        m_event->retake(step);
    }
    return step;
}

Step TablePicture::setCycles(int count, bool reverseLastRounds)
{
    Step step = m_event->setCycles(count, reverseLastRounds);
    if (step.kind != Step::Kind::None) {
        // The shown round's games may lie elsewhere now: the display starts afresh.
        m_choices.marks = {};
        m_choices.roundCycle = 0;
        m_choices.shownBoards = 0;
        m_choices.freePlayer = 0;
    }
    return step;
}

Step TablePicture::click(int row, int column, const PlayerEntry &editor)
{
    if (row == 0) {
        if (column == 4)
            stepResultHeader();
        if (column >= TableGeometry::kFirstGameColumn)
            showRoundOfColumn(column);
        if (column == 2)
            showCorrections();
        if (column == 3)
            newRatingsCommand();
    } else if (column == 0 && m_event->checkEntry(row, editor).refusal != EntryRefusal::None) {
        return {};
    }
    const TableGeometry grid = TableGeometry::of(*m_event);
    const bool playerRow = row >= 1 && row < grid.rowCount();
    const std::optional<GameKey> key = grid.gameAt(row, column);
    // A row's number takes the editor's player, a game cell its next result; anywhere else
    // the click only checks the rows for ratings. On the diagonal that check is a step.
    Step step = playerRow && column == 0 ? m_event->enterPlayer(row, editor)
                : key                    ? m_event->nextResult(*key)
                                         : m_event->checkRatings();
    followCheck();
    if (playerRow && (column == 0 || grid.isGameColumn(column)))
        followResults(step);
    return step;
}

Step TablePicture::keyResult(int row, int column, GameState state)
{
    const std::optional<GameKey> key = TableGeometry::of(*m_event).gameAt(row, column);
    if (!key)
        return {};
    Step step = m_event->setResult(*key, state);
    if (step.kind == Step::Kind::None)
        return step;
    followCheck();
    followResults(step);
    return step;
}

Step TablePicture::clickResultBox(int board)
{
    if (m_event->ratingMissing() || board < 1 || board > shownBoards())
        return {};
    const Board &b = m_choices.boards[boardIndex(board)];
    // Only a game of the shown round between players of this table takes a result.
    const std::vector<ScheduledGame> games =
        bergerSchedule(m_event->playerCount(), m_event->cycles(), m_event->reverseLastRounds());
    const bool isShownGame = std::any_of(games.begin(), games.end(), [&](const ScheduledGame &g) {
        return g.round == roundNo() && g.firstNamed == b.first && g.secondNamed == b.second;
    });
    if (!isShownGame)
        return {};
    Step step = m_event->stepGame({m_choices.roundCycle, b.first, b.second});
    if (step.kind != Step::Kind::None)
        followResults(step);
    return step;
}

Step TablePicture::withdraw(int row, int afterRound)
{
    Step step = m_event->withdraw(row, afterRound);
    if (step.kind != Step::Kind::None)
        followResults(step);
    return step;
}

Step TablePicture::reinstate(int row)
{
    Step step = m_event->reinstate(row);
    if (step.kind != Step::Kind::None)
        followResults(step);
    return step;
}

Step TablePicture::drawNumbers(const std::vector<int> &order, const DrawRecord &record)
{
    Step step = m_event->drawNumbers(order, record);
    if (step.kind != Step::Kind::None) {
        followCheck();
        followResults(step);
        // The boards name the players by their new numbers.
        fillRoundDisplay();
    }
    return step;
}

// The header commands.

void TablePicture::stepResultHeader()
{
    if (m_choices.resultHeader == ResultHeader::Points)
        showBerger();
    else
        showPoints();
}

void TablePicture::showPoints()
{
    m_choices.resultHeader = ResultHeader::Points;
    m_columnsValid = false;
}

void TablePicture::showBerger()
{
    m_choices.resultHeader = ResultHeader::Berger;
    m_columnsValid = false;
}

void TablePicture::showCorrections()
{
    m_event->correctEstimates();
    m_choices.correctionHeader = true;
    m_choices.resultHeader = ResultHeader::Result;
    m_choices.ratingColumn = RatingColumn::Corrections;
    m_columnsValid = false;
}

void TablePicture::newRatingsCommand()
{
    // Looks at every row: with one rating missing nothing changes.
    if (!m_event->everyRowRated())
        return;
    m_event->correctEstimates();
    showNewRatings();
    m_choices.correctionHeader = false;
}

void TablePicture::showNewRatings()
{
    m_choices.ratingColumn = RatingColumn::NewRatings;
    m_choices.resultHeader = ResultHeader::Result;
    m_columnsValid = false;
}

void TablePicture::showRoundOfColumn(int column)
{
    const TableGeometry grid = TableGeometry::of(*m_event);
    const int round = grid.roundOfHeader(column);
    if (round == 0)
        return;
    // With one cycle a header beyond the rounds shows the empty round of an even count.
    const int rounds = roundCount(grid.players);
    m_choices.roundNo = round;
    m_choices.roundCycle = round <= rounds * grid.cycles ? (round - 1) / rounds : kNoRoundCycle;
    fillRoundDisplay();
}

void TablePicture::fillRoundDisplay()
{
    const Tournament &t = *m_event;
    PictureChoices &shown = m_choices;
    shown.marks = {};
    // Boards keep the players they were last filled with; only their lines start afresh.
    for (int k = 1; k <= kBoards; ++k)
        shown.boards[std::size_t(k)].line = std::to_string(k);
    int count = 0;
    // The schedule lists a round's games by first-named player: the board order.
    const bool scheduled = shown.roundCycle != kNoRoundCycle;
    for (const ScheduledGame &game :
         bergerSchedule(t.playerCount(), t.cycles(), t.reverseLastRounds())) {
        if (game.round != shown.roundNo || !scheduled)
            continue;
        shown.marks[rowIndex(game.firstNamed)][rowIndex(game.secondNamed)] = kFirstNamedSide;
        shown.marks[rowIndex(game.secondNamed)][rowIndex(game.firstNamed)] = kSecondNamedSide;
        if (count == kBoards)
            continue;
        ++count;
        shown.boards[std::size_t(count)] = {game.firstNamed, game.secondNamed,
                                            std::to_string(count) + ' ' + t.name(game.firstNamed) +
                                                " - " + t.name(game.secondNamed)};
    }
    shown.shownBoards = count;
    shown.freePlayer =
        sittingOut(t.playerCount(), scheduled ? tableRound(t.playerCount(), t.cycles(),
                                                           t.reverseLastRounds(), shown.roundNo)
                                              : shown.roundNo);
}

} // namespace krugovik
