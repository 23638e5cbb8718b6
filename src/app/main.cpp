#include "app/AppState.h"
#include "app/BatchMode.h"
#include "app/BatchOptions.h"
#include "app/CommandLine.h"
#include "app/frmMain.h"
#include "platform/QtDesktopOpener.h"
#include "platform/QtFilePicker.h"
#include "platform/QtMessageBoxes.h"
#include "platform/SettingsStore.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QGuiApplication>

namespace {

void nameProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Kadrillo"));
    QCoreApplication::setApplicationName(QStringLiteral("Kadrillo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KADRILLO_VERSION));
}

// The command-line mode runs without a display, so it never makes a QApplication; drawing text needs
// fonts, which come with a QGuiApplication on the display-less platform.
template <typename Application> int runCommandLine(int argc, char* argv[])
{
    Application app(argc, argv);
    nameProgram();
    SettingsStore store;
    return BatchMode(BatchOptions::parse(QCoreApplication::arguments().mid(1)), store).run();
}

} // namespace

int main(int argc, char* argv[])
{
    if (BatchOptions::requested(argc, argv) && BatchOptions::drawsText(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return runCommandLine<QGuiApplication>(argc, argv);
    }
    if (BatchOptions::requested(argc, argv))
        return runCommandLine<QCoreApplication>(argc, argv);
    QApplication app(argc, argv);
    nameProgram();

    AppState state;
    SettingsStore store;
    QtMessageBoxes messages;
    QtFilePicker files;
    QtDesktopOpener desktop;
    frmMain window(state, store, Seams{messages, files, desktop});
    window.setArchivePaths(CommandLine::archivePaths(QApplication::arguments().mid(1)));

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
