#pragma once

#include <QStringList>
#include <QTemporaryDir>

// A 1000-picture archive of 32 x 32 pictures with four palettes that every picture finds, a settings
// file for the command-line mode and a working folder holding the stand-in tool for the windows.
struct PictureArchive {
    static constexpr int pictureCount = 1000;

    QTemporaryDir root;
    QString archive = root.filePath(QStringLiteral("pictures.vol"));
    QString work = root.filePath(QStringLiteral("work"));
    QString palettes = root.filePath(QStringLiteral("palettes"));
    QStringList names;

    PictureArchive();
    // Made once per run of the benchmarks.
    static PictureArchive& shared();
};
