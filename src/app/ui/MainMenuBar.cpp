#include "app/ui/MainMenuBar.h"

#include "app/core/AppSettings.h"
#include "picture/ui/frmExportFormat.h"

#include <QMenu>

namespace {

enum class Start { Enabled, Disabled, Checkable, Checked };

QMenu* submenu(QWidget* parent, const char* name, const QString& title)
{
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* item(QMenu* menu, const char* name, const QString& text, Start start,
              const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setEnabled(start != Start::Disabled);
    action->setCheckable(start == Start::Checkable || start == Start::Checked);
    action->setChecked(start == Start::Checked);
    return action;
}

} // namespace

MainMenuBar::MainMenuBar(QWidget* parent)
    : QMenuBar(parent)
{
    setObjectName(QStringLiteral("MainMenuBar"));

    mnuFile = submenu(this, "mnuFile", tr("&File"));
    mnuFileOpen = item(mnuFile, "mnuFileOpen", tr("&Open..."), Start::Enabled, QKeySequence(tr("Ctrl+O")));
    mnuFileGetList =
        item(mnuFile, "mnuFileGetList", tr("&Get List"), Start::Disabled, QKeySequence(tr("Ctrl+L")));
    mnuFileExtract =
        item(mnuFile, "mnuFileExtract", tr("&Extract"), Start::Disabled, QKeySequence(tr("Ctrl+E")));
    mnuFilePreview =
        item(mnuFile, "mnuFilePreview", tr("&Preview"), Start::Disabled, QKeySequence(tr("Ctrl+P")));
    mnuFileClose = item(mnuFile, "mnuFileClose", tr("&Close"), Start::Disabled, QKeySequence(tr("Ctrl+W")));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar0"));
    mnuFileExit = item(mnuFile, "mnuFileExit", tr("E&xit"), Start::Enabled);
    addMenu(mnuFile);

    mnuView = submenu(this, "mnuView", tr("&View"));
    mnuViewToolbars = submenu(mnuView, "mnuViewToolbars", tr("&Toolbars"));
    mnuToolbarsMain = item(mnuViewToolbars, "mnuToolbarsMain", tr("&Main"), Start::Checked);
    mnuToolbarsPreview =
        item(mnuViewToolbars, "mnuToolbarsPreview", tr("P&review Picture"), Start::Checkable);
    mnuToolbarsSound = item(mnuViewToolbars, "mnuToolbarsSound", tr("Preview &Sound"), Start::Checkable);
    mnuToolbarsScript = item(mnuViewToolbars, "mnuToolbarsScript", tr("&Preview Script"), Start::Checkable);
    mnuToolbarsPalette = item(mnuViewToolbars, "mnuToolbarsPalette", tr("Pa&lette"), Start::Checkable);
    mnuView->addMenu(mnuViewToolbars);
    mnuViewStatusbar = item(mnuView, "mnuViewStatusbar", tr("&Statusbar"), Start::Checked);
    addMenu(mnuView);

    mnuTools = submenu(this, "mnuTools", tr("&Tools"));
    mnuToolsOptions = item(mnuTools, "mnuToolsOptions", tr("&Options..."), Start::Enabled);
    mnuTools->addSeparator()->setObjectName(QStringLiteral("mnuToolsBar0"));
    mnuToolsPreview = submenu(mnuTools, "mnuToolsPreview", tr("P&review"));
    // The settings toggles start unticked; start-up ticks them from the settings.
    mnuPreviewAuto = item(mnuToolsPreview, "mnuPreviewAuto", tr("&Auto Preview"), Start::Checkable,
                          QKeySequence(tr("Ctrl+A")));
    mnuPreviewResize = item(mnuToolsPreview, "mnuPreviewResize", tr("&Re-size to fit"), Start::Checkable,
                            QKeySequence(tr("Ctrl+R")));
    mnuTools->addMenu(mnuToolsPreview);
    mnuToolsPalette = submenu(mnuTools, "mnuToolsPalette", tr("Pa&lette"));
    munPaletteAuto = item(mnuToolsPalette, "munPaletteAuto", tr("&Auto Search"), Start::Checkable,
                          QKeySequence(tr("Ctrl+S")));
    mnuSearchSub = item(mnuToolsPalette, "mnuSearchSub", tr("&Search Subdirectories"), Start::Checkable);
    mnuTools->addMenu(mnuToolsPalette);
    mnuToolsFormat = item(mnuTools, "mnuToolsFormat", tr("Conversion &Format..."), Start::Enabled);
    mnuToolsExtract = item(mnuTools, "mnuToolsExtract", tr("&Palette Extractor..."), Start::Checkable);
    mnuToolsList = item(mnuTools, "mnuToolsList", tr("Auto &List"), Start::Checkable);
    mnuToolsUpdate =
        item(mnuTools, "mnuToolsUpdate", tr("&Update"), Start::Disabled, QKeySequence(tr("Ctrl+U")));
    mnuTools->addSeparator()->setObjectName(QStringLiteral("mnuToolsBar1"));
    mnuToolsAcioate = item(mnuTools, "mnuToolsAcioate", tr("&Associate"), Start::Enabled);
    addMenu(mnuTools);

    mnuHelp = submenu(this, "mnuHelp", tr("&Help"));
    mnuHelpAbout = item(mnuHelp, "mnuHelpAbout", tr("&About..."), Start::Enabled);
    addMenu(mnuHelp);
}

void MainMenuBar::bindSettings(AppSettings& settings, const std::function<int(QDialog&)>& runModal)
{
    settings_ = &settings;
    // An item has already flipped its own check mark when it is triggered.
    const auto bind = [this](QAction* item, bool AppSettings::*setting) {
        connect(item, &QAction::triggered, this,
                [this, item, setting] { settings_->*setting = item->isChecked(); });
    };
    bind(mnuPreviewAuto, &AppSettings::AutoPreview);
    bind(mnuPreviewResize, &AppSettings::ResizeToFit);
    bind(mnuSearchSub, &AppSettings::SearchSubfolders);
    bind(mnuToolsList, &AppSettings::AutoList);
    bind(munPaletteAuto, &AppSettings::AutoSelect);
    connect(munPaletteAuto, &QAction::triggered, mnuSearchSub, &QAction::setEnabled);
    connect(mnuToolsFormat, &QAction::triggered, this, [this, runModal] {
        frmExportFormat window(settings_->Export, parentWidget());
        if (runModal(window) == QDialog::Accepted)
            settings_->Export = window.chosen();
    });
}

void MainMenuBar::showSettings()
{
    mnuToolsList->setChecked(settings_->AutoList);
    munPaletteAuto->setChecked(settings_->AutoSelect);
    mnuPreviewResize->setChecked(settings_->ResizeToFit);
    mnuSearchSub->setChecked(settings_->SearchSubfolders);
    mnuPreviewAuto->setChecked(settings_->AutoPreview);
}

QAction* MainMenuBar::previewWindowItem(ObjectName::Kind kind) const
{
    switch (kind) {
    case ObjectName::Kind::Picture:
        return mnuToolbarsPreview;
    case ObjectName::Kind::Sound:
        return mnuToolbarsSound;
    case ObjectName::Kind::Script:
        return mnuToolbarsScript;
    case ObjectName::Kind::PaletteList:
        return mnuToolsExtract;
    case ObjectName::Kind::Other:
        break;
    }
    return nullptr;
}
