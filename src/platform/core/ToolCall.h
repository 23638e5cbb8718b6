#pragma once

#include <QString>
#include <QStringList>

// One run of a tool as data: the program, its arguments, where its standard output goes and the
// folder it runs in. Built once and started as it is; a tool script is written from it, never read
// back to learn what to start.
struct ToolCall {
    QString program; // the tool's full path
    QStringList arguments;
    QString outputFile; // standard output goes to this file, emptied first unless appended to; empty: the
                        // starter's own
    bool appendOutput = false;
    QString folder; // the tool runs here

    bool operator==(const ToolCall&) const = default;
};
