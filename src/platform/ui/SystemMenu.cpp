#include "platform/ui/SystemMenu.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

void RemoveSystemMenuItems(QWidget* window, const SystemMenuItems& remove)
{
#ifdef Q_OS_WIN
    const bool byPosition[] = {remove.restore,  remove.move,      remove.size, remove.minimize,
                               remove.maximize, remove.separator, remove.close};
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window->winId()), FALSE);
    // From the highest position down, so the positions still to go do not move.
    for (int position = 6; position >= 0; --position) {
        if (byPosition[position])
            DeleteMenu(menu, UINT(position), MF_BYPOSITION);
    }
#else
    Q_UNUSED(window);
    Q_UNUSED(remove);
#endif
}
