#pragma once

#include <QListWidget>
#include <functional>
#include <vector>

class ObjectFilter;
class QMimeData;

// The object list. Like the list box it stands for, it raises one click for each user action on it
// (a click on a row, the selected one included; a key that moves the current row or changes the
// selection) and one for each change of the selection that the program makes.
class ObjectList : public QListWidget {
    Q_OBJECT

public:
    explicit ObjectList(QWidget* parent = nullptr);

    // Replaces the rows; every row shows.
    void fill(const QStringList& names);
    // Hides the rows whose names the filter does not let through. Rows keep their place, so a row's
    // number is still the object's place in the archive. A hidden row is never selected: it keeps
    // its selection aside and gets it back when it shows again.
    void showOnly(const ObjectFilter& filter);
    int visibleCount() const { return visibleCount_; }
    // The last row that shows, or -1.
    int lastVisibleRow() const;

    // What a drag of these rows, in row order, carries; null refuses the drag.
    using DragData = std::function<QMimeData*(const QList<int>& rows)>;
    // Lets the selected rows be dragged out, as copies.
    void setDragData(DragData dragData);

signals:
    void clickRaised();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    // Runs one input event's handling and raises at most one click for it.
    template <typename Handling> void asOneAction(Handling handling, bool clickedRow);

    // The row made current when the current one is hidden, or when there is none while rows are
    // selected: the first selected row, or none.
    QModelIndex firstSelected(const std::vector<char>& selected) const;

    int handlingInput_ = 0;
    bool changed_ = false;
    QStringList names_; // read back from the items, the names would cost more than the matching
    std::vector<char> hidden_;
    std::vector<char> keptAside_; // selected when it was hidden
    int visibleCount_ = 0;
    DragData dragData_;
};
