#include "picture/core/PaletteChoices.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <tuple>

namespace PaletteChoices {

namespace {

const QStringList palettePattern{QStringLiteral("*.pal")};

void appendFiles(QStringList& files, const QString& folder)
{
    QDirIterator entries(folder, palettePattern, QDir::Files);
    while (entries.hasNext())
        files.append(entries.next());
}

// Where a file goes in the menu: the folder's own files before any subfolder's, subfolders by name,
// then numbered files by number before the other names.
auto orderOf(const QString& relative)
{
    const qsizetype slash = relative.lastIndexOf(u'/');
    const QString subfolder = slash < 0 ? QString() : relative.left(slash);
    const QString name = relative.mid(slash + 1);
    bool numbered = false;
    const qint64 number = QFileInfo(name).completeBaseName().toLongLong(&numbered);
    return std::make_tuple(slash >= 0, subfolder.toCaseFolded(), !numbered, numbered ? number : 0,
                           name.toCaseFolded(), name);
}

QString convertedLabel(const PaletteOrigin& converted)
{
    if (converted.reason == PaletteOrigin::Reason::Own)
        return QCoreApplication::translate("PaletteChoices", "Own colours");
    if (!converted.list.isEmpty())
        return QCoreApplication::translate("PaletteChoices", "%1: %2").arg(converted.list).arg(converted.id);
    return converted.file.isEmpty() ? QCoreApplication::translate("PaletteChoices", "As converted")
                                    : QDir::toNativeSeparators(converted.file);
}

} // namespace

QStringList filesIn(const QString& folder, bool subfolders)
{
    QStringList files;
    appendFiles(files, folder);
    if (subfolders) {
        QDirIterator entries(folder, QDir::Dirs | QDir::NoDotAndDotDot);
        while (entries.hasNext())
            appendFiles(files, entries.next());
    }
    return files;
}

QList<Choice> build(const QString& folder, const QStringList& files, const QList<ListedPalette>& lists,
                    const PaletteOrigin& converted, const PaletteOrigin& current)
{
    using Reason = PaletteOrigin::Reason;
    const QDir root(folder);
    QStringList relative;
    for (const QString& file : files)
        relative.append(QDir::fromNativeSeparators(root.relativeFilePath(file)));
    std::ranges::sort(relative, {}, orderOf);

    QList<Choice> choices;
    for (const QString& file : relative)
        choices.append({QDir::toNativeSeparators(file),
                        {Reason::Chosen, converted.number, QDir::cleanPath(root.filePath(file)), {}, 0},
                        std::nullopt});
    for (const ListedPalette& listed : lists)
        choices.append(
            {QCoreApplication::translate("PaletteChoices", "%1: %2").arg(listed.list).arg(listed.id),
             {Reason::Chosen, converted.number, {}, listed.list, listed.id},
             listed.colours});
    if (std::ranges::none_of(choices,
                             [&](const Choice& choice) { return choice.origin.samePalette(converted); }))
        choices.prepend({convertedLabel(converted), converted, std::nullopt});
    for (Choice& choice : choices)
        choice.current = choice.origin.samePalette(current);
    return choices;
}

} // namespace PaletteChoices
