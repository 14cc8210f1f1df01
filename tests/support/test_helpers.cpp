#include "support/test_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "common/codepage.h"
#include "table/cross_table.h"

namespace testing_support {
namespace {

void pollForBox(std::shared_ptr<SeenBox> seen, std::shared_ptr<bool> alive,
                QMessageBox::StandardButton answer)
{
    QTimer::singleShot(5, [seen, alive, answer] {
        if (!*alive)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen->text = box->text();
            seen->title = box->windowTitle();
            seen->icon = box->icon();
            seen->buttons.clear();
            for (QAbstractButton *button : box->buttons())
                seen->buttons.append(box->standardButton(button));
            ++seen->count;
            QAbstractButton *button = box->button(answer);
            if (!button)
                button = box->buttons().value(0);
            button->click();
        }
        pollForBox(seen, alive, answer);
    });
}

} // namespace

BoxAnswerer::BoxAnswerer(QMessageBox::StandardButton answer)
    : m_seen(std::make_shared<SeenBox>()), m_alive(std::make_shared<bool>(true))
{
    pollForBox(m_seen, m_alive, answer);
}

BoxAnswerer::~BoxAnswerer()
{
    *m_alive = false;
}

void InTempDir::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
}

void InTempDir::TearDown()
{
    QDir::setCurrent(m_previous);
}

QByteArray InTempDir::readFile(const QString &name) const
{
    QFile file(path(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

void InTempDir::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    file.write(bytes);
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void clickCell(krugovik::CrossTable *table, int row, int column)
{
    const QRect cell = table->visualRect(table->model()->index(row, column));
    ASSERT_TRUE(cell.isValid()) << "cell " << row << "," << column << " is not on screen";
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

QByteArray cp1251(const QString &text)
{
    return krugovik::toCodePage(text);
}

} // namespace testing_support
