#include "app/file_chooser.h"

#include <algorithm>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QIconEngine>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>

#include "app/club_folder.h"
#include "common/message_box.h"
#include "table/tournament_file.h"
#include "table/tournament_store.h"

namespace krugovik {
namespace {

constexpr int kPathRole = Qt::UserRole;

// A folder drawn at any size, open or closed, as the directory list shows the path and the
// folders inside it. Drawn rather than taken from the desktop's icon theme: looking an icon up
// there costs several milliseconds at start-up.
class FolderIcon : public QIconEngine {
  public:
    explicit FolderIcon(bool open) : m_open(open) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        // Drawn once a size and kept: every row of the list shows the same folder.
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        if (m_drawn.size() != rect.size() * scale || m_drawnMode != mode) {
            m_drawn = QPixmap(rect.size() * scale);
            m_drawn.setDevicePixelRatio(scale);
            m_drawn.fill(Qt::transparent);
            QPainter onPixmap(&m_drawn);
            draw(&onPixmap, QRect(QPoint(), rect.size()), mode);
            m_drawnMode = mode;
        }
        painter->drawPixmap(rect.topLeft(), m_drawn);
    }

    QIconEngine *clone() const override { return new FolderIcon(m_open); }

  private:
    void draw(QPainter *painter, const QRect &rect, QIcon::Mode mode) const
    {
        const QRectF box = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
        const qreal w = box.width();
        const qreal h = box.height();
        const bool dimmed = mode == QIcon::Disabled;
        const QColor outline = dimmed ? QColor(160, 160, 160) : QColor(128, 96, 16);
        const QColor back = dimmed ? QColor(224, 224, 224) : QColor(224, 176, 48);
        const QColor front = dimmed ? QColor(236, 236, 236) : QColor(248, 208, 88);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(outline, std::max<qreal>(1, w / 16)));
        // The back with its tab.
        QPainterPath body;
        body.moveTo(box.left(), box.top() + h * 0.2);
        body.lineTo(box.left() + w * 0.35, box.top() + h * 0.2);
        body.lineTo(box.left() + w * 0.45, box.top() + h * 0.3);
        body.lineTo(box.right(), box.top() + h * 0.3);
        body.lineTo(box.right(), box.bottom() - h * 0.1);
        body.lineTo(box.left(), box.bottom() - h * 0.1);
        body.closeSubpath();
        painter->setBrush(back);
        painter->drawPath(body);
        // The front: lying open, or shut over the back.
        QPainterPath lid;
        if (m_open) {
            lid.moveTo(box.left() + w * 0.2, box.top() + h * 0.45);
            lid.lineTo(box.right(), box.top() + h * 0.45);
            lid.lineTo(box.right() - w * 0.2, box.bottom() - h * 0.1);
            lid.lineTo(box.left(), box.bottom() - h * 0.1);
        } else {
            lid.addRect(QRectF(box.left(), box.top() + h * 0.4, w, h * 0.5));
        }
        lid.closeSubpath();
        painter->setBrush(front);
        painter->drawPath(lid);
        painter->restore();
    }

    bool m_open;
    QPixmap m_drawn;
    QIcon::Mode m_drawnMode = QIcon::Normal;
};

QString rootOf(const QString &path)
{
    for (const QFileInfo &drive : QDir::drives()) {
        if (path.startsWith(drive.absoluteFilePath()))
            return drive.absoluteFilePath();
    }
    return QDir::rootPath();
}

// The name under which an entry of the folder exists, matched as the director reads names:
// regardless of case, an exact match first. Empty when there is none.
QString existingName(const QString &folder, const QString &name, QDir::Filters filters)
{
    const QStringList entries =
        QDir(folder).entryList(filters | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (entries.contains(name))
        return name;
    for (const QString &entry : entries) {
        if (QString::compare(entry, name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString joinPath(const QString &directory, const QString &name)
{
    const QChar separator = QDir::separator();
    return directory.endsWith(separator) ? directory + name : directory + separator + name;
}

QString fileNameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("FileChooser",
                                           "имя не может состоять из одних пробелов");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QCoreApplication::translate("FileChooser", "имена «.» и «..» заняты системой");
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return QCoreApplication::translate("FileChooser",
                                               "в имени не может быть знаков / и \\");
        if (c.category() == QChar::Other_Control)
            return QCoreApplication::translate("FileChooser",
                                               "в имени не может быть управляющих символов");
    }
    if ((name + QStringLiteral(".TXT")).toUtf8().size() > 255)
        return QCoreApplication::translate("FileChooser", "имя слишком длинное");
    return {};
}

FileChooser::FileChooser(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmOpenFile"));
    setWindowTitle(tr("Выбор файла турнира"));

    auto named = [](QWidget *widget, const char *name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    lblFileName = new QLabel(tr("Имя файла:"), this);
    txtFileName = new QLineEdit(this);
    filFiles = new QListWidget(this);
    lblFileType = new QLabel(tr("Тип файла"), this);
    cboFileType = new QComboBox(this);
    lblDirectories = new QLabel(tr("Каталоги:"), this);
    lblDirName = new QLabel(this);
    DirDirectory = new QListWidget(this);
    lblDrive = new QLabel(tr("Диск:"), this);
    drvDrive = new QComboBox(this);
    cmdOK = new QPushButton(tr("Открыть"), this);
    cmdCreate = new QPushButton(tr("Создать"), this);
    cmdClear = new QPushButton(tr("Очистка"), this);
    named(lblFileName, "lblFileName");
    named(txtFileName, "txtFileName");
    named(filFiles, "filFiles");
    named(lblFileType, "lblFileType");
    named(cboFileType, "cboFileType");
    named(lblDirectories, "lblDirectories");
    named(lblDirName, "lblDirName");
    named(DirDirectory, "DirDirectory");
    named(lblDrive, "lblDrive");
    named(drvDrive, "drvDrive");
    named(cmdOK, "cmdOK");
    named(cmdCreate, "cmdCreate");
    named(cmdClear, "cmdClear");
    lblFileName->setBuddy(txtFileName);
    lblDirName->setWordWrap(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(lblFileName, 0, 0);
    layout->addWidget(txtFileName, 1, 0);
    layout->addWidget(filFiles, 2, 0, 3, 1);
    layout->addWidget(lblFileType, 5, 0);
    layout->addWidget(cboFileType, 6, 0);
    layout->addWidget(lblDirectories, 0, 1);
    layout->addWidget(lblDirName, 1, 1);
    layout->addWidget(DirDirectory, 2, 1, 3, 1);
    layout->addWidget(lblDrive, 5, 1);
    layout->addWidget(drvDrive, 6, 1);
    layout->addWidget(cmdOK, 1, 2);
    layout->addWidget(cmdCreate, 2, 2);
    layout->addWidget(cmdClear, 3, 2);
    layout->setColumnMinimumWidth(0, 200);
    layout->setColumnMinimumWidth(1, 220);
    layout->setRowStretch(4, 1);
    setTabOrder(txtFileName, filFiles);
    setTabOrder(filFiles, cboFileType);
    setTabOrder(cboFileType, DirDirectory);
    setTabOrder(DirDirectory, drvDrive);
    setTabOrder(drvDrive, cmdOK);
    setTabOrder(cmdOK, cmdCreate);
    setTabOrder(cmdCreate, cmdClear);

    cboFileType->addItem(tr("Текстовые файлы (*.TXT*)"));
    cboFileType->setCurrentIndex(0);
    for (const QFileInfo &drive : QDir::drives())
        drvDrive->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()),
                          drive.absoluteFilePath());

    connect(drvDrive, &QComboBox::activated, this, &FileChooser::drvDrive_Change);
    connect(DirDirectory, &QListWidget::itemActivated, this, &FileChooser::DirDirectory_Change);
    connect(filFiles, &QListWidget::itemClicked, this, &FileChooser::filFiles_Click);
    // Moving through the files with the keys chooses as a click does. Only a selection
    // counts: tabbing into the list makes its first file current without choosing it.
    connect(filFiles, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> chosen = filFiles->selectedItems();
        if (chosen.size() == 1 && !m_listing)
            filFiles_Click(chosen.first());
    });
    connect(filFiles, &QListWidget::itemDoubleClicked, this, &FileChooser::filFiles_DblClick);
    connect(cmdClear, &QPushButton::clicked, this, &FileChooser::cmdClear_Click);
    connect(cmdCreate, &QPushButton::clicked, this, &FileChooser::cmdCreate_Click);
    connect(cmdOK, &QPushButton::clicked, this, &FileChooser::cmdOK_Click);
    connect(txtFileName, &QLineEdit::returnPressed, this, &FileChooser::cmdOK_Click);

    Form_Load();
}

void FileChooser::Form_Load()
{
    setDirectory(QDir::currentPath());
    txtFileName->clear();
    txtFileName->setEnabled(true);
    cmdCreate->setEnabled(true);
    txtFileName->setFocus();
}

void FileChooser::refreshLists()
{
    const QListWidgetItem *chosen = filFiles->currentItem();
    const QString chosenName = chosen ? chosen->text() : QString();
    setDirectory(m_directory);
    const auto again = filFiles->findItems(chosenName, Qt::MatchExactly);
    if (!chosenName.isEmpty() && !again.isEmpty()) {
        const QScopedValueRollback listing(m_listing, true);
        filFiles->setCurrentItem(again.first());
    }
}

void FileChooser::setDirectory(const QString &path)
{
    const QScopedValueRollback listing(m_listing, true);
    m_directory = QDir::cleanPath(QDir(path).absolutePath());
    lblDirName->setText(QDir::toNativeSeparators(m_directory));

    const int driveIndex = drvDrive->findData(rootOf(m_directory));
    if (driveIndex >= 0)
        drvDrive->setCurrentIndex(driveIndex);

    // The path from its root down, then the directories inside it, as a tree.
    DirDirectory->clear();
    QStringList chain;
    for (QDir dir(m_directory);;) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    int depth = 0;
    const QIcon openFolder(new FolderIcon(true));
    for (const QString &level : chain) {
        const QString name =
            QDir(level).isRoot() ? QDir::toNativeSeparators(level) : QDir(level).dirName();
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name);
        item->setData(kPathRole, level);
        item->setIcon(openFolder);
        DirDirectory->addItem(item);
        ++depth;
    }
    DirDirectory->setCurrentRow(DirDirectory->count() - 1);
    const QFileInfoList subdirs =
        QDir(m_directory)
            .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    const QIcon closedFolder(new FolderIcon(false));
    for (const QFileInfo &subdir : subdirs) {
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + subdir.fileName());
        item->setData(kPathRole, subdir.absoluteFilePath());
        item->setIcon(closedFolder);
        DirDirectory->addItem(item);
    }

    // Directors name their files in either case.
    filFiles->clear();
    QDir files(m_directory);
    files.setNameFilters({QStringLiteral("*.TXT*")});
    files.setFilter(QDir::Files);
    files.setSorting(QDir::Name | QDir::IgnoreCase);
    for (const QString &name : files.entryList())
        filFiles->addItem(name);
}

void FileChooser::drvDrive_Change(int index)
{
    const QString root = drvDrive->itemData(index).toString();
    // The drive already chosen keeps its folder.
    if (root == rootOf(m_directory))
        return;
    if (!QDir(root).isReadable()) {
        showMessage(this, tr("Ошибка выбора устройства!"), tr("Ошибка"), QMessageBox::Warning);
        const int back = drvDrive->findData(rootOf(m_directory));
        if (back >= 0)
            drvDrive->setCurrentIndex(back);
        return;
    }
    setDirectory(root);
}

void FileChooser::DirDirectory_Change(QListWidgetItem *item)
{
    setDirectory(item->data(kPathRole).toString());
}

void FileChooser::filFiles_Click(QListWidgetItem *item)
{
    txtFileName->setText(item->text());
    txtFileName->setEnabled(false);
    cmdCreate->setEnabled(false);
}

void FileChooser::filFiles_DblClick(QListWidgetItem *item)
{
    filFiles_Click(item);
    cmdOK_Click();
}

void FileChooser::cmdClear_Click()
{
    txtFileName->clear();
    txtFileName->setEnabled(true);
    cmdCreate->setEnabled(true);
    txtFileName->setFocus();
}

void FileChooser::cmdCreate_Click()
{
    const QString typed = txtFileName->text();
    if (typed.isEmpty()) {
        showMessage(this, tr("Программа не может создать файл без имени! Наберите, "
                             "пожалуйста, в поле Имя файла его имя без расширения .TXT, "
                             "потом нажмите на кнопку Создать: новый турнир сразу "
                             "откроется."));
        return;
    }
    // The extension is the program's, whether or not it was typed.
    const QString fileName = withTournamentExtension(typed);
    const QString problem = fileNameProblem(fileName.chopped(4));
    if (!problem.isEmpty()) {
        showMessage(this, tr("Нельзя создать файл «%1»: %2.").arg(fileName, problem), tr("Ошибка"),
                    QMessageBox::Warning);
        return;
    }
    // New files go into the current directory, whatever directory the lists show. A file
    // there under the same name in another case is the one replaced.
    const QString existingFile =
        existingName(QDir::currentPath(), fileName, QDir::Files | QDir::Dirs);
    const QString path =
        QDir::current().absoluteFilePath(existingFile.isEmpty() ? fileName : existingFile);
    const QFileInfo existing(path);
    if (existing.isDir()) {
        showMessage(this, tr("Нельзя создать файл %1: так называется папка.").arg(path),
                    tr("Ошибка"), QMessageBox::Warning);
        return;
    }
    if (existing.exists() &&
        !askYesNo(this,
                  tr("Файл %1 уже существует. Заменить его новым пустым турниром? "
                     "Всё, что в нём записано, будет потеряно.")
                      .arg(existing.fileName()),
                  programName(), QMessageBox::Question, QMessageBox::No))
        return;
    const QString failure = TournamentStore::createNew(path);
    if (!failure.isEmpty()) {
        showMessage(this, tr("Не удалось создать файл %1: %2").arg(path, failure), tr("Ошибка"),
                    QMessageBox::Warning);
        return;
    }
    // The new file is the one chosen in the list, and it opens as «Открыть» opens it.
    Form_Load();
    const QString created = QFileInfo(path).fileName();
    const auto items = filFiles->findItems(created, Qt::MatchExactly);
    if (!items.isEmpty()) {
        {
            const QScopedValueRollback listing(m_listing, true);
            filFiles->setCurrentItem(items.first());
        }
        filFiles_Click(items.first());
    } else {
        txtFileName->setText(created);
    }
    cmdOK_Click();
}

void FileChooser::cmdOK_Click()
{
    const QString typed = txtFileName->text();
    if (typed.isEmpty()) {
        showMessage(this, tr("Файл не выбран!"));
        return;
    }
    // A typed path, absolute or relative to the shown folder, names its own folder.
    const QFileInfo typedPath(QDir(m_directory).absoluteFilePath(typed));
    const bool hasFolder = typed.contains(QLatin1Char('/')) || typed.contains(QDir::separator());
    const QString folder = hasFolder ? QDir::cleanPath(typedPath.absolutePath()) : m_directory;
    const QString fileName = hasFolder ? typedPath.fileName() : typed;
    // The name chosen or typed opens the file it names in any case, the extension typed or
    // not.
    QString name = existingName(folder, fileName, QDir::Files);
    if (name.isEmpty())
        name = existingName(folder, fileName + QStringLiteral(".TXT"), QDir::Files);
    if (name.isEmpty() && !createAsked(folder, fileName, &name))
        return;
    m_tourFilePath = joinPath(folder, name);
    rememberTournamentFolder(m_tourFilePath);
    emit openRequested();
}

bool FileChooser::createAsked(const QString &folder, const QString &typed, QString *created)
{
    const QString fileName = withTournamentExtension(typed);
    if (!QFileInfo(folder).isDir()) {
        showMessage(this, tr("Папки %1 нет.").arg(QDir::toNativeSeparators(folder)), tr("Ошибка"),
                    QMessageBox::Warning);
        return false;
    }
    const QString problem = fileNameProblem(fileName.chopped(4));
    if (!problem.isEmpty()) {
        showMessage(this, tr("Нельзя создать файл «%1»: %2.").arg(fileName, problem), tr("Ошибка"),
                    QMessageBox::Warning);
        return false;
    }
    if (!askYesNo(this, tr("Турнира %1 нет. Создать его?").arg(fileName), programName(),
                  QMessageBox::Question, QMessageBox::No))
        return false;
    const QString path = joinPath(folder, fileName);
    const QString failure = TournamentStore::createNew(path);
    if (!failure.isEmpty()) {
        showMessage(this, tr("Не удалось создать файл %1: %2").arg(path, failure), tr("Ошибка"),
                    QMessageBox::Warning);
        return false;
    }
    *created = fileName;
    return true;
}

QString withTournamentExtension(const QString &name)
{
    QString base = name;
    if (base.endsWith(QStringLiteral(".TXT"), Qt::CaseInsensitive))
        base.chop(4);
    return base + QStringLiteral(".TXT");
}

} // namespace krugovik
