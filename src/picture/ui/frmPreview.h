#pragma once

#include "picture/core/PictureConversion.h"
#include "platform/ui/ToolWindow.h"

#include <QImage>
#include <QSize>

class MessageBoxes;
class PictureBox;
struct PictureState;

// Shows one picture of the open archive: at its own size with the window fitted to it, or
// scaled to fill the window.
class frmPreview : public ToolWindow {
    Q_OBJECT

public:
    frmPreview(PictureState& state, MessageBoxes& messages, QWidget* parent = nullptr);

    // The palette of the program's own "base.pal", read afresh each time the window is loaded.
    void Form_Load(const QString& basePalette);
    // Converts "temp.bmp" in the working folder and shows it.
    void loadPic(const PictureConversion::Options& options, bool resizeToFit);
    void showPic();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The picture at its own size, or a null image once the window has said why not.
    QImage LoadBitmapToDC(const QString& path);
    void drawScaled();

    PictureState& state_;
    MessageBoxes& messages_;
    PictureBox* Picture1;
    QString picturePath_;
    bool resizeToFit_ = true;
    QImage loaded_;
};
