#pragma once

#include "picture/PictureExport.h"

#include <QCoreApplication>
#include <QStringList>
#include <optional>

// The options of the command-line mode, which works without a window:
//   --list ARCHIVE | --extract ARCHIVE [NAME...] --to DIR | --convert ARCHIVE [NAME...] --to DIR
//   | --contact-sheet ARCHIVE [NAME...] --to FILE.png | --help | --version, each with --quiet anywhere;
//   "--" ends the options. --convert also takes --format bmp|png and, with png, --transparent INDEX.
struct BatchOptions {
    Q_DECLARE_TR_FUNCTIONS(BatchOptions)

public:
    enum class Command { List, Extract, Convert, ContactSheet, Help, Version };

    Command command = Command::Help;
    QString archive;
    QStringList names;  // the objects named, in the order given; none means all
    QString destFolder; // or, for the contact sheet, the file it is written to
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
    // Whether the command draws a picture with text, which needs the fonts of a QGuiApplication.
    static bool drawsText(int argc, char** argv);
    static BatchOptions parse(const QStringList& arguments);
    // The text --help prints.
    static QString usage();
};
