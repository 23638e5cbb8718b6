#pragma once

#include <QMainWindow>

// A modeless tool window: closing it unloads it (the object is deleted) and says so, so that its
// owner can clear the menu check mark that stands for it.
class ToolWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit ToolWindow(QWidget* parent = nullptr);

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
};
