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
    const QString warning = tr("Warning!");
    if (!FileSystem::fileExists(vol_.FilePath)) {
        messages_.show(this, warning, tr("Cannot find the volume file."), MessageBoxes::Buttons::Ok,
                       MessageBoxes::Icon::Critical);
    } else if (!runner_.CopyVolToWork(vol_.FilePath)) {
        messages_.show(this, warning, runner_.lastError(), MessageBoxes::Buttons::Ok,
                       MessageBoxes::Icon::Exclamation);
    } else {
        listNames();
    }
    vol_.Listed = true;
}

void frmGetList::listNames()
{
    // An old listing left behind by a failed run must never pass for this archive's.
    const QString results = runner_.workFolder().file(QStringLiteral("results.dat"));
    FileSystem::deleteFileIfExists(results);
    if (!runner_.RunToolScript(ToolCommands::listScript, ToolCommands::listingLine())) {
        messages_.show(this, tr("Warning!"), runner_.lastError(), MessageBoxes::Buttons::Ok,
                       MessageBoxes::Icon::Exclamation);
        return;
    }
    QFile file(results);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const ResultsFile::Listing listing = ResultsFile::ReadListing(file.readAll());
    if (!listing.names.isEmpty())
        vol_.ObjectNames = listing.names;
    if (listing.truncated) {
        messages_.show(this, tr("Warning!"),
                       tr("%1 holds more than %2 objects; only the first %2 are listed.")
                           .arg(vol_.FileTitle)
                           .arg(ResultsFile::maximumNames),
                       MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Exclamation);
    }
}
