#include "support/VirtualDisplay.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <unistd.h>

VirtualDisplay::~VirtualDisplay()
{
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(5000))
            server_.kill();
        server_.waitForFinished(5000);
    }
}

QString VirtualDisplay::missingPrograms()
{
    QStringList missing;
    for (const char* program : {"Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
            missing.append(QLatin1String(program));
    }
    return missing.join(QStringLiteral(", "));
}

bool VirtualDisplay::start()
{
    for (int number = 100 + int(getpid() % 400); number < 1000; ++number) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            continue;
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start(QStringLiteral("Xvfb"),
                      {QStringLiteral(":%1").arg(number), QStringLiteral("-screen"), QStringLiteral("0"),
                       QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!server_.waitForStarted(10000))
            return false;
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && server_.state() == QProcess::Running && !QFile::exists(socket))
            QThread::msleep(20);
        if (server_.state() == QProcess::Running && QFile::exists(socket)) {
            name_ = QStringLiteral(":%1").arg(number);
            return true;
        }
        server_.kill();
        server_.waitForFinished();
    }
    return false;
}

QString VirtualDisplay::xdotool(const QStringList& arguments, int timeoutMs) const
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), name_);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(timeoutMs);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

QString VirtualDisplay::waitForWindow(const QString& title, int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const QString found = xdotool({QStringLiteral("search"), QStringLiteral("--name"), title});
        if (!found.isEmpty())
            return found.section(QLatin1Char('\n'), 0, 0);
        QThread::msleep(100);
    }
    return {};
}

bool VirtualDisplay::hasWindow(const QString& title) const
{
    return !xdotool(
                {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), title})
                .isEmpty();
}
