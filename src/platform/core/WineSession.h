#pragma once

#include <QProcess>

struct LaunchPlan;

// Keeps Wine's session up while the program runs its tools through Wine. Wine takes its session down
// (its server and the service programs it starts) as soon as its last program ends, and building it
// again costs a Windows tool run many times what the tool itself takes. A Wine program of ours that
// waits for commands on its input keeps the session up. It ends when that input closes, which the
// program's end does however the program ends; Wine's server then ends by itself. Other Wine
// programs in the prefix are never touched.
class WineSession {
public:
    WineSession() = default;
    WineSession(const WineSession&) = delete;
    WineSession& operator=(const WineSession&) = delete;
    ~WineSession();

    // Before a tool run: starts the waiting program with the tool's Wine and environment, unless the
    // tool does not go through Wine or the program runs already.
    void keepUpFor(const LaunchPlan& launch);
    // Closes the waiting program's input and waits for it to end.
    void end();
    bool isKeptUp() const { return keeper_.state() != QProcess::NotRunning; }

private:
    QProcess keeper_;
};
