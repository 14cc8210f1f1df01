#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/test_helpers.h"

namespace {

// LeakSanitizer does not see a widget that Qt still lists, so a window a test forgets to
// delete is caught here: it fails the test that left it, and is deleted so that it
// cannot trouble the next one.
class SurvivingWidgetCheck : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo &) override
    {
        const QList<QWidget *> survivors = testing_support::survivingTopLevelWidgets();
        if (survivors.isEmpty())
            return;
        QStringList names;
        for (QWidget *widget : survivors)
            names << QStringLiteral("%1 \"%2\"")
                         .arg(QString::fromLatin1(widget->metaObject()->className()),
                              widget->objectName());
        ADD_FAILURE() << "top-level widgets survived the test: "
                      << names.join(QStringLiteral(", ")).toStdString();
        // A survivor may own another: each is deleted only while it still exists.
        QList<QPointer<QWidget>> guarded(survivors.begin(), survivors.end());
        for (const QPointer<QWidget> &widget : guarded)
            delete widget.data();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Recovery copies go to a data folder of this run, never the user's; programs the
    // tests start inherit it.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    // Settings too (the last CSV mapping of a rating list): the run's own, never the user's.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new SurvivingWidgetCheck);
    return RUN_ALL_TESTS();
}
