#pragma once

#include "picture/core/PaletteChoices.h"
#include "picture/core/PictureConversion.h"
#include "platform/ui/ToolWindow.h"

#include <QImage>
#include <QSize>

class FilePicker;
class MessageBoxes;
class PictureBox;
class QAction;
class QActionGroup;
class QMenu;
struct PictureState;

// Shows one picture of the open archive: at its own size with the window fitted to it, or
// scaled to fill the window; zoomed in whole steps on request. Its menu says which palette drew
// the picture, draws it with another and saves what it shows.
class frmPreview : public ToolWindow {
    Q_OBJECT

public:
    frmPreview(PictureState& state, MessageBoxes& messages, FilePicker& files, QWidget* parent = nullptr);

    // The palette of the program's own "base.pal", read afresh each time the window is loaded.
    void Form_Load(const QString& basePalette);
    // Converts "temp.bmp" in the working folder and shows it.
    void loadPic(const PictureConversion::Options& options, bool resizeToFit);
    void showPic();
    // Opens the picture's menu at that point of the screen.
    void showPictureMenu(QPoint global);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The picture at its own size, or a null image once the window has said why not.
    QImage LoadBitmapToDC(const QString& path);
    void drawScaled();
    void addZoomAction(const QString& name, const QString& text, const QList<QKeySequence>& keys,
                       void (frmPreview::*zoom)());
    void zoomIn();
    void zoomOut();
    // One step in or out about `anchor`, a point of the box.
    void zoomStep(bool in, QPoint anchor);
    void actualSize();
    void fit();
    // 0 stretches the picture over the window; `anchor`, a point of the box, stays over the same pixel.
    void zoomTo(int zoom, QPoint anchor);
    bool isSpecifiedView() const;
    void updateCaption();
    // The inner size nearest to `inner` at which the window stays within the screen's available area.
    QSize fittingInner(QSize inner) const;
    void fitWindow(QSize inner);
    void usePalette(const PaletteChoices::Choice& choice);
    void saveAs();

    PictureState& state_;
    MessageBoxes& messages_;
    FilePicker& files_;
    PictureBox* Picture1;
    QMenu* menu_;
    QAction* info_;
    QMenu* palettes_;
    QActionGroup* paletteGroup_;
    QAction* saveAs_;
    QList<QAction*> zoomActions_;
    QString picturePath_;
    bool resizeToFit_ = true;
    QImage loaded_;
    // 0 while stretched; whole steps otherwise.
    int zoom_ = 1;
    // The caption the preview command gave, and the one shown with the zoom after it.
    QString caption_;
    QString zoomedCaption_;
    PictureConversion::Options options_;
    // Whether the picture is a bitmap the conversion wrote, whose palette can be swapped.
    bool recolourable_ = false;
    BitmapRecord headers_;
    PaletteOrigin converted_;
    PaletteOrigin shownWith_;
    Palette convertedPalette_{};
    Palette shownPalette_{};
};
