#pragma once

#include "platform/ui/Seams.h"
#include "support/RecordingDesktopOpener.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedFilePicker.h"
#include "support/ScriptedMessageBoxes.h"

// The desktop as the tests script it.
struct FakeSeams {
    ScriptedMessageBoxes messages;
    ScriptedFilePicker files;
    RecordingDesktopOpener desktop;
    ScriptedDialogs dialogs;

    Seams seams()
    {
        return Seams{messages, files, desktop, [this](QDialog& dialog) {
                         return dialogs.run(dialog);
                     }};
    }
};
