#include "app/core/MainLayout.h"

#include <algorithm>
#include <cmath>

namespace MainLayout {

namespace {

constexpr int margin = 10;

// Halves round to even, as the layout's whole-number arithmetic always has.
int whole(double twips)
{
    return int(std::clamp(std::nearbyint(twips), -32768.0, 32767.0));
}

int size(int twips)
{
    return std::clamp(twips, 0, 32767);
}

} // namespace

std::optional<Rect> tabStrip(const Input& input)
{
    int height = whole(input.innerHeight);
    int top = 0;
    if (input.statusBarShown)
        height -= whole(input.statusBarHeight);
    if (input.toolbarShown) {
        height -= whole(input.toolbarHeight);
        top = whole(input.toolbarHeight);
    }
    if (input.minimized)
        return std::nullopt;
    return Rect{margin, top + margin, size(whole(input.innerWidth) - 2 * margin), size(height - 2 * margin)};
}

Rect paneControl(PaneControl control, double innerWidth, double innerHeight)
{
    const int wider = std::max(0, whole(innerWidth) - designedWidth);
    const int taller = std::max(0, whole(innerHeight) - designedHeight);
    const auto command = [wider](int left, int top) {
        return Rect{left + wider, top, 1095, 495};
    };
    switch (control) {
    case PaneControl::Filter:
        return {0, 240, 2415 + wider, 330};
    case PaneControl::List:
        return {0, 615, 2415 + wider, 3585 + taller};
    case PaneControl::Select:
        return command(2640, 240);
    case PaneControl::None:
        return command(2640, 840);
    case PaneControl::Preview:
        return command(2640, 1440);
    case PaneControl::Extract:
        return command(3960, 240);
    case PaneControl::Palette:
        return command(3960, 840);
    case PaneControl::Convert:
        return command(3960, 1440);
    case PaneControl::Stats:
        break;
    }
    return {2640 + wider, 2280, 2415, 1935};
}

} // namespace MainLayout
