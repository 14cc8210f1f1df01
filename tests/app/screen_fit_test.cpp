// Where the main window opens on screens of every size.
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

#include "app/screen_fit.h"
#include "support/test_helpers.h"

using namespace krugovik;
using namespace testing_support;

namespace {

struct Placement {
    const char *screen;
    QRect available;
    QPoint at;
    QRect expected;
    bool maximised;
};

TEST(ScreenFit, TheWindowOpensInsideTheAvailableArea)
{
    const QSize natural(1024, 720);
    const Placement cases[] = {
        {"800 × 600", {0, 0, 800, 600}, {0, 0}, {0, 0, 800, 600}, true},
        {"1024 × 600", {0, 0, 1024, 600}, {0, 0}, {0, 0, 1024, 600}, true},
        {"1024 × 768 with a panel of 50 at the top",
         {0, 50, 1024, 718},
         {0, 0},
         {0, 50, 1024, 718},
         true},
        {"1366 × 768", {0, 0, 1366, 768}, {0, 0}, {0, 0, 1024, 720}, false},
        {"1366 × 768, asked for beyond its right edge",
         {0, 0, 1366, 768},
         {600, 200},
         {342, 48, 1024, 720},
         false},
        {"1920 × 1080 with a panel of 40 at the left",
         {40, 0, 1880, 1080},
         {0, 0},
         {40, 0, 1024, 720},
         false},
        {"a second screen to the right",
         {1920, 0, 1280, 1024},
         {100, 100},
         {1920, 100, 1024, 720},
         false},
    };
    for (const Placement &c : cases) {
        const ScreenFit fit = fitOnScreen(c.available, natural, c.at);
        EXPECT_EQ(fit.geometry, c.expected) << c.screen;
        EXPECT_EQ(fit.maximised, c.maximised) << c.screen;
        EXPECT_TRUE(c.available.contains(fit.geometry)) << c.screen;
    }
}

class ScreenFitWindow : public TournamentTest {};

TEST_F(ScreenFitWindow, TheMainWindowOpensOnItsScreen)
{
    start();
    const QRect available = mainWindow()->screen()->availableGeometry();
    const bool small = available.width() < MainWindow::kNaturalSize.width() ||
                       available.height() < MainWindow::kNaturalSize.height();
    EXPECT_EQ(mainWindow()->isMaximized(), small);
    // Within the area: its corner inside, and no larger than it.
    EXPECT_TRUE(available.contains(mainWindow()->geometry().topLeft()));
    EXPECT_LE(mainWindow()->width(), available.width());
    EXPECT_LE(mainWindow()->height(), available.height());
}

} // namespace
