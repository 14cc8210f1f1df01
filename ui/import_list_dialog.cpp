#include "ui/import_list_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QThread>
#include <QVBoxLayout>

#include "base/list_file_reader.h"
#include "common/message_box.h"

namespace krugovik {
namespace {

const std::array<const char *, kCsvFieldCount> kFieldLabels = {
    QT_TRANSLATE_NOOP("krugovik::CsvColumnsDialog", "Фамилия, имя:"),
    QT_TRANSLATE_NOOP("krugovik::CsvColumnsDialog", "Рейтинг:"),
    QT_TRANSLATE_NOOP("krugovik::CsvColumnsDialog", "FIDE ID:"),
    QT_TRANSLATE_NOOP("krugovik::CsvColumnsDialog", "Национальный ID:"),
    QT_TRANSLATE_NOOP("krugovik::CsvColumnsDialog", "Федерация:"),
    QT_TRANSLATE_NOOP("krugovik::CsvColumnsDialog", "Звание:"),
    QT_TRANSLATE_NOOP("krugovik::CsvColumnsDialog", "Пол:"),
    QT_TRANSLATE_NOOP("krugovik::CsvColumnsDialog", "Год рождения:")};
const std::array<const char *, kCsvFieldCount> kFieldNames = {
    "cboCsvName",       "cboCsvRating", "cboCsvFideId", "cboCsvNationalId",
    "cboCsvFederation", "cboCsvTitle",  "cboCsvSex",    "cboCsvBirthYear"};
constexpr std::array<char, 3> kSeparators = {';', ',', '\t'};
const std::array<const char *, 3> kSeparatorNames = {
    QT_TRANSLATE_NOOP("krugovik::CsvColumnsDialog", "точка с запятой"),
    QT_TRANSLATE_NOOP("krugovik::CsvColumnsDialog", "запятая"),
    QT_TRANSLATE_NOOP("krugovik::CsvColumnsDialog", "табуляция")};

// The FIDE list's name as the store keeps it; shown in the program's language.
const QString kFideListName = QStringLiteral("ФИДЕ");

const QString kSettingsGroup = QStringLiteral("csvList");

CsvColumns rememberedColumns(const QString &settingsFile, const QString &firstLine,
                             QString &listName)
{
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.beginGroup(kSettingsGroup);
    const QStringList columns = settings.value(QStringLiteral("columns")).toStringList();
    listName = settings
                   .value(QStringLiteral("name"),
                          ImportListDialog::tr("ФШР", "the proposed name of a national list"))
                   .toString();
    if (columns.size() != int(kCsvFieldCount)) {
        const std::string line = firstLine.toStdString();
        const char separator = guessCsvSeparator(line);
        return guessCsvColumns(splitCsvLine(line, separator), separator);
    }
    CsvColumns remembered;
    for (std::size_t f = 0; f < kCsvFieldCount; ++f)
        remembered.column[f] = columns[int(f)].toInt();
    const QString separator = settings.value(QStringLiteral("separator")).toString();
    remembered.separator = separator.isEmpty() ? ';' : separator.at(0).toLatin1();
    remembered.headerLine = settings.value(QStringLiteral("header"), true).toBool();
    return remembered;
}

void rememberColumns(const QString &settingsFile, const CsvColumns &columns,
                     const QString &listName)
{
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.beginGroup(kSettingsGroup);
    QStringList numbers;
    for (int column : columns.column)
        numbers << QString::number(column);
    settings.setValue(QStringLiteral("columns"), numbers);
    settings.setValue(QStringLiteral("separator"), QString(QChar::fromLatin1(columns.separator)));
    settings.setValue(QStringLiteral("header"), columns.headerLine);
    settings.setValue(QStringLiteral("name"), listName);
}

} // namespace

CsvColumnsDialog::CsvColumnsDialog(QWidget *parent, const QString &firstLine,
                                   const CsvColumns &remembered, const QString &listName)
    : QDialog(parent), m_firstLine(firstLine)
{
    setObjectName(QStringLiteral("dlgCsvColumns"));
    setWindowTitle(tr("Столбцы списка CSV"));
    setModal(true);
    auto *form = new QFormLayout;
    txtListName = new QLineEdit(listName, this);
    txtListName->setObjectName(QStringLiteral("txtListName"));
    txtListName->setMaxLength(20);
    txtListName->setToolTip(tr("Так список назван в списке найденных игроков"));
    form->addRow(tr("Название списка:"), txtListName);
    cboCsvSeparator = new QComboBox(this);
    cboCsvSeparator->setObjectName(QStringLiteral("cboCsvSeparator"));
    for (std::size_t s = 0; s < kSeparators.size(); ++s) {
        cboCsvSeparator->addItem(tr(kSeparatorNames[s]), QChar::fromLatin1(kSeparators[s]));
        if (kSeparators[s] == remembered.separator)
            cboCsvSeparator->setCurrentIndex(int(s));
    }
    form->addRow(tr("Разделитель:"), cboCsvSeparator);
    chkCsvHeader = new QCheckBox(tr("Первая строка — названия столбцов"), this);
    chkCsvHeader->setObjectName(QStringLiteral("chkCsvHeader"));
    chkCsvHeader->setChecked(remembered.headerLine);
    form->addRow(chkCsvHeader);
    for (std::size_t f = 0; f < kCsvFieldCount; ++f) {
        cboCsvField[f] = new QComboBox(this);
        cboCsvField[f]->setObjectName(QString::fromLatin1(kFieldNames[f]));
        form->addRow(tr(kFieldLabels[f]), cboCsvField[f]);
    }
    fillColumns();
    for (std::size_t f = 0; f < kCsvFieldCount; ++f) {
        const int index = cboCsvField[f]->findData(remembered.column[f]);
        cboCsvField[f]->setCurrentIndex(index < 0 ? 0 : index);
    }
    connect(cboCsvSeparator, &QComboBox::currentIndexChanged, this, &CsvColumnsDialog::fillColumns);
    connect(chkCsvHeader, &QCheckBox::toggled, this, &CsvColumnsDialog::fillColumns);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdCsvOk = buttons->button(QDialogButtonBox::Ok);
    cmdCsvOk->setObjectName(QStringLiteral("cmdCsvOk"));
    cmdCsvOk->setText(tr("Загрузить"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QComboBox *box : cboCsvField)
        connect(box, &QComboBox::currentIndexChanged, this, &CsvColumnsDialog::checkName);
    connect(txtListName, &QLineEdit::textChanged, this, &CsvColumnsDialog::checkName);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    checkName();
}

void CsvColumnsDialog::fillColumns()
{
    // The column names of the first line, or its cells when it holds a player.
    const char separator = cboCsvSeparator->currentData().toChar().toLatin1();
    const std::vector<std::string> cells = splitCsvLine(m_firstLine.toStdString(), separator);
    for (QComboBox *box : cboCsvField) {
        const QVariant chosen = box->currentData();
        QSignalBlocker quiet(box);
        box->clear();
        box->addItem(tr("(нет)", "no column of the file"), -1);
        for (std::size_t c = 0; c < cells.size(); ++c)
            box->addItem(QStringLiteral("%1: %2").arg(c + 1).arg(QString::fromStdString(cells[c])),
                         int(c));
        const int index = chosen.isValid() ? box->findData(chosen) : 0;
        box->setCurrentIndex(index < 0 ? 0 : index);
    }
    checkName();
}

void CsvColumnsDialog::checkName()
{
    // Without a name column there is nothing to find the players by.
    if (cmdCsvOk)
        cmdCsvOk->setEnabled(cboCsvField[0]->currentData().toInt() >= 0 &&
                             !txtListName->text().trimmed().isEmpty());
}

CsvColumns CsvColumnsDialog::columns() const
{
    CsvColumns columns;
    for (std::size_t f = 0; f < kCsvFieldCount; ++f)
        columns.column[f] = cboCsvField[f]->currentData().toInt();
    columns.separator = cboCsvSeparator->currentData().toChar().toLatin1();
    columns.headerLine = chkCsvHeader->isChecked();
    return columns;
}

QString CsvColumnsDialog::listName() const
{
    return txtListName->text().trimmed();
}

ImportListDialog::ImportListDialog(QWidget *parent, const QString &folder, ListKind kind,
                                   const QString &listName, const QString &path,
                                   const CsvColumns &columns)
    : QDialog(parent), m_folder(folder), m_kind(kind), m_listName(listName), m_path(path),
      m_columns(columns)
{
    setObjectName(QStringLiteral("dlgImportList"));
    setWindowTitle(tr("Загрузка рейтинг-листа"));
    setModal(true);
    m_importing = tr("Загружается список «%1» из файла %2…")
                      .arg(shownListName(listName), QFileInfo(path).fileName());
    lblImport = new QLabel(m_importing, this);
    lblImport->setObjectName(QStringLiteral("lblImport"));
    prgImport = new QProgressBar(this);
    prgImport->setObjectName(QStringLiteral("prgImport"));
    prgImport->setRange(0, 1000);
    prgImport->setMinimumWidth(360);
    cmdCancelImport = new QPushButton(tr("Отмена"), this);
    cmdCancelImport->setObjectName(QStringLiteral("cmdCancelImport"));
    cmdCancelImport->setToolTip(tr("Прервать загрузку; прежний список останется"));
    connect(cmdCancelImport, &QPushButton::clicked, this, &ImportListDialog::cancelImport);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblImport);
    layout->addWidget(prgImport);
    layout->addWidget(cmdCancelImport, 0, Qt::AlignRight);
}

ImportListDialog::~ImportListDialog()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
    }
}

ImportResult ImportListDialog::run()
{
    m_thread = QThread::create([this] {
        m_result = importList(
            m_folder, m_kind, m_listName, m_path, m_columns,
            [this](int permille) {
                QMetaObject::invokeMethod(
                    prgImport, [this, permille] { prgImport->setValue(permille); },
                    Qt::QueuedConnection);
            },
            m_cancel,
            [this](bool waits) {
                QMetaObject::invokeMethod(
                    lblImport,
                    [this, waits] {
                        if (!m_cancel)
                            lblImport->setText(waits ? tr("Другая программа загружает "
                                                          "рейтинг-лист в эту же папку. Загрузка "
                                                          "начнётся, когда она закончит…")
                                                     : m_importing);
                    },
                    Qt::QueuedConnection);
            });
    });
    m_thread->setParent(this);
    connect(
        m_thread, &QThread::finished, this, [this] { QDialog::accept(); }, Qt::QueuedConnection);
    m_thread->start();
    exec();
    m_thread->wait();
    return m_result;
}

void ImportListDialog::reject()
{
    cancelImport();
}

void ImportListDialog::cancelImport()
{
    m_cancel = true;
    cmdCancelImport->setEnabled(false);
    lblImport->setText(tr("Загрузка прерывается…"));
}

QString shownListName(const QString &stored)
{
    return stored == kFideListName ? ImportListDialog::tr("ФИДЕ", "the FIDE rating list's name")
                                   : stored;
}

QString importReport(const ImportResult &result, const QString &listName)
{
    const QString shown = shownListName(listName);
    if (result.read.cancelled)
        return ImportListDialog::tr("Загрузка прервана; список «%1» не изменён.").arg(shown);
    if (!result.replaced)
        return ImportListDialog::tr("Список «%1» не загружен: %2. Прежний список не изменён.")
            .arg(shown, result.error.isEmpty() ? result.read.error : result.error);
    QString text = ImportListDialog::tr("Загружен список «%1»: игроков — %n.", nullptr,
                                        int(result.read.players))
                       .arg(shown);
    if (result.read.skipped > 0)
        text += ImportListDialog::tr("\nПропущено строк с ошибками: %n (первая — строка %1).",
                                     nullptr, int(result.read.skipped))
                    .arg(result.read.firstSkippedLine);
    return text;
}

void importRatingList(QWidget *parent, const QString &folder, const QString &settingsFile)
{
    QFileDialog chooser(parent, ImportListDialog::tr("Загрузить рейтинг-лист"), QString(),
                        ImportListDialog::tr("Рейтинг-листы (*.zip *.txt *.xml *.csv *.ZIP *.TXT "
                                             "*.XML *.CSV);;Все файлы (*)"));
    chooser.setObjectName(QStringLiteral("dlgListFile"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setModal(true);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QString path = chooser.selectedFiles().constFirst();
    ListFormat format = ListFormat::FideTxt;
    QString error;
    if (!listFormatOf(path, format, error)) {
        showMessage(
            parent,
            ImportListDialog::tr("Файл %1 не загружен: %2.").arg(QFileInfo(path).fileName(), error),
            ImportListDialog::tr("Ошибка"), QMessageBox::Warning);
        return;
    }
    ListKind kind = ListKind::Fide;
    QString listName = kFideListName;
    CsvColumns columns;
    if (format == ListFormat::Csv) {
        kind = ListKind::National;
        const QString firstLine = firstCsvLine(path, error);
        columns = rememberedColumns(settingsFile, firstLine, listName);
        CsvColumnsDialog dialog(parent, firstLine, columns, listName);
        if (dialog.exec() != QDialog::Accepted)
            return;
        columns = dialog.columns();
        listName = dialog.listName();
        rememberColumns(settingsFile, columns, listName);
    }
    ImportListDialog progress(parent, folder, kind, listName, path, columns);
    const ImportResult result = progress.run();
    showMessage(parent, importReport(result, listName), programName(),
                result.replaced ? QMessageBox::Information : QMessageBox::Warning);
}

} // namespace krugovik
