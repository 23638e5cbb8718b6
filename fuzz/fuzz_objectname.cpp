// Proves that the name check refuses exactly the names the design lists, that an accepted name stays
// one file directly inside the destination, and that in a tool line it reaches the tool as exactly
// one argument equal to it, with every blank and operator of the interpreter inside quotes.
#include "FuzzTarget.h"
#include "archive/core/ObjectName.h"
#include "archive/core/ToolCommands.h"
#include "archive/core/Windows1252.h"
#include "platform/core/BatchLine.h"

#include <QDir>
#include <QFileInfo>

namespace {

FuzzTarget::Seeds seeds()
{
    FuzzTarget::Seeds seeds{{"blank-at-end", "end .cs "}, {"upper-case-kind", "SKY.BMP"}, {"short", "cs"}};
    int index = 0;
    for (const auto& [name, data] : FuzzTarget::sampleObjects())
        seeds.append({QStringLiteral("name-%1").arg(++index), Windows1252::encode(name)});
    return seeds;
}

bool refusedByDesign(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return true;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("\"%/\\:*?<>|").contains(c))
            return true;
    }
    return false;
}

ObjectName::Kind kindByDesign(const QString& name)
{
    QString key = name.right(3);
    for (QChar& c : key) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    using Kind = ObjectName::Kind;
    const std::pair<const char*, Kind> kinds[] = {
        {"bmp", Kind::Picture}, {"wav", Kind::Sound}, {".cs", Kind::Script}, {"ppl", Kind::PaletteList}};
    for (const auto& [ending, kind] : kinds) {
        if (key == QLatin1String(ending))
            return kind;
    }
    return Kind::Other;
}

// Whether one of the interpreter's blanks, separators or operators stands outside double quotes.
bool hasUnquotedSpecial(const QString& text)
{
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && QStringLiteral(" \t&|<>^();,=!%").contains(c))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzTarget::writeSeedsIfAsked(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString name = Windows1252::decode(FuzzTarget::bytes(data, size));
    if (ObjectName::kindOf(name) != kindByDesign(name))
        FuzzTarget::finding("the kind is not the one its last three characters say: " + name);
    const bool refused = !ObjectName::refusal(name).isEmpty();
    if (refused != refusedByDesign(name))
        FuzzTarget::finding(
            QStringLiteral("the name is %1 against the rule: ").arg(refused ? "refused" : "accepted") + name);
    if (refused)
        return 0;

    const QString dest = QStringLiteral("/dest/folder");
    const QString path = QDir(dest).filePath(name);
    if (QDir::cleanPath(path) != path || QFileInfo(path).absolutePath() != dest ||
        QFileInfo(path).fileName() != name || name.contains(QLatin1String("/")))
        FuzzTarget::finding("an accepted name leaves the destination folder: " + name);

    const QString inLine = ObjectName::forToolLine(name);
    const QString line = ToolCommands::toolLine(ToolCommands::extractTo(
        WorkFolder(QStringLiteral("/tmp/kadrillo-1000")), name, QStringLiteral("temp.bmp")));
    if ((inLine != name && inLine != QLatin1Char('"') + name + QLatin1Char('"')) ||
        hasUnquotedSpecial(inLine))
        FuzzTarget::finding("a blank or operator of the name stands outside quotes: " + line);
    // What the batch interpreter reads back from the script, which is written in the local encoding.
    const BatchLine parsed = BatchLine::parse(QString::fromLocal8Bit(line.toLocal8Bit()));
    const QStringList expected{QStringLiteral("temp.vol"), name, QStringLiteral("temp.bmp")};
    if (parsed.kind != BatchLine::Kind::Tool || parsed.program != QLatin1String("extract.exe") ||
        parsed.arguments != expected || !parsed.outputFile.isEmpty())
        FuzzTarget::finding("the tool line does not give the name back as one argument: " + line + " / " +
                            parsed.error + " / " + parsed.arguments.join(QLatin1Char('|')));
    return 0;
}
