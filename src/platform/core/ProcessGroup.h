#pragma once

class QProcess;

// A tool run is a process tree (script interpreter, Wine, the tool). Each run leads a process group
// of its own, so that ending the run ends the whole tree.
namespace ProcessGroup {

// Call before start(): the started process becomes the leader of a new process group.
void startOwnGroup(QProcess& process);
// Ends every process of the group that the process leads, and waits until the leader has ended.
void end(QProcess& process);

} // namespace ProcessGroup
