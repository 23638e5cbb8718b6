// Proves that no accepted script line holds a % or an unquoted operator other than a tool line's one
// redirection, that a folder to change to is one plain folder, and that a tool line rebuilt from
// what was parsed (quoted the Windows way) parses to the same program, arguments and output file.
#include "FuzzTarget.h"
#include "archive/core/ToolCommands.h"
#include "platform/core/BatchLine.h"

namespace {

FuzzTarget::Seeds seeds()
{
    const WorkFolder work(QStringLiteral("/tmp/kadrillo-1000"));
    FuzzTarget::Seeds seeds{
        {"echo-off", "@echo off"},
        {"drive", "c:"},
        {"cd", "cd \"/tmp/kadrillo-1000/a b\""},
        {"listing", ToolCommands::toolLine(ToolCommands::listing(work)).toUtf8()},
        {"exit", "exit"},
        {"append-quoted", "tool.exe \"a&b\" x\\\"y >> \"out file.txt\""},
        {"command-after-echo", "echo x & calc"},
        {"unclosed", "tool.exe \"a b >c"},
    };
    int index = 0;
    for (const auto& [name, data] : FuzzTarget::sampleObjects())
        seeds.append({QStringLiteral("extract-%1").arg(++index),
                      ToolCommands::toolLine(ToolCommands::extractTo(work, name, QStringLiteral("temp.wav")))
                          .toUtf8()});
    return seeds;
}

// The operators of the interpreter that stand outside double quotes, in order.
QString unquotedOperators(const QString& text)
{
    QString found;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && QStringLiteral("&|<>^").contains(c))
            found += c;
    }
    return found;
}

QString quoted(const QString& argument)
{
    QString out(QLatin1Char('"'));
    qsizetype backslashes = 0;
    for (const QChar c : argument) {
        backslashes = c == QLatin1Char('\\') ? backslashes + 1 : 0;
        out += c;
    }
    // Backslashes before the closing quote are doubled, so that they do not escape it.
    return out + QString(backslashes, QLatin1Char('\\')) + QLatin1Char('"');
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzTarget::writeSeedsIfAsked(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(FuzzTarget::bytes(data, size));
    const BatchLine line = BatchLine::parse(text);
    if (line.kind == BatchLine::Kind::Invalid) {
        if (line.error.isEmpty())
            FuzzTarget::finding("a line was refused without a reason");
        return 0;
    }
    const QString operators = unquotedOperators(text);
    if (!line.error.isEmpty() || text.contains(QLatin1Char('%')))
        FuzzTarget::finding("a line with a % or an error was accepted: " + text);
    if (line.kind == BatchLine::Kind::ChangeFolder &&
        (line.folder.isEmpty() || line.folder.contains(QLatin1Char('"')) ||
         !unquotedOperators(line.folder).isEmpty()))
        FuzzTarget::finding("cd was accepted without one plain folder: " + line.folder);
    if (line.kind != BatchLine::Kind::Tool) {
        if (!operators.isEmpty())
            FuzzTarget::finding("a line with an unquoted operator was accepted: " + text);
        return 0;
    }
    const QString redirection = operators.isEmpty() ? QString()
                                : line.appendOutput ? QStringLiteral(">>")
                                                    : QStringLiteral(">");
    if (operators != redirection || line.outputFile.isEmpty() == !operators.isEmpty())
        FuzzTarget::finding("a tool line carries an unquoted operator besides one redirection: " + text);

    QStringList parts{line.program};
    parts += line.arguments;
    if (parts.join(QString()).contains(QLatin1Char('"')))
        return 0; // the interpreter and a Windows program see such quotes differently
    QString rebuilt;
    for (const QString& part : std::as_const(parts))
        rebuilt += quoted(part) + QLatin1Char(' ');
    if (!line.outputFile.isEmpty())
        rebuilt += redirection + QLatin1Char('"') + line.outputFile + QLatin1Char('"');
    const BatchLine again = BatchLine::parse(rebuilt);
    if (again.kind != line.kind || again.program != line.program || again.arguments != line.arguments ||
        again.outputFile != line.outputFile || again.appendOutput != line.appendOutput)
        FuzzTarget::finding("the tool line rebuilt from its parts parses otherwise: " + rebuilt);
    return 0;
}
