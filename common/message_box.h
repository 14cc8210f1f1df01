#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace krugovik {

// The system's name: the main window's caption and the title of untitled message boxes.
// In the language of the program; asked for each time, as the translation loads at start-up.
QString programName();
inline const QString kProgramVersion = QStringLiteral("1.0");

// A modal box with an OK button.
void showMessage(QWidget *parent, const QString &text, const QString &title = programName(),
                 QMessageBox::Icon icon = QMessageBox::NoIcon);
// A modal box with Yes and No; true when the director answered Yes.
bool askYesNo(QWidget *parent, const QString &text, const QString &title = programName(),
              QMessageBox::Icon icon = QMessageBox::Question,
              QMessageBox::StandardButton defaultButton = QMessageBox::Yes);

} // namespace krugovik
