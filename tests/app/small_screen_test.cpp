#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "support/test_helpers.h"
#include "ui/cross_table.h"

using namespace testing_support;

namespace {

struct Screen {
    QSize mainWindow;
    int players;
    bool scrolls;
};

class SmallScreenTest : public TournamentTest, public ::testing::WithParamInterface<Screen> {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        openTournament();
        setPlayerCount(GetParam().players);
        clickCell(grid(), 0, 5); // round 1 on show: its boards and result boxes
        // The test screen is small, so the window opened maximised: a screen of the size
        // wanted is stood in for by the normal window at that size.
        mainWindow()->showNormal();
        mainWindow()->resize(GetParam().mainWindow);
        QCoreApplication::processEvents();
        area = mainWindow()->findChild<QMdiArea *>();
        ASSERT_NE(area, nullptr);
    }
    // The part of a widget the director sees: clipped by every ancestor up to the area.
    QRect seen(QWidget *w) const
    {
        QRect r(w->mapTo(area, QPoint()), w->size());
        for (QWidget *p = w->parentWidget(); p && p != area; p = p->parentWidget())
            r &= QRect(p->mapTo(area, QPoint()), p->size());
        return r & area->rect();
    }
    QMdiArea *area = nullptr;
};

TEST_P(SmallScreenTest, EveryNamedControlCanBeScrolledIntoView)
{
    QList<QWidget *> named = tournament()->findChildren<QWidget *>();
    named.prepend(tournament());
    int checked = 0;
    for (QWidget *w : named) {
        if (w->objectName().isEmpty() || w->isWindow() || !w->isVisibleTo(mainWindow()))
            continue;
        QScrollArea *holder = nullptr;
        for (QWidget *p = w->parentWidget(); p && !holder; p = p->parentWidget()) {
            auto *area = qobject_cast<QScrollArea *>(p);
            if (area && area->widget() && area->widget()->isAncestorOf(w))
                holder = area;
        }
        if (holder) {
            holder->ensureWidgetVisible(w);
            // A line edit brings only its cursor into view: the whole box as well, and
            // a control wider than the view from its left edge.
            const QRect onPage(w->mapTo(holder->widget(), QPoint()), w->size());
            holder->ensureVisible(onPage.center().x(), onPage.center().y(), w->width() / 2 + 1,
                                  w->height() / 2 + 1);
            if (w->width() > holder->viewport()->width())
                holder->horizontalScrollBar()->setValue(onPage.left());
            if (w->height() > holder->viewport()->height())
                holder->verticalScrollBar()->setValue(onPage.top());
            QCoreApplication::processEvents();
        }
        // Whole, or as much of it as the area can hold.
        const QSize whole = w->size().boundedTo(holder ? holder->viewport()->size() : area->size());
        EXPECT_EQ(seen(w).size(), whole) << w->objectName().toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 30);
    auto *scroll = tournament()->findChild<QScrollArea *>();
    ASSERT_NE(scroll, nullptr);
    const bool scrolls =
        scroll->horizontalScrollBar()->isVisible() || scroll->verticalScrollBar()->isVisible();
    EXPECT_EQ(scrolls, GetParam().scrolls);
    // A large screen shows the window exactly as the design draws it.
    if (!GetParam().scrolls) {
        EXPECT_EQ(tournament()->size(), tournament()->sizeHint());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, SmallScreenTest,
    ::testing::Values(Screen{{1024, 600}, 8, true}, Screen{{1024, 600}, 22, true},
                      Screen{{800, 600}, 8, true}, Screen{{800, 600}, 22, true},
                      Screen{{1366, 768}, 22, false}, Screen{{1920, 1080}, 8, false}));

} // namespace
