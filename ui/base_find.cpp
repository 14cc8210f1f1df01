// Finding a player in the base: the box txtFind in the editor's row and its pop-up list.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>
#include <algorithm>
#include <functional>

#include "base/player_search.h"
#include "common/codepage.h"
#include "common/folded_text.h"
#include "common/fonts.h"
#include "common/twips.h"
#include "ui/base_editor.h"
#include "ui/cross_table.h"
#include "ui/import_list_dialog.h"

namespace krugovik {
namespace {

constexpr std::size_t kListedMatches = 20;
constexpr int kRecordRole = Qt::UserRole;   // the record number behind an entry
constexpr int kListRole = Qt::UserRole + 1; // a list's entry: its index among the list matches

// The find list's columns: enough to tell twenty namesakes apart.
enum FindColumn { Name, Rating, FideId, Federation, Title, Born, List, FindColumnCount };

QString findToolTip()
{
    return QCoreApplication::translate(
        "krugovik::BaseEditor",
        "Поиск игрока в базе по части имени (без учёта регистра, «ё» как «е») и "
        "в загруженных рейтинг-листах по началу фамилии или по ID: выберите игрока "
        "из списка или нажмите Enter — следующий найденный");
}

QString notFound()
{
    return BaseEditor::tr("Не найдено");
}

QString fieldText(const std::string &field)
{
    return fromCodePage(QByteArray::fromStdString(field));
}

// The keyboard around the find list. A click on the crosstable while the list is open goes
// to the table, not only closing the list; a choice from the list, or Escape, gives the
// keyboard back to the table when the table had it before the find box.
class FindListKeyboard : public QObject {
  public:
    // choose takes the entry the director picked.
    FindListKeyboard(QLineEdit *find, QAbstractItemView *list, CrossTable *table,
                     std::function<void(const QModelIndex &)> choose)
        : QObject(find), m_find(find), m_list(list), m_table(table), m_choose(std::move(choose))
    {
        // Installed after the completer's filter, so it sees the list's events first.
        list->installEventFilter(this);
        find->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
            // A window that only became active again says nothing about where the keys were.
            if (now == m_find && old)
                m_tableHadKeys = old == m_table;
        });
    }

    void returnToTable()
    {
        if (m_tableHadKeys)
            giveKeysToTable();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_find) {
            if (event->type() == QEvent::FocusIn)
                takeFocusIn(static_cast<QFocusEvent *>(event)->reason());
            return false;
        }
        const int key =
            event->type() == QEvent::KeyPress ? static_cast<QKeyEvent *>(event)->key() : 0;
        // Enter on a highlighted entry takes that one alone. Left to the completer, the key
        // would reach the box first, whose Enter takes the first match as well.
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_list->currentIndex().isValid()) {
            const QModelIndex chosen = m_list->currentIndex();
            m_list->hide();
            m_choose(chosen);
            returnToTable();
            return true;
        }
        if (key == Qt::Key_Escape && m_tableHadKeys) {
            m_list->hide();
            returnToTable();
            return true;
        }
        if (event->type() != QEvent::MouseButtonPress)
            return false;
        const auto *press = static_cast<QMouseEvent *>(event);
        const QPoint global = press->globalPosition().toPoint();
        if (press->button() != Qt::LeftButton ||
            m_list->rect().contains(m_list->mapFromGlobal(global)) ||
            QApplication::widgetAt(global) != m_table->viewport())
            return false;
        m_list->hide();
        // The press closed the list before the table could see it: the table gets it now,
        // as one whole click. The system's release, if it follows, finds no press to end.
        const QPointF local = m_table->viewport()->mapFromGlobal(press->globalPosition());
        QMouseEvent down(QEvent::MouseButtonPress, local, press->globalPosition(), Qt::LeftButton,
                         Qt::LeftButton, press->modifiers());
        QCoreApplication::sendEvent(m_table->viewport(), &down);
        QMouseEvent up(QEvent::MouseButtonRelease, local, press->globalPosition(), Qt::LeftButton,
                       Qt::NoButton, press->modifiers());
        QCoreApplication::sendEvent(m_table->viewport(), &up);
        giveKeysToTable();
        return true;
    }

  private:
    void giveKeysToTable()
    {
        if (!m_table->isVisible())
            return;
        m_keysReturned = true;
        // With some window systems the closed list still counts as the active window.
        m_table->activateWindow();
        m_table->setFocus(Qt::OtherFocusReason);
    }

    void takeFocusIn(Qt::FocusReason reason)
    {
        // Some window systems activate the list's window late, after it closed, and its
        // focus goes to the box; the keys stay with the table they were given back to.
        if (reason == Qt::ActiveWindowFocusReason && m_keysReturned && !m_list->isVisible()) {
            m_table->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            m_keysReturned = false;
    }

    QLineEdit *m_find;
    QAbstractItemView *m_list;
    CrossTable *m_table;
    std::function<void(const QModelIndex &)> m_choose;
    bool m_tableHadKeys = false;
    bool m_keysReturned = false; // until the director takes the box again
};

// The list under the box (above it when there is more room there), as wide as its columns
// need, and shifted left, or cut, so that it stays on the screen.
void placeFindList(QTreeView *list, QWidget *box)
{
    const QScreen *screen = box->screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const int frame = 2 * list->frameWidth();
    int width = frame + list->verticalScrollBar()->sizeHint().width();
    const QAbstractItemView *view = list; // QTreeView hides the hint it overrides
    for (int c = 0; c < FindColumnCount; ++c)
        width += std::max(view->sizeHintForColumn(c), list->header()->sectionSizeHint(c));
    width = std::min(std::max(width, box->width()), free.width());
    const int rows = std::min(list->model()->rowCount(), int(kListedMatches));
    int height =
        frame + list->header()->sizeHint().height() + rows * std::max(list->sizeHintForRow(0), 1);
    const QPoint below = box->mapToGlobal(QPoint(0, box->height()));
    const QPoint above = box->mapToGlobal(QPoint(0, 0));
    const int roomBelow = free.bottom() + 1 - below.y();
    const int roomAbove = above.y() - free.top();
    int top = below.y();
    if (height > roomBelow && roomAbove > roomBelow) {
        height = std::min(height, roomAbove);
        top = above.y() - height;
    } else {
        height = std::min(height, std::max(roomBelow, 0));
    }
    // Too wide to open rightwards from the box: it opens leftwards from the box's right edge.
    int left = below.x();
    if (left + width > free.right() + 1)
        left = below.x() + box->width() - width;
    left = std::clamp(left, free.left(), free.right() + 1 - width);
    list->setMinimumWidth(0);
    list->setGeometry(left, top, width, height);
}

QStandardItem *numberItem(qint64 value)
{
    auto *item = new QStandardItem(value > 0 ? QString::number(value) : QString());
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// The columns after the name and the rating: who the player is in the lists.
QList<QStandardItem *> identityItems(std::int64_t fideId, const std::string &federation,
                                     const std::string &title, int birthYear)
{
    return {numberItem(fideId), new QStandardItem(QString::fromStdString(federation)),
            new QStandardItem(QString::fromStdString(title)), numberItem(birthYear)};
}

} // namespace

void BaseEditor::createFindBox(CrossTable *table)
{
    txtFind = new QLineEdit(m_window);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setPlaceholderText(tr("Найти в базе"));
    txtFind->setToolTip(findToolTip());
    txtFind->setClearButtonEnabled(true);
    auto *findCheck = new CodePageValidator(txtFind);
    // The box is narrow: what folding changed is said in its tooltip.
    findCheck->setNoteReceiver([this](const QString &note) {
        if (note.isEmpty() && txtFind->toolTip() == notFound())
            return; // the edit's own handler lifts the red
        txtFind->setPalette(QPalette());
        txtFind->setToolTip(note.isEmpty() ? findToolTip() : note);
        if (!note.isEmpty() && txtFind->isVisible())
            QToolTip::showText(txtFind->mapToGlobal(QPoint(0, txtFind->height())), note, txtFind);
    });
    txtFind->setValidator(findCheck);
    txtFind->setEnabled(false);
    placeInTwips(txtFind, 12020, 90, 2020, 360);

    m_lists = std::make_unique<RatingListStore>();
    m_findMatches = new QStandardItemModel(0, FindColumnCount, this);
    m_findMatches->setHorizontalHeaderLabels({tr("Игрок"), tr("Рейтинг"), tr("FIDE ID"), tr("Фед."),
                                              tr("Звание"), tr("Г. р."), tr("Список")});
    auto *list = new QTreeView;
    list->setObjectName(QStringLiteral("lstFind"));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_findCompleter = new QCompleter(m_findMatches, this);
    m_findCompleter->setObjectName(QStringLiteral("cmpFind"));
    // The search is ours: the list shows what it found, as it found it.
    m_findCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_findCompleter->setMaxVisibleItems(int(kListedMatches));
    m_findCompleter->setWidget(txtFind);
    m_findCompleter->setPopup(list);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsClickable(false);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(Name, QHeaderView::Stretch);

    connect(txtFind, &QLineEdit::textChanged, this, &BaseEditor::txtFind_Change);
    connect(txtFind, &QLineEdit::returnPressed, this, &BaseEditor::txtFind_Enter);
    // The entry picked, by the mouse or by Enter: that one player, once.
    const auto choose = [this](const QModelIndex &index) {
        const QModelIndex name = index.siblingAtColumn(Name);
        const QVariant listRow = name.data(kListRole);
        if (listRow.isValid() && listRow.toULongLong() < m_listMatches.size())
            TakeListPlayer(m_listMatches[listRow.toULongLong()]);
        else
            ShowFoundRecord(name.data(kRecordRole).toLongLong());
    };
    auto *keyboard = new FindListKeyboard(txtFind, list, table, choose);
    connect(m_findCompleter, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            [choose, keyboard](const QModelIndex &index) {
                choose(index);
                keyboard->returnToTable();
            });
    connect(txtName, &QLineEdit::textChanged, this, &BaseEditor::UpdateFindBox);
    // From the editor's buttons to the box and on into the table, whose cells take Tab.
    QWidget::setTabOrder(cmdNew, txtFind);
    QWidget::setTabOrder(txtFind, table);
    connect(txtRate, &QLineEdit::textChanged, this, &BaseEditor::UpdateFindBox);

    lblRecord = new QLabel(m_window);
    lblRecord->setObjectName(QStringLiteral("lblRecord"));
    lblRecord->setFont(screenFont(8));
    placeInTwips(lblRecord, 12650, 1190, 2400, 255);

    lblIdentity = new QLabel(m_window);
    lblIdentity->setObjectName(QStringLiteral("lblIdentity"));
    lblIdentity->setFont(screenFont(8));
    lblIdentity->setToolTip(tr("Данные игрока из рейтинг-листа"));
    // In the box under the editor, where the categories of a player without a rating go:
    // the longest identity has the whole line, and the two are never shown together.
    placeInTwips(lblIdentity, 120, 660, 11500, 330);
    lblIdentity->setVisible(chkRate->isChecked());
}

BaseEditor::~BaseEditor() = default;

void BaseEditor::closeFindList()
{
    if (m_findCompleter->popup()->isVisible())
        m_findCompleter->popup()->hide();
}

void BaseEditor::UpdateFindBox()
{
    // The found record replaces the one on show, so the box follows the arrows' rule.
    txtFind->setEnabled(recordMayBeLeft());
}

void BaseEditor::txtFind_Change()
{
    if (txtFind->toolTip() == notFound()) {
        txtFind->setPalette(QPalette());
        txtFind->setToolTip(findToolTip());
    }
    // The base as it is now: another window may have changed it since it was opened.
    const QByteArray base = Base.readAll();
    const std::vector<FoundPlayer> found =
        findPlayers(std::string_view(base.constData(), std::size_t(base.size())),
                    toCodePage(txtFind->text()).toStdString(), kListedMatches);
    m_findMatches->removeRows(0, m_findMatches->rowCount());
    const IdentityTable identities = found.empty() ? IdentityTable{} : Base.identities();
    for (const FoundPlayer &player : found) {
        auto *name = new QStandardItem(fieldText(player.name));
        name->setData(qlonglong(player.recordNo), kRecordRole);
        auto *rate = new QStandardItem(fieldText(player.rate));
        rate->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const auto known = identities.find(player.recordNo);
        const PlayerIdentity identity =
            known == identities.end() ? PlayerIdentity{} : known->second;
        QList<QStandardItem *> row = {name, rate};
        row << identityItems(identity.fideId, identity.federation, identity.title,
                             identity.birthYear)
            << new QStandardItem;
        m_findMatches->appendRow(row);
    }
    // The lists' players after the base's own, each with the name of its list.
    m_listMatches = m_lists->findByName(txtFind->text(), kListedMatches - found.size());
    for (std::size_t i = 0; i < m_listMatches.size(); ++i) {
        const ListMatch &match = m_listMatches[i];
        auto *name = new QStandardItem(QString::fromStdString(match.player.name));
        name->setData(qulonglong(i), kListRole);
        auto *source = new QStandardItem(shownListName(match.listName));
        source->setForeground(QColor(Qt::darkBlue));
        const ListPlayer &p = match.player;
        QList<QStandardItem *> row = {name, numberItem(p.rating)};
        row << identityItems(p.fideId, p.federation, p.title, p.birthYear) << source;
        m_findMatches->appendRow(row);
    }
    if (m_findMatches->rowCount() == 0) {
        m_findCompleter->popup()->hide();
        return;
    }
    m_findCompleter->complete();
    placeFindList(static_cast<QTreeView *>(m_findCompleter->popup()), txtFind);
    // Nothing chosen until the director chooses: Enter then goes to the next match.
    m_findCompleter->popup()->setCurrentIndex(QModelIndex());
}

void BaseEditor::txtFind_Enter()
{
    const QString text = txtFind->text().trimmed();
    if (text.isEmpty())
        return;
    if (TakePlayerById(text))
        return;
    const QByteArray base = Base.readAll();
    const qint64 found =
        findNextPlayer(std::string_view(base.constData(), std::size_t(base.size())),
                       toCodePage(txtFind->text()).toStdString(), CurrentRecord);
    if (found == 0) {
        // Nobody of that name in the base: the lists' first match.
        const std::vector<ListMatch> inLists = m_lists->findByName(text, 1);
        if (!inLists.empty()) {
            m_findCompleter->popup()->hide();
            TakeListPlayer(inLists.front());
            return;
        }
        QPalette red = txtFind->palette();
        red.setColor(QPalette::Text, Qt::red);
        txtFind->setPalette(red);
        txtFind->setToolTip(notFound());
        return;
    }
    ShowFoundRecord(found);
}

void BaseEditor::ShowFoundRecord(qint64 recordNo)
{
    if (recordNo < 1)
        return;
    SaveCurrentRecord();
    // Records another window has added since the base was opened are browsed too.
    RecordCount = std::max<qint64>(RecordCount, recordCountForLength(Base.length()));
    CurrentRecord = recordNo;
    ShowCurrentRecord();
    cmdNext->setEnabled(CurrentRecord != RecordCount);
    cmdPrevious->setEnabled(CurrentRecord != 1);
}

bool BaseEditor::TakePlayerById(const QString &text)
{
    // An ID is digits (FIDE's) or a federation's number with at least one digit in it.
    if (!text.contains(QRegularExpression(QStringLiteral("^[0-9A-Za-z-]*[0-9][0-9A-Za-z-]*$"))))
        return false;
    bool digits = false;
    const qlonglong fideId = text.toLongLong(&digits);
    const qint64 inBase = Base.findIdentity(digits ? fideId : 0, text.toStdString());
    if (inBase > 0) {
        m_findCompleter->popup()->hide();
        ShowFoundRecord(inBase);
        return true;
    }
    const std::optional<ListMatch> inList = m_lists->findById(text);
    if (!inList)
        return false;
    m_findCompleter->popup()->hide();
    TakeListPlayer(*inList);
    return true;
}

void BaseEditor::TakeListPlayer(const ListMatch &match)
{
    const PlayerIdentity identity = identityFromList(match.player, match.kind);
    // The base's letters: a name from the list loses what the code page lacks.
    const std::string name = storeFixedWidth(
        toCodePage(QString::fromStdString(foldToCodePage(match.player.name).text)).toStdString(),
        kNameWidth);
    qint64 recordNo = Base.findIdentity(identity.fideId, identity.nationalId);
    if (recordNo == 0) {
        // Entered by hand before the list came: the same name, no identity yet.
        const IdentityTable known = Base.identities();
        const QByteArray base = Base.readAll();
        for (qint64 offset = 0; offset + qint64(kNameWidth) <= base.size() && recordNo == 0;
             offset += qint64(kRecordLength)) {
            const qint64 r = offset / qint64(kRecordLength) + 1;
            if (std::string_view(base.constData() + offset, kNameWidth) == name && !known.count(r))
                recordNo = r;
        }
        if (recordNo > 0 && !Base.writeIdentity(recordNo, identity)) {
            reportBaseFailure();
            return;
        }
    }
    if (recordNo == 0) {
        PlayerRecord record;
        record.name = name;
        // A rating the base can hold becomes his established rating; without one the
        // director gives an estimate from his category.
        const int rating = match.player.rating;
        if (rating >= 1000 && rating <= 3000)
            record.setRate(std::to_string(rating));
        SaveCurrentRecord();
        recordNo = Base.appendWithIdentity(record, identity);
        if (recordNo == 0) {
            reportBaseFailure();
            return;
        }
    }
    ShowFoundRecord(recordNo);
}

void BaseEditor::ShowIdentity()
{
    if (!lblIdentity)
        return;
    const PlayerIdentity identity = Base.identity(CurrentRecord);
    QStringList parts;
    if (identity.fideId > 0)
        parts << QStringLiteral("FIDE %1").arg(identity.fideId);
    if (!identity.nationalId.empty())
        parts << QStringLiteral("ID %1").arg(QString::fromStdString(identity.nationalId));
    for (const std::string *text : {&identity.federation, &identity.title})
        if (!text->empty())
            parts << QString::fromStdString(*text);
    if (identity.birthYear > 0)
        parts << tr("%1 г.р.").arg(identity.birthYear);
    if (identity.fideRating > 0)
        parts << tr("Эло %1").arg(identity.fideRating);
    lblIdentity->setText(parts.join(QStringLiteral(" · ")));
}

} // namespace krugovik
