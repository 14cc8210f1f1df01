#include "ui/picture_button.h"

#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace krugovik {

QToolButton *pictureButton(QWidget *parent, const char *name, const QIcon &icon,
                           const QString &toolTip)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(icon);
    button->setToolTip(toolTip);
    button->setAutoRaise(false);
    return button;
}

QIcon printerIcon(const QColor &lines)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9.5, 2.5, 13, 10));
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRoundedRect(QRectF(2.5, 11.5, 27, 11), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(7.5, 18.5, 17, 11));
    painter.setPen(QPen(lines, 1.5));
    painter.drawLine(QPointF(10, 22.5), QPointF(22, 22.5));
    painter.drawLine(QPointF(10, 26), QPointF(19, 26));
    return QIcon(pixmap);
}

QIcon ButtonIcons::standard(QStyle::StandardPixmap which)
{
    auto found = m_standard.find(which);
    if (found == m_standard.end())
        found = m_standard.emplace(which, m_style->standardIcon(which)).first;
    return found->second;
}

QIcon ButtonIcons::printer(const QColor &lines)
{
    auto found = m_printers.find(lines.rgba());
    if (found == m_printers.end())
        found = m_printers.emplace(lines.rgba(), printerIcon(lines)).first;
    return found->second;
}

} // namespace krugovik
