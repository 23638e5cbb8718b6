#pragma once

#include "app/cli/CommandLineConsole.h"
#include "app/core/AppCore.h"
#include "app/core/CommandLineOptions.h"
#include "archive/core/ArchiveListing.h"
#include "archive/core/DeliveredFiles.h"
#include "archive/core/RunReport.h"

#include <QCoreApplication>
#include <QStringList>

class ConversionJob;
class RunStep;
struct PaletteOrigin;

// The command-line mode: lists, extracts or converts the objects of one archive, or draws their
// contact sheet, with the windows' core (settings, working folder, tool runner, palettes), name checks,
// extraction, conversion and palette search, and needs no display. It reads the settings and never
// writes them. Nothing is asked: a
// named object that does not end in "bmp" is not converted and counts as failed, and a standard bitmap is
// declined, so it is copied as it is in the archive (the windows' "No"); either way the user's picture is
// never recoloured by a guess.
class CommandLineMode {
    Q_DECLARE_TR_FUNCTIONS(CommandLineMode)

public:
    enum Status { Succeeded = 0, Failed = 1, UsageError = 2 };

    CommandLineMode(const CommandLineOptions& options, AppCore& core);

    // Runs the command to its end, or until a termination signal; the exit status.
    int run();

private:
    int runCommand();
    // Why the archive gave no objects to work on.
    void tellUnlisted(const ArchiveListing::Result& listing);
    bool prepare();
    // Says what a start-up step met; true when the command cannot go on.
    bool tell(const AppCore::Notice& notice);
    bool outsideWorkFolder();
    // The listed objects the command works on; named ones missing from the listing are failures.
    QStringList chosen(const QStringList& listed);
    void extract(const QStringList& names);
    // How pictures are converted; `listed` is every object of the archive, whose palette lists
    // the palette search may read.
    PictureConversion::Options conversionOptions(const QStringList& listed);
    void convert(const QStringList& names, const QStringList& listed);
    void contactSheet(const QStringList& names, const QStringList& listed);
    // Runs the step over the objects, with a progress line for each and its failure told once it is
    // finished. With `conversion`, the step's, each progress line waits until its picture is converted
    // and names the palette that drew it.
    RunReport runOver(RunStep& step, const QStringList& names, RunReport::Kind kind,
                      const ConversionJob* conversion = nullptr);
    // The run's last line: where its files went, when it delivered any.
    void tellDelivered(const RunReport& report, DeliveredFiles::Kind kind);
    // What the progress line says of a converted picture's palette, and the line about a fall-back.
    void tellPalette(int position, int count, const QString& name, const PaletteOrigin& palette);
    void tell(const RunReport::Failure& failure, const QString& name);

    CommandLineOptions options_;
    AppCore& core_;
    ToolRunner& runner_;
    CommandLineConsole console_;
};
