#include "support/OwnedProgram.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QTest>
#include <QThread>
#include <QUuid>
#include <csignal>
#include <cstring>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

QByteArray procFile(pid_t pid, const char* name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The fields of the process's status after the command's closing parenthesis: the state first, then
// the parent's id; none when the process is gone.
QList<QByteArray> statAfterCommand(pid_t pid)
{
    const QByteArray stat = procFile(pid, "stat");
    return stat.isEmpty() ? QList<QByteArray>() : stat.mid(stat.lastIndexOf(')') + 2).split(' ');
}

// The running processes, this one aside, for which `take` holds.
QList<pid_t> processes(const std::function<bool(pid_t)>& take)
{
    QList<pid_t> found;
    for (const QString& name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isNumber = false;
        const pid_t pid = pid_t(name.toInt(&isNumber));
        if (isNumber && pid != getpid() && take(pid))
            found.append(pid);
    }
    return found;
}

// A zombie has no environment left, so it is not counted: it runs nothing, and whoever adopted it
// reaps it in its own time.
QList<pid_t> carriers(const QByteArray& mark)
{
    return processes([&mark](pid_t pid) { return procFile(pid, "environ").split('\0').contains(mark); });
}

QStringList describe(const QList<pid_t>& pids)
{
    QStringList described;
    for (const pid_t pid : pids) {
        QByteArray command = procFile(pid, "cmdline").replace('\0', ' ').trimmed();
        described.append(QStringLiteral("%1 %2").arg(pid).arg(
            QString::fromLocal8Bit(command.isEmpty() ? procFile(pid, "comm").trimmed() : command)));
    }
    return described;
}

} // namespace

OwnedProgram::OwnedProgram(QString name)
    : name_(std::move(name))
    , mark_("KADRILLO_TEST_OWNER=" + QUuid::createUuid().toByteArray(QUuid::WithoutBraces))
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
    const qsizetype split = mark_.indexOf('=');
    environment.insert(QString::fromLatin1(mark_.left(split)), QString::fromLatin1(mark_.mid(split + 1)));
    process_.setProcessEnvironment(environment);
    process_.setChildProcessModifier([] {
        ::setpgid(0, 0);
        // Should the test itself be killed, the program is asked to end rather than left behind.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    });
    process_.start(program, arguments);
    started_ = process_.waitForStarted(30000);
    group_ = started_ ? pid_t(process_.processId()) : 0;
    return started_;
}

QString OwnedProgram::state() const
{
    if (isRunning())
        return name_ + QStringLiteral(" is running");
    if (!started_)
        return QStringLiteral("%1 did not start: %2").arg(name_, process_.errorString());
    // On a crash QProcess keeps the number of the signal that ended the program as its exit code.
    const int code = process_.exitCode();
    if (process_.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("%1 was ended by signal %2 (%3)").arg(name_).arg(code).arg(strsignal(code));
    return QStringLiteral("%1 exited with code %2").arg(name_).arg(code);
}

void OwnedProgram::signal(int number) const
{
    if (isRunning())
        ::kill(pid_t(process_.processId()), number);
}

QString OwnedProgram::waitUntil(const std::function<bool()>& condition, const QString& what, int timeoutMs)
{
    for (const QDeadlineTimer deadline(timeoutMs);; QTest::qWait(50)) {
        // Read before the condition, so that what the program did just before it ended still counts.
        const bool running = isRunning();
        if (condition())
            return {};
        if (!running)
            return QStringLiteral("%1 while waiting for %2").arg(state(), what);
        if (deadline.hasExpired())
            return QStringLiteral("no %1 within %2 s (%3)").arg(what).arg(timeoutMs / 1000.0).arg(state());
    }
}

QString OwnedProgram::waitForExit(int timeoutMs)
{
    if (!process_.waitForFinished(timeoutMs) && isRunning())
        return QStringLiteral("%1 did not end within %2 s").arg(name_).arg(timeoutMs / 1000.0);
    const bool succeeded =
        started_ && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    return succeeded ? QString() : state();
}

QString OwnedProgram::runToEnd(const QString& program, const QStringList& arguments, QByteArray* output,
                               const QProcessEnvironment& environment, int timeoutMs)
{
    OwnedProgram run(program);
    if (!run.start(program, arguments, environment))
        return run.state();
    const QString failed = run.waitForExit(timeoutMs);
    if (output)
        *output = run.process().readAllStandardOutput();
    const QString written = QString::fromLocal8Bit(run.process().readAllStandardError()).trimmed();
    return failed.isEmpty() ? failed : failed + QStringLiteral(": ") + written;
}

QStringList OwnedProgram::marked() const
{
    return describe(carriers(mark_));
}

bool OwnedProgram::isAlive(qint64 pid)
{
    return statAfterCommand(pid_t(pid)).value(0, "Z") != "Z";
}

QStringList OwnedProgram::children() const
{
    const qint64 parent = process_.processId();
    return describe(processes([parent](pid_t pid) {
        const QList<QByteArray> fields = statAfterCommand(pid);
        return parent > 0 && fields.size() > 1 && fields[0] != "Z" && fields[1].toLongLong() == parent;
    }));
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

QStringList OwnedProgram::killLeftovers(int graceMs)
{
    QList<pid_t> left = carriers(mark_);
    for (const QDeadlineTimer grace(graceMs); !left.isEmpty() && !grace.hasExpired(); left = carriers(mark_))
        QThread::msleep(50);
    const QStringList killed = describe(left);
    for (const QDeadlineTimer gone(10000); !left.isEmpty() && !gone.hasExpired(); left = carriers(mark_)) {
        for (const pid_t pid : left)
            ::kill(pid, SIGKILL);
        QThread::msleep(50);
    }
    return killed;
}
