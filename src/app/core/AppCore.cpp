#include "app/core/AppCore.h"

#include "archive/core/WorkFolder.h"
#include "picture/core/Palettes.h"
#include "platform/core/FileSystem.h"
#include "platform/core/ProgramPaths.h"

#include <QDir>

AppCore::AppCore() = default;

AppCore::AppCore(const QString& settingsFile)
    : store_(settingsFile)
{
}

void AppCore::loadSettings()
{
    Vols = VolTable();
    settings = AppSettings::load(store_);
}

void AppCore::startUp(const QList<Step>& steps, const std::function<bool()>& goOn,
                      const std::function<void(const Notice&)>& tell)
{
    for (const Step step : steps) {
        if (!goOn())
            return;
        if (const std::optional<Notice> notice = run(step))
            tell(*notice);
    }
}

std::optional<AppCore::Notice> AppCore::run(Step step)
{
    switch (step) {
    case Step::DataFolder:
        QDir().mkpath(ProgramPaths::userDataFolder() + QStringLiteral("/data"));
        break;
    case Step::WorkFolder:
        return useWorkFolder(settings.TempPath);
    case Step::ExtractTool:
        return prepareTool(settings.ExtractPath, WorkFolder::extractToolName);
    case Step::ListTool:
        return prepareTool(settings.VtlistPath, WorkFolder::listToolName);
    case Step::DefaultPalette:
        if (!FileSystem::fileExists(settings.DefaultPalette))
            return Notice{.kind = Notice::Kind::DefaultPaletteMissing, .path = settings.DefaultPalette};
        Picture.PaletteFile = settings.DefaultPalette;
        break;
    case Step::ReadPalette:
        if (const std::optional<PictureMessage> message = Palettes(Picture).ReadPalette())
            return Notice{.kind = Notice::Kind::PaletteUnread, .message = *message};
        break;
    }
    return std::nullopt;
}

QString AppCore::outputRefusal(const AppSettings& edited) const
{
    // The folder claimed counts for as long as the configured one stays.
    const WorkFolder work = edited.TempPath == settings.TempPath
                                ? WorkFolder(runner_.workFolder().path(), edited.TempPath)
                                : WorkFolder(edited.TempPath);
    for (const QString& folder : {edited.DestPath, edited.PalettePath}) {
        if (const QString refusal = work.outputRefusal(folder); !refusal.isEmpty())
            return refusal;
    }
    return {};
}

QList<AppCore::Notice> AppCore::applyPaths(const AppSettings& edited)
{
    const WorkFolder old = runner_.workFolder();
    FileSystem::deleteFileIfExists(old.extractTool());
    FileSystem::deleteFileIfExists(old.listTool());

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
            notices.append(copyFailure(source, name));
    }
    if (!FileSystem::fileExists(settings.DefaultPalette))
        notices.append({.kind = Notice::Kind::DefaultPaletteMissing, .path = settings.DefaultPalette});
    // Read by the next picture or palette that needs it, not here.
    Picture.PaletteFile = settings.DefaultPalette;
    return notices;
}

std::optional<AppCore::Notice> AppCore::useWorkFolder(const QString& path)
{
    // Until a usable folder is ready, the runner refuses every command and names this folder.
    runner_.setWorkFolder(WorkFolder::refused(path));
    const PrivateFolder::Status status = workFolderClaim_.claim(path);
    if (status != PrivateFolder::Status::Ready)
        return Notice{.kind = Notice::Kind::WorkFolderRefused, .path = path, .refusal = status};
    runner_.setWorkFolder(WorkFolder(workFolderClaim_.path(), path));
    return std::nullopt;
}

AppCore::ToolCopy AppCore::copyTool(const QString& source, const char* toolName)
{
    if (!FileSystem::fileExists(source))
        return ToolCopy::Missing;
    const WorkFolder& work = runner_.workFolder();
    // A refused working folder has been reported already.
    if (work.isUsable() && !FileSystem::copyReplacing(source, work.file(QLatin1String(toolName))))
        return ToolCopy::Failed;
    return ToolCopy::Copied;
}

AppCore::Notice AppCore::copyFailure(const QString& source, const char* toolName) const
{
    return {.kind = Notice::Kind::ToolNotCopied,
            .path = source,
            .tool = QLatin1String(toolName),
            .folder = runner_.workFolder().path()};
}

// At start a missing tool is told as well; the copy is not tried again after the notice, since the
// options' Apply copies the tools itself.
std::optional<AppCore::Notice> AppCore::prepareTool(const QString& source, const char* toolName)
{
    switch (copyTool(source, toolName)) {
    case ToolCopy::Missing:
        return Notice{.kind = Notice::Kind::ToolMissing, .path = source, .tool = QLatin1String(toolName)};
    case ToolCopy::Failed:
        return copyFailure(source, toolName);
    case ToolCopy::Copied:
        break;
    }
    return std::nullopt;
}

void AppCore::shutDown()
{
    runner_.shutDown();
    runner_.workFolder().deleteProgramFiles();
    workFolderClaim_.release();
}

bool AppCore::saveSettings()
{
    settings.save(store_);
    return store_.flush();
}

PictureConversion::Options AppCore::conversionOptions(const VolRecord& vol)
{
    PictureConversion::Options options = settings.conversionOptions(runner_.workFolder());
    options.search.inArchive = PaletteLists.source(runner_, vol);
    options.search.listsRead = [this, vol] {
        return PaletteLists.known(vol);
    };
    return options;
}
