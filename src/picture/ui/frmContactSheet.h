#pragma once

#include "picture/core/PictureConversion.h"

#include <QMainWindow>
#include <memory>

class ContactSheet;
class ContactSheetView;
class FilePicker;
class MessageBoxes;
class QLabel;
class RunDriver;
class ToolRunner;
struct PictureState;

// Pictures of an archive side by side, each with its palette at its own size (a large one scaled
// down) and its name below, drawn while they are extracted; Save writes the sheet as one PNG or BMP
// file, as its name asks. A sheet that would grow too large ends before the picture that does not fit.
class frmContactSheet : public QMainWindow {
    Q_OBJECT

public:
    // The sheet is never saved into `runner`'s working folder.
    frmContactSheet(MessageBoxes& messages, FilePicker& files, ToolRunner& runner, QWidget* parent = nullptr);
    ~frmContactSheet() override;

    // Draws the named pictures of the archive as they are extracted, up to `parallelRuns` at once, and
    // converted with `pictures` and `options`, after clearing the sheet; the pictures that could not be
    // drawn are named in one warning at the end. Closing the window stops it.
    void draw(PictureState& pictures, const PictureConversion::Options& options, const QString& volPath,
              const QStringList& names, int parallelRuns);
    bool isDrawing() const { return drawing_; }
    const ContactSheet& sheet() const { return *sheet_; }

signals:
    // A picture has been placed on the sheet, and is drawn at the next paint.
    void pictureAdded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void save();

    MessageBoxes& messages_;
    FilePicker& files_;
    ToolRunner& runner_;
    std::unique_ptr<ContactSheet> sheet_;
    ContactSheetView* view_;
    QAction* saveAction_;
    QLabel* status_;
    RunDriver* driver_ = nullptr; // while drawing
    bool drawing_ = false;
    bool closed_ = false;
};
