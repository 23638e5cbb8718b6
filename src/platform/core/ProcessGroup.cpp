#include "platform/core/ProcessGroup.h"

#include <QProcess>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace ProcessGroup {

void startOwnGroup(QProcess& process)
{
#ifdef Q_OS_UNIX
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
#else
    Q_UNUSED(process);
#endif
}

void end(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
#ifdef Q_OS_UNIX
    if (const qint64 leader = process.processId(); leader > 0)
        ::kill(-pid_t(leader), SIGKILL);
#endif
    process.kill();
    process.waitForFinished(5000);
}

} // namespace ProcessGroup
