#pragma once

#include "platform/ui/MessageBoxes.h"

#include <cstdio>

// Counts what a window would show, and writes it on standard error; a run that shows anything
// measured something else.
struct CountedMessages final : MessageBoxes {
    int shown = 0;
    Answer show(QWidget*, const QString& text, const QString&, Buttons, MessageIcon) override
    {
        ++shown;
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return Answer::No;
    }
};
