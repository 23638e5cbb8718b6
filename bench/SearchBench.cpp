// Searches over many archives: Find over 50 archives of 1000 objects each, listed several at once,
// against listing them one after another from a plain loop (goal: a ratio of at most 0.65 with the
// default number of parallel runs); the same search from the cache (goal: under 50 ms for the 50 000
// rows); and Find in Scripts' search of 500 scripts of 20 KB once they are extracted (goal: under
// 100 ms).
#include "SettleFixture.h"
#include "VolArchive.h"
#include "app/core/AppSettings.h"
#include "archive/core/ArchiveListing.h"
#include "archive/core/ArchiveSearch.h"
#include "archive/core/ToolRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int archiveCount = 50;
constexpr int objectsPerArchive = 1000;

struct ManyArchives {
    QTemporaryDir root;
    QString folder = root.filePath(u"game"_s);
    QString work = root.filePath(u"work"_s);
    ArchiveSearch::Tools tools{QStringLiteral(KADRILLO_STANDIN_DIR "/vtlist.exe"),
                               QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe")};

    ManyArchives()
    {
        QDir().mkpath(folder);
        QDir().mkpath(work);
        QFile::copy(tools.listing, work + u"/vtlist.exe"_s);
        for (int archive = 0; archive < archiveCount; ++archive) {
            std::vector<VolEntry> entries;
            for (int object = 0; object < objectsPerArchive; ++object)
                entries.push_back(
                    {"object" + std::to_string(object) + (object % 10 ? ".bmp" : ".cs"), {'x'}});
            std::string error;
            VolArchive::write(QStringLiteral("%1/archive%2.vol").arg(folder).arg(archive).toStdString(),
                              entries, error);
        }
        settleFixture();
    }

    static ManyArchives& shared()
    {
        static ManyArchives archives;
        return archives;
    }
};

int rowsFound(ArchiveSearch& search, const QString& folder)
{
    int rows = 0;
    search.find(folder, false, NamePattern(), [&rows](const ArchiveSearch::FoundObject&) { ++rows; });
    return rows;
}

void FindOverManyArchives(benchmark::State& state)
{
    ManyArchives& data = ManyArchives::shared();
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(data.work));
    static int round = 0; // across repetitions too, so that no run finds a kept cache
    for (auto _ : state) {
        // An empty cache each time: every archive is listed by the tool.
        const ArchiveCache cache(data.root.filePath(u"cache-%1"_s.arg(++round)));
        ArchiveSearch search(runner, cache, data.tools, AppSettings{}.parallelRuns());
        if (rowsFound(search, data.folder) != archiveCount * objectsPerArchive)
            state.SkipWithError("not every object was found");
    }
}

void ListTheArchivesInAPlainLoop(benchmark::State& state)
{
    ManyArchives& data = ManyArchives::shared();
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(data.work));
    for (auto _ : state) {
        qsizetype names = 0;
        for (int archive = 0; archive < archiveCount; ++archive)
            names += ArchiveListing::list(runner, u"%1/archive%2.vol"_s.arg(data.folder).arg(archive))
                         .names.size();
        if (names != archiveCount * objectsPerArchive)
            state.SkipWithError("not every archive was listed");
    }
}

void FindFromTheCache(benchmark::State& state)
{
    ManyArchives& data = ManyArchives::shared();
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(data.work));
    const ArchiveCache cache(data.root.filePath(u"cache-kept"_s));
    ArchiveSearch search(runner, cache, data.tools, AppSettings{}.parallelRuns());
    rowsFound(search, data.folder);
    for (auto _ : state) {
        if (rowsFound(search, data.folder) != archiveCount * objectsPerArchive)
            state.SkipWithError("not every object was found");
    }
}

void SearchManyScripts(benchmark::State& state)
{
    // 500 scripts of 20 KB: lines of code, one in fifty holding the text looked for.
    QList<QByteArray> scripts;
    for (int script = 0; script < 500; ++script) {
        QByteArray text;
        for (int line = 0; text.size() < 20 * 1024; ++line)
            text += line % 50 ? "   %value = getWord($list, " + QByteArray::number(line) + ");\r\n"
                              : QByteArray("   schedule(\"missionStart();\", 2);\r\n");
        scripts.append(text);
    }
    const ScriptSearch search(u"MissionStart"_s, false, false);
    for (auto _ : state) {
        qsizetype lines = 0;
        for (const QByteArray& script : std::as_const(scripts))
            lines += search.find(script).size();
        benchmark::DoNotOptimize(lines);
    }
}

} // namespace

BENCHMARK(FindOverManyArchives)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(ListTheArchivesInAPlainLoop)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(FindFromTheCache)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchManyScripts)->Unit(benchmark::kMillisecond);
