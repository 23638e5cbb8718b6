#pragma once

#include "app/core/AppSettings.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/VolTable.h"
#include "archive/core/WorkFolderClaim.h"
#include "picture/core/ArchivePalettes.h"
#include "picture/core/PictureMessage.h"
#include "picture/core/PictureState.h"
#include "platform/core/PrivateFolder.h"
#include "platform/core/SettingsStore.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

// What the windows and the command line share for the whole run, made once by main(): the settings and
// their file, the working folder claimed, the tool runner, the archive table, the picture state and the
// palettes of the archives' palette lists. Start-up, the options' Apply and shutdown are its steps; what
// a step meets comes back as a notice, which each front-end words in its own way.
class AppCore {
public:
    // The steps of start-up; a front-end asks for those it needs.
    enum class Step {
        DataFolder,     // makes the per-user data folder, home of the default destination and palette
        WorkFolder,     // claims "Temp Path" for the tool runner
        ExtractTool,    // copies "Extract Path" into the working folder
        ListTool,       // copies "Vtlist Path" into the working folder
        DefaultPalette, // makes "Default Palette" the current palette file
        ReadPalette,    // reads the current palette file
    };

    // What a step met, with what a front-end needs to say it.
    struct Notice {
        enum class Kind {
            WorkFolderRefused,     // the working folder `path` is refused for `refusal`
            ToolMissing,           // no file at `path`, where the tool `tool` was looked for
            ToolNotCopied,         // the tool `tool` at `path` could not be copied into the folder `folder`
            DefaultPaletteMissing, // no file at `path`
            PaletteUnread,         // reading the palette file gave `message`
        };
        // Every member has an initializer, so that a notice names only what its kind carries.
        Kind kind = Kind::WorkFolderRefused;
        QString path{};
        QString tool{};
        QString folder{};
        PrivateFolder::Status refusal = PrivateFolder::Status::Ready;
        PictureMessage message{};
    };

    // On the user's settings file, or on `settingsFile`.
    AppCore();
    explicit AppCore(const QString& settingsFile);
    AppCore(const AppCore&) = delete;
    AppCore& operator=(const AppCore&) = delete;

    // Reads the settings from their file and empties the archive table.
    void loadSettings();
    // Runs `steps` in the order given, each on the settings as they stand when it begins. `goOn` is asked
    // before each step, since a termination signal may end the program while a notice is being told;
    // `tell` hears each notice before the next step runs, so a correction it applies counts for the
    // steps after it.
    void startUp(const QList<Step>& steps, const std::function<bool()>& goOn,
                 const std::function<void(const Notice&)>& tell);
    // Why `edited` cannot be applied: its destination or palette folder is in the working folder it
    // names. Empty when it can.
    QString outputRefusal(const AppSettings& edited) const;
    // Takes the six paths of `edited` and its parallel tool runs: the tool copies move from the old
    // working folder to the new one and the default palette becomes the current palette file. The
    // notices, in order.
    QList<Notice> applyPaths(const AppSettings& edited);
    // Ends a tool still running, deletes the working files and gives up the working folder. The
    // settings file is left as it is.
    void shutDown();
    // Writes the settings to their file; false when the file could not be written.
    bool saveSettings();

    ToolRunner& runner() { return runner_; }
    SettingsStore& store() { return store_; }
    // How pictures of `vol` that the runner extracted are converted, its palette lists included.
    PictureConversion::Options conversionOptions(const VolRecord& vol);

    AppSettings settings;
    VolTable Vols;
    PictureState Picture;
    ArchivePalettes PaletteLists;

private:
    enum class ToolCopy { Copied, Missing, Failed };

    std::optional<Notice> run(Step step);
    // Makes `path` the runner's working folder, or says why it is refused.
    std::optional<Notice> useWorkFolder(const QString& path);
    ToolCopy copyTool(const QString& source, const char* toolName);
    Notice copyFailure(const QString& source, const char* toolName) const;
    std::optional<Notice> prepareTool(const QString& source, const char* toolName);

    SettingsStore store_;
    ToolRunner runner_;
    WorkFolderClaim workFolderClaim_;
};
