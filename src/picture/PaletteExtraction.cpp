#include "picture/PaletteExtraction.h"

#include "picture/PaletteCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

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
    QSaveFile file(path);
    const QByteArray bytes = PaletteCodec::encode(header, palette.Colors);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return tr("%1 cannot be written: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return {};
}

} // namespace PaletteExtraction
