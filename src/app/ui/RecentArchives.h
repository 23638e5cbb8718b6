#pragma once

#include <QObject>
#include <QStringList>

class MainMenuBar;
class QAction;
class SettingsStore;

// The last archives opened, newest first and each once, as numbered items of the File menu above
// Exit; an archive that is no longer there shows disabled. They are kept in the settings file
// (RecentArchiveList), read at start and written at exit like the settings.
class RecentArchives : public QObject {
    Q_OBJECT

public:
    RecentArchives(SettingsStore& store, MainMenuBar& menus, QObject* parent = nullptr);

    // Puts `path` first.
    void add(const QString& path);
    void save() const;
    const QStringList& paths() const { return paths_; }

signals:
    void openRequested(const QString& path);

private:
    void showInMenu();

    SettingsStore& store_;
    QStringList paths_;
    QList<QAction*> items_;
    QAction* bar_;
};
