#include "VolArchive.h"
#include "platform/core/ToolLauncher.h"
#include "support/MainWindowRun.h"
#include "support/OwnedProgram.h"
#include "support/TestEnvironment.h"
#include "support/VirtualDisplay.h"
#include "support/WinePrefix.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QSettings>
#include <QTest>
#include <QThread>
#include <QtEndian>
#include <csignal>
#include <memory>
#include <optional>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

// Starts the real program with folders of its own, as a user's desktop would, and drives it from
// the keyboard on a private X display. Every wait gives up as soon as the program has ended, and
// whatever the program started is ended after each test, however it went.
class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void runsTheToolsAndLosesNothing_data();
    void runsTheToolsAndLosesNothing();
    void aKillAtAnyMomentLeavesEveryFileWhole();
    void installedProgramRunsFromAnotherFolder();

private:
    QString home() const { return environment_.path() + u"/home"_s; }
    QString samples() const { return environment_.path() + u"/samples"_s; }
    QString ini() const { return home() + u"/config/Kadrillo/Kadrillo.ini"_s; }

    // Private settings, data and temporary folders under home(); returns the working folder.
    QString prepareHome(const QString& tools) const
    {
        QDir(home()).removeRecursively();
        QDir().mkpath(home() + u"/tmp"_s);
        MainWindowRun::writeSettings(
            ini(), {u"Extract Path="_s + tools + u"/extract.exe"_s,
                    u"Vtlist Path="_s + tools + u"/vtlist.exe"_s, u"Dest Path="_s + home() + u"/out"_s,
                    u"Default Palette="_s + samples() + u"/base.pal"_s, u"Auto Preview=False"_s});
        return home() + u"/tmp/kadrillo-"_s + QString::number(getuid());
    }

    QProcessEnvironment privateEnvironment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_s, home() + u"/config"_s);
        environment.insert(u"XDG_DATA_HOME"_s, home() + u"/data"_s);
        environment.insert(u"TMPDIR"_s, home() + u"/tmp"_s);
        environment.insert(u"WINEPREFIX"_s, wine_.path());
        environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        environment.insert(u"DISPLAY"_s, display_->name());
        return environment;
    }

    bool start(const QStringList& arguments, const QProcessEnvironment& environment)
    {
        program_ = std::make_unique<OwnedProgram>(u"kadrillo"_s);
        program_->process().setProcessChannelMode(QProcess::ForwardedOutputChannel);
        program_->process().setStandardErrorFile(home() + u"/kadrillo.log"_s);
        program_->process().setWorkingDirectory(home());
        return program_->start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"), arguments, environment);
    }

    QString told() const
    {
        return QString::fromLocal8Bit(TestEnvironment::readFile(home() + u"/kadrillo.log"_s));
    }

    // Waits, while the program runs, until `condition` holds: empty, or the reason with what the display
    // showed then.
    QString waitOnScreen(const std::function<bool()>& condition, const QString& what, int timeoutMs)
    {
        const QString failed = program_->waitUntil(condition, what, timeoutMs);
        return failed.isEmpty() ? failed
                                : failed + u"; last xdotool problem: "_s + display_->error() + u"; "_s +
                                      display_->report() + u"; the program's log: "_s + told().right(2000);
    }

    // Gives the shown window whose title matches the keyboard and types `keys` into it.
    QString type(const QString& title, const QStringList& keys)
    {
        QString window;
        const QString found = waitOnScreen(
            [&] {
                window = display_->window(title).value_or(QString());
                return !window.isEmpty();
            },
            u"the window \"%1\""_s.arg(title), 30000);
        if (!found.isEmpty())
            return found;
        if (!display_->xdotool({u"windowfocus"_s, u"--sync"_s, window}) ||
            !display_->xdotool(QStringList{u"key"_s, u"--delay"_s, u"100"_s} + keys))
            return display_->error();
        return QString();
    }

    // Every tool run (Wine or the tool) is a child of the program. So is the Wine program that keeps
    // Wine's session up between runs (Wine's cmd.exe through its start.exe), which is no tool run.
    bool toolRunning() const
    {
        const QStringList children = program_->children();
        return children.size() > children.filter(u" start.exe /exec"_s).size();
    }
    bool closed(const QString& title) const { return display_->window(title) == QString(); }
    // The working folder is new, so "results.dat" appears only once the listing run has begun (empty at
    // first, through the redirection), and the "Get List" window is up from before that run until its
    // output has been read. So the file, no tool run and that window closed mean a whole listing.
    QString waitForListing(const QString& work)
    {
        return waitOnScreen(
            [&] {
                return QFile::exists(work + u"/results.dat"_s) && !toolRunning() && closed(u"Get List"_s);
            },
            u"the end of the listing (\"results.dat\" written, no tool run, \"Get List\" closed)"_s, 60000);
    }

    // Makes `folder`, with the user's own sky.bmp in it, read-only: false when the machine refuses.
    bool sealReadOnly(const QString& folder)
    {
        // Permissions do not stop root, a read-only file system does.
        if (geteuid() != 0)
            return QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        const QStringList tmpfs = u"-t tmpfs -o size=1m tmpfs"_s.split(u' ') << folder;
        if (!OwnedProgram::runToEnd(u"mount"_s, tmpfs).isEmpty())
            return false;
        mounts_.append(folder);
        TestEnvironment::writeFile(folder + u"/sky.bmp"_s, "the user's own sky.bmp");
        return OwnedProgram::runToEnd(u"mount"_s, {u"-o"_s, u"remount,ro"_s, folder}).isEmpty();
    }

    TestEnvironment environment_;
    WinePrefix wine_{environment_.path() + u"/wineprefix"_s};
    std::optional<QString> wineProblem_;
    std::unique_ptr<VirtualDisplay> display_;
    std::unique_ptr<OwnedProgram> program_;
    QStringList mounts_;
};

void EndToEndTest::initTestCase()
{
    if (const QString missing = TestEnvironment::missingPrograms({"Xvfb", "xdotool"}); !missing.isEmpty())
        QSKIP(qPrintable(u"needs %1 (scripts/deps.sh installs them)"_s.arg(missing)));
    QCOMPARE(TestEnvironment::makeSamples(samples()), QString());
}

void EndToEndTest::init()
{
    display_ = std::make_unique<VirtualDisplay>();
    QVERIFY2(display_->start(environment_.path() + u"/Xvfb.log"_s), qPrintable(display_->error()));
}

void EndToEndTest::cleanup()
{
    QStringList problems;
    if (program_)
        program_->end();
    // Wine's server and the programs in its prefix are no part of the program's group, and a prefix
    // that was being made has a server of its own.
    if (const QString wine = wine_.shutDown(); !wine.isEmpty())
        problems.append(wine);
    if (program_) {
        // A Wine program that was still ending can start a fresh server after "-k"; end that one too.
        for (QDeadlineTimer settle(10000); !program_->marked().isEmpty() && !settle.hasExpired();) {
            QThread::msleep(500);
            wine_.shutDown();
        }
        if (const QStringList left = program_->killLeftovers(); !left.isEmpty())
            problems.append(u"still running after the program had ended: "_s + left.join(u"; "_s));
        program_.reset();
    }
    display_.reset();
    for (const QString& folder : std::exchange(mounts_, {})) {
        if (const QString failed = OwnedProgram::runToEnd(u"umount"_s, {folder}); !failed.isEmpty())
            problems.append(failed);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void EndToEndTest::runsTheToolsAndLosesNothing_data()
{
    QTest::addColumn<QString>("tools");
    QTest::addColumn<QString>("fault"); // none, a stand-in's misbehaviour, or one the test sets up
    QTest::addColumn<bool>("extracts"); // the listing ends and three objects are to be extracted
    QTest::addColumn<QString>("toldText");
    QTest::addColumn<int>("signalNumber"); // ends the run, as closing the window does
    const QString standIns = QStringLiteral(KADRILLO_STANDIN_DIR);
    QTest::newRow("stand-ins for Linux") << standIns << QString() << true << QString() << SIGTERM;
#ifdef KADRILLO_STANDIN_WINDOWS_DIR
    QTest::newRow("Windows stand-ins through Wine")
        << QStringLiteral(KADRILLO_STANDIN_WINDOWS_DIR) << QString() << true << QString() << SIGTERM;
#endif
    QTest::newRow("listing a million names") << standIns << u"million"_s << false << u"32767"_s << SIGINT;
    QTest::newRow("extraction writes nothing")
        << standIns << u"no-output"_s << true << u"the tool wrote no file"_s << SIGHUP;
    QTest::newRow("extraction writes half and crashes")
        << standIns << u"truncated"_s << true << u"extract.exe did not end normally"_s << SIGINT;
    QTest::newRow("extraction hangs") << standIns << u"hang"_s << true << QString() << SIGTERM;
    QTest::newRow("read-only destination")
        << standIns << u"read-only destination"_s << true << u"cannot write"_s << SIGTERM;
    QTest::newRow("deleted archive") << standIns << u"deleted archive"_s << true << u"my maps.vol"_s
                                     << SIGTERM;
}

// The tools list and extract; a fault is told, a signal mid-run or with a message open ends the
// program as closing its window does, and the user's files are kept.
void EndToEndTest::runsTheToolsAndLosesNothing()
{
    QFETCH(QString, tools);
    QFETCH(QString, fault);
    QFETCH(bool, extracts);
    QFETCH(QString, toldText);
    QFETCH(int, signalNumber);
    const bool throughWine = tools != QStringLiteral(KADRILLO_STANDIN_DIR);
    if (throughWine) {
        if (ToolLauncher::findWine().isEmpty())
            QSKIP("needs Wine (scripts/deps.sh installs wine64)");
        if (!wineProblem_)
            wineProblem_ = wine_.create(150000);
        QVERIFY2(wineProblem_->isEmpty(), qPrintable(u"Wine's prefix was not made: "_s + *wineProblem_));
    }
    const QString work = prepareHome(tools);
    const QString out = home() + u"/out"_s;
    TestEnvironment::writeFile(out + u"/sky.bmp"_s, "the user's own sky.bmp");
    TestEnvironment::writeFile(work + u"/notes.txt"_s, "the user's own");
    const QString archive = home() + u"/my maps.vol"_s;
    QVERIFY(QFile::copy(samples() + u"/sample.vol"_s, archive));
    QProcessEnvironment environment = privateEnvironment();
    environment.insert(u"KADRILLO_STANDIN_FAULT"_s, fault); // a fault the stand-ins do not know is none
    if (fault == u"read-only destination" && !sealReadOnly(out))
        QSKIP("a read-only folder cannot be had here");
    QVERIFY2(start({archive}, environment), qPrintable(program_->state()));

    if (extracts) {
        const QString listed = waitForListing(work);
        QVERIFY2(listed.isEmpty(), qPrintable(listed));
        QCOMPARE(TestEnvironment::readFile(work + u"/results.dat"_s).contains("\r\n"), throughWine);
        if (fault == u"deleted archive")
            QVERIFY(QFile::remove(archive));
        const QString typed =
            type(u"Starsiege Kadrillo"_s, {u"Home"_s, u"shift+Down"_s, u"shift+Down"_s, u"ctrl+e"_s});
        QVERIFY2(typed.isEmpty(), qPrintable(typed));
    }
    QString reached;
    if (fault == u"hang") {
        reached = waitOnScreen([&] { return toolRunning(); }, u"the hanging tool"_s, 30000);
    } else if (!toldText.isEmpty()) {
        reached = waitOnScreen([&] { return told().contains(toldText); },
                               u"the user being told \"%1\""_s.arg(toldText), 60000);
    } else {
        // The "Extract Files" window is up from before the first file until the last tool run has ended.
        reached = waitOnScreen(
            [&] {
                return QDir(out).entryList(QDir::Files).size() == 3 && !toolRunning() &&
                       closed(u"Extract Files"_s);
            },
            u"the extracted files with \"Extract Files\" closed"_s, 60000);
    }
    QVERIFY2(reached.isEmpty(), qPrintable(reached));

    program_->signal(signalNumber);
    const QString stopped = program_->waitForExit(30000);
    QVERIFY2(stopped.isEmpty(), qPrintable(stopped + u"; "_s + told()));
    if (toldText.isEmpty())
        QVERIFY2(!told().contains(u"kadrillo.messages"_s), qPrintable(told()));
    const QStringList held = QDir(out).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(held,
             (fault.isEmpty() ? QStringList{"mission.cs", "readme.cs", "sky.bmp"} : QStringList{"sky.bmp"}));
    std::vector<VolEntry> entries;
    std::string error;
    QVERIFY2(VolArchive::read(samples().toStdString() + "/sample.vol", entries, error), error.c_str());
    for (const QString& name : held) {
        const VolEntry* entry = VolArchive::find(entries, name.toStdString());
        QCOMPARE(TestEnvironment::readFile(out + u'/' + name),
                 fault.isEmpty()
                     ? QByteArray(reinterpret_cast<const char*>(entry->data.data()), entry->data.size())
                     : QByteArray("the user's own sky.bmp"));
    }
    QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"notes.txt"});
    QSettings written(ini(), QSettings::IniFormat);
    QCOMPARE(written.value(u"Settings/Temp Path"_s).toString(), work);
    // Wine's session and a tool run end by themselves once the program has; nothing is left to kill.
    QCOMPARE(program_->killLeftovers(30000), QStringList());
}

// Every file the program writes for the user is replaced whole or not at all, however it is ended.
void EndToEndTest::aKillAtAnyMomentLeavesEveryFileWhole()
{
    const QString work = prepareHome(QStringLiteral(KADRILLO_STANDIN_DIR));
    const QString out = home() + u"/out"_s;
    const QByteArray own = "the user's own tile.bmp";
    TestEnvironment::writeFile(out + u"/tile.bmp"_s, own);
    const QByteArray settingsBefore = TestEnvironment::readFile(ini());
    QProcessEnvironment environment = privateEnvironment();
    QVERIFY2(start({samples() + u"/sample.vol"_s}, environment), qPrintable(program_->state()));
    const QString listed = waitForListing(work);
    QVERIFY2(listed.isEmpty(), qPrintable(listed));
    // The six pictures follow the two scripts; Convert is the fourth enabled button after the list.
    QStringList keys{u"Home"_s, u"Down"_s, u"Down"_s};
    keys << QStringList(5, u"shift+Down"_s) << QStringList(4, u"Tab"_s) << u"space"_s;
    const QString typed = type(u"Starsiege Kadrillo"_s, keys);
    QVERIFY2(typed.isEmpty(), qPrintable(typed));
    const QString first = waitOnScreen([&] { return QFile::exists(out + u"/sky.bmp"_s); },
                                       u"the first converted picture"_s, 60000);
    QVERIFY2(first.isEmpty(), qPrintable(first));
    program_->signal(SIGKILL);
    QVERIFY(program_->process().waitForFinished(30000));
    for (const char* name : {"sky.bmp", "logo.bmp", "pad.bmp", "extra.bmp", "dot.bmp", "tile.bmp"}) {
        const QByteArray bytes = TestEnvironment::readFile(out + u'/' + QLatin1String(name));
        if (bytes.isEmpty() || bytes == own)
            continue;
        const qint64 stated = qFromLittleEndian<quint32>(bytes.constData() + 2);
        QVERIFY2(bytes.startsWith("BM") && stated == bytes.size(), name);
    }
    QCOMPARE(TestEnvironment::readFile(ini()), settingsBefore);

    // The settings are written at the end of a shutdown, which needs no display.
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    for (const int delayMs : {0, 10, 20, 25, 30, 35, 40, 45, 50, 100}) {
        QVERIFY2(start({}, environment), qPrintable(program_->state()));
        QFile::remove(work + u"/vtlist.exe"_s);
        const QString started = waitOnScreen([&] { return QFile::exists(work + u"/vtlist.exe"_s); },
                                             u"the copy of vtlist.exe"_s, 30000);
        QVERIFY2(started.isEmpty(), qPrintable(started));
        program_->signal(SIGTERM);
        QThread::msleep(delayMs); // when the kill lands, not what the test waits for
        program_->signal(SIGKILL);
        QVERIFY(program_->process().waitForFinished(30000));
        QSettings written(ini(), QSettings::IniFormat);
        written.beginGroup(u"Settings"_s);
        const qsizetype keysWritten = written.childKeys().size();
        QVERIFY2(keysWritten == 5 || keysWritten == 12, qPrintable(QString::number(keysWritten)));
        QCOMPARE(written.value(u"Dest Path"_s).toString(), out);
    }
}

// The installed program runs the tools from its own folder; the desktop entry, the metadata and the
// MIME package pass the desktop's own checks, and the read-me lies where the About box looks for it.
void EndToEndTest::installedProgramRunsFromAnotherFolder()
{
    const QString missing =
        TestEnvironment::missingPrograms({"desktop-file-validate", "appstreamcli", "update-mime-database"});
    if (!missing.isEmpty())
        QSKIP(qPrintable(u"needs %1 (scripts/deps.sh installs them)"_s.arg(missing)));
    const QString prefix = environment_.path() + u"/prefix"_s;
    const QString build = QFileInfo(QStringLiteral(KADRILLO_BIN_DIR)).path();
    const QString installed =
        OwnedProgram::runToEnd(u"cmake"_s, {u"--install"_s, build, u"--prefix"_s, prefix});
    QVERIFY2(installed.isEmpty(), qPrintable(installed));
    // The validators below refuse a missing file.
    for (const QString& file :
         {prefix + u"/libexec/kadrillo/kadrillo-batch"_s, prefix + u"/share/kadrillo/readme.txt"_s,
          prefix + u"/share/icons/hicolor/scalable/apps/kadrillo.svg"_s,
          prefix + u"/share/icons/hicolor/48x48/apps/kadrillo.png"_s,
          prefix + u"/share/icons/hicolor/256x256/apps/kadrillo.png"_s,
          prefix + u"/share/man/man1/kadrillo.1.gz"_s})
        QVERIFY2(QFileInfo::exists(file), qPrintable(file + u" is not installed"_s));
    QVERIFY2(!QFileInfo::exists(prefix + u"/bin/kadrillo-batch"_s),
             "kadrillo-batch is installed on the PATH");
    for (const auto& [program, arguments] :
         {std::pair{u"desktop-file-validate"_s,
                    QStringList{prefix + u"/share/applications/kadrillo.desktop"_s}},
          std::pair{u"appstreamcli"_s,
                    QStringList{u"validate"_s, u"--no-net"_s,
                                prefix + u"/share/metainfo/org.kadrillo.Kadrillo.metainfo.xml"_s}},
          std::pair{u"update-mime-database"_s, QStringList{prefix + u"/share/mime"_s}}}) {
        const QString failed = OwnedProgram::runToEnd(program, arguments);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
    QVERIFY2(QFileInfo::exists(prefix + u"/share/mime/application/x-starsiege-volume.xml"_s),
             "the MIME package defines no application/x-starsiege-volume");

    prepareHome(QStringLiteral(KADRILLO_STANDIN_DIR));
    QByteArray listed;
    const QString ran =
        OwnedProgram::runToEnd(prefix + u"/bin/kadrillo"_s, {u"--list"_s, samples() + u"/sample.vol"_s},
                               &listed, privateEnvironment());
    QVERIFY2(ran.isEmpty(), qPrintable(ran));
    QVERIFY2(listed.contains("sky.bmp\n"), listed.constData());
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
