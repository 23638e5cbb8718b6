#include "app/ui/PreviewMenus.h"

#include "app/ui/MainMenuBar.h"
#include "preview/ui/PreviewCommand.h"
#include "preview/ui/frmPalette.h"

#include <QAction>
#include <QMenu>

using Kind = ObjectName::Kind;

PreviewMenus::PreviewMenus(MainMenuBar& menus, PreviewCommand& previews, QObject* parent)
    : QObject(parent)
    , menus_(menus)
    , previews_(previews)
{
    connect(&previews_, &PreviewCommand::windowShown, this, [this](Kind kind) {
        menus_.previewWindowItem(kind)->setChecked(true);
        if (kind == Kind::Picture)
            menus_.mnuToolsPreview->setEnabled(true);
    });
    connect(&previews_, &PreviewCommand::windowUnloaded, this,
            [this](Kind kind) { menus_.previewWindowItem(kind)->setChecked(false); });
    for (const Kind kind : {Kind::Picture, Kind::Sound, Kind::Script, Kind::PaletteList})
        connect(menus_.previewWindowItem(kind), &QAction::triggered, this, [this, kind] { toggle(kind); });
    connect(menus_.mnuToolbarsPalette, &QAction::triggered, this, &PreviewMenus::togglePalette);
    connect(&previews_, &PreviewCommand::paletteWindowUnloaded, menus_.mnuToolbarsPalette,
            [this] { menus_.mnuToolbarsPalette->setChecked(false); });
}

// The item has already flipped its check mark.
void PreviewMenus::toggle(Kind kind)
{
    const bool shown = menus_.previewWindowItem(kind)->isChecked();
    if (shown)
        previews_.window(kind)->show();
    else if (QWidget* window = previews_.loadedWindow(kind))
        window->hide();
    if (kind == Kind::Picture)
        menus_.mnuToolsPreview->setEnabled(shown);
}

void PreviewMenus::togglePalette()
{
    if (menus_.mnuToolbarsPalette->isChecked())
        previews_.paletteWindow()->show();
    else if (frmPalette* window = previews_.loadedPaletteWindow())
        window->hide();
}
