// Changes not yet saved: the caption's mark, the question before the tournament is left,
// and the recovery copy that keeps them through a crash or a power cut.
#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

#include "common/message_box.h"
#include "table/tournament_store.h"
#include "ui/tournament_document.h"
#include "ui/tournament_window.h"

namespace krugovik {
namespace {

// The copy trails the first change of a burst by this much, so that a crash loses at most
// a second of work while a click never waits for the disk.
constexpr int kRecoveryDelayMs = 500;

// The question about unsaved changes. Discard takes Qt's own words «Не сохранять» rather
// than the generic wording a platform would pick, also after the texts are translated anew.
class SaveQuestion : public QMessageBox {
  public:
    SaveQuestion(const QString &text, QWidget *parent)
        : QMessageBox(QMessageBox::Question, programName(), text,
                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent)
    {
        setDefaultButton(QMessageBox::Save);
        nameDiscard();
    }

  protected:
    // After the box and its buttons have taken the new texts.
    bool event(QEvent *event) override
    {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LanguageChange)
            nameDiscard();
        return handled;
    }

  private:
    void nameDiscard()
    {
        button(QMessageBox::Discard)
            ->setText(QCoreApplication::translate("QCocoaTheme", "Don't Save"));
    }
};

} // namespace

void TournamentWindow::createRecoveryCopy()
{
    m_recoveryTimer = new QTimer(this);
    m_recoveryTimer->setObjectName(QStringLiteral("recoveryTimer"));
    m_recoveryTimer->setSingleShot(true);
    m_recoveryTimer->setInterval(kRecoveryDelayMs);
    connect(m_recoveryTimer, &QTimer::timeout, this, &TournamentWindow::WriteRecoveryCopy);
    // Every step pushed, taken back or brought back moves the history's index.
    connect(m_document->undoStack(), &QUndoStack::indexChanged, this,
            &TournamentWindow::TableChanged);
}

void TournamentWindow::ShowUnsavedMark()
{
    // The caption is the bare path while nothing is unsaved; the mark needs its placeholder.
    const bool modified = hasUnsavedChanges();
    const QString title = m_tourFilePath() + (modified ? QStringLiteral("[*]") : QString());
    // Every change asks; the frame redraws its caption only when the caption changes.
    if (modified == isWindowModified() && windowTitle() == title)
        return;
    if (modified)
        setWindowTitle(title);
    setWindowModified(modified);
    if (!modified)
        setWindowTitle(m_tourFilePath());
}

bool TournamentWindow::hasUnsavedChanges() const
{
    return m_changedOutsideHistory || !m_document->undoStack()->isClean();
}

void TournamentWindow::TableChanged()
{
    if (m_loading)
        return;
    ShowUnsavedMark();
    // Not restarted by later changes: a run of clicks cannot hold the copy back.
    if (!m_recoveryTimer->isActive())
        m_recoveryTimer->start();
}

void TournamentWindow::MarkSaved()
{
    m_changedOutsideHistory = false;
    m_document->undoStack()->setClean();
    ShowUnsavedMark();
    m_recoveryTimer->stop();
    m_store->removeRecoveryCopy();
}

void TournamentWindow::WritePendingRecoveryCopy()
{
    if (!m_recoveryTimer->isActive())
        return;
    m_recoveryTimer->stop();
    WriteRecoveryCopy();
}

void TournamentWindow::WriteRecoveryCopy()
{
    if (!hasUnsavedChanges()) {
        // Taken back to what the file holds.
        m_store->removeRecoveryCopy();
        return;
    }
    // A copy that cannot be written is no loss of its own; the next change tries again.
    m_store->writeRecoveryCopy(m_document->tournament().fileBytes());
}

bool TournamentWindow::ConfirmLeaving()
{
    if (!hasUnsavedChanges())
        return true;
    SaveQuestion question(
        tr("Сохранить изменения в турнире %1?").arg(QFileInfo(m_tourFilePath()).fileName()), this);
    switch (question.exec()) {
    case QMessageBox::Save:
        if (!cmdSave->isEnabled()) {
            showMessage(this, tr("Турнир не сохранён: в таблице есть строки без "
                                 "игроков."));
            return false;
        }
        return SaveTournament();
    case QMessageBox::Discard:
        MarkSaved();
        return true;
    default:
        return false;
    }
}

bool TournamentWindow::AskRestoring(const QDateTime &written)
{
    return askYesNo(this,
                    tr("Найдена несохранённая версия турнира %1 от %2. Восстановить?")
                        .arg(QFileInfo(m_tourFilePath()).fileName(),
                             written.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"))));
}

void TournamentWindow::closeEvent(QCloseEvent *event)
{
    if (ConfirmLeaving())
        event->accept();
    else
        event->ignore();
}

} // namespace krugovik
