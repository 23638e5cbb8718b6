#include "archive/ui/SearchDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTreeWidget>
#include <utility>

SearchDialog::SearchDialog(QWidget* owner)
    : QDialog(owner)
{
}

void SearchDialog::setResults(QTreeWidget* results)
{
    results_ = results;
    results_->installEventFilter(this);
}

void SearchDialog::setSearch(ArchiveSearch* search)
{
    search_ = search;
    // After the caller has shown what the search left.
    if (!search && std::exchange(closeAsked_, false))
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void SearchDialog::cancelSearch()
{
    if (search_)
        search_->cancel();
}

bool SearchDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == results_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && results_->currentItem()) {
            emit results_->itemActivated(results_->currentItem(), results_->currentColumn());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SearchDialog::closeEvent(QCloseEvent* event)
{
    if (search_) {
        closeAsked_ = true;
        search_->cancel();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void SearchDialog::reject()
{
    if (search_) {
        search_->cancel();
        return;
    }
    QDialog::reject();
}
