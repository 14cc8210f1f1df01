// The crosstable printed as a drawing of the window: text and lines, not a bitmap.
#include <QLabel>
#include <QPainter>
#include <QPicture>
#include <algorithm>

#include "common/printer.h"
#include "ui/cross_table.h"
#include "ui/tournament_window.h"

namespace krugovik {
namespace {

// The window's shown children as a drawing, cut to the area they cover so that the
// table fills the page's width.
QPicture drawShownChildren(QWidget *window)
{
    QRect shown;
    for (QWidget *w : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isHidden())
            continue;
        QRect area = w->geometry();
        // A label counts as far as its text reaches; an empty one not at all.
        if (const auto *label = qobject_cast<QLabel *>(w)) {
            if (label->text().isEmpty())
                continue;
            area.setWidth(
                std::min(area.width(), label->fontMetrics().horizontalAdvance(label->text()) +
                                           2 * label->margin() + 4));
        }
        shown |= area;
    }
    QPicture picture;
    {
        // Drawn into a picture, since a widget rendered straight onto a printer is a bitmap.
        QPainter painter(&picture);
        window->render(&painter, QPoint(), QRegion(shown), QWidget::DrawChildren);
    }
    picture.setBoundingRect(QRect(QPoint(), shown.size()));
    return picture;
}

} // namespace

void TournamentWindow::cmdPrint_Click()
{
    // Everything but the table and the information label leaves the picture; each control
    // comes back as it was, so no board without a game and no hidden option shows up.
    std::vector<QWidget *> hidden;
    for (QWidget *w : m_page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w != grdTable && w != lblInfo && !w->isWindow())
            hidden.push_back(w);
    }
    std::vector<bool> wasHidden;
    wasHidden.reserve(hidden.size());
    for (QWidget *w : hidden) {
        wasHidden.push_back(w->isHidden());
        w->hide();
    }
    Printer printer(QStringLiteral("Таблица турнира"));
    printer.printPicture(drawShownChildren(m_page));
    const PrintOutcome outcome = printer.endDoc();
    for (std::size_t k = 0; k < hidden.size(); ++k)
        hidden[k]->setHidden(wasHidden[k]);
    reportPrintOutcome(outcome, this);
}

} // namespace krugovik
