// The base editor: one BASE.DAT record at a time in txtName, txtRate and txtNR.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include "common/codepage.h"
#include "common/file_layer.h"
#include "common/message_box.h"
#include "common/number_text.h"
#include "table/tournament_window.h"

namespace krugovik {
namespace {

// The estimate each sports category gives, by option number.
constexpr std::array<int, kCategoryCount + 1> CategoryRating = {
    0, 1000, 1150, 1350, 1550, 1500, 1725, 1625, 1825, 1700, 1925, 1775, 2025, 1850};
constexpr int kLowestRating = 1000;
constexpr int kHighestRating = 3000;

QString fieldText(const std::string &field)
{
    return fromCodePage(QByteArray::fromStdString(field));
}

std::string fieldBytes(const QString &text)
{
    return toCodePage(text).toStdString();
}

} // namespace

void TournamentWindow::OpenBase()
{
    const QString refusal = m_files->writeRefusal(BaseFile::kFileName);
    if (!Base.open(BaseFile::kFileName, refusal))
        reportBaseFailure();
    else if (Base.isReadOnly())
        ReportReadOnlyBase();
    CurrentRecord = 1;
    RecordCount = recordCountForLength(Base.length());
    ShowCurrentRecord();
}

void TournamentWindow::ShowCurrentRecord()
{
    CurrentPlayer = Base.read(CurrentRecord);
    CurrentPlayer.setName(trimBlanks(CurrentPlayer.name));
    txtName->setText(fieldText(trimBlanks(CurrentPlayer.name)));
    CurrentPlayer.setRate(trimBlanks(CurrentPlayer.rate));
    txtRate->setText(fieldText(trimBlanks(CurrentPlayer.rate)));
    CurrentPlayer.setNr(trimBlanks(CurrentPlayer.nr));
    txtNR->setText(fieldText(trimBlanks(CurrentPlayer.nr)));
    ShowRecordNumber();
}

void TournamentWindow::SaveCurrentRecord()
{
    PlayerRecord edited;
    edited.setName(fieldBytes(txtName->text()));
    edited.setRate(fieldBytes(txtRate->text()));
    edited.setNr(fieldBytes(txtNR->text()));
    // CurrentPlayer holds the record as shown. Only what the director changed since is
    // written, so another window's write into this record survives browsing.
    const ChangedFields changed = changedFields(CurrentPlayer, edited);
    if (!changed.any())
        return;
    if (!Base.writeChanges(CurrentRecord, edited, changed)) {
        reportBaseFailure();
        return;
    }
    CurrentPlayer = edited;
}

void TournamentWindow::reportBaseFailure()
{
    QString text = QStringLiteral("Не удалось открыть или записать базу игроков %1: %2");
    if (Base.isReadOnly())
        text = QStringLiteral("Изменение не записано в базу игроков %1: %2.");
    showMessage(this, text.arg(Base.path(), Base.errorText()), QStringLiteral("Ошибка"),
                QMessageBox::Warning);
}

void TournamentWindow::SetEditorButtonsAtLoad()
{
    if (!txtName->text().isEmpty() && !txtRate->text().isEmpty()) {
        cmdNew->setEnabled(true);
        cmdNext->setEnabled(RecordCount > 1);
    } else {
        cmdNew->setEnabled(false);
        cmdNext->setEnabled(false);
        cmdPrevious->setEnabled(false);
    }
    cmdPrevious->setEnabled(false);
    UpdateFindBox();
}

bool TournamentWindow::recordMayBeLeft() const
{
    const Fixed rating = readFixed(txtRate->text().toStdString());
    return !txtName->text().isEmpty() && rating >= Fixed::fromInt(kLowestRating) &&
           rating <= Fixed::fromInt(kHighestRating);
}

void TournamentWindow::ApplyButtonRule()
{
    const bool valid = recordMayBeLeft();
    cmdNew->setEnabled(valid);
    cmdPrevious->setEnabled(valid);
    cmdNext->setEnabled(valid);
    if (CurrentRecord == RecordCount)
        cmdNext->setEnabled(false);
    if (CurrentRecord == 1)
        cmdPrevious->setEnabled(false);
}

void TournamentWindow::txtNR_Change()
{
    chkRate->setChecked(txtNR->text() != QLatin1String("N"));
}

void TournamentWindow::UpdateLabel()
{
    const bool rated = chkRate->isChecked();
    for (int k = 1; k <= kCategoryCount; ++k)
        optRanc[k]->setVisible(!rated);
    lblM->setVisible(!rated);
    lblD->setVisible(!rated);
    chkRate->setText(rated ? QStringLiteral("Рейтинг") : QStringLiteral("Нет рейтинга"));
    txtRate->setEnabled(rated);
    if (rated)
        txtNR->setText(QString());
}

void TournamentWindow::optRanc_Click(int index)
{
    if (optRanc[index]->isChecked())
        txtRate->setText(QString::number(CategoryRating[index]));
    txtNR->setText(QStringLiteral("N"));
    if (!txtName->text().isEmpty()) {
        SaveCurrentRecord();
        cmdNext->setEnabled(false);
    }
}

void TournamentWindow::ClearOpt()
{
    for (int k = 1; k <= kCategoryCount; ++k)
        optRanc[k]->hide();
    lblM->hide();
    lblD->hide();
}

void TournamentWindow::cmdNext_Click()
{
    SaveCurrentRecord();
    ++CurrentRecord;
    ShowCurrentRecord();
    cmdNext->setEnabled(CurrentRecord != RecordCount);
    txtName->setEnabled(true);
    txtName->setFocus();
}

void TournamentWindow::cmdPrevious_Click()
{
    SaveCurrentRecord();
    --CurrentRecord;
    ShowCurrentRecord();
    cmdPrevious->setEnabled(CurrentRecord != 1);
    cmdNext->setEnabled(true);
    txtName->setEnabled(true);
    txtName->setFocus();
}

void TournamentWindow::cmdNew_Click()
{
    SaveCurrentRecord();
    // The new record starts in the mode of the one shown before it.
    CurrentPlayer.setName("");
    CurrentPlayer.setRate("");
    CurrentPlayer.setNr(fieldBytes(txtNR->text()));
    // At the end the file has now: another program on this base may have appended since.
    const qint64 appended = Base.append(CurrentPlayer);
    if (appended == 0) {
        reportBaseFailure();
        return;
    }
    RecordCount = appended;
    CurrentRecord = RecordCount;
    ShowCurrentRecord();
    txtName->setFocus();
    chkRate->setEnabled(true);
    m_categories->setExclusive(false);
    for (int k = 1; k <= kCategoryCount; ++k)
        optRanc[k]->setChecked(false);
    m_categories->setExclusive(true);
    cmdNext->setEnabled(false);
    txtRate->setText(QString());
}

} // namespace krugovik
