#pragma once

#include <QToolBar>

// The main window's toolbar. Each button carries its key ("Open", "List", ...) as its data.
class MainToolBar : public QToolBar {
    Q_OBJECT

public:
    explicit MainToolBar(QWidget* parent = nullptr);

    QAction* open;
    QAction* list;
    QAction* extract;
    QAction* preview;
    QAction* update; // never enabled: the game has no archive updater
};
