// The crosstable printed as a drawing of the window: text and lines, not a bitmap.
#include <QDate>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPicture>
#include <QScrollBar>
#include <algorithm>

#include "common/printer.h"
#include "ui/cross_table.h"
#include "ui/tournament_window.h"

namespace krugovik {
namespace {

// The window's shown children as a drawing under a title line, cut to the area they
// cover so that the table fills the page's width.
QPicture drawShownChildren(QWidget *window, const QString &title)
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
    QFont titleFont = window->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() + 2);
    titleFont.setBold(true);
    const QFontMetrics titleMetrics(titleFont, window);
    const int titleHeight = titleMetrics.height() * 3 / 2;
    QPicture picture;
    {
        // Drawn into a picture, since a widget rendered straight onto a printer is a bitmap.
        QPainter painter(&picture);
        painter.setFont(titleFont);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(0, titleMetrics.ascent()), title);
        window->render(&painter, QPoint(0, titleHeight), QRegion(shown), QWidget::DrawChildren);
    }
    picture.setBoundingRect(QRect(0, 0,
                                  std::max(shown.width(), titleMetrics.horizontalAdvance(title)),
                                  shown.height() + titleHeight));
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
    // A grid that scrolls sideways is printed whole: every block of every cycle.
    const bool scrolled = grdTable->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    if (scrolled) {
        const int whole = grdTable->horizontalHeader()->length() + 2 * grdTable->frameWidth();
        grdTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grdTable->horizontalScrollBar()->setValue(0);
        grdTable->setFixedWidth(whole);
    }
    const QString name = QFileInfo(m_tourFilePath()).completeBaseName();
    Printer printer(QStringLiteral("Таблица турнира"), name + QStringLiteral("-tablica"));
    grdTable->setPrinting(true);
    printer.printPicture(
        drawShownChildren(m_page, name + QStringLiteral("   ") +
                                      QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));
    grdTable->setPrinting(false);
    const PrintOutcome outcome = printer.endDoc();
    if (scrolled)
        fitGridWidth();
    for (std::size_t k = 0; k < hidden.size(); ++k)
        hidden[k]->setHidden(wasHidden[k]);
    reportPrintOutcome(outcome, this);
}

} // namespace krugovik
