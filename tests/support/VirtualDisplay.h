#pragma once

#include "support/OwnedProgram.h"

#include <optional>

// A private X display (Xvfb) for end-to-end tests that drive the real program with xdotool, as a
// user at the keyboard would.
class VirtualDisplay {
public:
    // Starts the server, writing its messages to `logFile`, and waits until it takes connections;
    // false with the reason in error().
    bool start(const QString& logFile);
    QString name() const { return name_; }
    QString error() const { return error_; }
    // How the server stands, the windows shown and what the server last wrote, to go with a failure.
    QString report() const;

    // Runs xdotool on this display; false when it failed or gave no answer, with the reason in error().
    bool xdotool(const QStringList& arguments, QString* output = nullptr) const;
    // The id of a shown window whose title matches, an empty id when there is none, and nothing when
    // xdotool could not tell (an X error while windows come and go).
    std::optional<QString> window(const QString& title) const;

private:
    OwnedProgram server_{QStringLiteral("Xvfb")};
    QString logFile_;
    QString name_;
    mutable QString error_;
};
