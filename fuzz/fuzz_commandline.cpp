// Proves that the arguments split from any command line, each quoted back the Windows way, split
// into the same arguments again, and that a line without quotes or backslashes splits at blanks alone.
#include "FuzzTarget.h"
#include "archive/core/ToolCommands.h"
#include "platform/core/WindowsCommandLine.h"

#include <QRegularExpression>

namespace {

FuzzTarget::Seeds seeds()
{
    const WorkFolder work(QStringLiteral("/tmp/kadrillo-1000"));
    FuzzTarget::Seeds seeds{
        {"listing", ToolCommands::toolLine(ToolCommands::listing(work)).toUtf8()},
        {"quoted-paths", R"("C:\a b\extract.exe" "C:\TEMP\temp.vol" "D:\dest dir\sky.bmp")"},
        {"escapes", R"(a\\\"b "c\\" d""e "" \\\\" f\"g" \ \\)"},
        {"tabs", "\t*.*\t \tb\t"},
    };
    int index = 0;
    for (const auto& [name, data] : FuzzTarget::sampleObjects())
        seeds.append({QStringLiteral("extract-%1").arg(++index),
                      ToolCommands::toolLine(ToolCommands::extractTo(work, name, QStringLiteral("temp.bmp")))
                          .toUtf8()});
    return seeds;
}

// How a Windows program's argument is quoted so that it splits back as it is: backslashes are
// doubled where a quote follows them, and each quote is escaped.
QString quoted(const QString& argument)
{
    QString out(QLatin1Char('"'));
    qsizetype backslashes = 0;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\')) {
            ++backslashes;
            continue;
        }
        out += QString(c == QLatin1Char('"') ? 2 * backslashes + 1 : backslashes, QLatin1Char('\\')) + c;
        backslashes = 0;
    }
    return out + QString(2 * backslashes, QLatin1Char('\\')) + QLatin1Char('"');
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzTarget::writeSeedsIfAsked(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString commandLine = QString::fromUtf8(FuzzTarget::bytes(data, size));
    const QStringList arguments = WindowsCommandLine::split(commandLine);
    QStringList requoted;
    for (const QString& argument : arguments)
        requoted.append(quoted(argument));
    if (WindowsCommandLine::split(requoted.join(QLatin1Char(' '))) != arguments)
        FuzzTarget::finding("the arguments quoted back split otherwise: " + requoted.join(QLatin1Char(' ')));

    static const QRegularExpression blanks(QStringLiteral("[ \t]+"));
    if (!commandLine.contains(QLatin1Char('"')) && !commandLine.contains(QLatin1Char('\\')) &&
        arguments != commandLine.split(blanks, Qt::SkipEmptyParts))
        FuzzTarget::finding("a line without quotes or backslashes was not split at its blanks");
    return 0;
}
