// The spin's own menu jumps over many counts at once.
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

#include "common/colours.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

class SpinJumpTest : public TournamentTest {
  protected:
    QScrollBar *spin() { return widget<QScrollBar>(QStringLiteral("vscPlayer")); }
    // Opens the spin's right-click menu and clicks the entry named as Qt names `entry`.
    void chooseFromMenu(const char *entry)
    {
        const QString text = QCoreApplication::translate("QScrollBar", entry);
        QTimer::singleShot(0, [text, this] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions()) {
                if (action->text() == text) {
                    m_seen = text;
                    QTest::mouseClick(menu, Qt::LeftButton, {},
                                      menu->actionGeometry(action).center());
                    return;
                }
            }
            menu->close();
        });
        const QPoint centre = spin()->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, centre, spin()->mapToGlobal(centre));
        QApplication::sendEvent(spin(), &event);
    }
    QString m_seen;
};

TEST_F(SpinJumpTest, BottomFromTheMenuLabelsEveryRowAsSingleStepsWould)
{
    openTournament();
    chooseFromMenu("Bottom");
    EXPECT_EQ(m_seen, QStringLiteral("Вниз")); // the menu speaks Russian too
    ASSERT_EQ(spin()->value(), 22);
    ASSERT_EQ(grid()->rows(), 23);
    for (int k = 1; k <= 22; ++k) {
        EXPECT_EQ(cell(0, k + 4), QString::number(k)) << k;
        EXPECT_EQ(cell(k, 0), QString::number(k)) << k;
        EXPECT_EQ(cellColour(k, k + 4), kGreyCell) << k;
        EXPECT_DOUBLE_EQ(grid()->columnWidthTwips(k + 4), 400) << k;
        EXPECT_EQ(cellColour(k, k == 1 ? 6 : 5), krugovik::toQColor(krugovik::kWindowBackground));
    }
    // And back to the top: three players again.
    chooseFromMenu("Top");
    EXPECT_EQ(grid()->rows(), 4);
}

} // namespace
