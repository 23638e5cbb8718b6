#include "VolArchive.h"
#include "archive/WorkFolder.h"
#include "platform/ToolLauncher.h"
#include "support/TestEnvironment.h"
#include "support/VirtualDisplay.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <csignal>
#include <unistd.h>

namespace {

QByteArray objectData(const QString& archive, const QString& name)
{
    std::vector<VolEntry> entries;
    std::string error;
    if (!VolArchive::read(archive.toStdString(), entries, error))
        return {};
    for (const VolEntry& entry : entries) {
        if (QString::fromStdString(entry.name) == name)
            return QByteArray(reinterpret_cast<const char*>(entry.data.data()), qsizetype(entry.data.size()));
    }
    return {};
}

} // namespace

// Starts the real program with folders of its own, as a user's desktop would, and drives it from
// the keyboard on a private X display.
class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void terminationSignalShutsDownCleanly_data();
    void terminationSignalShutsDownCleanly();
    void listsAndExtractsWithTheTools_data();
    void listsAndExtractsWithTheTools();
    void hostileArchiveExtractsOnlyWhatIsSafe();

private:
    // Private settings, data and temporary folders under `home`; returns the working folder.
    QString prepareHome(const QString& home, const QString& tools) const;
    void start(QProcess& program, const QString& home, const QStringList& arguments,
               const QString& display) const;
    // Starts the program on an archive and waits until it has been listed; the main window's id.
    QString startListed(const VirtualDisplay& display, QProcess& program, const QString& home,
                        const QString& work, const QString& archive, int timeoutMs) const;
    void stop(QProcess& program) const;
    QString samples() const { return environment_.path() + QStringLiteral("/samples"); }

    TestEnvironment environment_;
};

void EndToEndTest::initTestCase()
{
    QCOMPARE(QProcess::execute(QStringLiteral(KADRILLO_BIN_DIR "/make-sample-vol"),
                               {samples(), QStringLiteral("--hostile")}),
             0);
}

QString EndToEndTest::prepareHome(const QString& home, const QString& tools) const
{
    QDir(home).removeRecursively();
    const QString ini = home + QStringLiteral("/config/Kadrillo/Kadrillo.ini");
    QDir().mkpath(QFileInfo(ini).absolutePath());
    QDir().mkpath(home + QStringLiteral("/tmp"));
    QSettings settings(ini, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("Extract Path"), tools + QStringLiteral("/extract.exe"));
    settings.setValue(QStringLiteral("Vtlist Path"), tools + QStringLiteral("/vtlist.exe"));
    settings.setValue(QStringLiteral("Dest Path"), home + QStringLiteral("/out"));
    settings.setValue(QStringLiteral("Default Palette"), samples() + QStringLiteral("/base.pal"));
    settings.setValue(QStringLiteral("Auto Preview"), QStringLiteral("False"));
    return home + QStringLiteral("/tmp/kadrillo-") + QString::number(getuid());
}

void EndToEndTest::start(QProcess& program, const QString& home, const QStringList& arguments,
                         const QString& display) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("TMPDIR"), home + QStringLiteral("/tmp"));
    environment.insert(QStringLiteral("WINEPREFIX"), environment_.path() + QStringLiteral("/wineprefix"));
    if (display.isEmpty()) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    } else {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), display);
    }
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"), arguments);
}

QString EndToEndTest::startListed(const VirtualDisplay& display, QProcess& program, const QString& home,
                                  const QString& work, const QString& archive, int timeoutMs) const
{
    start(program, home, {archive}, display.name());
    const QString window = display.waitForWindow(QStringLiteral("Starsiege Kadrillo"));
    const QString results = work + QStringLiteral("/results.dat");
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() &&
           !(QFile::exists(results) && !display.hasWindow(QStringLiteral("Get List"))))
        QTest::qWait(100);
    return deadline.hasExpired() ? QString() : window;
}

void EndToEndTest::stop(QProcess& program) const
{
    ::kill(pid_t(program.processId()), SIGTERM);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

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
    const QString home = environment_.path() + QStringLiteral("/signals");
    const QString work = prepareHome(home, QStringLiteral(KADRILLO_STANDIN_DIR));
    QDir().mkpath(work);
    TestEnvironment::writeFile(work + QStringLiteral("/results.dat"), "old listing");
    TestEnvironment::writeFile(work + QStringLiteral("/notes.txt"), "the user's own");

    QProcess program;
    start(program, home, {}, QString());
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(work + QStringLiteral("/vtlist.exe")), 20000);
    QCOMPARE(TestEnvironment::readFile(work + QStringLiteral("/extract.exe")),
             TestEnvironment::readFile(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe")));

    ::kill(pid_t(program.processId()), signalNumber);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);

    QCOMPARE(QDir(work).entryList(QDir::Files | QDir::Hidden), QStringList{"notes.txt"});
    QSettings written(home + QStringLiteral("/config/Kadrillo/Kadrillo.ini"), QSettings::IniFormat);
    written.beginGroup(QStringLiteral("Settings"));
    QStringList keys = written.childKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList{"Add Ppl", "Auto List", "Auto Preview", "Auto Select", "Default Palette",
                                "Dest Path", "Extract Path", "Palette Path", "Resize to Fit",
                                "Search Subfolders", "Temp Path", "Vtlist Path"}));
    QCOMPARE(written.value(QStringLiteral("Auto Preview")).toString(), QStringLiteral("False"));
    QCOMPARE(written.value(QStringLiteral("Temp Path")).toString(), work);
}

void EndToEndTest::listsAndExtractsWithTheTools_data()
{
    QTest::addColumn<QString>("tools");
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("stand-ins for Linux") << QStringLiteral(KADRILLO_STANDIN_DIR) << QByteArray("\n");
#ifdef KADRILLO_STANDIN_WINDOWS_DIR
    QTest::newRow("Windows stand-ins through Wine")
        << QStringLiteral(KADRILLO_STANDIN_WINDOWS_DIR) << QByteArray("\r\n");
#endif
}

void EndToEndTest::listsAndExtractsWithTheTools()
{
    QFETCH(QString, tools);
    QFETCH(QByteArray, lineEnd);
    if (const QString missing = VirtualDisplay::missingPrograms(); !missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("needs %1 (scripts/deps.sh installs them)").arg(missing)));
    const bool throughWine = lineEnd == "\r\n";
    if (throughWine && ToolLauncher::findWine().isEmpty())
        QSKIP("needs Wine (scripts/deps.sh installs wine64)");

    VirtualDisplay display;
    if (!display.start())
        QSKIP("Xvfb could not start a display here");
    const QString home =
        environment_.path() + (throughWine ? QStringLiteral("/wine") : QStringLiteral("/native"));
    const QString work = prepareHome(home, tools);
    const QString archive = samples() + QStringLiteral("/sample.vol");
    QProcess program;
    // The first start of Wine makes its prefix, which takes a while.
    const QString window = startListed(display, program, home, work, archive, 180000);
    QVERIFY(!window.isEmpty());
    QCOMPARE(TestEnvironment::readFile(work + QStringLiteral("/vtlist.bat")),
             "@echo off\r\nc:\r\ncd " + QFile::encodeName(work) +
                 "\r\nvtlist.exe *.* temp.vol >results.dat\r\nexit\r\n");
    const QByteArray listing = TestEnvironment::readFile(work + QStringLiteral("/results.dat"));
    QVERIFY2(listing.contains("readme.cs" + lineEnd + "mission.cs" + lineEnd + "sky.bmp" + lineEnd),
             listing.constData());
    QCOMPARE(listing.contains("\r\n"), throughWine);

    display.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    display.xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50"),
                     QStringLiteral("Home"), QStringLiteral("shift+Down"), QStringLiteral("shift+Down"),
                     QStringLiteral("ctrl+e")});
    const QString out = home + QStringLiteral("/out");
    QTRY_VERIFY_WITH_TIMEOUT(QDir(out).entryList(QDir::Files).size() == 3 &&
                                 !display.hasWindow(QStringLiteral("Extract Files")),
                             120000);
    for (const char* name : {"readme.cs", "mission.cs", "sky.bmp"}) {
        const QByteArray expected = objectData(archive, QLatin1String(name));
        QVERIFY(!expected.isEmpty());
        QCOMPARE(TestEnvironment::readFile(out + QLatin1Char('/') + QLatin1String(name)), expected);
    }
    stop(program);
    QVERIFY(!QFile::exists(work + QStringLiteral("/results.dat")));
}

void EndToEndTest::hostileArchiveExtractsOnlyWhatIsSafe()
{
    if (const QString missing = VirtualDisplay::missingPrograms(); !missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("needs %1 (scripts/deps.sh installs them)").arg(missing)));
    VirtualDisplay display;
    if (!display.start())
        QSKIP("Xvfb could not start a display here");
    const QString home = environment_.path() + QStringLiteral("/hostile");
    const QString work = prepareHome(home, QStringLiteral(KADRILLO_STANDIN_DIR));
    const QString archive = samples() + QStringLiteral("/hostile.vol");
    QProcess program;
    const QString window = startListed(display, program, home, work, archive, 60000);
    QVERIFY(!window.isEmpty());

    display.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    display.xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50"),
                     QStringLiteral("Home"), QStringLiteral("shift+End"), QStringLiteral("ctrl+e")});
    // Refused names end the run with one warning that lists them.
    QVERIFY(!display.waitForWindow(QStringLiteral("Warning!"), 60000).isEmpty());

    const QString out = home + QStringLiteral("/out");
    QStringList written = QDir(out).entryList(QDir::Files | QDir::Hidden);
    written.sort();
    QStringList safe{"two words.cs", "a&b.cs",      "semi;colon.cs",
                     "caret^x.cs",   "paren(1).cs", "a&calc & touch pwned.cs",
                     "safe.cs",      "good.bmp"};
    safe.sort();
    QCOMPARE(written, safe);
    for (const QString& name : safe)
        QCOMPARE(TestEnvironment::readFile(out + QLatin1Char('/') + name), objectData(archive, name));
    QCOMPARE(QDir(out).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    QDirIterator everything(environment_.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
    while (everything.hasNext()) {
        const QString name = QFileInfo(everything.next()).fileName();
        QVERIFY2(name != QLatin1String("pwned") && name != QLatin1String("escape.cs") &&
                     name != QLatin1String("dir.cs"),
                 qPrintable(everything.filePath()));
    }
    stop(program);
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
