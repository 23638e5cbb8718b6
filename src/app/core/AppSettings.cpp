#include "app/core/AppSettings.h"

#include "archive/core/RunDriver.h"
#include "platform/core/ProgramPaths.h"
#include "platform/core/SettingsStore.h"

#include <QThread>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct TextKey {
    const char* key;
    QString AppSettings::*field;
};
struct FlagKey {
    const char* key;
    bool AppSettings::*field;
};

const QString performanceGroup = QStringLiteral("Performance");
const QString parallelRunsKey = QStringLiteral("Parallel Runs");

// Store order: the six texts, then the six flags.
constexpr std::array<TextKey, 6> textKeys{{
    {"Extract Path", &AppSettings::ExtractPath},
    {"Vtlist Path", &AppSettings::VtlistPath},
    {"Temp Path", &AppSettings::TempPath},
    {"Dest Path", &AppSettings::DestPath},
    {"Default Palette", &AppSettings::DefaultPalette},
    {"Palette Path", &AppSettings::PalettePath},
}};
constexpr std::array<FlagKey, 6> flagKeys{{
    {"Add Ppl", &AppSettings::AddPpl},
    {"Auto List", &AppSettings::AutoList},
    {"Auto Select", &AppSettings::AutoSelect},
    {"Resize to Fit", &AppSettings::ResizeToFit},
    {"Search Subfolders", &AppSettings::SearchSubfolders},
    {"Auto Preview", &AppSettings::AutoPreview},
}};

} // namespace

AppSettings AppSettings::defaults()
{
    AppSettings settings;
    const QString dataFolder = ProgramPaths::userDataFolder() + QStringLiteral("/data");
    settings.ExtractPath = ProgramPaths::defaultToolPath(QStringLiteral("extract.exe"));
    settings.VtlistPath = ProgramPaths::defaultToolPath(QStringLiteral("vtlist.exe"));
    settings.TempPath = ProgramPaths::defaultTempPath();
    settings.DestPath = dataFolder;
    settings.DefaultPalette = dataFolder + QStringLiteral("/base.pal");
    settings.PalettePath = dataFolder;
    return settings;
}

AppSettings AppSettings::load(const SettingsStore& store)
{
    AppSettings settings = defaults();
    for (const TextKey& entry : textKeys) {
        if (const std::optional<QString> stored = store.read(QLatin1String(entry.key)))
            settings.*entry.field = *stored;
    }
    for (const FlagKey& entry : flagKeys) {
        if (const std::optional<QString> stored = store.read(QLatin1String(entry.key))) {
            if (const std::optional<bool> flag = textToBool(*stored))
                settings.*entry.field = *flag;
        }
    }
    settings.Export = PictureExport::load(store);
    bool isNumber = false;
    const int runs =
        store.read(performanceGroup, parallelRunsKey).value_or(QString()).trimmed().toInt(&isNumber);
    if (isNumber && runs >= 0 && runs <= RunDriver::mostParallelRuns)
        settings.ParallelRuns = runs;
    return settings;
}

void AppSettings::save(SettingsStore& store) const
{
    for (const TextKey& entry : textKeys)
        store.write(QLatin1String(entry.key), this->*entry.field);
    for (const FlagKey& entry : flagKeys)
        store.write(QLatin1String(entry.key),
                    this->*entry.field ? QStringLiteral("True") : QStringLiteral("False"));
    Export.save(store);
    store.write(performanceGroup, parallelRunsKey, QString::number(ParallelRuns));
}

int AppSettings::parallelRuns() const
{
    if (ParallelRuns > 0)
        return ParallelRuns;
    return std::clamp(QThread::idealThreadCount(), 1, RunDriver::mostParallelRuns);
}

std::optional<bool> AppSettings::textToBool(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = trimmed.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(number))
        return std::nullopt;
    return number != 0.0;
}
