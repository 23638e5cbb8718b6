#pragma once

#include "archive/core/ObjectName.h"
#include "picture/core/PictureConversion.h"
#include "preview/ui/QtSoundPlayer.h"
#include "preview/ui/frmPalExtract.h"

#include <QObject>
#include <QPointer>

class FilePicker;
class MessageBoxes;
class ToolRunner;
class frmPalette;
class frmPreview;
class frmScript;
class frmSound;
struct PictureState;

// The preview command: extracts the current object and shows it in the window for its kind.
// The windows are loaded on first use and stay loaded, hidden or shown, until they are closed.
class PreviewCommand : public QObject {
    Q_OBJECT

public:
    struct Request {
        QString volPath;
        QString objectName;
        PictureConversion::Options conversion;
        bool resizeToFit = true;
    };

    // `currentName` is the object list's current item, read when a palette is extracted; the sound
    // window plays through a player from `newSoundPlayer`. The picture window saves through `files`.
    PreviewCommand(
        PictureState& pictures, ToolRunner& runner, MessageBoxes& messages, FilePicker& files,
        const frmPalExtract::Settings& palettes, std::function<QString()> currentName, QWidget* owner,
        std::function<SoundPlayer*()> newSoundPlayer = [] { return new QtSoundPlayer; });

    void preview(const Request& request);
    // Extracts a palette list and shows its palettes in the palette extractor.
    void extractPalettes(const QString& volPath, const QString& objectName);
    // The window for pictures, sounds, scripts or palette lists, loaded when it is not.
    QWidget* window(ObjectName::Kind kind);
    // Null while that window is not loaded.
    QWidget* loadedWindow(ObjectName::Kind kind) const;
    // The palette tool window, loaded when it is not; and null while it is not loaded.
    frmPalette* paletteWindow();
    frmPalette* loadedPaletteWindow() const;

signals:
    void statusChanged(const QString& text);
    // The palette tool window was unloaded.
    void paletteWindowUnloaded();
    // A tool window was loaded; the owner closes it at exit.
    void windowLoaded(QWidget* window);
    void windowShown(ObjectName::Kind kind);
    void windowUnloaded(ObjectName::Kind kind);
    // The palette extractor wrote `count` palette files to `folder`.
    void palettesWritten(int count, const QString& folder);

private:
    void previewPicture(const Request& request);
    void previewSound(const QString& name);
    void previewScript(const QString& name);
    bool refused(const QString& name);
    // Has the tool write the object to its kind's working file; false, after saying why, when it did not.
    bool extract(const QString& name, const char* fileName, const QString& path);
    void show(ObjectName::Kind kind, const QString& caption);
    frmPreview* pictureWindow();
    frmSound* soundWindow();
    frmScript* scriptWindow();
    frmPalExtract* extractorWindow();
    template <typename Window> Window* adopt(Window* window, ObjectName::Kind kind);

    PictureState& pictures_;
    ToolRunner& runner_;
    MessageBoxes& messages_;
    FilePicker& files_;
    QWidget* owner_;
    QPointer<frmPreview> picture_;
    QPointer<frmSound> sound_;
    QPointer<frmScript> script_;
    QPointer<frmPalExtract> extractor_;
    QPointer<frmPalette> palette_;
    frmPalExtract::Settings palettes_;
    std::function<QString()> currentName_;
    std::function<SoundPlayer*()> newSoundPlayer_;
};
