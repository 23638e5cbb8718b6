#pragma once

#include "archive/core/ArchiveSearch.h"

#include <QDialog>
#include <QPointer>

class QTreeWidget;

// A window that searches archives and lists what it finds. Closing it while it searches cancels the
// search, and the window closes once the search has ended; Escape then cancels the search and leaves
// the window open. Enter on a row of the results opens the row, and does not also press the default
// button.
class SearchDialog : public QDialog {
    Q_OBJECT

protected:
    explicit SearchDialog(QWidget* owner);

    // The list whose rows Enter opens.
    void setResults(QTreeWidget* results);
    // The search while it runs, or null once it has ended.
    ArchiveSearch* search() const { return search_; }
    void setSearch(ArchiveSearch* search);
    void cancelSearch();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QTreeWidget* results_ = nullptr;
    QPointer<ArchiveSearch> search_;
    bool closeAsked_ = false; // while the search ends
};
