// The round display: the boards of the shown round with their result boxes, who sits out,
// and the button of the round's protocol, as the tournament holds them.
#include <QComboBox>
#include <QLabel>
#include <QToolButton>

#include "common/clickable_label.h"
#include "common/fonts.h"
#include "common/twips.h"
#include "rounds/berger_schedule.h"
#include "rounds/round_names.h"
#include "ui/board_line_label.h"
#include "ui/picture_button.h"
#include "ui/round_display.h"
#include "ui/table_texts.h"
#include "ui/tournament_document.h"

namespace krugovik {

RoundDisplay::RoundDisplay(QWidget *window, TournamentDocument *document, ButtonIcons &icons)
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
    lblParing[0]->setText(tr("Жеребьёвка"));
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
    cmdPrintParing = pictureButton(m_window, "cmdPrintParing", icons.printer(QColor(20, 140, 60)),
                                   tr("Печать ПРОТОКОЛА тура"));
    cmdPrintParing->setIconSize(QSize(32, 32));
    placeInTwips(cmdPrintParing, 120, 8520, 615, 615);
    connect(cmdPrintParing, &QToolButton::clicked, this, &RoundDisplay::cmdPrintParing_Click);

    cmbRound = new QComboBox(m_window);
    cmbRound->setObjectName(QStringLiteral("cmbRound"));
    cmbRound->setPlaceholderText(tr("Выбор тура"));
    cmbRound->setToolTip(tr("Показать тур: его доски, результаты и кто отдыхает"));
    // Right of the second column of boards, as wide as the page leaves: «Тур 84 (4-й цикл,
    // тур 21)» fits.
    cmbRound->setFont(screenFont(7.5));
    placeInTwips(cmbRound, 12560, 8160, 2560, 330);
    connect(cmbRound, &QComboBox::activated, this, &RoundDisplay::cmbRound_Activated);

    lblFree = new QLabel(m_window);
    lblFree->setObjectName(QStringLiteral("lblFree"));
    // Under the round chooser, where a name has the chooser's width.
    lblFree->setFont(screenFont(7.5));
    lblFree->setWordWrap(true);
    lblFree->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(lblFree, 12560, 8550, 2560, 560);
    lblFree->hide();
    connect(document, &TournamentDocument::changed, this, [this](const TableChange &change) {
        if (change.rounds)
            show();
    });
}

void RoundDisplay::show()
{
    const TablePicture &p = m_document->picture();
    lblParing[0]->setText(QString::fromStdString(roundTitle(p)));
    for (int k = 1; k <= kBoards; ++k) {
        lblParing[k]->setText(QString::fromStdString(p.boardLine(k)));
        lblParing[k]->setTag(QString::number(p.boardFirst(k)));
        lblRezult[k]->setText(QString::fromStdString(p.boardCaption(k)));
        lblRezult[k]->setTag(QString::number(p.boardSecond(k)));
        lblParing[k]->setHidden(k > p.shownBoards());
        lblRezult[k]->setHidden(k > p.shownBoards());
    }
    const QString free = QString::fromStdString(freePlayerText(p));
    lblFree->setText(free);
    lblFree->setToolTip(free);
    lblFree->setHidden(free.isEmpty());
    FitBoardLines();
    ShowRoundChooser();
}

void RoundDisplay::ShowRoundChooser()
{
    const Tournament &t = m_document->tournament();
    const int n = t.playerCount();
    const int rounds = roundCount(n) * t.cycles();
    QStringList names;
    for (int r = 1; r <= rounds; ++r)
        names << QString::fromStdString(roundName(n, t.cycles(), r));
    QStringList listed;
    for (int k = 0; k < cmbRound->count(); ++k)
        listed << cmbRound->itemText(k);
    if (listed != names) {
        cmbRound->clear();
        cmbRound->addItems(names);
    }
    // The empty round of an even count is no round of the schedule: nothing is chosen.
    const int shown = m_document->picture().roundNo();
    const bool scheduled = shown >= 1 && shown <= roundCount(n) * t.cycles() &&
                           (t.cycles() > 1 || shown <= roundCount(n));
    cmbRound->setCurrentIndex(scheduled ? shown - 1 : -1);
}

void RoundDisplay::cmbRound_Activated(int index)
{
    const int column = TableGeometry::of(m_document->tournament()).headerOfRound(index + 1);
    if (column > 0)
        m_document->click(0, column, PlayerEntry{});
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
