// «Своя» in dlgTieBreaks offers every round-robin tie-break with its code, and what the
// director adds comes back as that tie-break.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
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
        if (index >= 0)
            EXPECT_EQ(choice->itemData(index).toString().toStdString(), o.code);
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
    EXPECT_EQ(codes, "WIN TPN/R SB/C2 KS/L1 ");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("Койя (KS/L1)"));
}

} // namespace
