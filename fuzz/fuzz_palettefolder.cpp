// Proves that the folder a palette list's name chooses lies inside the target folder whatever the
// name and the target hold (never the target's parent, never somewhere absolute of its own), that
// a name is refused exactly when the name check refuses it or it leaves no folder name, and that a
// refused name leaves the extractor no folder to write to.
#include "FuzzTarget.h"
#include "archive/core/ObjectName.h"
#include "archive/core/Windows1252.h"
#include "picture/core/PaletteExtraction.h"

#include <QDir>

namespace {

// The input: one byte whose lowest bit is "add the list's name", the target folder in UTF-8, a
// zero byte, then the list's name in the game's code page.
QByteArray input(bool addName, const QByteArray& target, const QByteArray& name)
{
    return QByteArray(1, addName ? '\1' : '\0') + target + '\0' + name;
}

FuzzTarget::Seeds seeds()
{
    FuzzTarget::Seeds seeds{
        {"own-folder", input(true, "/pal", "gui.ppl")},   {"parent", input(true, "/pal", "..appl")},
        {"dots", input(true, "/pal", "...ppl")},          {"path", input(true, "/pal", "../evil.ppl")},
        {"no-target", input(true, "", "gui.ppl")},        {"root", input(true, "/", "gui.ppl")},
        {"relative", input(true, "pal/./x/..", "a.ppl")}, {"not-added", input(false, "/pal/", "../x.ppl")},
        {"colon", input(true, ":/..", "a.ppl")},
    };
    int index = 0;
    for (const auto& [name, data] : FuzzTarget::sampleObjects())
        seeds.append({QStringLiteral("name-%1").arg(++index), input(true, "pal", Windows1252::encode(name))});
    return seeds;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzTarget::writeSeedsIfAsked(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes = FuzzTarget::bytes(data, size);
    const bool addName = (bytes.at(0) & 1) != 0;
    const qsizetype end = bytes.indexOf('\0', 1);
    const QString target = QString::fromUtf8(bytes.mid(1, end < 0 ? -1 : end - 1));
    const QString name = end < 0 ? QString() : Windows1252::decode(bytes.mid(end + 1));
    const PaletteExtraction::Folder folder = PaletteExtraction::folderFor(target, name, addName);
    const QString said = QStringLiteral(" (target \"%1\", name \"%2\")").arg(target, name);

    const QString subfolder = name.size() < 4 ? QString() : name.chopped(4);
    const bool refusedByDesign =
        target.isEmpty() ||
        (addName && (!ObjectName::refusal(name).isEmpty() || subfolder.isEmpty() ||
                     subfolder == QLatin1String(".") || subfolder == QLatin1String("..")));
    if (folder.refusal.isEmpty() == refusedByDesign)
        FuzzTarget::finding(
            QStringLiteral("the name is %1 against the rule").arg(refusedByDesign ? "accepted" : "refused") +
            said);
    if (refusedByDesign) {
        if (!folder.path.isEmpty())
            FuzzTarget::finding("a refused name still gives a folder to write to: " + folder.path + said);
        return 0;
    }

    // A target that Qt would take for one of its resources is the folder of that name.
    const QString onDisk = target.startsWith(QLatin1Char(':')) ? QStringLiteral("./") + target : target;
    const QString inside = QDir::cleanPath(QDir::current().absoluteFilePath(onDisk));
    const QString resolved = QDir::cleanPath(QDir::current().absoluteFilePath(folder.path));
    if (!addName) {
        if (folder.path != onDisk)
            FuzzTarget::finding("without the name the folder is not the target: " + folder.path + said);
        return 0;
    }
    const QString prefix = inside.endsWith(QLatin1Char('/')) ? inside : inside + QLatin1Char('/');
    if (!folder.path.startsWith(onDisk) || !resolved.startsWith(prefix) ||
        resolved.mid(prefix.size()).contains(QLatin1Char('/')) || resolved.mid(prefix.size()) != subfolder)
        FuzzTarget::finding("the folder is not the list's own folder directly inside the target: " +
                            folder.path + " resolves to " + resolved + said);
    return 0;
}
