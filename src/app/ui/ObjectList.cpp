#include "app/ui/ObjectList.h"

#include "app/core/ObjectFilter.h"

#include <QDrag>
#include <QMouseEvent>

namespace {

// Collects rows, given in rising order, as runs of neighbouring rows.
class RowRuns {
public:
    explicit RowRuns(const QAbstractItemModel* model)
        : model_(model)
    {
    }
    void add(int row)
    {
        if (first_ >= 0 && row == last_ + 1) {
            last_ = row;
            return;
        }
        close();
        first_ = last_ = row;
    }
    QItemSelection selection()
    {
        close();
        return selection_;
    }

private:
    void close()
    {
        if (first_ >= 0)
            selection_.select(model_->index(first_, 0), model_->index(last_, 0));
        first_ = -1;
    }

    const QAbstractItemModel* model_;
    QItemSelection selection_;
    int first_ = -1;
    int last_ = -1;
};

} // namespace

ObjectList::ObjectList(QWidget* parent)
    : QListWidget(parent)
{
}

void ObjectList::fill(const QStringList& names)
{
    clear();
    addItems(names);
    names_ = names;
    hidden_.assign(names.size(), 0);
    keptAside_.assign(names.size(), 0);
    visibleCount_ = int(names.size());
}

void ObjectList::showOnly(const ObjectFilter& filter)
{
    std::vector<char> selected(hidden_.size(), 0);
    for (const QItemSelectionRange& range : selectionModel()->selection())
        std::fill(selected.begin() + range.top(), selected.begin() + range.bottom() + 1, 1);
    RowRuns toSelect(model());
    RowRuns toDeselect(model());
    // Each hidden or shown row asks for a repaint of the whole list; one at the end is enough.
    setUpdatesEnabled(false);
    for (int row = 0; row < int(hidden_.size()); ++row) {
        const bool hide = !filter.matches(names_[row]);
        if (bool(hidden_[row]) == hide)
            continue;
        hidden_[row] = hide;
        visibleCount_ += hide ? -1 : 1;
        setRowHidden(row, hide);
        if (hide && selected[row]) {
            keptAside_[row] = 1;
            selected[row] = 0;
            toDeselect.add(row);
        } else if (!hide && keptAside_[row]) {
            keptAside_[row] = 0;
            selected[row] = 1;
            toSelect.add(row);
        }
    }
    setUpdatesEnabled(true);
    // One change of the selection, so one click.
    asOneAction(
        [&] {
            selectionModel()->select(toDeselect.selection(), QItemSelectionModel::Deselect);
            selectionModel()->select(toSelect.selection(), QItemSelectionModel::Select);
            if (currentRow() < 0 || hidden_[currentRow()])
                selectionModel()->setCurrentIndex(firstSelected(selected), QItemSelectionModel::NoUpdate);
        },
        false);
}

QModelIndex ObjectList::firstSelected(const std::vector<char>& selected) const
{
    const auto first = std::find(selected.begin(), selected.end(), 1);
    return first == selected.end() ? QModelIndex() : model()->index(int(first - selected.begin()), 0);
}

int ObjectList::lastVisibleRow() const
{
    for (int row = int(hidden_.size()) - 1; row >= 0; --row) {
        if (!hidden_[row])
            return row;
    }
    return -1;
}

template <typename Handling> void ObjectList::asOneAction(Handling handling, bool clickedRow)
{
    ++handlingInput_;
    changed_ = false;
    handling();
    --handlingInput_;
    if (handlingInput_ == 0 && (changed_ || clickedRow))
        emit clickRaised();
}

void ObjectList::keyPressEvent(QKeyEvent* event)
{
    asOneAction([this, event] { QListWidget::keyPressEvent(event); }, false);
}

void ObjectList::mousePressEvent(QMouseEvent* event)
{
    const bool onRow = event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) != nullptr;
    asOneAction([this, event] { QListWidget::mousePressEvent(event); }, onRow);
}

void ObjectList::mouseMoveEvent(QMouseEvent* event)
{
    asOneAction([this, event] { QListWidget::mouseMoveEvent(event); }, false);
}

// A press on a row that is already selected changes the selection only here.
void ObjectList::mouseReleaseEvent(QMouseEvent* event)
{
    asOneAction([this, event] { QListWidget::mouseReleaseEvent(event); }, false);
}

void ObjectList::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QListWidget::selectionChanged(selected, deselected);
    if (handlingInput_ > 0)
        changed_ = true;
    else
        emit clickRaised();
}

// The program moves the current row too (a list that gains focus takes its first row); only the
// user's moves count as a click.
void ObjectList::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListWidget::currentChanged(current, previous);
    if (handlingInput_ > 0)
        changed_ = true;
}

void ObjectList::setDragData(DragData dragData)
{
    dragData_ = std::move(dragData);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
}

QStringList ObjectList::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

QMimeData* ObjectList::mimeData(const QList<QListWidgetItem*>& items) const
{
    QList<int> rows;
    for (const QListWidgetItem* item : items) {
        if (const int itemRow = row(item); !hidden_[itemRow])
            rows.append(itemRow);
    }
    std::sort(rows.begin(), rows.end());
    return dragData_ && !rows.isEmpty() ? dragData_(rows) : nullptr;
}

// Only as a copy: the view's own drag takes the rows out of the list when a file manager moves them.
void ObjectList::startDrag(Qt::DropActions)
{
    QMimeData* data = model()->mimeData(selectionModel()->selectedRows());
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}
