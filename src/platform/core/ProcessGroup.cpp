#include "platform/core/ProcessGroup.h"

#include <QProcess>

#ifdef Q_OS_UNIX
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace ProcessGroup {

void startOwnGroup(QProcess& process, Priority priority)
{
#ifdef Q_OS_UNIX
    std::optional<int> lower;
    if (priority == Priority::Lower) {
        // Ten steps below the program's own: measured on two busy cores, where the tools otherwise keep
        // the program waiting while a core stands idle.
        constexpr int steps = 10;
        errno = 0;
        const int own = ::getpriority(PRIO_PROCESS, 0);
        lower = std::min((errno == 0 ? own : 0) + steps, 19);
    }
    process.setChildProcessModifier([lower] {
        ::setpgid(0, 0);
        if (lower)
            ::setpriority(PRIO_PROCESS, 0, *lower);
    });
#else
    Q_UNUSED(process);
    Q_UNUSED(priority);
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
