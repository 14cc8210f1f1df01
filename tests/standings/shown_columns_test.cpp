// Columns 3 and 4 follow every change of a result or a player at once.
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

// What the header clicks made columns 3 and 4 show.
enum class Shown { NewRatings, NewRatingsAndPoints, Berger, Corrections };
// How the director enters the result of Dmitriev (row 4) against Antonov (row 1).
enum class Entry { Click, Key, ResultBox };

// Antonov beat Borisov and drew Vasiliev; Vasiliev beat Dmitriev, an estimate player.
QByteArray fourPlayers()
{
    return lines({" 4 ",     "Antonov", " 1 ",    "1500",   " 1000 ", "1", "0.5",      "",
                  "Borisov", " 2 ",     "1600",   " 1000 ", "0",      "",  "",         "Vasiliev",
                  " 3 ",     "1700",    " 1000 ", "0.5",    "",       "1", "Dmitriev", " 4 ",
                  "1400",    " 0 ",     "",       "",       "0"});
}

class ShownColumnsTest : public TournamentTest,
                         public ::testing::WithParamInterface<std::tuple<Shown, Entry>> {
  protected:
    // Headers and columns 3 and 4 of every row.
    QStringList columns()
    {
        QStringList texts;
        for (int r = 0; r <= grid()->rows() - 1; ++r)
            texts << cell(r, 3) << cell(r, 4);
        return texts;
    }
    // The header clicks that make the columns show what `shown` names, from any state.
    void ask(Shown shown)
    {
        switch (shown) {
        case Shown::NewRatings:
            clickCell(grid(), 0, 3);
            break;
        case Shown::NewRatingsAndPoints:
            clickCell(grid(), 0, 3);
            clickCell(grid(), 0, 4);
            break;
        case Shown::Berger:
            // Points, then Berger; from Berger the same two clicks come back to it.
            clickCell(grid(), 0, 4);
            clickCell(grid(), 0, 4);
            break;
        case Shown::Corrections:
            clickCell(grid(), 0, 2);
            break;
        }
    }
};

TEST_P(ShownColumnsTest, AResultIsCountedAtOnce)
{
    const auto [shown, entry] = GetParam();
    openTournament(fourPlayers());
    clickCell(grid(), 0, 5); // round 1: Antonov against Dmitriev is on a board
    ask(shown);
    const QStringList before = columns();
    switch (entry) {
    case Entry::Click:
        clickCell(grid(), 4, 1 + 4);
        break;
    case Entry::Key:
        grid()->setFocus();
        grid()->setCurrentIndex(grid()->model()->index(4, 1 + 4));
        QTest::keyClick(grid(), '1');
        break;
    case Entry::ResultBox:
        for (int k = 1; k <= 11; ++k) {
            if (widget<QLabel>(QStringLiteral("lblParing_%1").arg(k))->text().contains("Dmitriev"))
                click(widget(QStringLiteral("lblRezult_%1").arg(k)));
        }
        break;
    }
    ASSERT_FALSE(cell(4, 5).isEmpty());
    const QStringList after = columns();
    EXPECT_NE(after, before);
    ask(shown);
    EXPECT_EQ(after, columns()) << "the columns were not those the header computes";
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<Shown, Entry>> &info)
{
    static const char *const shown[] = {"NewRatings", "NewRatingsAndPoints", "Berger",
                                        "Corrections"};
    static const char *const entry[] = {"Click", "Key", "ResultBox"};
    return std::string(shown[int(std::get<0>(info.param))]) + entry[int(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(
    ShownByEntry, ShownColumnsTest,
    ::testing::Combine(::testing::Values(Shown::NewRatings, Shown::NewRatingsAndPoints,
                                         Shown::Berger, Shown::Corrections),
                       ::testing::Values(Entry::Click, Entry::Key, Entry::ResultBox)),
    caseName);

TEST_F(ShownColumnsTest, BergerCountsThePointsOfTheGamesNotThoseShown)
{
    openTournament(fourPlayers());
    clickCell(grid(), 0, 4);              // points 1.5, 0, 1.5, 0
    setResult(2, 4, QStringLiteral("0")); // Borisov loses to Dmitriev: both stay as they were
    setResult(3, 4, QStringLiteral("-")); // Vasiliev's win over Dmitriev becomes Dmitriev's
    EXPECT_EQ(cell(3, 4), QStringLiteral(" .5"));
    EXPECT_EQ(cell(4, 4), QStringLiteral(" 2"));
    setResult(2, 1, QStringLiteral("1")); // Borisov now beat Antonov, who has .5
    clickCell(grid(), 0, 4);
    EXPECT_EQ(cell(0, 4), QStringLiteral("Бергер"));
    // Dmitriev: Borisov's 1 + Vasiliev's .5; Borisov: Antonov's .5.
    EXPECT_EQ(cell(4, 4), QStringLiteral(" 1.5"));
    EXPECT_EQ(cell(2, 4), QStringLiteral(" .5"));
}

TEST_F(ShownColumnsTest, NewRatingsGoWhileAPlayerLacksOneAndComeBack)
{
    writeBase({{"Antonov", "1500", ' '}, {"Egorov", "1450", ' '}});
    openTournament(fourPlayers());
    clickCell(grid(), 0, 3);
    setPlayerCount(5);
    EXPECT_EQ(cell(1, 3), QString()) << "new ratings of four players left beside an empty row";
    clickCell(grid(), 1, 0); // Antonov entered again while row 5 is empty
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(cell(r, 3), QString()) << r;
        EXPECT_EQ(cell(r, 4), QString()) << r;
    }
    EXPECT_EQ(cell(0, 4), QStringLiteral("Результат"));
    click(widget(QStringLiteral("cmdNext")));
    clickCell(grid(), 5, 0); // Egorov completes the table
    const QStringList shown = columns();
    EXPECT_EQ(cell(5, 3), QStringLiteral("1450"));
    clickCell(grid(), 0, 3);
    EXPECT_EQ(shown, columns());
}

} // namespace
