#include "app/cli/CommandLineMode.h"

#include "archive/core/ArchiveCache.h"
#include "archive/core/ArchiveListing.h"
#include "archive/core/ExtractionJob.h"
#include "archive/core/ResultsFile.h"
#include "archive/core/RunDriver.h"
#include "archive/core/VolTable.h"
#include "picture/core/ContactSheet.h"
#include "picture/core/ContactSheetFile.h"
#include "picture/core/ContactSheetJob.h"
#include "picture/core/ConversionJob.h"
#include "picture/core/PaletteOrigin.h"
#include "platform/core/FileSystem.h"
#include "platform/core/TerminationSignals.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <utility>

CommandLineMode::CommandLineMode(const CommandLineOptions& options, AppCore& core)
    : options_(options)
    , core_(core)
    , runner_(core.runner())
    , console_(options.quiet)
{
}

int CommandLineMode::run()
{
    if (!options_.error.isEmpty()) {
        console_.warn(options_.error);
        console_.warn(tr("see kadrillo --help"));
        return UsageError;
    }
    if (options_.command == CommandLineOptions::Command::Help) {
        console_.print(CommandLineOptions::usage().trimmed());
        return Succeeded;
    }
    if (options_.command == CommandLineOptions::Command::Version) {
        console_.print(QStringLiteral("Kadrillo ") + QCoreApplication::applicationVersion());
        return Succeeded;
    }
    // A signal ends the tool run in hand and the rest of the run, which then cleans up as usual.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &runner_, [this] { runner_.shutDown(); });
    const int status = prepare() ? runCommand() : UsageError;
    // As the windows' shutdown, but the settings are left as they are.
    core_.shutDown();
    return status;
}

int CommandLineMode::runCommand()
{
    if (options_.command == CommandLineOptions::Command::Find)
        return find();
    if (options_.command == CommandLineOptions::Command::Grep)
        return grep();
    const ArchiveListing::Result listing = ArchiveListing::list(runner_, options_.archive);
    if (runner_.isShutDown()) {
        console_.fail(tr("stopped by a termination signal"));
        return Failed;
    }
    if (listing.outcome != ArchiveListing::Outcome::Listed) {
        tellUnlisted(listing);
        return UsageError;
    }
    if (listing.truncated)
        console_.fail(tr("%1 holds more than %2 objects; only the first %2 are listed")
                          .arg(QDir::toNativeSeparators(options_.archive))
                          .arg(ResultsFile::maximumNames));
    switch (options_.command) {
    case CommandLineOptions::Command::List:
        for (const QString& name : listing.names)
            console_.print(CommandLineConsole::shown(name));
        break;
    case CommandLineOptions::Command::Extract:
        extract(chosen(listing.names));
        break;
    case CommandLineOptions::Command::Convert:
        convert(chosen(listing.names), listing.names);
        break;
    case CommandLineOptions::Command::ContactSheet:
        contactSheet(chosen(listing.names), listing.names);
        break;
    case CommandLineOptions::Command::Find:
    case CommandLineOptions::Command::Grep:
    case CommandLineOptions::Command::Help:
    case CommandLineOptions::Command::Version:
        break;
    }
    if (runner_.isShutDown())
        console_.fail(tr("stopped by a termination signal"));
    return console_.failures() == 0 ? Succeeded : Failed;
}

void CommandLineMode::tellUnlisted(const ArchiveListing::Result& listing)
{
    const QString tool = QFileInfo(listing.run.tool).fileName();
    const QString path = QDir::toNativeSeparators(listing.run.tool);
    switch (listing.outcome) {
    case ArchiveListing::Outcome::CannotStart:
        console_.warn(tr("cannot start %1 (%2): %3").arg(tool, path, listing.run.whyNotStarted));
        break;
    case ArchiveListing::Outcome::ToolFailed:
        console_.warn(listing.run.exitStatus < 0
                          ? tr("%1 (%2) did not end normally").arg(tool, path)
                          : tr("%1 (%2) ended with status %3").arg(tool, path).arg(listing.run.exitStatus));
        if (!listing.run.lastErrorLine.isEmpty())
            console_.warn(listing.run.lastErrorLine);
        break;
    case ArchiveListing::Outcome::NoObjects:
        console_.warn(tr("%1: there is a problem with the vol file, or it is not a valid vol file")
                          .arg(QDir::toNativeSeparators(options_.archive)));
        break;
    case ArchiveListing::Outcome::Listed:
    case ArchiveListing::Outcome::VolumeMissing:
    case ArchiveListing::Outcome::NotRun:
        console_.warn(listing.error);
        break;
    }
}

// The start-up steps the command needs: the working folder, the listing tool for every command, the
// extraction tool for all but --list, the default palette for pictures. False when the archive cannot be
// listed.
bool CommandLineMode::prepare()
{
    using Step = AppCore::Step;
    core_.loadSettings();
    bool stopped = false;
    const auto startUp = [&](const QList<Step>& steps) {
        core_.startUp(
            steps, [&] { return !stopped; }, [&](const AppCore::Notice& notice) { stopped = tell(notice); });
        return !stopped;
    };
    if (!startUp({Step::WorkFolder}) || !outsideWorkFolder())
        return false;
    QList<Step> steps{Step::ListTool};
    if (options_.command != CommandLineOptions::Command::List &&
        options_.command != CommandLineOptions::Command::Find)
        steps.append(Step::ExtractTool);
    if (options_.command == CommandLineOptions::Command::Convert ||
        options_.command == CommandLineOptions::Command::ContactSheet)
        steps += {Step::DefaultPalette, Step::ReadPalette};
    return startUp(steps);
}

// Without the working folder or the listing tool nothing can be listed; a missing extraction tool or
// palette is said, and the runs that need them fail with their own reason.
bool CommandLineMode::tell(const AppCore::Notice& notice)
{
    const QString shown = QDir::toNativeSeparators(notice.path);
    const bool listTool = notice.tool == QLatin1String(WorkFolder::listToolName);
    switch (notice.kind) {
    case AppCore::Notice::Kind::WorkFolderRefused:
        switch (notice.refusal) {
        case PrivateFolder::Status::NotOurs:
            console_.warn(
                tr("the working folder %1 is not a folder of your own, so the game's tools will not "
                   "run there; choose another \"Temp Path\" in the settings")
                    .arg(shown));
            break;
        case PrivateFolder::Status::WritableByOthers:
            console_.warn(
                tr("the working folder %1 can be written by other users, so the game's tools will not "
                   "run there; make it private (chmod 700) or choose another \"Temp Path\" in the settings")
                    .arg(shown));
            break;
        case PrivateFolder::Status::CannotCreate:
        case PrivateFolder::Status::Ready: // never a refusal
            console_.warn(tr("cannot create the working folder %1").arg(shown));
            break;
        }
        return true;
    case AppCore::Notice::Kind::ToolMissing:
        console_.warn(tr("can not find %1 (%2)").arg(notice.tool, shown));
        return listTool;
    case AppCore::Notice::Kind::ToolNotCopied:
        console_.warn(tr("cannot copy %1 into the working folder %2")
                          .arg(shown, QDir::toNativeSeparators(notice.folder)));
        return listTool;
    case AppCore::Notice::Kind::DefaultPaletteMissing:
        console_.warn(tr("can not find the default palette %1").arg(shown));
        break;
    case AppCore::Notice::Kind::PaletteUnread:
        console_.warn(notice.message.text);
        break;
    }
    return false;
}

// What --to names, a folder or the contact sheet's file, lies outside the working folder, whose files
// the run replaces and deletes.
bool CommandLineMode::outsideWorkFolder()
{
    if (options_.destFolder.isEmpty())
        return true;
    const QString folder = options_.command == CommandLineOptions::Command::ContactSheet
                               ? QFileInfo(options_.destFolder).path()
                               : options_.destFolder;
    const QString holding = runner_.workFolder().holding(folder);
    if (holding.isEmpty())
        return true;
    console_.warn(tr("%1 is in the working folder %2, where Kadrillo replaces and deletes files of its own; "
                     "choose a place outside it")
                      .arg(QDir::toNativeSeparators(options_.destFolder), QDir::toNativeSeparators(holding)));
    return false;
}

QStringList CommandLineMode::chosen(const QStringList& listed)
{
    if (options_.names.isEmpty()) {
        if (options_.command == CommandLineOptions::Command::Extract)
            return listed;
        QStringList pictures;
        for (const QString& name : listed) {
            if (name.endsWith(QLatin1String("bmp"), Qt::CaseInsensitive))
                pictures.append(name);
        }
        return pictures;
    }
    QStringList names;
    for (const QString& name : options_.names) {
        if (!listed.contains(name))
            console_.fail(name, tr("not in the archive"));
        else if (!names.contains(name))
            names.append(name);
    }
    return names;
}

void CommandLineMode::extract(const QStringList& names)
{
    ExtractionJob job(runner_, QFileInfo(options_.destFolder).absoluteFilePath());
    if (!job.begin(QFileInfo(options_.archive).absoluteFilePath())) {
        console_.fail(job.error());
        return;
    }
    tellDelivered(runOver(job, names, RunReport::Kind::Extraction), DeliveredFiles::Kind::Extracted);
}

PictureConversion::Options CommandLineMode::conversionOptions(const QStringList& listed)
{
    VolRecord vol{QFileInfo(options_.archive).fileName(), options_.archive, listed};
    vol.markListed();
    return core_.conversionOptions(vol);
}

void CommandLineMode::convert(const QStringList& names, const QStringList& listed)
{
    PictureConversion::Options conversion = conversionOptions(listed);
    // The window's remembered format is not used: a script gets what it asks for.
    conversion.exportAs = {options_.format.value_or(PictureExport::Format::Bmp), options_.transparentIndex};
    ConversionJob job(runner_, core_.Picture, QFileInfo(options_.destFolder).absoluteFilePath(), conversion);
    if (!job.begin(QFileInfo(options_.archive).absoluteFilePath())) {
        console_.fail(job.error());
        return;
    }
    tellDelivered(runOver(job, names, RunReport::Kind::Conversion, &job), DeliveredFiles::Kind::Converted);
}

// The sheet the window draws, written as one PNG or BMP file as its name asks; nothing is written
// when no picture could be drawn or the sheet would be too large.
void CommandLineMode::contactSheet(const QStringList& names, const QStringList& listed)
{
    const QString shown = QDir::toNativeSeparators(options_.destFolder);
    ContactSheet sheet(QGuiApplication::font(), options_.cell.value_or(ContactSheetLayout::natural),
                       int(names.size()));
    ContactSheetJob job(runner_, core_.Picture, conversionOptions(listed), sheet);
    if (!job.begin(QFileInfo(options_.archive).absoluteFilePath())) {
        console_.fail(job.error());
        return;
    }
    const QList<RunReport::Failure> failures = runOver(job, names, RunReport::Kind::Conversion).failures();
    if (std::any_of(failures.cbegin(), failures.cend(), [](const RunReport::Failure& failure) {
            return failure.step == RunReport::Step::SheetFull;
        })) {
        console_.fail(tr("%1 is not written, because the sheet would be too large").arg(shown));
        return;
    }
    if (sheet.count() == 0) {
        console_.fail(names.isEmpty()
                          ? tr("%1 is not written, because there is no picture to draw").arg(shown)
                          : tr("%1 is not written, because no picture could be drawn").arg(shown));
        return;
    }
    // The options let no other ending through.
    const PictureExport::Format format =
        PictureExport::formatOf(options_.destFolder).value_or(PictureExport::Format::Png);
    const QString failure = FileSystem::replaceWith(
        options_.destFolder, [&](QIODevice& out) { return ContactSheetFile::write(sheet, format, out); });
    if (!failure.isEmpty())
        console_.fail(tr("cannot write %1").arg(shown));
}

ArchiveSearch::Tools CommandLineMode::searchTools() const
{
    return {core_.settings.VtlistPath, core_.settings.ExtractPath};
}

int CommandLineMode::searchStatus(bool found)
{
    if (runner_.isShutDown())
        console_.fail(tr("stopped by a termination signal"));
    return found && console_.failures() == 0 ? Succeeded : Failed;
}

int CommandLineMode::find()
{
    if (!QFileInfo(options_.folder).isDir()) {
        console_.warn(tr("%1 is not a folder").arg(QDir::toNativeSeparators(options_.folder)));
        return UsageError;
    }
    const ArchiveCache cache;
    ArchiveSearch search(runner_, cache, searchTools(),
                         options_.jobs.value_or(core_.settings.parallelRuns()));
    bool found = false;
    search.find(options_.folder, options_.recursive, NamePattern(options_.searchText),
                [this, &found](const ArchiveSearch::FoundObject& row) {
                    if (!row.problem.isEmpty()) {
                        console_.fail(row.archive, row.problem);
                        return;
                    }
                    console_.print(CommandLineConsole::shown(row.archive) + QLatin1Char('\t') +
                                   CommandLineConsole::shown(row.object));
                    found = true;
                });
    return searchStatus(found);
}

int CommandLineMode::grep()
{
    const ScriptSearch text(options_.searchText, options_.regex, options_.caseSensitive);
    if (!text.refusal().isEmpty()) {
        console_.warn(text.refusal());
        return UsageError;
    }
    QList<ArchiveFolder::Found> archives;
    // Each is printed as given.
    for (const QString& archive : options_.archives) {
        const QFileInfo file(FileSystem::plainPath(archive));
        archives.append(
            {archive, file.absoluteFilePath(), file.isFile() ? QString() : tr("there is no such file")});
    }
    const ArchiveCache cache;
    ArchiveSearch search(runner_, cache, searchTools(),
                         options_.jobs.value_or(core_.settings.parallelRuns()));
    bool found = false;
    for (const ArchiveSearch::FoundLine& line : search.searchScripts(search.list(archives), text)) {
        if (!line.problem.isEmpty()) {
            console_.fail(line.script.isEmpty() ? line.archive
                                                : line.archive + QStringLiteral(": ") + line.script,
                          line.problem);
            continue;
        }
        console_.print(QStringList{CommandLineConsole::shown(line.archive),
                                   CommandLineConsole::shown(line.script), QString::number(line.match.number),
                                   CommandLineConsole::shown(line.match.line)}
                           .join(QLatin1Char('\t')));
        found = true;
    }
    return searchStatus(found);
}

RunReport CommandLineMode::runOver(RunStep& step, const QStringList& names, RunReport::Kind kind,
                                   const ConversionJob* conversion)
{
    RunDriver driver(runner_, step, kind, options_.jobs.value_or(core_.settings.parallelRuns()));
    qsizetype told = 0;
    QString note;
    const auto tellFinished = [&] {
        const QList<RunReport::Failure>& failures = driver.report().failures();
        for (; told < failures.size(); ++told)
            tell(failures.at(told), names.at(failures.at(told).row));
    };
    QObject::connect(&driver, &RunDriver::noted, [&note](int, const QString& text) { note = text; });
    QObject::connect(&driver, &RunDriver::progressed, [&](int position, RunDriver::Phase phase) {
        const QString& name = names.at(position - 1);
        if (phase == RunDriver::Phase::Begun && !conversion) {
            console_.progress(position, int(names.size()), name);
        } else if (phase == RunDriver::Phase::Done) {
            if (conversion)
                tellPalette(position, int(names.size()), name, conversion->palette());
            tellFinished();
            if (!note.isEmpty())
                console_.note(name, std::exchange(note, QString()));
        }
    });
    const RunReport report = driver.run(RunDriver::objects(names));
    tellFinished();
    return report;
}

void CommandLineMode::tellPalette(int position, int count, const QString& name, const PaletteOrigin& palette)
{
    using Reason = PaletteOrigin::Reason;
    const QString file = QDir::toNativeSeparators(palette.file);
    QString detail;
    if (!palette.list.isEmpty())
        detail = palette.text();
    else if (palette.reason != Reason::Own)
        detail = tr("palette %1: %2").arg(palette.number).arg(file);
    console_.progress(position, count, name, detail);
    if (palette.reason == Reason::Fallback)
        console_.warn(
            name,
            tr("palette %1 not found, drawn with the default palette %2").arg(palette.number).arg(file));
}

void CommandLineMode::tellDelivered(const RunReport& report, DeliveredFiles::Kind kind)
{
    if (report.done() > 0 && !runner_.isShutDown())
        console_.summary(DeliveredFiles{kind, report.done(), options_.destFolder}.text());
}

// In the words of the command line, which has no Cancel.
void CommandLineMode::tell(const RunReport::Failure& failure, const QString& name)
{
    using Command = CommandLineOptions::Command;
    const Command command = options_.command;
    switch (failure.step) {
    case RunReport::Step::RefusedName:
        console_.fail(name, command == Command::Extract ? tr("refused, because %1").arg(failure.reason)
                                                        : failure.reason);
        return;
    case RunReport::Step::SheetFull:
        console_.fail(name, tr("does not fit: %1").arg(failure.reason));
        return;
    case RunReport::Step::NotDone:
        break;
    default:
        console_.fail(name, failure.reason);
        return;
    }
    if (failure.stop == RunReport::Stop::RunEnded)
        console_.fail(name, tr("not drawn, because the sheet is full"));
    else if (failure.stop == RunReport::Stop::CannotStart)
        console_.fail(name,
                      command == Command::Extract   ? tr("not extracted, because the tool could not start")
                      : command == Command::Convert ? tr("not converted, because the tool could not start")
                                                    : tr("not drawn, because the tool could not start"));
    else
        console_.fail(name, command == Command::Extract   ? tr("not extracted, because the run was stopped")
                            : command == Command::Convert ? tr("not converted, because the run was stopped")
                                                          : tr("not drawn, because the run was stopped"));
}
