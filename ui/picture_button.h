#pragma once

#include <map>

#include <QColor>
#include <QIcon>
#include <QString>
#include <QStyle>

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

// The picture buttons' icons, made once for every tournament window a main window opens:
// the style reads a standard icon from its pictures anew on each call, which was a good
// part of opening a tournament.
class ButtonIcons {
  public:
    explicit ButtonIcons(const QStyle *style) : m_style(style) {}
    QIcon standard(QStyle::StandardPixmap which);
    QIcon printer(const QColor &lines);

  private:
    const QStyle *m_style;
    std::map<QStyle::StandardPixmap, QIcon> m_standard;
    std::map<QRgb, QIcon> m_printers;
};

} // namespace krugovik
