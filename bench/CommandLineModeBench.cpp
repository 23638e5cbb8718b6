// Converting every picture of a 1000-picture archive: the command-line mode as a process, beside the
// conversion window over the same rows in this process (its 500 ms paint pause included, as the user
// waits for it). Both run the same tool once per picture, so the goal is a ratio of at most 1.
#include "CountedMessages.h"
#include "PictureArchive.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/VolTable.h"
#include "picture/core/PictureState.h"
#include "picture/ui/frmConvert.h"
#include "platform/ui/QtDesktopOpener.h"
#include "platform/ui/QtFilePicker.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

void ConvertWithTheCommandLine(benchmark::State& state)
{
    PictureArchive& data = PictureArchive::shared();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_s, data.root.filePath(u"config"_s));
    environment.insert(u"XDG_DATA_HOME"_s, data.root.filePath(u"data"_s));
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"),
                      {u"--quiet"_s, u"--convert"_s, data.archive, u"--to"_s, data.root.filePath(u"cli"_s)});
        if (!program.waitForFinished(-1) || program.exitCode() != 0)
            state.SkipWithError(program.readAllStandardError().constData());
    }
}

void ConvertInTheWindow(benchmark::State& state)
{
    PictureArchive& data = PictureArchive::shared();
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(data.work));
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
    for (int row = 0; row < PictureArchive::pictureCount; ++row)
        rows.append(row);
    const PictureConversion::Options options{
        WorkFolder(data.work), true, {data.palettes, data.palettes + u"/base.pal"_s, true}};
    for (auto _ : state) {
        PictureState pictureState;
        frmConvert window(nullptr, {vol, rows, data.root.filePath(u"window"_s), options}, runner,
                          pictureState, seams);
        window.exec();
        if (messages.shown > 0)
            state.SkipWithError("the window had something to tell");
    }
}

} // namespace

BENCHMARK(ConvertWithTheCommandLine)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(ConvertInTheWindow)->Unit(benchmark::kMillisecond)->Iterations(2);
