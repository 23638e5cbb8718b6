#pragma once

#include "app/core/AppCore.h"
#include "app/ui/frmMain.h"
#include "support/FakeSeams.h"

#include <QAction>
#include <QStringList>

// One run of the program's main window on a core and a settings file of its own, with the desktop
// scripted. The window is made but not loaded.
class MainWindowRun {
public:
    explicit MainWindowRun(const QString& iniFile);
    // Replaces `iniFile` with the group "Settings" holding `settings`, each "Key=Value", and one tool run
    // at a time ("Parallel Runs" 1), so that the order of the tools' starts is the objects'.
    static void writeSettings(const QString& iniFile, const QStringList& settings);

    // The control with this object name; the test ends when there is none.
    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    // Whether the button or menu item with this object name is enabled.
    bool enabled(const char* name) const;

    AppCore core;
    FakeSeams fakes;
    frmMain window;
};
