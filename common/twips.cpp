#include "common/twips.h"

#include <QWidget>
#include <cmath>

namespace krugovik {

int twipsToPixels(double twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

double pixelsToTwips(int pixels, double logicalDpi)
{
    return pixels * kTwipsPerInch / logicalDpi;
}

int twipsToPixels(double twips, const QWidget *widget)
{
    return twipsToPixels(twips, widget->logicalDpiY());
}

double pixelsToTwips(int pixels, const QWidget *widget)
{
    return pixelsToTwips(pixels, widget->logicalDpiY());
}

void placeInTwips(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(twipsToPixels(left, widget), twipsToPixels(top, widget),
                        twipsToPixels(width, widget), twipsToPixels(height, widget));
}

} // namespace krugovik
