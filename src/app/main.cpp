#include "app/cli/CommandLineConsole.h"
#include "app/cli/CommandLineMode.h"
#include "app/core/AppCore.h"
#include "app/core/CommandLine.h"
#include "app/core/CommandLineOptions.h"
#include "app/core/StartArguments.h"
#include "app/ui/frmMain.h"
#include "platform/core/Catalogues.h"
#include "platform/core/TerminationSignals.h"
#include "platform/ui/QtDesktopOpener.h"
#include "platform/ui/QtFilePicker.h"
#include "platform/ui/QtMessageBoxes.h"

#include <QApplication>
#include <QGuiApplication>
#include <vector>

namespace {

void nameProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Kadrillo"));
    QCoreApplication::setApplicationName(QStringLiteral("Kadrillo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KADRILLO_VERSION));
}

// The command-line mode runs without a display, so it never makes a QApplication; drawing text needs
// fonts, which come with a QGuiApplication on the display-less platform. Qt is given none of the
// arguments, which were read already. They are read once more when the user's language is in, so
// that what they meet is said in it.
template <typename Application> int runCommandLine(char* program, const QByteArrayList& arguments)
{
    int argc = 1;
    char* argv[] = {program, nullptr};
    Application app(argc, argv);
    nameProgram();
    const Catalogues catalogues{QLocale()};
    AppCore core;
    return CommandLineMode(CommandLineOptions::parse(arguments), core).run();
}

int refuseWithoutDisplay(char* program)
{
    int argc = 1;
    char* argv[] = {program, nullptr};
    QCoreApplication app(argc, argv);
    const Catalogues catalogues{QLocale()};
    CommandLineConsole(false).warn(StartArguments::noDisplay());
    return CommandLineMode::UsageError;
}

bool displayNamed()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(argv[i]);
    StartArguments start = StartArguments::read(arguments);
    if (start.mode == StartArguments::Mode::CommandLine) {
        if (CommandLineOptions::parse(arguments).drawsText()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return runCommandLine<QGuiApplication>(argv[0], arguments);
        }
        return runCommandLine<QCoreApplication>(argv[0], arguments);
    }
    if (!start.namesPlatform && !displayNamed())
        return refuseWithoutDisplay(argv[0]);
    // Qt reads its own options only, so that no archive is taken for one.
    std::vector<char*> forQt{argv[0]};
    for (QByteArray& option : start.qtOptions)
        forQt.push_back(option.data());
    int qtArgc = int(forQt.size());
    forQt.push_back(nullptr);
    QApplication app(qtArgc, forQt.data());
    nameProgram();
    const Catalogues catalogues{QLocale()};

    AppCore core;
    QtMessageBoxes messages;
    QtFilePicker files;
    QtDesktopOpener desktop;
    frmMain window(core, Seams{messages, files, desktop});
    window.setArchivePaths(CommandLine::archivePaths(start.archives));

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &window, [&window] {
        window.close();
        QCoreApplication::exit(0);
    });

    window.Form_Load();
    if (window.isUnloaded())
        return 0;
    window.show();
    return app.exec();
}
