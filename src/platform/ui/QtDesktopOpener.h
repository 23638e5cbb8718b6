#pragma once

#include "platform/ui/DesktopOpener.h"

class QtDesktopOpener final : public DesktopOpener {
public:
    bool open(const QUrl& url) override;
};
