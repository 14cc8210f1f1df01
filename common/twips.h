#pragma once

class QWidget;

namespace krugovik {

// Sizes are given in twips, 1/1440 inch; the screen's logical dpi turns them into pixels.
inline constexpr double kTwipsPerInch = 1440.0;

int twipsToPixels(double twips, double logicalDpi);
double pixelsToTwips(int pixels, double logicalDpi);

// The same with the logical dpi of the screen the widget is on.
int twipsToPixels(double twips, const QWidget *widget);
double pixelsToTwips(int pixels, const QWidget *widget);
// Puts a widget at a place given in twips within its parent.
void placeInTwips(QWidget *widget, double left, double top, double width, double height);

} // namespace krugovik
