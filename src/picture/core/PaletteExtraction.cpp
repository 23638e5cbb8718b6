#include "picture/core/PaletteExtraction.h"

#include "archive/core/ObjectName.h"
#include "picture/core/PaletteCodec.h"
#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QDir>

namespace PaletteExtraction {

Folder folderFor(const QString& targetSetting, const QString& listName, bool addListName)
{
    if (targetSetting.isEmpty())
        return {{}, QCoreApplication::translate("PaletteExtraction", "no folder is set to extract them to")};
    const QString targetFolder = FileSystem::plainPath(targetSetting);
    if (!addListName)
        return {targetFolder, {}};
    if (const QString refusal = ObjectName::refusal(listName); !refusal.isEmpty())
        return {{}, refusal};
    const QString subfolder = listName.size() < 4 ? QString() : listName.chopped(4);
    if (subfolder.isEmpty() || subfolder == QLatin1String(".") || subfolder == QLatin1String(".."))
        return {{},
                QCoreApplication::translate("PaletteExtraction",
                                            "without its last four characters it names no folder")};
    // Checked on the path itself, so that no folder is made before the answer is known.
    const QString target = QDir(targetFolder).absolutePath();
    const QString inside = target.endsWith(QLatin1Char('/')) ? target : target + QLatin1Char('/');
    const QString resolved = QDir::cleanPath(inside + subfolder);
    if (!resolved.startsWith(inside))
        return {{},
                QCoreApplication::translate("PaletteExtraction", "its folder would lie outside %1")
                    .arg(QDir::toNativeSeparators(targetSetting))};
    return {targetFolder + QDir::separator() + subfolder, {}};
}

QString write(const QString& folder, const QByteArray& header, const PaletteListCodec::PplPalette& palette)
{
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("PaletteExtraction", "The folder %1 cannot be created.")
            .arg(QDir::toNativeSeparators(folder));
    const QString path = folder + QDir::separator() + PaletteListCodec::fileName(palette);
    if (const QString error = FileSystem::replaceContents(path, PaletteCodec::encode(header, palette.Colors));
        !error.isEmpty())
        return QCoreApplication::translate("PaletteExtraction", "%1 cannot be written: %2")
            .arg(QDir::toNativeSeparators(path), error);
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
