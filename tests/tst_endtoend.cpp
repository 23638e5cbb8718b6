#include "archive/WorkFolder.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <csignal>

// Starts the real program with folders of its own, as a user's desktop would.
class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void terminationSignalShutsDownCleanly_data();
    void terminationSignalShutsDownCleanly();

private:
    TestEnvironment environment_;
};

void EndToEndTest::terminationSignalShutsDownCleanly_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void EndToEndTest::terminationSignalShutsDownCleanly()
{
    QFETCH(int, signalNumber);
    const QString ini = environment_.configHome() + QStringLiteral("/Kadrillo/Kadrillo.ini");
    QFile::remove(ini);
    {
        QSettings settings(ini, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Settings/Extract Path"),
                          QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"));
        settings.setValue(QStringLiteral("Settings/Vtlist Path"),
                          QStringLiteral(KADRILLO_STANDIN_DIR "/vtlist.exe"));
        settings.setValue(QStringLiteral("Settings/Auto Preview"), QStringLiteral("False"));
    }
    const QString work = environment_.tempHome() + QStringLiteral("/kadrillo-") + QString::number(getuid());
    QDir().mkpath(work);
    TestEnvironment::writeFile(work + QStringLiteral("/results.dat"), "old listing");
    TestEnvironment::writeFile(work + QStringLiteral("/notes.txt"), "the user's own");

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"), {});
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(work + QStringLiteral("/vtlist.exe")), 20000);
    QCOMPARE(TestEnvironment::readFile(work + QStringLiteral("/extract.exe")),
             TestEnvironment::readFile(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe")));

    ::kill(pid_t(program.processId()), signalNumber);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    QCOMPARE(QDir(work).entryList(QDir::Files | QDir::Hidden), QStringList{"notes.txt"});
    QSettings written(ini, QSettings::IniFormat);
    written.beginGroup(QStringLiteral("Settings"));
    QStringList keys = written.childKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList{"Add Ppl", "Auto List", "Auto Preview", "Auto Select", "Default Palette",
                                "Dest Path", "Extract Path", "Palette Path", "Resize to Fit",
                                "Search Subfolders", "Temp Path", "Vtlist Path"}));
    QCOMPARE(written.value(QStringLiteral("Auto Preview")).toString(), QStringLiteral("False"));
    QCOMPARE(written.value(QStringLiteral("Temp Path")).toString(), work);
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
