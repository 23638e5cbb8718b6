#include "picture/PictureExport.h"

#include "picture/IndexedPng.h"
#include "platform/FileSystem.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>

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

PictureExport::Delivery PictureExport::deliver(const QString& picture, const QString& folder,
                                               const QString& objectName) const
{
    const QString copied = folder + QDir::separator() + objectName;
    if (format == Format::Bmp)
        return {copied, FileSystem::copyReplacing(picture, copied)};
    // Mapped, not read: a large picture is then not copied once more.
    QFile file(picture);
    const uchar* mapped = file.open(QIODevice::ReadOnly) ? file.map(0, file.size()) : nullptr;
    const std::optional<IndexedPng::Source> source = IndexedPng::sourceOf(
        mapped ? QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), file.size()) : QByteArray());
    if (!source)
        return {copied, FileSystem::copyReplacing(picture, copied)};
    const QString target = folder + QDir::separator() + pngName(objectName);
    const QString failure = FileSystem::replaceWith(
        target, [&](QIODevice& out) { return IndexedPng::write(*source, transparentIndex, out); });
    return {target, failure.isEmpty()};
}
