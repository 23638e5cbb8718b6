#include "app/SelectionRules.h"

namespace SelectionRules {

namespace {

bool kindIs(const QString& name, const char* key)
{
    return kindKey(name).compare(QLatin1String(key), Qt::CaseInsensitive) == 0;
}

} // namespace

QString kindKey(const QString& name)
{
    return name.right(3);
}

bool isPreviewable(const QString& name)
{
    return kindIs(name, "bmp") || kindIs(name, ".cs") || kindIs(name, "wav");
}

Commands apply(const Selection& selection)
{
    Commands commands;
    commands.extract = selection.selectedCount > 0 && selection.hasCurrentRow;
    commands.preview = selection.selectedCount == 1 && isPreviewable(selection.currentName);
    commands.palette = selection.selectedCount == 1 && kindIs(selection.currentName, "ppl");
    // Only the current row's kind counts; conversion itself asks about the other rows.
    commands.convert = selection.selectedCount >= 1 && kindIs(selection.currentName, "bmp");
    commands.selectedCaption = QString::number(selection.selectedCount);
    commands.selectAll = selection.selectedCount < selection.rowCount;
    commands.selectNone = selection.selectedCount >= 1;
    return commands;
}

} // namespace SelectionRules
