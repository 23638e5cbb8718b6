#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Makes a program the desktop's handler of one kind of file, for the current user.
struct FileAssociation {
    Q_DECLARE_TR_FUNCTIONS(FileAssociation)

public:
    QString extension;   // ".vol"
    QString mimeType;    // the file kind, freedesktop style
    QString comment;     // what the file manager calls such files
    QString subClassOf;  // the more general kind it is a case of
    QString programName; // the program's name, also the base of its desktop entry and icon
    QString programPath; // absolute path of the program to start with the file
    QByteArray iconSvg;  // the program's icon

    // Writes the records and refreshes the desktop's databases; the reason when that failed.
    QString install() const;

private:
    QString mimeXml() const;
    QString desktopEntry() const;
};
