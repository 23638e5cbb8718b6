#pragma once

#include "platform/DesktopOpener.h"

#include <QList>

// Records what the program asks the desktop to open, and opens nothing.
class RecordingDesktopOpener final : public DesktopOpener {
public:
    bool open(const QUrl& url) override
    {
        opened.append(url);
        return true;
    }

    QList<QUrl> opened;
};
