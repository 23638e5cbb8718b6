#pragma once

#include "picture/core/PictureConversion.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QRect>
#include <QTimer>
#include <memory>
#include <optional>

class ContactSheet;
class ContactSheetView;
class FilePicker;
class MessageBoxes;
class QComboBox;
class QLabel;
class RunDriver;
class ToolRunner;
struct PictureState;

// Pictures of an archive side by side, each with its palette, drawn while they are extracted: at their
// own size (a large one scaled down) with the name below, or scaled into cells of a side chosen in the
// tool bar with the name and size below. A click on a picture chooses it, a double-click or Enter
// opens it. Save writes the sheet shown as one PNG or BMP file, as its name asks. A sheet that would
// grow too large ends before the picture that does not fit.
class frmContactSheet : public QMainWindow {
    Q_OBJECT

public:
    // The sheet is never saved into `runner`'s working folder.
    frmContactSheet(MessageBoxes& messages, FilePicker& files, ToolRunner& runner, QWidget* parent = nullptr);
    ~frmContactSheet() override;

    // Draws the named pictures of the archive as they are extracted, up to `parallelRuns` at once, and
    // converted with `pictures` and `options`, after clearing the sheet; the pictures that could not be
    // drawn are named in one warning at the end. Closing the window stops it; another layout chosen
    // draws them again in it.
    void draw(PictureState& pictures, const PictureConversion::Options& options, const QString& volPath,
              const QStringList& names, int parallelRuns);
    bool isDrawing() const { return drawing_; }
    const ContactSheet& sheet() const { return *sheet_; }

signals:
    // A picture has been placed on the sheet, and is drawn at the next paint.
    void pictureAdded();
    // The user chose, or asked to open, the picture `name` of the archive at `volPath`.
    void pictureChosen(const QString& volPath, const QString& name);
    void pictureOpened(const QString& volPath, const QString& name);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Request {
        PictureState* pictures;
        PictureConversion::Options options;
        QString volPath;
        QStringList names;
        int parallelRuns;
    };

    void drawOnce(const Request& request);
    // Shows the progress text and the sheet's new area now, or once the last showing is showInterval
    // old: pictures come faster than a screen shows them, and laying out and painting for each one cost
    // more than converting and drawing it.
    void showSoon();
    void showNow();
    void layoutChosen();
    void save();

    MessageBoxes& messages_;
    FilePicker& files_;
    ToolRunner& runner_;
    std::unique_ptr<ContactSheet> sheet_;
    ContactSheetView* view_;
    QAction* saveAction_;
    QComboBox* layouts_;
    QLabel* status_;
    std::optional<Request> request_; // the last drawn
    RunDriver* driver_ = nullptr;    // while drawing
    bool drawing_ = false;
    bool closed_ = false;
    bool redraw_ = false; // another layout was chosen while drawing
    QString pendingStatus_;
    QRect pendingArea_;
    QElapsedTimer lastShown_;
    QTimer showTimer_;
};
