// The check that fails a test which leaves a window behind.
#include <QMessageBox>
#include <QSet>
#include <gtest/gtest.h>

#include "support/test_helpers.h"

using namespace testing_support;

namespace {

TEST(SurvivingWidgets, AForgottenWindowIsFoundAndADeletedOneIsNot)
{
    EXPECT_TRUE(survivingTopLevelWidgets().isEmpty());
    auto *forgotten = new QWidget;
    forgotten->setObjectName(QStringLiteral("forgotten"));
    auto *later = new QMessageBox;
    const QList<QWidget *> found = survivingTopLevelWidgets();
    EXPECT_EQ(QSet<QWidget *>(found.begin(), found.end()), (QSet<QWidget *>{forgotten, later}));
    delete forgotten;
    later->deleteLater(); // gone once deferred deletions are done
    EXPECT_TRUE(survivingTopLevelWidgets().isEmpty());
}

TEST_F(InTempDir, AMainWindowLeavesNoWindowBehind)
{
    {
        MainWindow window;
        window.show();
        EXPECT_FALSE(survivingTopLevelWidgets().isEmpty());
    }
    EXPECT_TRUE(survivingTopLevelWidgets().isEmpty());
}

} // namespace
