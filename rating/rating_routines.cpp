// The rating routines of the tournament window: corrections of initial estimates and
// new ratings, read from and written to the crosstable.
#include "common/number_text.h"
#include "rating/new_ratings.h"
#include "rating/rating_calc.h"
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
        showCorrections(true);
    }
    GridCol = grdTable->mouseColumn();
    GridRow = grdTable->mouseRow();
}

void TournamentWindow::showCorrections(bool withColumn4)
{
    m_ratingColumns = RatingColumns::Corrections;
    for (GridRow = 1; GridRow <= PlayerCount; ++GridRow) {
        const int p = GridRow;
        ShownRating = readRating(grdTable->text(p, 2).toStdString());
        const bool established = CorrectionMark[p] == kEstablishedMark;
        grdTable->setText(
            p, 3, established ? QString() : text(formatDisplay(ShownRating + CorrectionMark[p])));
        if (withColumn4)
            grdTable->setText(p, 4,
                              established ? QString()
                                          : text(formatDisplay(std::int64_t(CorrectionMark[p]))));
    }
}

void TournamentWindow::RefreshShownColumns()
{
    // The routines below use these as loop counters; the caller's cell stays its own.
    const int row = GridRow;
    const int column = GridCol;
    const QString header3 = grdTable->text(0, 3);
    const QString header4 = grdTable->text(0, 4);
    // Column 4 follows column 3 unless it shows points or Berger coefficients.
    const bool withColumn4 = header4 == QStringLiteral("Результат");
    switch (m_ratingColumns) {
    case RatingColumns::Nothing:
        break;
    case RatingColumns::NewRatings:
        if (MissingRatingNote.isEmpty()) {
            CorrectEstimates();
            Rating();
            break;
        }
        // The command would refuse now: no new ratings rather than old ones.
        for (int r = 1; r <= PlayerCount; ++r) {
            grdTable->setText(r, 3, QString());
            if (withColumn4)
                grdTable->setText(r, 4, QString());
        }
        break;
    case RatingColumns::Corrections:
        CorrectEstimates();
        showCorrections(withColumn4);
        break;
    }
    if (header4 == QStringLiteral("Очков"))
        Score();
    else if (header4 == QStringLiteral("Бергер"))
        Berger();
    grdTable->setText(0, 3, header3);
    grdTable->setText(0, 4, header4);
    GridRow = row;
    GridCol = column;
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
    m_ratingColumns = RatingColumns::NewRatings;
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
