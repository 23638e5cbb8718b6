#pragma once

#include <QWidget>

class QTabBar;

// A row of tabs over one shared client area, which another widget is laid upon.
class TabStrip : public QWidget {
    Q_OBJECT

public:
    explicit TabStrip(QWidget* parent = nullptr);

    QTabBar* tabBar() const { return tabBar_; }
    // The area inside the tabs and the border, in this widget's coordinates.
    QRect clientArea() const;

signals:
    void clientAreaChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutTabBar();
    int frameWidth() const;

    QTabBar* tabBar_;
};
