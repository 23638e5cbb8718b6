#include "archive/core/WorkFolderClaim.h"

#include "archive/core/OwnerRecord.h"
#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
#include <QSysInfo>

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
    removeLeftovers(configured);
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

// A fresh name that no one else can have planted, made for this user alone.
PrivateFolder::Status WorkFolderClaim::claimPrivateBeside(const QString& configured)
{
    const QString folder = PrivateFolder::makeUnique(QDir::cleanPath(configured) + QLatin1Char('-'));
    if (folder.isEmpty())
        return PrivateFolder::Status::CannotCreate;
    const PrivateFolder::Status status = PrivateFolder::prepare(folder);
    if (status != PrivateFolder::Status::Ready) {
        QDir().rmdir(folder);
        return status;
    }
    // Without its record the folder is only ever kept, never taken for a leftover.
    QFile record(folder + QDir::separator() + QLatin1String(ownerRecordName));
    if (FileSystem::createFresh(record))
        record.write(OwnerRecord{QCoreApplication::applicationPid(), QSysInfo::machineHostName()}.text());
    private_ = folder;
    path_ = private_;
    return status;
}

// Only folders named as claimPrivateBeside names them, private, whose record names a process of this
// host that is gone; removeRecursively removes a link inside, never what it points to.
void WorkFolderClaim::removeLeftovers(const QString& configured)
{
    const QFileInfo working(QDir::cleanPath(configured));
    const QRegularExpression named(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(working.fileName()) + QStringLiteral("-[A-Za-z0-9]{6}")));
    const QString host = QSysInfo::machineHostName();
    const QDir beside(working.path());
    for (const QString& name : beside.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString folder = beside.filePath(name);
        if (!named.match(name).hasMatch() || !PrivateFolder::isPrivate(folder))
            continue;
        const QString recordPath = folder + QDir::separator() + QLatin1String(ownerRecordName);
        QFile record(recordPath);
        if (QFileInfo(recordPath).isSymLink() || !record.open(QIODevice::ReadOnly))
            continue;
        const std::optional<OwnerRecord> owner = OwnerRecord::read(record.read(OwnerRecord::maximumSize + 1));
        if (owner && owner->host == host && PrivateFolder::processIsGone(owner->pid))
            QDir(folder).removeRecursively();
    }
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
