// `kadrillo --extract` of the 1000-picture archive as a process with N tools at once, beside a plain
// loop that starts the stand-in as often (goal with N = 1: at most 1.1) and beside itself with one tool
// at a time (goal with N = 2 on two cores: at most 0.6). Through Wine with the Windows stand-ins, two at once
// against one (goal: at most 0.9, as Wine's server serialises part of every start).
#include "PictureArchive.h"
#include "WineTools.h"

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

void ExtractWithTheCommandLine(benchmark::State& state)
{
    const PictureArchive& data = PictureArchive::shared();
    extractWithTheCommandLine(state, QProcessEnvironment::systemEnvironment(),
                              data.root.filePath(u"config"_s));
}

void ExtractWithTheCommandLineThroughWine(benchmark::State& state)
{
    const WineTools& wine = WineTools::shared();
    if (!wine.ready(state))
        return;
    extractWithTheCommandLine(state, wine.environment(), wine.config);
    wine.server(u"-k"_s);
}

} // namespace

BENCHMARK(ExtractWithTheCommandLine)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(ExtractWithTheCommandLineThroughWine)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);
