#include "platform/ui/Twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <cmath>

namespace Twips {

namespace {

constexpr double twipsPerInch = 1440.0;

// The width a caption has in its control: beside a check box's or option button's mark, or inside a
// push button's frame.
int captionRoom(const QWidget* widget)
{
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (!button)
        return widget->width();
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    const QStyle::SubElement contents = qobject_cast<const QCheckBox*>(button) ? QStyle::SE_CheckBoxContents
                                        : qobject_cast<const QRadioButton*>(button)
                                            ? QStyle::SE_RadioButtonContents
                                            : QStyle::SE_PushButtonContents;
    // Two pixels clear of the frame on either side, so that no letter touches it.
    const int clearance = contents == QStyle::SE_PushButtonContents ? 4 : 0;
    return button->style()->subElementRect(contents, &option, button).width() - clearance;
}

} // namespace

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
    QFont normal = captioned.first()->font();
    if (normal.pointSizeF() <= 0)
        normal.setPointSizeF(QFontInfo(normal).pointSizeF());
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
            if (metrics.horizontalAdvance(text) > captionRoom(widget) ||
                (label && metrics.height() > widget->height()))
                return false;
        }
        return true;
    };
    // The largest size that fits, in the font's own width or else its condensed face; with the
    // condensed face of the usual desktop font every caption fits at 8 points or more. Below that only
    // for a font without one, as a caption cut off says less than a small one.
    constexpr double smallestSize = 6.0;
    QFont condensed = normal;
    condensed.setStretch(QFont::Condensed);
    QFont chosen = normal;
    for (double size = normal.pointSizeF(); size >= smallestSize; size -= 0.5) {
        chosen = normal;
        chosen.setPointSizeF(size);
        if (fits(chosen))
            break;
        chosen = condensed;
        chosen.setPointSizeF(size);
        if (fits(chosen))
            break;
    }
    for (QWidget* widget : captioned)
        widget->setFont(chosen);
}

} // namespace Twips
