#include "app/cli/CommandLineConsole.h"

CommandLineConsole::CommandLineConsole(bool quiet, FILE* out, FILE* err)
    : quiet_(quiet)
    , out_(out)
    , err_(err)
{
}

void CommandLineConsole::print(const QString& text)
{
    write(out_, text);
}

void CommandLineConsole::progress(int position, int count, const QString& name, const QString& detail)
{
    if (quiet_)
        return;
    QString line = QStringLiteral("[%1/%2] %3").arg(position).arg(count).arg(shown(name));
    if (!detail.isEmpty())
        line += QStringLiteral(" (") + shown(detail) + QLatin1Char(')');
    write(err_, line);
}

void CommandLineConsole::note(const QString& name, const QString& text)
{
    if (!quiet_)
        write(err_, shown(name) + QStringLiteral(": ") + shown(text));
}

void CommandLineConsole::fail(const QString& name, const QString& reason)
{
    ++failures_;
    write(err_, QStringLiteral("kadrillo: ") + shown(name) + QStringLiteral(": ") + shown(reason));
}

void CommandLineConsole::fail(const QString& reason)
{
    ++failures_;
    warn(reason);
}

void CommandLineConsole::warn(const QString& text)
{
    write(err_, QStringLiteral("kadrillo: ") + shown(text));
}

void CommandLineConsole::warn(const QString& name, const QString& text)
{
    warn(shown(name) + QStringLiteral(": ") + text);
}

void CommandLineConsole::summary(const QString& text)
{
    if (!quiet_)
        warn(text);
}

QString CommandLineConsole::shown(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\r'))
            continue;
        if (c == QLatin1Char('\n'))
            result += QLatin1Char(' ');
        else if (c.category() == QChar::Other_Control)
            result += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            result += c;
    }
    return result;
}

void CommandLineConsole::write(FILE* stream, const QString& line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}
