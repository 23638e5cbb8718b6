#pragma once

#include "archive/ObjectName.h"
#include "picture/PictureConversion.h"

#include <QObject>
#include <QPointer>

class MessageBoxes;
class ToolRunner;
class frmPreview;
struct PictureState;

// The preview command: extracts the current object and shows it in the window for its kind.
// The windows are loaded on first use and stay loaded, hidden or shown, until the program ends.
class PreviewCommand : public QObject {
    Q_OBJECT

public:
    struct Request {
        QString volPath;
        QString objectName;
        PictureConversion::Options conversion;
        bool resizeToFit = true;
    };

    PreviewCommand(PictureState& pictures, ToolRunner& runner, MessageBoxes& messages, QWidget* owner);

    void preview(const Request& request);
    // The picture window, loaded (with its palette) when it is not.
    frmPreview* pictureWindow();
    // Null while the picture window is not loaded.
    frmPreview* loadedPictureWindow() const;

signals:
    void statusChanged(const QString& text);
    // A tool window was loaded; the owner closes it at exit.
    void windowLoaded(QWidget* window);
    void windowShown(ObjectName::Kind kind);
    void windowUnloaded(ObjectName::Kind kind);

private:
    void previewPicture(const Request& request);

    PictureState& pictures_;
    ToolRunner& runner_;
    MessageBoxes& messages_;
    QWidget* owner_;
    QPointer<frmPreview> picture_;
};
