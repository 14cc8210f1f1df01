// «Файл» → «Открыть TRF…»: a round robin from another program becomes a tournament file.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "app/main_window.h"
#include "base/base_file.h"
#include "base/player_record.h"
#include "common/message_box.h"
#include "common/save_file.h"
#include "trf/trf_import.h"
#include "trf/trf_reader.h"

using namespace krugovik;

namespace {

// The most a TRF of 22 players in 4 cycles could hold, many times over.
constexpr qint64 kLargestTrf = 4 * 1024 * 1024;

// The tournament a TRF file makes, or the director's reason why none.
struct OpenedTrf {
    ImportedTournament tournament;
    QString refusal;
};

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
    TrfError why;
    bool ok = false;
    if (read.ok())
        out.tournament = importTrf(read.file, why, ok);
    else
        why = read.errors.front();
    if (!ok)
        out.refusal =
            (why.line > 0 ? QCoreApplication::translate("MainWindow", "строка %1: ").arg(why.line)
                          : QString()) +
            QString::fromStdString(why.reason);
    return out;
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

    // The tournament file beside the TRF, under its name: KUBOK.trf gives KUBOK.TXT.
    const QString proposed = QFileInfo(source).absoluteDir().filePath(
        QFileInfo(source).completeBaseName() + QStringLiteral(".TXT"));
    QFileDialog save(this, tr("Сохранить турнир"), proposed, tr("Текстовые файлы (*.TXT)"));
    save.setObjectName(QStringLiteral("dlgImportTrfSave"));
    save.setOption(QFileDialog::DontUseNativeDialog);
    save.setAcceptMode(QFileDialog::AcceptSave);
    save.setDefaultSuffix(QStringLiteral("TXT"));
    save.selectFile(proposed);
    save.setModal(true);
    if (save.exec() != QDialog::Accepted || save.selectedFiles().isEmpty())
        return;
    const QString target = save.selectedFiles().constFirst();

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

    const std::string bytes = tournament.fileBytes();
    const QString failure =
        saveWholeFile(target, QByteArray(bytes.data(), qsizetype(bytes.size())));
    if (!failure.isEmpty()) {
        showMessage(this, tr("Файл %1 не сохранён: %2.").arg(target, failure), tr("Ошибка"),
                    QMessageBox::Warning);
        return;
    }
    closeTournament();
    m_tourFilePath = target;
    showTournament();
}
