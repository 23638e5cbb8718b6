#include "app/core/CommandLine.h"

namespace CommandLine {

QStringList archivePaths(const QStringList& arguments)
{
#ifdef Q_OS_WIN
    return tokens(join(arguments));
#else
    QStringList paths = arguments;
    paths.removeAll(QString());
    return paths;
#endif
}

QString join(const QStringList& arguments)
{
    QStringList parts;
    for (const QString& argument : arguments) {
        const bool spaced = argument.contains(QLatin1Char(' ')) || argument.contains(QLatin1Char('\t'));
        parts.append(spaced ? QLatin1Char('"') + argument + QLatin1Char('"') : argument);
    }
    return parts.join(QLatin1Char(' '));
}

QStringList tokens(const QString& commandLine)
{
    QStringList paths;
    QString token;
    bool quoted = false;
    const auto close = [&] {
        if (!token.isEmpty())
            paths.append(token);
        token.clear();
        quoted = false;
    };
    for (const QChar c : commandLine) {
        const bool ends = quoted ? c == QLatin1Char('"') : (c == QLatin1Char(' ') || c == QLatin1Char('\t'));
        if (ends)
            close();
        else if (c == QLatin1Char('"'))
            quoted = true;
        else
            token.append(c);
    }
    close();
    return paths;
}

QStringList droppedArchives(const QList<QUrl>& urls)
{
    QStringList paths;
    for (const QUrl& url : urls) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(QLatin1String(".vol"), Qt::CaseInsensitive))
            paths.append(url.toLocalFile());
    }
    return paths;
}

QString fileName(const QString& path)
{
#ifdef Q_OS_WIN
    const qsizetype separator =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
#else
    const qsizetype separator = path.lastIndexOf(QLatin1Char('/'));
#endif
    return path.mid(separator + 1);
}

} // namespace CommandLine
