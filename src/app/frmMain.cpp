#include "app/frmMain.h"

#include "app/CommandLine.h"
#include "app/MainLayout.h"
#include "app/MainMenuBar.h"
#include "app/MainStatusBar.h"
#include "app/MainToolBar.h"
#include "app/ObjectList.h"
#include "app/ObjectPane.h"
#include "app/OpenDialog.h"
#include "app/SelectionRules.h"
#include "app/TabStrip.h"
#include "app/VolAssociation.h"
#include "archive/ToolRunner.h"
#include "archive/frmExtract.h"
#include "archive/frmGetList.h"
#include "picture/frmConvert.h"
#include "picture/frmPreview.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemMenu.h"
#include "platform/Twips.h"
#include "preview/PreviewCommand.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>

namespace {

constexpr int innerWidthTwips = 5520;
constexpr int innerHeightTwips = 5595;
constexpr int toolbarHeightTwips = 360;
constexpr int statusBarHeightTwips = 300;

} // namespace

frmMain::frmMain(AppState& state, SettingsStore& store, const Seams& seams, QWidget* parent)
    : QMainWindow(parent)
    , state_(state)
    , seams_(seams)
    , runner_(new ToolRunner(this))
    , lifecycle_(state, store, *runner_, seams.messages)
    , previews_(new PreviewCommand(state.Picture, *runner_, seams.messages, this))
    , innerArea_(new QWidget(this))
    , menus_(new MainMenuBar(this))
    , Toolbar1(new MainToolBar(innerArea_))
    , StatusBar1(new MainStatusBar(innerArea_))
    , TabStrip1(new TabStrip(innerArea_))
    , Frame1(new ObjectPane(innerArea_))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Starsiege Kadrillo"));
    setWindowIcon(QIcon(QStringLiteral(":/kadrillo.svg")));
    setAcceptDrops(true);
    setMenuBar(menus_);
    setCentralWidget(innerArea_);
    innerArea_->installEventFilter(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    Frame1->raise();
    connect(Toolbar1, &QToolBar::actionTriggered, this, &frmMain::Toolbar1_ButtonClick);
    connectMenus();
    connectObjectPane();
    connectPreviews();
    connect(TabStrip1, &TabStrip::clientAreaChanged, this, &frmMain::placeFrame1);

    const QSize inner = Twips::toPixels(this, 0, 0, innerWidthTwips, innerHeightTwips).size();
    resize(inner.width(), inner.height() + menus_->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmMain::connectPreviews()
{
    connect(previews_, &PreviewCommand::statusChanged, StatusBar1, &MainStatusBar::setText);
    connect(previews_, &PreviewCommand::windowLoaded, this,
            [this](QWidget* window) { toolWindows_.append(window); });
    connect(previews_, &PreviewCommand::windowShown, this, [this] {
        menus_->mnuToolbarsPreview->setChecked(true);
        menus_->mnuToolsPreview->setEnabled(true);
    });
    connect(previews_, &PreviewCommand::windowUnloaded, this,
            [this] { menus_->mnuToolbarsPreview->setChecked(false); });
}

frmMain::~frmMain() = default;

QAction* frmMain::toolbarButton(const QString& key) const
{
    return Toolbar1->button(key);
}

void frmMain::connectMenus()
{
    connect(menus_->mnuFileOpen, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(menus_->mnuFileGetList, &QAction::triggered, this, &frmMain::mnuFileGetList_Click);
    connect(menus_->mnuFileExtract, &QAction::triggered, this, &frmMain::cmdExtract_Click);
    connect(menus_->mnuFilePreview, &QAction::triggered, this, &frmMain::cmdPreview_Click);
    connect(menus_->mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(menus_->mnuToolsAcioate, &QAction::triggered, this, &frmMain::mnuToolsAcioate_Click);
    connect(menus_->mnuToolbarsPreview, &QAction::triggered, this, &frmMain::mnuToolbarsPreview_Click);
    connect(menus_->mnuPreviewAuto, &QAction::triggered, this,
            [this] { toggleSetting(menus_->mnuPreviewAuto, &AppSettings::AutoPreview); });
    connect(menus_->mnuPreviewResize, &QAction::triggered, this,
            [this] { toggleSetting(menus_->mnuPreviewResize, &AppSettings::ResizeToFit); });
    connect(menus_->mnuSearchSub, &QAction::triggered, this,
            [this] { toggleSetting(menus_->mnuSearchSub, &AppSettings::SearchSubfolders); });
    connect(menus_->mnuToolsList, &QAction::triggered, this,
            [this] { toggleSetting(menus_->mnuToolsList, &AppSettings::AutoList); });
    connect(menus_->munPaletteAuto, &QAction::triggered, this, &frmMain::munPaletteAuto_Click);
    connect(menus_->mnuToolbarsMain, &QAction::triggered, this,
            [this] { toggleBar(menus_->mnuToolbarsMain, Toolbar1); });
    connect(menus_->mnuViewStatusbar, &QAction::triggered, this,
            [this] { toggleBar(menus_->mnuViewStatusbar, StatusBar1); });
}

// The action has already flipped its own check mark when this runs.
void frmMain::toggleSetting(QAction* item, bool AppSettings::*setting)
{
    state_.settings.*setting = item->isChecked();
}

void frmMain::munPaletteAuto_Click()
{
    toggleSetting(menus_->munPaletteAuto, &AppSettings::AutoSelect);
    menus_->mnuSearchSub->setEnabled(state_.settings.AutoSelect);
}

void frmMain::toggleBar(QAction* item, QWidget* bar)
{
    bar->setVisible(item->isChecked());
    Form_Resize();
}

void frmMain::Form_Load()
{
    RemoveSystemMenuItems(this, {.size = true});
    lifecycle_.loadSettings();
    const AppSettings& settings = state_.settings;
    menus_->mnuToolsList->setChecked(settings.AutoList);
    menus_->munPaletteAuto->setChecked(settings.AutoSelect);
    menus_->mnuPreviewResize->setChecked(settings.ResizeToFit);
    menus_->mnuSearchSub->setChecked(settings.SearchSubfolders);
    menus_->mnuPreviewAuto->setChecked(settings.AutoPreview);
    lifecycle_.prepare(this, [this] { return unloaded_; });
}

void frmMain::placeInnerArea()
{
    const int width = innerArea_->width();
    const int statusHeight = Twips::toPixelsY(this, statusBarHeightTwips);
    Toolbar1->setGeometry(0, 0, width, Twips::toPixelsY(this, toolbarHeightTwips));
    StatusBar1->setGeometry(0, innerArea_->height() - statusHeight, width, statusHeight);
    Form_Resize();
}

void frmMain::Form_Resize()
{
    MainLayout::Input input;
    input.innerWidth = innerArea_->width() * Twips::perPixelX(this);
    input.innerHeight = innerArea_->height() * Twips::perPixelY(this);
    input.statusBarShown = menus_->mnuViewStatusbar->isChecked();
    input.statusBarHeight = StatusBar1->height() * Twips::perPixelY(this);
    input.toolbarShown = menus_->mnuToolbarsMain->isChecked();
    input.toolbarHeight = Toolbar1->height() * Twips::perPixelY(this);
    input.minimized = isMinimized();
    const std::optional<MainLayout::Rect> strip = MainLayout::tabStrip(input);
    if (!strip)
        return;
    TabStrip1->setGeometry(Twips::toPixels(this, strip->left, strip->top, strip->width, strip->height));
    placeFrame1();
}

void frmMain::placeFrame1()
{
    const QRect client = TabStrip1->clientArea();
    Frame1->setGeometry(QRect(TabStrip1->mapTo(innerArea_, client.topLeft()), client.size()));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == innerArea_ && event->type() == QEvent::Resize)
        placeInnerArea();
    if (watched == Frame1->lstList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        QPushButton* byDefault = Frame1->cmdPreview->isDefault() ? Frame1->cmdPreview : Frame1->cmdExtract;
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && byDefault->isEnabled()) {
            byDefault->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
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
    if (state_.CommandLineDone)
        return;
    state_.CommandLineDone = true;
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
    lifecycle_.shutDown();
}

void frmMain::connectObjectPane()
{
    ObjectList* list = Frame1->lstList;
    list->installEventFilter(this);
    connect(list, &ObjectList::clickRaised, this, &frmMain::lstList_Click);
    connect(list, &QListWidget::itemDoubleClicked, this, &frmMain::lstList_DblClick);
    connect(Frame1->cmdSelect, &QPushButton::clicked, this, &frmMain::cmdSelect_Click);
    connect(Frame1->cmdNone, &QPushButton::clicked, this, &frmMain::cmdNone_Click);
    connect(Frame1->cmdPreview, &QPushButton::clicked, this, &frmMain::cmdPreview_Click);
    connect(Frame1->cmdExtract, &QPushButton::clicked, this, &frmMain::cmdExtract_Click);
    connect(Frame1->cmdConvert, &QPushButton::clicked, this, &frmMain::cmdConvert_Click);
    connect(TabStrip1->tabBar(), &QTabBar::currentChanged, this, &frmMain::TabStrip1_Click);
    list->setFocus();
}

void frmMain::lstList_Click()
{
    QListWidget* list = Frame1->lstList;
    SelectionRules::Selection selection;
    selection.selectedCount = int(list->selectionModel()->selectedRows().size());
    selection.rowCount = list->count();
    selection.hasCurrentRow = list->currentRow() >= 0;
    if (selection.hasCurrentRow)
        selection.currentName = list->currentItem()->text();
    const SelectionRules::Commands commands = SelectionRules::apply(selection);

    Frame1->cmdExtract->setEnabled(commands.extract);
    Toolbar1->extract->setEnabled(commands.extract);
    menus_->mnuFileExtract->setEnabled(commands.extract);
    Frame1->cmdPreview->setEnabled(commands.preview);
    Frame1->cmdPreview->setDefault(commands.preview);
    Frame1->cmdExtract->setDefault(!commands.preview);
    menus_->mnuFilePreview->setEnabled(commands.preview);
    Toolbar1->preview->setEnabled(commands.preview);
    if (commands.preview && state_.settings.AutoPreview)
        cmdPreview_Click();
    Frame1->cmdPalette->setEnabled(commands.palette);
    Frame1->cmdConvert->setEnabled(commands.convert);
    Frame1->lblSelected->setText(commands.selectedCaption);
    Frame1->cmdSelect->setEnabled(commands.selectAll);
    Frame1->cmdNone->setEnabled(commands.selectNone);
}

void frmMain::lstList_DblClick()
{
    if (Frame1->lstList->selectionModel()->selectedRows().size() == 1 && Frame1->cmdPreview->isEnabled())
        cmdPreview_Click();
}

void frmMain::cmdSelect_Click()
{
    QListWidget* list = Frame1->lstList;
    if (list->count() == 0)
        return;
    // Marking every row ends, as it always has, with the last row current.
    list->selectionModel()->setCurrentIndex(list->model()->index(list->count() - 1, 0),
                                            QItemSelectionModel::NoUpdate);
    list->selectAll();
}

void frmMain::cmdNone_Click()
{
    Frame1->lstList->clearSelection();
}

void frmMain::TabStrip1_Click(int index)
{
    state_.Vols.CurrentVol = index + 1;
    showVol(state_.Vols.CurrentVol);
    const VolRecord* vol = state_.Vols.current();
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
    QListWidget* list = Frame1->lstList;
    // Filling the list is not a selection by the user, so the selection rules do not run.
    const QSignalBlocker quiet(list);
    list->clear();
    if (const VolRecord* vol = state_.Vols.record(index))
        list->addItems(vol->ObjectNames);
}

void frmMain::Toolbar1_ButtonClick(QAction* button)
{
    const QString key = button->data().toString();
    const auto is = [&key](const char* name) {
        return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (is("Open"))
        mnuFileOpen_Click();
    else if (is("List"))
        mnuFileGetList_Click();
    else if (is("Preview"))
        cmdPreview_Click();
    else if (is("Extract"))
        cmdExtract_Click();
}

bool frmMain::AddVol(const QString& path, const QString& title)
{
    if (state_.Vols.AddVol(path, title) == 0) {
        seams_.messages.warn(
            this, tr("Kadrillo cannot open more than %1 archives in one run.").arg(VolTable::maximumCount));
        return false;
    }
    QTabBar* tabs = TabStrip1->tabBar();
    tabs->addTab(title);
    tabs->setCurrentIndex(state_.Vols.CurrentVol - 1);
    setListingCommandsEnabled(true);
    return true;
}

void frmMain::mnuFileOpen_Click()
{
    StatusBar1->setText(tr("Opening VOL File"));
    if (const std::optional<FilePicker::Picked> picked =
            ShowOpenDialog(seams_.files, this, QStringLiteral("vol"), tr("Open VOL file"))) {
        if (AddVol(picked->path, picked->title)) {
            Form_Resize();
            if (state_.settings.AutoList)
                mnuFileGetList_Click();
        }
    }
    StatusBar1->setText(QString());
}

// Runs the listing window over the current archive; false when another tool run is under way.
bool frmMain::listCurrentVol()
{
    VolRecord* vol = state_.Vols.current();
    if (!vol || runner_->isBusy())
        return false;
    frmGetList window(this, *vol, *runner_, seams_.messages);
    window.exec();
    return true;
}

void frmMain::mnuFileGetList_Click()
{
    StatusBar1->setText(tr("Geting List of Files"));
    if (listCurrentVol())
        showListing();
    StatusBar1->setText(QString());
}

QString frmMain::emptyListingText()
{
    return tr("There is a problem with the vol file, or it is not a vaild vol file.");
}

// Shows the current archive's listing, or says that it gave nothing.
void frmMain::showListing()
{
    showVol(state_.Vols.CurrentVol);
    const int rows = Frame1->lstList->count();
    if (rows == 0) {
        seams_.messages.warn(this, emptyListingText());
        return;
    }
    if (state_.Vols.current()->Listed)
        markListed(rows);
}

// A listing with rows: its counts, and the commands that make sense for it now.
void frmMain::markListed(int rows)
{
    Frame1->cmdSelect->setEnabled(true);
    Frame1->cmdNone->setEnabled(true);
    setListingCommandsEnabled(false);
    Frame1->lblFiles->setText(QString::number(rows));
    Frame1->lblSelected->setText(QStringLiteral("0"));
}

void frmMain::OpenCommandLine()
{
    state_.CommandLineDone = true;
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
        if (state_.settings.AutoList && listCurrentVol() && state_.Vols.current()->ObjectNames.isEmpty())
            seams_.messages.warn(this,
                                 emptyListingText() + QStringLiteral("\n") + QDir::toNativeSeparators(path));
    }
    Form_Resize();
    showVol(state_.Vols.CurrentVol);
    const VolRecord* vol = state_.Vols.current();
    if (vol && vol->Listed && Frame1->lstList->count() > 0)
        markListed(Frame1->lstList->count());
}

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(QLatin1String(".vol"), Qt::CaseInsensitive)) {
            event->acceptProposedAction();
            return;
        }
    }
}

void frmMain::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(QLatin1String(".vol"), Qt::CaseInsensitive))
            paths.append(url.toLocalFile());
    }
    event->acceptProposedAction();
    // After the drop has finished, so the file manager is not kept waiting by the listings.
    QMetaObject::invokeMethod(
        this, [this, paths] { openArchives(paths); }, Qt::QueuedConnection);
}

QList<int> frmMain::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : Frame1->lstList->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void frmMain::cmdExtract_Click()
{
    const VolRecord* vol = state_.Vols.current();
    const QList<int> rows = selectedRows();
    if (!vol || rows.isEmpty() || runner_->isBusy())
        return;
    StatusBar1->setText(tr("Extracting Files"));
    frmExtract window(this, *vol, rows, state_.settings.DestPath, *runner_, seams_.messages);
    window.exec();
    StatusBar1->setText(QString());
}

void frmMain::cmdPreview_Click()
{
    const VolRecord* vol = state_.Vols.current();
    const QListWidgetItem* current = Frame1->lstList->currentItem();
    if (!vol || !current || runner_->isBusy())
        return;
    previews_->preview({vol->FilePath, current->text(), conversionOptions(), state_.settings.ResizeToFit});
}

void frmMain::mnuToolbarsPreview_Click()
{
    const bool shown = menus_->mnuToolbarsPreview->isChecked();
    if (shown)
        previews_->pictureWindow()->show();
    else if (frmPreview* window = previews_->loadedPictureWindow())
        window->hide();
    menus_->mnuToolsPreview->setEnabled(shown);
}

PictureConversion::Options frmMain::conversionOptions() const
{
    const AppSettings& settings = state_.settings;
    return {runner_->workFolder().path(), settings.AutoSelect,
            PaletteSearch{settings.PalettePath, settings.DefaultPalette, settings.SearchSubfolders}};
}

void frmMain::cmdConvert_Click()
{
    const VolRecord* vol = state_.Vols.current();
    const QList<int> rows = selectedRows();
    if (!vol || rows.isEmpty() || runner_->isBusy())
        return;
    StatusBar1->setText(tr("Converting Picture Files"));
    frmConvert window(this, {*vol, rows, state_.settings.DestPath, conversionOptions()}, *runner_,
                      state_.Picture, seams_.messages);
    window.exec();
    StatusBar1->setText(QString());
}

void frmMain::mnuToolsAcioate_Click()
{
    const QString error = RegisterVolAssociation();
    if (!error.isEmpty())
        seams_.messages.show(this, MessageBoxes::programTitle(),
                             tr("Kadrillo could not make itself the program for .vol files.") +
                                 QStringLiteral("\n\n") + error,
                             MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Exclamation);
}
