#pragma once

#include <QProcess>
#include <QString>

// A private X display (Xvfb) for end-to-end tests that drive the real program with xdotool, as a
// user at the keyboard would.
class VirtualDisplay {
public:
    VirtualDisplay() = default;
    ~VirtualDisplay();

    // Why the display cannot be had here (a missing program), or empty when it can.
    static QString missingPrograms();
    bool start();
    QString name() const { return name_; }

    // Runs xdotool on this display; its standard output, trimmed.
    QString xdotool(const QStringList& arguments, int timeoutMs = 30000) const;
    // The id of a window whose title matches, waiting up to the timeout for it; empty if none came.
    QString waitForWindow(const QString& title, int timeoutMs = 30000) const;
    bool hasWindow(const QString& title) const;

private:
    QProcess server_;
    QString name_;
};
