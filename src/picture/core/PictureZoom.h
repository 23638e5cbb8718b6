#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

// The whole zoom steps of the picture window and what a view of a zoomed picture draws. Each step
// copies a picture pixel to a square of step × step screen pixels, so pixels stay sharp.
namespace PictureZoom {

inline constexpr std::array<int, 8> steps{1, 2, 3, 4, 6, 8, 12, 16};

// The first step that draws `picture` larger than `shown` on both sides; nothing above the largest.
std::optional<int> larger(QSize picture, QSize shown);
// The last step that draws it smaller than `shown` on both sides; nothing below 1×.
std::optional<int> smaller(QSize picture, QSize shown);
// The largest step at which the whole picture fits into `area`; 1 when even 1× does not.
int fitting(QSize picture, QSize area);

// The part of a picture, zoomed by `zoom` and scrolled to `offset`, that falls into `view` (a rectangle
// of the view's own pixels): `source` in picture pixels, `target` where its zoomed copy goes in the view.
struct Visible {
    QRect source;
    QRect target;

    bool operator==(const Visible&) const = default;
};
Visible visible(QSize picture, int zoom, QPoint offset, QRect view);

// The offset that keeps the picture pixel under `anchor` (a point of the view) in place when the zoom
// changes from `from` to `to`.
QPoint anchored(QPoint offset, QPoint anchor, int from, int to);

} // namespace PictureZoom
