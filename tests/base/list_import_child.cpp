// Another program importing a rating list into the same folder, for the tests of two imports
// at once. Arguments: the folder, then
//   import FILE   imports FILE as FIDE's list; prints "waiting" when it has to wait for
//                 another import, then "replaced N" (N players) or "failed: REASON"
//   hold          takes the folder's import lock as an import does, prints "locked" and
//                 sleeps until killed
#include <QCoreApplication>
#include <QLockFile>
#include <QThread>
#include <atomic>
#include <cstdio>

#include "base/rating_list_store.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString folder = args.at(1);
    if (args.at(2) == QLatin1String("hold")) {
        QLockFile lock(krugovik::importLockPath(folder));
        lock.setStaleLockTime(0);
        if (!lock.lock())
            return 1;
        std::printf("locked\n");
        std::fflush(stdout);
        QThread::sleep(600);
        return 0;
    }
    if (args.at(2) != QLatin1String("import") || args.size() < 4)
        return 2;
    std::atomic_bool cancel{false};
    const krugovik::ImportResult result =
        krugovik::importList(folder, krugovik::ListKind::Fide, QStringLiteral("ФИДЕ"), args.at(3),
                             {}, {}, cancel, [](bool waits) {
                                 if (waits) {
                                     std::printf("waiting\n");
                                     std::fflush(stdout);
                                 }
                             });
    if (result.replaced)
        std::printf("replaced %lld\n", static_cast<long long>(result.read.players));
    else
        std::printf("failed: %s\n", result.error.toUtf8().constData());
    return result.replaced ? 0 : 1;
}
