#pragma once

#include "picture/core/PictureExport.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QStringList>
#include <optional>

// The options of the command-line mode, which works without a window:
//   --list ARCHIVE | --extract ARCHIVE [NAME...] --to DIR | --convert ARCHIVE [NAME...] --to DIR
//   | --contact-sheet ARCHIVE [NAME...] --to FILE.png|FILE.bmp | --find PATTERN FOLDER [--recursive]
//   | --grep TEXT ARCHIVE... [--regex] [--case-sensitive] | --help | -h | --version, each with
//   --quiet and --jobs N anywhere; "--" ends the options. --convert also takes --format bmp|png and,
//   with png, --transparent INDEX; --contact-sheet takes --cell 64|128|256. Qt's own options are Qt's (see
//   StartArguments) and are passed over.
struct CommandLineOptions {
    Q_DECLARE_TR_FUNCTIONS(CommandLineOptions)

public:
    enum class Command { List, Extract, Convert, ContactSheet, Find, Grep, Help, Version };

    Command command = Command::Help;
    QString archive;
    QStringList names;  // the objects named, in the order given; none means all
    QString destFolder; // or, for the contact sheet, the file it is written to
    // What --find and --grep look for: a name pattern, or a text in scripts.
    QString searchText;
    QString folder;         // that --find searches
    QStringList archives;   // that --grep searches, as given
    bool recursive = false; // --find: the folder's subfolders too
    bool regex = false;     // --grep: the text is a regular expression
    bool caseSensitive = false;
    bool quiet = false;
    // As given; a conversion writes BMP files when none is.
    std::optional<PictureExport::Format> format;
    std::optional<int> transparentIndex;
    // How many tools run at once, as given; the settings say when it is not.
    std::optional<int> jobs;
    // The side of the contact sheet's cells, as given; the sheet is drawn at natural size when none is.
    std::optional<int> cell;
    // What is wrong with the arguments; empty when they can be run.
    QString error;

    // Whether the command draws a picture with text, which needs the fonts of a QGuiApplication.
    bool drawsText() const { return error.isEmpty() && command == Command::ContactSheet; }
    // `arguments` are argv without the program's name. A file or folder whose name's bytes would not
    // come back from the text they are read as is refused: the run would work on another one.
    static CommandLineOptions parse(const QByteArrayList& arguments);
    // The text --help prints.
    static QString usage();
};
