#include "platform/core/ProcessWait.h"

#include <QEventLoop>
#include <QProcess>

namespace ProcessWait {

void untilEnded(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&process, &loop] {
        if (process.state() == QProcess::NotRunning)
            loop.quit();
    });
    loop.exec();
}

} // namespace ProcessWait
