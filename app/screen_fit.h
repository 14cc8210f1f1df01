#pragma once

#include <QRect>
#include <QSize>

namespace krugovik {

// Where the main window opens: its geometry inside the screen's available area, and
// whether it is maximised there.
struct ScreenFit {
    QRect geometry;
    bool maximised = false;
};

// The natural size where the area holds it, moved inside the area from `at`; an area
// smaller than the natural size in either direction maximises the window in it.
ScreenFit fitOnScreen(const QRect &available, const QSize &natural, const QPoint &at);

} // namespace krugovik
