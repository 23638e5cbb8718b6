#include "archive/core/DeliveredFiles.h"

#include <QDir>
#include <QFileInfo>

QString DeliveredFiles::text() const
{
    const QString path = QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath());
    switch (kind) {
    case Kind::Extracted:
        return tr("%n object(s) extracted to %1", nullptr, count).arg(path);
    case Kind::Converted:
        return tr("%n object(s) converted to %1", nullptr, count).arg(path);
    case Kind::Palettes:
        break;
    }
    return tr("%n palette(s) written to %1", nullptr, count).arg(path);
}
