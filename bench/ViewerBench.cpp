// The picture window redrawing a 4096 x 4096 picture at another zoom or in another palette, beside
// repainting it unchanged; and the script window showing a 2 MB script while its colours are put on
// from the event loop, beside a bare QPlainTextEdit showing the same text. Goals: a redraw within
// 50 ms; the script readable (shown and drawn once) within 200 ms, and no part of the colouring holding
// the event loop for long (longest_step_ms).
#include "CountedMessages.h"
#include "SquarePbmp.h"
#include "archive/core/ToolRunner.h"
#include "picture/core/PaletteCodec.h"
#include "picture/core/PbmpLayout.h"
#include "picture/core/PictureState.h"
#include "picture/ui/PictureBox.h"
#include "picture/ui/frmPreview.h"
#include "platform/ui/QtFilePicker.h"
#include "preview/ui/ScriptHighlighter.h"
#include "preview/ui/ScriptView.h"
#include "preview/ui/frmScript.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int pictureSide = 4096;
constexpr qsizetype scriptBytes = 2 * 1024 * 1024;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

// A working folder for the picture and the script, and a palette folder with two palettes.
struct ViewerFiles {
    QTemporaryDir root;
    QString work = root.filePath(u"work"_s);
    QString palettes = root.filePath(u"palettes"_s);
    QByteArray picture = squarePbmp(pictureSide);
    QByteArray script;

    ViewerFiles()
    {
        QDir().mkpath(work);
        QDir().mkpath(palettes);
        for (qsizetype i = 0; i < qsizetype(pictureSide) * pictureSide; ++i)
            picture[PbmpLayout::pixelOffset + i] = char(i * 7 + i / pictureSide);
        Palette grey{};
        Palette warm{};
        for (std::size_t i = 0; i < grey.size(); ++i) {
            grey[i] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
            warm[i] = {std::uint8_t(255 - i), std::uint8_t(i / 2), std::uint8_t(i / 4), 0};
        }
        writeFile(palettes + u"/base.pal"_s, PaletteCodec::encode(QByteArray(24, 'H'), grey));
        writeFile(palettes + u"/7.pal"_s, PaletteCodec::encode(QByteArray(24, 'H'), warm));
        const QByteArray part = "// The mission's start: every player gets a vehicle.\r\n"
                                "function Mission::onStart(%mission, %count)\r\n{\r\n"
                                "   /* Teams are counted\r\n      before the drop. */\r\n"
                                "   for (%i = 0; %i < %count; %i++) {\r\n"
                                "      $pref::Team[%i]::Score = 0x10 + 2.5e1;\r\n"
                                "      if (%i % 2 == 0) echo(\"Team \" @ %i @ \" drops\", 'tagged');\r\n"
                                "      else return new Vehicle(\"Apocalypse\");\r\n   }\r\n}\r\n\r\n";
        while (script.size() < scriptBytes)
            script += part;
    }
};

ViewerFiles& viewerFiles()
{
    static ViewerFiles files;
    return files;
}

// The picture window with the large picture loaded, fitted to it as far as the screen allows.
struct LoadedPicture {
    CountedMessages messages;
    QtFilePicker files;
    PictureState pictures;
    frmPreview window{pictures, messages, files};
    PictureBox* box = window.findChild<PictureBox*>(u"Picture1"_s);

    LoadedPicture()
    {
        ViewerFiles& data = viewerFiles();
        writeFile(data.work + u"/temp.bmp"_s, data.picture);
        window.show();
        window.loadPic({WorkFolder(data.work), true, {data.palettes, data.palettes + u"/base.pal"_s, true}},
                       true);
        QCoreApplication::processEvents();
    }
};

void RepaintALargePicture(benchmark::State& state)
{
    LoadedPicture loaded;
    for (auto _ : state)
        loaded.box->viewport()->repaint();
}

void RedrawALargePictureAtANewZoom(benchmark::State& state)
{
    LoadedPicture loaded;
    QAction* zoomIn = loaded.window.findChild<QAction*>(u"mnuZoomIn"_s);
    QAction* actualSize = loaded.window.findChild<QAction*>(u"mnuActualSize"_s);
    bool in = true;
    for (auto _ : state) {
        (in ? zoomIn : actualSize)->trigger();
        loaded.box->viewport()->repaint();
        in = !in;
    }
    if (loaded.messages.shown > 0 || loaded.box->picture().width() != pictureSide)
        state.SkipWithError("the picture was not shown");
}

void RedrawALargePictureInAnotherPalette(benchmark::State& state)
{
    LoadedPicture loaded;
    loaded.window.showPictureMenu(QPoint());
    auto* menu = loaded.window.findChild<QMenu*>(u"mnuPicture"_s);
    menu->hide();
    const QList<QAction*> palettes = loaded.window.findChild<QMenu*>(u"mnuPalette"_s)->actions();
    if (palettes.size() != 2)
        state.SkipWithError("the palettes were not offered");
    qsizetype next = 0;
    for (auto _ : state) {
        palettes.at(next)->trigger();
        loaded.box->viewport()->repaint();
        next = 1 - next;
    }
    if (loaded.messages.shown > 0)
        state.SkipWithError("a palette was not read");
}

// From showing the window to its text drawn once; the colours are left to come.
void ShowALargeScript(benchmark::State& state)
{
    ViewerFiles& data = viewerFiles();
    writeFile(data.work + u"/temp.cs"_s, data.script);
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(data.work));
    for (auto _ : state) {
        frmScript window(runner);
        QElapsedTimer clock;
        clock.start();
        window.show();
        if (!window.loadFile().isEmpty())
            state.SkipWithError("the script was not read");
        QCoreApplication::processEvents();
        window.rtfScript->viewport()->repaint();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}

// Until every line is coloured, with the longest time the event loop waited for one part.
void ColourALargeScript(benchmark::State& state)
{
    ViewerFiles& data = viewerFiles();
    writeFile(data.work + u"/temp.cs"_s, data.script);
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(data.work));
    qint64 longest = 0;
    for (auto _ : state) {
        frmScript window(runner);
        window.show();
        window.loadFile();
        while (!window.highlighter->isDone()) {
            QElapsedTimer step;
            step.start();
            QCoreApplication::processEvents();
            longest = std::max(longest, step.nsecsElapsed());
        }
    }
    state.counters["longest_step_ms"] = benchmark::Counter(double(longest) / 1e6);
}

void ShowTheScriptInABareTextView(benchmark::State& state)
{
    const QString text = QString::fromLatin1(viewerFiles().script);
    for (auto _ : state) {
        QPlainTextEdit view;
        view.resize(400, 300);
        view.show();
        view.setPlainText(text);
        QCoreApplication::processEvents();
        view.viewport()->repaint();
    }
}

} // namespace

BENCHMARK(RepaintALargePicture)->Unit(benchmark::kMillisecond);
BENCHMARK(RedrawALargePictureAtANewZoom)->Unit(benchmark::kMillisecond);
BENCHMARK(RedrawALargePictureInAnotherPalette)->Unit(benchmark::kMillisecond);
BENCHMARK(ShowALargeScript)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(ColourALargeScript)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ShowTheScriptInABareTextView)->Unit(benchmark::kMillisecond)->Iterations(5);
