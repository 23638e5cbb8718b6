#include "support/MainWindowRun.h"

#include <QAbstractButton>
#include <QSettings>

MainWindowRun::MainWindowRun(const QString& iniFile)
    : core(iniFile)
    , window(core, fakes.seams())
{
}

void MainWindowRun::writeSettings(const QString& iniFile, const QStringList& settings)
{
    QSettings written(iniFile, QSettings::IniFormat);
    written.clear();
    written.setValue(QStringLiteral("Performance/Parallel Runs"), 1);
    written.beginGroup(QStringLiteral("Settings"));
    for (const QString& line : settings)
        written.setValue(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
}

bool MainWindowRun::enabled(const char* name) const
{
    if (const auto* button = window.findChild<QAbstractButton*>(QLatin1String(name)))
        return button->isEnabled();
    return control<QAction>(name)->isEnabled();
}
