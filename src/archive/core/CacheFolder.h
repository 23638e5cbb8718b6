#pragma once

#include "platform/core/ProgramPaths.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

// The program's cache: entries kept between runs, each a file named after what it holds, never
// trusted blindly. The folder must be the user's own with mode 0700 (it is made so when missing);
// otherwise nothing is kept or read. No entry is read through a link, and one that is damaged,
// foreign or kept under another key is removed and read as missing, so that the caller makes it
// again.
class CacheFolder {
    Q_DECLARE_TR_FUNCTIONS(CacheFolder)

public:
    // `identity` says what the entry holds and names its file; `state` the state of the files it was
    // made from. The entry keeps both, and is read only when both match.
    struct Key {
        QByteArray identity;
        QByteArray state;
    };

    explicit CacheFolder(const QString& path = ProgramPaths::userCacheFolder());

    const QString& path() const { return path_; }
    // Why nothing is kept or read, or empty when the folder may be used.
    const QString& refusal() const { return refusal_; }
    // The file that holds the entry for `key`.
    QString entryPath(const Key& key) const;

    // The content kept under `key`; nothing when there is none, or none sound.
    std::optional<QByteArray> read(const Key& key) const;
    // Keeps `content` under `key`, replacing what stood in the entry's place (a link too, never
    // written through); why that failed, or an empty text.
    QString write(const Key& key, const QByteArray& content) const;
    // Removes the entry for `key`, whatever stands there.
    void drop(const Key& key) const;
    // Removes every entry of the folder, and only those (a link in an entry's place is removed
    // itself); why one could not be removed, or an empty text.
    QString clear() const;

private:
    QString path_;
    QString refusal_;
};
