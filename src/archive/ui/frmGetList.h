#pragma once

#include "archive/ui/ProgressDialog.h"

class MessageBoxes;
class ToolRunner;
struct VolRecord;

// Lists one archive through vtlist.exe into its object names while showing that it is busy.
// An archive whose listing was cancelled stays unlisted.
class frmGetList : public ProgressDialog {
    Q_OBJECT

public:
    frmGetList(QWidget* owner, VolRecord& vol, ToolRunner& runner, MessageBoxes& messages);

protected:
    void work() override;
    // A tool still running ToolRunner::cancelGraceMs later is ended with its process tree.
    void stopWork() override;

private:
    VolRecord& vol_;
    ToolRunner& runner_;
    MessageBoxes& messages_;
};
