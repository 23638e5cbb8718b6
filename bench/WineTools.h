#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// The Windows stand-in tools in a private Wine prefix, built on first use (a minute or more): a
// 200-object archive with a working folder for it, a working folder for the 1000-picture archive, and
// settings for the command-line mode that name the Windows tools.
struct WineTools {
    static constexpr int extractions = 200;

    QTemporaryDir root;
    QString prefix = root.filePath(QStringLiteral("wineprefix"));
    QString work = root.filePath(QStringLiteral("work"));
    QString pictureWork = root.filePath(QStringLiteral("picture-work"));
    QString config = root.filePath(QStringLiteral("config"));
    QString archive = root.filePath(QStringLiteral("many.vol"));
    QStringList names;
    QString wine;
    QString problem; // why Wine cannot be measured here

    WineTools();
    ~WineTools();
    static WineTools& shared();

    QProcessEnvironment environment() const;
    // Wine's server beside Wine itself, with `option` ("-w" waits for its end, "-k" ends it).
    int server(const QString& option) const;
    // Each benchmark begins with no Wine session running, as a user's first extraction does.
    bool ready(benchmark::State& state) const;
    void startTheToolInAPlainLoop() const;

    // The prefix in this program's own environment while it lives, as the tool runner starts its tools
    // with that environment.
    class InEnvironment {
    public:
        explicit InEnvironment(const WineTools& tools);
        ~InEnvironment();
        InEnvironment(const InEnvironment&) = delete;
        InEnvironment& operator=(const InEnvironment&) = delete;

    private:
        bool wasSet_;
        QByteArray userPrefix_;
    };
};
