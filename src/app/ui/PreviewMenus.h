#pragma once

#include "archive/core/ObjectName.h"

#include <QObject>

class MainMenuBar;
class PreviewCommand;

// The menu items that show and hide the preview and palette windows: they toggle their window
// (a hidden window stays loaded), take their check mark when the window is shown and lose it
// when the window unloads.
class PreviewMenus : public QObject {
    Q_OBJECT

public:
    PreviewMenus(MainMenuBar& menus, PreviewCommand& previews, QObject* parent = nullptr);

private:
    void toggle(ObjectName::Kind kind);
    void togglePalette();

    MainMenuBar& menus_;
    PreviewCommand& previews_;
};
