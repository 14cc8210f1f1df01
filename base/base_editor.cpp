// The base editor: one BASE.DAT record at a time in txtName, txtRate and txtNR.
#include <QLineEdit>

#include "common/codepage.h"
#include "common/message_box.h"
#include "table/tournament_window.h"

namespace krugovik {
namespace {

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
    if (!Base.open())
        reportBaseFailure();
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
}

void TournamentWindow::SaveCurrentRecord()
{
    CurrentPlayer.setName(fieldBytes(txtName->text()));
    CurrentPlayer.setRate(fieldBytes(txtRate->text()));
    CurrentPlayer.setNr(fieldBytes(txtNR->text()));
    if (!Base.write(CurrentRecord, CurrentPlayer))
        reportBaseFailure();
}

void TournamentWindow::reportBaseFailure()
{
    showMessage(this,
                QStringLiteral("Не удалось открыть или записать базу игроков %1: %2")
                    .arg(Base.path(), Base.errorText()),
                QStringLiteral("Ошибка"), QMessageBox::Warning);
}

void TournamentWindow::SetEditorButtonsAtLoad() {}

} // namespace krugovik
