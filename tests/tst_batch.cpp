#include "archive/ToolRunner.h"
#include "support/OwnedProgram.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

// kadrillo-batch as a process: what it writes, the status it ends with, and that it refuses a script
// before running anything of it; and that the program's own runs of a script agree with it. Which
// lines it accepts is tested on BatchLine in tst_rules.
class BatchTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void runsTheToolLine_data();
    void runsTheToolLine();
    void passesTheToolStatusAndStopsAtExit();
    void startsWindowsProgramsThroughWine();
    void refusesBeforeRunningAnything_data();
    void refusesBeforeRunningAnything();
    void theProgramRunsScriptsAsItDoes_data();
    void theProgramRunsScriptsAsItDoes();

private:
    struct Run {
        int status = -1; // -1: did not end by itself, with the reason in errors
        QByteArray errors;
    };
    // Writes the script "cd <work>" and `lines`; returns its path.
    QString write(const QByteArray& lines) const;
    // Runs that script with kadrillo-batch.
    Run run(const QByteArray& lines, const QProcessEnvironment& environment);
    Run run(const QByteArray& lines) { return run(lines, QProcessEnvironment::systemEnvironment()); }
    QString work() const { return environment_.path() + u"/work"_s; }

    TestEnvironment environment_;
};

void BatchTest::init()
{
    QDir(work()).removeRecursively();
    // Prints each argument in brackets on a line of its own, so the split can be read back exactly.
    TestEnvironment::writeFile(
        work() + u"/tool.exe"_s,
        "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\nexit ${EXIT_WITH:-0}\n", true);
}

QString BatchTest::write(const QByteArray& lines) const
{
    const QString script = environment_.path() + u"/script.bat"_s;
    TestEnvironment::writeFile(script, "@echo off\r\nc:\r\ncd " + QFile::encodeName(work()) + "\r\n" + lines);
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

void BatchTest::runsTheToolLine_data()
{
    QTest::addColumn<QByteArray>("toolLine");
    QTest::addColumn<QString>("target"); // holds "before" when the script starts
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("one argument each, target replaced")
        << QByteArray("tool.exe *.* \"two words\" \"a&b\" x;y >results.dat") << u"results.dat"_s
        << QByteArray("[*.*]\n[two words]\n[a&b]\n[x;y]\n");
    QTest::newRow("append to a quoted target")
        << QByteArray("tool.exe one >> \"my out.txt\"") << u"my out.txt"_s << QByteArray("before\n[one]\n");
    QTest::newRow("the current folder before the PATH")
        << QByteArray("tool.exe here >out.txt") << u"out.txt"_s << QByteArray("[here]\n");
    QTest::newRow("then the PATH") << QByteArray("other.exe >out.txt") << u"out.txt"_s
                                   << QByteArray("other\n");
}

void BatchTest::runsTheToolLine()
{
    QFETCH(QByteArray, toolLine);
    QFETCH(QString, target);
    QFETCH(QByteArray, written);
    const QString elsewhere = environment_.path() + u"/elsewhere"_s;
    TestEnvironment::writeFile(elsewhere + u"/tool.exe"_s, "#!/bin/sh\necho from-path\n", true);
    TestEnvironment::writeFile(elsewhere + u"/other.exe"_s, "#!/bin/sh\necho other\n", true);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PATH"_s, elsewhere + u':' + environment.value(u"PATH"_s));
    TestEnvironment::writeFile(work() + u'/' + target, "before\n");

    const Run result = run(toolLine + "\r\nexit\r\n", environment);
    QVERIFY2(result.status == 0 && result.errors.isEmpty(), result.errors.constData());
    QCOMPARE(TestEnvironment::readFile(work() + u'/' + target), written);
}

void BatchTest::passesTheToolStatusAndStopsAtExit()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"EXIT_WITH"_s, u"3"_s);
    QCOMPARE(run("tool.exe >out.txt\r\nexit\r\n", environment).status, 3);
    QCOMPARE(run("exit\r\ntool.exe >late.txt\r\n").status, 0);
    QVERIFY(!QFile::exists(work() + u"/late.txt"_s));
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
    QCOMPARE(run("game.exe *.* temp.vol >results.dat\r\n", environment).status, 0);
    QCOMPARE(TestEnvironment::readFile(work() + u"/results.dat"_s),
             "debug=-all\n[" + QFile::encodeName(work()) + "/game.exe]\n[*.*]\n[temp.vol]\n");

    environment.insert(u"KADRILLO_WINE"_s, environment_.path() + u"/no-such-wine"_s);
    environment.insert(u"PATH"_s, environment_.path() + u"/empty"_s);
    const Run missing = run("game.exe >results.dat\r\n", environment);
    QVERIFY(missing.status != 0);
    QVERIFY2(missing.errors.contains("Wine"), missing.errors.constData());
}

void BatchTest::refusesBeforeRunningAnything_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QByteArray>("complaint");
    QTest::newRow("a refused line after the tool line")
        << QByteArray("tool.exe a >out.txt\r\ntool.exe b & touch pwned") << QByteArray("&");
    QTest::newRow("a second tool line")
        << QByteArray("tool.exe a >out.txt\r\ntool.exe b") << QByteArray("one tool");
    QTest::newRow("unknown tool") << QByteArray("missing.exe a >out.txt") << QByteArray("missing.exe");
    QTest::newRow("failed cd") << QByteArray("cd /no/such/folder\r\ntool.exe a >out.txt")
                               << QByteArray("/no/such/folder");
}

void BatchTest::refusesBeforeRunningAnything()
{
    QFETCH(QByteArray, lines);
    QFETCH(QByteArray, complaint);
    const Run result = run(lines + "\r\nexit\r\n");
    QVERIFY(result.status > 0);
    QVERIFY2(result.errors.startsWith("kadrillo-batch: ") && result.errors.contains(complaint),
             result.errors.constData());
    QVERIFY(!QFile::exists(work() + u"/out.txt"_s));
    QVERIFY(!QFile::exists(work() + u"/pwned"_s));
}

void BatchTest::theProgramRunsScriptsAsItDoes_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("the program's own line") << QByteArray("tool.exe *.* temp.vol >out.txt") << true;
    QTest::newRow("an operator outside quotes") << QByteArray("tool.exe a&b >out.txt") << false;
    QTest::newRow("quoted arguments, appended to a quoted target")
        << QByteArray("tool.exe *.* \"two words\" \"a&b\" >> \"out.txt\"") << true;
    QTest::newRow("nothing after exit") << QByteArray("exit\r\ntool.exe >out.txt") << true;
    QTest::newRow("an echo that writes a file") << QByteArray("echo x >out.txt") << false;
    QTest::newRow("a second tool line") << QByteArray("tool.exe a >out.txt\r\ntool.exe b") << false;
    QTest::newRow("unknown tool") << QByteArray("missing.exe a >out.txt") << false;
    QTest::newRow("a failed cd after the tool line")
        << QByteArray("tool.exe a >out.txt\r\ncd /no/such/folder") << false;
    QTest::newRow("an expansion") << QByteArray("tool.exe %PATH% >out.txt") << false;
    QTest::newRow("an open quote") << QByteArray("tool.exe \"a >out.txt") << false;
}

// The same script, run by kadrillo-batch and by the program, is accepted or refused by both and
// writes the same.
void BatchTest::theProgramRunsScriptsAsItDoes()
{
    QFETCH(QByteArray, lines);
    QFETCH(bool, accepted);
    const QString out = work() + u"/out.txt"_s;
    const Run batch = run(lines + "\r\nexit\r\n");
    QVERIFY2((batch.status == 0) == accepted, batch.errors.constData());
    const QByteArray written = TestEnvironment::readFile(out);
    QFile::remove(out);

    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work()));
    QCOMPARE(runner.RunScript(write(lines + "\r\nexit\r\n")), accepted);
    QVERIFY2(accepted || batch.errors.contains(runner.lastError().toLocal8Bit()),
             qPrintable(runner.lastError()));
    QCOMPARE(TestEnvironment::readFile(out), written);
}

QTEST_GUILESS_MAIN(BatchTest)
#include "tst_batch.moc"
