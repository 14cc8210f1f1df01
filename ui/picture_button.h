#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

class QToolButton;
class QWidget;

namespace krugovik {

// The side of the window's square picture buttons, in twips.
inline constexpr double kPictureButton = 420;

// A picture button with its tooltip, named for the manual.
QToolButton *pictureButton(QWidget *parent, const char *name, const QIcon &icon,
                           const QString &toolTip);
// A printer with a sheet coming out, the sheet's lines in the colour of what it prints.
QIcon printerIcon(const QColor &lines);

} // namespace krugovik
