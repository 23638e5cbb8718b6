#include "platform/WindowsCommandLine.h"
#include "support/OwnedProgram.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

// Prints each argument in brackets on a line of its own, so the split can be read back exactly.
const QByteArray echoArguments =
    "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\nexit ${EXIT_WITH:-0}\n";

struct BatchRun {
    int status = -1;
    QByteArray errors;
};

} // namespace

class BatchTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void windowsSplitting_data();
    void windowsSplitting();
    void runsTheToolLineWithRedirection();
    void appendsAndQuotesTheTarget();
    void looksInTheCurrentFolderFirst();
    void passesTheToolStatusAndStopsAtExit();
    void startsWindowsProgramsThroughWine();
    void refusesWhatItCannotRunSafely_data();
    void refusesWhatItCannotRunSafely();

private:
    BatchRun runScript(const QByteArray& script, const QProcessEnvironment& environment = {});
    QString work() const { return environment_.path() + QStringLiteral("/work"); }

    TestEnvironment environment_;
};

void BatchTest::init()
{
    QDir(work()).removeRecursively();
    TestEnvironment::writeFile(work() + QStringLiteral("/tool.exe"), echoArguments, true);
}

BatchRun BatchTest::runScript(const QByteArray& script, const QProcessEnvironment& environment)
{
    const QString path = environment_.path() + QStringLiteral("/script.bat");
    TestEnvironment::writeFile(path, script);
    // Owned with its process group, so that a tool left hanging is ended with it.
    OwnedProgram batch(QStringLiteral("kadrillo-batch"));
    QProcess& process = batch.process();
    process.setWorkingDirectory(environment_.path());
    batch.start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo-batch"), {path},
                environment.isEmpty() ? QProcessEnvironment::systemEnvironment() : environment);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

void BatchTest::windowsSplitting_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("quoted paths") << R"("C:\a b\extract.exe" "C:\TEMP\temp.vol" "C:\OUT\sky.bmp")"
                                  << QStringList{R"(C:\a b\extract.exe)", R"(C:\TEMP\temp.vol)",
                                                 R"(C:\OUT\sky.bmp)"};
    QTest::newRow("blanks and tabs") << "a  b\tc " << QStringList{"a", "b", "c"};
    QTest::newRow("wildcard stays") << "vtlist.exe *.* temp.vol"
                                    << QStringList{"vtlist.exe", "*.*", "temp.vol"};
    QTest::newRow("quote inside word") << R"(a"b c"d)" << QStringList{"ab cd"};
    QTest::newRow("doubled quote") << R"("a""b")" << QStringList{R"(a"b)"};
    QTest::newRow("escaped quote") << R"(a\"b)" << QStringList{R"(a"b)"};
    QTest::newRow("backslash before closing quote") << R"("a\\" b)" << QStringList{R"(a\)", "b"};
    QTest::newRow("plain backslashes") << R"(C:\x\\y)" << QStringList{R"(C:\x\\y)"};
    QTest::newRow("empty quoted argument") << R"(a "" b)" << QStringList{"a", "", "b"};
    QTest::newRow("nothing") << "   " << QStringList{};
}

void BatchTest::windowsSplitting()
{
    QFETCH(QString, commandLine);
    QFETCH(QStringList, arguments);
    QCOMPARE(WindowsCommandLine::split(commandLine), arguments);
}

void BatchTest::runsTheToolLineWithRedirection()
{
    const QByteArray script = "@echo off\r\nc:\r\ncd " + QFile::encodeName(work()) +
                              "\r\ntool.exe *.* \"two words\" \"a&b\" x;y >results.dat\r\nexit\r\n";
    const BatchRun run = runScript(script);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.errors.isEmpty(), run.errors.constData());
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/results.dat")),
             QByteArray("[*.*]\n[two words]\n[a&b]\n[x;y]\n"));
}

void BatchTest::appendsAndQuotesTheTarget()
{
    const QString target = work() + QStringLiteral("/my out.txt");
    TestEnvironment::writeFile(target, "before\n");
    const BatchRun run = runScript("cd " + QFile::encodeName(work()) + "\ntool.exe one >> \"my out.txt\"\n");
    QCOMPARE(run.status, 0);
    QCOMPARE(TestEnvironment::readFile(target), QByteArray("before\n[one]\n"));

    QCOMPARE(runScript("cd " + QFile::encodeName(work()) + "\ntool.exe two > \"my out.txt\"\n").status, 0);
    QCOMPARE(TestEnvironment::readFile(target), QByteArray("[two]\n"));
}

void BatchTest::looksInTheCurrentFolderFirst()
{
    const QString elsewhere = environment_.path() + QStringLiteral("/elsewhere");
    TestEnvironment::writeFile(elsewhere + QStringLiteral("/tool.exe"), "#!/bin/sh\necho from-path\n", true);
    TestEnvironment::writeFile(elsewhere + QStringLiteral("/other.exe"), "#!/bin/sh\necho other\n", true);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"),
                       elsewhere + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));

    const QByteArray cd = "cd " + QFile::encodeName(work()) + "\r\n";
    QCOMPARE(runScript(cd + "tool.exe here >out.txt\r\n", environment).status, 0);
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/out.txt")), QByteArray("[here]\n"));
    QCOMPARE(runScript(cd + "other.exe >out.txt\r\n", environment).status, 0);
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/out.txt")), QByteArray("other\n"));
}

void BatchTest::passesTheToolStatusAndStopsAtExit()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("EXIT_WITH"), QStringLiteral("3"));
    const QByteArray cd = "cd " + QFile::encodeName(work()) + "\r\n";
    QCOMPARE(runScript(cd + "tool.exe >out.txt\r\nexit\r\n", environment).status, 3);

    const BatchRun stopped = runScript(cd + "exit\r\ntool.exe >late.txt\r\n");
    QCOMPARE(stopped.status, 0);
    QVERIFY(!QFile::exists(work() + QStringLiteral("/late.txt")));
}

void BatchTest::startsWindowsProgramsThroughWine()
{
    const QString fakeWine = environment_.path() + QStringLiteral("/fake-wine");
    TestEnvironment::writeFile(
        fakeWine, "#!/bin/sh\necho \"debug=$WINEDEBUG\"\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n",
        true);
    TestEnvironment::writeFile(work() + QStringLiteral("/game.exe"), QByteArray("MZ") + QByteArray(62, '\0'));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KADRILLO_WINE"), fakeWine);
    environment.remove(QStringLiteral("WINEDEBUG"));
    const QByteArray script =
        "cd " + QFile::encodeName(work()) + "\r\ngame.exe *.* temp.vol >results.dat\r\nexit\r\n";
    QCOMPARE(runScript(script, environment).status, 0);
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/results.dat")),
             "debug=-all\n[" + QFile::encodeName(work()) + "/game.exe]\n[*.*]\n[temp.vol]\n");

    environment.insert(QStringLiteral("KADRILLO_WINE"),
                       environment_.path() + QStringLiteral("/no-such-wine"));
    environment.insert(QStringLiteral("PATH"), environment_.path() + QStringLiteral("/empty"));
    const BatchRun missing = runScript(script, environment);
    QVERIFY(missing.status != 0);
    QVERIFY2(missing.errors.contains("Wine"), missing.errors.constData());
}

void BatchTest::refusesWhatItCannotRunSafely_data()
{
    QTest::addColumn<QByteArray>("toolLine");
    QTest::addColumn<QByteArray>("complaint");
    QTest::newRow("command after &") << QByteArray("tool.exe a & touch pwned") << QByteArray("&");
    QTest::newRow("pipe") << QByteArray("tool.exe a | touch pwned") << QByteArray("|");
    QTest::newRow("command after an echo") << QByteArray("echo x & touch pwned") << QByteArray("&");
    QTest::newRow("echo into a file") << QByteArray("@echo x > pwned") << QByteArray(">");
    QTest::newRow("caret") << QByteArray("tool.exe a^b") << QByteArray("^");
    QTest::newRow("input redirection") << QByteArray("tool.exe <pwned") << QByteArray("<");
    QTest::newRow("percent expands even in quotes") << QByteArray("tool.exe \"100%\"") << QByteArray("%");
    QTest::newRow("unclosed quote") << QByteArray("tool.exe \"a b") << QByteArray("quote");
    QTest::newRow("redirection without file") << QByteArray("tool.exe a >") << QByteArray("redirection");
    QTest::newRow("two redirections") << QByteArray("tool.exe >a.txt >b.txt") << QByteArray("redirection");
    QTest::newRow("unknown tool") << QByteArray("missing.exe a") << QByteArray("missing.exe");
    QTest::newRow("second tool line")
        << QByteArray("tool.exe a >out.txt\r\ntool.exe b") << QByteArray("one tool");
    QTest::newRow("failed cd") << QByteArray("cd /no/such/folder\r\ntool.exe a >out.txt")
                               << QByteArray("/no/such/folder");
}

void BatchTest::refusesWhatItCannotRunSafely()
{
    QFETCH(QByteArray, toolLine);
    QFETCH(QByteArray, complaint);
    const BatchRun run =
        runScript("@echo off\r\nc:\r\ncd " + QFile::encodeName(work()) + "\r\n" + toolLine + "\r\nexit\r\n");
    QVERIFY(run.status != 0);
    QVERIFY2(run.errors.startsWith("kadrillo-batch: "), run.errors.constData());
    QVERIFY2(run.errors.contains(complaint), run.errors.constData());
    QVERIFY(!QFile::exists(work() + QStringLiteral("/pwned")));
    QVERIFY(!QFile::exists(environment_.path() + QStringLiteral("/pwned")));
    QVERIFY(!QFile::exists(work() + QStringLiteral("/out.txt")));
}

QTEST_GUILESS_MAIN(BatchTest)
#include "tst_batch.moc"
