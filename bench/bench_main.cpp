// Benchmarks of the archive and picture work, each printed at the end as a ratio to a baseline measured
// in the same run, so that the figures mean the same on any machine.
#include "RatioReporter.h"
#include "SettleFixture.h"
#include "SquarePbmp.h"
#include "VolArchive.h"
#include "app/ui/frmMain.h"
#include "archive/core/ExtractionJob.h"
#include "archive/core/ResultsFile.h"
#include "archive/core/RunDriver.h"
#include "archive/core/ToolCommands.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/Windows1252.h"
#include "picture/core/Palettes.h"
#include "picture/core/PbmpLayout.h"
#include "picture/core/PictureConversion.h"
#include "picture/core/PictureState.h"
#include "platform/ui/QtDesktopOpener.h"
#include "platform/ui/QtFilePicker.h"
#include "platform/ui/QtMessageBoxes.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

namespace {

constexpr int listingNames = 32767;
constexpr int extractedObjects = 200;
constexpr int largePictureSide = 4096;
constexpr int paletteSubfolders = 1000;

// A PBMP whose pixels repeat a ramp.
QByteArray pbmp(int side)
{
    const qsizetype size = qsizetype(side) * side;
    QByteArray out = squarePbmp(side);
    for (qsizetype i = 0; i < size; ++i)
        out[PbmpLayout::pixelOffset + i] = char(i * 7);
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

struct Fixture {
    QTemporaryDir root;
    QString results;
    QStringList names;
    QString archive;
    QStringList objectNames;
    QString work;
    QByteArray largePicture;
    QString palettes;

    Fixture()
    {
        largePicture = pbmp(largePictureSide);
        palettes = root.filePath(QStringLiteral("palettes"));
        for (int i = 0; i < paletteSubfolders; ++i)
            QDir().mkpath(palettes + QStringLiteral("/list%1").arg(i));

        results = root.filePath(QStringLiteral("results.dat"));
        QByteArray listing = "Volume contents: 32767 objects\r\n";
        for (int i = 0; i < listingNames; ++i) {
            const QByteArray name = "object" + QByteArray::number(i) + (i % 3 == 0 ? ".bmp" : ".wav");
            listing += name + "\r\n";
            names.append(QString::fromLatin1(name));
        }
        QFile file(results);
        file.open(QIODevice::WriteOnly);
        file.write(listing);
        file.close();

        std::vector<VolEntry> entries;
        for (int i = 0; i < extractedObjects; ++i) {
            const std::string name = "small" + std::to_string(i) + ".cs";
            entries.push_back({name, std::vector<unsigned char>(256, static_cast<unsigned char>(i))});
            objectNames.append(QString::fromStdString(name));
        }
        archive = root.filePath(QStringLiteral("many.vol"));
        std::string error;
        VolArchive::write(archive.toStdString(), entries, error);

        work = root.filePath(QStringLiteral("work"));
        QDir().mkpath(work);
        QFile::copy(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"),
                    work + QStringLiteral("/extract.exe"));
        settleFixture();
    }
};

Fixture* fixture = nullptr;

QByteArray readResults()
{
    QFile file(fixture->results);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void ReadResultsIntoMemory(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readResults());
}

void ReadListing(benchmark::State& state)
{
    for (auto _ : state) {
        const ResultsFile::Listing listing = ResultsFile::ReadListing(readResults());
        if (listing.names.size() != listingNames)
            state.SkipWithError("wrong number of names");
    }
}

// What the parser cannot do without: the bytes decoded and cut into lines.
void DecodeAndSplitResults(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Windows1252::decode(readResults()).split(QLatin1Char('\n')));
}

void FillPlainListWidget(benchmark::State& state)
{
    QListWidget list;
    for (auto _ : state) {
        list.clear();
        list.addItems(fixture->names);
    }
}

void FillObjectList(benchmark::State& state)
{
    AppCore app(fixture->root.filePath(QStringLiteral("bench.ini")));
    QtMessageBoxes messages;
    QtFilePicker files;
    QtDesktopOpener desktop;
    frmMain window(app, Seams{messages, files, desktop});
    window.AddVol(QStringLiteral("/bench/many.vol"), QStringLiteral("many.vol"));
    app.Vols.current()->ObjectNames = fixture->names;
    for (auto _ : state)
        window.showVol(1);
}

void StartTheToolInAPlainLoop(benchmark::State& state)
{
    const QString out = fixture->root.filePath(QStringLiteral("plain"));
    QDir().mkpath(out);
    for (auto _ : state) {
        for (const QString& name : fixture->objectNames) {
            QProcess tool;
            tool.start(fixture->work + QStringLiteral("/extract.exe"),
                       {fixture->archive, out + QLatin1Char('/') + name});
            tool.waitForFinished(-1);
        }
    }
}

// The floor of two tools at once: two plain loops of starts side by side, each starting its next tool
// as soon as its last has ended.
void StartTheToolTwoAtATime(benchmark::State& state)
{
    const QString out = fixture->root.filePath(QStringLiteral("plain2"));
    QDir().mkpath(out);
    for (auto _ : state) {
        QEventLoop loop;
        qsizetype next = 0;
        int running = 0;
        std::function<void()> startNext = [&] {
            if (next >= fixture->objectNames.size()) {
                if (running == 0)
                    loop.quit();
                return;
            }
            auto* tool = new QProcess(&loop);
            ++running;
            QObject::connect(tool, &QProcess::finished, &loop, [&, tool] {
                --running;
                tool->deleteLater();
                startNext();
            });
            tool->start(fixture->work + QStringLiteral("/extract.exe"),
                        {fixture->archive, out + QLatin1Char('/') + fixture->objectNames.at(next++)});
        };
        startNext();
        startNext();
        loop.exec();
    }
}

void ExtractWithTheJob(benchmark::State& state)
{
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(fixture->work));
    const QString out = fixture->root.filePath(QStringLiteral("extracted"));
    for (auto _ : state) {
        ExtractionJob job(runner, out);
        job.begin(fixture->archive);
        RunDriver driver(runner, job, RunReport::Kind::Extraction, int(state.range(0)));
        if (!driver.run(RunDriver::objects(fixture->objectNames)).isClean())
            state.SkipWithError("an object was not extracted");
    }
}

// As a conversion or a preview extracts: through extract.bat, into the working folder.
void ExtractThroughTheScript(benchmark::State& state)
{
    ToolRunner runner;
    const WorkFolder work(fixture->work);
    runner.setWorkFolder(work);
    runner.CopyVolToWork(fixture->archive);
    for (auto _ : state) {
        for (const QString& name : fixture->objectNames) {
            if (!runner.RunToolScript(
                    work.extractScript(),
                    ToolCommands::extractTo(work, name, QLatin1String(WorkFolder::scriptName))))
                state.SkipWithError(qPrintable(runner.lastError()));
        }
    }
}

void CopyTheSameBytes(benchmark::State& state)
{
    const QString from = fixture->root.filePath(QStringLiteral("copy-from.bmp"));
    const QString to = fixture->root.filePath(QStringLiteral("copy-to.bmp"));
    writeFile(from, fixture->largePicture);
    for (auto _ : state) {
        QFile source(from);
        source.open(QIODevice::ReadOnly);
        writeFile(to, source.readAll());
    }
}

void ConvertALargePicture(benchmark::State& state)
{
    PictureState pictures;
    PictureConversion conversion(pictures);
    const PictureConversion::Options options{WorkFolder(fixture->work), false, {}};
    // A PBMP asks nothing.
    const auto noAnswer = [](const PictureMessage&) {
        return false;
    };
    const QString picture = options.workFolder.picture();
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(picture, fixture->largePicture);
        state.ResumeTiming();
        const PictureConversion::Report report = conversion.ConvertPicture(options, noAnswer);
        if (report.outcome != PictureConversion::Outcome::Converted || !report.messages.isEmpty())
            state.SkipWithError("the picture was not converted");
    }
}

void ListThePaletteFolder(benchmark::State& state)
{
    for (auto _ : state) {
        QDirIterator entries(fixture->palettes, QDir::Dirs | QDir::NoDotAndDotDot);
        int count = 0;
        while (entries.hasNext()) {
            entries.next();
            ++count;
        }
        benchmark::DoNotOptimize(count);
    }
}

// A number that no subfolder holds: every one of them is looked in.
void FindPaletteInManySubfolders(benchmark::State& state)
{
    const PaletteSearch search{fixture->palettes, fixture->palettes + QStringLiteral("/base.pal"), true};
    for (auto _ : state)
        benchmark::DoNotOptimize(Palettes::fileFor(42, search));
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fixture data;
    fixture = &data;

    benchmark::RegisterBenchmark("ReadResultsIntoMemory", ReadResultsIntoMemory)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ReadListing", ReadListing)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("DecodeAndSplitResults", DecodeAndSplitResults)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FillPlainListWidget", FillPlainListWidget)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FillObjectList", FillObjectList)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("StartTheToolInAPlainLoop", StartTheToolInAPlainLoop)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("StartTheToolTwoAtATime", StartTheToolTwoAtATime)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    // As the extraction window runs, with N tools at once, without its pause to show itself.
    benchmark::RegisterBenchmark("ExtractWithTheJob", ExtractWithTheJob)
        ->Arg(1)
        ->Arg(2)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("ExtractThroughTheScript", ExtractThroughTheScript)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::RegisterBenchmark("CopyTheSameBytes", CopyTheSameBytes)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ConvertALargePicture", ConvertALargePicture)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ListThePaletteFolder", ListThePaletteFolder)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FindPaletteInManySubfolders", FindPaletteInManySubfolders)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios measured in this run:\n");
    reporter.printRatio("parse 32767-name results.dat / read it into memory", "ReadListing",
                        "ReadResultsIntoMemory");
    reporter.printRatio("parse results.dat / decode it and split it into lines", "ReadListing",
                        "DecodeAndSplitResults", 1.5);
    reporter.printRatio("fill lstList with 32767 names / bare QListWidget::addItems", "FillObjectList",
                        "FillPlainListWidget");
    reporter.printRatio("extract 200 objects through extract.bat / start the stand-in 200 times",
                        "ExtractThroughTheScript", "StartTheToolInAPlainLoop", 1.1);
    reporter.printRatio("extract 200 objects through Wine / 200 Wine starts in a loop",
                        "ExtractThroughWineWithTheJob/1", "StartTheWineToolInAPlainLoop", 1.1);
    reporter.printRatio("extract 200 objects through Wine / the same, Wine's session kept",
                        "ExtractThroughWineWithTheJob/1", "StartTheWineToolWithWinesSessionKept");
    reporter.printRatio("convert a 4096 x 4096 PBMP / copy as many bytes file to file",
                        "ConvertALargePicture", "CopyTheSameBytes", 2.0);
    reporter.printRatio("export a dithered 4096 x 4096 picture as PNG / as BMP",
                        "ExportALargePicture/DitheredAsPng", "ExportALargePicture/DitheredAsBmp", 3.0);
    reporter.printRatio("export a repeating 4096 x 4096 picture as PNG / as BMP",
                        "ExportALargePicture/RepeatingAsPng", "ExportALargePicture/RepeatingAsBmp", 3.0);
    reporter.printRatio("convert 4096 x 4096 from tool start / extract, copy twice",
                        "ConvertALargePictureFromTheToolsStart", "ExtractALargePictureAndCopyItTwice", 1.5);
    reporter.printRatio("find a palette among 1000 subfolders / list the folder",
                        "FindPaletteInManySubfolders", "ListThePaletteFolder");
    reporter.printRatio("kadrillo --convert of 1000 pictures / the conversion window",
                        "ConvertWithTheCommandLine", "ConvertInTheWindow", 1.0);
    reporter.printRatio("start the stand-in 1000 times / start /bin/true 1000 times",
                        "StartTheToolForEachPicture/1000", "StartANoOpProgramForEachPicture");
    std::printf("\nOne tool at a time against a plain loop, and two at once against one:\n");
    reporter.printRatio("contact sheet of 1000 pictures, N = 1 / 1000 starts", "DrawContactSheet/1",
                        "StartTheToolForEachPicture/1000", 1.1);
    reporter.printRatio("contact sheet of 1000 pictures, N = 2 / N = 1", "DrawContactSheet/2",
                        "DrawContactSheet/1", 0.6);
    reporter.printRatio("contact sheet of 1000 pictures in 128 px cells / at natural size, N = 1",
                        "DrawContactSheetInCells/1", "DrawContactSheet/1", 1.0);
    reporter.printRatio("kadrillo --extract of 1000 objects, N = 1 / 1000 starts",
                        "ExtractWithTheCommandLine/1", "StartTheToolForEachPicture/1000", 1.1);
    reporter.printRatio("kadrillo --extract of 1000 objects, N = 2 / N = 1", "ExtractWithTheCommandLine/2",
                        "ExtractWithTheCommandLine/1", 0.6);
    reporter.printRatio("extraction of 200 objects, N = 1 / 200 starts", "ExtractWithTheJob/1",
                        "StartTheToolInAPlainLoop", 1.1);
    reporter.printRatio("extraction of 200 objects, N = 2 / N = 1", "ExtractWithTheJob/2",
                        "ExtractWithTheJob/1", 0.6);
    reporter.printRatio("extraction of 200 objects, N = 2 / two plain loops of 100 starts at once",
                        "ExtractWithTheJob/2", "StartTheToolTwoAtATime");
    std::printf("\nThe same through Wine with the Windows stand-ins:\n");
    reporter.printRatio("contact sheet of 1000 pictures through Wine, N = 2 / N = 1",
                        "DrawContactSheetThroughWine/2", "DrawContactSheetThroughWine/1", 0.9);
    reporter.printRatio("kadrillo --extract of 1000 objects through Wine, N = 2 / N = 1",
                        "ExtractWithTheCommandLineThroughWine/2", "ExtractWithTheCommandLineThroughWine/1",
                        0.9);
    reporter.printRatio("extraction of 200 objects through Wine, N = 2 / N = 1",
                        "ExtractThroughWineWithTheJob/2", "ExtractThroughWineWithTheJob/1", 0.9);
    std::printf("\n");
    reporter.printTime("redraw a 4096 x 4096 picture at a new zoom", "RedrawALargePictureAtANewZoom", 50);
    reporter.printTime("redraw a 4096 x 4096 picture in another palette",
                       "RedrawALargePictureInAnotherPalette", 50);
    reporter.printRatio("redraw at a new zoom / repaint unchanged", "RedrawALargePictureAtANewZoom",
                        "RepaintALargePicture");
    reporter.printTime("show a 2 MB script, readable", "ShowALargeScript", 200);
    reporter.printRatio("show a 2 MB script / a bare QPlainTextEdit showing it", "ShowALargeScript",
                        "ShowTheScriptInABareTextView");
    reporter.printRatio("find over 50 archives of 1000 objects / list them in a plain loop",
                        "FindOverManyArchives", "ListTheArchivesInAPlainLoop", 0.65);
    reporter.printTime("find over 50 archives of 1000 objects, from the cache", "FindFromTheCache", 50);
    reporter.printTime("search 500 scripts of 20 KB, once extracted", "SearchManyScripts", 100);
    benchmark::Shutdown();
    return 0;
}
