#pragma once

#include <QDate>
#include <QDialog>
#include <QStringList>
#include <functional>
#include <vector>

#include "export/event_details.h"

class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace krugovik {

// «Сведения о турнире»: title, place, federation, organiser, the dates of the event and of
// each round, the arbiters, the time control and the kind of play. The tournament changes
// only when the caller applies details() after OK.
class EventDialog : public QDialog {
    Q_OBJECT
  public:
    // roundNames: one per round of the event, every cycle included, as the rows read.
    EventDialog(const EventDetails &current, const QStringList &roundNames,
                QWidget *parent = nullptr);

    // What the dialog holds; round dates one per round, empty where none was given.
    EventDetails details() const;

    void accept() override;

  private:
    QLineEdit *addText(const char *name, const QString &text, int maxLength);
    QDateEdit *addDate(const char *name, const std::string &date, QWidget *parent,
                       std::function<QDate()> near);
    // Where a calendar with no date opens and a digit typed over «не задана» starts: at
    // `before`'s date (the round before), else at the start of the event, else today.
    QDate nearDate(const QDateEdit *before) const;
    // Round r gets the first round's day plus r − 1 weeks; the first round's day is the
    // start of the event when given, else the date in row 1, else today.
    void cmdFillRoundDates_Click();

    QLineEdit *txtEventTitle = nullptr;
    QLineEdit *txtEventPlace = nullptr;
    QLineEdit *txtEventFederation = nullptr;
    QLineEdit *txtEventOrganiser = nullptr;
    QDateEdit *dteEventStart = nullptr;
    QDateEdit *dteEventEnd = nullptr;
    QTableWidget *tblRoundDates = nullptr;
    std::vector<QDateEdit *> m_roundDates; // the cells of tblRoundDates, round 1 first
    QPushButton *cmdFillRoundDates = nullptr;
    QLineEdit *txtChiefArbiter = nullptr;
    QLineEdit *txtDeputyArbiter = nullptr;
    QLineEdit *txtTimeControl = nullptr;
    QComboBox *cmbEventKind = nullptr;
    QDialogButtonBox *btnEvent = nullptr;
};

} // namespace krugovik
