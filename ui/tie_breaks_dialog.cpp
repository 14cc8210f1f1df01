#include "ui/tie_breaks_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "export/final_standings.h"
#include "export/tournament_snapshot.h"

namespace krugovik {
namespace {

// What «Своя» may be composed of: C.07's round-robin tie-breaks, Koya with the usual limits.
const char *const kOffered[] = {"DE",    "WIN",    "WON",    "BPG",    "BWG",    "REP",
                                "STD",   "SB",     "SB/C1",  "SB/C2",  "KS",     "KS/L1",
                                "KS/L2", "KS/L-1", "KS/L-2", "KS/L40", "KS/L60", "ARO",
                                "TPR",   "RTNG",   "RTNG/R", "TPN",    "TPN/R",  "LOT"};

// The lots are drawn when they are added; the seed stays with the tournament.
std::optional<TieBreak> offered(const QString &code)
{
    if (code == QStringLiteral("LOT")) {
        TieBreak lot{TieBreakKind::Lot};
        lot.seed = QRandomGenerator::global()->generate();
        return lot;
    }
    return tieBreakFromCode(code.toStdString());
}

bool ratingBased(const TieBreak &tb)
{
    return tb.kind == TieBreakKind::AverageOpponentRating ||
           tb.kind == TieBreakKind::PerformanceRating || tb.kind == TieBreakKind::OwnRating;
}

// Its name as the director chooses it: «Койя (KS/L40)».
QString titleOf(const TieBreak &tb)
{
    return QString::fromStdString(tieBreakChoiceName(tb));
}

QLabel *namedLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton *namedButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TieBreaksDialog::TieBreaksDialog(const std::vector<TieBreak> &current, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgTieBreaks"));
    setWindowTitle(tr("Правила распределения мест"));
    setModal(true);

    cmbTieBreakPreset = new QComboBox(this);
    cmbTieBreakPreset->setObjectName(QStringLiteral("cmbTieBreakPreset"));
    cmbTieBreakPreset->addItems({tr("Очки, Бергер, личная встреча, победы"),
                                 tr("FIDE: личная встреча, победы, "
                                    "Зоннеборн-Бергер, Койя"),
                                 tr("Своя")});
    lstTieBreaks = new QListWidget(this);
    lstTieBreaks->setObjectName(QStringLiteral("lstTieBreaks"));
    cmbTieBreakChoice = new QComboBox(this);
    cmbTieBreakChoice->setObjectName(QStringLiteral("cmbTieBreakChoice"));
    for (const char *code : kOffered)
        cmbTieBreakChoice->addItem(titleOf(*offered(QString::fromLatin1(code))),
                                   QString::fromLatin1(code));
    cmbUnrated = new QComboBox(this);
    cmbUnrated->setObjectName(QStringLiteral("cmbUnrated"));
    cmbUnrated->addItems({tr("со своей оценкой рейтинга"), tr("с рейтингом")});
    spnUnratedRating = new QSpinBox(this);
    spnUnratedRating->setObjectName(QStringLiteral("spnUnratedRating"));
    spnUnratedRating->setRange(1000, 3000);
    spnUnratedRating->setValue(1400);
    cmdTieBreakAdd = namedButton(tr("Добавить"), "cmdTieBreakAdd", this);
    cmdTieBreakRemove = namedButton(tr("Убрать"), "cmdTieBreakRemove", this);
    cmdTieBreakUp = namedButton(tr("Выше"), "cmdTieBreakUp", this);
    cmdTieBreakDown = namedButton(tr("Ниже"), "cmdTieBreakDown", this);
    btnTieBreaks = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnTieBreaks->setObjectName(QStringLiteral("btnTieBreaks"));
    QPushButton *ok = btnTieBreaks->button(QDialogButtonBox::Ok);
    ok->setText(tr("ОК"));
    ok->setObjectName(QStringLiteral("cmdTieBreaksOk"));
    QPushButton *cancel = btnTieBreaks->button(QDialogButtonBox::Cancel);
    cancel->setText(tr("Отмена"));
    cancel->setObjectName(QStringLiteral("cmdTieBreaksCancel"));

    auto *layout = new QGridLayout(this);
    layout->setObjectName(QStringLiteral("layTieBreaks"));
    layout->addWidget(namedLabel(tr("Места по очкам, затем:"), "lblTieBreakPreset", this), 0, 0, 1,
                      2);
    layout->addWidget(cmbTieBreakPreset, 1, 0, 1, 2);
    layout->addWidget(
        namedLabel(tr("Дополнительные показатели по порядку:"), "lblTieBreakList", this), 2, 0, 1,
        2);
    layout->addWidget(lstTieBreaks, 3, 0, 4, 1);
    layout->addWidget(cmdTieBreakRemove, 3, 1);
    layout->addWidget(cmdTieBreakUp, 4, 1);
    layout->addWidget(cmdTieBreakDown, 5, 1);
    layout->addWidget(cmbTieBreakChoice, 7, 0);
    layout->addWidget(cmdTieBreakAdd, 7, 1);
    layout->addWidget(namedLabel(tr("Игрок без установленного рейтинга в ARO, TPR "
                                    "и RTNG считается:"),
                                 "lblUnrated", this),
                      8, 0, 1, 2);
    layout->addWidget(cmbUnrated, 9, 0);
    layout->addWidget(spnUnratedRating, 9, 1);
    layout->addWidget(btnTieBreaks, 10, 0, 1, 2);

    // The choice the list holds: every rating tie-break of it counts the unrated alike.
    for (const TieBreak &tb : current) {
        if (ratingBased(tb) && tb.unratedRating > 0) {
            cmbUnrated->setCurrentIndex(1);
            spnUnratedRating->setValue(tb.unratedRating);
        }
    }
    cmbUnrated_Change();
    connect(cmbUnrated, &QComboBox::currentIndexChanged, this, &TieBreaksDialog::cmbUnrated_Change);

    // The records of earlier changes go along unseen; a list other than the presets is
    // the director's own.
    for (const TieBreak &tb : current) {
        if (tb.kind == TieBreakKind::RulesChanged)
            m_changes.push_back(tb);
    }
    // «Своя» starts from the list in force. The default order spelt out, as a TRF's 202
    // brings it, is that preset, and goes back as it came.
    const std::vector<TieBreak> rules = withoutChangeRecords(current);
    const bool classic = rules.empty() || rules == classicTieBreaks();
    m_custom = rules.empty() ? classicTieBreaks() : rules;
    if (classic)
        m_classic = rules;
    const int preset = classic ? Classic : rules == fideRoundRobinTieBreaks() ? Fide : Custom;
    cmbTieBreakPreset->setCurrentIndex(preset);
    cmbTieBreakPreset_Change();

    connect(cmbTieBreakPreset, &QComboBox::currentIndexChanged, this,
            &TieBreaksDialog::cmbTieBreakPreset_Change);
    connect(lstTieBreaks, &QListWidget::currentRowChanged, this, &TieBreaksDialog::enableCommands);
    connect(cmdTieBreakAdd, &QPushButton::clicked, this, &TieBreaksDialog::cmdTieBreakAdd_Click);
    connect(cmdTieBreakRemove, &QPushButton::clicked, this,
            &TieBreaksDialog::cmdTieBreakRemove_Click);
    connect(cmdTieBreakUp, &QPushButton::clicked, this, [this] { moveChosen(-1); });
    connect(cmdTieBreakDown, &QPushButton::clicked, this, [this] { moveChosen(1); });
    connect(btnTieBreaks, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(btnTieBreaks, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::vector<TieBreak> TieBreaksDialog::tieBreaks() const
{
    std::vector<TieBreak> list = m_changes;
    std::vector<TieBreak> rules;
    switch (cmbTieBreakPreset->currentIndex()) {
    case Fide:
        rules = fideRoundRobinTieBreaks();
        break;
    case Custom:
        rules = withUnratedChoice(m_custom);
        break;
    default:
        break;
    }
    if (rules.empty() || rules == classicTieBreaks())
        rules = m_classic;
    list.insert(list.end(), rules.begin(), rules.end());
    return list;
}

std::vector<TieBreak> TieBreaksDialog::withUnratedChoice(std::vector<TieBreak> list) const
{
    const int rating = cmbUnrated->currentIndex() == 1 ? spnUnratedRating->value() : 0;
    for (TieBreak &tb : list) {
        if (ratingBased(tb))
            tb.unratedRating = rating;
    }
    return list;
}

void TieBreaksDialog::cmbUnrated_Change()
{
    spnUnratedRating->setEnabled(cmbUnrated->currentIndex() == 1);
}

void TieBreaksDialog::cmbTieBreakPreset_Change()
{
    switch (cmbTieBreakPreset->currentIndex()) {
    case Fide:
        showList(fideRoundRobinTieBreaks());
        break;
    case Custom:
        showList(m_custom);
        break;
    default:
        // The program's own order: its columns and names are those of today's printouts.
        lstTieBreaks->clear();
        lstTieBreaks->addItems({tr("Бергер"), tr("Личная встреча"), tr("Победы")});
        break;
    }
    enableCommands();
}

void TieBreaksDialog::showList(const std::vector<TieBreak> &list)
{
    const int row = lstTieBreaks->currentRow();
    lstTieBreaks->clear();
    for (const TieBreak &tb : list)
        lstTieBreaks->addItem(titleOf(tb));
    if (!list.empty())
        lstTieBreaks->setCurrentRow(std::clamp(row, 0, int(list.size()) - 1));
}

void TieBreaksDialog::enableCommands()
{
    const bool custom = cmbTieBreakPreset->currentIndex() == Custom;
    const int row = lstTieBreaks->currentRow();
    const int count = int(m_custom.size());
    cmbTieBreakChoice->setEnabled(custom);
    cmdTieBreakAdd->setEnabled(custom);
    cmdTieBreakRemove->setEnabled(custom && row >= 0 && row < count);
    cmdTieBreakUp->setEnabled(custom && row > 0 && row < count);
    cmdTieBreakDown->setEnabled(custom && row >= 0 && row + 1 < count);
    // Points alone would be no order of the list: an empty list is no rule.
    btnTieBreaks->button(QDialogButtonBox::Ok)->setEnabled(!custom || count > 0);
}

void TieBreaksDialog::cmdTieBreakAdd_Click()
{
    const std::optional<TieBreak> tb = offered(cmbTieBreakChoice->currentData().toString());
    if (!tb)
        return;
    m_custom.push_back(*tb);
    showList(m_custom);
    lstTieBreaks->setCurrentRow(int(m_custom.size()) - 1);
    enableCommands();
}

void TieBreaksDialog::cmdTieBreakRemove_Click()
{
    const int row = lstTieBreaks->currentRow();
    if (row < 0 || row >= int(m_custom.size()))
        return;
    m_custom.erase(m_custom.begin() + row);
    showList(m_custom);
    enableCommands();
}

void TieBreaksDialog::moveChosen(int by)
{
    const int row = lstTieBreaks->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= int(m_custom.size()) || row >= int(m_custom.size()))
        return;
    std::swap(m_custom[std::size_t(row)], m_custom[std::size_t(to)]);
    showList(m_custom);
    lstTieBreaks->setCurrentRow(to);
    enableCommands();
}

} // namespace krugovik
