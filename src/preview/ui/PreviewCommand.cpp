#include "preview/ui/PreviewCommand.h"

#include "archive/core/ToolCommands.h"
#include "archive/core/ToolRunner.h"
#include "picture/ui/frmPreview.h"
#include "platform/core/FileSystem.h"
#include "platform/core/ProgramPaths.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/MessageBoxes.h"
#include "preview/ui/MediaControl.h"
#include "preview/ui/frmPalette.h"
#include "preview/ui/frmScript.h"
#include "preview/ui/frmSound.h"

#include <QCoreApplication>
#include <QDir>

using Kind = ObjectName::Kind;

PreviewCommand::PreviewCommand(PictureState& pictures, ToolRunner& runner, MessageBoxes& messages,
                               FilePicker& files, const frmPalExtract::Settings& palettes,
                               std::function<QString()> currentName, QWidget* owner,
                               std::function<SoundPlayer*()> newSoundPlayer)
    : QObject(owner)
    , pictures_(pictures)
    , runner_(runner)
    , messages_(messages)
    , files_(files)
    , owner_(owner)
    , palettes_(palettes)
    , currentName_(std::move(currentName))
    , newSoundPlayer_(std::move(newSoundPlayer))
{
}

// The working copy is refreshed first, so the list always comes from the archive shown.
void PreviewCommand::extractPalettes(const QString& volPath, const QString& objectName)
{
    {
        const BusyCursor busy;
        if (!runner_.CopyVolToWork(volPath)) {
            messages_.warn(owner_, runner_.lastError());
            return;
        }
        if (refused(objectName) ||
            !extract(objectName, WorkFolder::paletteListName, runner_.workFolder().paletteList()))
            return;
    }
    show(Kind::PaletteList, extractorWindow()->windowTitle());
    if (const QString error = extractor_->load(objectName); !error.isEmpty())
        messages_.warn(extractor_,
                       tr("%1 is not a palette list that Kadrillo can read: %2.").arg(objectName, error));
}

void PreviewCommand::preview(const Request& request)
{
    {
        const BusyCursor busy;
        if (!runner_.CopyVolToWork(request.volPath)) {
            messages_.warn(owner_, runner_.lastError());
            return;
        }
        emit statusChanged(tr("Previewing %1").arg(request.objectName));
        QCoreApplication::processEvents();
        switch (ObjectName::kindOf(request.objectName)) {
        case Kind::Sound:
            previewSound(request.objectName);
            break;
        case Kind::Picture:
            previewPicture(request);
            break;
        case Kind::Script:
            previewScript(request.objectName);
            break;
        case Kind::PaletteList:
        case Kind::Other:
            break;
        }
    }
    emit statusChanged(QString());
}

void PreviewCommand::previewSound(const QString& name)
{
    if (refused(name))
        return;
    // The player lets go of the old sound before the tool replaces it, also while hidden.
    if (sound_)
        sound_->mmcPreview->close();
    if (!extract(name, WorkFolder::soundName, runner_.workFolder().sound()))
        return;
    show(Kind::Sound, tr("Preview Sound File (%1)").arg(name));
    sound_->Form_Activate();
}

void PreviewCommand::previewPicture(const Request& request)
{
    const QString& name = request.objectName;
    if (refused(name) || !extract(name, WorkFolder::pictureName, runner_.workFolder().picture()))
        return;
    show(Kind::Picture, tr("Preview (%1)").arg(name));
    picture_->loadPic(request.conversion, request.resizeToFit);
}

void PreviewCommand::previewScript(const QString& name)
{
    if (refused(name) || !extract(name, WorkFolder::scriptName, runner_.workFolder().script()))
        return;
    show(Kind::Script, tr("Preview Script (%1)").arg(name));
    if (const QString error = script_->loadFile(); !error.isEmpty())
        messages_.warn(script_, tr("Kadrillo cannot read %1: %2")
                                    .arg(QDir::toNativeSeparators(runner_.workFolder().script()), error));
}

bool PreviewCommand::refused(const QString& name)
{
    const QString refusal = ObjectName::refusal(name);
    if (!refusal.isEmpty())
        messages_.warn(owner_, tr("%1 cannot be previewed: %2.").arg(name, refusal));
    return !refusal.isEmpty();
}

bool PreviewCommand::extract(const QString& name, const char* fileName, const QString& path)
{
    // An earlier object must never be shown under this one's name.
    FileSystem::deleteFileIfExists(path);
    const WorkFolder& work = runner_.workFolder();
    if (!runner_.RunToolScript(work.extractScript(),
                               ToolCommands::extractTo(work, name, QLatin1String(fileName)))) {
        messages_.warn(owner_, runner_.lastError());
        return false;
    }
    if (!FileSystem::fileExists(path)) {
        messages_.warn(owner_, tr("extract.exe did not extract %1.").arg(name));
        return false;
    }
    return true;
}

// The caption is set once the window is up, so a new window first shows its own.
void PreviewCommand::show(Kind kind, const QString& caption)
{
    emit windowShown(kind);
    QWidget* shown = window(kind);
    shown->show();
    shown->raise();
    shown->activateWindow();
    shown->setWindowTitle(caption);
}

QWidget* PreviewCommand::window(Kind kind)
{
    switch (kind) {
    case Kind::Picture:
        return pictureWindow();
    case Kind::Sound:
        return soundWindow();
    case Kind::Script:
        return scriptWindow();
    case Kind::PaletteList:
        return extractorWindow();
    case Kind::Other:
        break;
    }
    return nullptr;
}

QWidget* PreviewCommand::loadedWindow(Kind kind) const
{
    switch (kind) {
    case Kind::Picture:
        return picture_;
    case Kind::Sound:
        return sound_;
    case Kind::Script:
        return script_;
    case Kind::PaletteList:
        return extractor_;
    case Kind::Other:
        break;
    }
    return nullptr;
}

template <typename Window> Window* PreviewCommand::adopt(Window* window, Kind kind)
{
    connect(window, &Window::unloaded, this, [this, kind] { emit windowUnloaded(kind); });
    emit windowLoaded(window);
    // Beside the main window rather than over it, until the user moves it.
    window->move(owner_->frameGeometry().topRight() + QPoint(10, 0));
    return window;
}

frmPreview* PreviewCommand::pictureWindow()
{
    if (!picture_) {
        picture_ = adopt(new frmPreview(pictures_, messages_, files_), Kind::Picture);
        picture_->Form_Load(ProgramPaths::userDataFolder() + QStringLiteral("/base.pal"));
    }
    return picture_;
}

frmSound* PreviewCommand::soundWindow()
{
    if (!sound_)
        sound_ = adopt(new frmSound(runner_, newSoundPlayer_()), Kind::Sound);
    return sound_;
}

frmScript* PreviewCommand::scriptWindow()
{
    if (!script_)
        script_ = adopt(new frmScript(runner_), Kind::Script);
    return script_;
}

frmPalExtract* PreviewCommand::extractorWindow()
{
    if (!extractor_) {
        extractor_ = adopt(new frmPalExtract(palettes_, pictures_, runner_, messages_, currentName_),
                           Kind::PaletteList);
        connect(extractor_, &frmPalExtract::palettesWritten, this, &PreviewCommand::palettesWritten);
    }
    return extractor_;
}

frmPalette* PreviewCommand::paletteWindow()
{
    if (!palette_) {
        palette_ = new frmPalette;
        connect(palette_, &frmPalette::unloaded, this, &PreviewCommand::paletteWindowUnloaded);
        emit windowLoaded(palette_);
    }
    return palette_;
}

frmPalette* PreviewCommand::loadedPaletteWindow() const
{
    return palette_;
}
