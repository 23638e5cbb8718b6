#pragma once

#include "archive/core/ToolRunner.h"

#include <QCoreApplication>
#include <QStringList>

// Lists one archive through vtlist.exe into its object names, without a window: the working copy is
// refreshed, an old "results.dat" deleted first, and the listing the tool writes read back.
class ArchiveListing {
    Q_DECLARE_TR_FUNCTIONS(ArchiveListing)

public:
    enum class Outcome {
        Listed,        // the names; a tool that ended with an error but listed them is taken at them
        NoObjects,     // the tool ended cleanly and the archive lists no objects
        VolumeMissing, // the archive file itself is not there (error)
        NotRun,        // the run was refused before its tool was started (error)
        CannotStart,   // the tool could not be started (run: its tool and why)
        ToolFailed,    // the tool ended with an error and listed nothing (run: its status, its last words)
    };

    struct Result {
        Outcome outcome = Outcome::NoObjects;
        QStringList names; // in the archive's order
        bool truncated = false;
        QString error;
        ToolRunner::ToolRun run;
    };

    static Result list(ToolRunner& runner, const QString& volPath);
};
