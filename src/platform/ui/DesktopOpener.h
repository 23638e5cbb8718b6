#pragma once

#include <QUrl>

// Opens a file or address with the desktop's default program; tests replace it.
class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    virtual bool open(const QUrl& url) = 0;
};
