// «Файл» → «Открыть TRF…»: a round robin from another program becomes a tournament file.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "app/main_window.h"
#include "base/base_file.h"
#include "base/player_record.h"
#include "common/message_box.h"
#include "table/tournament_store.h"
#include "trf/trf_check.h"
#include "trf/trf_import.h"
#include "trf/trf_numbering.h"
#include "trf/trf_reader.h"

using namespace krugovik;

namespace {

// The most a TRF of 22 players in 4 cycles could hold, many times over.
constexpr qint64 kLargestTrf = 4 * 1024 * 1024;
// The longest file name the import proposes, without its extension.
constexpr int kLongestProposedName = 60;

// The tournament a TRF file makes, and what the director must hear of it; or the reason
// why none.
struct OpenedTrf {
    ImportedTournament tournament;
    QString refusal;
    TrfEncoding encoding = TrfEncoding::Ascii;
    std::vector<TrfUnknownRecord> unknown;
    std::string renumbering; // the players who move; empty when none does
};

QString lineReason(const TrfError &why)
{
    return (why.line > 0 ? QCoreApplication::translate("MainWindow", "строка %1: ").arg(why.line)
                         : QString()) +
           QString::fromStdString(why.reason);
}

OpenedTrf readTrfFile(const QString &path)
{
    OpenedTrf out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.refusal = QCoreApplication::translate("MainWindow", "файл не читается: %1")
                          .arg(file.errorString());
        return out;
    }
    if (file.size() > kLargestTrf) {
        out.refusal = QCoreApplication::translate("MainWindow",
                                                  "файл слишком велик для TRF кругового турнира");
        return out;
    }
    const QByteArray bytes = file.readAll();
    const TrfReadResult read = readTrf(std::string_view(bytes.constData(), bytes.size()));
    if (!read.ok()) {
        out.refusal = lineReason(read.errors.front());
        return out;
    }
    out.encoding = read.file.encoding;
    out.unknown = read.file.unknown;
    if (const std::optional<TrfError> scope = outOfScope(read.file)) {
        out.refusal = lineReason(*scope);
        return out;
    }
    // A round robin numbered otherwise is taken in the table's numbering.
    const std::optional<TrfRenumbering> renumbering = bergerRenumbering(read.file);
    if (!renumbering) {
        out.refusal = QCoreApplication::translate(
            "MainWindow", "пары туров не по таблице Бергера, и никакая перенумерация игроков "
                          "их такими не делает");
        return out;
    }
    const TrfFile numbered = renumbered(read.file, *renumbering);
    out.renumbering = renumberingText(*renumbering);
    TrfError why;
    bool ok = false;
    out.tournament = importTrf(numbered, why, ok);
    if (!ok)
        out.refusal = lineReason(why);
    return out;
}

// What the director should know before the tournament is made; empty when the file held
// nothing beyond plain text in the table's numbering.
QString summaryOf(const OpenedTrf &opened)
{
    QStringList parts;
    if (opened.encoding != TrfEncoding::Ascii)
        parts << QCoreApplication::translate("MainWindow", "Кодировка файла: %1.")
                     .arg(QString::fromStdString(encodingName(opened.encoding)));
    if (!opened.renumbering.empty())
        parts << QCoreApplication::translate(
                     "MainWindow",
                     "Номера игроков в турнире: %1 (номер в файле → номер в турнире).")
                     .arg(QString::fromStdString(opened.renumbering));
    if (!opened.tournament.folded.empty()) {
        QStringList names;
        for (const ImportedTournament::FoldedName &name : opened.tournament.folded)
            names << QStringLiteral("%1 → %2").arg(QString::fromStdString(name.original),
                                                   QString::fromStdString(name.stored));
        parts << QCoreApplication::translate(
                     "MainWindow", "Имена, приведённые к буквам кодировки Windows-1251: %1.")
                     .arg(names.join(QStringLiteral(", ")));
    }
    if (!opened.unknown.empty()) {
        QStringList lines;
        for (const TrfUnknownRecord &record : opened.unknown)
            lines << QCoreApplication::translate("MainWindow", "строка %1: код %2")
                         .arg(record.line)
                         .arg(QString::fromStdString(record.code));
        parts << QCoreApplication::translate(
                     "MainWindow", "Записи с кодами, которых нет в формате TRF, программа "
                                   "пропускает: %1.")
                     .arg(lines.join(QStringLiteral("; ")));
    }
    return parts.join(QStringLiteral("\n\n"));
}

// A file name from the event's title: what a file system refuses left out, blanks kept.
QString nameFromTitle(const std::string &title)
{
    QString name;
    for (const QChar c : QString::fromStdString(title)) {
        if (c.isPrint() && !QStringLiteral("/\\:*?\"<>|").contains(c))
            name += c;
    }
    name = name.simplified().left(kLongestProposedName);
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}

// The tournament file the import proposes: in the TRF's folder, named after the event's
// title, else after the TRF; never a file that exists, so never the open tournament's.
QString proposedTarget(const QString &source, const std::string &title)
{
    const QDir folder = QFileInfo(source).absoluteDir();
    QString base = nameFromTitle(title);
    if (base.isEmpty())
        base = QFileInfo(source).completeBaseName();
    const QString extension = QStringLiteral(".TXT");
    QString proposed = folder.filePath(base + extension);
    for (int k = 2; QFileInfo::exists(proposed); ++k)
        proposed = folder.filePath(QStringLiteral("%1-%2%3").arg(base).arg(k).arg(extension));
    return proposed;
}

bool sameFile(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() &&
           QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

void MainWindow::mnuImportTrf_Click()
{
    if (!mayCloseTournament())
        return;
    QFileDialog open(this, tr("Открыть TRF"), QDir::currentPath(),
                     tr("Файлы TRF (*.trf *.TRF *.txt *.TXT)"));
    open.setObjectName(QStringLiteral("dlgImportTrf"));
    open.setOption(QFileDialog::DontUseNativeDialog);
    open.setAcceptMode(QFileDialog::AcceptOpen);
    open.setFileMode(QFileDialog::ExistingFile);
    open.setModal(true);
    if (open.exec() != QDialog::Accepted || open.selectedFiles().isEmpty())
        return;
    const QString source = open.selectedFiles().constFirst();
    OpenedTrf opened = readTrfFile(source);
    if (!opened.refusal.isEmpty()) {
        showMessage(this,
                    tr("Турнир из файла %1 не создан: %2.")
                        .arg(QFileInfo(source).fileName(), opened.refusal),
                    tr("Ошибка"), QMessageBox::Warning);
        return;
    }
    ImportedTournament &tournament = opened.tournament;
    // Records the program cannot read are not dropped behind the director's back.
    if (const QString summary = summaryOf(opened); !opened.unknown.empty()) {
        if (!askYesNo(this,
                      tr("Файл %1:\n\n%2\n\nСоздать турнир без этих записей?")
                          .arg(QFileInfo(source).fileName(), summary),
                      programName(), QMessageBox::Question, QMessageBox::No))
            return;
    } else if (!summary.isEmpty()) {
        showMessage(this, tr("Файл %1:\n\n%2").arg(QFileInfo(source).fileName(), summary),
                    programName(), QMessageBox::Information);
    }

    const QString proposed = proposedTarget(source, tournament.extension.event.title);
    QFileDialog save(this, tr("Сохранить турнир"), proposed, tr("Текстовые файлы (*.TXT)"));
    save.setObjectName(QStringLiteral("dlgImportTrfSave"));
    // The program asks its own question, naming the file, before one is replaced.
    save.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    save.setAcceptMode(QFileDialog::AcceptSave);
    save.setDefaultSuffix(QStringLiteral("TXT"));
    save.selectFile(proposed);
    save.setModal(true);
    if (save.exec() != QDialog::Accepted || save.selectedFiles().isEmpty())
        return;
    const QString target = save.selectedFiles().constFirst();
    const bool replacesOpen = sameFile(target, m_tourFilePath) && openTournamentWindow();
    if (QFileInfo::exists(target)) {
        const QString question =
            replacesOpen
                ? tr("Файл %1 — открытый сейчас турнир. Заменить его турниром из файла %2?")
                : tr("Файл %1 уже есть. Заменить его турниром из файла %2?");
        if (!askYesNo(this,
                      question.arg(QDir::toNativeSeparators(target), QFileInfo(source).fileName()),
                      programName(), QMessageBox::Warning, QMessageBox::No))
            return;
    }

    // Players the base lacks are added after one question, so that the ratings can be
    // written back to them.
    BaseFile base;
    const QString basePath = QFileInfo(target).absoluteDir().filePath(BaseFile::kFileName);
    if (base.open(basePath)) {
        std::vector<BaseEntry> entries;
        const qint64 count = recordCountForLength(base.length());
        const IdentityTable identities = base.identities();
        for (qint64 k = 1; k <= count; ++k) {
            const auto identity = identities.find(k);
            entries.push_back(
                {base.read(k).name, identity == identities.end() ? 0 : identity->second.fideId});
        }
        const int missing = matchToBase(tournament, entries);
        const bool add =
            missing > 0 && askYesNo(this, tr("Игроков из файла нет в базе: %n. Добавить их в базу?",
                                             nullptr, missing));
        for (std::size_t k = 0; add && k < tournament.players.size(); ++k) {
            if (tournament.players[k].baseRecordNo != 0)
                continue;
            PlayerRecord record;
            record.setName(tournament.players[k].name);
            record.setRate(tournament.players[k].rating);
            const qint64 recordNo = base.append(record);
            if (recordNo == 0) {
                showMessage(this, tr("Игроки не добавлены в базу: %1.").arg(base.errorText()),
                            tr("Ошибка"), QMessageBox::Warning);
                break;
            }
            tournament.players[k].baseRecordNo = int(recordNo);
        }
    }

    // Through the store: the bytes are read back before anything is written.
    if (replacesOpen)
        closeTournament();
    TournamentStore store(m_files);
    store.open(target);
    const TournamentStore::Saved saved = store.save(tournament.fileBytes());
    if (!saved.written) {
        const QString why = saved.ownFault.isEmpty() ? saved.failure : saved.ownFault;
        showMessage(this, tr("Файл %1 не сохранён: %2.").arg(target, why), tr("Ошибка"),
                    QMessageBox::Warning);
        // Its file is as it was: the tournament comes back as it stood.
        if (replacesOpen)
            showTournament();
        return;
    }
    closeTournament();
    m_tourFilePath = target;
    showTournament();
}
