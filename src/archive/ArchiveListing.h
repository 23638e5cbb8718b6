#pragma once

#include <QCoreApplication>
#include <QStringList>

class ToolRunner;

// Lists one archive through vtlist.exe into its object names, without a window: the working copy is
// refreshed, an old "results.dat" deleted first, and the listing the tool writes read back.
class ArchiveListing {
    Q_DECLARE_TR_FUNCTIONS(ArchiveListing)

public:
    struct Result {
        QStringList names; // in the archive's order
        bool truncated = false;
        // Why nothing could be listed; empty when the tool ran (names may still be empty).
        QString error;
        bool volumeMissing = false; // the archive file itself is not there
    };

    static Result list(ToolRunner& runner, const QString& volPath);
};
