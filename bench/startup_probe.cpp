// Starts as the program starts and ends once the first window the director sees is
// painted: the program's main window with its chooser, or, with the argument "bare", a
// bare QMainWindow with one menu. The benchmarks time whole processes of it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <cstring>

#include "app/main_window.h"

namespace {

// Ends the program when the named widget has been painted for the first time.
class QuitOnFirstPaint : public QObject {
  public:
    explicit QuitOnFirstPaint(const char *name) : m_name(QString::fromLatin1(name)) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Once the paint has reached the screen.
        if (event->type() == QEvent::Paint && watched->objectName() == m_name)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return false;
    }

  private:
    QString m_name;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.krugovik.Krugovik"));
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    QuitOnFirstPaint quit(bare ? "bareWindow" : "frmOpenFile");
    app.installEventFilter(&quit);
    if (bare) {
        QMainWindow window;
        window.setObjectName(QStringLiteral("bareWindow"));
        window.menuBar()
            ->addMenu(QStringLiteral("Файл"))
            ->addAction(QStringLiteral("Загрузить (создать) турнир"));
        window.resize(1024, 720);
        window.show();
        return app.exec();
    }
    MainWindow window;
    window.show();
    return app.exec();
}
