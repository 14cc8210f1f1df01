#include "common/message_box.h"

namespace krugovik {

void showMessage(QWidget *parent, const QString &text, const QString &title, QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget *parent, const QString &text, const QString &title, QMessageBox::Icon icon,
              QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultButton);
    return box.exec() == QMessageBox::Yes;
}

} // namespace krugovik
