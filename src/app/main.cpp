#include "app/AppState.h"
#include "app/CommandLine.h"
#include "app/frmMain.h"
#include "platform/QtDesktopOpener.h"
#include "platform/QtFilePicker.h"
#include "platform/QtMessageBoxes.h"
#include "platform/SettingsStore.h"
#include "platform/TerminationSignals.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kadrillo"));
    QApplication::setApplicationName(QStringLiteral("Kadrillo"));
    QApplication::setApplicationVersion(QStringLiteral(KADRILLO_VERSION));

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
