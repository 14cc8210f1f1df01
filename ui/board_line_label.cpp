#include "ui/board_line_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include "rounds/board_line_fit.h"

namespace krugovik {
namespace {

// Down to one point below the label's font; past that, names are shortened instead.
constexpr int kSmallestStep = 2;
constexpr qreal kPointsPerStep = 0.5;

QFont fontOfStep(QFont font, int step)
{
    if (step > 0 && font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() - step * kPointsPerStep);
    return font;
}

} // namespace

void BoardLineLabel::fit()
{
    const int width = contentsRect().width();
    if (text() == m_fittedCaption && width == m_fittedWidth && font() == m_fittedFont)
        return;
    m_fittedCaption = text();
    m_fittedWidth = width;
    m_fittedFont = font();
    const QFont base = font();
    const BoardLineFit fitted =
        fitBoardLine(text().toStdU32String(), width, kSmallestStep,
                     [&base](const std::u32string &line, int step) {
                         return QFontMetrics(fontOfStep(base, step))
                             .horizontalAdvance(QString::fromStdU32String(line));
                     });
    m_shownText = QString::fromStdU32String(fitted.text);
    m_shownFont = fontOfStep(base, fitted.fontStep);
    setToolTip(m_shownText == text() && fitted.fontStep == 0 ? QString() : text());
}

void BoardLineLabel::paintEvent(QPaintEvent *)
{
    fit();
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(m_shownFont);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                          m_shownText, foregroundRole());
}

} // namespace krugovik
