// The crosstable printed as a picture of the window.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

#include "common/clickable_label.h"
#include "common/printer.h"
#include "table/tournament_window.h"

namespace krugovik {

void TournamentWindow::cmdPrint_Click()
{
    // Everything but the table and the information label leaves the picture; each control
    // comes back as it was, so no board without a game and no hidden option shows up.
    std::vector<QWidget *> hidden = {cmdPrintParing};
    for (int k = 0; k <= kBoards; ++k) {
        hidden.push_back(lblParing[k]);
        hidden.push_back(lblRezult[k]);
    }
    for (QWidget *w :
         std::initializer_list<QWidget *>{txtNR, cmdNext, cmdPrevious, cmdNew, txtRate, chkRate,
                                          txtName, lblName, cmdZapisBase, cmdExit, lblParring})
        hidden.push_back(w);
    for (int k = 1; k <= kCategoryCount; ++k)
        hidden.push_back(optRanc[k]);
    hidden.push_back(lblM);
    hidden.push_back(lblD);
    hidden.push_back(lblRecord);
    hidden.push_back(lblFree);
    for (QWidget *w : std::initializer_list<QWidget *>{vscPlayer, cmdSave, chkSdvig, cmdPrint,
                                                       lblPrint, cmdPrintBase})
        hidden.push_back(w);

    std::vector<bool> wasHidden;
    wasHidden.reserve(hidden.size());
    for (QWidget *w : hidden) {
        wasHidden.push_back(w->isHidden());
        w->hide();
    }
    Printer printer(QStringLiteral("Таблица турнира"));
    printer.printImage(grab().toImage());
    const PrintOutcome outcome = printer.endDoc();
    for (std::size_t k = 0; k < hidden.size(); ++k)
        hidden[k]->setHidden(wasHidden[k]);
    reportPrintOutcome(outcome, this);
}

} // namespace krugovik
