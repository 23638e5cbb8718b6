#include "app/AppLifecycle.h"

#include "app/AppState.h"
#include "archive/ToolRunner.h"
#include "archive/WorkFolder.h"
#include "picture/Palettes.h"
#include "picture/PicturePrompts.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/PrivateFolder.h"
#include "platform/ProgramPaths.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("AppLifecycle", text);
}

} // namespace

AppLifecycle::AppLifecycle(AppState& state, SettingsStore& store, ToolRunner& runner, MessageBoxes& messages)
    : state_(state)
    , store_(store)
    , runner_(runner)
    , messages_(messages)
{
}

void AppLifecycle::loadSettings()
{
    state_.Vols = VolTable();
    state_.settings = AppSettings::load(store_);
    QDir().mkpath(ProgramPaths::userDataFolder() + QStringLiteral("/data"));
}

void AppLifecycle::prepare(QWidget* window, const std::function<bool()>& closing)
{
    window_ = window;
    const std::function<void()> steps[] = {
        [this] { prepareWorkFolder(); },
        [this] {
            copyTool(state_.settings.ExtractPath, WorkFolder::extractToolName,
                     tr("Can not find extract.exe."));
        },
        [this] {
            copyTool(state_.settings.VtlistPath, WorkFolder::listToolName, tr("Can not find vtlist.exe."));
        },
        [this] { findDefaultPalette(); },
        [this] { PicturePrompts(messages_, nullptr).show(Palettes(state_.Picture).ReadPalette()); },
        [this] { state_.CommandLineDone = false; },
    };
    for (const auto& step : steps) {
        if (closing())
            return;
        step();
    }
}

void AppLifecycle::prepareWorkFolder()
{
    const QString& path = state_.settings.TempPath;
    // Until a usable folder is ready, the runner refuses every command and names this folder.
    runner_.setWorkFolder(WorkFolder::refused(path));
    const QString shown = QDir::toNativeSeparators(path);
    QString refusal;
    switch (PrivateFolder::prepare(path)) {
    case PrivateFolder::Status::Ready:
        runner_.setWorkFolder(WorkFolder(path));
        return;
    case PrivateFolder::Status::NotOurs:
        refusal = tr("The working folder %1 is not a folder of your own, so Kadrillo will not run the game's "
                     "tools there. Choose another working folder in the options.")
                      .arg(shown);
        break;
    case PrivateFolder::Status::CannotCreate:
        refusal = tr("Cannot create the working folder \"%1\". Choose another working folder in the options.")
                      .arg(shown);
        break;
    }
    messages_.show(nullptr, MessageBoxes::programTitle(), refusal, MessageBoxes::Buttons::Ok,
                   MessageBoxes::Icon::Exclamation);
}

void AppLifecycle::copyTool(const QString& source, const char* toolName, const QString& missingMessage)
{
    if (!FileSystem::fileExists(source)) {
        tell(missingMessage);
        return;
    }
    const WorkFolder& work = runner_.workFolder();
    if (work.isUsable() && !FileSystem::copyReplacing(source, work.file(QLatin1String(toolName))))
        tell(tr("Cannot copy %1 into the working folder %2.")
                 .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(work.path())));
}

void AppLifecycle::findDefaultPalette()
{
    if (!FileSystem::fileExists(state_.settings.DefaultPalette))
        tell(tr("Can not find the default palette."));
    else
        state_.Picture.PaletteFile = state_.settings.DefaultPalette;
}

void AppLifecycle::tell(const QString& text)
{
    messages_.show(window_ && window_->isVisible() ? window_ : nullptr, MessageBoxes::programTitle(), text,
                   MessageBoxes::Buttons::Ok, MessageBoxes::Icon::None);
}

void AppLifecycle::shutDown()
{
    runner_.shutDown();
    runner_.workFolder().deleteProgramFiles();
    state_.settings.save(store_);
    if (!store_.flush())
        qWarning("Kadrillo: cannot write the settings to %s", qUtf8Printable(store_.fileName()));
}
