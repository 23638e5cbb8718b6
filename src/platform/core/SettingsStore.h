#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// The per-user settings store: one INI file, group "Settings", one text value per key; lists in
// groups of their own.
class SettingsStore {
public:
    SettingsStore();
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();

    std::optional<QString> read(const QString& key) const;
    void write(const QString& key, const QString& value);
    // The same, in another group than "Settings".
    std::optional<QString> read(const QString& otherGroup, const QString& key) const;
    void write(const QString& otherGroup, const QString& key, const QString& value);
    // A list kept in a group of its own, one numbered key per entry ("<prefix>1", "<prefix>2", ...).
    QStringList readList(const QString& listGroup, const QString& prefix) const;
    void writeList(const QString& listGroup, const QString& prefix, const QStringList& values);
    // Writes pending values to disk; false when the file could not be written.
    bool flush();
    QString fileName() const;

private:
    std::optional<QString> value(const QString& fullKey) const;

    std::unique_ptr<QSettings> settings_;
};
