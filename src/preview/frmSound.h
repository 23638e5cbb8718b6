#pragma once

#include "platform/ToolWindow.h"

class MediaControl;
class MessageBoxes;
class QProgressBar;
class ToolRunner;

// Plays the sound that the preview command left in "temp.wav", with a bar of how far it has played.
class frmSound : public ToolWindow {
    Q_OBJECT

public:
    frmSound(const ToolRunner& runner, MessageBoxes& messages, QWidget* parent = nullptr);

    // Opens "temp.wav" when it is there; each activation of the window does this too.
    void Form_Activate();

    MediaControl* mmcPreview;
    QProgressBar* pgbPreview;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void mmcPreview_StatusUpdate();

    const ToolRunner& runner_;
    MessageBoxes& messages_;
};
