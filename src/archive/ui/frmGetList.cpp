#include "archive/ui/frmGetList.h"

#include "archive/core/ArchiveListing.h"
#include "archive/core/ResultsFile.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/VolTable.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/Twips.h"

#include <QDir>
#include <QFileInfo>
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

void frmGetList::stopWork()
{
    runner_.cancelRuns();
}

// A listing cut short by Cancel leaves the archive unlisted, so that it can be listed again.
void frmGetList::work()
{
    if (isCancelled())
        return;
    const ArchiveListing::Result listing = ArchiveListing::list(runner_, vol_.FilePath);
    using Outcome = ArchiveListing::Outcome;
    if (listing.outcome == Outcome::CannotStart) {
        messages_.warn(this, tr("Cannot start %1 (%2): %3.")
                                 .arg(QFileInfo(listing.run.tool).fileName(),
                                      QDir::toNativeSeparators(listing.run.tool), listing.run.whyNotStarted));
        // Unlisted, so that it can be listed once the tool is mended.
        vol_.Listed = false;
        return;
    }
    if (listing.outcome == Outcome::VolumeMissing) {
        messages_.warn(this, tr("Cannot find the volume file."), MessageIcon::Critical);
    } else if (listing.outcome == Outcome::NotRun) {
        messages_.warn(this, listing.error);
    } else if (listing.run.ended) {
        return;
    } else {
        if (!listing.names.isEmpty())
            vol_.ObjectNames = listing.names;
        if (listing.truncated)
            messages_.warn(this, tr("%1 holds more than %2 objects; only the first %2 are listed.")
                                     .arg(vol_.FileTitle)
                                     .arg(ResultsFile::maximumNames));
    }
    vol_.markListed();
}
