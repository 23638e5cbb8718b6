#include "picture/core/PictureExport.h"

#include "picture/core/BitmapReader.h"
#include "picture/core/IndexedPng.h"
#include "picture/core/PictureCodec.h"
#include "platform/core/FileSystem.h"
#include "platform/core/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <functional>

namespace {
const QString group = QStringLiteral("Export");
const QString formatKey = QStringLiteral("Format");
const QString transparentKey = QStringLiteral("Transparent Index");
const QString png = QStringLiteral("PNG");
} // namespace

PictureExport PictureExport::load(const SettingsStore& store)
{
    PictureExport loaded;
    if (store.read(group, formatKey).value_or(QString()).compare(png, Qt::CaseInsensitive) != 0)
        return loaded;
    loaded.format = Format::Png;
    bool isNumber = false;
    const int index = store.read(group, transparentKey).value_or(QString()).trimmed().toInt(&isNumber);
    if (isNumber && index >= 0 && index < 256)
        loaded.transparentIndex = index;
    return loaded;
}

void PictureExport::save(SettingsStore& store) const
{
    store.write(group, formatKey, format == Format::Png ? png : QStringLiteral("BMP"));
    store.write(group, transparentKey, transparentIndex ? QString::number(*transparentIndex) : QString());
}

QString PictureExport::pngName(const QString& objectName)
{
    const qsizetype ending = 3; // "bmp"
    if (objectName.endsWith(QLatin1String("bmp"), Qt::CaseInsensitive))
        return objectName.left(objectName.size() - ending) + QStringLiteral("png");
    return objectName + QStringLiteral(".png");
}

std::optional<PictureExport::Format> PictureExport::formatOf(const QString& fileName)
{
    if (fileName.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return Format::Png;
    if (fileName.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        return Format::Bmp;
    return std::nullopt;
}

PictureExport::Delivery PictureExport::deliver(const QString& picture, const QString& folder,
                                               const QString& objectName, bool refused) const
{
    const QString copied = folder + QDir::separator() + objectName;
    // Mapped, not read: a large picture is then not copied once more.
    QFile file(picture);
    const uchar* mapped = format == Format::Png && !refused && file.open(QIODevice::ReadOnly)
                              ? file.map(0, file.size())
                              : nullptr;
    const QByteArray bytes =
        mapped ? QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), file.size()) : QByteArray();
    if (PictureCodec::kindOf(bytes) != PictureCodec::Kind::StandardBitmap)
        return {copied, FileSystem::copyReplacing(picture, copied), {}};
    const QString target = folder + QDir::separator() + pngName(objectName);
    const auto written = [&target](const std::function<bool(QIODevice&)>& write) {
        return Delivery{target, FileSystem::replaceWith(target, write).isEmpty(), {}};
    };
    if (const std::optional<IndexedPng::Source> source = IndexedPng::sourceOf(bytes))
        return written([&](QIODevice& out) { return IndexedPng::write(*source, transparentIndex, out); });
    // Any other bitmap as Qt reads it, in its own colours.
    BitmapReader reader(picture);
    QImage image = reader.read();
    if (image.isNull())
        return {target, false, reader.error()};
    if (image.colorCount() > 0)
        image = image.convertToFormat(QImage::Format_Indexed8);
    if (const std::optional<IndexedPng::Source> source = IndexedPng::sourceOf(image))
        return written([&](QIODevice& out) { return IndexedPng::write(*source, transparentIndex, out); });
    return written([&image](QIODevice& out) { return image.save(&out, "PNG"); });
}

bool PictureExport::write(const QImage& picture, BitmapRecord headers, const Palette& palette,
                          QIODevice& out) const
{
    const int height = std::abs(headers.biHeight);
    const qsizetype stride = (qsizetype(headers.biWidth) + 3) & ~qsizetype(3);
    if (picture.format() != QImage::Format_Indexed8 || picture.size() != QSize(headers.biWidth, height) ||
        picture.bytesPerLine() != stride)
        return false;
    // Qt's rows are the file's, padding included; a positive height stores them bottom-up.
    headers.Pixels.reserve(stride * height);
    for (int row = 0; row < height; ++row) {
        const int y = headers.biHeight > 0 ? height - 1 - row : row;
        headers.Pixels.append(reinterpret_cast<const char*>(picture.constScanLine(y)), stride);
    }
    if (format == Format::Png)
        return IndexedPng::write({headers, palette}, transparentIndex, out);
    const QByteArray bytes = PictureCodec::writeStandardBitmap(headers, palette);
    return out.write(bytes) == bytes.size();
}
