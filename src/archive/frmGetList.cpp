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
    : ProgressDialog(owner, tr("Get List"), 4335, 630, runner)
    , vol_(vol)
    , runner_(runner)
    , messages_(messages)
{
    setObjectName(QStringLiteral("frmGetList"));
    auto* label = new QLabel(tr("Please wait getting list of files"), this);
    label->setObjectName(QStringLiteral("Label1"));
    Twips::place(label, 127, 135, 4080, 360);
}

// A listing cut short by Cancel leaves the archive unlisted, so that it can be listed again.
void frmGetList::work()
{
    if (isCancelled())
        return;
    if (!FileSystem::fileExists(vol_.FilePath)) {
        messages_.warn(this, tr("Cannot find the volume file."), MessageBoxes::Icon::Critical);
    } else if (!runner_.CopyVolToWork(vol_.FilePath)) {
        messages_.warn(this, runner_.lastError());
    } else if (!listNames()) {
        return;
    }
    vol_.markListed();
}

bool frmGetList::listNames()
{
    // An old listing left behind by a failed run must never pass for this archive's.
    const QString results = runner_.workFolder().listing();
    FileSystem::deleteFileIfExists(results);
    if (!runner_.RunToolScript(ToolCommands::listScript, ToolCommands::listingLine())) {
        messages_.warn(this, runner_.lastError());
        return true;
    }
    if (endedTool())
        return false;
    QFile file(results);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const ResultsFile::Listing listing = ResultsFile::ReadListing(file.readAll());
    if (!listing.names.isEmpty())
        vol_.ObjectNames = listing.names;
    if (listing.truncated) {
        messages_.warn(this, tr("%1 holds more than %2 objects; only the first %2 are listed.")
                                 .arg(vol_.FileTitle)
                                 .arg(ResultsFile::maximumNames));
    }
    return true;
}
