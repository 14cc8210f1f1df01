#include "ui/event_dialog.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "common/message_box.h"
#include "common/texts.h"
#include "table/event_details_file.h"

namespace krugovik {
namespace {

// A date edit at its lowest value shows no date: the day is not known yet.
const QDate kNoDate(2000, 1, 1);
const QString kIsoFormat = QStringLiteral("yyyy-MM-dd");
constexpr int kTextLength = 120;
constexpr int kDaysPerWeek = 7;

QDate dateOf(const std::string &iso)
{
    const QDate date = QDate::fromString(QString::fromStdString(iso), kIsoFormat);
    return date.isValid() && date > kNoDate ? date : kNoDate;
}

bool hasDigit(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// A text cleared of its digits, not yet taken back by the edit, is no date either.
std::string isoOf(const QDateEdit *edit)
{
    return edit->date() == kNoDate || !hasDigit(edit->text())
               ? std::string()
               : edit->date().toString(kIsoFormat).toStdString();
}

// A date that may not be given yet: its lowest value reads «не задана». A digit typed over
// that starts from a day near the event rather than after the words; a text cleared of its
// digits is no date again; the calendar of an empty date opens at that day's month.
class DateEdit : public QDateEdit {
  public:
    DateEdit(std::function<QDate()> near, QWidget *parent)
        : QDateEdit(parent), m_near(std::move(near))
    {
        setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        setMinimumDate(kNoDate);
        setCalendarPopup(true);
        calendarWidget()->installEventFilter(this);
        // A step up from «не задана» goes to that day rather than to the day after the lowest.
        connect(this, &QDateEdit::dateChanged, this, [this](QDate day) {
            if (day == kNoDate.addDays(1))
                setDate(m_near());
        });
    }

  protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const QString typed = event->text();
        if (date() == kNoDate && typed.size() == 1 && typed.front().isDigit()) {
            setDate(m_near());
            setCurrentSection(QDateTimeEdit::DaySection);
            setSelectedSection(QDateTimeEdit::DaySection);
        }
        QDateEdit::keyPressEvent(event);
    }

    void fixup(QString &input) const override
    {
        if (!hasDigit(input)) {
            input = specialValueText();
            return;
        }
        QDateEdit::fixup(input);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The popup shows the edit's date when it opens: for no date, the lowest one.
        if (watched == calendarWidget() && event->type() == QEvent::Show && date() == kNoDate) {
            const QDate near = m_near();
            calendarWidget()->setCurrentPage(near.year(), near.month());
        }
        return QDateEdit::eventFilter(watched, event);
    }

  private:
    std::function<QDate()> m_near;
};

// The kinds in the order of cmbEventKind.
constexpr EventKind kKinds[] = {EventKind::Unknown, EventKind::Standard, EventKind::Rapid,
                                EventKind::Blitz};

} // namespace

EventDialog::EventDialog(const EventDetails &current, const QStringList &roundNames,
                         QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgEvent"));
    setWindowTitle(tr("Сведения о турнире"));
    setModal(true);

    auto *form = new QFormLayout;
    txtEventTitle = addText("txtEventTitle", QString::fromStdString(current.title), kTextLength);
    txtEventPlace = addText("txtEventPlace", QString::fromStdString(current.place), kTextLength);
    txtEventFederation =
        addText("txtEventFederation", QString::fromStdString(current.federation), 3);
    txtEventFederation->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z]{0,3}")), txtEventFederation));
    txtEventFederation->setToolTip(tr("Три латинские буквы кода ФИДЕ: RUS"));
    connect(txtEventFederation, &QLineEdit::textEdited, this, [this](const QString &text) {
        const int at = txtEventFederation->cursorPosition();
        txtEventFederation->setText(text.toUpper());
        txtEventFederation->setCursorPosition(at);
    });
    txtEventOrganiser =
        addText("txtEventOrganiser", QString::fromStdString(current.organiser), kTextLength);
    // Month and day names in the program's language, whatever the system's.
    setLocale(QLocale(QString::fromStdString(programLanguageCode())));
    dteEventStart =
        addDate("dteEventStart", current.startDate, this, [this] { return nearDate(nullptr); });
    dteEventEnd =
        addDate("dteEventEnd", current.endDate, this, [this] { return nearDate(nullptr); });
    txtChiefArbiter =
        addText("txtChiefArbiter", QString::fromStdString(current.chiefArbiter), kTextLength);
    txtDeputyArbiter =
        addText("txtDeputyArbiter", QString::fromStdString(current.deputyArbiter), kTextLength);
    txtTimeControl =
        addText("txtTimeControl", QString::fromStdString(current.timeControl), kTextLength);
    txtTimeControl->setPlaceholderText(tr("90 мин + 30 сек на ход"));
    cmbEventKind = new QComboBox(this);
    cmbEventKind->setObjectName(QStringLiteral("cmbEventKind"));
    cmbEventKind->addItems({tr("не указан", "rate of play"), tr("классический", "rate of play"),
                            tr("быстрый", "rate of play"), tr("блиц", "rate of play")});
    for (int k = 0; k < int(std::size(kKinds)); ++k) {
        if (kKinds[k] == current.kind)
            cmbEventKind->setCurrentIndex(k);
    }

    form->addRow(tr("&Название:"), txtEventTitle);
    form->addRow(tr("&Место проведения:"), txtEventPlace);
    form->addRow(tr("&Федерация:"), txtEventFederation);
    form->addRow(tr("&Организатор:"), txtEventOrganiser);
    form->addRow(tr("&Начало:"), dteEventStart);
    form->addRow(tr("&Окончание:"), dteEventEnd);
    form->addRow(tr("&Главный судья:"), txtChiefArbiter);
    form->addRow(tr("&Заместитель:"), txtDeputyArbiter);
    form->addRow(tr("&Контроль времени:"), txtTimeControl);
    form->addRow(tr("&Вид турнира:"), cmbEventKind);

    tblRoundDates = new QTableWidget(int(roundNames.size()), 1, this);
    tblRoundDates->setObjectName(QStringLiteral("tblRoundDates"));
    tblRoundDates->setHorizontalHeaderLabels({tr("Дата тура")});
    tblRoundDates->setVerticalHeaderLabels(roundNames);
    tblRoundDates->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < roundNames.size(); ++r) {
        const std::string date =
            std::size_t(r) < current.roundDates.size() ? current.roundDates[std::size_t(r)] : "";
        // Near the round before, else near the start.
        const auto before = [this, r] {
            return nearDate(r > 0 ? m_roundDates[std::size_t(r - 1)] : nullptr);
        };
        QDateEdit *edit = addDate("", date, tblRoundDates, before);
        edit->setObjectName(QStringLiteral("dteRound_%1").arg(r + 1));
        tblRoundDates->setCellWidget(r, 0, edit);
        m_roundDates.push_back(edit);
    }
    // Whole dates under a whole heading, beside names as long as «Тур 14 (2-й цикл, тур 7)».
    int dateWidth = tblRoundDates->horizontalHeader()->sectionSizeHint(0);
    for (const QDateEdit *edit : m_roundDates)
        dateWidth = std::max(dateWidth, edit->sizeHint().width());
    dateWidth += tblRoundDates->showGrid() ? 1 : 0; // the grid's line beside the cell
    tblRoundDates->setColumnWidth(0, dateWidth);
    tblRoundDates->setMinimumWidth(tblRoundDates->verticalHeader()->sizeHint().width() + dateWidth +
                                   style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                   2 * tblRoundDates->frameWidth());
    cmdFillRoundDates = new QPushButton(tr("Заполнить по н&еделям"), this);
    cmdFillRoundDates->setObjectName(QStringLiteral("cmdFillRoundDates"));
    cmdFillRoundDates->setAutoDefault(false);
    cmdFillRoundDates->setToolTip(
        tr("Тур 1 — в день начала турнира, каждый следующий — через неделю"));
    connect(cmdFillRoundDates, &QPushButton::clicked, this, &EventDialog::cmdFillRoundDates_Click);

    btnEvent = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnEvent->setObjectName(QStringLiteral("btnEvent"));
    QPushButton *ok = btnEvent->button(QDialogButtonBox::Ok);
    ok->setText(tr("ОК"));
    ok->setObjectName(QStringLiteral("cmdEventOk"));
    QPushButton *cancel = btnEvent->button(QDialogButtonBox::Cancel);
    cancel->setText(tr("Отмена"));
    cancel->setObjectName(QStringLiteral("cmdEventCancel"));
    connect(btnEvent, &QDialogButtonBox::accepted, this, &EventDialog::accept);
    connect(btnEvent, &QDialogButtonBox::rejected, this, &EventDialog::reject);

    auto *columns = new QHBoxLayout;
    columns->addLayout(form, 3);
    auto *rounds = new QVBoxLayout;
    rounds->addWidget(tblRoundDates);
    rounds->addWidget(cmdFillRoundDates);
    columns->addLayout(rounds, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(btnEvent);
    // Room for the rounds of a double round-robin of ten without scrolling the form.
    resize(sizeHint().expandedTo(QSize(640, 460)));
}

QLineEdit *EventDialog::addText(const char *name, const QString &text, int maxLength)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(std::max(maxLength, int(text.size())));
    edit->setText(text);
    return edit;
}

QDateEdit *EventDialog::addDate(const char *name, const std::string &date, QWidget *parent,
                                std::function<QDate()> near)
{
    auto *edit = new DateEdit(std::move(near), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setSpecialValueText(tr("не задана", "a date not given yet"));
    edit->setDate(dateOf(date));
    return edit;
}

QDate EventDialog::nearDate(const QDateEdit *edit) const
{
    if (edit && edit->date() != kNoDate)
        return edit->date();
    if (dteEventStart->date() != kNoDate)
        return dteEventStart->date();
    return QDate::currentDate();
}

void EventDialog::cmdFillRoundDates_Click()
{
    QDate first = dteEventStart->date();
    if (first == kNoDate && !m_roundDates.empty())
        first = m_roundDates.front()->date();
    if (first == kNoDate)
        first = QDate::currentDate();
    for (std::size_t r = 0; r < m_roundDates.size(); ++r)
        m_roundDates[r]->setDate(first.addDays(qint64(r) * kDaysPerWeek));
}

EventDetails EventDialog::details() const
{
    EventDetails d;
    d.title = txtEventTitle->text().toStdString();
    d.place = txtEventPlace->text().toStdString();
    d.federation = txtEventFederation->text().toUpper().toStdString();
    d.organiser = txtEventOrganiser->text().toStdString();
    d.startDate = isoOf(dteEventStart);
    d.endDate = isoOf(dteEventEnd);
    for (const QDateEdit *edit : m_roundDates)
        d.roundDates.push_back(isoOf(edit));
    d.chiefArbiter = txtChiefArbiter->text().toStdString();
    d.deputyArbiter = txtDeputyArbiter->text().toStdString();
    d.timeControl = txtTimeControl->text().toStdString();
    d.kind = kKinds[std::clamp(cmbEventKind->currentIndex(), 0, int(std::size(kKinds)) - 1)];
    return d;
}

void EventDialog::accept()
{
    const EventDetails d = details();
    if (!d.federation.empty() && !isFederationCode(d.federation)) {
        showMessage(this, tr("Код федерации — три латинские буквы, например RUS."));
        txtEventFederation->setFocus();
        return;
    }
    if (!d.startDate.empty() && !d.endDate.empty() && d.endDate < d.startDate) {
        showMessage(this, tr("Турнир не может окончиться раньше, чем начался."));
        dteEventEnd->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace krugovik
