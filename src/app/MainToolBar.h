#pragma once

#include <QToolBar>

// The main window's toolbar. Each button carries its key ("Open", "List", ...) as its data.
class MainToolBar : public QToolBar {
    Q_OBJECT

public:
    explicit MainToolBar(QWidget* parent = nullptr);

    // The button with this key, compared without regard to case; null when there is none.
    QAction* button(const QString& key) const;

    QAction* open;
    QAction* list;
    QAction* extract;
    QAction* preview;
    QAction* update; // never enabled: the game has no archive updater
};
