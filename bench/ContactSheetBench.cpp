// The contact sheet of a 1000-picture archive, drawn by its window with the stand-in tools, beside
// starting the stand-in tool as many times from a plain loop (the sheet runs it once per picture).
// Goals: the first row shown within 0.5 s, the whole sheet within 2 s; the counters give both.
#include "PbmpPicture.h"
#include "VolArchive.h"
#include "archive/ToolRunner.h"
#include "picture/ContactSheet.h"
#include "picture/ContactSheetJob.h"
#include "picture/PaletteCodec.h"
#include "picture/PictureState.h"
#include "picture/frmContactSheet.h"
#include "platform/MessageBoxes.h"
#include "platform/QtFilePicker.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int sheetPictures = 1000;

struct CountedMessages final : MessageBoxes {
    int shown = 0;
    Answer show(QWidget*, const QString&, const QString&, Buttons, Icon) override
    {
        ++shown;
        return Answer::No;
    }
};

// 1000 pictures of 32 x 32 with four palettes, and a working folder holding the stand-in tool.
struct SheetArchive {
    QTemporaryDir root;
    QString archive = root.filePath(u"sheet.vol"_s);
    QString work = root.filePath(u"work"_s);
    QString palettes = root.filePath(u"palettes"_s);
    QStringList names;

    SheetArchive()
    {
        std::vector<VolEntry> entries;
        for (int i = 0; i < sheetPictures; ++i) {
            PbmpPicture picture(32, 32, i % 4);
            for (std::uint32_t p = 0; p < 32 * 32; ++p)
                picture.setPixel(p % 32, p / 32, static_cast<unsigned char>(p + unsigned(i)));
            entries.push_back({"sheet" + std::to_string(i) + ".bmp", picture.encode()});
            names.append(QString::fromStdString(entries.back().name));
        }
        std::string error;
        VolArchive::write(archive.toStdString(), entries, error);
        QDir().mkpath(palettes);
        Palette grey{};
        for (std::size_t i = 0; i < grey.size(); ++i)
            grey[i] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
        for (const char* name : {"base.pal", "1.pal", "2.pal", "3.pal"}) {
            QFile file(palettes + u'/' + QLatin1String(name));
            file.open(QIODevice::WriteOnly);
            file.write(PaletteCodec::encode(QByteArray(24, 'H'), grey));
        }
        QDir().mkpath(work);
        QFile::copy(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"), work + u"/extract.exe"_s);
    }
};

SheetArchive& sheetArchive()
{
    static SheetArchive archive;
    return archive;
}

void DrawContactSheet(benchmark::State& state)
{
    SheetArchive& data = sheetArchive();
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(data.work));
    CountedMessages messages;
    QtFilePicker files;
    const PictureConversion::Options options{
        WorkFolder(data.work), true, {data.palettes, data.palettes + u"/base.pal"_s, true}};
    double firstRow = 0;
    for (auto _ : state) {
        PictureState pictures;
        frmContactSheet window(messages, files);
        window.show();
        QElapsedTimer clock;
        qint64 firstRowAt = -1;
        QObject::connect(&window, &frmContactSheet::pictureAdded, &window, [&] {
            const ContactSheet& sheet = window.sheet();
            if (firstRowAt < 0 && sheet.pictureRect(sheet.count() - 1).top() > sheet.pictureRect(0).top())
                firstRowAt = clock.elapsed();
        });
        ContactSheetJob job(runner, pictures, options);
        clock.start();
        window.draw(job, data.archive, data.names);
        firstRow += double(firstRowAt);
        if (messages.shown > 0 || window.sheet().count() != sheetPictures)
            state.SkipWithError("not every picture was drawn");
    }
    state.counters["first_row_ms"] = benchmark::Counter(firstRow / double(state.iterations()));
}

void StartTheToolForEachPicture(benchmark::State& state)
{
    SheetArchive& data = sheetArchive();
    for (auto _ : state) {
        for (int i = 0; i < sheetPictures; ++i) {
            QProcess tool;
            tool.setWorkingDirectory(data.work);
            tool.start(data.work + u"/extract.exe"_s,
                       {data.archive, data.names.at(i), data.work + u"/one.bmp"_s});
            tool.waitForFinished(-1);
        }
    }
}

} // namespace

BENCHMARK(DrawContactSheet)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(StartTheToolForEachPicture)->Unit(benchmark::kMillisecond)->Iterations(2);
