#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

namespace krugovik {

// A sans-serif face with Cyrillic, at a size in points: the same on every machine, for
// printouts.
inline QFont programFont(qreal pointSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

// The desktop's own face at a size in points when it shows Cyrillic, otherwise the
// printouts' face. Where the desktop's face is the one the program would choose anyway, the
// windows share its glyphs and measures instead of loading the same face a second time at
// start-up.
inline QFont screenFont(qreal pointSize)
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(pointSize);
    if (!QFontDatabase::writingSystems(QFontInfo(font).family())
             .contains(QFontDatabase::Cyrillic))
        return programFont(pointSize);
    return font;
}

} // namespace krugovik
