#include "picture/core/PictureZoom.h"

#include <algorithm>

namespace PictureZoom {

namespace {

qint64 scaled(int length, int zoom)
{
    return qint64(length) * zoom;
}

// Rounded towards minus infinity, for offsets left of or above the picture.
int floorDivided(qint64 value, int by)
{
    return int(value >= 0 ? value / by : -((-value + by - 1) / by));
}

} // namespace

std::optional<int> larger(QSize picture, QSize shown)
{
    for (const int step : steps) {
        if (scaled(picture.width(), step) > shown.width() && scaled(picture.height(), step) > shown.height())
            return step;
    }
    return std::nullopt;
}

std::optional<int> smaller(QSize picture, QSize shown)
{
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if (scaled(picture.width(), *step) < shown.width() &&
            scaled(picture.height(), *step) < shown.height())
            return *step;
    }
    return std::nullopt;
}

int fitting(QSize picture, QSize area)
{
    int fit = steps.front();
    for (const int step : steps) {
        if (scaled(picture.width(), step) <= area.width() && scaled(picture.height(), step) <= area.height())
            fit = step;
    }
    return fit;
}

Visible visible(QSize picture, int zoom, QPoint offset, QRect view)
{
    const qint64 left = qint64(offset.x()) + view.left();
    const qint64 top = qint64(offset.y()) + view.top();
    const int fromX = std::max(0, floorDivided(left, zoom));
    const int fromY = std::max(0, floorDivided(top, zoom));
    const int toX = std::min(picture.width(), floorDivided(left + view.width() + zoom - 1, zoom));
    const int toY = std::min(picture.height(), floorDivided(top + view.height() + zoom - 1, zoom));
    if (toX <= fromX || toY <= fromY)
        return {};
    const QRect source(fromX, fromY, toX - fromX, toY - fromY);
    return {source, QRect(fromX * zoom - offset.x(), fromY * zoom - offset.y(), source.width() * zoom,
                          source.height() * zoom)};
}

QPoint anchored(QPoint offset, QPoint anchor, int from, int to)
{
    const auto moved = [from, to](int scroll, int at) {
        return int((qint64(scroll) + at) * to / from - at);
    };
    return {moved(offset.x(), anchor.x()), moved(offset.y(), anchor.y())};
}

} // namespace PictureZoom
