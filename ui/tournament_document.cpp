#include "ui/tournament_document.h"

#include <QUndoStack>

#include "ui/table_step.h"

namespace krugovik {
namespace {

// Steps kept for taking back.
constexpr int kHistorySteps = 200;

} // namespace

TournamentDocument::TournamentDocument(QObject *parent)
    : QObject(parent), m_history(new QUndoStack(this))
{
    m_history->setObjectName(QStringLiteral("undoStack"));
    m_history->setUndoLimit(kHistorySteps);
}

void TournamentDocument::load(const std::optional<FileDescription> &file)
{
    m_history->clear();
    m_shownAround.clear();
    if (file)
        m_picture.load(*file);
    else
        m_picture.load(std::nullopt);
    emit changed({true, {}, true, false});
}

void TournamentDocument::saved()
{
    apply([](TablePicture &p) { p.saved(); }, false);
}

void TournamentDocument::changePlayerCount(int value)
{
    if (value < Tournament::kFewestPlayers || value > Tournament::kMostPlayers) {
        // No size changes; the table's flags are worked out again, as for any count.
        apply([&](TablePicture &p) { p.layOutForCount(value); }, false);
        return;
    }
    pushStep(tr("число игроков %1").arg(value),
             [&](TablePicture &p) { return p.setPlayerCount(value); });
}

QString TournamentDocument::gameText(int row, int column) const
{
    const std::optional<GameKey> key = grid().gameAt(row, column);
    if (!key || m_tournament.cycles() == 1)
        return tr("результат партии %1-%2").arg(row).arg(column - 4);
    return tr("результат партии %1-%2 (цикл %3)")
        .arg(key->player)
        .arg(key->opponent)
        .arg(key->cycle + 1);
}

void TournamentDocument::setCycles(int count, bool reverseLastRounds)
{
    const QString text = count != m_tournament.cycles() ? tr("число циклов %1").arg(count)
                                                        : tr("порядок двух последних туров");
    pushStep(text, [&](TablePicture &p) { return p.setCycles(count, reverseLastRounds); });
}

void TournamentDocument::click(int row, int column, const PlayerEntry &editor)
{
    const auto operation = [&](TablePicture &p) { return p.click(row, column, editor); };
    if (row >= 1 && column == 0)
        pushStep(tr("ввод игрока в строку %1").arg(row), operation);
    else if (row >= 1 && column >= TableGeometry::kFirstGameColumn)
        pushStep(gameText(row, column), operation);
    else
        apply([&](TablePicture &p) { p.click(row, column, editor); }, false);
}

void TournamentDocument::key(int row, int column, GameState state)
{
    pushStep(gameText(row, column),
             [&](TablePicture &p) { return p.keyResult(row, column, state); });
}

void TournamentDocument::clickResultBox(int board)
{
    pushStep(tr("результат на доске %1").arg(board),
             [&](TablePicture &p) { return p.clickResultBox(board); });
}

void TournamentDocument::setTieBreaks(const std::vector<TieBreak> &tieBreaks)
{
    pushStep(tr("правила распределения мест"),
             [&](TablePicture &) { return m_tournament.setTieBreaks(tieBreaks); });
}

void TournamentDocument::setEvent(const EventDetails &details)
{
    pushStep(tr("сведения о турнире"),
             [&](TablePicture &) { return m_tournament.setEvent(details); });
}

void TournamentDocument::withdraw(int row, int afterRound)
{
    pushStep(tr("выбытие игрока %1").arg(row),
             [&](TablePicture &p) { return p.withdraw(row, afterRound); });
}

void TournamentDocument::reinstate(int row)
{
    pushStep(tr("возвращение игрока %1").arg(row),
             [&](TablePicture &p) { return p.reinstate(row); });
}

void TournamentDocument::drawNumbers(const std::vector<int> &order, const DrawRecord &record)
{
    pushStep(tr("жеребьёвку номеров"),
             [&](TablePicture &p) { return p.drawNumbers(order, record); });
}

void TournamentDocument::correctAndRate()
{
    apply([](TablePicture &p) { p.correctAndRate(); }, false);
}

void TournamentDocument::undoStep(const Step &step)
{
    // The history is still at the step while it is taken back.
    const std::size_t at = std::size_t(m_history->index() - 1);
    restore(step, step.before,
            at < m_shownAround.size() ? m_shownAround[at].before : PictureChoices{});
}

void TournamentDocument::redoStep(const Step &step)
{
    const std::size_t at = std::size_t(m_history->index());
    restore(step, step.after,
            at < m_shownAround.size() ? m_shownAround[at].after : PictureChoices{});
}

void TournamentDocument::restore(const Step &step, const StepValues &values,
                                 const PictureChoices &choices)
{
    const int columns = grid().columnCount();
    m_tournament.restore(step, values);
    // What the header commands showed at the step comes back with it.
    m_picture.setChoices(choices);
    const TableGeometry now = grid();
    emit changed({now.columnCount() != columns,
                  {QRect(0, 0, now.columnCount(), now.rowCount())},
                  true,
                  true});
}

void TournamentDocument::apply(const std::function<void(TablePicture &)> &operation, bool content)
{
    operation(m_picture);
    const TableGeometry now = grid();
    emit changed({false, {QRect(0, 0, now.columnCount(), now.rowCount())}, true, content});
}

void TournamentDocument::pushStep(const QString &text,
                                  const std::function<Step(TablePicture &)> &operation)
{
    const PictureChoices before = m_picture.choices();
    Step step = operation(m_picture);
    if (!step.changed())
        return;
    // Pushing drops the steps that could have been brought back, and the oldest beyond
    // the history's limit.
    m_shownAround.resize(std::size_t(m_history->index()));
    m_shownAround.push_back({before, m_picture.choices()});
    m_history->push(new TableStep(this, text, step));
    while (m_shownAround.size() > std::size_t(m_history->count()))
        m_shownAround.pop_front();
    emit changed(changeOf(step));
}

TableChange TournamentDocument::changeOf(const Step &step) const
{
    const Tournament &t = m_tournament;
    const TableGeometry now = grid();
    TableChange change;
    change.content = true;
    // Columns 3 and 4 follow every change, and the refresh may set column 3's header.
    change.cells << QRect(3, 0, 2, now.rowCount());
    if (step.kind == Step::Kind::Game) {
        change.cells << QRect(now.columnOf(step.game), step.game.player, 1, 1)
                     << QRect(now.columnOf(step.game.mirror()), step.game.opponent, 1, 1);
        change.rounds = m_picture.shownBoards() > 0;
        // A result may decide whether a withdrawn player's games count at all.
        for (int p = 1; p <= t.playerCount(); ++p) {
            if (t.withdrawnAfter(p) > 0) {
                change.cells << QRect(0, 0, now.columnCount(), now.rowCount());
                break;
            }
        }
    } else if (step.kind == Step::Kind::Entry) {
        change.cells << QRect(1, step.row, 2, 1);
    } else if (step.kind == Step::Kind::Cycles || step.kind == Step::Kind::Whole) {
        change.layout = true;
        change.rounds = true;
    }
    return change;
}

} // namespace krugovik
