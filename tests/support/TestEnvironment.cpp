#include "support/TestEnvironment.h"

#include "support/OwnedProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

TestEnvironment::TestEnvironment()
{
    for (const QString& folder : {configHome(), dataHome(), tempHome()})
        QDir().mkpath(folder);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome()));
    qputenv("TMPDIR", QFile::encodeName(tempHome()));
    const QString runtime = root_.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("WINEPREFIX", QFile::encodeName(root_.filePath(QStringLiteral("wine"))));
}

void TestEnvironment::writeFile(const QString& path, const QByteArray& bytes, bool executable)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("Cannot write test file %s", qUtf8Printable(path));
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

QByteArray TestEnvironment::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TestEnvironment::missingPrograms(const QStringList& programs)
{
    QStringList missing = programs;
    missing.removeIf(
        [](const QString& program) { return !QStandardPaths::findExecutable(program).isEmpty(); });
    return missing.join(QStringLiteral(", "));
}

QString TestEnvironment::makeSamples(const QString& folder, const QStringList& options)
{
    return OwnedProgram::runToEnd(QStringLiteral(KADRILLO_BIN_DIR "/make-sample-vol"),
                                  QStringList{folder} + options);
}
