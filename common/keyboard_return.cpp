#include "common/keyboard_return.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace krugovik {
namespace {

// Watches the bar for its menus and the menus for Escape.
class MenuEscape : public QObject {
  public:
    explicit MenuEscape(QMenuBar *bar) : QObject(bar), m_bar(bar)
    {
        bar->installEventFilter(this);
        for (QMenu *menu : bar->findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
            menu->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_bar) {
            if (event->type() == QEvent::ChildAdded)
                if (auto *menu = qobject_cast<QMenu *>(static_cast<QChildEvent *>(event)->child()))
                    menu->installEventFilter(this);
            return false;
        }
        if (m_inEscape || event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape)
            return false;
        // The menu closes first; some styles then give the bar the keyboard, and the bar's
        // own Escape hands it back to the widget that had it.
        m_inEscape = true;
        QCoreApplication::sendEvent(watched, event);
        m_inEscape = false;
        if (m_bar->hasFocus()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(m_bar, &escape);
        }
        return true;
    }

  private:
    QMenuBar *m_bar;
    bool m_inEscape = false;
};

} // namespace

void returnKeyboardAfterMenus(QMenuBar *bar)
{
    new MenuEscape(bar);
}

} // namespace krugovik
