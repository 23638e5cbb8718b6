#pragma once

#include <QByteArrayList>
#include <QCoreApplication>
#include <QStringList>

// How the program's arguments start it, read from argv before Qt reads them. The command-line mode
// starts when one of its options is given ("--" and a word, or "-h"), and when an argument starts with
// "-" but is no option of Qt's, so that it is refused there rather than opened as an archive. Otherwise
// the window starts: Qt's own options (-style, -platform, ...) go to Qt, and the rest are archives;
// after "--" every argument is an archive, whatever it starts with.
class StartArguments {
    Q_DECLARE_TR_FUNCTIONS(StartArguments)

public:
    enum class Mode { Window, CommandLine };

    Mode mode = Mode::Window;
    QByteArrayList qtOptions;   // with their values, in their order
    QStringList archives;       // as given
    bool namesPlatform = false; // Qt is told which platform to open the window on

    // `arguments` are argv without the program's name.
    static StartArguments read(const QByteArrayList& arguments);
    // How many arguments from `at` on are one of Qt's own options: 0 when the one at `at` is none, 2 for
    // an option and its value ("-style fusion"), 1 for a switch or "-style=fusion".
    static qsizetype qtOptionLength(const QByteArrayList& arguments, qsizetype at);
    // Said when the window has no display to open on.
    static QString noDisplay();
};
