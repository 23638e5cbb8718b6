#include "picture/core/PaletteOrigin.h"

#include <QCoreApplication>
#include <QDir>

QString PaletteOrigin::text() const
{
    if (reason == Reason::Own)
        return tr("its own colours");
    if (!list.isEmpty())
        return tr("palette %1: %2: %3").arg(number).arg(list).arg(id);
    // With "Auto Select" off the current palette may have come from a list, which names no file.
    const QString source = file.isEmpty() ? tr("the palette last used") : QDir::toNativeSeparators(file);
    const QString drawn = tr("palette %1: %2").arg(number).arg(source);
    if (reason == Reason::Fallback || reason == Reason::Unsearched)
        return tr("%1 (default palette: number %2 not found)").arg(drawn).arg(number);
    return drawn;
}

bool PaletteOrigin::samePalette(const PaletteOrigin& other) const
{
    if (reason == Reason::Own || other.reason == Reason::Own)
        return reason == other.reason;
    if (!list.isEmpty() || !other.list.isEmpty())
        return list == other.list && id == other.id;
    return !file.isEmpty() && QDir::cleanPath(file) == QDir::cleanPath(other.file);
}
