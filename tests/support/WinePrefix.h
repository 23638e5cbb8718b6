#pragma once

#include <QProcessEnvironment>
#include <QString>

// A Wine prefix of a test's own. Wine's first start in a prefix builds it, which can take a minute on a
// busy machine, so a test builds it up front and keeps that out of its other waits. Wine's server
// outlives the programs that started it, so a test shuts the prefix down when it is done.
class WinePrefix {
public:
    explicit WinePrefix(const QString& path);

    QString path() const { return environment_.value(QStringLiteral("WINEPREFIX")); }
    // Builds the prefix and waits until Wine's server has written it out and ended: empty, or the reason.
    QString create(int timeoutMs) const;
    // Ends Wine's server in this prefix, which ends every program running in it, and waits for that:
    // empty, or the reason.
    QString shutDown(int timeoutMs = 30000) const;

private:
    QProcessEnvironment environment_;
};
