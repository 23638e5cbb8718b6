#pragma once

#include <optional>

// Where the main window puts its tab strip, in twips, from its inner size and the bars it leaves
// room for. Sizes are whole numbers from 0 to 32767 twips.
namespace MainLayout {

struct Input {
    double innerWidth = 0;
    double innerHeight = 0;
    bool statusBarShown = true;
    double statusBarHeight = 0;
    bool toolbarShown = true;
    double toolbarHeight = 0;
    bool minimized = false;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

// Nothing while the window is minimized: the tab strip stays where it was.
std::optional<Rect> tabStrip(const Input& input);

} // namespace MainLayout
