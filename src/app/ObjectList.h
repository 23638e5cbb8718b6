#pragma once

#include <QListWidget>

// The object list. Like the list box it stands for, it raises one click for each user action on it
// (a click on a row, the selected one included; a key that moves the current row or changes the
// selection) and one for each change of the selection that the program makes.
class ObjectList : public QListWidget {
    Q_OBJECT

public:
    explicit ObjectList(QWidget* parent = nullptr);

signals:
    void clickRaised();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    // Runs one input event's handling and raises at most one click for it.
    template <typename Handling> void asOneAction(Handling handling, bool clickedRow);

    int handlingInput_ = 0;
    bool changed_ = false;
};
