#include "table/tournament_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

#include "common/clickable_label.h"
#include "common/codepage.h"
#include "common/file_layer.h"
#include "common/fonts.h"
#include "common/message_box.h"
#include "common/twips.h"
#include "rounds/board_line_label.h"
#include "table/cross_table.h"
#include "table/recovery_copy.h"
#include "table/tournament_document.h"
#include "table/tournament_table_model.h"

namespace krugovik {
namespace {

// The window's client area in twips: wide enough for a 22-player table, tall enough
// for the round display.
constexpr double kWindowWidth = 15135;
constexpr double kWindowHeight = 9700;
constexpr double kGridLeft = 0;
constexpr double kGridTop = 1800;
constexpr double kPictureButton = 420;

// A printer with a sheet coming out, the sheet's lines in the colour of what it prints.
QIcon printerIcon(const QColor &lines)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9.5, 2.5, 13, 10));
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRoundedRect(QRectF(2.5, 11.5, 27, 11), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(7.5, 18.5, 17, 11));
    painter.setPen(QPen(lines, 1.5));
    painter.drawLine(QPointF(10, 22.5), QPointF(22, 22.5));
    painter.drawLine(QPointF(10, 26), QPointF(19, 26));
    return QIcon(pixmap);
}

QToolButton *pictureButton(QWidget *parent, const char *name, const QIcon &icon,
                           const QString &toolTip)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(icon);
    button->setToolTip(toolTip);
    button->setAutoRaise(false);
    return button;
}

} // namespace

TournamentWindow::TournamentWindow(std::function<QString()> tourFilePath, FileLayer *files,
                                   QWidget *parent)
    : QWidget(parent), m_tourFilePath(std::move(tourFilePath)), m_files(files)
{
    setObjectName(QStringLiteral("frmVantor"));
    if (!m_files)
        m_files = new FileLayer(this);
    setFont(programFont(9));
    createGrid();
    createEditor();
    createCategories();
    createCommands();
    createRoundDisplay();
    createFindBox();
    createKeyEntry();
    createGuides();
    createRecoveryCopy();
    setFixedSize(twipsToPixels(kWindowWidth, this), twipsToPixels(kWindowHeight, this));
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

void TournamentWindow::place(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(twipsToPixels(left, this), twipsToPixels(top, this),
                        twipsToPixels(width, this), twipsToPixels(height, this));
}

void TournamentWindow::createGrid()
{
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    place(lblInfo, 60, 1500, 12000, 285);

    m_document = new TournamentDocument(this);
    connect(m_document, &TournamentDocument::changed, this, &TournamentWindow::ShowTournament);
    grdTable = new CrossTable(this);
    grdTable->setObjectName(QStringLiteral("grdTable"));
    // The item model goes with the document, and the view lets go of it then.
    grdTable->setModel(new TournamentTableModel(m_document, m_document));
    // Small enough for the headers to fit their columns.
    grdTable->setFont(programFont(8));
    grdTable->move(twipsToPixels(kGridLeft, this), twipsToPixels(kGridTop, this));
    // The design layout: a three-player table.
    LayOutGrid();
    connect(grdTable, &CrossTable::cellClicked, this, &TournamentWindow::grdTable_Click);
}

void TournamentWindow::createEditor()
{
    lblName = new QLabel(QStringLiteral("Игрок:"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    place(lblName, 60, 135, 700, 285);

    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setMaxLength(int(kNameWidth));
    place(txtName, 760, 90, 3000, 360);

    txtRate = new QLineEdit(this);
    txtRate->setObjectName(QStringLiteral("txtRate"));
    txtRate->setMaxLength(int(kRateWidth));
    txtRate->setAlignment(Qt::AlignCenter);
    place(txtRate, 3820, 90, 700, 360);

    txtNR = new QLineEdit(this);
    txtNR->setObjectName(QStringLiteral("txtNR"));
    txtNR->setMaxLength(int(kNrWidth));
    txtNR->setAlignment(Qt::AlignCenter);
    place(txtNR, 4580, 90, 360, 360);

    chkRate = new QCheckBox(QStringLiteral("Рейтинг"), this);
    chkRate->setObjectName(QStringLiteral("chkRate"));
    chkRate->setChecked(true);
    place(chkRate, 5020, 90, 1650, 360);

    cmdPrevious = pictureButton(this, "cmdPrevious", style()->standardIcon(QStyle::SP_ArrowLeft),
                                QStringLiteral("Предыдущая запись"));
    place(cmdPrevious, 6720, 60, kPictureButton, kPictureButton);
    cmdNext = pictureButton(this, "cmdNext", style()->standardIcon(QStyle::SP_ArrowRight),
                            QStringLiteral("Следующая запись"));
    place(cmdNext, 7160, 60, kPictureButton, kPictureButton);
    cmdNew = pictureButton(this, "cmdNew", style()->standardIcon(QStyle::SP_FileDialogNewFolder),
                           QStringLiteral("Добавление нового игрока в базу"));
    place(cmdNew, 7600, 60, kPictureButton, kPictureButton);

    // Only what the base's code page can store reaches a record.
    for (QLineEdit *box : {txtName, txtRate, txtNR})
        box->setValidator(new CodePageValidator(box));
    // The editor fills the flag itself.
    txtNR->setReadOnly(true);
    connect(txtName, &QLineEdit::textChanged, this, &TournamentWindow::ApplyButtonRule);
    connect(txtRate, &QLineEdit::textChanged, this, &TournamentWindow::ApplyButtonRule);
    connect(txtNR, &QLineEdit::textChanged, this, &TournamentWindow::txtNR_Change);
    connect(chkRate, &QCheckBox::toggled, this, &TournamentWindow::UpdateLabel);
    connect(cmdPrevious, &QToolButton::clicked, this, &TournamentWindow::cmdPrevious_Click);
    connect(cmdNext, &QToolButton::clicked, this, &TournamentWindow::cmdNext_Click);
    connect(cmdNew, &QToolButton::clicked, this, &TournamentWindow::cmdNew_Click);
    setTabOrder(txtName, txtRate);
    setTabOrder(txtRate, chkRate);
    setTabOrder(chkRate, cmdPrevious);
    setTabOrder(cmdPrevious, cmdNext);
    setTabOrder(cmdNext, cmdNew);
}

void TournamentWindow::createCategories()
{
    lblParring = new QLabel(this);
    lblParring->setObjectName(QStringLiteral("lblParring"));
    lblParring->setFrameShape(QFrame::StyledPanel);
    place(lblParring, 0, 600, 15135, 855);

    struct Category {
        const char *caption;
        double left;
        double top;
    };
    // "Безразрядник" over "4 разряд", "3 разряд" across both rows, then the labels, then
    // the pairs with the boys' option above the girls'.
    constexpr double upper = 660, lower = 1050, middle = 855, pairLeft = 5250, pairStep = 1300;
    const std::array<Category, kCategoryCount + 1> categories = {{
        {"", 0, 0},
        {"Безразрядник", 120, upper},
        {"4 разряд", 120, lower},
        {"3 разряд", 1800, middle},
        {"2 разряд", pairLeft, upper},
        {"2 разряд", pairLeft, lower},
        {"1 разряд", pairLeft + pairStep, upper},
        {"1 разряд", pairLeft + pairStep, lower},
        {"1 балл", pairLeft + 2 * pairStep, upper},
        {"1 балл", pairLeft + 2 * pairStep, lower},
        {"2 балла", pairLeft + 3 * pairStep, upper},
        {"2 балла", pairLeft + 3 * pairStep, lower},
        {"КМС", pairLeft + 4 * pairStep, upper},
        {"КМС", pairLeft + 4 * pairStep, lower},
    }};
    m_categories = new QButtonGroup(this);
    for (int k = 1; k <= kCategoryCount; ++k) {
        optRanc[k] = new QRadioButton(QString::fromUtf8(categories[k].caption), this);
        optRanc[k]->setObjectName(QStringLiteral("optRanc%1").arg(k));
        place(optRanc[k], categories[k].left, categories[k].top, k == 1 ? 1650 : 1250, 330);
        optRanc[k]->hide();
        m_categories->addButton(optRanc[k], k);
    }
    connect(m_categories, &QButtonGroup::idClicked, this, &TournamentWindow::optRanc_Click);

    lblM = new QLabel(QStringLiteral("                           Юноши"), this);
    lblM->setObjectName(QStringLiteral("lblM"));
    // The leading blanks right-align the words; the alignment keeps them in view.
    lblM->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(lblM, 3000, upper, 2200, 330);
    lblD = new QLabel(QStringLiteral("                       Девушки"), this);
    lblD->setObjectName(QStringLiteral("lblD"));
    lblD->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(lblD, 3000, lower, 2200, 330);
    lblM->hide();
    lblD->hide();
}

void TournamentWindow::createCommands()
{
    cmdZapisBase =
        pictureButton(this, "cmdZapisBase", style()->standardIcon(QStyle::SP_DialogApplyButton),
                      QStringLiteral("Записать новые рейтинги в базу"));
    place(cmdZapisBase, 8200, 60, kPictureButton, kPictureButton);
    cmdPrintBase =
        pictureButton(this, "cmdPrintBase", printerIcon(QColor(30, 90, 200)),
                      QStringLiteral("Распечатать общий список игроков из базы и их рейтинги"));
    place(cmdPrintBase, 8640, 60, kPictureButton, kPictureButton);
    connect(cmdZapisBase, &QToolButton::clicked, this, &TournamentWindow::cmdZapisBase_Click);
    connect(cmdPrintBase, &QToolButton::clicked, this, &TournamentWindow::cmdPrintBase_Click);

    cmdSave = pictureButton(this, "cmdSave", style()->standardIcon(QStyle::SP_DialogSaveButton),
                            QStringLiteral("Сохранение результатов текущего турнира"));
    place(cmdSave, 9300, 60, kPictureButton, kPictureButton);
    connect(cmdSave, &QToolButton::clicked, this, &TournamentWindow::cmdSave_Click);
    cmdPrint = pictureButton(this, "cmdPrint", printerIcon(QColor(90, 90, 90)),
                             QStringLiteral("Распечатать таблицу"));
    place(cmdPrint, 9740, 60, kPictureButton, kPictureButton);
    connect(cmdPrint, &QToolButton::clicked, this, &TournamentWindow::cmdPrint_Click);
    lblPrint = new QLabel(QStringLiteral("Печать турнирной таблицы"), this);
    lblPrint->setObjectName(QStringLiteral("lblPrint"));
    place(lblPrint, 10220, 135, 2800, 285);

    vscPlayer = new QScrollBar(Qt::Vertical, this);
    vscPlayer->setObjectName(QStringLiteral("vscPlayer"));
    vscPlayer->setRange(1, kMaxPlayers);
    vscPlayer->setSingleStep(1);
    vscPlayer->setPageStep(1);
    vscPlayer->setValue(kMinPlayers);
    vscPlayer->setToolTip(QStringLiteral("Число участников турнира"));
    place(vscPlayer, 12300, 765, 255, 510);
    connect(vscPlayer, &QScrollBar::valueChanged, this, &TournamentWindow::vscPlayer_Change);

    chkSdvig = new QCheckBox(QStringLiteral("Полная таблица"), this);
    chkSdvig->setObjectName(QStringLiteral("chkSdvig"));
    chkSdvig->setChecked(true);
    chkSdvig->setToolTip(QStringLiteral("Уменьшает поле таблицы под разрешение 800 на 600"));
    place(chkSdvig, 12650, 855, 2400, 330);
    connect(chkSdvig, &QCheckBox::toggled, this, &TournamentWindow::chkSdvig_Click);

    cmdExit = new QPushButton(QStringLiteral("Выход"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    place(cmdExit, 14200, 60, 880, kPictureButton);
    connect(cmdExit, &QPushButton::clicked, this, &TournamentWindow::cmdExit_Click);
}

void TournamentWindow::createRoundDisplay()
{
    // The labels are only 255 twips high and the result boxes 615 wide.
    const QFont small = programFont(8);
    for (int k = 0; k <= kBoards; ++k) {
        lblParing[k] = k == 0 ? new ClickableLabel(this) : new BoardLineLabel(this);
        lblParing[k]->setObjectName(QStringLiteral("lblParing_%1").arg(k));
        lblRezult[k] = new ClickableLabel(this);
        lblRezult[k]->setObjectName(QStringLiteral("lblRezult_%1").arg(k));
        lblParing[k]->setFont(small);
        lblRezult[k]->setFont(small);
        connect(lblRezult[k], &ClickableLabel::clicked, this,
                [this, k] { m_document->clickResultBox(k); });
    }
    lblParing[0]->setText(QStringLiteral("Жеребьёвка"));
    place(lblParing[0], 0, 8160, 1815, 255);
    lblRezult[0]->setText(QStringLiteral("Label1"));
    place(lblRezult[0], 0, 4680, 1215, 495);
    lblRezult[0]->hide();
    for (int k = 1; k <= kBoards; ++k) {
        const bool left = k <= 6;
        const double top = 8160 + 240 * (left ? k - 1 : k - 7);
        lblParing[k]->setText(QString::number(k));
        place(lblParing[k], left ? 1920 : 7200, top, 4575, 255);
        lblRezult[k]->setAutoFillBackground(true);
        QPalette white = lblRezult[k]->palette();
        white.setColor(QPalette::Window, Qt::white);
        lblRezult[k]->setPalette(white);
        lblRezult[k]->setAlignment(Qt::AlignCenter);
        place(lblRezult[k], left ? 6480 : 11880, top, 615, 255);
        lblParing[k]->hide();
        lblRezult[k]->hide();
    }
    cmdPrintParing = pictureButton(this, "cmdPrintParing", printerIcon(QColor(20, 140, 60)),
                                   QStringLiteral("Печать ПРОТОКОЛА тура"));
    cmdPrintParing->setIconSize(QSize(32, 32));
    place(cmdPrintParing, 120, 8520, 615, 615);
    connect(cmdPrintParing, &QToolButton::clicked, this, &TournamentWindow::cmdPrintParing_Click);
}

void TournamentWindow::Form_Load()
{
    m_loading = true;
    m_changedOutsideHistory = false;
    m_recoveryPath = recoveryCopyPath(m_tourFilePath());
    setWindowTitle(m_tourFilePath());
    OpenBase();
    SetEditorButtonsAtLoad();
    const std::optional<std::string> bytes = LoadTurnir();
    if (bytes)
        lblInfo->clear();
    // A new tournament and a new history; the spin cannot go below the count read.
    m_document->load(bytes);
    {
        const QSignalBlocker quiet(vscPlayer);
        vscPlayer->setValue(m_document->tournament().playerCount());
        vscPlayer->setMinimum(m_document->tournament().lowestCount());
    }
    m_loading = false;
    // A restored recovery copy is the one change a load can bring.
    ShowUnsavedMark();
    // No stray key reaches the editor.
    grdTable->setFocus();
}

QUndoStack *TournamentWindow::undoStack() const
{
    return m_document->undoStack();
}

void TournamentWindow::cmdExit_Click()
{
    // With changes not yet saved, the question about them takes the exit question's place.
    if (hasUnsavedChanges()) {
        if (ConfirmLeaving())
            emit exitRequested();
        return;
    }
    if (askYesNo(this, QStringLiteral("Вы действительно хотите выйти из программы?"),
                 QStringLiteral("Выход из программы"), QMessageBox::Question))
        emit exitRequested();
}

} // namespace krugovik
