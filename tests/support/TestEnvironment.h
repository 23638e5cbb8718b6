#pragma once

#include <QStringList>
#include <QTemporaryDir>

// A private home for one test run: configuration, data, cache and temporary folders of its own, so
// no test ever reads or writes the user's real settings or cache.
class TestEnvironment {
public:
    TestEnvironment();

    QString path() const { return root_.path(); }
    QString configHome() const { return root_.filePath(QStringLiteral("config")); }
    QString dataHome() const { return root_.filePath(QStringLiteral("data")); }
    QString tempHome() const { return root_.filePath(QStringLiteral("tmp")); }
    QString cacheHome() const { return root_.filePath(QStringLiteral("cache")); }

    // Writes an executable stand-in file with the given bytes (a script, or an "MZ" header).
    static void writeFile(const QString& path, const QByteArray& bytes, bool executable = false);
    static QByteArray readFile(const QString& path);
    // Those of `programs` that are not installed, for a test to name when it skips.
    static QString missingPrograms(const QStringList& programs);
    // Writes the sample archives into `folder` with make-sample-vol: empty, or why it failed.
    static QString makeSamples(const QString& folder, const QStringList& options = {});

private:
    QTemporaryDir root_;
};
