#pragma once

#include <QString>
#include <QStringList>

// The working folder: where the tools are copied, run, and leave their output.
class WorkFolder {
public:
    static constexpr const char* extractTool = "extract.exe";
    static constexpr const char* listTool = "vtlist.exe";

    explicit WorkFolder(const QString& path = QString());
    // A folder that start-up refused: it keeps its path for messages and yields no file paths.
    static WorkFolder refused(const QString& path);

    QString path() const { return path_; }
    bool isUsable() const { return usable_; }
    // The path of a file in the folder; empty when the folder is not usable, so that nothing is
    // ever read, written or deleted elsewhere in its place.
    QString file(const QString& name) const;

    // Every file the program may leave here, in the order they are removed at exit.
    static const QStringList& programFiles();
    // Removes those of programFiles() that exist; anything else in the folder is left alone.
    void deleteProgramFiles() const;

private:
    QString path_;
    bool usable_;
};
