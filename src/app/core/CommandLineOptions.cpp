#include "app/core/CommandLineOptions.h"

#include "app/core/StartArguments.h"
#include "archive/core/RunDriver.h"
#include "picture/core/ContactSheetLayout.h"
#include "platform/core/FileSystem.h"

#include <QFile>
#include <QMap>
#include <algorithm>

namespace {

const QMap<QByteArray, CommandLineOptions::Command>& commands()
{
    static const QMap<QByteArray, CommandLineOptions::Command> byOption{
        {"--list", CommandLineOptions::Command::List},
        {"--extract", CommandLineOptions::Command::Extract},
        {"--convert", CommandLineOptions::Command::Convert},
        {"--contact-sheet", CommandLineOptions::Command::ContactSheet},
        {"--find", CommandLineOptions::Command::Find},
        {"--grep", CommandLineOptions::Command::Grep},
        {"--help", CommandLineOptions::Command::Help},
        {"-h", CommandLineOptions::Command::Help},
        {"--version", CommandLineOptions::Command::Version},
    };
    return byOption;
}

// Why the argument cannot name a file or folder, or empty.
QString unnamable(const QByteArray& argument)
{
    if (QFile::encodeName(QFile::decodeName(argument)) == argument)
        return {};
    return CommandLineOptions::tr(
               "%1 cannot name a file or folder: its bytes are not text in the system's encoding")
        .arg(QFile::decodeName(argument));
}

// The checks that need every argument read first; empty when they pass.
QString missingParts(const CommandLineOptions& options, qsizetype commandsGiven)
{
    using Command = CommandLineOptions::Command;
    const bool writes = options.command == Command::Extract || options.command == Command::Convert ||
                        options.command == Command::ContactSheet;
    if (commandsGiven == 0)
        return CommandLineOptions::tr(
            "no command given: use --list, --extract, --convert, --contact-sheet, --find or --grep");
    if (commandsGiven > 1)
        return CommandLineOptions::tr(
            "give only one of --list, --extract, --convert, --contact-sheet, --find and --grep");
    if (options.recursive && options.command != Command::Find)
        return CommandLineOptions::tr("--recursive only goes with --find");
    if ((options.regex || options.caseSensitive) && options.command != Command::Grep)
        return CommandLineOptions::tr("--regex and --case-sensitive only go with --grep");
    if ((options.format || options.transparentIndex) && options.command != Command::Convert)
        return CommandLineOptions::tr("--format and --transparent only go with --convert");
    if (options.cell && options.command != Command::ContactSheet)
        return CommandLineOptions::tr("--cell only goes with --contact-sheet");
    if (options.command == Command::Find && (options.folder.isEmpty() || !options.archives.isEmpty()))
        return CommandLineOptions::tr("--find takes a PATTERN and one FOLDER");
    if (options.command == Command::Grep && options.archives.isEmpty())
        return CommandLineOptions::tr("--grep takes a TEXT and at least one ARCHIVE");
    if ((options.command == Command::Find || options.command == Command::Grep) &&
        !options.destFolder.isEmpty())
        return CommandLineOptions::tr("--to only goes with --extract, --convert and --contact-sheet");
    if (options.command == Command::Find || options.command == Command::Grep)
        return {};
    if (options.archive.isEmpty())
        return CommandLineOptions::tr("no archive given");
    if (options.command == Command::List && !options.names.isEmpty())
        return CommandLineOptions::tr("--list takes one archive and no object names");
    if (writes && options.destFolder.isEmpty())
        return CommandLineOptions::tr("--to DIR is missing");
    if (!writes && !options.destFolder.isEmpty())
        return CommandLineOptions::tr("--to only goes with --extract, --convert and --contact-sheet");
    if (options.command == Command::ContactSheet &&
        !options.destFolder.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        !options.destFolder.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        return CommandLineOptions::tr("--contact-sheet writes a .png or a .bmp file, and %1 ends in neither")
            .arg(options.destFolder);
    if (options.transparentIndex && options.format != PictureExport::Format::Png)
        return CommandLineOptions::tr("--transparent only goes with --format png");
    return {};
}

// --format or --transparent and the value after it; why they cannot be taken, or empty.
QString readExportOption(CommandLineOptions& options, const QByteArray& option, const QByteArray& value)
{
    if (option == "--format") {
        if (options.format || (value != "bmp" && value != "png"))
            return CommandLineOptions::tr("--format takes bmp or png, once");
        options.format = value == "png" ? PictureExport::Format::Png : PictureExport::Format::Bmp;
        return {};
    }
    bool isNumber = false;
    const int index = QFile::decodeName(value).toInt(&isNumber);
    if (options.transparentIndex || !isNumber || index < 0 || index > 255)
        return CommandLineOptions::tr("--transparent takes one colour index from 0 to 255");
    options.transparentIndex = index;
    return {};
}

// --jobs and the value after it; why it cannot be taken, or empty.
QString readJobs(CommandLineOptions& options, const QByteArray& value)
{
    bool isNumber = false;
    const int jobs = QFile::decodeName(value).toInt(&isNumber);
    if (options.jobs || !isNumber || jobs < 1 || jobs > RunDriver::mostParallelRuns)
        return CommandLineOptions::tr("--jobs takes one number of tools to run at once, from 1 to %1")
            .arg(RunDriver::mostParallelRuns);
    options.jobs = jobs;
    return {};
}

// --cell and the value after it; why it cannot be taken, or empty.
QString readCell(CommandLineOptions& options, const QByteArray& value)
{
    bool isNumber = false;
    const int side = QFile::decodeName(value).toInt(&isNumber);
    const auto& sides = ContactSheetLayout::cellSides;
    if (options.cell || !isNumber || std::find(sides.cbegin(), sides.cend(), side) == sides.cend())
        return CommandLineOptions::tr("--cell takes 64, 128 or 256, once");
    options.cell = side;
    return {};
}

} // namespace

CommandLineOptions CommandLineOptions::parse(const QByteArrayList& arguments)
{
    CommandLineOptions options;
    QByteArrayList operands;
    QList<Command> given;
    // The first thing wrong is told; the rest is read all the same, since --help wins over it.
    const auto refuse = [&options](const QString& why) {
        if (options.error.isEmpty())
            options.error = why;
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith('-')) {
            operands.append(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--quiet") {
            options.quiet = true;
        } else if (argument == "--recursive") {
            options.recursive = true;
        } else if (argument == "--regex") {
            options.regex = true;
        } else if (argument == "--case-sensitive") {
            options.caseSensitive = true;
        } else if (argument == "--to") {
            if (++i == arguments.size() || arguments.at(i).isEmpty() || !options.destFolder.isEmpty())
                refuse(tr("--to needs one folder"));
            else if (const QString why = unnamable(arguments.at(i)); !why.isEmpty())
                refuse(why);
            else
                options.destFolder = FileSystem::plainPath(QFile::decodeName(arguments.at(i)));
        } else if (argument == "--jobs") {
            const QByteArray value = ++i < arguments.size() ? arguments.at(i) : QByteArray();
            if (const QString why = readJobs(options, value); !why.isEmpty())
                refuse(why);
        } else if (argument == "--cell") {
            const QByteArray value = ++i < arguments.size() ? arguments.at(i) : QByteArray();
            if (const QString why = readCell(options, value); !why.isEmpty())
                refuse(why);
        } else if (argument == "--format" || argument == "--transparent") {
            const QByteArray value = ++i < arguments.size() ? arguments.at(i) : QByteArray();
            if (const QString why = readExportOption(options, argument, value); !why.isEmpty())
                refuse(why);
        } else if (const auto command = commands().constFind(argument); command != commands().cend()) {
            given.append(*command);
        } else if (const qsizetype length = StartArguments::qtOptionLength(arguments, i); length > 0) {
            i += length - 1;
        } else {
            refuse(tr("unknown option %1").arg(QFile::decodeName(argument)));
        }
    }
    // --help and --version need nothing else and win over the rest.
    for (const Command informs : {Command::Help, Command::Version}) {
        if (given.contains(informs)) {
            options.command = informs;
            options.error.clear();
            return options;
        }
    }
    if (!given.isEmpty())
        options.command = given.first();
    if (options.command == Command::Find || options.command == Command::Grep) {
        // The pattern or text first, which may be empty; then the folder or the archives.
        if (!operands.isEmpty())
            options.searchText = QString::fromLocal8Bit(operands.takeFirst());
        for (const QByteArray& path : std::as_const(operands)) {
            refuse(unnamable(path));
            // An empty argument names nothing; it is not skipped, or the next would take its place.
            if (path.isEmpty())
                refuse(options.command == Command::Find ? tr("no folder given") : tr("no archive given"));
            else if (options.command == Command::Find && options.folder.isEmpty())
                options.folder = FileSystem::plainPath(QFile::decodeName(path));
            else
                options.archives.append(QFile::decodeName(path));
        }
    } else if (!operands.isEmpty()) {
        refuse(unnamable(operands.first()));
        options.archive = FileSystem::plainPath(QFile::decodeName(operands.takeFirst()));
        for (const QByteArray& name : std::as_const(operands))
            options.names.append(QFile::decodeName(name));
    }
    refuse(missingParts(options, given.size()));
    return options;
}

QString CommandLineOptions::usage()
{
    return tr("Usage:\n"
              "  kadrillo [ARCHIVE...]\n"
              "      open the archives in the window; Qt's own options, such as -style NAME, go with them\n"
              "  kadrillo --list ARCHIVE\n"
              "      print the archive's object names, one a line, in the archive's order\n"
              "  kadrillo --extract ARCHIVE [NAME...] --to DIR\n"
              "      extract the named objects into DIR (all of them when none is named)\n"
              "  kadrillo --convert ARCHIVE [NAME...] --to DIR [--format bmp|png] [--transparent INDEX]\n"
              "      convert the named pictures to BMP files in DIR (when none is named, every\n"
              "      object whose name ends in \"bmp\"); with --format png, to 8-bit indexed PNG\n"
              "      files instead (\"sky.bmp\" becomes \"sky.png\") that keep every colour index\n"
              "      and the palette, with colour INDEX (0 to 255) transparent when --transparent\n"
              "      is given\n"
              "  kadrillo --contact-sheet ARCHIVE [NAME...] --to FILE.png|FILE.bmp [--cell 64|128|256]\n"
              "      draw the named pictures (as --convert chooses them) side by side with their names\n"
              "      below, into one PNG or BMP picture, as the ending of FILE says; at their own size,\n"
              "      or with --cell each scaled into a square cell of that many pixels, its name and\n"
              "      size below it\n"
              "  kadrillo --find PATTERN FOLDER [--recursive]\n"
              "      print ARCHIVE<TAB>OBJECT for every object whose name matches PATTERN (* and ?,\n"
              "      in any case; '' matches every name) in the .vol archives of FOLDER, and with\n"
              "      --recursive of its subfolders, ARCHIVE relative to FOLDER\n"
              "  kadrillo --grep TEXT ARCHIVE... [--regex] [--case-sensitive]\n"
              "      print ARCHIVE<TAB>SCRIPT<TAB>LINE<TAB>TEXT for every line of the archives' \".cs\"\n"
              "      and \".txt\" objects that holds TEXT (a regular expression with --regex), in any\n"
              "      case unless --case-sensitive is given\n"
              "  kadrillo --help | -h | --version\n"
              "\n"
              "Options:\n"
              "  --quiet   no progress lines; failures are still printed\n"
              "  --jobs N  run up to N tools at once (1 to 64); without it, as many as the settings'\n"
              "            \"Parallel Runs\" say, one per core by default\n"
              "  --        what follows is an archive or an object name, even when it starts with \"-\"\n"
              "\n"
              "The tools, the working folder and the palettes come from the settings of the window.\n"
              "Nothing is asked: a named object that does not end in \"bmp\" is not converted and counts\n"
              "as failed, and a standard bitmap is copied as it is in the archive, with its own colours.\n"
              "\n"
              "Exit status: 0 when every object succeeded, 1 when any failed, 2 for a usage error or an\n"
              "archive that cannot be listed. --find and --grep: 0 when something was found and every\n"
              "archive was read, 1 when nothing was found or an archive could not be read (it is named\n"
              "with the reason, and the rows of the others are printed), 2 for a usage error.\n");
}
