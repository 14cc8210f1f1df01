#include "app/screen_fit.h"

#include <algorithm>

namespace krugovik {

ScreenFit fitOnScreen(const QRect &available, const QSize &natural, const QPoint &at)
{
    ScreenFit fit;
    fit.maximised = available.width() < natural.width() || available.height() < natural.height();
    fit.geometry = QRect(at, natural.boundedTo(available.size()));
    // Never across the area's edge: a window partly off the screen hides its own buttons.
    fit.geometry.moveLeft(std::clamp(fit.geometry.left(), available.left(),
                                     available.left() + available.width() - fit.geometry.width()));
    fit.geometry.moveTop(std::clamp(fit.geometry.top(), available.top(),
                                    available.top() + available.height() - fit.geometry.height()));
    return fit;
}

} // namespace krugovik
