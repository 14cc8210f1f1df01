#pragma once

#include <QFont>

namespace krugovik {

// A sans-serif face with Cyrillic, at a size in points.
inline QFont programFont(qreal pointSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace krugovik
