#include "app/ui/VolAssociation.h"

#include "platform/core/FileAssociation.h"
#include "platform/ui/MessageBoxes.h"

#include <QCoreApplication>
#include <QFile>

QString RegisterVolAssociation()
{
    QFile icon(QStringLiteral(":/kadrillo.svg"));
    icon.open(QIODevice::ReadOnly);
    FileAssociation association;
    association.extension = QStringLiteral(".vol");
    association.mimeType = QStringLiteral("application/x-starsiege-volume");
    association.comment = QStringLiteral("Starsiege Volume File");
    association.subClassOf = QStringLiteral("application/x-compress");
    association.programName = QStringLiteral("Kadrillo");
    association.programPath = QCoreApplication::applicationFilePath();
    association.iconSvg = icon.readAll();
    return association.install();
}

void AssociateVolFiles(QWidget* window, MessageBoxes& messages)
{
    const QString error = RegisterVolAssociation();
    if (!error.isEmpty())
        messages.show(window, MessageBoxes::programTitle(),
                      QCoreApplication::translate(
                          "frmMain", "Kadrillo could not make itself the program for .vol files.\n\n%1")
                          .arg(error),
                      MessageBoxes::Buttons::Ok, MessageIcon::Exclamation);
}
