#include "app/core/SelectionRules.h"

#include "archive/core/ObjectName.h"

namespace SelectionRules {

using ObjectName::Kind;

namespace {

bool isPreviewable(const QString& name)
{
    const Kind kind = ObjectName::kindOf(name);
    return kind == Kind::Picture || kind == Kind::Script || kind == Kind::Sound;
}

} // namespace

Commands apply(const Selection& selection)
{
    Commands commands;
    commands.extract = selection.selectedCount > 0 && selection.hasCurrentRow;
    commands.preview = selection.selectedCount == 1 && isPreviewable(selection.currentName);
    commands.palette =
        selection.selectedCount == 1 && ObjectName::kindOf(selection.currentName) == Kind::PaletteList;
    // Only the current row's kind counts; conversion itself asks about the other rows.
    commands.convert =
        selection.selectedCount >= 1 && ObjectName::kindOf(selection.currentName) == Kind::Picture;
    commands.selectedCaption = QString::number(selection.selectedCount);
    commands.selectAll = selection.selectedCount < selection.rowCount;
    commands.selectNone = selection.selectedCount >= 1;
    return commands;
}

} // namespace SelectionRules
