#pragma once

class QProcess;

namespace ProcessWait {

// Returns once the process has ended (or failed to start), keeping every window painted and
// taking input meanwhile. Returns at once for a process that is not running.
void untilEnded(QProcess& process);

} // namespace ProcessWait
