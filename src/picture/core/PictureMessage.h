#pragma once

#include "platform/core/MessageIcon.h"

#include <QString>

// What palette and picture logic has to tell the user. The logic only makes it; the window that
// called the logic shows it (see PicturePrompts).
struct PictureMessage {
    // "Warning!" for a problem with a picture or a palette file, else the program's own title.
    enum class Title { Warning, Program };

    QString text;
    MessageIcon icon = MessageIcon::Exclamation;
    Title title = Title::Warning;
};
