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
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QtEndian>
#include <csignal>
#include <memory>
#include <optional>
#include <unistd.h>
#include <utility>

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

// Runs a program to its end: empty when it ended with exit code 0, else why, with what it wrote.
QString runToEnd(const QString& program, const QStringList& arguments, QString* output = nullptr,
                 const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    OwnedProgram owned(program);
    owned.process().setProcessChannelMode(output ? QProcess::SeparateChannels : QProcess::MergedChannels);
    if (!owned.start(program, arguments, environment))
        return owned.state();
    const QString failed = owned.waitForExit(120000);
    const QString written = QString::fromLocal8Bit(owned.process().readAllStandardOutput()).trimmed();
    if (output)
        *output = written;
    return failed.isEmpty() ? failed : failed + u": "_s + written;
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
    void installedProgramRunsFromAnotherFolder();
    void faultsAreToldAndLoseNothing_data();
    void faultsAreToldAndLoseNothing();
    void aKillAtAnyMomentLeavesEveryFileWhole();

private:
    // Private settings, data and temporary folders under `home`; returns the working folder.
    QString prepareHome(const QString& home, const QString& tools) const;
    // The environment of a program run with the private folders under `home`.
    QProcessEnvironment environmentFor(const QString& home) const;
    // Starts the program in `home`, on the private display when there is one; false with the reason in
    // state().
    bool start(const QString& home, const QStringList& arguments,
               const QString& program = QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"),
               const QProcessEnvironment& environment = {});
    // Sets up the fault a row of faultsAreToldAndLoseNothing names, in `home`: false when the machine
    // cannot have it, with the reason in `skipped`.
    bool plantFault(const QString& fault, const QString& home, QProcessEnvironment& environment,
                    QStringList& arguments, QString& skipped);
    // What the program told the user so far, from its log.
    QString told() const { return QString::fromLocal8Bit(TestEnvironment::readFile(logFile_)); }
    // Mounts a small file system of its own on `folder` (root only): false when the machine refuses.
    bool mountSmall(const QString& folder, const QString& options);
    // Gives the shown window whose title matches the keyboard and types `keys` into it.
    QString type(const QString& title, const QStringList& keys);
    // Waits, while the program runs, until `condition` holds: empty, or the reason with what the display
    // showed then.
    QString waitOnScreen(const std::function<bool()>& condition, const QString& what, int timeoutMs);
    // Every tool run (Wine or the tool) is a child of the program. So is the Wine program that keeps
    // Wine's session up between runs (Wine's cmd.exe through its start.exe), which is no tool run.
    bool toolRunning() const
    {
        const QStringList children = program_->children();
        return children.size() > children.filter(u" start.exe /exec"_s).size();
    }
    bool shown(const QString& title) const { return !display_->window(title).value_or(QString()).isEmpty(); }
    bool closed(const QString& title) const { return display_->window(title) == QString(); }
    QString samples() const { return environment_.path() + u"/samples"_s; }

    TestEnvironment environment_;
    WinePrefix wine_{environment_.path() + u"/wineprefix"_s};
    std::optional<QString> wineProblem_;
    std::unique_ptr<VirtualDisplay> display_;
    std::unique_ptr<OwnedProgram> program_;
    QString logFile_;
    QStringList mounts_;
};

void EndToEndTest::initTestCase()
{
    QCOMPARE(TestEnvironment::makeSamples(samples(), {u"--hostile"_s}), QString());
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
    for (const QString& folder : std::exchange(mounts_, {})) {
        if (const QString failed = runToEnd(u"umount"_s, {folder}); !failed.isEmpty())
            problems.append(failed);
    }
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

QProcessEnvironment EndToEndTest::environmentFor(const QString& home) const
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
    // The desktop's own tools then go by the private folders alone.
    environment.remove(u"XDG_CURRENT_DESKTOP"_s);
    environment.remove(u"DESKTOP_SESSION"_s);
    return environment;
}

bool EndToEndTest::start(const QString& home, const QStringList& arguments, const QString& program,
                         const QProcessEnvironment& environment)
{
    program_ = std::make_unique<OwnedProgram>(u"kadrillo"_s);
    program_->process().setProcessChannelMode(QProcess::ForwardedOutputChannel);
    logFile_ = home + u"/kadrillo.log"_s;
    program_->process().setStandardErrorFile(logFile_);
    program_->process().setWorkingDirectory(home);
    return program_->start(program, arguments, environment.isEmpty() ? environmentFor(home) : environment);
}

QString EndToEndTest::type(const QString& title, const QStringList& keys)
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

QString EndToEndTest::waitOnScreen(const std::function<bool()>& condition, const QString& what, int timeoutMs)
{
    const QString failed = program_->waitUntil(condition, what, timeoutMs);
    if (failed.isEmpty() || !display_)
        return failed;
    const QString xdotool = display_->error();
    return failed + u"; last xdotool problem: "_s + xdotool + u"; "_s + display_->report() +
           u"; the program's log: "_s + told().right(2000);
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
    // Refused names end the run with the failure table that lists them; only the safe names are written.
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

    const QString typed =
        type(u"Starsiege Kadrillo"_s, QStringList{u"Home"_s} + keys.split(u' ') + QStringList{u"ctrl+e"_s});
    QVERIFY2(typed.isEmpty(), qPrintable(typed));
    // The "Extract Files" window is up from before the first file until the last tool run has ended,
    // or until its failure table about the refused names is closed.
    const QString out = home + u"/out"_s;
    const bool warns = archive.endsWith(u"hostile.vol"_s);
    const QString done = waitOnScreen(
        [&] {
            return warns ? shown(u"Extraction Report"_s)
                         : QDir(out).entryList(QDir::Files).size() == extracted.size() && !toolRunning() &&
                               closed(u"Extract Files"_s);
        },
        warns ? u"the failure table about the refused names"_s
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
    // Wine's session ends by itself once the program has; nothing of it is left to the cleanup.
    QDeadlineTimer settle(30000);
    while (!program_->marked().isEmpty() && !settle.hasExpired())
        QThread::msleep(100);
    QCOMPARE(program_->marked(), QStringList());
}

void EndToEndTest::installedProgramRunsFromAnotherFolder()
{
    if (const QString missing = VirtualDisplay::missingPrograms(); !missing.isEmpty())
        QSKIP(qPrintable(u"needs %1 (scripts/deps.sh installs them)"_s.arg(missing)));
    for (const char* tool : {"desktop-file-validate", "appstreamcli", "update-mime-database", "xdg-mime",
                             "xdg-open", "mimetype"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP(qPrintable(u"needs %1 (scripts/deps.sh installs it)"_s.arg(QLatin1String(tool))));
    }
    const QString prefix = environment_.path() + u"/prefix"_s;
    const QString build = QFileInfo(QStringLiteral(KADRILLO_BIN_DIR)).path();
    const QString installed = runToEnd(u"cmake"_s, {u"--install"_s, build, u"--prefix"_s, prefix});
    QVERIFY2(installed.isEmpty(), qPrintable(installed));
    const QString entry = prefix + u"/share/applications/kadrillo.desktop"_s;
    const QString metainfo = prefix + u"/share/metainfo/org.kadrillo.Kadrillo.metainfo.xml"_s;
    for (const QString& file : {prefix + u"/bin/kadrillo-batch"_s, entry, metainfo,
                                prefix + u"/share/icons/hicolor/scalable/apps/kadrillo.svg"_s}) {
        QVERIFY2(QFileInfo::exists(file), qPrintable(file + u" is not installed"_s));
    }
    for (const auto& [program, arguments] :
         {std::pair{u"desktop-file-validate"_s, QStringList{entry}},
          std::pair{u"appstreamcli"_s, QStringList{u"validate"_s, u"--no-net"_s, metainfo}},
          std::pair{u"update-mime-database"_s, QStringList{prefix + u"/share/mime"_s}}}) {
        const QString failed = runToEnd(program, arguments);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
    QVERIFY2(QFileInfo::exists(prefix + u"/share/mime/application/x-starsiege-volume.xml"_s),
             "the MIME package defines no application/x-starsiege-volume");

    // The desktop's viewer for text files writes down what it was asked to open.
    const QString home = environment_.path() + u"/installed"_s;
    prepareHome(home, QStringLiteral(KADRILLO_STANDIN_DIR));
    const QString opened = home + u"/opened.txt"_s;
    const QString viewer = home + u"/viewer.sh"_s;
    TestEnvironment::writeFile(
        viewer, "#!/bin/sh\nprintf '%s\\n' \"$1\" >>" + QFile::encodeName(opened) + "\n", true);
    TestEnvironment::writeFile(home + u"/data/applications/viewer.desktop"_s,
                               "[Desktop Entry]\nType=Application\nName=Viewer\nMimeType=text/plain;\nExec=" +
                                   QFile::encodeName(viewer) + " %f\n");
    TestEnvironment::writeFile(home + u"/config/mimeapps.list"_s,
                               "[Default Applications]\ntext/plain=viewer.desktop\n");

    display_ = std::make_unique<VirtualDisplay>();
    QVERIFY2(display_->start(environment_.path() + u"/Xvfb.log"_s), qPrintable(display_->error()));
    QVERIFY2(start(home, {}, prefix + u"/bin/kadrillo"_s), qPrintable(program_->state()));

    QString typed = type(u"Starsiege Kadrillo"_s, {u"alt+h"_s, u"a"_s});
    QVERIFY2(typed.isEmpty(), qPrintable(typed));
    typed = type(u"About Kadrillo"_s, {u"alt+r"_s});
    QVERIFY2(typed.isEmpty(), qPrintable(typed));
    const QString readme = QFileInfo(prefix + u"/share/kadrillo/readme.txt"_s).canonicalFilePath();
    const QString viewed = waitOnScreen(
        [&] { return QString::fromLocal8Bit(TestEnvironment::readFile(opened)).trimmed() == readme; },
        u"the viewer opening %1 alone"_s.arg(readme), 30000);
    QVERIFY2(viewed.isEmpty(), qPrintable(viewed + u"; it opened: "_s + TestEnvironment::readFile(opened)));

    typed = type(u"About Kadrillo"_s, {u"Escape"_s});
    QVERIFY2(typed.isEmpty(), qPrintable(typed));
    typed = type(u"Starsiege Kadrillo"_s, {u"alt+t"_s, u"a"_s});
    QVERIFY2(typed.isEmpty(), qPrintable(typed));
    QString handler;
    const QString associated = waitOnScreen(
        [&] {
            runToEnd(u"xdg-mime"_s, {u"query"_s, u"default"_s, u"application/x-starsiege-volume"_s}, &handler,
                     environmentFor(home));
            return handler == u"kadrillo.desktop"_s;
        },
        u"xdg-mime naming kadrillo.desktop for .vol files"_s, 30000);
    QVERIFY2(associated.isEmpty(), qPrintable(associated + u"; it named: "_s + handler));
    QVERIFY(TestEnvironment::readFile(home + u"/data/applications/kadrillo.desktop"_s)
                .contains("\nExec=\"" + QFile::encodeName(prefix) + "/bin/kadrillo\" %f\n"));

    program_->signal(SIGTERM);
    const QString stopped = program_->waitForExit(30000);
    QVERIFY2(stopped.isEmpty(), qPrintable(stopped));
}

bool EndToEndTest::mountSmall(const QString& folder, const QString& options)
{
    if (geteuid() != 0 ||
        !runToEnd(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, options, u"tmpfs"_s, folder}).isEmpty())
        return false;
    mounts_.append(folder);
    return true;
}

bool EndToEndTest::plantFault(const QString& fault, const QString& home, QProcessEnvironment& environment,
                              QStringList& arguments, QString& skipped)
{
    const QString out = home + u"/out"_s;
    QSettings settings(home + u"/config/Kadrillo/Kadrillo.ini"_s, QSettings::IniFormat);
    settings.beginGroup(u"Settings"_s);
    if (fault == u"missing tool") {
        settings.setValue(u"Extract Path"_s, home + u"/nowhere/extract.exe"_s);
    } else if (fault == u"no Wine") {
#ifdef KADRILLO_STANDIN_WINDOWS_DIR
        settings.setValue(u"Extract Path"_s, QStringLiteral(KADRILLO_STANDIN_WINDOWS_DIR "/extract.exe"));
        settings.setValue(u"Vtlist Path"_s, QStringLiteral(KADRILLO_STANDIN_WINDOWS_DIR "/vtlist.exe"));
        environment.insert(u"KADRILLO_WINE"_s, home + u"/no-wine-here"_s);
#else
        skipped = u"the Windows stand-ins are not built"_s;
        return false;
#endif
    } else if (fault == u"read-only destination") {
        // Permissions do not stop root, a read-only file system does.
        const bool readOnly = geteuid() == 0 ? mountSmall(out, u"size=1m"_s) : true;
        TestEnvironment::writeFile(out + u"/sky.bmp"_s, "the user's own sky.bmp");
        const bool sealed = geteuid() == 0
                                ? readOnly && runToEnd(u"mount"_s, {u"-o"_s, u"remount,ro"_s, out}).isEmpty()
                                : QFile::setPermissions(out, QFile::ReadOwner | QFile::ExeOwner);
        skipped = u"a read-only folder cannot be had here"_s;
        return sealed;
    } else if (fault == u"full destination") {
        skipped = u"a small file system cannot be mounted here (needs root)"_s;
        if (!mountSmall(out, u"size=64k"_s))
            return false;
        TestEnvironment::writeFile(out + u"/sky.bmp"_s, "the user's own sky.bmp");
        QFile filler(out + u"/filler"_s);
        filler.open(QIODevice::WriteOnly);
        while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {
        }
    } else if (fault == u"deleted archive") {
        arguments = {home + u"/doomed.vol"_s};
        QFile::copy(samples() + u"/sample.vol"_s, arguments[0]);
    } else if (fault == u"planted working folder") {
        QDir().mkpath(home + u"/elsewhere"_s);
        QFile::link(home + u"/elsewhere"_s, home + u"/tmp/kadrillo-"_s + QString::number(getuid()));
    } else if (fault == u"garbage settings") {
        settings.setValue(u"Auto Preview"_s, u"perhaps"_s);
        settings.setValue(u"Add Ppl"_s, u"\x01\x02"_s);
        settings.setValue(u"Palette Path"_s, QString(300, u'?'));
        settings.setValue(u"Search Sub"_s, u"-1e99"_s);
    } else {
        environment.insert(u"KADRILLO_STANDIN_FAULT"_s, fault);
    }
    return true;
}

void EndToEndTest::faultsAreToldAndLoseNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("extracts"); // the listing ends and three objects are extracted
    QTest::addColumn<QString>("toldText");
    QTest::addColumn<QStringList>("left"); // what the destination holds afterwards
    const QStringList own{"sky.bmp"};
    const QStringList all{"mission.cs", "readme.cs", "sky.bmp"};
    QTest::newRow("listing garbage") << u"garbage"_s << true << u"could not be extracted"_s << own;
    QTest::newRow("listing nothing") << u"silent"_s << false << u"There is a problem with the vol file"_s
                                     << own;
    QTest::newRow("listing a million names") << u"million"_s << false << u"32767"_s << own;
    QTest::newRow("extraction ends with code 3")
        << u"exit-code"_s << true << u"extract.exe ended with code 3"_s << own;
    QTest::newRow("extraction writes nothing")
        << u"no-output"_s << true << u"the tool wrote no file"_s << own;
    QTest::newRow("extraction writes half and crashes")
        << u"truncated"_s << true << u"extract.exe did not end normally"_s << own;
    QTest::newRow("extraction hangs") << u"hang"_s << true << QString() << own;
    QTest::newRow("missing tool") << u"missing tool"_s << false << u"Can not find extract.exe"_s << own;
    QTest::newRow("no Wine") << u"no Wine"_s << false << u"needs Wine to run"_s << own;
    QTest::newRow("read-only destination") << u"read-only destination"_s << true << u"cannot write"_s << own;
    QTest::newRow("full destination")
        << u"full destination"_s << true << u"cannot write"_s << QStringList{"filler", "sky.bmp"};
    QTest::newRow("deleted archive") << u"deleted archive"_s << true << u"doomed.vol"_s << own;
    QTest::newRow("planted working folder") << u"planted working folder"_s << false << u"kadrillo-"_s << own;
    QTest::newRow("garbage settings") << u"garbage settings"_s << true << QString() << all;
}

void EndToEndTest::faultsAreToldAndLoseNothing()
{
    QFETCH(QString, fault);
    QFETCH(bool, extracts);
    QFETCH(QString, toldText);
    QFETCH(QStringList, left);
    if (const QString missing = VirtualDisplay::missingPrograms(); !missing.isEmpty())
        QSKIP(qPrintable(u"needs %1 (scripts/deps.sh installs them)"_s.arg(missing)));
    display_ = std::make_unique<VirtualDisplay>();
    QVERIFY2(display_->start(environment_.path() + u"/Xvfb.log"_s), qPrintable(display_->error()));
    const QString home = environment_.path() + u"/fault"_s;
    const QString work = prepareHome(home, QStringLiteral(KADRILLO_STANDIN_DIR));
    const QString out = home + u"/out"_s;
    QDir().mkpath(out);
    TestEnvironment::writeFile(out + u"/sky.bmp"_s, "the user's own sky.bmp");
    QProcessEnvironment environment = environmentFor(home);
    QStringList arguments{samples() + u"/sample.vol"_s};
    QString skipped;
    if (!plantFault(fault, home, environment, arguments, skipped))
        QSKIP(qPrintable(skipped));
    QVERIFY2(start(home, arguments, QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"), environment),
             qPrintable(program_->state()));

    if (extracts) {
        const QString listed = waitOnScreen(
            [&] {
                return QFile::exists(work + u"/results.dat"_s) && !toolRunning() && closed(u"Get List"_s);
            },
            u"the end of the listing"_s, 60000);
        QVERIFY2(listed.isEmpty(), qPrintable(listed));
        if (fault == u"deleted archive")
            QVERIFY(QFile::remove(arguments[0]));
        const QString typed =
            type(u"Starsiege Kadrillo"_s, {u"Home"_s, u"shift+Down"_s, u"shift+Down"_s, u"ctrl+e"_s});
        QVERIFY2(typed.isEmpty(), qPrintable(typed));
    }
    if (fault == u"hang") {
        const QString hanging = waitOnScreen([&] { return toolRunning(); }, u"the hanging tool"_s, 30000);
        QVERIFY2(hanging.isEmpty(), qPrintable(hanging));
    } else if (!toldText.isEmpty()) {
        const QString shown = waitOnScreen([&] { return told().contains(toldText); },
                                           u"the user being told \"%1\""_s.arg(toldText), 60000);
        QVERIFY2(shown.isEmpty(), qPrintable(shown));
    } else {
        const QString done = waitOnScreen(
            [&] {
                return QDir(out).entryList(QDir::Files).size() == left.size() && !toolRunning() &&
                       closed(u"Extract Files"_s);
            },
            u"the end of the extraction"_s, 60000);
        QVERIFY2(done.isEmpty(), qPrintable(done));
    }

    // Closing the program mid-run or with a message open ends it as closing its window does.
    program_->signal(SIGTERM);
    const QString stopped = program_->waitForExit(30000);
    QVERIFY2(stopped.isEmpty(), qPrintable(stopped + u"; "_s + told()));
    if (toldText.isEmpty())
        QVERIFY2(!told().contains(u"kadrillo.messages"_s), qPrintable(told()));
    QStringList held = QDir(out).entryList(QDir::Files | QDir::Hidden);
    held.sort();
    QCOMPARE(held, left);
    if (left.contains(u"sky.bmp"_s) && fault != u"garbage settings")
        QCOMPARE(TestEnvironment::readFile(out + u"/sky.bmp"_s), QByteArray("the user's own sky.bmp"));
    QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QCOMPARE(QDir(home + u"/elsewhere"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

// Files the program writes for the user are renamed into place whole, so even SIGKILL in the middle
// of a batch conversion or of the settings write leaves each one old or new, never cut.
void EndToEndTest::aKillAtAnyMomentLeavesEveryFileWhole()
{
    if (const QString missing = VirtualDisplay::missingPrograms(); !missing.isEmpty())
        QSKIP(qPrintable(u"needs %1 (scripts/deps.sh installs them)"_s.arg(missing)));
    display_ = std::make_unique<VirtualDisplay>();
    QVERIFY2(display_->start(environment_.path() + u"/Xvfb.log"_s), qPrintable(display_->error()));
    const QString home = environment_.path() + u"/killed"_s;
    const QString work = prepareHome(home, QStringLiteral(KADRILLO_STANDIN_DIR));
    const QString out = home + u"/out"_s;
    const QByteArray own = "the user's own tile.bmp";
    TestEnvironment::writeFile(out + u"/tile.bmp"_s, own);
    const QString ini = home + u"/config/Kadrillo/Kadrillo.ini"_s;
    const QByteArray settingsBefore = TestEnvironment::readFile(ini);

    QVERIFY2(start(home, {samples() + u"/sample.vol"_s}), qPrintable(program_->state()));
    const QString listed = waitOnScreen(
        [&] { return QFile::exists(work + u"/results.dat"_s) && !toolRunning() && closed(u"Get List"_s); },
        u"the end of the listing"_s, 60000);
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
    QCOMPARE(TestEnvironment::readFile(ini), settingsBefore);

    // The settings are written at the end of a shutdown, which needs no display to run.
    display_.reset();
    for (const int delayMs : {0, 10, 20, 25, 30, 35, 40, 45, 50, 100}) {
        QVERIFY2(start(home, {}), qPrintable(program_->state()));
        QFile::remove(work + u"/vtlist.exe"_s);
        const QString started = waitOnScreen([&] { return QFile::exists(work + u"/vtlist.exe"_s); },
                                             u"the copy of vtlist.exe"_s, 30000);
        QVERIFY2(started.isEmpty(), qPrintable(started));
        program_->signal(SIGTERM);
        QThread::msleep(delayMs); // when the kill lands, not what the test waits for
        program_->signal(SIGKILL);
        QVERIFY(program_->process().waitForFinished(30000));
        QSettings written(ini, QSettings::IniFormat);
        written.beginGroup(u"Settings"_s);
        const qsizetype keysWritten = written.childKeys().size();
        QVERIFY2(keysWritten == 5 || keysWritten == 12, qPrintable(QString::number(keysWritten)));
        QCOMPARE(written.value(u"Dest Path"_s).toString(), out);
    }
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
