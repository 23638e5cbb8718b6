#include "app/core/StartArguments.h"

#include "platform/core/FileSystem.h"

#include <QFile>

namespace {

// Qt's options as Qt 6 reads them: its application, its widgets and its X11 platform.
const QByteArrayList& optionsWithValue()
{
    static const QByteArrayList options{"-platform",
                                        "-platformpluginpath",
                                        "-platformtheme",
                                        "-plugin",
                                        "-qwindowgeometry",
                                        "-qwindowicon",
                                        "-qwindowtitle",
                                        "-session",
                                        "-display",
                                        "-geometry",
                                        "-style",
                                        "-stylesheet",
                                        "-name",
                                        "-title",
                                        "-visual",
                                        "-ncols",
                                        "-fn",
                                        "-font",
                                        "-bg",
                                        "-background",
                                        "-fg",
                                        "-foreground",
                                        "-btn",
                                        "-button"};
    return options;
}

const QByteArrayList& switches()
{
    static const QByteArrayList options{"-reverse",     "-nograb", "-dograb",     "-sync",
                                        "-widgetcount", "-cmap",   "-testability"};
    return options;
}

const QByteArrayList& optionsWithJoinedValue()
{
    static const QByteArrayList options{"-style=", "-stylesheet=", "-qmljsdebugger="};
    return options;
}

} // namespace

qsizetype StartArguments::qtOptionLength(const QByteArrayList& arguments, qsizetype at)
{
    const QByteArray& argument = arguments.at(at);
    if (switches().contains(argument))
        return 1;
    for (const QByteArray& option : optionsWithJoinedValue()) {
        if (argument.startsWith(option))
            return 1;
    }
    // Qt leaves such an option without its value alone.
    if (optionsWithValue().contains(argument))
        return at + 1 < arguments.size() ? 2 : 1;
    return 0;
}

StartArguments StartArguments::read(const QByteArrayList& arguments)
{
    StartArguments start;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments.at(i);
        if (argument == "--") {
            for (const QByteArray& archive : arguments.mid(i + 1))
                start.archives.append(FileSystem::plainPath(QFile::decodeName(archive)));
            break;
        }
        if (const qsizetype length = qtOptionLength(arguments, i); length > 0) {
            start.qtOptions.append(arguments.mid(i, length));
            start.namesPlatform = start.namesPlatform || (argument == "-platform" && length == 2);
            i += length - 1;
        } else if (argument.startsWith('-')) {
            start.mode = Mode::CommandLine;
        } else {
            start.archives.append(FileSystem::plainPath(QFile::decodeName(argument)));
        }
    }
    return start;
}

QString StartArguments::noDisplay()
{
    return tr("no display found (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set); the command-line "
              "mode needs none: see kadrillo --help");
}
