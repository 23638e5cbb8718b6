// The wait for a tool run that ends at once: ToolRunner's wait beside QProcess's own blocking wait for
// the same script. A wait that polled on a fixed period would show that period in the first figure.
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
    runner.setWorkFolder(WorkFolder(fast.work.path()));
    for (auto _ : state) {
        if (!runner.RunToolScript(u"vtlist.bat"_s, u"vtlist.exe >results.dat"_s))
            state.SkipWithError(qPrintable(runner.lastError()));
    }
}

void WaitForTheSameScriptInQProcess(benchmark::State& state)
{
    FastTool fast;
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(fast.work.path()));
    runner.WriteToolScript(u"vtlist.bat"_s, u"vtlist.exe >results.dat"_s);
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
