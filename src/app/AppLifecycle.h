#pragma once

#include <functional>

struct AppState;
class MessageBoxes;
class QString;
class QWidget;
class SettingsStore;
class ToolRunner;

// The program's start-up and shutdown around the main window: settings, working folder, tool
// copies and default palette at start; working files and settings at the end.
class AppLifecycle {
public:
    AppLifecycle(AppState& state, SettingsStore& store, ToolRunner& runner, MessageBoxes& messages);

    // Reads the settings and makes the per-user data folder.
    void loadSettings();
    // The working folder, the tool copies and the default palette, in that order. A termination
    // signal may end the program while one of their messages is open: `closing` is asked before
    // each step.
    void prepare(QWidget* window, const std::function<bool()>& closing);
    // Ends a tool still running, deletes the working files and writes the settings.
    void shutDown();

private:
    void prepareWorkFolder();
    void copyTool(const QString& source, const char* toolName, const QString& missingMessage);
    void findDefaultPalette();
    void tell(const QString& text);

    AppState& state_;
    SettingsStore& store_;
    ToolRunner& runner_;
    MessageBoxes& messages_;
    QWidget* window_ = nullptr;
};
