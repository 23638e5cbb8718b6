#include "app/ui/frmMain.h"

#include "app/core/CommandLine.h"
#include "app/core/MainLayout.h"
#include "app/ui/ContactSheetCommand.h"
#include "app/ui/MainArea.h"
#include "app/ui/MainMenuBar.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/MainToolBar.h"
#include "app/ui/NoticeBoxes.h"
#include "app/ui/ObjectDragOut.h"
#include "app/ui/ObjectList.h"
#include "app/ui/ObjectPane.h"
#include "app/ui/OpenDialog.h"
#include "app/ui/PreviewMenus.h"
#include "app/ui/RecentArchives.h"
#include "app/ui/TabStrip.h"
#include "app/ui/VolAssociation.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmOptions.h"
#include "archive/core/ArchiveCache.h"
#include "archive/core/DeliveredFiles.h"
#include "archive/core/ToolRunner.h"
#include "archive/ui/frmExtract.h"
#include "archive/ui/frmFind.h"
#include "archive/ui/frmFindScripts.h"
#include "archive/ui/frmGetList.h"
#include "picture/ui/frmConvert.h"
#include "platform/ui/DesktopOpener.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/SystemMenu.h"
#include "platform/ui/Twips.h"
#include "preview/ui/PreviewCommand.h"
#include "preview/ui/frmScript.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QUrl>

frmMain::frmMain(AppCore& core, const Seams& seams, QWidget* parent)
    : QMainWindow(parent)
    , core_(core)
    , seams_(seams)
    , runner_(&core.runner())
    , previews_(new PreviewCommand(
          core.Picture, *runner_, seams.messages, seams.files,
          {core.settings.DestPath, core.settings.PalettePath, core.settings.AddPpl},
          [this] { return currentObjectName(); }, this))
    , innerArea_(new MainArea(this))
    , menus_(new MainMenuBar(this))
    , recent_(new RecentArchives(core.store(), *menus_, this))
    , Toolbar1(innerArea_->Toolbar1)
    , StatusBar1(innerArea_->StatusBar1)
    , TabStrip1(innerArea_->TabStrip1)
    , Frame1(innerArea_->Frame1)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Starsiege Kadrillo"));
    setWindowIcon(QIcon(QStringLiteral(":/kadrillo.svg")));
    setAcceptDrops(true);
    setMenuBar(menus_);
    setCentralWidget(innerArea_);
    connectMenus();
    connectObjectPane();
    connectPreviews();

    const QSize inner =
        Twips::toPixels(this, 0, 0, MainLayout::designedWidth, MainLayout::designedHeight).size();
    resize(inner.width(), inner.height() + menus_->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmMain::connectPreviews()
{
    connect(previews_, &PreviewCommand::statusChanged, StatusBar1, &MainStatusBar::setText);
    connect(previews_, &PreviewCommand::palettesWritten, this, [this](int count, const QString& folder) {
        StatusBar1->showDelivered({DeliveredFiles::Kind::Palettes, count, folder});
    });
    connect(StatusBar1, &MainStatusBar::openFolderRequested, this, &frmMain::openFolder);
    connect(previews_, &PreviewCommand::windowLoaded, this,
            [this](QWidget* window) { toolWindows_.append(window); });
    new PreviewMenus(*menus_, *previews_, this);
    auto* sheets = new ContactSheetCommand(*menus_, *Frame1, *TabStrip1->tabBar(), core_, seams_, this);
    connect(sheets, &ContactSheetCommand::selected, this, &frmMain::applySelectionRules);
    connect(sheets, &ContactSheetCommand::previewRequested, this, &frmMain::cmdPreview_Click);
}

void frmMain::connectMenus()
{
    connect(menus_->mnuFileOpen, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(menus_->mnuFileGetList, &QAction::triggered, this, &frmMain::mnuFileGetList_Click);
    connect(menus_->mnuFileExtract, &QAction::triggered, this, &frmMain::cmdExtract_Click);
    connect(menus_->mnuFilePreview, &QAction::triggered, this, &frmMain::cmdPreview_Click);
    connect(menus_->mnuFileClose, &QAction::triggered, this,
            [this] { closeVol(TabStrip1->tabBar()->currentIndex()); });
    connect(menus_->mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(recent_, &RecentArchives::openRequested, this,
            [this](const QString& path) { openArchives({path}); });
    connect(menus_->mnuToolsAcioate, &QAction::triggered, this, &frmMain::mnuToolsAcioate_Click);
    connect(menus_->mnuToolsOptions, &QAction::triggered, this, &frmMain::mnuToolsOptions_Click);
    connect(menus_->mnuToolsFind, &QAction::triggered, this, &frmMain::mnuToolsFind_Click);
    connect(menus_->mnuToolsFindScripts, &QAction::triggered, this, &frmMain::mnuToolsFindScripts_Click);
    connect(menus_->mnuToolsClearCache, &QAction::triggered, this, &frmMain::mnuToolsClearCache_Click);
    connect(menus_->mnuHelpAbout, &QAction::triggered, this, [this] {
        frmAbout box(seams_, this);
        box.Form_Load();
        seams_.runModal(box);
    });
    menus_->bindSettings(core_.settings, seams_.runModal);
    connect(Toolbar1->open, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(Toolbar1->list, &QAction::triggered, this, &frmMain::mnuFileGetList_Click);
    connect(Toolbar1->preview, &QAction::triggered, this, &frmMain::cmdPreview_Click);
    connect(Toolbar1->extract, &QAction::triggered, this, &frmMain::cmdExtract_Click);
    connect(menus_->mnuToolbarsMain, &QAction::triggered, this,
            [this] { toggleBar(menus_->mnuToolbarsMain, Toolbar1); });
    connect(menus_->mnuViewStatusbar, &QAction::triggered, this,
            [this] { toggleBar(menus_->mnuViewStatusbar, StatusBar1); });
}

void frmMain::toggleBar(QAction* item, QWidget* bar)
{
    bar->setVisible(item->isChecked());
    Form_Resize();
}

void frmMain::Form_Load()
{
    RemoveSystemMenuItems(this, {.size = true});
    core_.loadSettings();
    menus_->showSettings();
    using Step = AppCore::Step;
    core_.startUp(
        {Step::DataFolder, Step::WorkFolder, Step::ExtractTool, Step::ListTool, Step::DefaultPalette,
         Step::ReadPalette},
        [this] { return !unloaded_; },
        [this](const AppCore::Notice& notice) {
            NoticeBoxes(seams_.messages, isVisible() ? this : nullptr).show(notice);
            if (NoticeBoxes::opensOptions(notice))
                mnuToolsOptions_Click();
        });
}

void frmMain::Form_Resize()
{
    innerArea_->placeTabStrip();
}

bool frmMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    else if (event->type() == QEvent::Show)
        handleCommandLineOnce();
    return QMainWindow::event(event);
}

void frmMain::Form_Activate()
{
    handleCommandLineOnce();
    Form_Resize();
}

// The command line is handled once, after the window is up; queued so that its listing windows
// do not open inside the activation. Some desktops never activate a new window, so being shown
// counts as well.
void frmMain::handleCommandLineOnce()
{
    if (commandLineDone_)
        return;
    commandLineDone_ = true;
    QMetaObject::invokeMethod(this, &frmMain::OpenCommandLine, Qt::QueuedConnection);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    // Most recently loaded first; each clears its own menu check mark as it unloads.
    for (auto window = toolWindows_.crbegin(); window != toolWindows_.crend(); ++window) {
        if (*window)
            (*window)->close();
    }
    recent_->save();
    core_.shutDown();
    if (!core_.saveSettings())
        qWarning("%s", qUtf8Printable(
                           tr("Kadrillo: cannot write the settings to %1").arg(core_.store().fileName())));
}

void frmMain::connectObjectPane()
{
    ObjectList* list = Frame1->lstList;
    connect(list, &ObjectList::clickRaised, this, &frmMain::lstList_Click);
    connect(list, &QListWidget::itemDoubleClicked, this, &frmMain::lstList_DblClick);
    new ObjectDragOut(*list, *runner_, core_.Vols, core_.settings, seams_.messages, this);
    connect(Frame1->cmdPreview, &QPushButton::clicked, this, &frmMain::cmdPreview_Click);
    connect(Frame1->cmdExtract, &QPushButton::clicked, this, &frmMain::cmdExtract_Click);
    connect(Frame1->cmdConvert, &QPushButton::clicked, this, &frmMain::cmdConvert_Click);
    connect(Frame1->cmdPalette, &QPushButton::clicked, this, &frmMain::cmdPalette_Click);
    connect(TabStrip1->tabBar(), &QTabBar::currentChanged, this, &frmMain::TabStrip1_Click);
    connect(TabStrip1->tabBar(), &QTabBar::tabCloseRequested, this, &frmMain::closeVol);
    list->setFocus();
}

void frmMain::lstList_Click()
{
    if (applySelectionRules().preview && core_.settings.AutoPreview)
        cmdPreview_Click();
}

SelectionRules::Commands frmMain::applySelectionRules()
{
    const SelectionRules::Commands commands = SelectionRules::apply(Frame1->selection());
    Frame1->applyCommands(commands);
    Toolbar1->extract->setEnabled(commands.extract);
    menus_->mnuFileExtract->setEnabled(commands.extract);
    menus_->mnuFilePreview->setEnabled(commands.preview);
    Toolbar1->preview->setEnabled(commands.preview);
    return commands;
}

void frmMain::lstList_DblClick()
{
    if (Frame1->lstList->selectionModel()->selectedRows().size() == 1 && Frame1->cmdPreview->isEnabled())
        cmdPreview_Click();
}

void frmMain::TabStrip1_Click(int index)
{
    core_.Vols.CurrentVol = index + 1;
    showVol(core_.Vols.CurrentVol);
    const VolRecord* vol = core_.Vols.current();
    const bool listed = vol && vol->Listed;
    setListingCommandsEnabled(!listed);
    Frame1->cmdSelect->setEnabled(!listed);
    Frame1->cmdNone->setEnabled(!listed);
}

void frmMain::setListingCommandsEnabled(bool enabled)
{
    menus_->mnuFileGetList->setEnabled(enabled);
    Toolbar1->list->setEnabled(enabled);
}

void frmMain::showVol(int index)
{
    const VolRecord* vol = core_.Vols.record(index);
    Frame1->showNames(vol ? vol->ObjectNames : QStringList());
}

bool frmMain::AddVol(const QString& path, const QString& title)
{
    if (core_.Vols.AddVol(path, title) == 0) {
        seams_.messages.warn(
            this, tr("Kadrillo cannot open more than %1 archives in one run.").arg(VolTable::maximumCount));
        return false;
    }
    QTabBar* tabs = TabStrip1->tabBar();
    const int tab = tabs->addTab(title);
    for (const QTabBar::ButtonPosition side : {QTabBar::LeftSide, QTabBar::RightSide}) {
        if (QWidget* close = tabs->tabButton(tab, side))
            close->setAccessibleName(tr("Close %1").arg(title));
    }
    recent_->add(path);
    tabs->setCurrentIndex(core_.Vols.CurrentVol - 1);
    setListingCommandsEnabled(true);
    menus_->mnuFileClose->setEnabled(true);
    return true;
}

void frmMain::closeVol(int tab)
{
    QTabBar* tabs = TabStrip1->tabBar();
    if (tab < 0 || tab >= tabs->count() || runner_->isBusy())
        return;
    const bool current = tab == tabs->currentIndex();
    core_.Vols.RemoveVol(tab + 1);
    {
        // The tabs left keep their state: only a new current tab is shown afresh.
        const QSignalBlocker quiet(tabs);
        tabs->removeTab(tab);
    }
    core_.Vols.CurrentVol = tabs->currentIndex() + 1;
    if (tabs->count() == 0)
        showStartState();
    else if (current)
        TabStrip1_Click(tabs->currentIndex());
    Form_Resize();
}

void frmMain::showStartState()
{
    Frame1->showEmpty();
    setListingCommandsEnabled(false);
    for (QAction* command : {menus_->mnuFileExtract, menus_->mnuFilePreview, menus_->mnuFileClose,
                             Toolbar1->extract, Toolbar1->preview})
        command->setEnabled(false);
}

void frmMain::mnuFileOpen_Click()
{
    StatusBar1->setText(tr("Opening VOL File"));
    const VolRecord* vol = core_.Vols.current();
    const QString folder = vol ? QFileInfo(vol->FilePath).absolutePath() : QString();
    if (const std::optional<FilePicker::Picked> picked =
            ShowOpenDialog(seams_.files, this, QStringLiteral("vol"), tr("Open VOL file"), folder)) {
        if (AddVol(picked->path, picked->title)) {
            Form_Resize();
            if (core_.settings.AutoList)
                mnuFileGetList_Click();
        }
    }
    StatusBar1->setText(QString());
}

// Runs the listing window over the current archive; false when it was not listed (busy, cancelled).
bool frmMain::listCurrentVol()
{
    VolRecord* vol = core_.Vols.current();
    if (!vol || runner_->isBusy())
        return false;
    frmGetList window(this, *vol, *runner_, seams_.messages);
    window.exec();
    return vol->Listed;
}

void frmMain::mnuFileGetList_Click()
{
    StatusBar1->setText(tr("Geting List of Files"));
    if (listCurrentVol())
        showListing();
    StatusBar1->setText(QString());
}

// Shows the current archive's listing, or says that it gave nothing.
void frmMain::showListing()
{
    showVol(core_.Vols.CurrentVol);
    const int rows = Frame1->lstList->count();
    if (rows == 0) {
        seams_.messages.warn(this, emptyListingText());
        return;
    }
    if (core_.Vols.current()->Listed)
        markListed(rows);
}

// A listing with rows: its counts, and the commands that make sense for it now.
void frmMain::markListed(int rows)
{
    Frame1->markListed(rows);
    setListingCommandsEnabled(false);
}

void frmMain::OpenCommandLine()
{
    commandLineDone_ = true;
    openArchives(archivePaths_);
}

// Opens archives named outside the program (command line, dropped files), listing each at once
// when Auto List is on, and shows the last one.
void frmMain::openArchives(const QStringList& paths)
{
    if (unloaded_)
        return;
    for (const QString& path : paths) {
        if (!AddVol(QFileInfo(path).absoluteFilePath(), CommandLine::fileName(path)))
            break;
        if (core_.settings.AutoList && listCurrentVol() && core_.Vols.current()->ObjectNames.isEmpty())
            seams_.messages.warn(this,
                                 emptyListingText() + QStringLiteral("\n") + QDir::toNativeSeparators(path));
    }
    Form_Resize();
    showVol(core_.Vols.CurrentVol);
    const VolRecord* vol = core_.Vols.current();
    if (vol && vol->Listed && Frame1->lstList->count() > 0)
        markListed(Frame1->lstList->count());
}

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!CommandLine::droppedArchives(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const QStringList paths = CommandLine::droppedArchives(event->mimeData()->urls());
    event->acceptProposedAction();
    // After the drop has finished, so the file manager is not kept waiting by the listings.
    QMetaObject::invokeMethod(
        this, [this, paths] { openArchives(paths); }, Qt::QueuedConnection);
}

void frmMain::cmdExtract_Click()
{
    const VolRecord* vol = core_.Vols.current();
    const QList<int> rows = Frame1->selectedRows();
    if (!vol || rows.isEmpty() || runner_->isBusy() || destinationRefused())
        return;
    StatusBar1->setText(tr("Extracting Files"));
    StatusBar1->showDelivered({});
    frmExtract window(this, *vol, rows, core_.settings.DestPath, *runner_, core_.settings.parallelRuns(),
                      seams_);
    window.exec();
    StatusBar1->setText(QString());
    StatusBar1->showDelivered({DeliveredFiles::Kind::Extracted, window.delivered(), core_.settings.DestPath});
}

bool frmMain::destinationRefused()
{
    const QString refusal = runner_->workFolder().outputRefusal(core_.settings.DestPath);
    if (!refusal.isEmpty())
        seams_.messages.warn(this, refusal);
    return !refusal.isEmpty();
}

QString frmMain::currentObjectName() const
{
    const QListWidgetItem* current = Frame1->lstList->currentItem();
    return current ? current->text() : QString();
}

void frmMain::cmdPreview_Click()
{
    const VolRecord* vol = core_.Vols.current();
    if (!vol || currentObjectName().isEmpty() || runner_->isBusy())
        return;
    previews_->preview(
        {vol->FilePath, currentObjectName(), core_.conversionOptions(*vol), core_.settings.ResizeToFit});
}

void frmMain::cmdPalette_Click()
{
    const VolRecord* vol = core_.Vols.current();
    if (vol && !currentObjectName().isEmpty() && !runner_->isBusy())
        previews_->extractPalettes(vol->FilePath, currentObjectName());
}

void frmMain::cmdConvert_Click()
{
    const VolRecord* vol = core_.Vols.current();
    const QList<int> rows = Frame1->selectedRows();
    if (!vol || rows.isEmpty() || runner_->isBusy() || destinationRefused())
        return;
    StatusBar1->setText(tr("Converting Picture Files"));
    StatusBar1->showDelivered({});
    frmConvert window(
        this,
        {*vol, rows, core_.settings.DestPath, core_.conversionOptions(*vol), core_.settings.parallelRuns()},
        *runner_, core_.Picture, seams_);
    window.exec();
    StatusBar1->setText(QString());
    StatusBar1->showDelivered({DeliveredFiles::Kind::Converted, window.delivered(), core_.settings.DestPath});
}

void frmMain::openFolder(const QString& folder)
{
    const QString path = QFileInfo(folder).absoluteFilePath();
    if (!seams_.desktop.open(QUrl::fromLocalFile(path)))
        seams_.messages.warn(this,
                             tr("Kadrillo cannot open the folder %1.").arg(QDir::toNativeSeparators(path)));
}

void frmMain::mnuToolsOptions_Click()
{
    frmOptions window(core_, seams_, this);
    seams_.runModal(window);
}

void frmMain::mnuToolsAcioate_Click()
{
    StatusBar1->setText(AssociateVolFiles(this, seams_.messages));
}

frmFind* frmMain::findWindow() const
{
    return find_;
}

frmFindScripts* frmMain::findScriptsWindow() const
{
    return findScripts_;
}

ArchiveSearch::Tools frmMain::searchTools() const
{
    return {core_.settings.VtlistPath, core_.settings.ExtractPath};
}

void frmMain::mnuToolsFind_Click()
{
    if (!find_) {
        // The folder of the current archive, else that of the listing tool, until one is kept.
        const VolRecord* vol = core_.Vols.current();
        const QString folder = QFileInfo(vol ? vol->FilePath : core_.settings.VtlistPath).absolutePath();
        find_ = new frmFind(this, *runner_, core_.store(), searchTools(), core_.settings.parallelRuns(),
                            QDir::toNativeSeparators(folder), seams_);
        find_->setAttribute(Qt::WA_DeleteOnClose);
        toolWindows_.append(find_.data());
        connect(find_, &frmFind::openRequested, this, &frmMain::showFoundObject);
        connect(find_, &frmFind::extractRequested, this, &frmMain::extractFound);
        connect(find_, &frmFind::convertRequested, this, &frmMain::convertFound);
        connect(find_, &frmFind::previewRequested, this, &frmMain::previewFound);
    }
    find_->show();
    find_->raise();
    find_->activateWindow();
}

void frmMain::mnuToolsFindScripts_Click()
{
    if (!findScripts_) {
        findScripts_ =
            new frmFindScripts(this, *runner_, searchTools(), core_.settings.parallelRuns(),
                               [this](frmFindScripts::Scope scope) { return scriptArchives(int(scope)); });
        findScripts_->setAttribute(Qt::WA_DeleteOnClose);
        toolWindows_.append(findScripts_.data());
        connect(
            findScripts_, &frmFindScripts::scriptRequested, this,
            [this](const QString& path, const QString& name, int line, qsizetype start, qsizetype length) {
                if (runner_->isBusy())
                    return;
                if (frmScript* window = previews_->previewScriptText(path, name))
                    window->showMatch(line, start, length);
            });
    }
    findScripts_->show();
    findScripts_->raise();
    findScripts_->activateWindow();
}

QList<ArchiveFolder::Found> frmMain::scriptArchives(int scope) const
{
    QList<ArchiveFolder::Found> archives;
    const auto add = [&archives](const QString& shown, const QString& path) {
        if (std::none_of(archives.cbegin(), archives.cend(),
                         [&path](const ArchiveFolder::Found& archive) { return archive.path == path; }))
            archives.append({shown, path, {}});
    };
    switch (frmFindScripts::Scope(scope)) {
    case frmFindScripts::Scope::CurrentArchive:
        if (const VolRecord* vol = core_.Vols.record(core_.Vols.CurrentVol))
            add(vol->FileTitle, vol->FilePath);
        break;
    case frmFindScripts::Scope::OpenArchives:
        for (int index = 1; index <= core_.Vols.VolCount(); ++index)
            add(core_.Vols.record(index)->FileTitle, core_.Vols.record(index)->FilePath);
        break;
    case frmFindScripts::Scope::FoundArchives:
        if (find_) {
            for (const ListingJob::Listed& listed : find_->listed()) {
                if (listed.problem.isEmpty())
                    add(listed.archive.relativePath, listed.archive.path);
            }
        }
        break;
    }
    return archives;
}

void frmMain::mnuToolsClearCache_Click()
{
    const ArchiveCache cache;
    const QString failure = cache.clear();
    if (failure.isEmpty())
        StatusBar1->setText(tr("The cache of listings and scripts is cleared."));
    else
        seams_.messages.warn(this, tr("Kadrillo cannot clear its cache: %1").arg(failure));
}

void frmMain::showFoundObject(const QString& path, const QString& objectName, int order)
{
    if (runner_->isBusy())
        return;
    int index = 0;
    for (int vol = 1; vol <= core_.Vols.VolCount(); ++vol) {
        if (core_.Vols.record(vol)->FilePath == path)
            index = vol;
    }
    if (index == 0) {
        if (!AddVol(path, QFileInfo(path).fileName()))
            return;
        Form_Resize();
    } else {
        TabStrip1->tabBar()->setCurrentIndex(index - 1);
    }
    if (!core_.Vols.current()->Listed)
        mnuFileGetList_Click();
    ObjectList* list = Frame1->lstList;
    // The row of the listing the search saw, or the first of that name in one listed since.
    int row = order < list->count() && list->item(order)->text() == objectName ? order : -1;
    for (int other = 0; row < 0 && other < list->count(); ++other) {
        if (list->item(other)->text() == objectName)
            row = other;
    }
    if (row < 0)
        return;
    list->clearSelection();
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(row), QAbstractItemView::PositionAtCenter);
    lstList_Click();
    raise();
    activateWindow();
}

void frmMain::extractFound()
{
    runOverFound([this](const VolRecord& vol, const ArchiveSearch::ArchiveObjects& archive) {
        frmExtract window(find_, vol, archive.rows, archive.destination, *runner_,
                          core_.settings.parallelRuns(), seams_);
        window.exec();
    });
}

void frmMain::convertFound()
{
    runOverFound([this](const VolRecord& vol, const ArchiveSearch::ArchiveObjects& archive) {
        frmConvert window(find_,
                          {vol, archive.rows, archive.destination, core_.conversionOptions(vol),
                           core_.settings.parallelRuns()},
                          *runner_, core_.Picture, seams_);
        window.exec();
    });
}

void frmMain::runOverFound(
    const std::function<void(const VolRecord&, const ArchiveSearch::ArchiveObjects&)>& command)
{
    if (!find_ || runner_->isBusy() || destinationRefused())
        return;
    for (const ArchiveSearch::ArchiveObjects& archive :
         ArchiveSearch::byArchive(find_->selectedRows(), find_->listed(), core_.settings.DestPath)) {
        VolRecord vol{QFileInfo(archive.path).fileName(), archive.path, archive.names};
        vol.markListed();
        command(vol, archive);
    }
}

void frmMain::previewFound()
{
    if (!find_ || runner_->isBusy())
        return;
    const QList<ArchiveSearch::FoundObject> rows = find_->selectedRows();
    if (rows.size() != 1)
        return;
    const QList<ArchiveSearch::ArchiveObjects> archives =
        ArchiveSearch::byArchive(rows, find_->listed(), QString());
    VolRecord vol{QFileInfo(rows.first().path).fileName(), rows.first().path, archives.value(0).names};
    vol.markListed();
    previews_->preview(
        {vol.FilePath, rows.first().object, core_.conversionOptions(vol), core_.settings.ResizeToFit});
}
