// Nothing clipped and nothing on top of something else: the main window with the chooser and
// the tournament window of 3, 10 and 22 players in one and two cycles, with a player's
// identity shown, at the usual screens, in Russian and in English. Every visible widget the
// program places lies inside its parent, overlaps none of its visible siblings and shows
// its whole text; so do the dialogs of the event's details and of the tie-breaks.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTranslator>
#include <gtest/gtest.h>

#include "app/club_folder.h"
#include "app/language.h"
#include "base/player_identity.h"
#include "support/test_helpers.h"
#include "ui/cross_table.h"
#include "ui/event_dialog.h"
#include "ui/tie_breaks_dialog.h"

using namespace testing_support;

namespace {

// Placed on purpose across others: the caption-less label of the printout spans the window
// (printing hides it).
const QStringList kSpanning = {QStringLiteral("lblParring")};

QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// Qt's own parts of a compound widget (a spin box's line edit, a view's scroll bars) are
// laid out by Qt; the program's widgets are the ones it names.
bool placedByProgram(const QWidget *w)
{
    return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
}

// The page a scroll area scrolls, and the windows of the MDI area, may be larger than what
// holds them and lie over each other: that is what scrolling and windows are for.
bool scrolledOrWindow(const QWidget *w)
{
    const QWidget *parent = w->parentWidget();
    const auto *area =
        parent ? qobject_cast<const QAbstractScrollArea *>(parent->parentWidget()) : nullptr;
    return area && area->viewport() == parent;
}

// The width a combo box has for its text.
int comboTextRoom(const QComboBox *box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    return box->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
        .width();
}

// The width a button has for its text: a push button's inside its margins, a check box's
// and an option button's right of the mark.
int buttonTextRoom(QAbstractButton *button)
{
    if (auto *push = qobject_cast<QPushButton *>(button)) {
        QStyleOptionButton option;
        option.initFrom(push);
        const int margin = push->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, push);
        return push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).width() -
               margin;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    const bool check = qobject_cast<QCheckBox *>(button) != nullptr;
    const QRect contents = button->style()->subElementRect(
        check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, button);
    return contents.width();
}

// The boards of the round are a table of lines and result boxes: neighbours share the edge
// between them, which rounding to pixels may draw as one pixel in common.
bool boardsSharingAnEdge(const QWidget *a, const QWidget *b)
{
    const auto onBoard = [](const QWidget *w) {
        const QString name = w->objectName();
        return (name.startsWith(QLatin1String("lblParing_")) ||
                name.startsWith(QLatin1String("lblRezult_"))) &&
               !name.endsWith(QLatin1String("_0"));
    };
    const QRect common = a->geometry() & b->geometry();
    return onBoard(a) && onBoard(b) && std::min(common.width(), common.height()) <= 1;
}

// What is wrong with the widgets under root, one line each.
QStringList layoutProblems(QWidget *root)
{
    QStringList problems;
    QList<QWidget *> all = root->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (w->isWindow() || !w->isVisibleTo(root) || !placedByProgram(w))
            continue;
        const QString name = nameOf(w);
        QWidget *parent = w->parentWidget();
        if (!scrolledOrWindow(w) && !parent->rect().contains(w->geometry()))
            problems << name + QStringLiteral(" leaves ") + nameOf(parent);
        // Siblings: only later ones, each pair once.
        if (!scrolledOrWindow(w) && !kSpanning.contains(name)) {
            const QObjectList &siblings = parent->children();
            for (qsizetype k = siblings.indexOf(w) + 1; k < siblings.size(); ++k) {
                auto *other = qobject_cast<QWidget *>(siblings[k]);
                if (!other || other->isWindow() || !other->isVisibleTo(root) ||
                    !placedByProgram(other) || kSpanning.contains(nameOf(other)))
                    continue;
                if (w->geometry().intersects(other->geometry()) && !boardsSharingAnEdge(w, other))
                    problems << name + QStringLiteral(" overlaps ") + nameOf(other);
            }
        }
        // Texts: whole, or elided by the program (then narrower than the widget too).
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width();
            if (!fits)
                problems << name + QStringLiteral(" cuts «") + label->text() + QStringLiteral("»");
        } else if (auto *button = qobject_cast<QAbstractButton *>(w);
                   button && !button->text().isEmpty()) {
            if (buttonTextRoom(button) < button->fontMetrics().horizontalAdvance(
                                             QString(button->text()).remove(QLatin1Char('&'))))
                problems << name + QStringLiteral(" cuts «") + button->text() + QStringLiteral("»");
        } else if (auto *box = qobject_cast<QComboBox *>(w)) {
            for (int k = 0; k < box->count(); ++k) {
                if (box->fontMetrics().horizontalAdvance(box->itemText(k)) > comboTextRoom(box))
                    problems << name + QStringLiteral(" cuts «") + box->itemText(k) +
                                    QStringLiteral("»");
            }
        }
    }
    return problems;
}

std::string joined(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n')).toStdString();
}

// The tournament file of n players with names as long as juniors' names get.
QByteArray tournamentOf(int n)
{
    QList<QByteArray> items{' ' + QByteArray::number(n) + ' '};
    for (int i = 1; i <= n; ++i) {
        items << cp1251(kJuniorNames[i - 1]) << ' ' + QByteArray::number(i) + ' '
              << QByteArray::number(1400 + 10 * i) << " 1000 ";
        for (int j = 1; j < n; ++j)
            items << QByteArray();
    }
    return lines(items);
}

struct Screen {
    QSize size;
    bool english;
};

class LayoutFit : public TournamentTest, public ::testing::WithParamInterface<Screen> {
  protected:
    void SetUp() override
    {
        TournamentTest::SetUp();
        m_previousConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        krugovik::saveLanguage(krugovik::programSettingsFile(), GetParam().english
                                                                    ? krugovik::Language::English
                                                                    : krugovik::Language::Russian);
        // The base editor shows a player with every field of his identity.
        writeBase({{QStringLiteral("Абрамов Артём"), "2450", ' '}});
        krugovik::NamedIdentity identity;
        identity.name =
            krugovik::identityName(cp1251(QStringLiteral("Абрамов Артём")).toStdString());
        identity.identity.fideId = 100007;
        identity.identity.federation = "KAZ";
        identity.identity.title = "IM";
        identity.identity.birthYear = 1999;
        identity.identity.fideRating = 2450;
        writeFile(QStringLiteral("BASE.ID"),
                  QByteArray::fromStdString(krugovik::writeIdentityTable({{1, identity}})));
    }
    void TearDown() override
    {
        TournamentTest::TearDown();
        qputenv("XDG_CONFIG_HOME", m_previousConfig);
    }
    // The screen is stood in for by the main window at its size.
    void fitToScreen()
    {
        mainWindow()->showNormal();
        mainWindow()->resize(GetParam().size);
        QCoreApplication::processEvents();
    }
    // With KRUGOVIK_LAYOUT_PICTURES naming a folder, the window as drawn goes there too, to
    // be looked at.
    void picture(const QString &what, QWidget *shown = nullptr) const
    {
        const QString folder = qEnvironmentVariable("KRUGOVIK_LAYOUT_PICTURES");
        if (folder.isEmpty())
            return;
        (shown ? shown : mainWindow())
            ->grab()
            .save(QDir(folder).filePath(
                QStringLiteral("%1x%2-%3-%4.png")
                    .arg(GetParam().size.width())
                    .arg(GetParam().size.height())
                    .arg(GetParam().english ? QStringLiteral("en") : QStringLiteral("ru"), what)));
    }
    std::string where(const QString &what) const
    {
        return QStringLiteral("%1 at %2×%3 in %4:\n")
            .arg(what)
            .arg(GetParam().size.width())
            .arg(GetParam().size.height())
            .arg(GetParam().english ? QStringLiteral("English") : QStringLiteral("Russian"))
            .toStdString();
    }

  private:
    QTemporaryDir m_config;
    QByteArray m_previousConfig;
};

TEST_P(LayoutFit, TheChooserAndTheTournamentWindowAtEverySize)
{
    start();
    fitToScreen();
    picture(QStringLiteral("chooser"));
    EXPECT_EQ(layoutProblems(mainWindow()), QStringList()) << where("the chooser");
    int walked = 0;
    for (const int players : {3, 10, 22}) {
        {
            // The tournament before is left unsaved.
            BoxAnswerer discard(QMessageBox::No);
            openTournament(tournamentOf(players), QStringLiteral("P%1.TXT").arg(players));
        }
        fitToScreen();
        // Where the screen is as wide as the window's page, the top row is seen whole
        // without scrolling sideways, «Выход» at its right end clear of the scroll bar.
        auto *exit = widget<QPushButton>(QStringLiteral("cmdExit"));
        auto *scroll = tournament()->findChild<QScrollArea *>();
        ASSERT_NE(scroll, nullptr);
        scroll->horizontalScrollBar()->setValue(0);
        const QRect exitSeen(exit->mapTo(scroll->viewport(), QPoint()), exit->size());
        EXPECT_TRUE(GetParam().size.width() < 1024 || scroll->viewport()->rect().contains(exitSeen))
            << where("«Выход»") << exitSeen.right() << " > " << scroll->viewport()->width();
        ASSERT_FALSE(widget<QLabel>(QStringLiteral("lblIdentity"))->text().isEmpty());
        for (const int cycles : {1, 2}) {
            widget<QSpinBox>(QStringLiteral("spnCycles"))->setValue(cycles);
            // The last round of the last cycle on show: its boards and, with an odd
            // count, who sits out (an even count has no round under its last header).
            const int columns = grid()->columns();
            clickCell(grid(), 0, columns - 1 - (players % 2 == 0 ? 1 : 0));
            QCoreApplication::processEvents();
            picture(QStringLiteral("%1x%2").arg(players).arg(cycles));
            const QStringList problems = layoutProblems(mainWindow());
            EXPECT_EQ(problems, QStringList())
                << where(QStringLiteral("%1 players, %2 cycles").arg(players).arg(cycles))
                << joined(problems);
            ++walked;
        }
    }
    EXPECT_EQ(walked, 6);
}

TEST_P(LayoutFit, TheDialogsOfTheEventAndOfTheTieBreaks)
{
    start();
    fitToScreen();
    // Ten players in two cycles: «Тур 18 (2-й цикл, тур 9)» beside a whole date.
    QStringList rounds;
    for (int r = 1; r <= 18; ++r)
        rounds << (r <= 9 ? QStringLiteral("Тур %1").arg(r)
                          : QStringLiteral("Тур %1 (2-й цикл, тур %2)").arg(r).arg(r - 9));
    krugovik::EventDetails details;
    details.roundDates.assign(18, "2026-11-07");
    krugovik::EventDialog event(details, rounds, mainWindow());
    event.show();
    QCoreApplication::processEvents();
    picture(QStringLiteral("event"), &event);
    EXPECT_EQ(layoutProblems(&event), QStringList()) << where("dlgEvent");
    auto *table = event.findChild<QTableWidget *>(QStringLiteral("tblRoundDates"));
    ASSERT_NE(table, nullptr);
    auto *date = event.findChild<QDateEdit *>(QStringLiteral("dteRound_18"));
    // The calendars name months and days in the program's language.
    EXPECT_EQ(date->calendarWidget()->locale().language(),
              GetParam().english ? QLocale::English : QLocale::Russian);
    EXPECT_GE(date->width(), date->sizeHint().width());
    EXPECT_GE(table->columnWidth(0), table->horizontalHeader()->sectionSizeHint(0));

    krugovik::TieBreaksDialog rules({}, mainWindow());
    rules.show();
    QCoreApplication::processEvents();
    auto *preset = rules.findChild<QComboBox *>(QStringLiteral("cmbTieBreakPreset"));
    ASSERT_NE(preset, nullptr);
    for (int k = 0; k < preset->count(); ++k) {
        preset->setCurrentIndex(k);
        QCoreApplication::processEvents();
        picture(QStringLiteral("rules%1").arg(k), &rules);
        EXPECT_EQ(layoutProblems(&rules), QStringList())
            << where(QStringLiteral("dlgTieBreaks, preset %1").arg(k));
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, LayoutFit,
                         ::testing::Values(Screen{{800, 600}, false}, Screen{{800, 600}, true},
                                           Screen{{1024, 600}, false}, Screen{{1024, 600}, true},
                                           Screen{{1366, 768}, false}, Screen{{1366, 768}, true},
                                           Screen{{1920, 1080}, false}, Screen{{1920, 1080}, true}),
                         [](const auto &info) {
                             return QStringLiteral("W%1H%2%3")
                                 .arg(info.param.size.width())
                                 .arg(info.param.size.height())
                                 .arg(info.param.english ? QStringLiteral("English")
                                                         : QStringLiteral("Russian"))
                                 .toStdString();
                         });

} // namespace
