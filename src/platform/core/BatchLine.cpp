#include "platform/core/BatchLine.h"

#include "platform/core/WindowsCommandLine.h"

#include <QRegularExpression>

namespace {

BatchLine invalid(const QString& error)
{
    BatchLine line;
    line.error = error;
    return line;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The interpreter's first operator outside double quotes, or a null character when there is none.
QChar firstOperator(const QString& text)
{
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && QStringLiteral("&|<^>").indexOf(c) >= 0)
            return c;
    }
    return {};
}

// Cuts the ">" / ">>" redirection out of a tool line; refuses the interpreter's other operators.
BatchLine parseToolLine(const QString& text)
{
    BatchLine line;
    line.kind = BatchLine::Kind::Tool;
    QString command;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (quoted || QStringLiteral("&|<^>").indexOf(c) < 0) {
            command.append(c);
            continue;
        }
        if (c != QLatin1Char('>'))
            return invalid(BatchLine::tr("the operator %1 outside quotes is not supported").arg(c));
        if (!line.outputFile.isEmpty())
            return invalid(BatchLine::tr("more than one output redirection"));
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('>')) {
            line.appendOutput = true;
            ++i;
        }
        ++i;
        while (i < text.size() && isBlank(text.at(i)))
            ++i;
        QString target;
        bool targetQuoted = false;
        for (; i < text.size(); ++i) {
            const QChar t = text.at(i);
            if (t == QLatin1Char('"')) {
                targetQuoted = !targetQuoted;
                continue;
            }
            if (!targetQuoted && (isBlank(t) || QStringLiteral("&|<^>").indexOf(t) >= 0))
                break;
            target.append(t);
        }
        --i;
        if (target.isEmpty())
            return invalid(BatchLine::tr("a redirection without a file name"));
        line.outputFile = target;
    }
    if (quoted)
        return invalid(BatchLine::tr("a double quote is not closed"));
    const QStringList words = WindowsCommandLine::split(command);
    if (words.isEmpty())
        return invalid(BatchLine::tr("a redirection without a command"));
    line.program = words.first();
    line.arguments = words.mid(1);
    return line;
}

} // namespace

BatchLine BatchLine::parse(const QString& rawLine)
{
    QString text = rawLine.trimmed();
    if (text.startsWith(QLatin1Char('@')))
        text = text.mid(1).trimmed();
    // The interpreter expands %...% everywhere, quotes included, so no such line can be trusted.
    if (text.contains(QLatin1Char('%')))
        return invalid(BatchLine::tr("the character % is not supported"));

    BatchLine line;
    const QString lower = text.toLower();
    static const QRegularExpression driveLine(QStringLiteral("^[a-z]:$"));
    const bool echo = lower == QLatin1String("echo") || lower.startsWith(QLatin1String("echo ")) ||
                      lower.startsWith(QLatin1String("echo."));
    // "echo x & tool" runs a further command and "echo x > file" writes one: neither is an echo.
    if (const QChar op = firstOperator(text); echo && !op.isNull())
        return invalid(BatchLine::tr("the operator %1 outside quotes is not supported").arg(op));
    if (text.isEmpty() || echo || driveLine.match(lower).hasMatch()) {
        line.kind = Kind::Ignored;
        return line;
    }
    if (lower == QLatin1String("exit")) {
        line.kind = Kind::Exit;
        return line;
    }
    if (lower.startsWith(QLatin1String("cd ")) || lower.startsWith(QLatin1String("cd\t"))) {
        QString folder = text.mid(3).trimmed();
        if (folder.size() >= 2 && folder.startsWith(QLatin1Char('"')) && folder.endsWith(QLatin1Char('"')))
            folder = folder.mid(1, folder.size() - 2);
        if (folder.isEmpty() || folder.contains(QLatin1Char('"')))
            return invalid(BatchLine::tr("cd needs one folder"));
        for (const QChar c : folder) {
            if (QStringLiteral("&|<>^").indexOf(c) >= 0)
                return invalid(BatchLine::tr("the operator %1 is not supported in cd").arg(c));
        }
        line.kind = Kind::ChangeFolder;
        line.folder = folder;
        return line;
    }
    return parseToolLine(text);
}
