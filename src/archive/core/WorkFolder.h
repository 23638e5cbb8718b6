#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The working folder: where the tools are copied, run, and leave their output.
class WorkFolder {
    Q_DECLARE_TR_FUNCTIONS(WorkFolder)

public:
    // The files the program keeps here, by name; the tool lines name them relative to the folder.
    static constexpr const char* extractToolName = "extract.exe";
    static constexpr const char* listToolName = "vtlist.exe";
    static constexpr const char* archiveCopyName = "temp.vol";
    static constexpr const char* listingName = "results.dat";
    static constexpr const char* pictureName = "temp.bmp";
    static constexpr const char* paletteName = "temp.pal";
    static constexpr const char* paletteListName = "temp.ppl";
    static constexpr const char* soundName = "temp.wav";
    static constexpr const char* scriptName = "temp.cs";
    static constexpr const char* extractScriptName = "extract.bat";
    static constexpr const char* listScriptName = "vtlist.bat";
    // Where extracted objects wait until they are whole and can replace the destination's files.
    static constexpr const char* stagingFolderName = "extracted";
    // The folders of the tool runs at once of a run over objects: "slot-1", "slot-2", ...
    static constexpr const char* slotFolderPrefix = "slot-";

    // `path` is the folder claimed; `configured` the "Temp Path" it was claimed for, when another.
    explicit WorkFolder(const QString& path = QString(), const QString& configured = QString());
    // A folder that start-up refused: it keeps its path for messages and yields no file paths.
    static WorkFolder refused(const QString& path);

    // Whether `path` is `folder` or lies inside it, comparing both with their links resolved (see
    // FileSystem::resolvedPath); false when either is empty.
    static bool contains(const QString& folder, const QString& path);

    QString path() const { return path_; }
    // Of the folder claimed and the one configured, the one that `path` is or lies inside; empty when
    // it lies outside both. The program replaces and deletes its own files there, so none of the
    // user's may go there.
    QString holding(const QString& path) const;
    // Why the user's files may not go to the folder `path`, as the windows say it; empty when they may.
    QString outputRefusal(const QString& path) const;
    bool isUsable() const { return usable_; }
    // The path of a file in the folder; empty when the folder is not usable, so that nothing is
    // ever read, written or deleted elsewhere in its place.
    QString file(const QString& name) const;

    // The paths of the program's own files, built by file().
    QString extractTool() const { return file(QLatin1String(extractToolName)); }
    QString listTool() const { return file(QLatin1String(listToolName)); }
    // The copy of the open archive that the tools read.
    QString archiveCopy() const { return file(QLatin1String(archiveCopyName)); }
    // The archive's listing, as the listing tool writes it.
    QString listing() const { return file(QLatin1String(listingName)); }
    QString picture() const { return file(QLatin1String(pictureName)); }
    // A standard bitmap's own colours, written as a palette file.
    QString palette() const { return file(QLatin1String(paletteName)); }
    QString paletteList() const { return file(QLatin1String(paletteListName)); }
    QString sound() const { return file(QLatin1String(soundName)); }
    QString script() const { return file(QLatin1String(scriptName)); }
    QString extractScript() const { return file(QLatin1String(extractScriptName)); }
    QString listScript() const { return file(QLatin1String(listScriptName)); }
    QString stagingFolder() const { return file(QLatin1String(stagingFolderName)); }
    // The folder of the tool runs in slot `number` (from 1) when several run at once.
    QString slotFolder(int number) const
    {
        return file(QLatin1String(slotFolderPrefix) + QString::number(number));
    }

    // Every file the program may leave here, in the order they are removed at exit.
    static const QStringList& programFiles();
    // Removes those of programFiles() that exist, the staging folder's files and the slot folders with
    // what they hold; anything else in the folder is left alone.
    void deleteProgramFiles() const;

private:
    QString path_;
    QString configured_;
    bool usable_;
};
