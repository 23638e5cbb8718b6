#include "VolArchive.h"
#include "platform/ToolLauncher.h"
#include "support/OwnedProgram.h"
#include "support/TestEnvironment.h"
#include "support/VirtualDisplay.h"
#include "support/WinePrefix.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QThread>
#include <csignal>
#include <functional>
#include <memory>
#include <optional>
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
// the keyboard on a private X display. Every wait gives up as soon as the program has ended, and
// whatever the program started is ended after each test, however it went.
class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();
    void terminationSignalShutsDownCleanly_data();
    void terminationSignalShutsDownCleanly();
    void listsAndExtractsWithTheTools_data();
    void listsAndExtractsWithTheTools();
    void hostileArchiveExtractsOnlyWhatIsSafe();

private:
    // Private settings, data and temporary folders under `home`; returns the working folder.
    QString prepareHome(const QString& home, const QString& tools) const;
    // Starts the program, on the private display when there is one; false with the reason in state().
    bool start(const QString& home, const QStringList& arguments);
    // Empty when the private display is up, else why not.
    QString startDisplay();
    // Made on first use, since Wine's first start in a prefix takes long: empty, or why it failed.
    QString winePrefixReady();
    // Waits, while the program runs, for a shown window whose title matches: empty, or the reason.
    QString waitForWindow(const QString& title, int timeoutMs, QString* id = nullptr);
    // Starts the program on an archive and waits until it has been listed: empty, or the reason.
    QString startListed(const QString& home, const QString& work, const QString& archive, int timeoutMs,
                        QString* window);
    // Waits, while the program runs, until `condition` holds with the display answering: the reason
    // when it did not, with what was on the screen then.
    QString waitOnScreen(const std::function<bool()>& condition, const QString& what, int timeoutMs);
    bool toolRunning() const;
    bool windowClosed(const QString& title) const { return display_->window(title) == QString(); }
    // Asks the program to close as the desktop does, and waits: empty when it closed cleanly.
    QString stop();
    QString samples() const { return environment_.path() + QStringLiteral("/samples"); }

    TestEnvironment environment_;
    WinePrefix wine_{environment_.path() + QStringLiteral("/wineprefix")};
    std::optional<QString> wineProblem_;
    std::unique_ptr<VirtualDisplay> display_;
    std::unique_ptr<OwnedProgram> program_;
};

void EndToEndTest::initTestCase()
{
    OwnedProgram maker(QStringLiteral("make-sample-vol"));
    QVERIFY2(maker.start(QStringLiteral(KADRILLO_BIN_DIR "/make-sample-vol"),
                         {samples(), QStringLiteral("--hostile")}),
             qPrintable(maker.state()));
    const QString made = maker.waitForExit(30000);
    QVERIFY2(made.isEmpty(), qPrintable(made));
}

void EndToEndTest::cleanup()
{
    QStringList problems;
    if (program_) {
        program_->end();
        // Wine's server and the programs in its prefix are no part of the program's group.
        if (const QString wine = wine_.shutDown(); !wine.isEmpty())
            problems.append(wine);
        // A Wine program that was still ending can start a fresh server after "-k"; end that one too.
        for (QDeadlineTimer settle(10000); !program_->marked().isEmpty() && !settle.hasExpired();) {
            QThread::msleep(500);
            wine_.shutDown();
        }
        const QStringList left = program_->killLeftovers();
        if (!left.isEmpty())
            problems.append(QStringLiteral("still running after the program had ended: ") +
                            left.join(QStringLiteral("; ")));
        program_.reset();
    }
    display_.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void EndToEndTest::cleanupTestCase()
{
    const QString wine = wine_.shutDown();
    QVERIFY2(wine.isEmpty(), qPrintable(wine));
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

bool EndToEndTest::start(const QString& home, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("TMPDIR"), home + QStringLiteral("/tmp"));
    environment.insert(QStringLiteral("WINEPREFIX"), wine_.path());
    if (display_) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), display_->name());
    } else {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("DISPLAY"));
    }
    program_ = std::make_unique<OwnedProgram>(QStringLiteral("kadrillo"));
    program_->process().setProcessChannelMode(QProcess::ForwardedChannels);
    return program_->start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"), arguments, environment);
}

QString EndToEndTest::startDisplay()
{
    display_ = std::make_unique<VirtualDisplay>();
    if (display_->start(environment_.path() + QStringLiteral("/Xvfb.log")))
        return {};
    const QString reason = display_->error();
    display_.reset();
    return reason;
}

QString EndToEndTest::winePrefixReady()
{
    if (!wineProblem_)
        wineProblem_ = wine_.create(150000);
    return *wineProblem_;
}

QString EndToEndTest::waitOnScreen(const std::function<bool()>& condition, const QString& what, int timeoutMs)
{
    const QString failed = program_->waitUntil(condition, what, timeoutMs);
    if (failed.isEmpty())
        return failed;
    return failed + QStringLiteral("; windows shown: ") + display_->titles().join(QStringLiteral(", ")) +
           QStringLiteral("; last xdotool problem: ") + display_->error() + QStringLiteral("; ") +
           display_->report();
}

QString EndToEndTest::waitForWindow(const QString& title, int timeoutMs, QString* id)
{
    QString found;
    const QString failed = waitOnScreen(
        [&] {
            found = display_->window(title).value_or(QString());
            return !found.isEmpty();
        },
        QStringLiteral("a window \"%1\"").arg(title), timeoutMs);
    if (id)
        *id = found;
    return failed;
}

bool EndToEndTest::toolRunning() const
{
    // Every tool run (the script interpreter, Wine or the tool) is a child of the program.
    return !program_->children().isEmpty();
}

QString EndToEndTest::startListed(const QString& home, const QString& work, const QString& archive,
                                  int timeoutMs, QString* window)
{
    if (!start(home, {archive}))
        return program_->state();
    if (const QString failed = waitForWindow(QStringLiteral("Starsiege Kadrillo"), 30000, window);
        !failed.isEmpty())
        return failed;
    // The working folder is new, so "results.dat" appears only once the listing run has begun (empty
    // at first, through the redirection), and the "Get List" window is up from before that run until
    // its output has been read. So the file, no tool run and that window closed mean a whole listing.
    const QString results = work + QStringLiteral("/results.dat");
    return waitOnScreen(
        [&] { return QFile::exists(results) && !toolRunning() && windowClosed(QStringLiteral("Get List")); },
        QStringLiteral("the end of the listing (\"results.dat\" written, no tool run, \"Get List\" closed)"),
        timeoutMs);
}

QString EndToEndTest::stop()
{
    program_->signal(SIGTERM);
    return program_->waitForExit(30000);
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

    QVERIFY2(start(home, {}), qPrintable(program_->state()));
    const QString copied =
        program_->waitUntil([&] { return QFile::exists(work + QStringLiteral("/vtlist.exe")); },
                            QStringLiteral("the copy of vtlist.exe"), 30000);
    QVERIFY2(copied.isEmpty(), qPrintable(copied));
    QCOMPARE(TestEnvironment::readFile(work + QStringLiteral("/extract.exe")),
             TestEnvironment::readFile(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe")));

    program_->signal(signalNumber);
    const QString ended = program_->waitForExit(30000);
    QVERIFY2(ended.isEmpty(), qPrintable(ended));

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
    if (throughWine) {
        if (ToolLauncher::findWine().isEmpty())
            QSKIP("needs Wine (scripts/deps.sh installs wine64)");
        const QString prefix = winePrefixReady();
        QVERIFY2(prefix.isEmpty(), qPrintable(QStringLiteral("Wine's prefix was not made: ") + prefix));
    }
    const QString display = startDisplay();
    QVERIFY2(display.isEmpty(), qPrintable(display));

    const QString home =
        environment_.path() + (throughWine ? QStringLiteral("/wine") : QStringLiteral("/native"));
    const QString work = prepareHome(home, tools);
    const QString archive = samples() + QStringLiteral("/sample.vol");
    QString window;
    const QString listed = startListed(home, work, archive, 60000, &window);
    QVERIFY2(listed.isEmpty(), qPrintable(listed));
    QCOMPARE(TestEnvironment::readFile(work + QStringLiteral("/vtlist.bat")),
             "@echo off\r\nc:\r\ncd " + QFile::encodeName(work) +
                 "\r\nvtlist.exe *.* temp.vol >results.dat\r\nexit\r\n");
    const QByteArray listing = TestEnvironment::readFile(work + QStringLiteral("/results.dat"));
    QVERIFY2(listing.contains("readme.cs" + lineEnd + "mission.cs" + lineEnd + "sky.bmp" + lineEnd),
             listing.constData());
    QCOMPARE(listing.contains("\r\n"), throughWine);

    QVERIFY2(display_->xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}),
             qPrintable(display_->error()));
    QVERIFY2(display_->xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50"),
                                QStringLiteral("Home"), QStringLiteral("shift+Down"),
                                QStringLiteral("shift+Down"), QStringLiteral("ctrl+e")}),
             qPrintable(display_->error()));
    // The "Extract Files" window is up from before the first file until the last tool run has ended.
    const QString out = home + QStringLiteral("/out");
    const QString extracted = waitOnScreen(
        [&] {
            return QDir(out).entryList(QDir::Files).size() == 3 && !toolRunning() &&
                   windowClosed(QStringLiteral("Extract Files"));
        },
        QStringLiteral("three extracted files with \"Extract Files\" closed"), 60000);
    QVERIFY2(extracted.isEmpty(), qPrintable(extracted));
    for (const char* name : {"readme.cs", "mission.cs", "sky.bmp"}) {
        const QByteArray expected = objectData(archive, QLatin1String(name));
        QVERIFY(!expected.isEmpty());
        QCOMPARE(TestEnvironment::readFile(out + QLatin1Char('/') + QLatin1String(name)), expected);
    }
    const QString stopped = stop();
    QVERIFY2(stopped.isEmpty(), qPrintable(stopped));
    QVERIFY(!QFile::exists(work + QStringLiteral("/results.dat")));
}

void EndToEndTest::hostileArchiveExtractsOnlyWhatIsSafe()
{
    if (const QString missing = VirtualDisplay::missingPrograms(); !missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("needs %1 (scripts/deps.sh installs them)").arg(missing)));
    const QString display = startDisplay();
    QVERIFY2(display.isEmpty(), qPrintable(display));
    const QString home = environment_.path() + QStringLiteral("/hostile");
    const QString work = prepareHome(home, QStringLiteral(KADRILLO_STANDIN_DIR));
    const QString archive = samples() + QStringLiteral("/hostile.vol");
    QString window;
    const QString listed = startListed(home, work, archive, 60000, &window);
    QVERIFY2(listed.isEmpty(), qPrintable(listed));

    QVERIFY2(display_->xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}),
             qPrintable(display_->error()));
    QVERIFY2(
        display_->xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50"),
                           QStringLiteral("Home"), QStringLiteral("shift+End"), QStringLiteral("ctrl+e")}),
        qPrintable(display_->error()));
    // Refused names end the run with one warning that lists them.
    const QString warned = waitForWindow(QStringLiteral("Warning!"), 60000);
    QVERIFY2(warned.isEmpty(), qPrintable(warned));

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
    const QString stopped = stop();
    QVERIFY2(stopped.isEmpty(), qPrintable(stopped));
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
