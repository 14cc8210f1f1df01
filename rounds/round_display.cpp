// The round display: the games of the selected round marked in the crosstable, listed
// as boards with result boxes, and results entered on those boxes.
#include <algorithm>

#include "common/clickable_label.h"
#include "common/number_text.h"
#include "rating/game_notation.h"
#include "rounds/berger_schedule.h"
#include "table/cross_table.h"
#include "table/tournament_window.h"

namespace krugovik {
namespace {

int playerNumber(const ClickableLabel *label)
{
    return int(std::clamp<std::int64_t>(readInteger(label->tag().toStdString()), -1, 1000));
}

} // namespace

void TournamentWindow::ClickParing()
{
    if (GridRow != 0 || GridCol < 5)
        return;
    RoundNo = GridCol - 4;
    Paring();
}

void TournamentWindow::Paring()
{
    const int n = PlayerCount;
    for (const ScheduledGame &game : bergerSchedule(n))
        PairingTable[game.firstNamed][game.secondNamed] = game.round;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (j != i)
                grdTable->setColour(i, j + 4, kWindowBackground);
        }
    }
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (PairingTable[i][j] != 0)
                PairingTable[j][i] = -PairingTable[i][j];
        }
    }
    bool roundHasGame = false;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (PairingTable[i][j] == RoundNo) {
                grdTable->setColour(i, j + 4, kFirstNamedMark);
                roundHasGame = true;
            } else if (PairingTable[i][j] == -RoundNo) {
                grdTable->setColour(i, j + 4, kSecondNamedMark);
            }
        }
    }
    grdTable->setColour(n, n + 4, kDiagonalGrey);
    InputParing();
    ShowFreePlayer();
    // A round without a game shows no boards, rather than those of the round before.
    if (!roundHasGame) {
        for (int k = 1; k <= kBoards; ++k) {
            lblParing[k]->hide();
            lblRezult[k]->hide();
        }
    }
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (grdTable->colour(i, j + 4) != kFirstNamedMark)
                continue;
            for (int k = 1; k <= kBoards; ++k) {
                const int first = playerNumber(lblParing[k]);
                const int second = playerNumber(lblRezult[k]);
                if (!((first == i && second == j) || (first == j && second == i)))
                    continue;
                if (const auto state = stateFromCellText(grdTable->text(i, j + 4).toStdString()))
                    lblRezult[k]->setText(QString::fromUtf8(caption(*state)));
            }
        }
    }
    for (auto &row : PairingTable)
        row.fill(0);
    FitBoardLines();
}

void TournamentWindow::InputParing()
{
    for (int k = 1; k <= kBoards; ++k)
        lblParing[k]->setText(QString::number(k));
    lblParing[0]->setText(QStringLiteral("Жеребьёвка ") +
                          QString::fromStdString(formatDisplay(std::int64_t(RoundNo))) +
                          QStringLiteral(" тур."));
    int count = 0;
    for (int i = 1; i <= PlayerCount; ++i) {
        for (int j = 1; j <= PlayerCount; ++j) {
            if (PairingTable[i][j] != RoundNo || count == kBoards)
                continue;
            ++count;
            lblParing[count]->show();
            lblRezult[count]->show();
            lblParing[count]->setText(lblParing[count]->text() + QLatin1Char(' ') +
                                      grdTable->text(i, 1) + QStringLiteral(" - ") +
                                      grdTable->text(j, 1));
            lblParing[count]->setTag(QString::number(i));
            lblRezult[count]->setTag(QString::number(j));
        }
    }
}

void TournamentWindow::lblRezult_Click(int Index)
{
    if (!MissingRatingNote.isEmpty() || Index < 1 || Index > kBoards)
        return;
    const int f = playerNumber(lblParing[Index]);
    const int s = playerNumber(lblRezult[Index]);
    // Only a game of the shown round, between players of this table, takes a result.
    const std::vector<ScheduledGame> schedule = bergerSchedule(PlayerCount);
    const bool isShownGame =
        std::any_of(schedule.begin(), schedule.end(), [&](const ScheduledGame &g) {
            return g.round == RoundNo && g.firstNamed == f && g.secondNamed == s;
        });
    if (!isShownGame)
        return;
    GridRow = f;
    GridCol = s + 4;
    grdTable->setCurrentCell(f, s + 4);
    const std::optional<GameState> now = stateFromCaption(lblRezult[Index]->text().toStdString());
    if (!now)
        return;
    const GameState next = nextInCycle(*now);
    lblRezult[Index]->setText(QString::fromUtf8(caption(next)));
    grdTable->setText(f, s + 4, QString::fromUtf8(cellText(next)));
    CellText = grdTable->text(f, s + 4);
    GridCol = s;
    ArrayGames();
    GridCol = s + 4;
    grdTable->setText(s, f + 4, QString::fromUtf8(cellText(mirrored(next))));
    RefreshShownColumns();
    grdTable->setCurrentCell(s, f + 4);
}

} // namespace krugovik
