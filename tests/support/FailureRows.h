#pragma once

#include "archive/ui/FailureTable.h"

#include <QStringList>
#include <QTableWidget>

// The rows a failure table shows, each as "object | step | reason".
inline QStringList failureRows(const QDialog& dialog)
{
    QStringList rows;
    const QTableWidget* table = static_cast<const FailureTable&>(dialog).tblFailures;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells.append(table->item(row, column)->text());
        rows.append(cells.join(QStringLiteral(" | ")));
    }
    return rows;
}
