#pragma once

#include "app/AppState.h"

#include <QMainWindow>

class MainMenuBar;
class MainStatusBar;
class MessageBoxes;
class ObjectPane;
class SettingsStore;
class TabStrip;
class ToolRunner;
class QToolBar;

// The main window; its load, activation and unload carry the program's life.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain(AppState& state, SettingsStore& store, MessageBoxes& messages, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: settings, tool copies and the default palette; runs before the window is shown.
    void Form_Load();
    // True once the shutdown has run; nothing more is done after it.
    bool isUnloaded() const { return unloaded_; }

    ToolRunner& toolRunner() const { return *runner_; }
    QAction* toolbarButton(const QString& key) const;

public slots:
    void Form_Resize();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolbar();
    void connectMenus();
    void placeInnerArea();
    void Form_Activate();
    void Form_Unload();
    bool prepareWorkFolder();
    void copyTool(const QString& source, const char* toolName, const QString& missingMessage);
    void tell(const QString& text);

    void toggleSetting(QAction* item, bool AppSettings::*setting);
    void munPaletteAuto_Click();
    void toggleBar(QAction* item, QWidget* bar);

    AppState& state_;
    SettingsStore& store_;
    MessageBoxes& messages_;
    ToolRunner* runner_;
    bool workFolderReady_ = false;
    bool unloaded_ = false;

    QWidget* innerArea_;
    MainMenuBar* menus_;
    QToolBar* Toolbar1;
    MainStatusBar* StatusBar1;
    TabStrip* TabStrip1;
    ObjectPane* Frame1;
};
