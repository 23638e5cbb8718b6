#include "platform/core/SettingsStore.h"

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
    return value(group + QLatin1Char('/') + key);
}

std::optional<QString> SettingsStore::value(const QString& fullKey) const
{
    if (settings_->status() != QSettings::NoError)
        return std::nullopt;
    const QVariant value = settings_->value(fullKey);
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

std::optional<QString> SettingsStore::read(const QString& otherGroup, const QString& key) const
{
    return value(otherGroup + QLatin1Char('/') + key);
}

void SettingsStore::write(const QString& otherGroup, const QString& key, const QString& value)
{
    settings_->setValue(otherGroup + QLatin1Char('/') + key, value);
}

QStringList SettingsStore::readList(const QString& listGroup, const QString& prefix) const
{
    QStringList values;
    for (int number = 1;; ++number) {
        const std::optional<QString> entry =
            value(listGroup + QLatin1Char('/') + prefix + QString::number(number));
        if (!entry)
            return values;
        values.append(*entry);
    }
}

void SettingsStore::writeList(const QString& listGroup, const QString& prefix, const QStringList& values)
{
    settings_->remove(listGroup);
    for (qsizetype index = 0; index < values.size(); ++index)
        settings_->setValue(listGroup + QLatin1Char('/') + prefix + QString::number(index + 1),
                            values[index]);
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
