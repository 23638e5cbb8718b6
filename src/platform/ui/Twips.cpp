#include "platform/ui/Twips.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <cmath>

namespace Twips {

namespace {
constexpr double twipsPerInch = 1440.0;
}

double perPixelX(const QWidget* widget)
{
    return twipsPerInch / widget->logicalDpiX();
}

double perPixelY(const QWidget* widget)
{
    return twipsPerInch / widget->logicalDpiY();
}

int toPixelsX(const QWidget* widget, double twips)
{
    return int(std::lround(twips / perPixelX(widget)));
}

int toPixelsY(const QWidget* widget, double twips)
{
    return int(std::lround(twips / perPixelY(widget)));
}

QRect toPixels(const QWidget* widget, int left, int top, int width, int height)
{
    return {toPixelsX(widget, left), toPixelsY(widget, top), toPixelsX(widget, width),
            toPixelsY(widget, height)};
}

void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(toPixels(widget, left, top, width, height));
}

void fitCaptions(const QList<QWidget*>& captioned)
{
    if (captioned.isEmpty())
        return;
    QFont font = captioned.first()->font();
    if (font.pointSizeF() <= 0)
        font.setPointSizeF(QFontInfo(font).pointSizeF());
    const auto fits = [&captioned](const QFont& candidate) {
        const QFontMetrics metrics(candidate);
        for (const QWidget* widget : captioned) {
            const auto* label = qobject_cast<const QLabel*>(widget);
            const auto* button = qobject_cast<const QAbstractButton*>(widget);
            const auto* frame = qobject_cast<const QGroupBox*>(widget);
            const QString text = label    ? label->text()
                                 : button ? button->text()
                                 : frame  ? frame->title()
                                          : QString();
            const int room = button ? widget->width() - 8 : widget->width();
            if (metrics.horizontalAdvance(text) > room || (label && metrics.height() > widget->height()))
                return false;
        }
        return true;
    };
    constexpr double smallestSize = 6.0;
    while (font.pointSizeF() > smallestSize && !fits(font))
        font.setPointSizeF(font.pointSizeF() - 0.5);
    for (QWidget* widget : captioned)
        widget->setFont(font);
}

} // namespace Twips
