#include "platform/SettingsStore.h"

#include <QStringList>

namespace {
const QString group = QStringLiteral("Settings");
}

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Kadrillo"), QStringLiteral("Kadrillo")))
{
}

SettingsStore::SettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

std::optional<QString> SettingsStore::read(const QString& key) const
{
    if (settings_->status() != QSettings::NoError)
        return std::nullopt;
    const QVariant value = settings_->value(group + QLatin1Char('/') + key);
    if (!value.isValid())
        return std::nullopt;
    // An unquoted comma in a hand-edited file makes QSettings split the text into a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsStore::write(const QString& key, const QString& value)
{
    settings_->setValue(group + QLatin1Char('/') + key, value);
}

bool SettingsStore::flush()
{
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString SettingsStore::fileName() const
{
    return settings_->fileName();
}
