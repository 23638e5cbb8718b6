#include "platform/core/FileAssociation.h"

#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace {

QString userFolder(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QDir::homePath() + fallback : value;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (const QString error = FileSystem::replaceContents(path, bytes); !error.isEmpty())
        return FileAssociation::tr("Cannot write %1: %2").arg(path, error);
    return {};
}

// The desktop entry's quoting rules for one argument of Exec, then its escaping of the value.
QString execArgument(const QString& path)
{
    QString quoted;
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c == QLatin1Char('%') ? QStringLiteral("%%") : QString(c);
    }
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    return quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

// Sets one key of one section in a desktop-style key file, keeping everything else as it was.
QByteArray setKey(const QByteArray& content, const QByteArray& section, const QByteArray& key,
                  const QByteArray& value)
{
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QByteArray header = '[' + section + ']';
    const QByteArray entry = key + '=' + value;
    qsizetype sectionAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray trimmed = lines.at(i).trimmed();
        if (trimmed.startsWith('[')) {
            if (sectionAt >= 0)
                break;
            if (trimmed == header)
                sectionAt = i;
            continue;
        }
        if (sectionAt >= 0 && trimmed.startsWith(key + '=')) {
            lines[i] = entry;
            return lines.join('\n') + '\n';
        }
    }
    if (sectionAt < 0) {
        if (!lines.isEmpty())
            lines.append(QByteArray());
        lines.append(header);
        lines.append(entry);
    } else {
        qsizetype insertAt = sectionAt + 1;
        while (insertAt < lines.size() && !lines.at(insertAt).trimmed().startsWith('['))
            ++insertAt;
        while (insertAt > sectionAt + 1 && lines.at(insertAt - 1).trimmed().isEmpty())
            --insertAt;
        lines.insert(insertAt, entry);
    }
    return lines.join('\n') + '\n';
}

QString refresh(const char* tool, const QString& folder)
{
    const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
    if (program.isEmpty())
        return FileAssociation::tr("The program %1 was not found; install the Debian package %2.")
            .arg(QLatin1String(tool),
                 QLatin1String(qstrcmp(tool, "update-mime-database") == 0 ? "shared-mime-info"
                                                                          : "desktop-file-utils"));
    QProcess process;
    process.start(program, {folder});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return FileAssociation::tr("%1 failed: %2")
            .arg(QLatin1String(tool), QString::fromLocal8Bit(process.readAllStandardError()));
    return {};
}

// The user's default and added handler lists name the desktop entry for the file kind.
QString makeDefault(const QString& config, const QByteArray& mimeType, const QByteArray& desktopFile)
{
    const QString list = config + QStringLiteral("/mimeapps.list");
    QFile existing(list);
    QByteArray content = existing.open(QIODevice::ReadOnly) ? existing.readAll() : QByteArray();
    existing.close();
    content = setKey(content, "Default Applications", mimeType, desktopFile);
    content = setKey(content, "Added Associations", mimeType, desktopFile + ';');
    // The user's own list may be a link that a dotfile manager keeps: the file it names is changed,
    // and the link stays.
    const QFileInfo info(list);
    return writeFile(info.isSymLink() ? info.symLinkTarget() : list, content);
}

QString userDataFolder()
{
    return userFolder("XDG_DATA_HOME", QStringLiteral("/.local/share"));
}

} // namespace

#ifdef Q_OS_WIN
QString FileAssociation::install() const
{
    QSettings classes(QStringLiteral("HKEY_CLASSES_ROOT"), QSettings::NativeFormat);
    const QString fileType = programName.toLower() + QStringLiteral("file");
    classes.setValue(extension + QStringLiteral("/."), fileType);
    classes.setValue(extension + QStringLiteral("/Content Type"), subClassOf);
    classes.setValue(fileType + QStringLiteral("/."), comment);
    classes.setValue(fileType + QStringLiteral("/EditFlags"), QByteArray("\0\0\1\0", 4));
    classes.setValue(fileType + QStringLiteral("/DefaultIcon/."),
                     QDir::toNativeSeparators(programPath) + QStringLiteral(",0"));
    classes.setValue(fileType + QStringLiteral("/Shell/Open/command/."),
                     QLatin1Char('"') + QDir::toNativeSeparators(programPath) + QStringLiteral("\" %1"));
    classes.sync();
    return classes.status() == QSettings::NoError ? QString() : tr("Cannot write the file association.");
}
#else
QString FileAssociation::mimeXml() const
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <sub-class-of type=\"%3\"/>\n"
                          "    <glob pattern=\"*%4\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(mimeType, comment.toHtmlEscaped(), subClassOf, extension);
}

QString FileAssociation::desktopEntry() const
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Comment=%2\n"
                          "Exec=%3 %f\n"
                          "Icon=%4\n"
                          "MimeType=%5;\n"
                          "Terminal=false\n"
                          "Categories=Utility;Archiving;\n")
        .arg(programName, programComment, execArgument(programPath), programName.toLower(), mimeType);
}

QString FileAssociation::install() const
{
    const QString data = userDataFolder();
    const QString config = userFolder("XDG_CONFIG_HOME", QStringLiteral("/.config"));
    const QString base = programName.toLower();
    const QString desktopFile = base + QStringLiteral(".desktop");

    if (!installedEntry().isEmpty()) {
        // A user's entry of the same name would hide the installed one from the desktop.
        const QString userEntry = data + QStringLiteral("/applications/") + desktopFile;
        if (QFileInfo::exists(userEntry) && !QFile::remove(userEntry))
            return tr("Cannot remove %1, which hides the installed desktop entry.").arg(userEntry);
        QString error = makeDefault(config, mimeType.toUtf8(), desktopFile.toUtf8());
        if (error.isEmpty() && QFileInfo::exists(data + QStringLiteral("/applications")))
            error = refresh("update-desktop-database", data + QStringLiteral("/applications"));
        return error;
    }

    QString error = writeFile(data + QStringLiteral("/mime/packages/") + base + QStringLiteral(".xml"),
                              mimeXml().toUtf8());
    if (error.isEmpty())
        error = writeFile(
            data + QStringLiteral("/icons/hicolor/scalable/apps/") + base + QStringLiteral(".svg"), iconSvg);
    if (error.isEmpty())
        error = writeFile(data + QStringLiteral("/applications/") + desktopFile, desktopEntry().toUtf8());
    if (error.isEmpty())
        error = makeDefault(config, mimeType.toUtf8(), desktopFile.toUtf8());
    if (error.isEmpty())
        error = refresh("update-mime-database", data + QStringLiteral("/mime"));
    if (error.isEmpty())
        error = refresh("update-desktop-database", data + QStringLiteral("/applications"));
    return error;
}
#endif

// The entry in the share folder beside the program's own, when that folder is one the desktop reads.
QString FileAssociation::installedEntry() const
{
    const QString share =
        QDir::cleanPath(QFileInfo(programPath).absolutePath() + QStringLiteral("/../share"));
    const QString entry =
        share + QStringLiteral("/applications/") + programName.toLower() + QStringLiteral(".desktop");
    if (!QFileInfo::exists(entry))
        return {};
    QString folders = qEnvironmentVariable("XDG_DATA_DIRS");
    if (folders.isEmpty())
        folders = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& folder : folders.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::cleanPath(folder) == share)
            return entry;
    }
    return {};
}

QString FileAssociation::desktopEntryPath() const
{
    const QString installed = installedEntry();
    return installed.isEmpty() ? userDataFolder() + QStringLiteral("/applications/") + programName.toLower() +
                                     QStringLiteral(".desktop")
                               : installed;
}
