#include "app/frmMain.h"

#include "app/MainLayout.h"
#include "app/MainMenuBar.h"
#include "app/MainStatusBar.h"
#include "app/ObjectPane.h"
#include "app/TabStrip.h"
#include "archive/ToolRunner.h"
#include "archive/WorkFolder.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/PrivateFolder.h"
#include "platform/ProgramPaths.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <functional>

namespace {

constexpr int innerWidthTwips = 5520;
constexpr int innerHeightTwips = 5595;
constexpr int toolbarHeightTwips = 360;
constexpr int statusBarHeightTwips = 300;

struct ToolbarButton {
    const char* key;
    const char* tooltip;
    const char* themeIcon;
    QStyle::StandardPixmap fallbackIcon;
};

} // namespace

frmMain::frmMain(AppState& state, SettingsStore& store, MessageBoxes& messages, QWidget* parent)
    : QMainWindow(parent)
    , state_(state)
    , store_(store)
    , messages_(messages)
    , runner_(new ToolRunner(this))
    , innerArea_(new QWidget(this))
    , menus_(new MainMenuBar(this))
    , Toolbar1(new QToolBar(innerArea_))
    , StatusBar1(new MainStatusBar(innerArea_))
    , TabStrip1(new TabStrip(innerArea_))
    , Frame1(new ObjectPane(innerArea_)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Starsiege Kadrillo"));
    setMenuBar(menus_);
    setCentralWidget(innerArea_);
    innerArea_->installEventFilter(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    Frame1->raise();
    buildToolbar();
    connectMenus();
    connect(TabStrip1, &TabStrip::clientAreaChanged, this, &frmMain::Form_Resize);

    const QSize inner = Twips::toPixels(this, 0, 0, innerWidthTwips, innerHeightTwips).size();
    resize(inner.width(), inner.height() + menus_->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

frmMain::~frmMain() = default;

void frmMain::buildToolbar() {
    static const ToolbarButton buttons[] = {
        {"Open", QT_TR_NOOP("Open (Ctrl + O)"), "document-open", QStyle::SP_DialogOpenButton},
        {"List", QT_TR_NOOP("Get List (Ctrl + L)"), "view-list-details", QStyle::SP_FileDialogDetailedView},
        {"Extract", QT_TR_NOOP("Extract (Ctrl + E)"), "archive-extract", QStyle::SP_DialogSaveButton},
        {"Preview", QT_TR_NOOP("Preview (Ctrl + P)"), "document-preview", QStyle::SP_FileDialogContentsView},
        {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
        {"Update", QT_TR_NOOP("Update (Ctrl + U)"), "edit-undo", QStyle::SP_ArrowBack},
    };
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(16, 16));
    for (const ToolbarButton& button : buttons) {
        if (!button.key) {
            Toolbar1->addSeparator();
            continue;
        }
        const QIcon icon =
            QIcon::fromTheme(QLatin1String(button.themeIcon), style()->standardIcon(button.fallbackIcon));
        QAction* action = Toolbar1->addAction(icon, QString());
        action->setObjectName(QLatin1String(button.key));
        action->setData(QLatin1String(button.key));
        action->setToolTip(tr(button.tooltip));
        action->setEnabled(qstrcmp(button.key, "Open") == 0);
    }
}

QAction* frmMain::toolbarButton(const QString& key) const {
    for (QAction* action : Toolbar1->actions()) {
        if (action->data().toString().compare(key, Qt::CaseInsensitive) == 0)
            return action;
    }
    return nullptr;
}

void frmMain::connectMenus() {
    connect(menus_->mnuFileExit, &QAction::triggered, this, &QWidget::close);
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
void frmMain::toggleSetting(QAction* item, bool AppSettings::*setting) {
    state_.settings.*setting = item->isChecked();
}

void frmMain::munPaletteAuto_Click() {
    toggleSetting(menus_->munPaletteAuto, &AppSettings::AutoSelect);
    menus_->mnuSearchSub->setEnabled(state_.settings.AutoSelect);
}

void frmMain::toggleBar(QAction* item, QWidget* bar) {
    bar->setVisible(item->isChecked());
    Form_Resize();
}

void frmMain::Form_Load() {
    const std::function<void()> steps[] = {
        [this] {
            state_.settings = AppSettings::load(store_);
            const AppSettings& settings = state_.settings;
            menus_->mnuToolsList->setChecked(settings.AutoList);
            menus_->munPaletteAuto->setChecked(settings.AutoSelect);
            menus_->mnuPreviewResize->setChecked(settings.ResizeToFit);
            menus_->mnuSearchSub->setChecked(settings.SearchSubfolders);
            menus_->mnuPreviewAuto->setChecked(settings.AutoPreview);
            QDir().mkpath(ProgramPaths::userDataFolder() + QStringLiteral("/data"));
        },
        [this] { workFolderReady_ = prepareWorkFolder(); },
        [this] {
            copyTool(state_.settings.ExtractPath, WorkFolder::extractTool, tr("Can not find extract.exe."));
        },
        [this] {
            copyTool(state_.settings.VtlistPath, WorkFolder::listTool, tr("Can not find vtlist.exe."));
        },
        [this] {
            if (!FileSystem::fileExists(state_.settings.DefaultPalette))
                tell(tr("Can not find the default palette."));
        },
        [this] { state_.CommandLineDone = false; },
    };
    // A termination signal may end the program while a start-up message is open.
    for (const auto& step : steps) {
        if (unloaded_)
            return;
        step();
    }
}

bool frmMain::prepareWorkFolder() {
    const QString& path = state_.settings.TempPath;
    switch (PrivateFolder::prepare(path)) {
    case PrivateFolder::Status::Ready:
        runner_->setWorkFolder(WorkFolder(path));
        return true;
    case PrivateFolder::Status::NotOurs:
        messages_.show(nullptr, MessageBoxes::programTitle(),
                       tr("The working folder %1 is not a folder of your own, so Kadrillo will not run "
                          "the game's tools there. Choose another working folder in the options.")
                           .arg(QDir::toNativeSeparators(path)),
                       MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Exclamation);
        return false;
    case PrivateFolder::Status::CannotCreate:
        messages_.show(nullptr, MessageBoxes::programTitle(),
                       tr("Cannot create the working folder \"%1\". Choose another working folder in the "
                          "options.")
                           .arg(QDir::toNativeSeparators(path)),
                       MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Exclamation);
        return false;
    }
    return false;
}

void frmMain::copyTool(const QString& source, const char* toolName, const QString& missingMessage) {
    if (!FileSystem::fileExists(source)) {
        tell(missingMessage);
        return;
    }
    const QString target = runner_->workFolder().file(QLatin1String(toolName));
    if (workFolderReady_ && !FileSystem::copyReplacing(source, target))
        tell(tr("Cannot copy %1 into the working folder %2.")
                 .arg(QDir::toNativeSeparators(source),
                      QDir::toNativeSeparators(runner_->workFolder().path())));
}

void frmMain::tell(const QString& text) {
    messages_.show(isVisible() ? this : nullptr, MessageBoxes::programTitle(), text,
                   MessageBoxes::Buttons::Ok, MessageBoxes::Icon::None);
}

void frmMain::placeInnerArea() {
    const int width = innerArea_->width();
    const int statusHeight = Twips::toPixelsY(this, statusBarHeightTwips);
    Toolbar1->setGeometry(0, 0, width, Twips::toPixelsY(this, toolbarHeightTwips));
    StatusBar1->setGeometry(0, innerArea_->height() - statusHeight, width, statusHeight);
    Form_Resize();
}

void frmMain::Form_Resize() {
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
    const QRect client = TabStrip1->clientArea();
    Frame1->setGeometry(QRect(TabStrip1->mapTo(innerArea_, client.topLeft()), client.size()));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == innerArea_ && event->type() == QEvent::Resize)
        placeInnerArea();
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QMainWindow::event(event);
}

void frmMain::Form_Activate() {
    Form_Resize();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto window = windows.crbegin(); window != windows.crend(); ++window) {
        if (*window != this && (*window)->isVisible())
            (*window)->close();
    }
    runner_->stop();
    if (workFolderReady_)
        runner_->workFolder().deleteProgramFiles();
    state_.settings.save(store_);
    if (!store_.flush())
        qWarning("Kadrillo: cannot write the settings to %s", qUtf8Printable(store_.fileName()));
}
