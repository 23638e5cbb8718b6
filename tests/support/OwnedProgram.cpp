#include "support/OwnedProgram.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTest>
#include <QThread>
#include <QUuid>
#include <csignal>
#include <cstring>
#include <sys/prctl.h>
#include <unistd.h>
#include <utility>

namespace {

const QString markName = QStringLiteral("KADRILLO_TEST_OWNER");

QByteArray procFile(pid_t pid, const char* name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Processes whose environment holds `entry`. A zombie has no environment left, so it is not counted:
// it runs nothing, and whoever adopted it reaps it (or not) in its own time.
QList<pid_t> carriers(const QByteArray& entry)
{
    QList<pid_t> found;
    const QStringList names = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        bool isNumber = false;
        const pid_t pid = pid_t(name.toInt(&isNumber));
        if (isNumber && pid != getpid() && procFile(pid, "environ").split('\0').contains(entry))
            found.append(pid);
    }
    return found;
}

QString describe(pid_t pid)
{
    QByteArray command = procFile(pid, "cmdline").replace('\0', ' ').trimmed();
    if (command.isEmpty())
        command = procFile(pid, "comm").trimmed();
    return QStringLiteral("%1 %2").arg(pid).arg(QString::fromLocal8Bit(command));
}

} // namespace

OwnedProgram::OwnedProgram(QString name)
    : name_(std::move(name))
    , mark_((markName + QLatin1Char('=') + QUuid::createUuid().toString(QUuid::WithoutBraces)).toLatin1())
{
}

OwnedProgram::~OwnedProgram()
{
    end();
    for (const QString& left : killLeftovers())
        qWarning("Killed a process that %s left running: %s", qPrintable(name_), qPrintable(left));
}

bool OwnedProgram::start(const QString& program, const QStringList& arguments,
                         QProcessEnvironment environment)
{
    environment.insert(markName, QString::fromLatin1(mark_.mid(markName.size() + 1)));
    process_.setProcessEnvironment(environment);
    process_.setChildProcessModifier([] {
        ::setpgid(0, 0);
        // Should the test itself be killed, the program is asked to end rather than left behind.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    process_.start(program, arguments);
    if (!process_.waitForStarted(30000))
        return false;
    started_ = true;
    group_ = pid_t(process_.processId());
    return true;
}

QString OwnedProgram::state() const
{
    if (isRunning())
        return QStringLiteral("%1 is running").arg(name_);
    if (!started_)
        return QStringLiteral("%1 did not start: %2").arg(name_, process_.errorString());
    // On a crash QProcess keeps the number of the signal that ended the program as its exit code.
    if (process_.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("%1 was ended by signal %2 (%3)")
            .arg(name_)
            .arg(process_.exitCode())
            .arg(QString::fromLocal8Bit(strsignal(process_.exitCode())));
    return QStringLiteral("%1 exited with code %2").arg(name_).arg(process_.exitCode());
}

bool OwnedProgram::succeeded() const
{
    return started_ && !isRunning() && process_.exitStatus() == QProcess::NormalExit &&
           process_.exitCode() == 0;
}

void OwnedProgram::signal(int number) const
{
    if (isRunning())
        ::kill(pid_t(process_.processId()), number);
}

QString OwnedProgram::waitUntil(const std::function<bool()>& condition, const QString& what, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (true) {
        // Read before the condition, so that what the program did just before it ended still counts.
        const bool running = isRunning();
        if (condition())
            return {};
        if (!running)
            return QStringLiteral("%1 while waiting for %2").arg(state(), what);
        if (deadline.hasExpired())
            return QStringLiteral("no %1 within %2 s (%3)").arg(what).arg(timeoutMs / 1000.0).arg(state());
        QTest::qWait(50);
    }
}

QString OwnedProgram::waitForExit(int timeoutMs)
{
    if (!process_.waitForFinished(timeoutMs) && isRunning())
        return QStringLiteral("%1 did not end within %2 s").arg(name_).arg(timeoutMs / 1000.0);
    return succeeded() ? QString() : state();
}

QStringList OwnedProgram::marked() const
{
    QStringList found;
    for (const pid_t pid : carriers(mark_))
        found.append(describe(pid));
    return found;
}

QStringList OwnedProgram::children() const
{
    QStringList found;
    if (!isRunning())
        return found;
    const qint64 parent = process_.processId();
    for (const QString& name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isNumber = false;
        const pid_t pid = pid_t(name.toInt(&isNumber));
        if (!isNumber)
            continue;
        // After the command's closing parenthesis: state, then the parent's id.
        const QByteArray stat = procFile(pid, "stat");
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[0] != "Z" && fields[1].toLongLong() == parent)
            found.append(describe(pid));
    }
    return found;
}

void OwnedProgram::end(int graceMs)
{
    if (group_ == 0)
        return;
    if (isRunning()) {
        ::kill(-group_, SIGTERM);
        process_.waitForFinished(graceMs);
    }
    ::kill(-group_, SIGKILL);
    process_.waitForFinished(10000);
    group_ = 0;
}

QStringList OwnedProgram::killLeftovers()
{
    QDeadlineTimer grace(2000);
    QList<pid_t> left = carriers(mark_);
    while (!left.isEmpty() && !grace.hasExpired()) {
        QThread::msleep(50);
        left = carriers(mark_);
    }
    QStringList killed;
    for (const pid_t pid : left)
        killed.append(describe(pid));
    const QDeadlineTimer gone(10000);
    while (!left.isEmpty() && !gone.hasExpired()) {
        for (const pid_t pid : left)
            ::kill(pid, SIGKILL);
        QThread::msleep(50);
        left = carriers(mark_);
    }
    return killed;
}
