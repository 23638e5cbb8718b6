#include "app/ui/AppLifecycle.h"

#include "app/core/AppState.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/WorkFolder.h"
#include "picture/core/Palettes.h"
#include "picture/ui/PicturePrompts.h"
#include "platform/core/FileSystem.h"
#include "platform/core/PrivateFolder.h"
#include "platform/core/ProgramPaths.h"
#include "platform/core/SettingsStore.h"
#include "platform/ui/MessageBoxes.h"

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

void AppLifecycle::prepare(QWidget* window, const std::function<bool()>& closing,
                           const std::function<void()>& openOptions)
{
    window_ = window;
    openOptions_ = openOptions;
    const std::function<void()> steps[] = {
        [this] {
            if (const std::optional<Notice> refusal = useWorkFolder(state_.settings.TempPath))
                tellAndOpenOptions(*refusal);
        },
        [this] {
            prepareTool(state_.settings.ExtractPath, WorkFolder::extractToolName,
                        tr("Can not find extract.exe."));
        },
        [this] {
            prepareTool(state_.settings.VtlistPath, WorkFolder::listToolName, tr("Can not find vtlist.exe."));
        },
        [this] {
            if (!FileSystem::fileExists(state_.settings.DefaultPalette))
                tellAndOpenOptions({tr("Can not find the default palette.")});
            else
                state_.Picture.PaletteFile = state_.settings.DefaultPalette;
        },
        [this] { PicturePrompts(messages_, nullptr).show(Palettes(state_.Picture).ReadPalette()); },
        [this] { state_.CommandLineDone = false; },
    };
    for (const auto& step : steps) {
        if (closing())
            return;
        step();
    }
}

const AppSettings& AppLifecycle::settings() const
{
    return state_.settings;
}

QString AppLifecycle::outputRefusal(const AppSettings& edited) const
{
    // The folder claimed counts for as long as the configured one stays.
    const WorkFolder work = edited.TempPath == state_.settings.TempPath
                                ? WorkFolder(runner_.workFolder().path(), edited.TempPath)
                                : WorkFolder(edited.TempPath);
    for (const QString& folder : {edited.DestPath, edited.PalettePath}) {
        if (const QString refusal = work.outputRefusal(folder); !refusal.isEmpty())
            return refusal;
    }
    return {};
}

QList<AppLifecycle::Notice> AppLifecycle::applyPaths(const AppSettings& edited)
{
    const WorkFolder old = runner_.workFolder();
    FileSystem::deleteFileIfExists(old.extractTool());
    FileSystem::deleteFileIfExists(old.listTool());

    AppSettings& settings = state_.settings;
    settings.ExtractPath = edited.ExtractPath;
    settings.VtlistPath = edited.VtlistPath;
    settings.TempPath = edited.TempPath;
    settings.DestPath = edited.DestPath;
    settings.DefaultPalette = edited.DefaultPalette;
    settings.PalettePath = edited.PalettePath;
    settings.ParallelRuns = edited.ParallelRuns;

    QList<Notice> notices;
    if (const std::optional<Notice> refusal = useWorkFolder(settings.TempPath))
        notices.append(*refusal);
    for (const auto& [source, name] : {std::pair{settings.ExtractPath, WorkFolder::extractToolName},
                                       std::pair{settings.VtlistPath, WorkFolder::listToolName}}) {
        if (copyTool(source, name) == ToolCopy::Failed)
            notices.append(copyFailure(source));
    }
    if (!FileSystem::fileExists(settings.DefaultPalette))
        notices.append({tr("Can not find the default palette.")});
    // Read by the next picture or palette that needs it, not here.
    state_.Picture.PaletteFile = settings.DefaultPalette;
    return notices;
}

std::optional<AppLifecycle::Notice> AppLifecycle::useWorkFolder(const QString& path)
{
    // Until a usable folder is ready, the runner refuses every command and names this folder.
    runner_.setWorkFolder(WorkFolder::refused(path));
    const QString shown = QDir::toNativeSeparators(path);
    QString refusal;
    switch (workFolderClaim_.claim(path)) {
    case PrivateFolder::Status::Ready:
        runner_.setWorkFolder(WorkFolder(workFolderClaim_.path(), path));
        return std::nullopt;
    case PrivateFolder::Status::NotOurs:
        refusal = tr("The working folder %1 is not a folder of your own, so Kadrillo will not run the game's "
                     "tools there. Choose another working folder in the options.")
                      .arg(shown);
        break;
    case PrivateFolder::Status::WritableByOthers:
        refusal =
            tr("The working folder %1 can be written by other users, so Kadrillo will not run the game's "
               "tools there. Make it private (chmod 700) or choose another working folder in the options.")
                .arg(shown);
        break;
    case PrivateFolder::Status::CannotCreate:
        refusal = tr("Cannot create the working folder \"%1\". Choose another working folder in the options.")
                      .arg(shown);
        break;
    }
    return Notice{refusal, MessageIcon::Exclamation};
}

AppLifecycle::ToolCopy AppLifecycle::copyTool(const QString& source, const char* toolName)
{
    if (!FileSystem::fileExists(source))
        return ToolCopy::Missing;
    const WorkFolder& work = runner_.workFolder();
    // A refused working folder has been reported already.
    if (work.isUsable() && !FileSystem::copyReplacing(source, work.file(QLatin1String(toolName))))
        return ToolCopy::Failed;
    return ToolCopy::Copied;
}

AppLifecycle::Notice AppLifecycle::copyFailure(const QString& source) const
{
    return {
        tr("Cannot copy %1 into the working folder %2.")
            .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(runner_.workFolder().path()))};
}

// At start a missing tool is reported and the options dialog opens; the copy is not retried after
// it, since the dialog's Apply copies the tools itself.
void AppLifecycle::prepareTool(const QString& source, const char* toolName, const QString& missingMessage)
{
    switch (copyTool(source, toolName)) {
    case ToolCopy::Missing:
        tellAndOpenOptions({missingMessage});
        break;
    case ToolCopy::Failed:
        tell(copyFailure(source));
        break;
    case ToolCopy::Copied:
        break;
    }
}

void AppLifecycle::tell(const Notice& notice)
{
    messages_.show(window_ && window_->isVisible() ? window_ : nullptr, MessageBoxes::programTitle(),
                   notice.text, MessageBoxes::Buttons::Ok, notice.icon);
}

void AppLifecycle::tellAndOpenOptions(const Notice& notice)
{
    tell(notice);
    if (openOptions_)
        openOptions_();
}

void AppLifecycle::shutDown()
{
    runner_.shutDown();
    runner_.workFolder().deleteProgramFiles();
    workFolderClaim_.release();
    state_.settings.save(store_);
    if (!store_.flush())
        qWarning("Kadrillo: cannot write the settings to %s", qUtf8Printable(store_.fileName()));
}
