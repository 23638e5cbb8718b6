#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Makes a program the desktop's handler of one kind of file, for the current user.
struct FileAssociation {
    Q_DECLARE_TR_FUNCTIONS(FileAssociation)

public:
    QString extension;      // ".vol"
    QString mimeType;       // the file kind, freedesktop style
    QString comment;        // what the file manager calls such files
    QString subClassOf;     // the more general kind it is a case of
    QString programName;    // the program's name, also the base of its desktop entry and icon
    QString programComment; // what the program does, as its desktop entry says
    QString programPath;    // absolute path of the program to start with the file
    QByteArray iconSvg;     // the program's icon

    // Makes the desktop entry installed with the program the handler when the desktop finds it;
    // otherwise writes the user's own records. The reason when that failed.
    QString install() const;
    // The desktop entry that install() makes the handler.
    QString desktopEntryPath() const;
    // The program's desktop entry installed beside it where the desktop finds it, or empty.
    QString installedEntry() const;

private:
    QString mimeXml() const;
    QString desktopEntry() const;
};
