#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

// The per-user settings store: one INI file, group "Settings", one text value per key.
class SettingsStore {
public:
    SettingsStore();
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();

    std::optional<QString> read(const QString& key) const;
    void write(const QString& key, const QString& value);
    // Writes pending values to disk; false when the file could not be written.
    bool flush();
    QString fileName() const;

private:
    std::unique_ptr<QSettings> settings_;
};
