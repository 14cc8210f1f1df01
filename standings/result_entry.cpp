// Results entered in the crosstable, and the points or Berger coefficients of column 4.
#include "common/number_text.h"
#include "rating/game_notation.h"
#include "standings/standings.h"
#include "table/cross_table.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::ClickGames()
{
    if (MissingRatingNote == kNoRatingNote)
        return;
    if (GridRow < 1 || GridCol < 5 || GridCol == GridRow + 4)
        return;
    const std::optional<GameState> now =
        stateFromCellText(grdTable->text(GridRow, GridCol).toStdString());
    if (!now)
        return;
    SetGame(nextInCycle(*now));
}

void TournamentWindow::SetGame(GameState state)
{
    const int i = GridRow;
    const int k = GridCol;
    const int j = k - 4;
    grdTable->setText(i, k, QString::fromUtf8(cellText(state)));
    CellText = grdTable->text(i, k);
    GridCol = j;
    ArrayGames();
    GridCol = k;
    grdTable->setText(j, i + 4, QString::fromUtf8(cellText(mirrored(state))));
}

void TournamentWindow::ClickResult()
{
    if (GridRow != 0 || GridCol != 4)
        return;
    const QString header = grdTable->text(0, 4);
    if (header == QStringLiteral("Бергер") || header == QStringLiteral("Результат"))
        Score();
    else
        Berger();
}

void TournamentWindow::Score()
{
    for (int i = 1; i <= PlayerCount; ++i)
        grdTable->setText(
            i, 4, QString::fromStdString(formatDisplay(playerPoints(Games, i, PlayerCount))));
    grdTable->setText(0, 4, QStringLiteral("Очков"));
}

void TournamentWindow::Berger()
{
    // The points from the games: column 4 may show something else by now.
    std::vector<Fixed> points(PlayerCount + 1);
    for (int j = 1; j <= PlayerCount; ++j)
        points[j] = playerPoints(Games, j, PlayerCount);
    for (int i = 1; i <= PlayerCount; ++i)
        grdTable->setText(
            i, 4, QString::fromStdString(formatDisplay(bergerCoefficient(Games, i, points))));
    grdTable->setText(0, 4, QStringLiteral("Бергер"));
}

} // namespace krugovik
