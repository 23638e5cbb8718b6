#include "support/VirtualDisplay.h"

#include "support/TestEnvironment.h"

bool VirtualDisplay::start(const QString& logFile)
{
    logFile_ = logFile;
    QProcess& process = server_.process();
    process.setStandardErrorFile(logFile);
    // The server picks a free display itself and writes its number to standard output once it takes
    // connections; a socket file alone does not mean that. Without -noreset it resets whenever its
    // last client leaves (each xdotool query, a program that ended), and a program that connects
    // during a reset is refused. Should it not start, the wait below ends at once and says why.
    server_.start(QStringLiteral("Xvfb"),
                  {"-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    const QString failed = server_.waitUntil([&process] { return process.canReadLine(); },
                                             QStringLiteral("the display number from Xvfb"), 30000);
    bool isNumber = false;
    const int number = failed.isEmpty() ? process.readLine().trimmed().toInt(&isNumber) : -1;
    name_ = QStringLiteral(":%1").arg(number);
    if (!isNumber)
        error_ = (failed.isEmpty() ? QStringLiteral("Xvfb wrote no display number") : failed) +
                 QStringLiteral("; ") + report();
    return isNumber;
}

QString VirtualDisplay::report() const
{
    // Whatever titles were read before a window went away are kept.
    QString titles;
    xdotool({"search", "--onlyvisible", "--name", ".", "getwindowname", "%@"}, &titles);
    const QByteArray written = TestEnvironment::readFile(logFile_).right(2000);
    return QStringLiteral("%1 on display %2; windows shown: %3; its messages:\n%4")
        .arg(server_.state(), name_, titles.replace(QLatin1Char('\n'), QStringLiteral(", ")),
             QString::fromLocal8Bit(written));
}

bool VirtualDisplay::xdotool(const QStringList& arguments, QString* output) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), name_);
    OwnedProgram tool(QStringLiteral("xdotool ") + arguments.join(QLatin1Char(' ')));
    const QString failed = tool.start(QStringLiteral("xdotool"), arguments, environment)
                               ? tool.waitForExit(30000)
                               : tool.state();
    const QString errors = QString::fromLocal8Bit(tool.process().readAllStandardError()).trimmed();
    if (output)
        *output = QString::fromLocal8Bit(tool.process().readAllStandardOutput()).trimmed();
    if (failed.isEmpty() && errors.isEmpty())
        return true;
    error_ = (failed.isEmpty() ? tool.state() : failed) + QStringLiteral(": ") + errors;
    return false;
}

std::optional<QString> VirtualDisplay::window(const QString& title) const
{
    QString found;
    if (xdotool({"search", "--onlyvisible", "--name", title}, &found))
        return found.section(QLatin1Char('\n'), 0, 0);
    // A search that finds nothing ends with code 1 and says nothing; anything else is no answer.
    if (error_.endsWith(QLatin1String(" exited with code 1: ")))
        return QString();
    return std::nullopt;
}
