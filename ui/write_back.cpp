// Commands on the whole base: writing new ratings back, with the check of names that
// differ from their records, and printing the list.
#include <QCoreApplication>
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
    // The records are read straight from the file, decoded at once: the code page has one
    // character a byte, so record k starts at character (k - 1) × 29. The editor ends on
    // the last record. An edit of the record on show is kept first, as the arrows keep it,
    // since leaving the record would otherwise lose it.
    if (recordMayBeLeft())
        SaveCurrentRecord();
    const QByteArray bytes = Base.readAll();
    const QString text =
        fromCodePage(bytes).leftJustified(int(RecordCount * kRecordLength), QLatin1Char(' '));
    std::vector<std::int64_t> ratings;
    QStringList names;
    ratings.reserve(std::size_t(RecordCount));
    names.reserve(int(RecordCount));
    for (qint64 r = 0; r < RecordCount; ++r) {
        const qsizetype start = qsizetype(r * qint64(kRecordLength));
        const QString rate = text.mid(start + qsizetype(kRateOffset), qsizetype(kRateWidth));
        ratings.push_back(readFixed(rate.toStdString()).roundToInteger());
        names << text.mid(start + qsizetype(kNameOffset), qsizetype(kNameWidth))
                     .trimmed()
                     .leftJustified(int(kNameWidth), QLatin1Char(' '), true);
    }
    CurrentRecord = RecordCount;
    ShowCurrentRecord();

    // Its PDF goes beside the base.
    const QFileInfo base(Base.path());
    Printer printer(QCoreApplication::translate("WriteBack", "Список игроков"),
                    base.completeBaseName() + QLatin1Char('-') +
                        QCoreApplication::translate(
                            "WriteBack", "spisok",
                            "file name of the player list's PDF after the base's; Latin letters only"),
                    base.absolutePath());
    printer.setFont(QStringLiteral("MS Sans Serif"), 14);
    // The first letter of the title is a Latin C.
    printer.printLine(
        QCoreApplication::translate("WriteBack", "           CПИСОК ИГРОКОВ И ИХ РЕЙТИНГИ"));
    printer.printLine();
    const std::vector<std::size_t> order = printOrder(ratings);
    for (std::size_t k = 0; k < order.size(); ++k) {
        // The number in a column of its own: padded with figure spaces, as wide as digits.
        printer.printLine(QString::number(k + 1).rightJustified(4, QChar(0x2007)) +
                          QStringLiteral("   ") + names[int(order[k])] +
                          QString::fromStdString(formatDisplay(ratings[order[k]])));
    }
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
