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

} // namespace MainLayout
