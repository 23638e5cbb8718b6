#include "picture/PaletteExtraction.h"

#include "picture/PaletteCodec.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>

namespace PaletteExtraction {

QString folderFor(const QString& targetFolder, const QString& listName, bool addListName)
{
    if (!addListName || listName.size() < 4)
        return targetFolder;
    return targetFolder + QDir::separator() + listName.chopped(4);
}

QString write(const QString& folder, const QByteArray& header, const PaletteListCodec::PplPalette& palette)
{
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("PaletteExtraction", text);
    };
    if (!QDir().mkpath(folder))
        return tr("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder));
    const QString path = folder + QDir::separator() + PaletteListCodec::fileName(palette);
    if (const QString error = FileSystem::replaceContents(path, PaletteCodec::encode(header, palette.Colors));
        !error.isEmpty())
        return tr("%1 cannot be written: %2").arg(QDir::toNativeSeparators(path), error);
    return {};
}

Summary writeAll(const QString& folder, const QByteArray& header,
                 const QList<PaletteListCodec::PplPalette>& palettes)
{
    Summary summary;
    for (const PaletteListCodec::PplPalette& palette : palettes) {
        const QString error = write(folder, header, palette);
        if (error.isEmpty())
            summary.written.append(PaletteListCodec::fileName(palette));
        else if (!summary.failures.contains(error))
            summary.failures.append(error);
    }
    return summary;
}

} // namespace PaletteExtraction
