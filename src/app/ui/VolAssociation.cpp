#include "app/ui/VolAssociation.h"

#include "platform/ui/MessageBoxes.h"

#include <QCoreApplication>
#include <QFile>

FileAssociation VolAssociation()
{
    QFile icon(QStringLiteral(":/kadrillo.svg"));
    icon.open(QIODevice::ReadOnly);
    FileAssociation association;
    association.extension = QStringLiteral(".vol");
    association.mimeType = QStringLiteral("application/x-starsiege-volume");
    association.comment = QStringLiteral("Starsiege Volume File");
    association.subClassOf = QStringLiteral("application/x-compress");
    association.programName = QStringLiteral("Kadrillo");
    association.programComment = QStringLiteral("Browse and extract Starsiege volume files");
    association.programPath = QCoreApplication::applicationFilePath();
    association.iconSvg = icon.readAll();
    return association;
}

QString AssociateVolFiles(QWidget* window, MessageBoxes& messages)
{
    const FileAssociation association = VolAssociation();
    if (const QString error = association.install(); !error.isEmpty()) {
        messages.show(window, MessageBoxes::programTitle(),
                      QCoreApplication::translate(
                          "frmMain", "Kadrillo could not make itself the program for .vol files.\n\n%1")
                          .arg(error),
                      MessageBoxes::Buttons::Ok, MessageIcon::Exclamation);
        return {};
    }
    if (!association.installedEntry().isEmpty())
        return QCoreApplication::translate("frmMain", "Made the installed %1 the program for .vol files")
            .arg(association.desktopEntryPath());
    return QCoreApplication::translate("frmMain", "Wrote %1 and made it the program for .vol files")
        .arg(association.desktopEntryPath());
}
