#include "support/VirtualDisplay.h"

#include <QFile>
#include <QStandardPaths>

QString VirtualDisplay::missingPrograms()
{
    QStringList missing;
    for (const QString& program : {QStringLiteral("Xvfb"), QStringLiteral("xdotool")}) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing.append(program);
    }
    return missing.join(QStringLiteral(", "));
}

bool VirtualDisplay::start(const QString& logFile)
{
    logFile_ = logFile;
    QProcess& process = server_.process();
    process.setStandardErrorFile(logFile);
    // The server picks a free display itself and writes its number to standard output once it takes
    // connections; a socket file alone does not mean that. Without -noreset it resets whenever its
    // last client leaves (each xdotool query, a program that ended), and a program that connects
    // during a reset is refused.
    if (!server_.start(QStringLiteral("Xvfb"), QStringList{"-displayfd", "1", "-noreset", "-screen", "0",
                                                           "1024x768x24", "-nolisten", "tcp"})) {
        error_ = server_.state();
        return false;
    }
    const QString failed = server_.waitUntil([&process] { return process.canReadLine(); },
                                             QStringLiteral("the display number from Xvfb"), 30000);
    bool isNumber = false;
    const int number = failed.isEmpty() ? process.readLine().trimmed().toInt(&isNumber) : -1;
    name_ = QStringLiteral(":%1").arg(number);
    if (!isNumber) {
        const QString reason = failed.isEmpty() ? QStringLiteral("Xvfb wrote no display number") : failed;
        error_ = reason + QStringLiteral("; ") + report();
    }
    return isNumber;
}

QString VirtualDisplay::report() const
{
    QStringList titles;
    QString ids;
    if (xdotool({"search", "--onlyvisible", "--name", "."}, &ids)) {
        for (const QString& id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (QString title; xdotool({"getwindowname", id}, &title))
                titles.append(title);
        }
    }
    QFile log(logFile_);
    const QByteArray written = log.open(QIODevice::ReadOnly) ? log.readAll().right(2000) : QByteArray();
    return QStringLiteral("%1 on display %2; windows shown: %3; its messages:\n%4")
        .arg(server_.state(), name_, titles.join(QStringLiteral(", ")), QString::fromLocal8Bit(written));
}

bool VirtualDisplay::xdotool(const QStringList& arguments, QString* output) const
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), name_);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    const QString command = QStringLiteral("xdotool ") + arguments.join(QLatin1Char(' '));
    lastExitCode_ = -1;
    if (!tool.waitForFinished(30000)) {
        error_ = command + QStringLiteral(": ") +
                 (tool.state() == QProcess::NotRunning ? tool.errorString()
                                                       : QStringLiteral("no answer within 30 s"));
        return false;
    }
    const QString errors = QString::fromLocal8Bit(tool.readAllStandardError()).trimmed();
    if (output)
        *output = QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    if (tool.exitStatus() == QProcess::NormalExit)
        lastExitCode_ = tool.exitCode();
    if (lastExitCode_ == 0 && errors.isEmpty())
        return true;
    error_ = QStringLiteral("%1 ended with code %2: %3").arg(command).arg(lastExitCode_).arg(errors);
    return false;
}

std::optional<QString> VirtualDisplay::window(const QString& title) const
{
    QString found;
    if (xdotool({"search", "--onlyvisible", "--name", title}, &found))
        return found.section(QLatin1Char('\n'), 0, 0);
    // A search that finds nothing ends with code 1 and says nothing; anything else is no answer.
    if (lastExitCode_ == 1 && found.isEmpty() && error_.endsWith(QLatin1String(": ")))
        return QString();
    return std::nullopt;
}
