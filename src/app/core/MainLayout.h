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

// The window's designed inner size, in twips.
constexpr int designedWidth = 5520;
constexpr int designedHeight = 5595;

// The controls of the object pane that move or grow with the window.
enum class PaneControl { Filter, List, Select, None, Preview, Extract, Palette, Convert, Stats };

// Where a control goes in the object pane when the window's inner area is `innerWidth` × `innerHeight`
// twips: its designed place at the designed size or smaller; larger, the list and the filter box above
// it take the extra width (the list also the extra height), and the commands and the counters keep
// their distance to the right edge and to the top.
Rect paneControl(PaneControl control, double innerWidth, double innerHeight);

} // namespace MainLayout
