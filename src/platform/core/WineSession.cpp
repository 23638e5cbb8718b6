#include "platform/core/WineSession.h"

#include "platform/core/ProcessGroup.h"
#include "platform/core/ToolLauncher.h"

namespace {
constexpr int endGraceMs = 5000;
}

WineSession::~WineSession()
{
    end();
}

void WineSession::keepUpFor(const LaunchPlan& launch)
{
    if (!launch.throughWine || isKeptUp())
        return;
    keeper_.setProgram(launch.program);
    // Wine's own command interpreter, which waits on its input until that closes.
    keeper_.setArguments({QStringLiteral("cmd.exe")});
    keeper_.setProcessEnvironment(launch.environment);
    keeper_.setStandardOutputFile(QProcess::nullDevice());
    keeper_.setStandardErrorFile(QProcess::nullDevice());
    ProcessGroup::startOwnGroup(keeper_);
    keeper_.start();
}

void WineSession::end()
{
    if (!isKeptUp())
        return;
    keeper_.closeWriteChannel();
    if (!keeper_.waitForFinished(endGraceMs))
        ProcessGroup::end(keeper_);
}
