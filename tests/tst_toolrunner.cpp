#include "archive/core/ExtractionJob.h"
#include "archive/core/OwnerRecord.h"
#include "archive/core/RunDriver.h"
#include "archive/core/RunningTool.h"
#include "archive/core/ToolCommands.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/WorkFolderClaim.h"
#include "picture/core/ConversionJob.h"
#include "picture/core/PictureState.h"
#include "platform/core/BatchInterpreter.h"
#include "platform/core/FileSystem.h"
#include "platform/core/SettingsStore.h"
#include "support/OwnedProgram.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>
#include <QTimer>
#include <array>
#include <csignal>
#include <latch>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Tools run by the program's ToolRunner and by kadrillo-batch as a process: what kadrillo-batch writes,
// the status it ends with, and that it refuses a script before running anything of it; and that each
// script the program writes, run by kadrillo-batch, means the very call the program started. Which
// lines kadrillo-batch accepts is tested on BatchLine in tst_rules.
class ToolRunnerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void startsADirectCommandInTheWorkFolder();
    void refusesASecondRunWhileOneIsWaitedFor();
    void runsSeveralToolsAtOnce();
    void reportsAToolThatCannotStart();
    void refusesEveryCommand_data();
    void refusesEveryCommand();
    void copiesNeverLoseAFile();
    void neverWritesThroughALink_data();
    void neverWritesThroughALink();
    void claimRemovesOnlyTheFoldersOfKilledRuns();
    void claimsStartedTogetherAllSucceed();
    void aFullDiskKeepsTheOldFile();
    void wineSessionLastsUntilShutdown();
    void batchRunsScriptsByHand_data();
    void batchRunsScriptsByHand();
    void scriptsMeanTheCallsStarted_data();
    void scriptsMeanTheCallsStarted();

private:
    struct Run {
        int status = -1; // -1: did not end by itself, with the reason in errors
        QByteArray errors;
    };
    // Runs the script at `path` with kadrillo-batch.
    Run runBatch(const QString& path);
    // A call of a tool in the working folder, run there.
    ToolCall call(const QString& tool, const QStringList& arguments, const QString& output = QString()) const
    {
        return {work() + u'/' + tool, arguments, output.isEmpty() ? QString() : work() + u'/' + output, false,
                work()};
    }
    QString script() const { return work() + u"/script.bat"_s; }
    QString out() const { return work() + u"/out.txt"_s; }
    // A blank in the folder's name, as in many users' folders.
    QString work() const { return environment_.path() + u"/work folder"_s; }

    TestEnvironment environment_;
    ToolRunner runner_;
};

void ToolRunnerTest::initTestCase()
{
    // Tools on the PATH, one named as the working folder's own, which must win.
    const QString elsewhere = environment_.path() + u"/elsewhere"_s;
    TestEnvironment::writeFile(elsewhere + u"/tool.exe"_s, "#!/bin/sh\necho from-path\n", true);
    TestEnvironment::writeFile(elsewhere + u"/other.exe"_s, "#!/bin/sh\necho other\nexit 3\n", true);
    qputenv("PATH", QFile::encodeName(elsewhere) + ':' + qgetenv("PATH"));
    // A fake Wine that shows its debug setting and what it was asked to run.
    TestEnvironment::writeFile(environment_.path() + u"/printing-wine"_s,
                               "#!/bin/sh\necho \"debug=$WINEDEBUG\"\nprintf '[%s]\\n' \"$@\"\n", true);
    qunsetenv("WINEDEBUG");
}

void ToolRunnerTest::init()
{
    QDir(work()).removeRecursively();
    QDir().mkpath(work());
    runner_.setWorkFolder(WorkFolder(work()));
    TestEnvironment::writeFile(work() + u"/vtlist.exe"_s, "#!/bin/sh\necho listed\n", true);
    TestEnvironment::writeFile(work() + u"/sleeper.exe"_s, "#!/bin/sh\nsleep \"$1\"\n", true);
    // Prints each argument in brackets on a line of its own, so the split can be read back exactly.
    TestEnvironment::writeFile(work() + u"/tool.exe"_s, "#!/bin/sh\nprintf '[%s]\\n' \"$@\"\n", true);
    TestEnvironment::writeFile(work() + u"/game.exe"_s, "MZ");
    TestEnvironment::writeFile(out(), "before\n");
}

// The wait comes after the command has ended, and so after its finished signal: a wait that
// entered the event loop then would never end.
void ToolRunnerTest::startsADirectCommandInTheWorkFolder()
{
    TestEnvironment::writeFile(work() + u"/extract.exe"_s,
                               "#!/bin/sh\n{ pwd; printf '[%s]\\n' \"$@\"; } >out.txt\n", true);
    const std::unique_ptr<RunningTool> run =
        runner_.StartToolCommand(call(u"extract.exe"_s, {work() + u"/temp.vol"_s, u"/out/two words.bmp"_s}));
    QVERIFY(run);
    QSignalSpy ended(run.get(), &RunningTool::ended);
    QVERIFY(ended.wait(10000));
    bool eventsRan = false;
    QTimer zero; // on the stack: it must not fire after the test has returned
    zero.setSingleShot(true);
    connect(&zero, &QTimer::timeout, this, [&eventsRan] { eventsRan = true; });
    zero.start(0);
    QCOMPARE(runner_.WaitForProcess(*run).exitStatus, 0);
    QVERIFY2(!eventsRan, "the wait for an ended process entered the event loop");
    const QByteArray folder = QFile::encodeName(work());
    QCOMPARE(TestEnvironment::readFile(out()),
             folder + "\n[" + folder + "/temp.vol]\n[/out/two words.bmp]\n");
}

// The timer fires during the run only when the wait keeps the event loop, and so the windows, alive.
void ToolRunnerTest::refusesASecondRunWhileOneIsWaitedFor()
{
    bool busySeen = false;
    bool secondRefused = false;
    QTimer during;
    during.setSingleShot(true);
    connect(&during, &QTimer::timeout, this, [&] {
        busySeen = runner_.isBusy();
        secondRefused = !runner_.RunToolScript(script(), ToolCommands::listing(runner_.workFolder())) &&
                        !runner_.StartToolCommand(call(u"sleeper.exe"_s, {u"0"_s}));
    });
    during.start(100);
    QVERIFY(runner_.RunToolScript(work() + u"/extract.bat"_s, call(u"sleeper.exe"_s, {u"0.5"_s})));
    QVERIFY(busySeen);
    QVERIFY(secondRefused);
    QVERIFY(!QFile::exists(work() + u"/results.dat"_s));
    QVERIFY(!runner_.isBusy());
}

// A run over objects starts its tools without waiting; a run waited for may start meanwhile (a palette
// list read while the objects' tools run), and the shutdown ends every tool run with its tree.
void ToolRunnerTest::runsSeveralToolsAtOnce()
{
    const QString ids = work() + u"/ids"_s;
    TestEnvironment::writeFile(work() + u"/waiter.exe"_s,
                               "#!/bin/sh\necho $$ >> ids\nsleep 600 &\necho $! >> ids\nwait\n", true);
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work()));
    std::vector<std::unique_ptr<RunningTool>> runs;
    for (int run = 0; run < 3; ++run) {
        runs.push_back(runner.StartToolCommand(call(u"waiter.exe"_s, {})));
        QVERIFY2(runs.back(), qPrintable(runner.lastError()));
    }
    QVERIFY(runner.isBusy());
    QVERIFY2(runner.RunToolScript(script(), call(u"tool.exe"_s, {u"beside"_s}, u"out.txt"_s)),
             qPrintable(runner.lastError()));
    QCOMPARE(TestEnvironment::readFile(out()), QByteArray("[beside]\n"));
    QTRY_COMPARE_WITH_TIMEOUT(TestEnvironment::readFile(ids).count('\n'), 6, 10000);
    QVERIFY(std::all_of(runs.cbegin(), runs.cend(), [](const auto& run) { return run->isRunning(); }));
    runner.shutDown();
    for (const std::unique_ptr<RunningTool>& run : runs)
        QVERIFY(!run->isRunning() && run->result().ended && run->result().exitStatus == -1);
    QVERIFY(!runner.isBusy());
    // Killed all at once; each is gone as soon as the system has ended it.
    QList<qint64> pids;
    for (const QByteArray& id : TestEnvironment::readFile(ids).split('\n')) {
        if (!id.isEmpty())
            pids.append(id.toLongLong());
    }
    const auto leftOver = qScopeGuard([&pids] {
        for (const qint64 pid : pids) {
            if (OwnedProgram::isAlive(pid))
                ::kill(pid_t(pid), SIGKILL);
        }
    });
    QTRY_VERIFY2_WITH_TIMEOUT(std::none_of(pids.cbegin(), pids.cend(), OwnedProgram::isAlive),
                              "a process of a tool run is still running after the shutdown", 5000);
}

void ToolRunnerTest::reportsAToolThatCannotStart()
{
    qputenv("KADRILLO_WINE", QFile::encodeName(environment_.path() + u"/no-wine-here"_s));
    QVERIFY(!runner_.StartToolCommand(call(u"game.exe"_s, {u"a"_s, u"b"_s})));
    qunsetenv("KADRILLO_WINE");
    QVERIFY2(runner_.lastError().contains(u"Wine"_s), qPrintable(runner_.lastError()));

    QVERIFY(!runner_.StartToolCommand(call(u"not-there.exe"_s, {})));
    QVERIFY2(runner_.lastError().contains(u"not-there.exe"_s), qPrintable(runner_.lastError()));
    QCOMPARE(runner_.lastRun().whyNotStarted, u"the file is missing"_s);
    QVERIFY(!runner_.isBusy());
}

void ToolRunnerTest::refusesEveryCommand_data()
{
    QTest::addColumn<bool>("closing");
    QTest::addColumn<QString>("folder"); // the working folder start-up refused, or empty when none
    QTest::addColumn<QString>("reason");
    // A termination signal may end the program while a window is still about to run a tool.
    QTest::newRow("closing") << true << QString() << u"Kadrillo is closing."_s;
    // No command may fall back to writing anywhere else, the file-system root included.
    QTest::newRow("refused working folder")
        << false << u"planted"_s << u"working folder \"%1/planted\""_s.arg(environment_.path());
    QTest::newRow("no working folder") << false << QString() << u"working folder \"\""_s;
}

void ToolRunnerTest::refusesEveryCommand()
{
    QFETCH(bool, closing);
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    const QString planted = environment_.path() + u"/planted"_s;
    QDir(planted).removeRecursively();
    QDir().mkpath(planted);
    const QStringList written{work() + u"/temp.vol"_s, work() + u"/vtlist.bat"_s, u"/temp.vol"_s,
                              u"/vtlist.bat"_s, u"/results.dat"_s};

    ToolRunner refused;
    refused.setWorkFolder(closing            ? WorkFolder(work())
                          : folder.isEmpty() ? WorkFolder()
                                             : WorkFolder::refused(planted));
    if (closing)
        refused.shutDown();
    QVERIFY(!refused.CopyVolToWork(out()));
    QVERIFY2(refused.lastError().contains(reason), qPrintable(refused.lastError()));
    const ToolCall listing = ToolCommands::listing(refused.workFolder());
    QVERIFY(!refused.WriteToolScript(refused.workFolder().listScript(), listing));
    QVERIFY(!refused.RunToolScript(refused.workFolder().listScript(), listing));
    QVERIFY(!refused.StartToolCommand(call(u"sleeper.exe"_s, {u"0"_s})));
    for (const QString& file : written)
        QVERIFY2(!QFile::exists(file), qPrintable(file));
    QCOMPARE(QDir(planted).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

// "Extract Path" may name the working copy itself, or the user may open the working folder's
// temp.vol; a failed copy must not cost the file it was to replace either.
void ToolRunnerTest::copiesNeverLoseAFile()
{
    const QString copy = work() + u"/temp.vol"_s;
    TestEnvironment::writeFile(copy, QByteArray(100, 'o'));
    const QString archive = environment_.path() + u"/my archive.vol"_s;
    TestEnvironment::writeFile(archive, "the archive");
    QVERIFY(runner_.CopyVolToWork(archive));
    QCOMPARE(TestEnvironment::readFile(copy), QByteArray("the archive"));
    QVERIFY(runner_.CopyVolToWork(copy));
    QCOMPARE(TestEnvironment::readFile(copy), QByteArray("the archive"));
    // The working copy is written into its own file, and leaves no other beside it.
    QCOMPARE(QDir(work()).entryList({u"temp.vol*"_s}, QDir::Files | QDir::Hidden),
             QStringList{u"temp.vol"_s});

    const QString tool = work() + u"/extract.exe"_s;
    TestEnvironment::writeFile(tool, "#!/bin/sh\n", true);
    const QString link = environment_.path() + u"/link to extract.exe"_s;
    QVERIFY(QFile::link(tool, link));
    QVERIFY(FileSystem::copyReplacing(link, tool));
    QVERIFY(FileSystem::copyReplacing(work() + u"/../work folder/extract.exe"_s, tool));
    QCOMPARE(TestEnvironment::readFile(tool), QByteArray("#!/bin/sh\n"));
    QVERIFY(QFileInfo(tool).isExecutable());

    // A link that points nowhere is removed before a tool writes its output there.
    QVERIFY(QFile::link(environment_.path() + u"/nowhere.bmp"_s, work() + u"/temp.bmp"_s));
    QVERIFY(FileSystem::deleteFileIfExists(work() + u"/temp.bmp"_s));
    QVERIFY(!QFileInfo(work() + u"/temp.bmp"_s).isSymLink());
    QVERIFY(!FileSystem::copyReplacing(environment_.path() + u"/gone.exe"_s, tool));
    QVERIFY(!FileSystem::moveReplacing(environment_.path() + u"/gone.exe"_s, tool));

    // A move replaces a link standing at the target, not the file it points to.
    const QString staged = work() + u"/staged.cs"_s;
    TestEnvironment::writeFile(staged, "the object");
    const QString target = environment_.path() + u"/delivered.cs"_s;
    QVERIFY(QFile::link(archive, target));
    QVERIFY(FileSystem::moveReplacing(staged, target));
    QVERIFY(!QFileInfo(target).isSymLink());
    QVERIFY(!QFile::exists(staged));
    QCOMPARE(TestEnvironment::readFile(target), QByteArray("the object"));
    QCOMPARE(TestEnvironment::readFile(archive), QByteArray("the archive"));
    QVERIFY(!runner_.CopyVolToWork(environment_.path() + u"/gone.vol"_s));
    QVERIFY(runner_.lastError().contains(u"gone.vol"_s));
    QCOMPARE(TestEnvironment::readFile(tool), QByteArray("#!/bin/sh\n"));
    QCOMPARE(TestEnvironment::readFile(copy), QByteArray("the archive"));
}

void ToolRunnerTest::neverWritesThroughALink_data()
{
    QTest::addColumn<QString>("planted"); // in the working folder, standing for the user's own file or folder
    QTest::addColumn<QString>("kind");    // "link", "dangling link" (pointing where nothing is yet),
                                          // "second name" (a hard link) or "pipe"
    QTest::newRow("tool script") << u"extract.bat"_s << u"link"_s;
    QTest::newRow("tool script, pointing nowhere") << u"extract.bat"_s << u"dangling link"_s;
    QTest::newRow("tool script, a second name of the user's file") << u"extract.bat"_s << u"second name"_s;
    QTest::newRow("tool script, a pipe") << u"extract.bat"_s << u"pipe"_s;
    QTest::newRow("listing") << u"results.dat"_s << u"link"_s;
    QTest::newRow("listing, a second name of the user's file") << u"results.dat"_s << u"second name"_s;
    QTest::newRow("working copy") << u"temp.vol"_s << u"link"_s;
    QTest::newRow("working copy, a second name of the user's file") << u"temp.vol"_s << u"second name"_s;
    QTest::newRow("staging folder") << u"extracted"_s << u"link"_s;
    QTest::newRow("slot folder of tools run at once") << u"slot-1"_s << u"link"_s;
}

// The run works, with a file or folder of its own in the planted one's place; the user's stay as they
// were. Kadrillo writes into its own files in place, so a second name must not pass for its own file.
void ToolRunnerTest::neverWritesThroughALink()
{
    QFETCH(QString, planted);
    QFETCH(QString, kind);
    const QString mine = environment_.path() + u"/mine"_s;
    const QString inWork = work() + u'/' + planted;
    const bool folder = planted == u"extracted"_s || planted == u"slot-1"_s;
    const QString users = mine + (folder ? u"/a.cs"_s : u"/file"_s);
    const bool kept = kind != u"dangling link"_s && kind != u"pipe"_s;
    QVERIFY(QDir(mine).removeRecursively() && QDir().mkpath(mine));
    if (kept)
        TestEnvironment::writeFile(users, "the user's");
    if (kind == u"pipe"_s)
        QCOMPARE(::mkfifo(QFile::encodeName(inWork).constData(), 0600), 0);
    else if (kind == u"second name"_s)
        QCOMPARE(::link(QFile::encodeName(users).constData(), QFile::encodeName(inWork).constData()), 0);
    else
        QVERIFY(QFile::link(folder ? mine : users, inWork));
    if (folder) {
        TestEnvironment::writeFile(work() + u"/extract.exe"_s, "#!/bin/sh\nprintf x > \"$2\"\n", true);
        ExtractionJob job(runner_, environment_.path() + u"/dest"_s);
        QVERIFY2(job.begin(out()), qPrintable(job.error()));
        RunDriver driver(runner_, job, RunReport::Kind::Extraction, planted == u"slot-1"_s ? 2 : 1);
        QCOMPARE(driver.run(RunDriver::objects({u"a.cs"_s, u"b.cs"_s})).done(), 2);
        QCOMPARE(TestEnvironment::readFile(environment_.path() + u"/dest/a.cs"_s), QByteArray("x"));
    } else if (planted == u"temp.vol"_s) {
        const QString archive = environment_.path() + u"/another.vol"_s;
        TestEnvironment::writeFile(archive, "another archive");
        QVERIFY2(runner_.CopyVolToWork(archive), qPrintable(runner_.lastError()));
        QCOMPARE(TestEnvironment::readFile(inWork), QByteArray("another archive"));
    } else {
        const bool listing = planted == u"results.dat"_s;
        QVERIFY2(runner_.RunToolScript(work() + u'/' + (listing ? u"vtlist.bat"_s : planted),
                                       listing ? ToolCommands::listing(runner_.workFolder())
                                               : call(u"tool.exe"_s, {u"a"_s}, u"out.txt"_s)),
                 qPrintable(runner_.lastError()));
        QCOMPARE(TestEnvironment::readFile(listing ? inWork : out()),
                 listing ? QByteArray("listed\n") : QByteArray("[a]\n"));
    }
    QCOMPARE(QFileInfo::exists(users), kept);
    if (folder)
        QCOMPARE(QDir(mine).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{u"a.cs"_s});
    QCOMPARE(TestEnvironment::readFile(users), kept ? QByteArray("the user's") : QByteArray());
    const QFileInfo replaced(inWork);
    QVERIFY(!replaced.isSymLink() && (folder ? replaced.isDir() : replaced.isFile()));
}

// At a claim, the private folders of runs that were killed go with what they hold, a link inside
// removed and not followed. Kept: a live owner's, another host's, one without a record, one of mode
// 0750, one of a longer name, and a link to a folder like the first.
void ToolRunnerTest::claimRemovesOnlyTheFoldersOfKilledRuns()
{
    const QString beside = environment_.path() + u"/claims"_s;
    const QString configured = beside + u"/kadrillo-1000"_s;
    QByteArray ended;
    QVERIFY(OwnedProgram::runToEnd(u"sh"_s, {u"-c"_s, u"echo $$"_s}, &ended).isEmpty());
    const QString host = QSysInfo::machineHostName();
    const OwnerRecord killed{ended.trimmed().toLongLong(), host};
    const QStringList kept = u"elsewhere kadrillo-1000 kadrillo-1000-linked kadrillo-1000-live00 "
                             "kadrillo-1000-norec0 kadrillo-1000-open00 kadrillo-1000-other0 "
                             "kadrillo-1000-sevenCh"_s.split(u' ');
    for (const auto& [name, record] : {std::pair{u"kadrillo-1000-aB3dE9"_s, killed},
                                       {u"elsewhere/kadrillo-1000-aB3dE9"_s, killed},
                                       {kept.at(3), OwnerRecord{QCoreApplication::applicationPid(), host}},
                                       {kept.at(4), OwnerRecord{}},
                                       {kept.at(5), killed},
                                       {kept.at(6), OwnerRecord{killed.pid, host + u'x'}},
                                       {kept.at(7), killed}}) {
        const QString folder = beside + u'/' + name;
        QVERIFY(QDir().mkpath(folder));
        if (record.pid != 0)
            TestEnvironment::writeFile(folder + u"/kadrillo.owner"_s, record.text());
        QVERIFY(QFile::setPermissions(folder, QFile::Permissions(name == kept.at(5) ? 0x7550 : 0x7000)));
    }
    const QString outside = environment_.path() + u"/outside.txt"_s;
    TestEnvironment::writeFile(outside, "the user's");
    QVERIFY(QFile::link(outside, beside + u"/kadrillo-1000-aB3dE9/escape"_s));
    QVERIFY(QFile::link(beside + u"/elsewhere/kadrillo-1000-aB3dE9"_s, beside + u'/' + kept.at(2)));

    WorkFolderClaim holder;
    QCOMPARE(holder.claim(configured), PrivateFolder::Status::Ready);
    QCOMPARE(QDir(beside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), kept);
    QCOMPARE(TestEnvironment::readFile(outside), QByteArray("the user's"));
    QVERIFY(QFile::exists(beside + u"/elsewhere/kadrillo-1000-aB3dE9/kadrillo.owner"_s));

    // A run beside the holder records itself, and its folder goes once that run is gone.
    WorkFolderClaim second;
    WorkFolderClaim third;
    QCOMPARE(second.claim(configured), PrivateFolder::Status::Ready);
    const QString record = second.path() + u"/kadrillo.owner"_s;
    QCOMPARE(OwnerRecord::read(TestEnvironment::readFile(record)),
             (OwnerRecord{QCoreApplication::applicationPid(), host}));
    QCOMPARE(third.claim(configured), PrivateFolder::Status::Ready);
    QVERIFY(QFileInfo::exists(second.path()));
    TestEnvironment::writeFile(record, killed.text());
    QCOMPARE(third.claim(configured), PrivateFolder::Status::Ready);
    QVERIFY(!QFileInfo::exists(second.path()));
}

// Whichever of them makes the folder, every run started at the same moment finds it its own.
void ToolRunnerTest::claimsStartedTogetherAllSucceed()
{
    for (int round = 0; round < 100; ++round) {
        const QString folder = environment_.path() + u"/together/%1/work"_s.arg(round);
        std::array<PrivateFolder::Status, 6> statuses{};
        std::latch start(qsizetype(statuses.size()));
        std::vector<std::thread> runs;
        for (PrivateFolder::Status& status : statuses)
            runs.emplace_back([&] {
                start.arrive_and_wait();
                status = PrivateFolder::prepare(folder);
            });
        for (std::thread& run : runs)
            run.join();
        for (const PrivateFolder::Status status : statuses)
            QVERIFY2(status == PrivateFolder::Status::Ready, qPrintable(u"round %1"_s.arg(round)));
    }
}

// Qt 6.4's QSaveFile::commit() put an empty file in the old one's place when its last write failed.
void ToolRunnerTest::aFullDiskKeepsTheOldFile()
{
    const QString disk = environment_.path() + u"/small disk"_s;
    QDir().mkpath(disk);
    if (geteuid() != 0 ||
        QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=64k"_s, u"tmpfs"_s, disk}) != 0)
        QSKIP("a small file system can be mounted only by root");
    const auto unmount = qScopeGuard([&disk] { QProcess::execute(u"umount"_s, {disk}); });
    const QString kept = disk + u"/7.pal"_s;
    TestEnvironment::writeFile(kept, "the user's own palette");
    const QString settings = disk + u"/Kadrillo.ini"_s;
    TestEnvironment::writeFile(settings, "[Settings]\nDest%20Path=/home/me/out\n");
    QFile filler(disk + u"/filler"_s);
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(1024, 'x')) == 1024) {
    }
    const QString source = environment_.path() + u"/big.bmp"_s;
    TestEnvironment::writeFile(source, QByteArray(3000, 'b'));

    for (const FileSystem::Sync sync : {FileSystem::Sync::ToDisk, FileSystem::Sync::None}) {
        QVERIFY(!FileSystem::replaceContents(kept, QByteArray(3000, 'p'), sync).isEmpty());
        QVERIFY(!FileSystem::copyReplacing(source, kept, sync));
    }
    // Across file systems a move copies; a copy that does not fit costs neither file.
    QVERIFY(!FileSystem::moveReplacing(source, kept));
    QCOMPARE(TestEnvironment::readFile(source), QByteArray(3000, 'b'));
    QCOMPARE(TestEnvironment::readFile(kept), QByteArray("the user's own palette"));
    SettingsStore store(settings);
    store.write(u"Dest Path"_s, QString(3000, u'd'));
    QVERIFY(!store.flush());
    QCOMPARE(TestEnvironment::readFile(settings), QByteArray("[Settings]\nDest%20Path=/home/me/out\n"));
    QCOMPARE(QDir(disk).entryList(QDir::Files), (QStringList{"7.pal", "filler", "Kadrillo.ini"}));
}

// A fake Wine: "cmd.exe" waits on its input as Wine's own does, and writes down its id; a tool runs.
void ToolRunnerTest::wineSessionLastsUntilShutdown()
{
    const QString wine = environment_.path() + u"/fake-wine"_s;
    const QString keeper = work() + u"/keeper.pid"_s;
    TestEnvironment::writeFile(wine,
                               "#!/bin/sh\nif [ \"$1\" = cmd.exe ]; then echo $$ > '" +
                                   QFile::encodeName(keeper) + "'; exec cat >/dev/null; fi\nexec sh \"$@\"\n",
                               true);
    TestEnvironment::writeFile(work() + u"/extract.exe"_s, QByteArray("MZ=1\necho ran >> runs.txt\n"));
    qputenv("KADRILLO_WINE", QFile::encodeName(wine));
    const auto unset = qScopeGuard([] { qunsetenv("KADRILLO_WINE"); });
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work()));
    for (int run = 0; run < 2; ++run)
        QVERIFY2(runner.RunToolScript(work() + u"/extract.bat"_s, call(u"extract.exe"_s, {})),
                 qPrintable(runner.lastError()));
    QCOMPARE(TestEnvironment::readFile(work() + u"/runs.txt"_s), QByteArray("ran\nran\n"));
    QTRY_VERIFY2_WITH_TIMEOUT(!TestEnvironment::readFile(keeper).isEmpty(), "Wine's session was not kept",
                              10000);
    const pid_t pid = TestEnvironment::readFile(keeper).trimmed().toInt();
    const auto leftOver = qScopeGuard([pid] {
        if (OwnedProgram::isAlive(pid))
            ::kill(pid, SIGKILL);
    });
    QVERIFY2(OwnedProgram::isAlive(pid), "the session ended between two runs");
    runner.shutDown();
    QVERIFY2(!OwnedProgram::isAlive(pid), "the session outlived the shutdown");
}

ToolRunnerTest::Run ToolRunnerTest::runBatch(const QString& path)
{
    OwnedProgram batch(u"kadrillo-batch"_s);
    batch.process().setWorkingDirectory(environment_.path());
    if (!batch.start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo-batch"), {path}))
        return {-1, batch.state().toUtf8()};
    const QString failed = batch.waitForExit(30000);
    if (batch.isRunning() || batch.process().exitStatus() != QProcess::NormalExit)
        return {-1, failed.toUtf8()};
    return {batch.process().exitCode(), batch.process().readAllStandardError()};
}

void ToolRunnerTest::batchRunsScriptsByHand_data()
{
    QTest::addColumn<QString>("lines");
    QTest::addColumn<int>("status");           // kadrillo-batch's
    QTest::addColumn<QByteArray>("written");   // out.txt afterwards
    QTest::addColumn<QByteArray>("complaint"); // in the refusal; empty when the script runs
    const QByteArray untouched("before\n");
    // The Windows interpreter's 9009 for a command it cannot run, as an exit status keeps it.
    const int refused = 9009 % 256;
    QTest::newRow("one argument each, target replaced")
        << u"tool.exe *.* \"two words\" \"a&b\" x;y >out.txt"_s << 0
        << QByteArray("[*.*]\n[two words]\n[a&b]\n[x;y]\n") << QByteArray();
    QTest::newRow("append to a quoted target")
        << u"tool.exe one >> \"out.txt\""_s << 0 << QByteArray("before\n[one]\n") << QByteArray();
    QTest::newRow("a tool on the PATH, its status passed on")
        << u"other.exe >out.txt"_s << 3 << QByteArray("other\n") << QByteArray();
    QTest::newRow("nothing after exit") << u"exit\r\ntool.exe >out.txt"_s << 0 << untouched << QByteArray();
    QTest::newRow("a refused line after the tool line")
        << u"tool.exe a >out.txt\r\ntool.exe b & touch pwned"_s << refused << untouched << QByteArray("&");
    QTest::newRow("a second tool line")
        << u"tool.exe a >out.txt\r\ntool.exe b"_s << refused << untouched << QByteArray("one tool");
    QTest::newRow("unknown tool") << u"missing.exe a >out.txt"_s << refused << untouched
                                  << QByteArray("missing.exe");
    QTest::newRow("a failed cd after the tool line") << u"tool.exe a >out.txt\r\ncd /no/such/folder"_s
                                                     << refused << untouched << QByteArray("/no/such/folder");
    QTest::newRow("a Windows program through Wine, its debug output off")
        << u"game.exe *.* >out.txt"_s << 0
        << "debug=-all\n[" + QFile::encodeName(work()) + "/game.exe]\n[*.*]\n"
        << QByteArray();
}

void ToolRunnerTest::batchRunsScriptsByHand()
{
    QFETCH(QString, lines);
    QFETCH(int, status);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, complaint);
    qputenv("KADRILLO_WINE", QFile::encodeName(environment_.path() + u"/printing-wine"_s));
    const auto unset = qScopeGuard([] { qunsetenv("KADRILLO_WINE"); });
    TestEnvironment::writeFile(
        script(), u"@echo off\r\nc:\r\ncd %1\r\n%2\r\nexit\r\n"_s.arg(work(), lines).toLocal8Bit());
    const Run batch = runBatch(script());
    QVERIFY2(batch.status == status, batch.errors.constData());
    if (!complaint.isEmpty())
        QVERIFY2(batch.errors.startsWith("kadrillo-batch: ") && batch.errors.contains(complaint),
                 batch.errors.constData());
    QCOMPARE(TestEnvironment::readFile(out()), written);
    QVERIFY(!QFile::exists(work() + u"/pwned"_s));
}

void ToolRunnerTest::scriptsMeanTheCallsStarted_data()
{
    QTest::addColumn<QString>("object"); // extracted to the slot's "temp.bmp"; empty: the listing
    QTest::addColumn<bool>("throughWine");
    QTest::addColumn<QString>("slot"); // the subfolder of a slot of tools at once; empty: the folder's own
    QTest::newRow("listing") << QString() << false << QString();
    QTest::newRow("a plain name") << u"sky.bmp"_s << false << QString();
    QTest::newRow("a name with a blank") << u"two words.bmp"_s << false << QString();
    QTest::newRow("a name with operators") << u"a&b;c=d^(e)!,f.cs"_s << false << QString();
    QTest::newRow("through Wine") << u"sky.bmp"_s << true << QString();
    QTest::newRow("a slot of tools at once") << u"two words.bmp"_s << false << u"slot-2"_s;
}

// The program's run of each call, over a longer script left from before, and kadrillo-batch's run of
// the script written for it: the same program, arguments and output, so the same file.
void ToolRunnerTest::scriptsMeanTheCallsStarted()
{
    QFETCH(QString, object);
    QFETCH(bool, throughWine);
    QFETCH(QString, slot);
    // Each writes where it is and what it was given into the extraction's output file, or onto its own
    // output; Wine shows its debug setting too.
    const QByteArray printing = "{ echo \"$SEEN\"; pwd; printf '[%s]\\n' \"$@\"; } > \"${3:-/dev/stdout}\"\n";
    const QString wine = environment_.path() + u"/wine-to-file"_s;
    TestEnvironment::writeFile(wine, "#!/bin/sh\nSEEN=\"debug=$WINEDEBUG tool=$1\"\nshift\n" + printing,
                               true);
    qputenv("KADRILLO_WINE", QFile::encodeName(wine));
    const auto unset = qScopeGuard([] { qunsetenv("KADRILLO_WINE"); });
    const WorkFolder& work = runner_.workFolder();
    PictureState pictures;
    const RunSlot inSlot{slot.isEmpty() ? work.path() : work.file(slot)};
    QVERIFY(QDir().mkpath(inSlot.folder));
    // As a conversion plans it.
    PictureConversion::Options options;
    options.workFolder = work;
    const RunStep::Plan extraction =
        ConversionJob(runner_, pictures, QString(), options).extraction(object, inSlot);
    const bool listing = object.isEmpty();
    const ToolCall called = listing ? ToolCommands::listing(work) : extraction.call;
    const QString scriptPath = listing ? work.listScript() : extraction.script;
    const QString output = listing ? work.listing() : extraction.output;
    TestEnvironment::writeFile(called.program, throughWine ? "MZ" : "#!/bin/sh\n" + printing, true);
    TestEnvironment::writeFile(scriptPath, QByteArray(4096, 'x'));

    QVERIFY2(runner_.RunToolScript(scriptPath, called), qPrintable(runner_.lastError()));
    QCOMPARE(TestEnvironment::readFile(scriptPath), ToolCommands::scriptText(called));
    const QByteArray programRun = TestEnvironment::readFile(output);
    QVERIFY(!programRun.isEmpty());
    const BatchInterpreter::Reading reading = BatchInterpreter::read(scriptPath, environment_.path());
    QVERIFY2(reading.error.isEmpty(), qPrintable(reading.error));
    QVERIFY(reading.call);
    QCOMPARE(*reading.call, called);

    QVERIFY(QFile::remove(output));
    const Run batch = runBatch(scriptPath);
    QVERIFY2(batch.status == 0, batch.errors.constData());
    QCOMPARE(TestEnvironment::readFile(output), programRun);
}

QTEST_GUILESS_MAIN(ToolRunnerTest)
#include "tst_toolrunner.moc"
