// The contact sheet of a 1000-picture archive, drawn by its window with the stand-in tools and N tools
// at once, at natural size and in 128 px cells, beside starting the stand-in tool as many times from a
// plain loop (the sheet runs it once per picture), and beside as many starts of a program that does
// nothing: the floor of any one-process-a-picture sheet. Goals: the first row shown within 0.5 s, the
// whole sheet within 2 s (the counters give both), and the sheet in cells no slower than at natural size.
#include "CountedMessages.h"
#include "PictureArchive.h"
#include "WineTools.h"
#include "archive/core/ToolRunner.h"
#include "picture/core/ContactSheet.h"
#include "picture/core/PictureState.h"
#include "picture/ui/frmContactSheet.h"
#include "platform/ui/QtFilePicker.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// With the extract.exe in `work`, in the layout of `cell`.
void drawContactSheet(benchmark::State& state, const QString& work, int cell = ContactSheetLayout::natural)
{
    PictureArchive& data = PictureArchive::shared();
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work));
    CountedMessages messages;
    QtFilePicker files;
    const PictureConversion::Options options{
        WorkFolder(work), true, {data.palettes, data.palettes + u"/base.pal"_s, true}};
    double firstRow = 0;
    for (auto _ : state) {
        PictureState pictures;
        frmContactSheet window(messages, files, runner);
        auto* layouts = window.findChild<QComboBox*>(u"cboLayout"_s);
        layouts->setCurrentIndex(layouts->findData(cell));
        window.show();
        QElapsedTimer clock;
        qint64 firstRowAt = -1;
        QObject::connect(&window, &frmContactSheet::pictureAdded, &window, [&] {
            const ContactSheet& sheet = window.sheet();
            if (firstRowAt < 0 && sheet.area(sheet.count() - 1).top() > sheet.area(0).top())
                firstRowAt = clock.elapsed();
        });
        clock.start();
        window.draw(pictures, options, data.archive, data.names, int(state.range(0)));
        firstRow += double(firstRowAt);
        if (messages.shown > 0 || window.sheet().count() != PictureArchive::pictureCount ||
            window.sheet().cell() != cell)
            state.SkipWithError("not every picture was drawn");
    }
    state.counters["first_row_ms"] = benchmark::Counter(firstRow / double(state.iterations()));
}

void DrawContactSheet(benchmark::State& state)
{
    drawContactSheet(state, PictureArchive::shared().work);
}

void DrawContactSheetInCells(benchmark::State& state)
{
    drawContactSheet(state, PictureArchive::shared().work, 128);
}

void DrawContactSheetThroughWine(benchmark::State& state)
{
    const WineTools& wine = WineTools::shared();
    if (!wine.ready(state))
        return;
    {
        const WineTools::InEnvironment prefix(wine);
        drawContactSheet(state, wine.pictureWork);
    }
    wine.server(u"-k"_s);
}

void StartTheToolForEachPicture(benchmark::State& state)
{
    PictureArchive& data = PictureArchive::shared();
    for (auto _ : state) {
        for (int i = 0; i < state.range(0); ++i) {
            QProcess tool;
            tool.setWorkingDirectory(data.work);
            tool.start(data.work + u"/extract.exe"_s,
                       {data.archive, data.names.at(i), data.work + u"/one.bmp"_s});
            tool.waitForFinished(-1);
        }
    }
}

void StartANoOpProgramForEachPicture(benchmark::State& state)
{
    for (auto _ : state) {
        for (int i = 0; i < PictureArchive::pictureCount; ++i) {
            QProcess program;
            program.start(u"/bin/true"_s, {});
            program.waitForFinished(-1);
        }
    }
}

} // namespace

BENCHMARK(DrawContactSheet)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(DrawContactSheetInCells)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(DrawContactSheetThroughWine)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(StartTheToolForEachPicture)
    ->Arg(PictureArchive::pictureCount)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(StartANoOpProgramForEachPicture)->Unit(benchmark::kMillisecond)->Iterations(2);
