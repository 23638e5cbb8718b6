#include "VolArchive.h"
#include "platform/ToolLauncher.h"
#include "support/OwnedProgram.h"
#include "support/TestEnvironment.h"
#include "support/VirtualDisplay.h"
#include "support/WinePrefix.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QSettings>
#include <QTest>
#include <QThread>
#include <csignal>
#include <memory>
#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray objectData(const QString& archive, const QString& name)
{
    std::vector<VolEntry> entries;
    std::string error;
    const VolEntry* entry = VolArchive::read(archive.toStdString(), entries, error)
                                ? VolArchive::find(entries, name.toStdString())
                                : nullptr;
    return entry
               ? QByteArray(reinterpret_cast<const char*>(entry->data.data()), qsizetype(entry->data.size()))
               : QByteArray();
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

private:
    // Private settings, data and temporary folders under `home`; returns the working folder.
    QString prepareHome(const QString& home, const QString& tools) const;
    // Starts the program, on the private display when there is one; false with the reason in state().
    bool start(const QString& home, const QStringList& arguments);
    // Waits, while the program runs, until `condition` holds: empty, or the reason with what the display
    // showed then.
    QString waitOnScreen(const std::function<bool()>& condition, const QString& what, int timeoutMs);
    // Every tool run (the script interpreter, Wine or the tool) is a child of the program.
    bool toolRunning() const { return !program_->children().isEmpty(); }
    bool shown(const QString& title) const { return !display_->window(title).value_or(QString()).isEmpty(); }
    bool closed(const QString& title) const { return display_->window(title) == QString(); }
    QString samples() const { return environment_.path() + u"/samples"_s; }

    TestEnvironment environment_;
    WinePrefix wine_{environment_.path() + u"/wineprefix"_s};
    std::optional<QString> wineProblem_;
    std::unique_ptr<VirtualDisplay> display_;
    std::unique_ptr<OwnedProgram> program_;
};

void EndToEndTest::initTestCase()
{
    OwnedProgram maker(u"make-sample-vol"_s);
    QVERIFY2(maker.start(QStringLiteral(KADRILLO_BIN_DIR "/make-sample-vol"), {samples(), u"--hostile"_s}),
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
        if (const QStringList left = program_->killLeftovers(); !left.isEmpty())
            problems.append(u"still running after the program had ended: "_s + left.join(u"; "_s));
        program_.reset();
    }
    display_.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void EndToEndTest::cleanupTestCase()
{
    const QString wine = wine_.shutDown();
    QVERIFY2(wine.isEmpty(), qPrintable(wine));
}

QString EndToEndTest::prepareHome(const QString& home, const QString& tools) const
{
    QDir(home).removeRecursively();
    QDir().mkpath(home + u"/tmp"_s);
    QSettings settings(home + u"/config/Kadrillo/Kadrillo.ini"_s, QSettings::IniFormat);
    settings.beginGroup(u"Settings"_s);
    settings.setValue(u"Extract Path"_s, tools + u"/extract.exe"_s);
    settings.setValue(u"Vtlist Path"_s, tools + u"/vtlist.exe"_s);
    settings.setValue(u"Dest Path"_s, home + u"/out"_s);
    settings.setValue(u"Default Palette"_s, samples() + u"/base.pal"_s);
    settings.setValue(u"Auto Preview"_s, u"False"_s);
    return home + u"/tmp/kadrillo-"_s + QString::number(getuid());
}

bool EndToEndTest::start(const QString& home, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_s, home + u"/config"_s);
    environment.insert(u"XDG_DATA_HOME"_s, home + u"/data"_s);
    environment.insert(u"TMPDIR"_s, home + u"/tmp"_s);
    environment.insert(u"WINEPREFIX"_s, wine_.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, display_ ? u"xcb"_s : u"offscreen"_s);
    environment.remove(u"DISPLAY"_s);
    if (display_)
        environment.insert(u"DISPLAY"_s, display_->name());
    program_ = std::make_unique<OwnedProgram>(u"kadrillo"_s);
    program_->process().setProcessChannelMode(QProcess::ForwardedChannels);
    return program_->start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"), arguments, environment);
}

QString EndToEndTest::waitOnScreen(const std::function<bool()>& condition, const QString& what, int timeoutMs)
{
    const QString failed = program_->waitUntil(condition, what, timeoutMs);
    if (failed.isEmpty() || !display_)
        return failed;
    const QString xdotool = display_->error();
    return failed + u"; last xdotool problem: "_s + xdotool + u"; "_s + display_->report();
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
    const QString home = environment_.path() + u"/signals"_s;
    const QString work = prepareHome(home, QStringLiteral(KADRILLO_STANDIN_DIR));
    TestEnvironment::writeFile(work + u"/results.dat"_s, "old listing");
    TestEnvironment::writeFile(work + u"/notes.txt"_s, "the user's own");

    QVERIFY2(start(home, {}), qPrintable(program_->state()));
    const QString copied = waitOnScreen([&] { return QFile::exists(work + u"/vtlist.exe"_s); },
                                        u"the copy of vtlist.exe"_s, 30000);
    QVERIFY2(copied.isEmpty(), qPrintable(copied));

    program_->signal(signalNumber);
    const QString ended = program_->waitForExit(30000);
    QVERIFY2(ended.isEmpty(), qPrintable(ended));
    QCOMPARE(QDir(work).entryList(QDir::Files | QDir::Hidden), QStringList{"notes.txt"});
    QSettings written(home + u"/config/Kadrillo/Kadrillo.ini"_s, QSettings::IniFormat);
    written.beginGroup(u"Settings"_s);
    QCOMPARE(written.childKeys().size(), 12);
    QCOMPARE(written.value(u"Auto Preview"_s).toString(), u"False"_s);
    QCOMPARE(written.value(u"Temp Path"_s).toString(), work);
}

void EndToEndTest::listsAndExtractsWithTheTools_data()
{
    QTest::addColumn<QString>("tools");
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("keys"); // after Home, with the list focused
    QTest::addColumn<QStringList>("extracted");
    const QString standIns = QStringLiteral(KADRILLO_STANDIN_DIR);
    const QStringList three{"mission.cs", "readme.cs", "sky.bmp"};
    QTest::newRow("stand-ins for Linux")
        << standIns << u"sample.vol"_s << u"shift+Down shift+Down"_s << three;
#ifdef KADRILLO_STANDIN_WINDOWS_DIR
    QTest::newRow("Windows stand-ins through Wine") << QStringLiteral(KADRILLO_STANDIN_WINDOWS_DIR)
                                                    << u"sample.vol"_s << u"shift+Down shift+Down"_s << three;
#endif
    // Refused names end the run with one warning that lists them; only the safe names are written.
    QTest::newRow("hostile names") << standIns << u"hostile.vol"_s << u"shift+End"_s
                                   << QStringList{"a&b.cs",        "a&calc & touch pwned.cs",
                                                  "caret^x.cs",    "good.bmp",
                                                  "paren(1).cs",   "safe.cs",
                                                  "semi;colon.cs", "two words.cs"};
}

void EndToEndTest::listsAndExtractsWithTheTools()
{
    QFETCH(QString, tools);
    QFETCH(QString, archive);
    QFETCH(QString, keys);
    QFETCH(QStringList, extracted);
    if (const QString missing = VirtualDisplay::missingPrograms(); !missing.isEmpty())
        QSKIP(qPrintable(u"needs %1 (scripts/deps.sh installs them)"_s.arg(missing)));
    const bool throughWine = QString::fromLatin1(QTest::currentDataTag()).contains(u"Wine"_s);
    if (throughWine) {
        if (ToolLauncher::findWine().isEmpty())
            QSKIP("needs Wine (scripts/deps.sh installs wine64)");
        if (!wineProblem_)
            wineProblem_ = wine_.create(150000);
        QVERIFY2(wineProblem_->isEmpty(), qPrintable(u"Wine's prefix was not made: "_s + *wineProblem_));
    }
    display_ = std::make_unique<VirtualDisplay>();
    QVERIFY2(display_->start(environment_.path() + u"/Xvfb.log"_s), qPrintable(display_->error()));

    const QString home = environment_.path() + u"/home"_s;
    const QString work = prepareHome(home, tools);
    archive = samples() + u'/' + archive;
    QVERIFY2(start(home, {archive}), qPrintable(program_->state()));
    QString window;
    const QString opened = waitOnScreen(
        [&] {
            window = display_->window(u"Starsiege Kadrillo"_s).value_or(QString());
            return !window.isEmpty();
        },
        u"the main window"_s, 30000);
    QVERIFY2(opened.isEmpty(), qPrintable(opened));
    // The working folder is new, so "results.dat" appears only once the listing run has begun (empty
    // at first, through the redirection), and the "Get List" window is up from before that run until
    // its output has been read. So the file, no tool run and that window closed mean a whole listing.
    const QString results = work + u"/results.dat"_s;
    const QString listed = waitOnScreen(
        [&] { return QFile::exists(results) && !toolRunning() && closed(u"Get List"_s); },
        u"the end of the listing (\"results.dat\" written, no tool run, \"Get List\" closed)"_s, 60000);
    QVERIFY2(listed.isEmpty(), qPrintable(listed));
    QCOMPARE(TestEnvironment::readFile(work + u"/vtlist.bat"_s),
             "@echo off\r\nc:\r\ncd " + QFile::encodeName(work) +
                 "\r\nvtlist.exe *.* temp.vol >results.dat\r\nexit\r\n");
    QCOMPARE(TestEnvironment::readFile(results).contains("\r\n"), throughWine);

    QVERIFY2(display_->xdotool({u"windowfocus"_s, u"--sync"_s, window}), qPrintable(display_->error()));
    QVERIFY2(display_->xdotool(QStringList{u"key"_s, u"--delay"_s, u"50"_s, u"Home"_s} + keys.split(u' ') +
                               QStringList{u"ctrl+e"_s}),
             qPrintable(display_->error()));
    // The "Extract Files" window is up from before the first file until the last tool run has ended,
    // or until its warning about the refused names is answered.
    const QString out = home + u"/out"_s;
    const bool warns = archive.endsWith(u"hostile.vol"_s);
    const QString done = waitOnScreen(
        [&] {
            return warns ? shown(u"Warning!"_s)
                         : QDir(out).entryList(QDir::Files).size() == extracted.size() && !toolRunning() &&
                               closed(u"Extract Files"_s);
        },
        warns ? u"the warning about the refused names"_s
              : u"the extracted files with \"Extract Files\" closed"_s,
        60000);
    QVERIFY2(done.isEmpty(), qPrintable(done));
    QStringList written = QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    written.sort();
    QCOMPARE(written, extracted);
    for (const QString& name : extracted) {
        const QByteArray expected = objectData(archive, name);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(TestEnvironment::readFile(out + u'/' + name), expected);
    }
    for (QDirIterator all(environment_.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                          QDirIterator::Subdirectories);
         all.hasNext();) {
        const QString name = QFileInfo(all.next()).fileName();
        QVERIFY2(name != u"pwned"_s && name != u"escape.cs"_s && name != u"dir.cs"_s,
                 qPrintable(all.filePath()));
    }

    program_->signal(SIGTERM);
    const QString stopped = program_->waitForExit(30000);
    QVERIFY2(stopped.isEmpty(), qPrintable(stopped));
    QVERIFY(!QFile::exists(results));
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
