#pragma once

class QWidget;

// The items of a window's system menu, in their order there.
struct SystemMenuItems {
    bool restore = false;
    bool move = false;
    bool size = false;
    bool minimize = false;
    bool maximize = false;
    bool separator = false;
    bool close = false;
};

// Removes the chosen items of a window's system menu. Linux desktops give programs no system menu,
// so there this does nothing.
void RemoveSystemMenuItems(QWidget* window, const SystemMenuItems& remove);
