// The base editor: one BASE.DAT record at a time in txtName, txtRate and txtNR, and what
// the director is told about a base that can only be read.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

#include "common/codepage.h"
#include "common/file_layer.h"
#include "common/message_box.h"
#include "common/number_text.h"
#include "common/twips.h"
#include "ui/base_editor.h"
#include "ui/picture_button.h"
#include "ui/tournament_document.h"

namespace krugovik {
namespace {

// The estimate each sports category gives, by option number.
constexpr std::array<int, kCategoryCount + 1> CategoryRating = {
    0, 1000, 1150, 1350, 1550, 1500, 1725, 1625, 1825, 1700, 1925, 1775, 2025, 1850};
constexpr int kLowestRating = 1000;
constexpr int kHighestRating = 3000;
constexpr double kNoteWidth = 10400; // the note under the name at its widest, in twips

QString fieldText(const std::string &field)
{
    return fromCodePage(QByteArray::fromStdString(field));
}

std::string fieldBytes(const QString &text)
{
    return toCodePage(text).toStdString();
}

QString baseFailureText(const BaseFile &base)
{
    const QString text =
        base.isReadOnly() ? BaseEditor::tr("Изменение не записано в базу игроков %1: %2.")
                          : BaseEditor::tr("Не удалось открыть или записать базу игроков %1: %2");
    return text.arg(base.path(), base.errorText());
}

QString readOnlyBaseText(const BaseFile &base)
{
    return BaseEditor::tr("Базу игроков %1 можно только читать: %2. Просматривать её, заносить "
                          "игроков в таблицу и печатать список можно, но изменения в базе "
                          "сохранены не будут.")
        .arg(base.path(), base.readOnlyReason());
}

} // namespace

BaseEditor::BaseEditor(QWidget *window, FileLayer *files, TournamentDocument *document,
                       ButtonIcons &icons)
    : QObject(window), m_window(window), m_files(files), m_document(document)
{
    createEditor(icons);
    createCategories();
    createCommands(icons);
    // The write-back waits, as saving does, for a player in every row.
    connect(document, &TournamentDocument::changed, this,
            [this] { cmdZapisBase->setEnabled(m_document->picture().writeBackEnabled()); });
}

void BaseEditor::createEditor(ButtonIcons &icons)
{
    lblName = new QLabel(tr("Игрок:"), m_window);
    lblName->setObjectName(QStringLiteral("lblName"));
    placeInTwips(lblName, 60, 135, 700, 285);

    txtName = new QLineEdit(m_window);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setMaxLength(int(kNameWidth));
    txtName->setToolTip(tr("Имя в базе — не длиннее %1 знаков; буквы, которых нет "
                           "в кодировке базы, пишутся без надстрочных знаков (Ö → O)")
                            .arg(kNameWidth));
    placeInTwips(txtName, 760, 90, 3000, 360);

    // Says under the name what the base's code page or length changed in it.
    lblNameNote = new QLabel(m_window);
    lblNameNote->setObjectName(QStringLiteral("lblNameNote"));
    lblNameNote->hide();
    // Under the name, over the frame's top edge: the note's own background covers the line.
    lblNameNote->setAutoFillBackground(true);
    lblNameNote->setBackgroundRole(QPalette::ToolTipBase);
    lblNameNote->setForegroundRole(QPalette::ToolTipText);
    lblNameNote->setContentsMargins(4, 0, 4, 0);
    placeInTwips(lblNameNote, 760, 435, kNoteWidth, 240);

    txtRate = new QLineEdit(m_window);
    txtRate->setObjectName(QStringLiteral("txtRate"));
    txtRate->setMaxLength(int(kRateWidth));
    txtRate->setAlignment(Qt::AlignCenter);
    placeInTwips(txtRate, 3820, 90, 700, 360);

    txtNR = new QLineEdit(m_window);
    txtNR->setObjectName(QStringLiteral("txtNR"));
    txtNR->setMaxLength(int(kNrWidth));
    txtNR->setAlignment(Qt::AlignCenter);
    placeInTwips(txtNR, 4580, 90, 360, 360);

    chkRate = new QCheckBox(tr("Рейтинг"), m_window);
    chkRate->setObjectName(QStringLiteral("chkRate"));
    chkRate->setChecked(true);
    placeInTwips(chkRate, 5020, 90, 1650, 360);

    cmdPrevious = pictureButton(m_window, "cmdPrevious", icons.standard(QStyle::SP_ArrowLeft),
                                tr("Предыдущая запись"));
    placeInTwips(cmdPrevious, 6720, 60, kPictureButton, kPictureButton);
    cmdNext = pictureButton(m_window, "cmdNext", icons.standard(QStyle::SP_ArrowRight),
                            tr("Следующая запись"));
    placeInTwips(cmdNext, 7160, 60, kPictureButton, kPictureButton);
    cmdNew = pictureButton(m_window, "cmdNew", icons.standard(QStyle::SP_FileDialogNewFolder),
                           tr("Добавление нового игрока в базу"));
    placeInTwips(cmdNew, 7600, 60, kPictureButton, kPictureButton);

    // Only what the base's code page can store reaches a record.
    m_nameCheck = new CodePageValidator(txtName);
    m_nameCheck->setNoteReceiver([this](const QString &note) { ShowNameNote(note); });
    txtName->setValidator(m_nameCheck);
    for (QLineEdit *box : {txtRate, txtNR})
        box->setValidator(new CodePageValidator(box));
    // The editor fills the flag itself.
    txtNR->setReadOnly(true);
    connect(txtName, &QLineEdit::textChanged, this, &BaseEditor::ApplyButtonRule);
    connect(txtRate, &QLineEdit::textChanged, this, &BaseEditor::ApplyButtonRule);
    connect(txtNR, &QLineEdit::textChanged, this, &BaseEditor::txtNR_Change);
    connect(chkRate, &QCheckBox::toggled, this, &BaseEditor::UpdateLabel);
    connect(cmdPrevious, &QToolButton::clicked, this, &BaseEditor::cmdPrevious_Click);
    connect(cmdNext, &QToolButton::clicked, this, &BaseEditor::cmdNext_Click);
    connect(cmdNew, &QToolButton::clicked, this, &BaseEditor::cmdNew_Click);
    QWidget::setTabOrder(txtName, txtRate);
    QWidget::setTabOrder(txtRate, chkRate);
    QWidget::setTabOrder(chkRate, cmdPrevious);
    QWidget::setTabOrder(cmdPrevious, cmdNext);
    QWidget::setTabOrder(cmdNext, cmdNew);
}

void BaseEditor::createCategories()
{
    lblParring = new QLabel(m_window);
    lblParring->setObjectName(QStringLiteral("lblParring"));
    lblParring->setFrameShape(QFrame::StyledPanel);
    placeInTwips(lblParring, 0, 600, 15135, 855);

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
        //: A junior's sports category; the captions after this one have about 60 pixels.
        {QT_TR_NOOP("Безразрядник"), 120, upper},
        {QT_TR_NOOP("4 разряд"), 120, lower},
        {QT_TR_NOOP("3 разряд"), 1800, middle},
        {QT_TR_NOOP("2 разряд"), pairLeft, upper},
        {QT_TR_NOOP("2 разряд"), pairLeft, lower},
        {QT_TR_NOOP("1 разряд"), pairLeft + pairStep, upper},
        {QT_TR_NOOP("1 разряд"), pairLeft + pairStep, lower},
        {QT_TR_NOOP("1 балл"), pairLeft + 2 * pairStep, upper},
        {QT_TR_NOOP("1 балл"), pairLeft + 2 * pairStep, lower},
        {QT_TR_NOOP("2 балла"), pairLeft + 3 * pairStep, upper},
        {QT_TR_NOOP("2 балла"), pairLeft + 3 * pairStep, lower},
        {QT_TR_NOOP("КМС"), pairLeft + 4 * pairStep, upper},
        {QT_TR_NOOP("КМС"), pairLeft + 4 * pairStep, lower},
    }};
    m_categories = new QButtonGroup(this);
    for (int k = 1; k <= kCategoryCount; ++k) {
        optRanc[k] = new QRadioButton(tr(categories[k].caption), m_window);
        optRanc[k]->setObjectName(QStringLiteral("optRanc%1").arg(k));
        placeInTwips(optRanc[k], categories[k].left, categories[k].top, k == 1 ? 1650 : 1250, 330);
        optRanc[k]->hide();
        m_categories->addButton(optRanc[k], k);
    }
    connect(m_categories, &QButtonGroup::idClicked, this, &BaseEditor::optRanc_Click);

    lblM = new QLabel(tr("                           Юноши"), m_window);
    lblM->setObjectName(QStringLiteral("lblM"));
    // The leading blanks right-align the words; the alignment keeps them in view.
    lblM->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeInTwips(lblM, 3000, upper, 2200, 330);
    lblD = new QLabel(tr("                       Девушки"), m_window);
    lblD->setObjectName(QStringLiteral("lblD"));
    lblD->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeInTwips(lblD, 3000, lower, 2200, 330);
    lblM->hide();
    lblD->hide();
}

void BaseEditor::createCommands(ButtonIcons &icons)
{
    cmdZapisBase =
        pictureButton(m_window, "cmdZapisBase", icons.standard(QStyle::SP_DialogApplyButton),
                      tr("Записать новые рейтинги в базу"));
    placeInTwips(cmdZapisBase, 8200, 60, kPictureButton, kPictureButton);
    cmdPrintBase = pictureButton(m_window, "cmdPrintBase", icons.printer(QColor(30, 90, 200)),
                                 tr("Распечатать общий список игроков из базы и их рейтинги"));
    placeInTwips(cmdPrintBase, 8640, 60, kPictureButton, kPictureButton);
    connect(cmdZapisBase, &QToolButton::clicked, this, &BaseEditor::cmdZapisBase_Click);
    connect(cmdPrintBase, &QToolButton::clicked, this, &BaseEditor::cmdPrintBase_Click);
    // The button's arrow offers the list of the tournament's players alone.
    auto *choice = new QMenu(cmdPrintBase);
    choice->setObjectName(QStringLiteral("mnuPrintBase"));
    QAction *whole = choice->addAction(tr("Вся база"));
    whole->setObjectName(QStringLiteral("actPrintWholeBase"));
    QAction *entrants = choice->addAction(tr("Только участники турнира"));
    entrants->setObjectName(QStringLiteral("actPrintEntrants"));
    connect(whole, &QAction::triggered, this, [this] { printBaseList(false); });
    connect(entrants, &QAction::triggered, this, [this] { printBaseList(true); });
    cmdPrintBase->setMenu(choice);
    cmdPrintBase->setPopupMode(QToolButton::MenuButtonPopup);
}

void BaseEditor::load()
{
    OpenBase();
    SetEditorButtonsAtLoad();
}

PlayerEntry BaseEditor::player() const
{
    // The record's identity is its player's: a name typed over his is somebody else.
    PlayerRecord typed;
    typed.setName(fieldBytes(txtName->text()));
    return {txtName->text().toStdString(), txtRate->text().toStdString(),
            txtNR->text() == QLatin1String("N"), int(CurrentRecord),
            typed.name == CurrentPlayer.name ? Base.identity(CurrentRecord) : PlayerIdentity{}};
}

void BaseEditor::OpenBase()
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

void BaseEditor::ShowNameNote(const QString &note)
{
    lblNameNote->setText(note);
    lblNameNote->setToolTip(note);
    // As wide as its text, the whole of it in the tooltip when longer.
    lblNameNote->resize(
        std::min(lblNameNote->sizeHint().width(), twipsToPixels(kNoteWidth, lblNameNote)),
        lblNameNote->height());
    lblNameNote->setVisible(!note.isEmpty());
    lblNameNote->raise();
}

void BaseEditor::ShowCurrentRecord()
{
    m_nameCheck->forgetChanges();
    ShowNameNote(QString());
    CurrentPlayer = Base.read(CurrentRecord);
    CurrentPlayer.setName(trimBlanks(CurrentPlayer.name));
    txtName->setText(fieldText(trimBlanks(CurrentPlayer.name)));
    CurrentPlayer.setRate(trimBlanks(CurrentPlayer.rate));
    txtRate->setText(fieldText(trimBlanks(CurrentPlayer.rate)));
    CurrentPlayer.setNr(trimBlanks(CurrentPlayer.nr));
    txtNR->setText(fieldText(trimBlanks(CurrentPlayer.nr)));
    ShowRecordNumber();
    ShowIdentity();
}

void BaseEditor::SaveCurrentRecord()
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

void BaseEditor::reportBaseFailure()
{
    showMessage(m_window, baseFailureText(Base), tr("Ошибка"), QMessageBox::Warning);
}

void BaseEditor::SetEditorButtonsAtLoad()
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

bool BaseEditor::recordMayBeLeft() const
{
    const Fixed rating = readFixed(txtRate->text().toStdString());
    return !txtName->text().isEmpty() && rating >= Fixed::fromInt(kLowestRating) &&
           rating <= Fixed::fromInt(kHighestRating);
}

void BaseEditor::ApplyButtonRule()
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

void BaseEditor::txtNR_Change()
{
    chkRate->setChecked(txtNR->text() != QLatin1String("N"));
}

void BaseEditor::UpdateLabel()
{
    const bool rated = chkRate->isChecked();
    for (int k = 1; k <= kCategoryCount; ++k)
        optRanc[k]->setVisible(!rated);
    lblM->setVisible(!rated);
    lblD->setVisible(!rated);
    if (lblIdentity)
        lblIdentity->setVisible(rated);
    chkRate->setText(rated ? tr("Рейтинг") : tr("Нет рейтинга"));
    txtRate->setEnabled(rated);
    if (rated)
        txtNR->setText(QString());
}

void BaseEditor::optRanc_Click(int index)
{
    if (optRanc[index]->isChecked())
        txtRate->setText(QString::number(CategoryRating[index]));
    txtNR->setText(QStringLiteral("N"));
    if (!txtName->text().isEmpty()) {
        SaveCurrentRecord();
        cmdNext->setEnabled(false);
    }
}

void BaseEditor::cmdNext_Click()
{
    SaveCurrentRecord();
    ++CurrentRecord;
    ShowCurrentRecord();
    cmdNext->setEnabled(CurrentRecord != RecordCount);
    txtName->setEnabled(true);
    txtName->setFocus();
}

void BaseEditor::cmdPrevious_Click()
{
    SaveCurrentRecord();
    --CurrentRecord;
    ShowCurrentRecord();
    cmdPrevious->setEnabled(CurrentRecord != 1);
    cmdNext->setEnabled(true);
    txtName->setEnabled(true);
    txtName->setFocus();
}

void BaseEditor::cmdNew_Click()
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

void BaseEditor::ReportReadOnlyBase()
{
    // Every load of the tournament window opens the base again; once is enough.
    if (!m_files->firstTime(QStringLiteral("read-only base ") + Base.path()))
        return;
    showMessage(m_window, readOnlyBaseText(Base), tr("База игроков"), QMessageBox::Warning);
}

bool BaseEditor::RefuseReadOnlyBase()
{
    if (!Base.isReadOnly())
        return false;
    showMessage(m_window,
                tr("Новые рейтинги не записаны в базу игроков %1: %2.")
                    .arg(Base.path(), Base.readOnlyReason()),
                tr("Ошибка"), QMessageBox::Warning);
    return true;
}

void BaseEditor::ShowRecordNumber()
{
    lblRecord->setText(tr("Запись %1 из %2").arg(CurrentRecord).arg(RecordCount));
}

void openBaseAtStartUp(FileLayer *files, QWidget *parent)
{
    BaseFile base;
    const QString refusal = files->writeRefusal(BaseFile::kFileName);
    if (!base.open(BaseFile::kFileName, refusal))
        showMessage(parent, baseFailureText(base), BaseEditor::tr("Ошибка"), QMessageBox::Warning);
    else if (base.isReadOnly() && files->firstTime(QStringLiteral("read-only base ") + base.path()))
        showMessage(parent, readOnlyBaseText(base), BaseEditor::tr("База игроков"),
                    QMessageBox::Warning);
}

} // namespace krugovik
