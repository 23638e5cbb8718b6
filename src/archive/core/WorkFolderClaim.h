#pragma once

#include "platform/core/PrivateFolder.h"

#include <QString>
#include <memory>

class QLockFile;

// Which working folder this run of the program may use. The first run takes the configured folder
// under a lock file; a run that finds it locked by another (a second window, or the command-line
// mode) works in a private folder of its own beside it, so neither overwrites the other's files.
// Each private folder holds a record of its owner; the folders of runs that were killed are removed
// when the configured folder is next claimed.
class WorkFolderClaim {
public:
    static constexpr const char* lockFileName = "kadrillo.lock";
    static constexpr const char* ownerRecordName = "kadrillo.owner";

    WorkFolderClaim();
    ~WorkFolderClaim();
    WorkFolderClaim(const WorkFolderClaim&) = delete;
    WorkFolderClaim& operator=(const WorkFolderClaim&) = delete;

    // Gives up the folder held so far, then claims `configured`; Ready with path() set, or why the
    // configured folder cannot be used (then nothing is used in its place).
    PrivateFolder::Status claim(const QString& configured);
    // The folder claimed, or empty.
    QString path() const { return path_; }
    // Whether the configured folder was taken by another run, so that path() is a private one.
    bool isPrivate() const { return !private_.isEmpty(); }
    // Unlocks the configured folder, or removes the private one with what it holds.
    void release();

private:
    PrivateFolder::Status claimPrivateBeside(const QString& configured);
    static void removeLeftovers(const QString& configured);

    std::unique_ptr<QLockFile> lock_;
    QString path_;
    QString private_;
};
