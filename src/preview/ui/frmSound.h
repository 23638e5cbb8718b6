#pragma once

#include "platform/ui/ToolWindow.h"

class MediaControl;
class QLabel;
class QProgressBar;
class SoundPlayer;
class ToolRunner;

// Plays the sound that the preview command left in "temp.wav", with a bar of how far it has played.
// Why a sound cannot be played or heard is said below the bar, which is shown only then.
class frmSound : public ToolWindow {
    Q_OBJECT

public:
    // Plays through `player`, which it takes over.
    frmSound(const ToolRunner& runner, SoundPlayer* player, QWidget* parent = nullptr);

    // Opens "temp.wav" when it is there; each activation of the window does this too.
    void Form_Activate();

    MediaControl* mmcPreview;
    QProgressBar* pgbPreview;
    QLabel* lblProblem;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void mmcPreview_StatusUpdate();
    void showProblem();

    const ToolRunner& runner_;
};
