#pragma once

#include "archive/ProgressDialog.h"

#include <QStringList>

class MessageBoxes;
class QLabel;
class QProgressBar;
class ToolRunner;
struct VolRecord;

// Extracts the selected objects of an archive to the destination folder, showing which of how
// many is under way.
class frmExtract : public ProgressDialog {
    Q_OBJECT

public:
    // `rows` are the selected rows of the object list, in row order.
    frmExtract(QWidget* owner, const VolRecord& vol, const QList<int>& rows, const QString& destFolder,
               ToolRunner& runner, MessageBoxes& messages);

    // "File 2 of 3"
    static QString progressText(int done, int total);
    // The bar after `done` of `total` objects: 100 / total per object, never above 100.
    static int progressValue(int done, int total);

protected:
    void work() override;

private:
    const VolRecord& vol_;
    QList<int> rows_;
    QString destFolder_;
    ToolRunner& runner_;
    MessageBoxes& messages_;
    QLabel* lblProgress;
    QProgressBar* ProgressBar1;
};
