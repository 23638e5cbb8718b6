#include "archive/core/DeliveredFiles.h"

#include <QDir>
#include <QFileInfo>

QString DeliveredFiles::text() const
{
    const QString path = QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath());
    // One text for one and one for more, so that English reads well without a catalogue of its own.
    const bool one = count == 1;
    switch (kind) {
    case Kind::Extracted:
        return one ? tr("1 object extracted to %1").arg(path)
                   : tr("%1 objects extracted to %2").arg(count).arg(path);
    case Kind::Converted:
        return one ? tr("1 object converted to %1").arg(path)
                   : tr("%1 objects converted to %2").arg(count).arg(path);
    case Kind::Palettes:
        break;
    }
    return one ? tr("1 palette written to %1").arg(path)
               : tr("%1 palettes written to %2").arg(count).arg(path);
}
