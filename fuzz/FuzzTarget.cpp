#include "FuzzTarget.h"

#include "PaletteList.h"
#include "SampleSet.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace FuzzTarget {

void writeSeedsIfAsked(const std::function<Seeds()>& seeds)
{
    const char* folder = std::getenv("KADRILLO_FUZZ_SEEDS");
    if (!folder)
        return;
    const QDir dir(QString::fromLocal8Bit(folder));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make the seed folder %s\n", folder);
        std::exit(1);
    }
    for (const auto& [name, content] : seeds()) {
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.startsWith(QLatin1Char('.'))) {
            std::fprintf(stderr, "a seed may not be named %s\n", qPrintable(name));
            std::exit(1);
        }
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
            std::fprintf(stderr, "cannot write the seed %s\n", qPrintable(file.fileName()));
            std::exit(1);
        }
    }
    std::exit(0);
}

QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

QByteArray bytes(const std::vector<unsigned char>& data)
{
    return bytes(data.data(), data.size());
}

Seeds sampleObjects()
{
    Seeds objects;
    for (const auto& set : {SampleSet::sampleObjects(), SampleSet::hostileObjects()}) {
        for (const VolEntry& entry : set)
            objects.append({QString::fromLatin1(entry.name), bytes(entry.data)});
    }
    return objects;
}

Seeds samplePaletteFiles()
{
    Seeds files;
    for (const PaletteFile& file : SampleSet::paletteFiles())
        files.append({QStringLiteral("sample-") + QString::fromStdString(file.fileName),
                      bytes(file.palette.encodePalFile())});
    return files;
}

Seeds samplePaletteLists()
{
    PaletteList lowestNumber;
    lowestNumber.addPalette(-2147483647 - 1, Palette::rainbow(), 250, 6);
    PaletteList rgbForm;
    rgbForm.addPalette(12, Palette::ramp({1, 2, 3}, {250, 251, 252}), 0, 256);
    rgbForm.addPalette(0, Palette::rainbow());
    Seeds lists{
        {"lowest-number", bytes(lowestNumber.encode())},
        {"red-green-blue-form", bytes(rgbForm.encode())},
        {"cut-short", bytes(rgbForm.encode()).chopped(5)},
    };
    int index = 0;
    for (const auto& [name, data] : sampleObjects()) {
        if (data.startsWith("PPAL"))
            lists.append({QStringLiteral("sample-%1").arg(++index), data});
    }
    return lists;
}

void finding(const QString& what)
{
    std::fprintf(stderr, "finding: %s\n", qPrintable(what));
    std::abort();
}

} // namespace FuzzTarget
