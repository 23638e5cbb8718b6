// Proves, for any arguments (the input split at NUL bytes, which argv cannot hold), that the parse of the
// command-line options is the same twice, that -h or --help first wins over whatever follows, and that
// an accepted command names what it reads (an archive, --find's folder, --grep's archives) and, for a
// writing command, where it writes, each by the bytes given (with "./" before a path that starts with a
// colon, which Qt would take for a resource); and that the start reads every argument once: as Qt's, as
// an archive, or as "--".
#include "FuzzTarget.h"
#include "app/core/CommandLineOptions.h"
#include "app/core/StartArguments.h"
#include "picture/core/ContactSheetLayout.h"
#include "platform/core/FileSystem.h"

#include <QFile>
#include <algorithm>

namespace {

FuzzTarget::Seeds seeds()
{
    const auto joined = [](const QByteArrayList& arguments) {
        return arguments.join('\0');
    };
    return {
        {"list", joined({"--list", "a.vol"})},
        {"extract-named", joined({"--extract", "a.vol", "x.cs", "--quiet", "--to", "out dir"})},
        {"convert-png", joined({"--convert", "a.vol", "--format", "png", "--transparent", "3", "--to", "d"})},
        {"contact-sheet", joined({"--contact-sheet", "a.vol", "sky.bmp", "--to", "sheet.BMP"})},
        {"contact-sheet-cells", joined({"--contact-sheet", "a.vol", "--cell", "128", "--to", "sheet.png"})},
        {"qt-options",
         joined({"-style", "fusion", "-reverse", "a.vol", "-platform", "offscreen", "-style=x"})},
        {"ended-options", joined({"--extract", "--to", "d", "--", "-h", "--list"})},
        {"not-text", joined({"--extract", "\xe9t\xe9.vol", "--to", "odd\xff\xfe"})},
        {"help", joined({"-h", "--frob", "--format", "gif"})},
        {"find", joined({"--find", "*.cs", "game dir", "--recursive"})},
        {"grep", joined({"--grep", "schedule(", "a.vol", "b.vol", "--regex", "--case-sensitive"})},
    };
}

QString fields(const CommandLineOptions& options)
{
    return QStringList{QString::number(int(options.command)),
                       options.archive,
                       options.names.join(QLatin1Char('|')),
                       options.destFolder,
                       QString::number(options.quiet),
                       QString::number(options.format ? int(*options.format) : -1),
                       QString::number(options.transparentIndex.value_or(-1)),
                       QString::number(options.cell.value_or(-1)),
                       options.searchText,
                       options.folder,
                       options.archives.join(QLatin1Char('|')),
                       QString::number(options.recursive),
                       QString::number(options.regex),
                       QString::number(options.caseSensitive),
                       options.error}
        .join(QLatin1Char('\n'));
}

void checkParse(const QByteArrayList& arguments)
{
    using Command = CommandLineOptions::Command;
    const CommandLineOptions options = CommandLineOptions::parse(arguments);
    if (fields(CommandLineOptions::parse(arguments)) != fields(options))
        FuzzTarget::finding("the same arguments parse otherwise: " + fields(options));
    for (const QByteArray& help : {QByteArray("-h"), QByteArray("--help")}) {
        const CommandLineOptions asked = CommandLineOptions::parse(QByteArrayList{help} + arguments);
        if (asked.command != Command::Help || !asked.error.isEmpty())
            FuzzTarget::finding(QString::fromLatin1(help) + " first did not win: " + fields(asked));
    }
    if (!options.error.isEmpty() || options.command == Command::Help || options.command == Command::Version)
        return;
    const bool finds = options.command == Command::Find;
    const bool greps = options.command == Command::Grep;
    const bool writes = options.command != Command::List && !finds && !greps;
    // Each file or folder given names exactly the bytes of one argument, as they are or as Qt must be
    // given them (--grep's archives are printed as given).
    const auto given = [&arguments](const QString& path) {
        return !path.isEmpty() &&
               std::any_of(arguments.cbegin(), arguments.cend(), [&path](const QByteArray& bytes) {
                   const QString argument = QFile::decodeName(bytes);
                   return path == argument || path == FileSystem::plainPath(argument);
               });
    };
    if (finds != given(options.folder))
        FuzzTarget::finding("--find does not go with a folder of the bytes given: " + fields(options));
    if (greps != !options.archives.isEmpty() ||
        !std::all_of(options.archives.cbegin(), options.archives.cend(), given))
        FuzzTarget::finding("--grep does not go with archives of the bytes given: " + fields(options));
    if (!finds && !greps && !given(options.archive))
        FuzzTarget::finding("an accepted command has no archive of the bytes given: " + fields(options));
    if ((options.recursive && !finds) || ((options.regex || options.caseSensitive) && !greps))
        FuzzTarget::finding("a search option was taken for another command: " + fields(options));
    if (writes != given(options.destFolder))
        FuzzTarget::finding("--to does not go with the command as it must: " + fields(options));
    if (options.command == Command::List && !options.names.isEmpty())
        FuzzTarget::finding("--list was given object names: " + fields(options));
    if (options.command == Command::ContactSheet &&
        !options.destFolder.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        !options.destFolder.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        FuzzTarget::finding("a contact sheet would be written to neither PNG nor BMP: " + fields(options));
    if ((options.format || options.transparentIndex) && options.command != Command::Convert)
        FuzzTarget::finding("--format or --transparent was taken without --convert: " + fields(options));
    if (options.transparentIndex && (options.format != PictureExport::Format::Png ||
                                     *options.transparentIndex < 0 || *options.transparentIndex > 255))
        FuzzTarget::finding("a transparent index was taken that no PNG can have: " + fields(options));
    const auto& sides = ContactSheetLayout::cellSides;
    if (options.cell && (options.command != Command::ContactSheet ||
                         std::find(sides.cbegin(), sides.cend(), *options.cell) == sides.cend()))
        FuzzTarget::finding("a cell was taken that no contact sheet draws: " + fields(options));
}

void checkStart(const QByteArrayList& arguments)
{
    const StartArguments start = StartArguments::read(arguments);
    // A "--" may also be the value of one of Qt's options, as Qt reads it.
    const qsizetype taken = start.qtOptions.size() + start.archives.size();
    if (start.mode == StartArguments::Mode::Window && taken != arguments.size() &&
        !(taken == arguments.size() - 1 && arguments.contains("--")))
        FuzzTarget::finding(QStringLiteral("the window took %1 Qt options and %2 archives of %3 arguments")
                                .arg(start.qtOptions.size())
                                .arg(start.archives.size())
                                .arg(arguments.size()));
    if (start.namesPlatform && !start.qtOptions.contains("-platform"))
        FuzzTarget::finding("a platform is named without -platform");
    if (StartArguments::read(QByteArrayList{"-h"} + arguments).mode != StartArguments::Mode::CommandLine)
        FuzzTarget::finding("-h first did not start the command line");
    const StartArguments ended = StartArguments::read(QByteArrayList{"--"} + arguments);
    QStringList archives;
    for (const QByteArray& argument : arguments)
        archives.append(FileSystem::plainPath(QFile::decodeName(argument)));
    if (ended.mode != StartArguments::Mode::Window || ended.archives != archives ||
        !ended.qtOptions.isEmpty())
        FuzzTarget::finding("after --, the arguments were not all archives");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzTarget::writeSeedsIfAsked(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = FuzzTarget::bytes(data, size);
    const QByteArrayList arguments = input.isEmpty() ? QByteArrayList() : input.split('\0');
    checkParse(arguments);
    checkStart(arguments);
    return 0;
}
