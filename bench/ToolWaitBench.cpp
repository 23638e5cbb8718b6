// The wait for a tool run that ends at once: ToolRunner's wait beside QProcess's own blocking wait for
// the same script. A wait that polled on a fixed period would show that period in the first figure.
#include "archive/core/ToolCommands.h"
#include "archive/core/ToolRunner.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// A working folder whose vtlist.exe ends at once.
struct FastTool {
    QTemporaryDir work;

    FastTool()
    {
        QFile tool(work.filePath(u"vtlist.exe"_s));
        tool.open(QIODevice::WriteOnly);
        tool.write("#!/bin/sh\n");
        tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner);
    }
};

void WaitForAFastToolRun(benchmark::State& state)
{
    FastTool fast;
    ToolRunner runner;
    const WorkFolder work(fast.work.path());
    runner.setWorkFolder(work);
    for (auto _ : state) {
        if (!runner.RunToolScript(work.listScript(), ToolCommands::listing(work)))
            state.SkipWithError(qPrintable(runner.lastError()));
    }
}

void WaitForTheSameScriptInQProcess(benchmark::State& state)
{
    FastTool fast;
    ToolRunner runner;
    const WorkFolder work(fast.work.path());
    runner.setWorkFolder(work);
    runner.WriteToolScript(work.listScript(), ToolCommands::listing(work));
    for (auto _ : state) {
        QProcess batch;
        batch.start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo-batch"),
                    {fast.work.filePath(u"vtlist.bat"_s)});
        if (!batch.waitForFinished(30000) || batch.exitCode() != 0)
            state.SkipWithError("the script did not run");
    }
}

} // namespace

BENCHMARK(WaitForAFastToolRun)->Unit(benchmark::kMillisecond);
BENCHMARK(WaitForTheSameScriptInQProcess)->Unit(benchmark::kMillisecond);
