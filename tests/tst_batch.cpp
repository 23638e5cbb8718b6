#include "archive/ToolRunner.h"
#include "support/OwnedProgram.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

// kadrillo-batch as a process: what it writes, the status it ends with, and that it refuses a script
// before running anything of it; and that the program's own run of each script agrees with it. Which
// lines it accepts is tested on BatchLine in tst_rules.
class BatchTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void runsScriptsAsTheProgramDoes_data();
    void runsScriptsAsTheProgramDoes();
    void startsWindowsProgramsThroughWine();

private:
    struct Run {
        int status = -1; // -1: did not end by itself, with the reason in errors
        QByteArray errors;
    };
    // Writes the script "cd <work>" and `lines`; returns its path.
    QString write(const QByteArray& lines) const;
    // Runs that script with kadrillo-batch.
    Run run(const QByteArray& lines,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    QString work() const { return environment_.path() + u"/work"_s; }
    QString out() const { return work() + u"/out.txt"_s; }

    TestEnvironment environment_;
};

void BatchTest::initTestCase()
{
    // Tools on the PATH, one named as the working folder's own, which must win.
    const QString elsewhere = environment_.path() + u"/elsewhere"_s;
    TestEnvironment::writeFile(elsewhere + u"/tool.exe"_s, "#!/bin/sh\necho from-path\n", true);
    TestEnvironment::writeFile(elsewhere + u"/other.exe"_s, "#!/bin/sh\necho other\nexit 3\n", true);
    qputenv("PATH", QFile::encodeName(elsewhere) + ':' + qgetenv("PATH"));
}

void BatchTest::init()
{
    QDir(work()).removeRecursively();
    // Prints each argument in brackets on a line of its own, so the split can be read back exactly.
    TestEnvironment::writeFile(work() + u"/tool.exe"_s,
                               "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n", true);
    TestEnvironment::writeFile(out(), "before\n");
}

QString BatchTest::write(const QByteArray& lines) const
{
    const QString script = environment_.path() + u"/script.bat"_s;
    TestEnvironment::writeFile(script, "@echo off\r\nc:\r\ncd " + QFile::encodeName(work()) + "\r\n" + lines +
                                           "\r\nexit\r\n");
    return script;
}

BatchTest::Run BatchTest::run(const QByteArray& lines, const QProcessEnvironment& environment)
{
    const QString script = write(lines);
    OwnedProgram batch(u"kadrillo-batch"_s);
    batch.process().setWorkingDirectory(environment_.path());
    if (!batch.start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo-batch"), {script}, environment))
        return {-1, batch.state().toUtf8()};
    const QString failed = batch.waitForExit(30000);
    if (batch.isRunning() || batch.process().exitStatus() != QProcess::NormalExit)
        return {-1, failed.toUtf8()};
    return {batch.process().exitCode(), batch.process().readAllStandardError()};
}

void BatchTest::runsScriptsAsTheProgramDoes_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("status");           // kadrillo-batch's
    QTest::addColumn<QByteArray>("written");   // out.txt afterwards
    QTest::addColumn<QByteArray>("complaint"); // in the refusal; empty when the script runs
    const QByteArray untouched("before\n");
    // The Windows interpreter's 9009 for a command it cannot run, as an exit status keeps it.
    const int refused = 9009 % 256;
    QTest::newRow("one argument each, target replaced")
        << QByteArray("tool.exe *.* \"two words\" \"a&b\" x;y >out.txt") << 0
        << QByteArray("[*.*]\n[two words]\n[a&b]\n[x;y]\n") << QByteArray();
    QTest::newRow("append to a quoted target")
        << QByteArray("tool.exe one >> \"out.txt\"") << 0 << QByteArray("before\n[one]\n") << QByteArray();
    QTest::newRow("a tool on the PATH, its status passed on")
        << QByteArray("other.exe >out.txt") << 3 << QByteArray("other\n") << QByteArray();
    QTest::newRow("nothing after exit")
        << QByteArray("exit\r\ntool.exe >out.txt") << 0 << untouched << QByteArray();
    QTest::newRow("a refused line after the tool line")
        << QByteArray("tool.exe a >out.txt\r\ntool.exe b & touch pwned") << refused << untouched
        << QByteArray("&");
    QTest::newRow("a second tool line")
        << QByteArray("tool.exe a >out.txt\r\ntool.exe b") << refused << untouched << QByteArray("one tool");
    QTest::newRow("unknown tool") << QByteArray("missing.exe a >out.txt") << refused << untouched
                                  << QByteArray("missing.exe");
    QTest::newRow("a failed cd after the tool line")
        << QByteArray("tool.exe a >out.txt\r\ncd /no/such/folder") << refused << untouched
        << QByteArray("/no/such/folder");
}

void BatchTest::runsScriptsAsTheProgramDoes()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, status);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, complaint);
    const Run batch = run(lines);
    QVERIFY2(batch.status == status, batch.errors.constData());
    if (!complaint.isEmpty())
        QVERIFY2(batch.errors.startsWith("kadrillo-batch: ") && batch.errors.contains(complaint),
                 batch.errors.constData());
    QCOMPARE(TestEnvironment::readFile(out()), written);
    QVERIFY(!QFile::exists(work() + u"/pwned"_s));

    TestEnvironment::writeFile(out(), "before\n");
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work()));
    QCOMPARE(runner.RunScript(write(lines)), complaint.isEmpty());
    QVERIFY2(complaint.isEmpty() || batch.errors.contains(runner.lastError().toLocal8Bit()),
             qPrintable(runner.lastError()));
    QCOMPARE(TestEnvironment::readFile(out()), written);
}

void BatchTest::startsWindowsProgramsThroughWine()
{
    const QString fakeWine = environment_.path() + u"/fake-wine"_s;
    TestEnvironment::writeFile(
        fakeWine, "#!/bin/sh\necho \"debug=$WINEDEBUG\"\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n",
        true);
    TestEnvironment::writeFile(work() + u"/game.exe"_s, QByteArray("MZ") + QByteArray(62, '\0'));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"KADRILLO_WINE"_s, fakeWine);
    environment.remove(u"WINEDEBUG"_s);
    QCOMPARE(run("game.exe *.* temp.vol >results.dat", environment).status, 0);
    QCOMPARE(TestEnvironment::readFile(work() + u"/results.dat"_s),
             "debug=-all\n[" + QFile::encodeName(work()) + "/game.exe]\n[*.*]\n[temp.vol]\n");

    environment.insert(u"KADRILLO_WINE"_s, environment_.path() + u"/no-such-wine"_s);
    environment.insert(u"PATH"_s, environment_.path() + u"/empty"_s);
    const Run missing = run("game.exe >results.dat", environment);
    QVERIFY(missing.status != 0);
    QVERIFY2(missing.errors.contains("Wine"), missing.errors.constData());
}

QTEST_GUILESS_MAIN(BatchTest)
#include "tst_batch.moc"
