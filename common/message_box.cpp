#include "common/message_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>

namespace krugovik {
namespace {

// The widget that had the keyboard before the box gets it back, whatever window the
// system activates when the box closes.
int execKeepingKeyboard(QMessageBox &box)
{
    const QPointer<QWidget> had = QApplication::focusWidget();
    const int answer = box.exec();
    if (had && had->isVisible() && had->isEnabled()) {
        had->activateWindow();
        had->setFocus(Qt::OtherFocusReason);
    }
    return answer;
}

} // namespace

QString programName()
{
    return QCoreApplication::translate("Program", "Круговик");
}

void showMessage(QWidget *parent, const QString &text, const QString &title, QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    execKeepingKeyboard(box);
}

bool askYesNo(QWidget *parent, const QString &text, const QString &title, QMessageBox::Icon icon,
              QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultButton);
    return execKeepingKeyboard(box) == QMessageBox::Yes;
}

} // namespace krugovik
