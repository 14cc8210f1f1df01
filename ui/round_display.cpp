// The round display: the boards of the shown round with their result boxes, who sits out,
// and the button of the round's protocol, as the tournament holds them.
#include <QLabel>
#include <QToolButton>

#include "common/clickable_label.h"
#include "common/fonts.h"
#include "common/twips.h"
#include "ui/board_line_label.h"
#include "ui/picture_button.h"
#include "ui/round_display.h"
#include "ui/table_texts.h"
#include "ui/tournament_document.h"

namespace krugovik {

RoundDisplay::RoundDisplay(QWidget *window, TournamentDocument *document)
    : QObject(window), m_window(window), m_document(document)
{
    // The labels are only 255 twips high and the result boxes 615 wide.
    const QFont small = screenFont(8);
    for (int k = 0; k <= kBoards; ++k) {
        lblParing[k] = k == 0 ? new ClickableLabel(m_window) : new BoardLineLabel(m_window);
        lblParing[k]->setObjectName(QStringLiteral("lblParing_%1").arg(k));
        lblRezult[k] = new ClickableLabel(m_window);
        lblRezult[k]->setObjectName(QStringLiteral("lblRezult_%1").arg(k));
        lblParing[k]->setFont(small);
        lblRezult[k]->setFont(small);
        connect(lblRezult[k], &ClickableLabel::clicked, this,
                [this, k] { m_document->clickResultBox(k); });
    }
    lblParing[0]->setText(QStringLiteral("Жеребьёвка"));
    placeInTwips(lblParing[0], 0, 8160, 1815, 255);
    lblRezult[0]->setText(QStringLiteral("Label1"));
    placeInTwips(lblRezult[0], 0, 4680, 1215, 495);
    lblRezult[0]->hide();
    for (int k = 1; k <= kBoards; ++k) {
        const bool left = k <= 6;
        const double top = 8160 + 240 * (left ? k - 1 : k - 7);
        lblParing[k]->setText(QString::number(k));
        placeInTwips(lblParing[k], left ? 1920 : 7200, top, 4575, 255);
        lblRezult[k]->setAutoFillBackground(true);
        QPalette white = lblRezult[k]->palette();
        white.setColor(QPalette::Window, Qt::white);
        lblRezult[k]->setPalette(white);
        lblRezult[k]->setAlignment(Qt::AlignCenter);
        // A frame per board, so that each box is seen as one.
        lblRezult[k]->setFrameStyle(QFrame::Box | QFrame::Plain);
        placeInTwips(lblRezult[k], left ? 6480 : 11880, top, 615, 255);
        lblParing[k]->hide();
        lblRezult[k]->hide();
    }
    cmdPrintParing = pictureButton(m_window, "cmdPrintParing", printerIcon(QColor(20, 140, 60)),
                                   QStringLiteral("Печать ПРОТОКОЛА тура"));
    cmdPrintParing->setIconSize(QSize(32, 32));
    placeInTwips(cmdPrintParing, 120, 8520, 615, 615);
    connect(cmdPrintParing, &QToolButton::clicked, this, &RoundDisplay::cmdPrintParing_Click);

    lblFree = new QLabel(m_window);
    lblFree->setObjectName(QStringLiteral("lblFree"));
    // Under the round title there is room for a narrow column only.
    lblFree->setFont(screenFont(7.5));
    lblFree->setWordWrap(true);
    lblFree->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(lblFree, 0, 9140, 1900, 560);
    lblFree->hide();
    connect(document, &TournamentDocument::changed, this, [this](const TableChange &change) {
        if (change.rounds)
            show();
    });
}

void RoundDisplay::show()
{
    const Tournament &t = m_document->tournament();
    lblParing[0]->setText(QString::fromStdString(roundTitle(t)));
    for (int k = 1; k <= kBoards; ++k) {
        lblParing[k]->setText(QString::fromStdString(t.boardLine(k)));
        lblParing[k]->setTag(QString::number(t.boardFirst(k)));
        lblRezult[k]->setText(QString::fromStdString(t.boardCaption(k)));
        lblRezult[k]->setTag(QString::number(t.boardSecond(k)));
        lblParing[k]->setHidden(k > t.shownBoards());
        lblRezult[k]->setHidden(k > t.shownBoards());
    }
    const QString free = QString::fromStdString(freePlayerText(t));
    lblFree->setText(free);
    lblFree->setToolTip(free);
    lblFree->setHidden(free.isEmpty());
    FitBoardLines();
}

void RoundDisplay::cmdPrintParing_Click()
{
    emit protocolRequested();
}

void RoundDisplay::FitBoardLines()
{
    for (int k = 1; k <= kBoards; ++k) {
        if (auto *line = qobject_cast<BoardLineLabel *>(lblParing[k]))
            line->fit();
    }
}

} // namespace krugovik
