#include "ui/tournament_window.h"

#include <QCheckBox>
#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "common/file_layer.h"
#include "common/fonts.h"
#include "common/message_box.h"
#include "common/number_text.h"
#include "common/twips.h"
#include "export/tournament_snapshot.h"
#include "rounds/berger_schedule.h"
#include "table/tournament_store.h"
#include "ui/base_editor.h"
#include "ui/cross_table.h"
#include "ui/picture_button.h"
#include "ui/round_display.h"
#include "ui/table_texts.h"
#include "ui/tournament_document.h"
#include "ui/tournament_table_model.h"
#include "ui/withdrawal_menu.h"

namespace krugovik {
namespace {

// The window's client area in twips: wide enough for a 22-player table, tall enough
// for the round display.
constexpr double kWindowWidth = 15135;
constexpr double kWindowHeight = 9700;
constexpr double kGridLeft = 0;
constexpr double kGridTop = 1800;

} // namespace

TournamentWindow::TournamentWindow(std::function<QString()> tourFilePath, FileLayer *files,
                                   QWidget *parent, ButtonIcons *icons)
    : QWidget(parent), m_tourFilePath(std::move(tourFilePath)), m_files(files), m_icons(icons)
{
    setObjectName(QStringLiteral("frmVantor"));
    if (!m_files)
        m_files = new FileLayer(this);
    if (!m_icons) {
        m_ownIcons = std::make_unique<ButtonIcons>(style());
        m_icons = m_ownIcons.get();
    }
    m_store = std::make_unique<TournamentStore>(m_files);
    setFont(screenFont(9));
    // The widgets come in the order the keyboard visits them.
    createGrid();
    m_editor = new BaseEditor(this, m_files, m_document, *m_icons);
    createCommands();
    m_rounds = new RoundDisplay(this, m_document, *m_icons);
    connect(m_rounds, &RoundDisplay::protocolRequested, this, &TournamentWindow::printProtocol);
    m_editor->createFindBox(grdTable);
    createRecoveryCopy();
    putIntoScrollArea();
}

void TournamentWindow::putIntoScrollArea()
{
    // The controls keep their places in twips on a page of the design size; on a screen
    // smaller than the page the window shrinks and the page scrolls, on a larger one the
    // window is the page and nothing scrolls.
    m_page = new QWidget;
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!w->isWindow())
            w->setParent(m_page);
    }
    const QSize page(twipsToPixels(kWindowWidth, this), twipsToPixels(kWindowHeight, this));
    m_page->setFixedSize(page);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    // A click on a control that takes no keyboard leaves the keyboard where it was.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidget(m_page);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    // Room for the scroll bars beside the page when it scrolls the other way.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    setMaximumSize(page + QSize(bar, bar));
    resize(page);
}

QSize TournamentWindow::sizeHint() const
{
    return m_page ? m_page->size() : QWidget::sizeHint();
}

TournamentWindow::~TournamentWindow()
{
    // Gone without the question (the program ended some other way): the work still reaches
    // the recovery copy.
    WritePendingRecoveryCopy();
    // The history empties itself as it goes, after this window has stopped listening.
    m_document->disconnect(this);
    m_document->undoStack()->disconnect(this);
}

void TournamentWindow::createGrid()
{
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    // Up to the spin of cycles on the same row.
    placeInTwips(lblInfo, 60, 1500, 7600, 285);

    m_document = new TournamentDocument(this);
    grdTable = new CrossTable(this);
    grdTable->setObjectName(QStringLiteral("grdTable"));
    // The item model goes with the document, and the view lets go of it then. It hears of
    // every change first, so that the window finds the grid's new size.
    grdTable->setModel(new TournamentTableModel(m_document, m_document));
    connect(m_document, &TournamentDocument::changed, this, &TournamentWindow::ShowTournament);
    // Small enough for the headers to fit their columns.
    grdTable->setFont(screenFont(8));
    grdTable->move(twipsToPixels(kGridLeft, this), twipsToPixels(kGridTop, this));
    const QString keys =
        tr("Клавиатура: стрелки, Tab, Home, End — выбор клетки.\n"
           "В клетке партии: 1 — победа, 0 — поражение, 5 или = — ничья (0.5),\n"
           "+ — победа без игры, - — поражение без игры, Delete или Backspace — без результата,\n"
           "пробел — следующий результат, как щелчок.\n"
           "Enter или пробел на номере игрока — занести в строку игрока из базы,\n"
           "на заголовке — как щелчок по нему.");
    grdTable->setToolTip(keys);
    grdTable->viewport()->setToolTip(keys);
    // The design layout: a three-player table.
    LayOutGrid();
    connect(grdTable, &CrossTable::cellClicked, this, &TournamentWindow::grdTable_Click);
    connect(grdTable, &CrossTable::cellKeyPressed, this, &TournamentWindow::grdTable_KeyDown);
    // A player who leaves: the row's menu.
    new WithdrawalMenu(this, grdTable, m_document);
}

void TournamentWindow::createCommands()
{
    cmdSave = pictureButton(this, "cmdSave", m_icons->standard(QStyle::SP_DialogSaveButton),
                            tr("Сохранение результатов текущего турнира"));
    placeInTwips(cmdSave, 9300, 60, kPictureButton, kPictureButton);
    connect(cmdSave, &QToolButton::clicked, this, &TournamentWindow::cmdSave_Click);
    cmdPrint = pictureButton(this, "cmdPrint", m_icons->printer(QColor(90, 90, 90)),
                             tr("Распечатать таблицу"));
    placeInTwips(cmdPrint, 9740, 60, kPictureButton, kPictureButton);
    connect(cmdPrint, &QToolButton::clicked, this, &TournamentWindow::cmdPrint_Click);
    // The find box shares the editor's row: the print label takes two lines.
    lblPrint = new QLabel(tr("Печать турнирной таблицы"), this);
    lblPrint->setObjectName(QStringLiteral("lblPrint"));
    lblPrint->setWordWrap(true);
    lblPrint->setFont(screenFont(8));
    placeInTwips(lblPrint, 10220, 30, 1760, 480);

    vscPlayer = new QScrollBar(Qt::Vertical, this);
    vscPlayer->setObjectName(QStringLiteral("vscPlayer"));
    vscPlayer->setRange(1, Tournament::kMostPlayers);
    vscPlayer->setSingleStep(1);
    vscPlayer->setPageStep(1);
    vscPlayer->setValue(Tournament::kFewestPlayers);
    // One bar holds both arrows, so its tooltip names each of them.
    vscPlayer->setToolTip(tr("Число участников турнира.\n"
                             "Верхняя стрелка — на одного игрока меньше,\n"
                             "нижняя стрелка — на одного игрока больше."));
    placeInTwips(vscPlayer, 12300, 765, 255, 510);
    connect(vscPlayer, &QScrollBar::valueChanged, this, &TournamentWindow::vscPlayer_Change);
    lblPlayerCount = new QLabel(this);
    lblPlayerCount->setObjectName(QStringLiteral("lblPlayerCount"));
    lblPlayerCount->setFont(screenFont(8));
    placeInTwips(lblPlayerCount, 12650, 570, 1500, 280);
    connect(vscPlayer, &QScrollBar::valueChanged, lblPlayerCount, [this](int count) {
        lblPlayerCount->setText(QString::fromStdString(playerCountText(count)));
    });
    lblPlayerCount->setText(QString::fromStdString(playerCountText(vscPlayer->value())));

    chkSdvig = new QCheckBox(tr("Полная таблица"), this);
    chkSdvig->setObjectName(QStringLiteral("chkSdvig"));
    chkSdvig->setChecked(true);
    chkSdvig->setToolTip(tr("Уменьшает поле таблицы под разрешение 800 на 600"));
    placeInTwips(chkSdvig, 12650, 855, 2400, 330);
    connect(chkSdvig, &QCheckBox::toggled, this, &TournamentWindow::chkSdvig_Click);

    lblCycles = new QLabel(tr("Циклов:"), this);
    lblCycles->setObjectName(QStringLiteral("lblCycles"));
    // On the row above the grid, right of where the information label's short texts end.
    placeInTwips(lblCycles, 7700, 1500, 800, 285);
    spnCycles = new QSpinBox(this);
    spnCycles->setObjectName(QStringLiteral("spnCycles"));
    spnCycles->setRange(1, kMostCycles);
    spnCycles->setValue(1);
    spnCycles->setToolTip(tr("Сколько раз встречается каждая пара игроков: 1 — "
                             "круговой турнир, 2 — двухкруговой"));
    lblCycles->setBuddy(spnCycles);
    placeInTwips(spnCycles, 8500, 1470, 650, 315);
    connect(spnCycles, &QSpinBox::valueChanged, this, &TournamentWindow::spnCycles_Change);
    chkReverseLastRounds = new QCheckBox(tr("Два последних тура 1-го цикла наоборот"), this);
    chkReverseLastRounds->setObjectName(QStringLiteral("chkReverseLastRounds"));
    chkReverseLastRounds->setChecked(true);
    chkReverseLastRounds->setEnabled(false); // until a second cycle
    chkReverseLastRounds->setToolTip(
        tr("Два последних тура первого цикла играются в обратном порядке, чтобы "
           "никто не играл трижды подряд одним цветом (совет ФИДЕ для "
           "многокруговых турниров)"));
    placeInTwips(chkReverseLastRounds, 9350, 1500, 5000, 285);
    connect(chkReverseLastRounds, &QCheckBox::toggled, this,
            &TournamentWindow::chkReverseLastRounds_Click);

    cmdExit = new QPushButton(tr("Выход"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    // Clear of the scroll bar of a window that scrolls up and down on a screen 1024 wide.
    placeInTwips(cmdExit, 14100, 60, 880, kPictureButton);
    connect(cmdExit, &QPushButton::clicked, this, &TournamentWindow::cmdExit_Click);
}

void TournamentWindow::Form_Load()
{
    m_loading = true;
    m_changedOutsideHistory = false;
    setWindowTitle(m_tourFilePath());
    m_editor->load();
    const std::optional<FileDescription> file = LoadTurnir();
    if (file)
        lblInfo->clear();
    // A new tournament and a new history; the spin cannot go below the count read.
    m_document->load(file);
    {
        const QSignalBlocker quiet(vscPlayer);
        vscPlayer->setValue(m_document->tournament().playerCount());
        vscPlayer->setMinimum(m_document->tournament().lowestCount());
        // The arrows' tooltip says why they stop above three players.
        const int lowest = m_document->tournament().lowestCount();
        const QString arrows = vscPlayer->toolTip().section(QStringLiteral("\n\n"), 0, 0);
        vscPlayer->setToolTip(lowest > Tournament::kFewestPlayers
                                  ? arrows + QStringLiteral("\n\n") +
                                        QString::fromStdString(lowestCountText(lowest))
                                  : arrows);
    }
    lblPlayerCount->setText(
        QString::fromStdString(playerCountText(m_document->tournament().playerCount())));
    m_loading = false;
    // A restored recovery copy is the one change a load can bring.
    ShowUnsavedMark();
    // No stray key reaches the editor.
    grdTable->setFocus();
}

TournamentSnapshot TournamentWindow::snapshot() const
{
    return m_document->tournament().snapshot(
        QFileInfo(m_tourFilePath()).completeBaseName().toStdString(),
        QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString());
}

QUndoStack *TournamentWindow::undoStack() const
{
    return m_document->undoStack();
}

void TournamentWindow::Save()
{
    if (cmdSave->isEnabled())
        cmdSave_Click();
}

void TournamentWindow::cmdExit_Click()
{
    // With changes not yet saved, the question about them takes the exit question's place.
    if (hasUnsavedChanges()) {
        if (ConfirmLeaving())
            emit exitRequested();
        return;
    }
    if (askYesNo(this, tr("Вы действительно хотите выйти из программы?"), tr("Выход из программы"),
                 QMessageBox::Question))
        emit exitRequested();
}

} // namespace krugovik
