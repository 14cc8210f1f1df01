// «Своя» in dlgTieBreaks offers every round-robin tie-break with its code, and what the
// director adds comes back as that tie-break.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/tie_breaks_dialog.h"

using namespace krugovik;

namespace {

struct Offered {
    const char *code;
    const char *title;
};

// Written out by hand: the names the director reads.
const Offered kOffered[] = {{"DE", "Личная встреча (DE)"},
                            {"WIN", "Победы (WIN)"},
                            {"WON", "Победы в партиях (WON)"},
                            {"BPG", "Партии чёрными (BPG)"},
                            {"BWG", "Победы чёрными (BWG)"},
                            {"REP", "Сыгранные туры (REP)"},
                            {"STD", "Стандартные очки (STD)"},
                            {"SB", "Зоннеборн-Бергер (SB)"},
                            {"SB/C1", "Зоннеборн-Бергер (SB/C1)"},
                            {"SB/C2", "Зоннеборн-Бергер (SB/C2)"},
                            {"KS", "Койя (KS)"},
                            {"KS/L1", "Койя (KS/L1)"},
                            {"KS/L2", "Койя (KS/L2)"},
                            {"KS/L-1", "Койя (KS/L-1)"},
                            {"KS/L-2", "Койя (KS/L-2)"},
                            {"ARO", "Средний рейтинг соперников (ARO)"},
                            {"TPR", "Турнирный перфоманс (TPR)"},
                            {"RTNG", "Свой рейтинг (RTNG)"},
                            {"RTNG/R", "Свой рейтинг (RTNG/R)"},
                            {"TPN", "Стартовый номер (TPN)"},
                            {"TPN/R", "Стартовый номер (TPN/R)"}};

TEST(TieBreaksDialog, OffersEveryRoundRobinTieBreakWithItsCode)
{
    TieBreaksDialog dialog({{TieBreakKind::Wins}});
    auto *choice = dialog.findChild<QComboBox *>(QStringLiteral("cmbTieBreakChoice"));
    ASSERT_TRUE(choice);
    for (const Offered &o : kOffered) {
        const int index = choice->findText(QString::fromUtf8(o.title));
        EXPECT_GE(index, 0) << o.title;
        if (index >= 0) {
            EXPECT_EQ(choice->itemData(index).toString().toStdString(), o.code);
        }
    }
}

TEST(TieBreaksDialog, AddedChoicesComeBackInOrder)
{
    TieBreaksDialog dialog({{TieBreakKind::Wins}});
    auto *choice = dialog.findChild<QComboBox *>(QStringLiteral("cmbTieBreakChoice"));
    auto *add = dialog.findChild<QPushButton *>(QStringLiteral("cmdTieBreakAdd"));
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("lstTieBreaks"));
    ASSERT_TRUE(choice && add && list);
    for (const char *title :
         {"Стартовый номер (TPN/R)", "Зоннеборн-Бергер (SB/C2)", "Койя (KS/L1)"}) {
        choice->setCurrentIndex(choice->findText(QString::fromUtf8(title)));
        QTest::mouseClick(add, Qt::LeftButton);
    }
    std::string codes;
    for (const TieBreak &tb : dialog.tieBreaks())
        codes += fideCode(tb) + ' ';
    EXPECT_EQ(codes, "WIN TPN/R SB/C2 KS/L+1 ");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("Койя (KS/L1)"));
}

// The lots get a seed of their own when added; the unrated choice reaches every rating
// tie-break of the list and comes back when the dialog opens again.
TEST(TieBreaksDialog, LotsGetASeedAndTheUnratedChoiceIsKept)
{
    std::vector<TieBreak> chosen;
    {
        TieBreaksDialog dialog({{TieBreakKind::AverageOpponentRating}});
        auto *choice = dialog.findChild<QComboBox *>(QStringLiteral("cmbTieBreakChoice"));
        auto *add = dialog.findChild<QPushButton *>(QStringLiteral("cmdTieBreakAdd"));
        auto *unrated = dialog.findChild<QComboBox *>(QStringLiteral("cmbUnrated"));
        auto *rating = dialog.findChild<QSpinBox *>(QStringLiteral("spnUnratedRating"));
        ASSERT_TRUE(choice && add && unrated && rating);
        EXPECT_EQ(unrated->currentIndex(), 0);
        EXPECT_FALSE(rating->isEnabled());
        for (const char *title : {"Свой рейтинг (RTNG)", "Жребий (LOT)"}) {
            choice->setCurrentIndex(choice->findText(QString::fromUtf8(title)));
            QTest::mouseClick(add, Qt::LeftButton);
        }
        unrated->setCurrentIndex(1);
        EXPECT_TRUE(rating->isEnabled());
        rating->setValue(1250);
        chosen = dialog.tieBreaks();
    }
    ASSERT_EQ(chosen.size(), 3u);
    EXPECT_EQ(fideCode(chosen[0]), "ARO/U1250");
    EXPECT_EQ(fideCode(chosen[1]), "RTNG/U1250");
    EXPECT_EQ(chosen[2].kind, TieBreakKind::Lot);
    // The seed is kept as it is: written and read back, the same lots.
    EXPECT_EQ(tieBreakFromCode(fideCode(chosen[2])), chosen[2]);

    TieBreaksDialog again(chosen);
    EXPECT_EQ(again.findChild<QComboBox *>(QStringLiteral("cmbUnrated"))->currentIndex(), 1);
    EXPECT_EQ(again.findChild<QSpinBox *>(QStringLiteral("spnUnratedRating"))->value(), 1250);
    EXPECT_EQ(again.tieBreaks(), chosen);
}

// The list each preset shows, and what «Своя» starts from: the list in force.
QStringList shown(TieBreaksDialog &dialog)
{
    QStringList titles;
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("lstTieBreaks"));
    for (int row = 0; row < list->count(); ++row)
        titles << list->item(row)->text();
    return titles;
}

TEST(TieBreaksDialog, ThePresetInForceIsShownAndCustomStartsFromIt)
{
    enum { Classic, Fide, Custom };
    const QStringList classicTitles = {QStringLiteral("Зоннеборн-Бергер (SB)"),
                                       QStringLiteral("Личная встреча (DE)"),
                                       QStringLiteral("Победы (WIN)")};
    const QStringList fideTitles = {
        QStringLiteral("Личная встреча (DE)"), QStringLiteral("Победы (WIN)"),
        QStringLiteral("Зоннеборн-Бергер (SB)"), QStringLiteral("Койя (KS)")};
    const struct {
        std::vector<TieBreak> current;
        int preset;
        QStringList custom;
    } cases[] = {
        {{}, Classic, classicTitles},
        // The default order spelt out, as a TRF's 202 «SB DE WIN» brings it.
        {classicTieBreaks(), Classic, classicTitles},
        {fideRoundRobinTieBreaks(), Fide, fideTitles},
        {{{TieBreakKind::Wins}}, Custom, {QStringLiteral("Победы (WIN)")}},
    };
    for (const auto &c : cases) {
        TieBreaksDialog dialog(c.current);
        auto *preset = dialog.findChild<QComboBox *>(QStringLiteral("cmbTieBreakPreset"));
        EXPECT_EQ(preset->currentIndex(), c.preset) << c.current.size();
        // OK unchanged gives the rules back as they came.
        EXPECT_EQ(dialog.tieBreaks(), c.current);
        preset->setCurrentIndex(Custom);
        EXPECT_EQ(shown(dialog), c.custom) << c.current.size();
        // Unchanged, «Своя» is still the same rules.
        EXPECT_EQ(dialog.tieBreaks(), c.current);
    }
}

} // namespace
