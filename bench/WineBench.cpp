// 200 extractions with the Windows stand-in through Wine: the extraction job beside a plain loop that
// starts the same tool through Wine as often, as a shell loop would, and beside that loop while a
// Wine program keeps Wine's session up, which is the least that 200 Wine starts cost. Wine's session
// is shut down after each benchmark.
#include "WineTools.h"
#include "archive/core/ExtractionJob.h"
#include "archive/core/RunDriver.h"
#include "archive/core/ToolRunner.h"

#include <QProcess>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

WineTools& tools()
{
    return WineTools::shared();
}

void StartTheWineToolInAPlainLoop(benchmark::State& state)
{
    if (!tools().ready(state))
        return;
    for (auto _ : state)
        tools().startTheToolInAPlainLoop();
    tools().server(u"-k"_s);
}

// cmd.exe waits for commands on its input, which stays open until the loop is done.
void StartTheWineToolWithWinesSessionKept(benchmark::State& state)
{
    if (!tools().ready(state))
        return;
    QProcess keeper;
    keeper.setProcessEnvironment(tools().environment());
    keeper.setStandardOutputFile(QProcess::nullDevice());
    keeper.start(tools().wine, {u"cmd.exe"_s});
    for (auto _ : state)
        tools().startTheToolInAPlainLoop();
    keeper.closeWriteChannel();
    keeper.waitForFinished(-1);
    tools().server(u"-k"_s);
}

void ExtractThroughWineWithTheJob(benchmark::State& state)
{
    if (!tools().ready(state))
        return;
    {
        const WineTools::InEnvironment prefix(tools());
        ToolRunner runner;
        runner.setWorkFolder(WorkFolder(tools().work));
        const QString out = tools().root.filePath(u"extracted"_s);
        for (auto _ : state) {
            ExtractionJob job(runner, out);
            job.begin(tools().archive);
            RunDriver driver(runner, job, RunReport::Kind::Extraction, int(state.range(0)));
            if (const RunReport report = driver.run(RunDriver::objects(tools().names)); !report.isClean())
                state.SkipWithError(qPrintable(report.text()));
        }
    }
    tools().server(u"-k"_s);
}

} // namespace

BENCHMARK(StartTheWineToolInAPlainLoop)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(StartTheWineToolWithWinesSessionKept)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ExtractThroughWineWithTheJob)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);
