#include "preview/PreviewCommand.h"

#include "archive/ToolCommands.h"
#include "archive/ToolRunner.h"
#include "picture/frmPreview.h"
#include "platform/BusyCursor.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramPaths.h"

#include <QCoreApplication>

PreviewCommand::PreviewCommand(PictureState& pictures, ToolRunner& runner, MessageBoxes& messages,
                               QWidget* owner)
    : QObject(owner)
    , pictures_(pictures)
    , runner_(runner)
    , messages_(messages)
    , owner_(owner)
{
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
        case ObjectName::Kind::Picture:
            previewPicture(request);
            break;
        default: // sounds and scripts get their windows later
            break;
        }
    }
    emit statusChanged(QString());
}

void PreviewCommand::previewPicture(const Request& request)
{
    const QString& name = request.objectName;
    if (const QString refusal = ObjectName::refusal(name); !refusal.isEmpty()) {
        messages_.warn(owner_, tr("%1 cannot be previewed: %2.").arg(name, refusal));
        return;
    }
    // An earlier picture must never be shown under this one's name.
    const QString picture = runner_.workFolder().picture();
    FileSystem::deleteFileIfExists(picture);
    if (!runner_.RunToolScript(ToolCommands::extractScript,
                               ToolCommands::extractLine(name, QLatin1String(WorkFolder::pictureName)))) {
        messages_.warn(owner_, runner_.lastError());
        return;
    }
    if (!FileSystem::fileExists(picture)) {
        messages_.warn(owner_, tr("extract.exe did not extract %1.").arg(name));
        return;
    }
    emit windowShown(ObjectName::Kind::Picture);
    frmPreview* window = pictureWindow();
    window->show();
    window->raise();
    window->activateWindow();
    window->setWindowTitle(tr("Preview (%1)").arg(name));
    window->loadPic(request.conversion, request.resizeToFit);
}

frmPreview* PreviewCommand::pictureWindow()
{
    if (!picture_) {
        picture_ = new frmPreview(pictures_, messages_);
        connect(picture_, &frmPreview::unloaded, this,
                [this] { emit windowUnloaded(ObjectName::Kind::Picture); });
        emit windowLoaded(picture_);
        // Beside the main window rather than over it, until the user moves it.
        picture_->move(owner_->frameGeometry().topRight() + QPoint(10, 0));
        picture_->Form_Load(ProgramPaths::userDataFolder() + QStringLiteral("/base.pal"));
    }
    return picture_;
}

frmPreview* PreviewCommand::loadedPictureWindow() const
{
    return picture_;
}
