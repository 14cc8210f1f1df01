// The rating routines of the tournament window: corrections of initial estimates and
// new ratings, read from and written to the crosstable.
#include "common/number_text.h"
#include "rating/rating_calc.h"
#include "rating/new_ratings.h"
#include "rating/rating_correction.h"
#include "table/cross_table.h"
#include "table/tournament_window.h"

namespace krugovik {
namespace {
QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}
} // namespace

void TournamentWindow::ClickCorrection()
{
    if (GridRow == 0 && GridCol == 2) {
        CorrectEstimates();
        grdTable->setText(0, 3, QStringLiteral("Корр."));
        grdTable->setText(0, 4, QStringLiteral("Результат"));
        for (GridRow = 1; GridRow <= PlayerCount; ++GridRow) {
            const int p = GridRow;
            ShownRating = readRating(grdTable->text(p, 2).toStdString());
            if (CorrectionMark[p] == kEstablishedMark) {
                grdTable->setText(p, 3, QString());
                grdTable->setText(p, 4, QString());
            } else {
                grdTable->setText(p, 3, text(formatDisplay(ShownRating + CorrectionMark[p])));
                grdTable->setText(p, 4, text(formatDisplay(std::int64_t(CorrectionMark[p]))));
            }
        }
    }
    GridCol = grdTable->mouseColumn();
    GridRow = grdTable->mouseRow();
}

void TournamentWindow::CorrectEstimates()
{
    const int n = PlayerCount;
    for (int i = 1; i <= n; ++i) {
        grdTable->setCurrentCell(i, 2);
        if (grdTable->colour(i, 2) != kEstimateColour) {
            CorrectionMark[i] = kEstablishedMark;
            continue;
        }
        RatingCorrection[i] = estimateCorrection(Games, i, n);
        CorrectionMark[i] = RatingCorrection[i];
    }
}

void TournamentWindow::Rating()
{
    const int n = PlayerCount;
    for (GridRow = 1; GridRow <= n; ++GridRow)
        grdTable->setText(GridRow, 3, grdTable->text(GridRow, 2));

    std::vector<int> correction(std::size_t(n) + 1, 0);
    for (int j = 1; j <= n; ++j) {
        if (CorrectionMark[j] != kEstablishedMark)
            correction[std::size_t(j)] = RatingCorrection[j];
    }
    for (GridRow = 1; GridRow <= n; ++GridRow) {
        const int i = GridRow;
        const RatedGames rated = ratedGames(Games, i, n, correction);
        GridCol = n + 1; // where the opponents' loop leaves it
        const QString ratingCell = grdTable->text(i, 2);
        const std::int64_t rating =
            ownRating(readFixed(ratingCell.toStdString()), CorrectionMark[i] != kEstablishedMark,
                      RatingCorrection[i]);
        grdTable->setText(i, 3,
                          text(newRatingCell(newRating(rated, rating), ratingCell.toStdString())));
    }
    for (GridRow = 1; GridRow <= n; ++GridRow) {
        const std::int64_t old = readRating(grdTable->text(GridRow, 2).toStdString());
        const std::int64_t now = readRating(grdTable->text(GridRow, 3).toStdString());
        grdTable->setText(GridRow, 4, text(ratingChangeText(old, now)));
    }
    grdTable->setText(0, 4, QStringLiteral("Результат"));
    grdTable->setCurrentCell(0, 4);
}

} // namespace krugovik
