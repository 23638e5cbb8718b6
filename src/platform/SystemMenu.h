#pragma once

#include <array>

class QWidget;

// Removes items of a window's system menu by position (counted from 0). Linux desktops give
// programs no system menu, so there this does nothing.
void RemoveSystemMenuItems(QWidget* window, const std::array<bool, 7>& positions);
