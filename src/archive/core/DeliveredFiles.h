#pragma once

#include <QCoreApplication>
#include <QString>

// Where a run's files went: how many of what, and the folder. The status bar and the command line
// say it in the same words.
struct DeliveredFiles {
    Q_DECLARE_TR_FUNCTIONS(DeliveredFiles)

public:
    enum class Kind { Extracted, Converted, Palettes };

    Kind kind = Kind::Extracted;
    int count = 0;
    QString folder;

    // "13 objects extracted to /home/me/out", with the folder's full path.
    QString text() const;
};
