#include "common/colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace krugovik {

QColor toQColor(ColourCode code)
{
    if (code == kWindowBackground)
        return QGuiApplication::palette().color(QPalette::Base);
    return QColor(int(code & 0xFF), int((code >> 8) & 0xFF), int((code >> 16) & 0xFF));
}

} // namespace krugovik
