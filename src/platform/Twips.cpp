#include "platform/Twips.h"

#include <QWidget>
#include <cmath>

namespace Twips {

namespace {
constexpr double twipsPerInch = 1440.0;
}

double perPixelX(const QWidget* widget) {
    return twipsPerInch / widget->logicalDpiX();
}

double perPixelY(const QWidget* widget) {
    return twipsPerInch / widget->logicalDpiY();
}

int toPixelsX(const QWidget* widget, double twips) {
    return int(std::lround(twips / perPixelX(widget)));
}

int toPixelsY(const QWidget* widget, double twips) {
    return int(std::lround(twips / perPixelY(widget)));
}

QRect toPixels(const QWidget* widget, int left, int top, int width, int height) {
    return {toPixelsX(widget, left), toPixelsY(widget, top), toPixelsX(widget, width),
            toPixelsY(widget, height)};
}

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(toPixels(widget, left, top, width, height));
}

} // namespace Twips
