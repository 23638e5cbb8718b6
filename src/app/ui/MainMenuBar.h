#pragma once

#include "archive/core/ObjectName.h"

#include <QDialog>
#include <QMenuBar>
#include <functional>

class QAction;
class QMenu;
struct AppSettings;

// The main window's menu bar: captions, access keys, shortcuts and start states.
class MainMenuBar : public QMenuBar {
    Q_OBJECT

public:
    explicit MainMenuBar(QWidget* parent = nullptr);

    // The check marks of the settings' items write the settings as they change; the conversion format
    // is chosen in a dialog run by `runModal`.
    void bindSettings(AppSettings& settings, const std::function<int(QDialog&)>& runModal);
    // Shows the bound settings as check marks, as they stand now.
    void showSettings();
    // The item that shows and hides the window for this kind of object.
    QAction* previewWindowItem(ObjectName::Kind kind) const;

    QMenu* mnuFile;
    QAction* mnuFileOpen;
    QAction* mnuFileGetList;
    QAction* mnuFileExtract;
    QAction* mnuFilePreview;
    QAction* mnuFileClose;
    QAction* mnuFileExit;

    QMenu* mnuView;
    QMenu* mnuViewToolbars;
    QAction* mnuToolbarsMain;
    QAction* mnuToolbarsPreview;
    QAction* mnuToolbarsSound;
    QAction* mnuToolbarsScript;
    QAction* mnuToolbarsPalette;
    QAction* mnuViewStatusbar;

    QMenu* mnuTools;
    QAction* mnuToolsOptions;
    QMenu* mnuToolsPreview;
    QAction* mnuPreviewAuto;
    QAction* mnuPreviewResize;
    QMenu* mnuToolsPalette;
    QAction* munPaletteAuto;
    QAction* mnuSearchSub;
    QAction* mnuToolsFormat;
    QAction* mnuToolsExtract;
    QAction* mnuToolsList;
    QAction* mnuToolsUpdate;
    QAction* mnuToolsAcioate;

    QMenu* mnuHelp;
    QAction* mnuHelpAbout;

private:
    AppSettings* settings_ = nullptr;
};
