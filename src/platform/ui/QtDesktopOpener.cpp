#include "platform/ui/QtDesktopOpener.h"

#include <QDesktopServices>

bool QtDesktopOpener::open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
