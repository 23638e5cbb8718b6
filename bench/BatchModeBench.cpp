// Converting every picture of a 1000-picture archive: the command-line mode as a process, beside the
// conversion window over the same rows in this process (its 500 ms paint pause included, as the user
// waits for it). Both run the same tool once per picture, so the goal is a ratio of at most 1.
#include "PbmpPicture.h"
#include "VolArchive.h"
#include "archive/ToolRunner.h"
#include "archive/VolTable.h"
#include "picture/PaletteCodec.h"
#include "picture/PictureState.h"
#include "picture/frmConvert.h"
#include "platform/MessageBoxes.h"
#include "platform/QtDesktopOpener.h"
#include "platform/QtFilePicker.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int pictureCount = 1000;

// Counts what the window would show; a run that shows anything measured something else.
struct CountedMessages final : MessageBoxes {
    int shown = 0;
    Answer show(QWidget*, const QString&, const QString&, Buttons, Icon) override
    {
        ++shown;
        return Answer::No;
    }
};

// The archive, a settings file for the command-line mode and a working folder for the window.
struct PictureArchive {
    QTemporaryDir root;
    QString archive = root.filePath(u"pictures.vol"_s);
    QString work = root.filePath(u"work"_s);
    QString palettes = root.filePath(u"palettes"_s);
    QStringList names;

    PictureArchive()
    {
        std::vector<VolEntry> entries;
        for (int i = 0; i < pictureCount; ++i) {
            PbmpPicture picture(32, 32, i % 4);
            for (std::uint32_t p = 0; p < 32 * 32; ++p)
                picture.setPixel(p % 32, p / 32, static_cast<unsigned char>(p + unsigned(i)));
            const std::string name = "picture" + std::to_string(i) + ".bmp";
            entries.push_back({name, picture.encode()});
            names.append(QString::fromStdString(name));
        }
        std::string error;
        VolArchive::write(archive.toStdString(), entries, error);
        // Every picture finds its palette, so neither run has anything to tell.
        QDir().mkpath(palettes);
        Palette grey{};
        for (std::size_t i = 0; i < grey.size(); ++i)
            grey[i] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
        for (const char* name : {"base.pal", "1.pal", "2.pal", "3.pal"}) {
            QFile file(palettes + u'/' + QLatin1String(name));
            file.open(QIODevice::WriteOnly);
            file.write(PaletteCodec::encode(QByteArray(24, 'H'), grey));
        }
        QSettings settings(root.filePath(u"config/Kadrillo/Kadrillo.ini"_s), QSettings::IniFormat);
        settings.beginGroup(u"Settings"_s);
        settings.setValue(u"Extract Path"_s, QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"));
        settings.setValue(u"Vtlist Path"_s, QStringLiteral(KADRILLO_STANDIN_DIR "/vtlist.exe"));
        settings.setValue(u"Temp Path"_s, root.filePath(u"command-line-work"_s));
        settings.setValue(u"Palette Path"_s, palettes);
        settings.setValue(u"Default Palette"_s, palettes + u"/base.pal"_s);
        QDir().mkpath(work);
        QFile::copy(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"), work + u"/extract.exe"_s);
    }
};

PictureArchive& pictures()
{
    static PictureArchive archive;
    return archive;
}

void ConvertWithTheCommandLine(benchmark::State& state)
{
    PictureArchive& data = pictures();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_s, data.root.filePath(u"config"_s));
    environment.insert(u"XDG_DATA_HOME"_s, data.root.filePath(u"data"_s));
    for (auto _ : state) {
        QProcess batch;
        batch.setProcessEnvironment(environment);
        batch.start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"),
                    {u"--quiet"_s, u"--convert"_s, data.archive, u"--to"_s, data.root.filePath(u"cli"_s)});
        if (!batch.waitForFinished(-1) || batch.exitCode() != 0)
            state.SkipWithError(batch.readAllStandardError().constData());
    }
}

void ConvertInTheWindow(benchmark::State& state)
{
    PictureArchive& data = pictures();
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
    for (int row = 0; row < pictureCount; ++row)
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
