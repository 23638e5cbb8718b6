#include "platform/SystemMenu.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void RemoveSystemMenuItems(QWidget* window, const std::array<bool, 7>& positions)
{
#ifdef Q_OS_WIN
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window->winId()), FALSE);
    // From the highest position down, so the positions still to go do not move.
    for (int position = int(positions.size()) - 1; position >= 0; --position) {
        if (positions[std::size_t(position)])
            DeleteMenu(menu, UINT(position), MF_BYPOSITION);
    }
#else
    Q_UNUSED(window);
    Q_UNUSED(positions);
#endif
}
