#pragma once

#include <QWidget>

class MainStatusBar;
class MainToolBar;
class ObjectPane;
class TabStrip;

// The main window's area under its menu bar: the toolbar at the top, the status bar at the bottom,
// the tab strip between them and the object pane laid upon the tab strip's client area.
class MainArea : public QWidget {
    Q_OBJECT

public:
    explicit MainArea(QWidget* parent = nullptr);

    // Sizes the tab strip to the room the shown bars leave; nothing while the window is minimized.
    void placeTabStrip();

    MainToolBar* Toolbar1;
    MainStatusBar* StatusBar1;
    TabStrip* TabStrip1;
    ObjectPane* Frame1;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeFrame1();
};
