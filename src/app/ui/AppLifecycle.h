#pragma once

#include "archive/core/WorkFolderClaim.h"
#include "platform/ui/MessageBoxes.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

struct AppSettings;
struct AppState;
class QWidget;
class SettingsStore;
class ToolRunner;

// The program's start-up and shutdown around the main window: settings, working folder, tool
// copies and default palette at start; working files and settings at the end. The options dialog
// applies new paths through it as well.
class AppLifecycle {
public:
    // Something the user is told; start-up shows it at once, the options dialog after applying.
    struct Notice {
        QString text;
        MessageIcon icon = MessageIcon::None;
    };

    AppLifecycle(AppState& state, SettingsStore& store, ToolRunner& runner, MessageBoxes& messages);

    // Reads the settings and makes the per-user data folder.
    void loadSettings();
    // The working folder, the tool copies and the default palette, in that order; `openOptions`
    // follows each refusal or missing file, so the user can correct the paths before the next step.
    // A termination signal may end the program while one of them is open: `closing` is asked
    // before each step.
    void prepare(QWidget* window, const std::function<bool()>& closing,
                 const std::function<void()>& openOptions);
    // Ends a tool still running, deletes the working files, gives up the working folder and writes the
    // settings.
    void shutDown();

    const AppSettings& settings() const;
    // Takes the six paths of `edited` and its parallel tool runs: the tool copies move from the old
    // working folder to the new one and the default palette becomes the current palette file. What
    // the user must hear comes back in order.
    QList<Notice> applyPaths(const AppSettings& edited);
    // Why `edited` cannot be applied: its destination or palette folder is in the working folder it
    // names. Empty when it can.
    QString outputRefusal(const AppSettings& edited) const;

private:
    enum class ToolCopy { Copied, Missing, Failed };

    // Makes `path` the runner's working folder, or says why it is refused.
    std::optional<Notice> useWorkFolder(const QString& path);
    ToolCopy copyTool(const QString& source, const char* toolName);
    Notice copyFailure(const QString& source) const;
    void prepareTool(const QString& source, const char* toolName, const QString& missingMessage);
    void tell(const Notice& notice);
    void tellAndOpenOptions(const Notice& notice);

    AppState& state_;
    SettingsStore& store_;
    ToolRunner& runner_;
    MessageBoxes& messages_;
    WorkFolderClaim workFolderClaim_;
    QWidget* window_ = nullptr;
    std::function<void()> openOptions_;
};
