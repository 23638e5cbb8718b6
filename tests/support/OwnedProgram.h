#pragma once

#include <QProcess>
#include <QStringList>
#include <functional>
#include <sys/types.h>

// A program that a test starts and owns. It leads a process group of its own and everything it starts
// carries a mark in its environment, so that ending it leaves nothing running: not its children, nor
// what moved to a group of its own (a tool run) or left its parent (Wine's server).
class OwnedProgram {
public:
    // `name` says which program a failure is about.
    explicit OwnedProgram(QString name);
    // Ends the program and kills what carries its mark, with a warning naming each such process.
    ~OwnedProgram();

    // Set channels or files on it before start().
    QProcess& process() { return process_; }
    // False when the program did not start (see state()).
    bool start(const QString& program, const QStringList& arguments,
               QProcessEnvironment environment = QProcessEnvironment::systemEnvironment());
    bool isRunning() const { return process_.state() != QProcess::NotRunning; }
    // How the program stands: running, its exit code or signal, or why it did not start.
    QString state() const;
    // Sends a signal to the program alone, as the desktop would.
    void signal(int number) const;

    // Waits until `condition` holds, giving up as soon as the program has ended: empty when it held,
    // else the reason, which names `what` was waited for.
    QString waitUntil(const std::function<bool()>& condition, const QString& what, int timeoutMs);
    // Waits for the program to end by itself: empty when it ended with exit code 0, else the reason.
    QString waitForExit(int timeoutMs);
    // Runs a program to its end and hands over its standard output: empty when it ended with exit code 0,
    // else the reason with what it wrote on its error channel.
    static QString runToEnd(const QString& program, const QStringList& arguments,
                            QByteArray* output = nullptr,
                            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                            int timeoutMs = 60000);

    // Whether the process is running: a zombie has ended, though not yet reaped.
    static bool isAlive(qint64 pid);
    // Running processes that carry the mark, the program included, as "pid command line".
    QStringList marked() const;
    // The program's own running children (its tool runs), as "pid command line".
    QStringList children() const;
    // Asks the program's group to end, kills it after `graceMs` and waits until the program has ended.
    void end(int graceMs = 5000);
    // Kills what still carries the mark after `graceMs` and waits until it is gone; returns what had to
    // be killed, which a test that owns its processes treats as a fault.
    QStringList killLeftovers(int graceMs = 2000);

private:
    QString name_;
    QByteArray mark_;
    QProcess process_;
    bool started_ = false;
    pid_t group_ = 0;
};
