#pragma once

#include "app/core/AppCore.h"
#include "app/core/SelectionRules.h"
#include "app/ui/MainToolBar.h"
#include "archive/core/ArchiveSearch.h"
#include "picture/core/PictureConversion.h"
#include "platform/ui/Seams.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class MainArea;
class MainMenuBar;
class MainStatusBar;
class ObjectPane;
class PreviewCommand;
class RecentArchives;
class TabStrip;
class ToolRunner;
class frmFind;
class frmFindScripts;

// The main window; its load, activation and unload carry the program's life.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain(AppCore& core, const Seams& seams, QWidget* parent = nullptr);

    // Start-up: settings, tool copies and the default palette, each problem said as it is met; runs
    // before the window is shown.
    void Form_Load();
    // The archives to open at the first activation, from the program's command line.
    void setArchivePaths(const QStringList& paths) { archivePaths_ = paths; }
    // True once the shutdown has run; nothing more is done after it.
    bool isUnloaded() const { return unloaded_; }

    bool AddVol(const QString& path, const QString& title);
    // Closes the archive of that tab (from 0) and forgets it; the last one closed leaves the window as
    // it started.
    void closeVol(int tab);
    void showVol(int index);
    void OpenCommandLine();

public slots:
    void Form_Resize();
    void mnuFileOpen_Click();
    void mnuFileGetList_Click();
    void cmdExtract_Click();
    void cmdPreview_Click();
    void cmdConvert_Click();
    void cmdPalette_Click();
    void mnuToolsAcioate_Click();
    void mnuToolsOptions_Click();
    void mnuToolsFind_Click();
    void mnuToolsFindScripts_Click();
    void mnuToolsClearCache_Click();
    // Opens the archive in a tab, or switches to its tab, lists it when it is not (Auto List or not),
    // and selects and shows its object at `order` in the list.
    void showFoundObject(const QString& path, const QString& objectName, int order);

public:
    // The windows, while they are loaded.
    frmFind* findWindow() const;
    frmFindScripts* findScriptsWindow() const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectMenus();
    void connectPreviews();
    void connectObjectPane();
    void Form_Activate();
    void handleCommandLineOnce();
    void Form_Unload();

    void lstList_Click();
    // Sets the commands as the selection rules say for the list's selection now.
    SelectionRules::Commands applySelectionRules();
    void lstList_DblClick();
    void TabStrip1_Click(int index);
    void setListingCommandsEnabled(bool enabled);
    void showStartState();
    static QString emptyListingText()
    {
        return tr("There is a problem with the vol file, or it is not a vaild vol file.");
    }
    void showListing();
    void markListed(int rows);
    bool listCurrentVol();
    void openArchives(const QStringList& paths);
    // The commands of the main window over the rows Find in Archives has selected, by archive.
    void extractFound();
    void convertFound();
    // Runs `command` once for each archive of the found rows chosen, each with its own destination.
    void
    runOverFound(const std::function<void(const VolRecord&, const ArchiveSearch::ArchiveObjects&)>& command);
    void previewFound();
    // The archives Find in Scripts searches.
    QList<ArchiveFolder::Found> scriptArchives(int scope) const;
    ArchiveSearch::Tools searchTools() const;

    QString currentObjectName() const;
    // Says so when "Dest Path" is in the working folder, where no command may write.
    bool destinationRefused();
    void toggleBar(QAction* item, QWidget* bar);
    // Opens the folder with the desktop's opener, or says that it could not.
    void openFolder(const QString& folder);

    AppCore& core_;
    Seams seams_;
    ToolRunner* runner_;
    PreviewCommand* previews_;
    QStringList archivePaths_;
    // The tool windows that are loaded, in the order they were loaded.
    QList<QPointer<QWidget>> toolWindows_;
    QPointer<frmFind> find_;
    QPointer<frmFindScripts> findScripts_;
    bool commandLineDone_ = false;
    bool unloaded_ = false;

    MainArea* innerArea_;
    MainMenuBar* menus_;
    RecentArchives* recent_;
    MainToolBar* Toolbar1;
    MainStatusBar* StatusBar1;
    TabStrip* TabStrip1;
    ObjectPane* Frame1;
};
