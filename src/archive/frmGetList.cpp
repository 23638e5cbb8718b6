#include "archive/frmGetList.h"

#include "archive/ResultsFile.h"
#include "archive/ToolCommands.h"
#include "archive/ToolRunner.h"
#include "archive/VolTable.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"

#include <QFile>
#include <QLabel>

frmGetList::frmGetList(QWidget* owner, VolRecord& vol, ToolRunner& runner, MessageBoxes& messages)
    : ProgressDialog(owner, tr("Get List"), 4335, 630)
    , vol_(vol)
    , runner_(runner)
    , messages_(messages)
{
    setObjectName(QStringLiteral("frmGetList"));
    auto* label = new QLabel(tr("Please wait getting list of files"), this);
    label->setObjectName(QStringLiteral("Label1"));
    Twips::place(label, 127, 135, 4080, 360);
}

void frmGetList::work()
{
    if (!FileSystem::fileExists(vol_.FilePath)) {
        messages_.warn(this, tr("Cannot find the volume file."), MessageBoxes::Icon::Critical);
    } else if (!runner_.CopyVolToWork(vol_.FilePath)) {
        messages_.warn(this, runner_.lastError());
    } else {
        listNames();
    }
    vol_.Listed = true;
}

void frmGetList::listNames()
{
    // An old listing left behind by a failed run must never pass for this archive's.
    const QString results = runner_.workFolder().listing();
    FileSystem::deleteFileIfExists(results);
    if (!runner_.RunToolScript(ToolCommands::listScript, ToolCommands::listingLine())) {
        messages_.warn(this, runner_.lastError());
        return;
    }
    QFile file(results);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const ResultsFile::Listing listing = ResultsFile::ReadListing(file.readAll());
    if (!listing.names.isEmpty())
        vol_.ObjectNames = listing.names;
    if (listing.truncated) {
        messages_.warn(this, tr("%1 holds more than %2 objects; only the first %2 are listed.")
                                 .arg(vol_.FileTitle)
                                 .arg(ResultsFile::maximumNames));
    }
}
