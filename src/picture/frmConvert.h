#pragma once

#include "archive/ProgressDialog.h"
#include "picture/PictureConversion.h"

#include <QStringList>

class MessageBoxes;
class QLabel;
class QProgressBar;
class ToolRunner;
struct PictureState;
struct VolRecord;

// Extracts the selected pictures one by one, converts each to a Windows BMP and copies it to the
// destination folder under its own name.
class frmConvert : public ProgressDialog {
    Q_OBJECT

public:
    struct Job {
        const VolRecord& vol;
        QList<int> rows; // the selected rows of the object list, in row order
        QString destFolder;
        PictureConversion::Options conversion;
    };

    frmConvert(QWidget* owner, const Job& job, ToolRunner& runner, PictureState& pictures,
               MessageBoxes& messages);

    // "Extracting file 3 of 7"
    static QString statusText(const char* step, int position, int count);

signals:
    // Each text that lblStatus shows, as it is shown.
    void statusShown(const QString& text);

protected:
    void work() override;

private:
    void showStatus(const QString& text);
    void showProgress(int units);
    QString convertAndCopy(const QString& name, const QString& picture);

    Job job_;
    ToolRunner& runner_;
    PictureState& pictures_;
    MessageBoxes& messages_;
    QLabel* lblStatus;
    QProgressBar* ProgressBar1;
    float step_ = 0;
};
