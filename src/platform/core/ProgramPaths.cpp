#include "platform/core/ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>

#ifdef Q_OS_WIN
#include <QStandardPaths>
#endif
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace ProgramPaths {

namespace {

QString environmentOr(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

} // namespace

QString userDataFolder()
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
#else
    const QString base = environmentOr("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
    return base + QStringLiteral("/Kadrillo");
#endif
}

QString userCacheFolder()
{
#ifdef Q_OS_WIN
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
#else
    const QString base = environmentOr("XDG_CACHE_HOME", QDir::homePath() + QStringLiteral("/.cache"));
#endif
    return base + QStringLiteral("/kadrillo");
}

QString defaultTempPath()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("temp");
#else
    const QString base = environmentOr("TMPDIR", QStringLiteral("/tmp"));
    return QDir::cleanPath(base) + QStringLiteral("/kadrillo-") + QString::number(getuid());
#endif
}

QString defaultToolPath(const QString& toolFileName)
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\Dynamix\\Starsiege\\") + toolFileName;
#else
    const QString prefix = environmentOr("WINEPREFIX", QDir::homePath() + QStringLiteral("/.wine"));
    return prefix + QStringLiteral("/drive_c/Dynamix/Starsiege/") + toolFileName;
#endif
}

QString readmePath()
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QStringLiteral("/readme.txt"));
#else
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/kadrillo/readme.txt"));
#endif
}

} // namespace ProgramPaths
