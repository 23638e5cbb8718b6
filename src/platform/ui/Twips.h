#pragma once

#include <QList>
#include <QRect>

class QWidget;

// Window geometry is kept in twips (1440 to the inch) and drawn in the screen's logical pixels.
namespace Twips {

double perPixelX(const QWidget* widget);
double perPixelY(const QWidget* widget);
int toPixelsX(const QWidget* widget, double twips);
int toPixelsY(const QWidget* widget, double twips);
QRect toPixels(const QWidget* widget, int left, int top, int width, int height);
// Places a child widget at a position given in twips of its parent.
void place(QWidget* widget, int left, int top, int width, int height);
// A captioned child (label, button, box) named and placed in twips of its parent.
template <typename Widget>
Widget* create(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
               int height)
{
    auto* widget = new Widget(text, parent);
    widget->setObjectName(name);
    place(widget, left, top, width, height);
    return widget;
}
// Fixed twips layouts were drawn for a small system font; most desktop fonts are wider. Gives the
// captions of these labels, buttons and frames the largest size of their font, or of its condensed
// face, at which none of them is cut off.
void fitCaptions(const QList<QWidget*>& captioned);

} // namespace Twips
