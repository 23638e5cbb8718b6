#pragma once

#include "platform/ui/MessageBoxes.h"

// Counts what a window would show; a run that shows anything measured something else.
struct CountedMessages final : MessageBoxes {
    int shown = 0;
    Answer show(QWidget*, const QString&, const QString&, Buttons, MessageIcon) override
    {
        ++shown;
        return Answer::No;
    }
};
