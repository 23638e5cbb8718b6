#pragma once

class QProcess;

// A tool run is a process tree (script interpreter, Wine, the tool). Each run leads a process group
// of its own, so that ending the run ends the whole tree.
namespace ProcessGroup {

// How a started process shares the processors with the program that starts it.
enum class Priority {
    Same,
    // Several tools at once: the program, which feeds them and takes what they leave, is never queued
    // behind them while a processor waits for it.
    Lower,
};

// Call before start(): the started process becomes the leader of a new process group.
void startOwnGroup(QProcess& process, Priority priority = Priority::Same);
// Ends every process of the group that the process leads, and waits until the leader has ended.
void end(QProcess& process);

} // namespace ProcessGroup
