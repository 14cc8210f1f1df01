// Commands on the whole base: writing new ratings back, with the check of names that
// differ from their records, and printing the list.
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QStringList>

#include "base/base_file.h"
#include "base/base_list.h"
#include "base/name_check.h"
#include "common/codepage.h"
#include "common/message_box.h"
#include "common/number_text.h"
#include "common/printer.h"
#include "ui/base_editor.h"
#include "ui/tournament_document.h"

namespace krugovik {

void BaseEditor::cmdZapisBase_Click()
{
    m_document->correctAndRate();
    if (RefuseReadOnlyBase())
        return;
    // The record on show is left for the players' records below: an edit of it, or a new
    // record being typed, is kept first, as the arrows keep it.
    if (recordMayBeLeft())
        SaveCurrentRecord();
    const Tournament &t = m_document->tournament();
    const std::vector<NewRating> ratings = t.newRatings();
    const std::vector<bool> write = RowsToWriteBack();
    QStringList skipped;
    for (int i = 1; i <= t.playerCount(); ++i) {
        const QString name = QString::fromStdString(t.name(i));
        // A row never entered from the base has no record to write into.
        if (t.baseRecordNo(i) < 1 || t.baseRecordNo(i) > RecordCount) {
            skipped << QCoreApplication::translate("WriteBack", "%1 (строка %2)")
                           .arg(name, QString::number(i));
            continue;
        }
        if (!write[std::size_t(i)])
            continue;
        CurrentRecord = t.baseRecordNo(i);
        ShowCurrentRecord();
        txtName->setText(name.trimmed());
        txtRate->setText(QString::fromStdString(ratings[std::size_t(i - 1)].cell).trimmed());
        txtNR->setText(QString());
        SaveCurrentRecord();
    }
    if (!skipped.isEmpty())
        showMessage(m_window,
                    QCoreApplication::translate(
                        "WriteBack", "Эти игроки не взяты из базы, и их рейтинги не записаны: %1.")
                        .arg(skipped.join(QStringLiteral(", "))));
}

void BaseEditor::cmdPrintBase_Click()
{
    printBaseList(false);
}

void BaseEditor::printBaseList(bool entrantsOnly)
{
    // The records are read straight from the file, decoded at once: the code page has one
    // character a byte, so record k starts at character (k - 1) × 29. The editor ends on
    // the last record. An edit of the record on show is kept first, as the arrows keep it,
    // since leaving the record would otherwise lose it.
    if (recordMayBeLeft())
        SaveCurrentRecord();
    const QByteArray bytes = Base.readAll();
    const QString text =
        fromCodePage(bytes).leftJustified(int(RecordCount * kRecordLength), QLatin1Char(' '));
    // The tournament's rows that came from this base, each record once.
    std::vector<bool> entrant(std::size_t(RecordCount) + 1, !entrantsOnly);
    const Tournament &t = m_document->tournament();
    for (int i = 1; entrantsOnly && i <= t.playerCount(); ++i) {
        if (t.baseRecordNo(i) >= 1 && t.baseRecordNo(i) <= RecordCount)
            entrant[std::size_t(t.baseRecordNo(i))] = true;
    }
    std::vector<ListedPlayer> players;
    players.reserve(std::size_t(RecordCount));
    for (qint64 r = 0; r < RecordCount; ++r) {
        if (!entrant[std::size_t(r + 1)])
            continue;
        const qsizetype start = qsizetype(r * qint64(kRecordLength));
        const QString rate = text.mid(start + qsizetype(kRateOffset), qsizetype(kRateWidth));
        players.push_back({text.mid(start + qsizetype(kNameOffset), qsizetype(kNameWidth))
                               .trimmed()
                               .toStdString(),
                           readFixed(rate.toStdString()).roundToInteger()});
    }
    CurrentRecord = RecordCount;
    ShowCurrentRecord();

    // Its PDF goes beside the base; the club folder's name heads it.
    const QFileInfo base(Base.path());
    PlayerListHeading heading;
    heading.club = base.absoluteDir().dirName().toStdString();
    heading.date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    if (entrantsOnly)
        // The window's caption is the tournament's path, with the unsaved mark's placeholder.
        heading.tournament = QFileInfo(m_window->windowTitle().remove(QStringLiteral("[*]")))
                                 .completeBaseName()
                                 .toStdString();
    Printer printer(
        QCoreApplication::translate("WriteBack", "Список игроков"),
        base.completeBaseName() + QLatin1Char('-') +
            QCoreApplication::translate(
                "WriteBack", "spisok",
                "file name of the player list's PDF after the base's; Latin letters only"),
        base.absolutePath());
    printer.printSheet(playerListSheet(heading, players));
    reportPrintOutcome(printer.endDoc(m_window), m_window);
}

std::vector<bool> BaseEditor::RowsToWriteBack()
{
    const Tournament &t = m_document->tournament();
    std::vector<bool> write(std::size_t(t.playerCount()) + 1, true);
    std::vector<WriteBackRow> rows;
    for (int i = 1; i <= t.playerCount(); ++i) {
        // Rows without a record of this base are left out by the write-back itself.
        if (t.baseRecordNo(i) < 1 || t.baseRecordNo(i) > RecordCount)
            continue;
        const PlayerRecord stored = Base.read(t.baseRecordNo(i));
        rows.push_back(
            {i, t.name(i), fromCodePage(QByteArray::fromStdString(stored.name)).toStdString()});
    }
    const std::vector<NameMismatch> mismatches = nameMismatches(rows);
    if (mismatches.empty())
        return write;
    if (askYesNo(m_window, QString::fromStdString(mismatchQuestion(mismatches)),
                 QCoreApplication::translate("WriteBack", "Запись рейтингов в базу"),
                 QMessageBox::Question, QMessageBox::No))
        return write;
    for (const NameMismatch &m : mismatches)
        write[std::size_t(m.row)] = false;
    return write;
}

} // namespace krugovik
