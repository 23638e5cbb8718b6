#include "app/BatchOptions.h"

#include <QMap>

namespace {

const QMap<QString, BatchOptions::Command>& commands()
{
    static const QMap<QString, BatchOptions::Command> byOption{
        {QStringLiteral("--list"), BatchOptions::Command::List},
        {QStringLiteral("--extract"), BatchOptions::Command::Extract},
        {QStringLiteral("--convert"), BatchOptions::Command::Convert},
        {QStringLiteral("--contact-sheet"), BatchOptions::Command::ContactSheet},
        {QStringLiteral("--help"), BatchOptions::Command::Help},
        {QStringLiteral("--version"), BatchOptions::Command::Version},
    };
    return byOption;
}

// The checks that need every argument read first; empty when they pass.
QString missingParts(const BatchOptions& options, qsizetype commandsGiven, qsizetype operands)
{
    using Command = BatchOptions::Command;
    const bool writes = options.command == Command::Extract || options.command == Command::Convert ||
                        options.command == Command::ContactSheet;
    if (commandsGiven == 0)
        return BatchOptions::tr("no command given: use --list, --extract or --convert");
    if (commandsGiven > 1)
        return BatchOptions::tr("give only one of --list, --extract and --convert");
    if (operands == 0)
        return BatchOptions::tr("no archive given");
    if (options.command == Command::List && operands > 1)
        return BatchOptions::tr("--list takes one archive and no object names");
    if (writes && options.destFolder.isEmpty())
        return BatchOptions::tr("--to DIR is missing");
    if (!writes && !options.destFolder.isEmpty())
        return BatchOptions::tr("--to only goes with --extract and --convert");
    if ((options.format || options.transparentIndex) && options.command != Command::Convert)
        return BatchOptions::tr("--format and --transparent only go with --convert");
    if (options.transparentIndex && options.format != PictureExport::Format::Png)
        return BatchOptions::tr("--transparent only goes with --format png");
    return {};
}

// --format or --transparent and the value after it; why they cannot be taken, or empty.
QString readExportOption(BatchOptions& options, const QString& option, const QString& value)
{
    if (option == QLatin1String("--format")) {
        if (options.format || (value != QLatin1String("bmp") && value != QLatin1String("png")))
            return BatchOptions::tr("--format takes bmp or png, once");
        options.format =
            value == QLatin1String("png") ? PictureExport::Format::Png : PictureExport::Format::Bmp;
        return {};
    }
    bool isNumber = false;
    const int index = value.toInt(&isNumber);
    if (options.transparentIndex || !isNumber || index < 0 || index > 255)
        return BatchOptions::tr("--transparent takes one colour index from 0 to 255");
    options.transparentIndex = index;
    return {};
}

} // namespace

bool BatchOptions::requested(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1String("--")))
            return true;
    }
    return false;
}

bool BatchOptions::requested(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return requested(arguments);
}

bool BatchOptions::drawsText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--") == 0)
            break;
        if (qstrcmp(argv[i], "--contact-sheet") == 0)
            return true;
    }
    return false;
}

BatchOptions BatchOptions::parse(const QStringList& arguments)
{
    BatchOptions options;
    QStringList operands;
    QList<Command> given;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            operands.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--quiet")) {
            options.quiet = true;
        } else if (argument == QLatin1String("--to")) {
            if (++i == arguments.size() || arguments.at(i).isEmpty() || !options.destFolder.isEmpty()) {
                options.error = tr("--to needs one folder");
                return options;
            }
            options.destFolder = arguments.at(i);
        } else if (argument == QLatin1String("--format") || argument == QLatin1String("--transparent")) {
            options.error =
                readExportOption(options, argument, ++i < arguments.size() ? arguments.at(i) : QString());
            if (!options.error.isEmpty())
                return options;
        } else if (const auto command = commands().constFind(argument); command != commands().cend()) {
            given.append(*command);
        } else {
            options.error = tr("unknown option %1").arg(argument);
            return options;
        }
    }
    // --help and --version need nothing else and win over the rest.
    for (const Command informs : {Command::Help, Command::Version}) {
        if (given.contains(informs)) {
            options.command = informs;
            return options;
        }
    }
    if (!given.isEmpty())
        options.command = given.first();
    options.error = missingParts(options, given.size(), operands.size());
    if (!operands.isEmpty()) {
        options.archive = operands.takeFirst();
        options.names = operands;
    }
    return options;
}

QString BatchOptions::usage()
{
    return tr("Usage:\n"
              "  kadrillo [ARCHIVE...]\n"
              "      open the archives in the window\n"
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
              "  kadrillo --contact-sheet ARCHIVE [NAME...] --to FILE.png\n"
              "      draw the named pictures (as --convert chooses them) side by side with their names\n"
              "      below, into one PNG picture\n"
              "  kadrillo --help | --version\n"
              "\n"
              "Options:\n"
              "  --quiet   no progress lines; failures are still printed\n"
              "  --        what follows is an archive or an object name, even when it starts with \"--\"\n"
              "\n"
              "The tools, the working folder and the palettes come from the settings of the window.\n"
              "Nothing is asked: a named object that does not end in \"bmp\" is not converted and counts\n"
              "as failed, and a standard bitmap is copied as it is in the archive, with its own colours.\n"
              "\n"
              "Exit status: 0 when every object succeeded, 1 when any failed, 2 for a usage error or an\n"
              "archive that cannot be listed.\n");
}
