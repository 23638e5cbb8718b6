#include "platform/core/WindowsCommandLine.h"

namespace WindowsCommandLine {

QStringList split(const QString& commandLine)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    const qsizetype length = commandLine.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = commandLine.at(i);
        if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (inArgument)
                arguments.append(current);
            current.clear();
            inArgument = false;
            continue;
        }
        inArgument = true;
        if (c == QLatin1Char('\\')) {
            qsizetype end = i;
            while (end < length && commandLine.at(end) == QLatin1Char('\\'))
                ++end;
            const qsizetype count = end - i;
            if (end < length && commandLine.at(end) == QLatin1Char('"')) {
                current.append(QString(count / 2, QLatin1Char('\\')));
                if (count % 2 == 1) {
                    current.append(QLatin1Char('"'));
                    i = end;
                } else {
                    i = end - 1;
                }
            } else {
                current.append(QString(count, QLatin1Char('\\')));
                i = end - 1;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            if (quoted && i + 1 < length && commandLine.at(i + 1) == QLatin1Char('"')) {
                current.append(QLatin1Char('"'));
                ++i;
            } else {
                quoted = !quoted;
            }
            continue;
        }
        current.append(c);
    }
    if (inArgument)
        arguments.append(current);
    return arguments;
}

} // namespace WindowsCommandLine
