#include "archive/ToolRunner.h"
#include "platform/FileSystem.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <limits>

class ToolRunnerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void scriptBytes();
    void rewritingAScriptLeavesExactlyFiveLines();
    void runsAScriptAndWaitsForItsOutput();
    void startsADirectCommandInTheWorkFolder();
    void copiesTheArchiveToTheWorkingCopy();
    void waitReturnsPromptlyForAFastProcess();
    void windowsStayAliveDuringASlowTool();
    void refusesASecondRunWhileOneIsWaitedFor();
    void reportsAToolThatCannotStart();
    void nothingRunsOrIsWrittenAfterShutdown();
    void refusedWorkingFolderRefusesEveryCommand();
    void copyingAFileOntoItselfKeepsIt();
    void shutdownEndsTheWholeToolRun();

private:
    // A blank in the folder's name, as in many users' folders.
    QString work() const { return environment_.path() + QStringLiteral("/work folder"); }

    TestEnvironment environment_;
    ToolRunner runner_;
};

void ToolRunnerTest::init()
{
    QDir(work()).removeRecursively();
    QDir().mkpath(work());
    runner_.setWorkFolder(WorkFolder(work()));
    TestEnvironment::writeFile(work() + QStringLiteral("/vtlist.exe"),
                               "#!/bin/sh\necho 'Volume contents'\nfor a in \"$@\"; do echo \"$a\"; done\n",
                               true);
    TestEnvironment::writeFile(work() + QStringLiteral("/sleeper.exe"), "#!/bin/sh\nsleep \"$1\"\n", true);
}

void ToolRunnerTest::scriptBytes()
{
    QCOMPARE(
        ToolRunner::scriptText(QStringLiteral("C:\\KTEMP"),
                               QStringLiteral("vtlist.exe *.* temp.vol >results.dat")),
        QByteArray("@echo off\r\nc:\r\ncd C:\\KTEMP\r\nvtlist.exe *.* temp.vol >results.dat\r\nexit\r\n"));
}

void ToolRunnerTest::rewritingAScriptLeavesExactlyFiveLines()
{
    const QString script = work() + QStringLiteral("/extract.bat");
    TestEnvironment::writeFile(script, QByteArray(4096, 'x'));
    QVERIFY(runner_.WriteToolScript(QStringLiteral("extract.bat"),
                                    QStringLiteral("extract.exe temp.vol sky.bmp temp.bmp")));
    QCOMPARE(TestEnvironment::readFile(script),
             ToolRunner::scriptText(work(), QStringLiteral("extract.exe temp.vol sky.bmp temp.bmp")));
    QCOMPARE(TestEnvironment::readFile(script).count("\r\n"), 5);
}

void ToolRunnerTest::runsAScriptAndWaitsForItsOutput()
{
    QVERIFY2(runner_.RunToolScript(QStringLiteral("vtlist.bat"),
                                   QStringLiteral("vtlist.exe *.* temp.vol >results.dat")),
             qPrintable(runner_.lastError()));
    QVERIFY(!runner_.isBusy());
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/results.dat")),
             QByteArray("Volume contents\n*.*\ntemp.vol\n"));
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/vtlist.bat")),
             ToolRunner::scriptText(work(), QStringLiteral("vtlist.exe *.* temp.vol >results.dat")));
}

void ToolRunnerTest::startsADirectCommandInTheWorkFolder()
{
    TestEnvironment::writeFile(work() + QStringLiteral("/extract.exe"),
                               "#!/bin/sh\npwd > where.txt\nprintf '%s|' \"$@\" > args.txt\n", true);
    QProcess* process = runner_.StartToolCommand(
        QStringLiteral("\"%1/extract.exe\" \"%1/temp.vol\" \"/out/two words.bmp\"").arg(work()));
    QVERIFY(process);
    QCOMPARE(runner_.WaitForProcess(process), 0);
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/args.txt")),
             QFile::encodeName(work()) + "/temp.vol|/out/two words.bmp|");
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/where.txt")).trimmed(),
             QFile::encodeName(work()));
}

void ToolRunnerTest::copiesTheArchiveToTheWorkingCopy()
{
    const QString archive = environment_.path() + QStringLiteral("/my archive.vol");
    TestEnvironment::writeFile(archive, QByteArray("KVOL\0\0\0\0", 8));
    TestEnvironment::writeFile(work() + QStringLiteral("/temp.vol"), QByteArray(100, 'o'));
    QVERIFY(runner_.CopyVolToWork(archive));
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/temp.vol")), QByteArray("KVOL\0\0\0\0", 8));

    QVERIFY(!runner_.CopyVolToWork(environment_.path() + QStringLiteral("/gone.vol")));
    QVERIFY(runner_.lastError().contains(QStringLiteral("gone.vol")));
}

// A wait that polled on a fixed period would never return sooner than that period; the fastest
// of a few runs shows whether there is such a floor without depending on one run's timing.
void ToolRunnerTest::waitReturnsPromptlyForAFastProcess()
{
    qint64 fastest = std::numeric_limits<qint64>::max();
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        QVERIFY(
            runner_.RunToolScript(QStringLiteral("vtlist.bat"), QStringLiteral("vtlist.exe >results.dat")));
        fastest = std::min(fastest, clock.elapsed());
    }
    QVERIFY2(fastest < 100, qPrintable(QStringLiteral("fastest wait took %1 ms").arg(fastest)));

    QProcess* process = runner_.StartToolCommand(QStringLiteral("\"%1/sleeper.exe\" 0").arg(work()));
    QVERIFY(process);
    QVERIFY(process->waitForFinished(10000));
    bool eventsRan = false;
    QTimer zero;
    zero.setSingleShot(true);
    connect(&zero, &QTimer::timeout, this, [&eventsRan] { eventsRan = true; });
    zero.start(0);
    QCOMPARE(runner_.WaitForProcess(process), 0);
    QVERIFY2(!eventsRan, "the wait for an ended process should return without running the event loop");
}

void ToolRunnerTest::windowsStayAliveDuringASlowTool()
{
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
    timer.start(20);
    QVERIFY(runner_.RunToolScript(QStringLiteral("extract.bat"), QStringLiteral("sleeper.exe 0.6")));
    QVERIFY2(ticks >= 5, qPrintable(QStringLiteral("only %1 timer ticks during the wait").arg(ticks)));
}

void ToolRunnerTest::refusesASecondRunWhileOneIsWaitedFor()
{
    bool secondRefused = false;
    bool busySeen = false;
    QTimer during;
    during.setSingleShot(true);
    connect(&during, &QTimer::timeout, this, [&] {
        busySeen = runner_.isBusy();
        secondRefused =
            !runner_.RunToolScript(QStringLiteral("vtlist.bat"), QStringLiteral("vtlist.exe >results.dat")) &&
            !runner_.StartToolCommand(QStringLiteral("\"%1/sleeper.exe\" 0").arg(work()));
    });
    during.start(100);
    QVERIFY(runner_.RunToolScript(QStringLiteral("extract.bat"), QStringLiteral("sleeper.exe 0.5")));
    QVERIFY(busySeen);
    QVERIFY(secondRefused);
    QVERIFY(!QFile::exists(work() + QStringLiteral("/results.dat")));
    QVERIFY(!runner_.isBusy());
}

void ToolRunnerTest::reportsAToolThatCannotStart()
{
    TestEnvironment::writeFile(work() + QStringLiteral("/extract.exe"),
                               QByteArray("MZ") + QByteArray(62, '\0'));
    qputenv("KADRILLO_WINE", QFile::encodeName(environment_.path() + QStringLiteral("/no-wine-here")));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    QProcess* process = runner_.StartToolCommand(QStringLiteral("\"%1/extract.exe\" a b").arg(work()));
    qputenv("PATH", path);
    qunsetenv("KADRILLO_WINE");
    QVERIFY(!process);
    QVERIFY2(runner_.lastError().contains(QStringLiteral("Wine")), qPrintable(runner_.lastError()));

    QProcess* missing = runner_.StartToolCommand(QStringLiteral("\"%1/not-there.exe\"").arg(work()));
    QVERIFY(missing);
    QCOMPARE(runner_.WaitForProcess(missing), -1);
    QVERIFY2(runner_.lastError().contains(QStringLiteral("not-there.exe")), qPrintable(runner_.lastError()));
    QVERIFY(!runner_.isBusy());
}

// A termination signal may end the program while a window is still about to run a tool.
void ToolRunnerTest::nothingRunsOrIsWrittenAfterShutdown()
{
    ToolRunner closing;
    closing.setWorkFolder(WorkFolder(work()));
    closing.shutDown();
    const QString archive = environment_.path() + QStringLiteral("/a.vol");
    TestEnvironment::writeFile(archive, "KVOL");
    QVERIFY(!closing.CopyVolToWork(archive));
    QVERIFY(!closing.RunToolScript(QStringLiteral("vtlist.bat"), QStringLiteral("vtlist.exe >results.dat")));
    QVERIFY(!closing.StartToolCommand(QStringLiteral("\"%1/sleeper.exe\" 0").arg(work())));
    QCOMPARE(closing.lastError(), QStringLiteral("Kadrillo is closing."));
    for (const char* name : {"temp.vol", "vtlist.bat", "results.dat"})
        QVERIFY2(!QFile::exists(work() + QLatin1Char('/') + QLatin1String(name)), name);
}

// Start-up refuses a working folder that is not the user's own; no command may then fall back to
// writing anywhere else, the file-system root included.
void ToolRunnerTest::refusedWorkingFolderRefusesEveryCommand()
{
    const QString planted = environment_.path() + QStringLiteral("/planted");
    QDir().mkpath(planted);
    const QString archive = environment_.path() + QStringLiteral("/a.vol");
    TestEnvironment::writeFile(archive, "KVOL");
    const QStringList atRoot{"/temp.vol", "/vtlist.bat", "/results.dat"};
    for (const QString& file : atRoot)
        QVERIFY2(!QFile::exists(file), qPrintable(file + QStringLiteral(" exists before the test")));

    for (const WorkFolder& folder : {WorkFolder::refused(planted), WorkFolder()}) {
        ToolRunner refused;
        refused.setWorkFolder(folder);
        QVERIFY(refused.workFolder().file(QStringLiteral("temp.vol")).isEmpty());
        QVERIFY(!refused.CopyVolToWork(archive));
        QVERIFY2(refused.lastError().contains(QStringLiteral("working folder \"") + folder.path() + '"'),
                 qPrintable(refused.lastError()));
        QVERIFY(!refused.WriteToolScript(QStringLiteral("vtlist.bat"), QStringLiteral("vtlist.exe")));
        QVERIFY(
            !refused.RunToolScript(QStringLiteral("vtlist.bat"), QStringLiteral("vtlist.exe >results.dat")));
        QVERIFY(!refused.StartToolCommand(QStringLiteral("\"%1/sleeper.exe\" 0").arg(work())));
    }
    QCOMPARE(QDir(planted).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    for (const QString& file : atRoot)
        QVERIFY2(!QFile::exists(file), qPrintable(file));
}

// "Extract Path" may name the working copy itself, or the user may open the working folder's
// temp.vol; a failed copy must not cost the file it was to replace either.
void ToolRunnerTest::copyingAFileOntoItselfKeepsIt()
{
    const QString copy = work() + QStringLiteral("/temp.vol");
    TestEnvironment::writeFile(copy, "the archive");
    QVERIFY(runner_.CopyVolToWork(copy));
    QCOMPARE(TestEnvironment::readFile(copy), QByteArray("the archive"));

    const QString tool = work() + QStringLiteral("/extract.exe");
    TestEnvironment::writeFile(tool, "#!/bin/sh\n", true);
    const QString link = environment_.path() + QStringLiteral("/link to extract.exe");
    QVERIFY(QFile::link(tool, link));
    QVERIFY(FileSystem::copyReplacing(link, tool));
    QVERIFY(FileSystem::copyReplacing(work() + QStringLiteral("/../work folder/extract.exe"), tool));
    QCOMPARE(TestEnvironment::readFile(tool), QByteArray("#!/bin/sh\n"));
    QVERIFY(QFileInfo(tool).isExecutable());

    QVERIFY(!FileSystem::copyReplacing(environment_.path() + QStringLiteral("/gone.exe"), tool));
    QVERIFY(!runner_.CopyVolToWork(environment_.path() + QStringLiteral("/gone.vol")));
    QCOMPARE(TestEnvironment::readFile(tool), QByteArray("#!/bin/sh\n"));
    QCOMPARE(TestEnvironment::readFile(copy), QByteArray("the archive"));
}

// Closing the program during a tool run ends the interpreter and everything it started, or the
// tool could go on writing into the working folder after it was emptied.
void ToolRunnerTest::shutdownEndsTheWholeToolRun()
{
    TestEnvironment::writeFile(work() + QStringLiteral("/spawner.exe"),
                               "#!/bin/sh\nsleep 600 &\necho $! > child.pid\nwait\n", true);
    const QString pidFile = work() + QStringLiteral("/child.pid");
    ToolRunner closing;
    closing.setWorkFolder(WorkFolder(work()));
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (!TestEnvironment::readFile(pidFile).trimmed().isEmpty()) {
            watch.stop();
            closing.shutDown();
        }
    });
    watch.start(10);
    QTimer::singleShot(60000, &closing, &ToolRunner::shutDown); // the spawner never started
    closing.RunToolScript(QStringLiteral("extract.bat"), QStringLiteral("spawner.exe"));
    QVERIFY(!closing.isBusy());
    const pid_t child = TestEnvironment::readFile(pidFile).trimmed().toInt();
    QVERIFY2(child > 0, "the tool never started its child");
    const auto ended = [child] {
        const QByteArray stat = TestEnvironment::readFile(QStringLiteral("/proc/%1/stat").arg(child));
        return stat.isEmpty() || stat.contains(") Z ");
    };
    const auto leftOver = qScopeGuard([&] {
        if (!ended())
            ::kill(child, SIGKILL);
    });
    QTRY_VERIFY2_WITH_TIMEOUT(ended(), "the tool's own child outlived the shutdown", 10000);
}

QTEST_GUILESS_MAIN(ToolRunnerTest)
#include "tst_toolrunner.moc"
