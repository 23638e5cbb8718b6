#include "archive/WorkFolderClaim.h"

#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>

WorkFolderClaim::WorkFolderClaim() = default;

WorkFolderClaim::~WorkFolderClaim()
{
    release();
}

PrivateFolder::Status WorkFolderClaim::claim(const QString& configured)
{
    release();
    if (const PrivateFolder::Status status = PrivateFolder::prepare(configured);
        status != PrivateFolder::Status::Ready)
        return status;
    auto lock = std::make_unique<QLockFile>(configured + QDir::separator() + QLatin1String(lockFileName));
    // Held for as long as the run lasts, however long: only a lock whose process is gone (a run that
    // was killed) is stale and taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError)
        return claimPrivateBeside(configured);
    // A folder that cannot hold the lock file is used as before; the tools will say what fails there.
    if (lock->isLocked())
        lock_ = std::move(lock);
    path_ = configured;
    return PrivateFolder::Status::Ready;
}

// mkdtemp gives a fresh name that no one else can have planted, made for this user alone.
PrivateFolder::Status WorkFolderClaim::claimPrivateBeside(const QString& configured)
{
    QTemporaryDir folder(QDir::cleanPath(configured) + QStringLiteral("-XXXXXX"));
    if (!folder.isValid())
        return PrivateFolder::Status::CannotCreate;
    folder.setAutoRemove(false);
    const PrivateFolder::Status status = PrivateFolder::prepare(folder.path());
    if (status != PrivateFolder::Status::Ready) {
        QDir().rmdir(folder.path());
        return status;
    }
    private_ = folder.path();
    path_ = private_;
    return status;
}

void WorkFolderClaim::release()
{
    // A link inside is removed, never followed.
    if (!private_.isEmpty())
        QDir(private_).removeRecursively();
    lock_.reset();
    private_.clear();
    path_.clear();
}
