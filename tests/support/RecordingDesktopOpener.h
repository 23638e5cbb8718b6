#pragma once

#include "platform/ui/DesktopOpener.h"

#include <QList>

// Records what the program asks the desktop to open, and opens nothing; with `refuse` set it acts
// as a desktop with no program for the file.
class RecordingDesktopOpener final : public DesktopOpener {
public:
    bool open(const QUrl& url) override
    {
        opened.append(url);
        return !refuse;
    }

    QList<QUrl> opened;
    bool refuse = false;
};
