#pragma once

#include <QString>
#include <QStringList>

// The working folder: where the tools are copied, run, and leave their output.
class WorkFolder {
public:
    static constexpr const char* extractTool = "extract.exe";
    static constexpr const char* listTool = "vtlist.exe";

    explicit WorkFolder(const QString& path = QString());

    QString path() const { return path_; }
    QString file(const QString& name) const;

    // Every file the program may leave here, in the order they are removed at exit.
    static const QStringList& programFiles();
    // Removes those of programFiles() that exist; anything else in the folder is left alone.
    void deleteProgramFiles() const;

private:
    QString path_;
};
