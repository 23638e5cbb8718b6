#pragma once

#include "picture/PictureExport.h"

#include <QCoreApplication>
#include <QStringList>
#include <optional>

// The options of the command-line mode, which works without a window:
//   --list ARCHIVE | --extract ARCHIVE [NAME...] --to DIR | --convert ARCHIVE [NAME...] --to DIR
//   | --help | --version, each with --quiet anywhere; "--" ends the options. --convert also takes
//   --format bmp|png and, with png, --transparent INDEX.
struct BatchOptions {
    Q_DECLARE_TR_FUNCTIONS(BatchOptions)

public:
    enum class Command { List, Extract, Convert, Help, Version };

    Command command = Command::Help;
    QString archive;
    QStringList names; // the objects named, in the order given; none means all
    QString destFolder;
    bool quiet = false;
    // As given; a conversion writes BMP files when none is.
    std::optional<PictureExport::Format> format;
    std::optional<int> transparentIndex;
    // What is wrong with the arguments; empty when they can be run.
    QString error;

    // Whether the program runs in this mode: when any argument starts with "--", so that a mistyped
    // option is refused rather than opened as an archive. Plain archive paths start the windows.
    static bool requested(const QStringList& arguments);
    static bool requested(int argc, char** argv);
    static BatchOptions parse(const QStringList& arguments);
    // The text --help prints.
    static QString usage();
};
