// Extracting many objects with N tools at once: `kadrillo --extract` of the 1000-picture archive as a
// process and the extraction window over 200 of its objects, each beside a plain loop that starts the
// stand-in as often (goal with N = 1: at most 1.1) and beside itself with one tool at a time (goal with
// N = 2 on two cores: at most 0.6). Through Wine with the Windows stand-ins, two at once against one
// (goal: at most 0.9, as Wine's server serialises part of every start).
#include "CountedMessages.h"
#include "PictureArchive.h"
#include "WineTools.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/VolTable.h"
#include "archive/ui/frmExtract.h"
#include "platform/ui/QtDesktopOpener.h"
#include "platform/ui/QtFilePicker.h"

#include <QProcess>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// With the settings under `config` and the tools started in `environment`.
void extractWithTheCommandLine(benchmark::State& state, QProcessEnvironment environment,
                               const QString& config)
{
    PictureArchive& data = PictureArchive::shared();
    environment.insert(u"XDG_CONFIG_HOME"_s, config);
    environment.insert(u"XDG_DATA_HOME"_s, data.root.filePath(u"data"_s));
    const QString jobs = QString::number(state.range(0));
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"),
                      {u"--quiet"_s, u"--jobs"_s, jobs, u"--extract"_s, data.archive, u"--to"_s,
                       data.root.filePath(u"cli-extracted"_s)});
        if (!program.waitForFinished(-1) || program.exitCode() != 0)
            state.SkipWithError(program.readAllStandardError().constData());
    }
}

// With the extract.exe in `work`.
void extractInTheWindow(benchmark::State& state, const QString& work)
{
    PictureArchive& data = PictureArchive::shared();
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work));
    CountedMessages messages;
    QtFilePicker files;
    QtDesktopOpener desktop;
    // A failure table at the end counts as something to tell, as a message does.
    const Seams seams{messages, files, desktop, [&messages](QDialog&) {
                          ++messages.shown;
                          return 0;
                      }};
    const VolRecord vol{u"pictures.vol"_s, data.archive, data.names, true};
    QList<int> rows;
    for (int row = 0; row < PictureArchive::windowExtractions; ++row)
        rows.append(row);
    for (auto _ : state) {
        frmExtract window(nullptr, vol, rows, data.root.filePath(u"window-extracted"_s), runner,
                          int(state.range(0)), seams);
        window.exec();
        if (messages.shown > 0)
            state.SkipWithError("the window had something to tell");
    }
}

void ExtractWithTheCommandLine(benchmark::State& state)
{
    const PictureArchive& data = PictureArchive::shared();
    extractWithTheCommandLine(state, QProcessEnvironment::systemEnvironment(),
                              data.root.filePath(u"config"_s));
}

void ExtractInTheWindow(benchmark::State& state)
{
    extractInTheWindow(state, PictureArchive::shared().work);
}

void ExtractWithTheCommandLineThroughWine(benchmark::State& state)
{
    const WineTools& wine = WineTools::shared();
    if (!wine.ready(state))
        return;
    extractWithTheCommandLine(state, wine.environment(), wine.config);
    wine.server(u"-k"_s);
}

void ExtractInTheWindowThroughWine(benchmark::State& state)
{
    const WineTools& wine = WineTools::shared();
    if (!wine.ready(state))
        return;
    {
        const WineTools::InEnvironment prefix(wine);
        extractInTheWindow(state, wine.pictureWork);
    }
    wine.server(u"-k"_s);
}

} // namespace

BENCHMARK(ExtractWithTheCommandLine)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(ExtractInTheWindow)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ExtractWithTheCommandLineThroughWine)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ExtractInTheWindowThroughWine)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);
