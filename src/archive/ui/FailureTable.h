#pragma once

#include "archive/core/RunReport.h"

#include <QDialog>

class QTableWidget;

// The end of a run over objects that left objects undone: one row per object with the step where it stopped
// and why. "Copy" puts the table on the clipboard as text; "Retry failed" accepts the dialog, so
// that the run goes again on those objects only; "Close" rejects it.
class FailureTable : public QDialog {
    Q_OBJECT

public:
    FailureTable(const RunReport& report, QWidget* parent = nullptr);

    QTableWidget* tblFailures;

public slots:
    void cmdCopy_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillTable();

    RunReport report_;
};
