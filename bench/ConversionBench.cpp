// Converting a 4096 x 4096 picture as the conversion window and the command line do, from the extraction
// tool's start to the finished file in the destination, beside the least that path must do: the same tool
// started from a plain QProcess, then its output copied twice with QFile::copy.
#include "PbmpPicture.h"
#include "VolArchive.h"
#include "archive/core/RunDriver.h"
#include "archive/core/ToolRunner.h"
#include "picture/core/ConversionJob.h"
#include "picture/core/PaletteCodec.h"
#include "picture/core/PictureState.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr std::uint32_t side = 4096;
const QString pictureName = u"large.bmp"_s;

// An archive holding the picture, its default palette and a working folder with the stand-in tool.
struct LargePicture {
    QTemporaryDir root;
    QString archive = root.filePath(u"large.vol"_s);
    QString work = root.filePath(u"work"_s);
    QString palettes = root.filePath(u"palettes"_s);

    LargePicture()
    {
        PbmpPicture picture(side, side, 0);
        for (std::uint32_t y = 0; y < side; ++y) {
            for (std::uint32_t x = 0; x < side; ++x)
                picture.setPixel(x, y, static_cast<unsigned char>(x * 7 + y));
        }
        std::string error;
        VolArchive::write(archive.toStdString(), {{pictureName.toStdString(), picture.encode()}}, error);
        QDir().mkpath(palettes);
        Palette grey{};
        for (std::size_t i = 0; i < grey.size(); ++i)
            grey[i] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
        QFile base(palettes + u"/base.pal"_s);
        base.open(QIODevice::WriteOnly);
        base.write(PaletteCodec::encode(QByteArray(24, 'H'), grey));
        QDir().mkpath(work);
        QFile::copy(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"), work + u"/extract.exe"_s);
    }
};

LargePicture& largePicture()
{
    static LargePicture picture;
    return picture;
}

void ConvertALargePictureFromTheToolsStart(benchmark::State& state)
{
    LargePicture& data = largePicture();
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(data.work));
    PictureState pictures;
    const PictureConversion::Options options{
        WorkFolder(data.work), true, {data.palettes, data.palettes + u"/base.pal"_s, true}};
    ConversionJob job(runner, pictures, data.root.filePath(u"converted"_s), options);
    if (!job.begin(data.archive))
        state.SkipWithError(qPrintable(job.error()));
    RunDriver driver(runner, job, RunReport::Kind::Conversion, 1);
    for (auto _ : state) {
        if (const RunReport report = driver.run(RunDriver::objects({pictureName})); !report.isClean())
            state.SkipWithError(qPrintable(u"not converted: "_s + report.text()));
    }
}

void ExtractALargePictureAndCopyItTwice(benchmark::State& state)
{
    LargePicture& data = largePicture();
    const QString extracted = data.root.filePath(u"extracted.bmp"_s);
    const QString first = data.root.filePath(u"first.bmp"_s);
    const QString second = data.root.filePath(u"second.bmp"_s);
    for (auto _ : state) {
        QProcess tool;
        tool.start(data.work + u"/extract.exe"_s, {data.archive, pictureName, extracted});
        tool.waitForFinished(-1);
        QFile::remove(first);
        QFile::remove(second);
        if (!QFile::copy(extracted, first) || !QFile::copy(first, second))
            state.SkipWithError("the picture was not copied");
    }
}

} // namespace

BENCHMARK(ConvertALargePictureFromTheToolsStart)->Unit(benchmark::kMillisecond);
BENCHMARK(ExtractALargePictureAndCopyItTwice)->Unit(benchmark::kMillisecond);
