#include "app/smoke_check.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>

#include "app/main_window.h"
#include "common/codepage.h"

namespace krugovik {
namespace {

int fail(const char *why)
{
    std::fprintf(stderr, "krugovik: smoke check failed: %s\n", why);
    return 1;
}

} // namespace

int runSmokeCheck()
{
    // Without the code page the start-up would stop at a modal message nobody answers.
    if (!codePageAvailable())
        return fail("no Windows-1251 code page in this Qt");
    MainWindow window;
    window.show();
    QApplication::processEvents();
    const QWidget *chooser = window.findChild<QWidget *>(QStringLiteral("frmOpenFile"));
    if (!chooser || !chooser->isVisible())
        return fail("the chooser is not on show");
    if (window.findChild<QWidget *>(QStringLiteral("frmVantor")))
        return fail("a tournament window outlived the start-up");
    if (!QFileInfo::exists(QStringLiteral("BASE.DAT")))
        return fail("BASE.DAT was not created in the current folder");
    if (window.grab().isNull())
        return fail("the main window cannot be drawn");
    window.close();
    std::puts("krugovik: smoke check passed");
    return 0;
}

} // namespace krugovik
