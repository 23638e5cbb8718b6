// A 4096 x 4096 picture converted and written to the destination folder as a PNG file, beside the same
// conversion written as a BMP file: the goal is at most three times as long.
#include "SquarePbmp.h"
#include "picture/core/PbmpLayout.h"
#include "picture/core/PictureConversion.h"
#include "picture/core/PictureState.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int side = 4096;

// 0: smooth bands dithered with three bits of noise, as the game's skies and terrain look, the worst
// case for the PNG's compression; 1: the repeating ramp of the conversion benchmark, the best.
QByteArray picture(int kind)
{
    const qsizetype size = qsizetype(side) * side;
    QByteArray out = squarePbmp(side);
    quint32 noise = 12345;
    for (qsizetype i = 0; i < size; ++i) {
        noise = noise * 1103515245u + 12345u;
        out[PbmpLayout::pixelOffset + i] =
            kind == 0 ? char((i % side + i / side) / 32 + (noise >> 29)) : char(i * 7);
    }
    return out;
}

void ExportALargePicture(benchmark::State& state, int kind, PictureExport::Format format)
{
    static const QByteArray sources[] = {picture(0), picture(1)};
    QTemporaryDir root;
    PictureState pictures;
    PictureConversion::Options options{WorkFolder(root.path()), false, {}, {format, 0}};
    const QString extracted = options.workFolder.picture();
    const auto noAnswer = [](const PictureMessage&) {
        return false;
    };
    for (auto _ : state) {
        state.PauseTiming();
        QFile file(extracted);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(sources[kind]);
        file.close();
        state.ResumeTiming();
        const PictureConversion::Report report =
            PictureConversion(pictures).ConvertPicture(options, noAnswer);
        if (report.outcome != PictureConversion::Outcome::Converted ||
            !options.exportAs.deliver(extracted, root.path(), QStringLiteral("large.bmp"), false).written)
            state.SkipWithError("the picture was not exported");
    }
}

} // namespace

BENCHMARK_CAPTURE(ExportALargePicture, DitheredAsBmp, 0, PictureExport::Format::Bmp)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportALargePicture, DitheredAsPng, 0, PictureExport::Format::Png)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportALargePicture, RepeatingAsBmp, 1, PictureExport::Format::Bmp)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportALargePicture, RepeatingAsPng, 1, PictureExport::Format::Png)
    ->Unit(benchmark::kMillisecond);
