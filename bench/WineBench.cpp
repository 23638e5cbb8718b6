// 200 extractions with the Windows stand-in through Wine: the extraction job beside a plain loop that
// starts the same tool through Wine as often, as a shell loop would, and beside that loop while a
// Wine program keeps Wine's session up, which is the least that 200 Wine starts cost. All run in a
// private Wine prefix, built on first use (a minute or more) and shut down after each benchmark.
#include "VolArchive.h"
#include "archive/core/ExtractionJob.h"
#include "archive/core/RunDriver.h"
#include "archive/core/ToolRunner.h"
#include "platform/core/ToolLauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int extractions = 200;

struct WineTools {
    QTemporaryDir root;
    QString prefix = root.filePath(u"wineprefix"_s);
    QString work = root.filePath(u"work"_s);
    QString archive = root.filePath(u"many.vol"_s);
    QStringList names;
    QString wine = ToolLauncher::findWine();
    QString problem; // why Wine cannot be measured here

    WineTools()
    {
#ifdef KADRILLO_STANDIN_WINDOWS_DIR
        if (wine.isEmpty()) {
            problem = u"no Wine"_s;
            return;
        }
        std::vector<VolEntry> entries;
        for (int i = 0; i < extractions; ++i) {
            const std::string name = "small" + std::to_string(i) + ".cs";
            entries.push_back({name, std::vector<unsigned char>(256, static_cast<unsigned char>(i))});
            names.append(QString::fromStdString(name));
        }
        std::string error;
        VolArchive::write(archive.toStdString(), entries, error);
        QDir().mkpath(work);
        QFile::copy(QStringLiteral(KADRILLO_STANDIN_WINDOWS_DIR "/extract.exe"), work + u"/extract.exe"_s);
        QProcessEnvironment boot = environment();
        boot.remove(u"DISPLAY"_s);
        boot.insert(u"WINEDLLOVERRIDES"_s, u"mscoree,mshtml="_s);
        if (run(wine, {u"wineboot"_s, u"--init"_s}, boot) != 0 || server(u"-w"_s) != 0)
            problem = u"the Wine prefix was not made"_s;
#else
        problem = u"the Windows stand-ins are not built"_s;
#endif
    }

    ~WineTools()
    {
        server(u"-k"_s);
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"WINEPREFIX"_s, prefix);
        environment.insert(u"WINEDEBUG"_s, u"-all"_s);
        return environment;
    }

    static int run(const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& environment)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setStandardInputFile(QProcess::nullDevice());
        process.start(program, arguments);
        return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit
                   ? process.exitCode()
                   : -1;
    }

    // Wine's server beside Wine itself, with `option` ("-w" waits for its end, "-k" ends it).
    int server(const QString& option) const
    {
        const QString folder = QFileInfo(QFileInfo(wine).canonicalFilePath()).absolutePath();
        for (const char* name : {"/wineserver64", "/wineserver"}) {
            if (QFileInfo(folder + QLatin1String(name)).isExecutable())
                return run(folder + QLatin1String(name), {option}, environment());
        }
        return -1;
    }

    // Each benchmark begins with no Wine session running, as a user's first extraction does.
    bool ready(benchmark::State& state) const
    {
        if (!problem.isEmpty()) {
            state.SkipWithError(qPrintable(problem));
            return false;
        }
        server(u"-k"_s);
        return true;
    }

    void startTheToolInAPlainLoop() const
    {
        const QString out = root.filePath(u"plain"_s);
        QDir().mkpath(out);
        for (const QString& name : names) {
            QProcess tool;
            tool.setProcessEnvironment(environment());
            tool.start(wine, {work + u"/extract.exe"_s, archive, out + u'/' + name});
            tool.waitForFinished(-1);
        }
    }
};

WineTools& tools()
{
    static WineTools made;
    return made;
}

void StartTheWineToolInAPlainLoop(benchmark::State& state)
{
    if (!tools().ready(state))
        return;
    for (auto _ : state)
        tools().startTheToolInAPlainLoop();
    tools().server(u"-k"_s);
}

// cmd.exe waits for commands on its input, which stays open until the loop is done.
void StartTheWineToolWithWinesSessionKept(benchmark::State& state)
{
    if (!tools().ready(state))
        return;
    QProcess keeper;
    keeper.setProcessEnvironment(tools().environment());
    keeper.setStandardOutputFile(QProcess::nullDevice());
    keeper.start(tools().wine, {u"cmd.exe"_s});
    for (auto _ : state)
        tools().startTheToolInAPlainLoop();
    keeper.closeWriteChannel();
    keeper.waitForFinished(-1);
    tools().server(u"-k"_s);
}

void ExtractThroughWineWithTheJob(benchmark::State& state)
{
    if (!tools().ready(state))
        return;
    // The runner starts its tools with the program's own environment.
    const std::optional<QByteArray> userPrefix =
        qEnvironmentVariableIsSet("WINEPREFIX") ? std::optional(qgetenv("WINEPREFIX")) : std::nullopt;
    qputenv("WINEPREFIX", QFile::encodeName(tools().prefix));
    {
        ToolRunner runner;
        runner.setWorkFolder(WorkFolder(tools().work));
        const QString out = tools().root.filePath(u"extracted"_s);
        for (auto _ : state) {
            ExtractionJob job(runner, out);
            job.begin(tools().archive);
            RunDriver driver(runner, job, RunReport::Kind::Extraction, 1);
            if (const RunReport report = driver.run(RunDriver::objects(tools().names)); !report.isClean())
                state.SkipWithError(qPrintable(report.text()));
        }
    }
    if (userPrefix)
        qputenv("WINEPREFIX", *userPrefix);
    else
        qunsetenv("WINEPREFIX");
    tools().server(u"-k"_s);
}

} // namespace

BENCHMARK(StartTheWineToolInAPlainLoop)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(StartTheWineToolWithWinesSessionKept)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ExtractThroughWineWithTheJob)->Unit(benchmark::kMillisecond)->Iterations(1);
