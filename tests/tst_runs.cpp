#include "VolArchive.h"
#include "app/core/CommandLineOptions.h"
#include "archive/core/ExtractionJob.h"
#include "archive/core/RunDriver.h"
#include "archive/core/RunReport.h"
#include "archive/core/ToolRunner.h"
#include "archive/ui/ProgressDialog.h"
#include "picture/core/ContactSheet.h"
#include "picture/ui/frmContactSheet.h"
#include "support/FailureRows.h"
#include "support/MainWindowRun.h"
#include "support/OwnedProgram.h"
#include "support/PictureFiles.h"
#include "support/PngCheck.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The command-line mode as a process with no display, against the windows' own extraction and
// conversion of the same archive in this process; a window and other runs at the same time; and in the
// windows, Cancel on the three progress windows with tools that hang, and the failure table at the end.
class RunsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void readsTheOptions_data();
    void readsTheOptions();
    void writesWhatTheWindowsWrite_data();
    void writesWhatTheWindowsWrite();
    void drawsTheWindowsContactSheet();
    void exitStatusAndOutput_data();
    void exitStatusAndOutput();
    void terminationSignalEndsTheRun();
    void twoWindowsAtOnce();
    void refusesAnUnsafeWorkingFolderOrDestination_data();
    void refusesAnUnsafeWorkingFolderOrDestination();
    void reportCountsAndText();
    void cancelEndsTheRunAndItsTools_data();
    void cancelEndsTheRunAndItsTools();
    void failureTableCopiesAndRetriesTheFailedOnly();
    void parallelRunsDeliverInObjectOrder_data();
    void parallelRunsDeliverInObjectOrder();
    void aToolThatWillNotShareIsTriedAlone();
    void shutdownDuringParallelRunsKeepsTheFilesDelivered();

private:
    struct Run {
        int status = -1; // -1: did not end by itself; the reason is in errors
        QByteArray output;
        QStringList errors; // stderr, by line
    };
    // Starts the program with no display at all: the mode must not need one.
    // `variables` ("NAME=value") are added to the program's environment.
    bool start(OwnedProgram& program, const QStringList& arguments, const QStringList& variables = {});
    Run run(const QStringList& arguments, const QStringList& variables = {});
    // The objects of the sample archive with their bytes.
    QMap<QString, QByteArray> sampleObjects() const;
    // A tool in the test's folder that the settings name as extract.exe: `script` (a shell script) with
    // "STANDIN" standing for the stand-in and "LOG" for a log file of the test's.
    QString extractTool(const QString& name, QByteArray script);
    QString log() const { return environment_.path() + u"/tool.log"_s; }
    // Opens the archive, if any, in a window (listed by Auto List); runInWindow selects the rows the
    // command works on when given no names, and runs the command as its button does.
    std::unique_ptr<MainWindowRun> openInWindow(const QString& archive);
    void runInWindow(MainWindowRun& window, const QString& command);
    QString samples() const { return environment_.path() + u"/samples"_s; }
    // Archives in subfolders for --find and --grep: scripts, a hostile name, one that is no archive.
    QString finds() const { return environment_.path() + u"/finds"_s; }
    QString ini() const { return environment_.configHome() + u"/Kadrillo/Kadrillo.ini"_s; }
    QString work() const { return environment_.tempHome() + u"/kadrillo-"_s + QString::number(getuid()); }
    QString windowOut() const { return environment_.path() + u"/window-out"_s; }
    // Every file under the folder, by its path there, with its bytes.
    static QMap<QString, QByteArray> files(const QString& folder);
    QList<qint64> hangingPids() const;
    QListWidget* list() const { return run_->control<QListWidget>("lstList"); }
    QString sample() const { return samples() + u"/sample.vol"_s; }
    QString pidFile() const { return environment_.path() + u"/pids"_s; }
    // Bitmaps of other layouts than the conversion writes, and one that is none, by name.
    static QList<std::pair<QString, QByteArray>> standardBitmaps();

    TestEnvironment environment_;
    std::unique_ptr<MainWindowRun> run_;
};

void RunsTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    const QString made = TestEnvironment::makeSamples(samples(), {u"--hostile"_s});
    QVERIFY2(made.isEmpty(), qPrintable(made));
    // Tall and wide pictures in turn: each tall one takes a row below the wide one before it.
    const QByteArray tall = PictureFiles::pbmp(1, 4097, QByteArray(4097, '\3'), 0);
    const QByteArray wide = PictureFiles::pbmp(4097, 1, QByteArray(4097, '\3'), 0);
    QList<std::pair<QString, QByteArray>> turns;
    for (int i = 1; i <= 4; ++i)
        turns << std::pair{u"tall%1.bmp"_s.arg(i), tall} << std::pair{u"wide%1.bmp"_s.arg(i), wide};
    QVERIFY(QDir().mkpath(finds() + u"/sub/deeper"_s));
    TestEnvironment::writeFile(finds() + u"/sub/broken.vol"_s, "not an archive");
    TestEnvironment::writeFile(finds() + u"/sub/deeper/empty.vol"_s, QByteArray("KVOL\0\0\0\0", 8));
    for (const auto& [archive, objects] :
         {std::pair{u"../finds/base.vol"_s,
                    QList<std::pair<QString, QByteArray>>{
                        {u"sky.bmp"_s, "BM"},
                        {u"a&calc & touch pwned.cs"_s, "// nothing here"},
                        {u"tab\there.cs"_s, "echo(1);"},
                        {u"README.CS"_s, "Echo(\"caf\xe9\");\r\n\r\n\techo(\"\x80\");"}}},
          {u"../finds/sub/mission.vol"_s,
           QList<std::pair<QString, QByteArray>>{{u"mission.cs"_s, "// mission\necho(1);\n"},
                                                 {u"notes.txt"_s, "notes\rno echo\r"}}},
          {u"turns.vol"_s, turns},
          {u"bitmaps.vol"_s, standardBitmaps()},
          {u"nopicture.vol"_s, QList{std::pair{u"notes.txt"_s, QByteArray("notes")}}},
          {u"broken.vol"_s, QList{std::pair{u"broken.bmp"_s, QByteArray("hello")}}},
          {u"lost.vol"_s, QList{std::pair{u"lost.bmp"_s, PictureFiles::pbmp(2, 1, QByteArray("\1\2"), 9)}}},
          {u"dot names.vol"_s, QList{std::pair{u".cs"_s, QByteArray("a")},
                                     {u".hidden.cs"_s, QByteArray("b")},
                                     {u"...ppl"_s, QByteArray("c")}}}}) {
        std::vector<VolEntry> entries;
        for (const auto& [name, data] : objects)
            entries.push_back({name.toStdString(), {data.begin(), data.end()}});
        std::string error;
        QVERIFY2(VolArchive::write((samples() + u'/' + archive).toStdString(), entries, error),
                 error.c_str());
    }
}

QList<std::pair<QString, QByteArray>> RunsTest::standardBitmaps()
{
    QByteArray rgb;
    for (int i = 0; i < 24; ++i)
        rgb.append(char(i * 10));
    return {{u"rgb.bmp"_s, PictureFiles::standardBitmap(3, 2, {}, rgb, "BM", 40, 24)},
            {u"rle.bmp"_s, PictureFiles::runLengthBitmap(5, 3, PictureFiles::ramp(3), 7)},
            {u"short.bmp"_s, PictureFiles::standardBitmap(4, 4, PictureFiles::ramp(4), QByteArray(8, '\2'))},
            {u"junk.bmp"_s, QByteArray("BM junk")}};
}

void RunsTest::init()
{
    for (const QString& folder : QDir(environment_.path()).entryList({u"*out*"_s}, QDir::Dirs))
        QDir(environment_.path() + u'/' + folder).removeRecursively();
    MainWindowRun::writeSettings(ini(), {u"Extract Path=" KADRILLO_STANDIN_DIR "/extract.exe"_s,
                                         u"Vtlist Path=" KADRILLO_STANDIN_DIR "/vtlist.exe"_s,
                                         u"Dest Path="_s + windowOut(),
                                         u"Default Palette="_s + samples() + u"/base.pal"_s,
                                         u"Palette Path="_s + samples(), u"Auto Preview=False"_s});
}

// Where the parse differs from the plain cases that exitStatusAndOutput runs.
void RunsTest::readsTheOptions_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QString>("parsed"); // "archive|names|folder|quiet", or the error
    QTest::newRow("options anywhere, names in order")
        << QByteArrayList{"--to", "d", "--extract", "a.vol", "x.cs", "--quiet", "b.cs"}
        << u"a.vol|x.cs,b.cs|d|quiet"_s;
    // Qt would take a path that starts with a colon for one of its resources.
    QTest::newRow("paths that start with a colon")
        << QByteArrayList{"--extract", ":a.vol", "--to", ":d"} << u"./:a.vol||./:d|"_s;
    QTest::newRow("-- ends the options")
        << QByteArrayList{"--convert", "--to", "d", "--", "--a.vol", "-h"} << u"--a.vol|-h|d|"_s;
    QTest::newRow("Qt's options are Qt's")
        << QByteArrayList{"-style", "fusion", "--list", "-reverse", "a.vol", "-platform"} << u"a.vol|||"_s;
    QTest::newRow("unknown option") << QByteArrayList{"--list", "a.vol", "-x.vol"}
                                    << u"unknown option -x.vol"_s;
    QTest::newRow("--to twice") << QByteArrayList{"--extract", "a.vol", "--to", "d", "--to", "e"}
                                << u"--to needs one folder"_s;
    QTest::newRow("--to last") << QByteArrayList{"--extract", "a.vol", "--to"} << u"--to needs one folder"_s;
    const QString notText =
        u" cannot name a file or folder: its bytes are not text in the system's encoding"_s;
    QTest::newRow("--to not text") << QByteArrayList{"--extract", "a.vol", "--to", "odd\xff\xfe"}
                                   << u"odd\uFFFD\uFFFD"_s + notText;
    QTest::newRow("archive not text")
        << QByteArrayList{"--list", "\xe9t\xe9.vol"} << u"\uFFFDt\uFFFD.vol"_s + notText;
    QTest::newRow("empty archive") << QByteArrayList{"--list", ""} << u"no archive given"_s;
    QTest::newRow("--list with names")
        << QByteArrayList{"--list", "a.vol", "b.cs"} << u"--list takes one archive and no object names"_s;
    QTest::newRow("--to with --list") << QByteArrayList{"--list", "a.vol", "--to", "d"}
                                      << u"--to only goes with --extract, --convert and --contact-sheet"_s;
    QTest::newRow("only --quiet")
        << QByteArrayList{"--quiet"}
        << u"no command given: use --list, --extract, --convert, --contact-sheet, --find or --grep"_s;
    QTest::newRow("two commands")
        << QByteArrayList{"--list", "--contact-sheet", "a.vol"}
        << u"give only one of --list, --extract, --convert, --contact-sheet, --find and --grep"_s;
    QTest::newRow("an empty archive to search")
        << QByteArrayList{"--grep", "x", "a.vol", ""} << u"no archive given"_s;
    QTest::newRow("--cell with --grep") << QByteArrayList{"--grep", "x", "a.vol", "--cell", "64"}
                                        << u"--cell only goes with --contact-sheet"_s;
    QTest::newRow("--format with --find") << QByteArrayList{"--find", "*", "d", "--format", "png"}
                                          << u"--format and --transparent only go with --convert"_s;
    QTest::newRow("an empty folder to search")
        << QByteArrayList{"--find", "*", "", "d"} << u"no folder given"_s;
    QTest::newRow("no --to") << QByteArrayList{"--extract", "a.vol"} << u"--to DIR is missing"_s;
    QTest::newRow("sheet as BMP") << QByteArrayList{"--contact-sheet", "a.vol", "--to", "s.BMP"}
                                  << u"a.vol||s.BMP|"_s;
    QTest::newRow("sheet as JPEG")
        << QByteArrayList{"--contact-sheet", "a.vol", "--to", "s.jpg"}
        << u"--contact-sheet writes a .png or a .bmp file, and s.jpg ends in neither"_s;
    QTest::newRow("png, index 0 transparent")
        << QByteArrayList{"--convert", "a.vol", "--transparent", "0", "--format", "png", "--to", "d"}
        << u"a.vol||d||png|0"_s;
    QTest::newRow("--format with --extract")
        << QByteArrayList{"--extract", "a.vol", "--to", "d", "--format", "bmp"}
        << u"--format and --transparent only go with --convert"_s;
    QTest::newRow("--transparent with bmp")
        << QByteArrayList{"--convert", "a.vol", "--to", "d", "--transparent", "1"}
        << u"--transparent only goes with --format png"_s;
    for (const char* index : {"256", "-1", "x"})
        QTest::addRow("--transparent %s", index) << QByteArrayList{"--convert", "--transparent", index}
                                                 << u"--transparent takes one colour index from 0 to 255"_s;
    QTest::newRow("--format gif") << QByteArrayList{"--convert", "--format", "gif"}
                                  << u"--format takes bmp or png, once"_s;
    QTest::newRow("--format twice") << QByteArrayList{"--format", "png", "--format", "png"}
                                    << u"--format takes bmp or png, once"_s;
    QTest::newRow("four tools at once")
        << QByteArrayList{"--jobs", "4", "--extract", "a.vol", "--to", "d"} << u"a.vol||d||4"_s;
    const QString jobs = u"--jobs takes one number of tools to run at once, from 1 to 64"_s;
    for (const char* count : {"0", "65", "x", "-2"})
        QTest::addRow("--jobs %s", count) << QByteArrayList{"--extract", "a.vol", "--jobs", count} << jobs;
    QTest::newRow("--jobs twice") << QByteArrayList{"--jobs", "2", "--jobs", "2"} << jobs;
    QTest::newRow("--jobs last") << QByteArrayList{"--list", "a.vol", "--jobs"} << jobs;
    QTest::newRow("a sheet in 256 px cells")
        << QByteArrayList{"--cell", "256", "--contact-sheet", "a.vol", "--to", "s.png"}
        << u"a.vol||s.png||256"_s;
    const QString cells = u"--cell takes 64, 128 or 256, once"_s;
    for (const char* side : {"100", "0", "x"})
        QTest::addRow("--cell %s", side)
            << QByteArrayList{"--contact-sheet", "a.vol", "--cell", side} << cells;
    QTest::newRow("--cell twice") << QByteArrayList{"--cell", "64", "--cell", "64"} << cells;
    QTest::newRow("--cell last") << QByteArrayList{"--contact-sheet", "a.vol", "--cell"} << cells;
    QTest::newRow("--cell with --convert")
        << QByteArrayList{"--convert", "a.vol", "--to", "d", "--cell", "64"}
        << u"--cell only goes with --contact-sheet"_s;
}

void RunsTest::readsTheOptions()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QString, parsed);
    const CommandLineOptions options = CommandLineOptions::parse(arguments);
    QStringList read{options.archive, options.names.join(u','), options.destFolder,
                     options.quiet ? u"quiet"_s : QString()};
    if (options.format)
        read << (*options.format == PictureExport::Format::Png ? u"png"_s : u"bmp"_s)
             << (options.transparentIndex ? QString::number(*options.transparentIndex) : QString());
    if (options.jobs)
        read << QString::number(*options.jobs);
    if (options.cell)
        read << QString::number(*options.cell);
    QCOMPARE(options.error.isEmpty() ? read.join(u'|') : options.error, parsed);
    // Whatever is wrong, help wins.
    const CommandLineOptions help = CommandLineOptions::parse(QByteArrayList{"-h"} + arguments);
    QVERIFY(help.command == CommandLineOptions::Command::Help && help.error.isEmpty());
}

void RunsTest::cleanup()
{
    run_.reset();
    // The test owns what its tools started, whatever became of them.
    for (const qint64 pid : hangingPids()) {
        if (OwnedProgram::isAlive(pid))
            ::kill(pid_t(pid), SIGKILL);
    }
    QFile::remove(pidFile());
}

QList<qint64> RunsTest::hangingPids() const
{
    QList<qint64> pids;
    for (const QByteArray& line : TestEnvironment::readFile(pidFile()).split('\n')) {
        if (!line.isEmpty())
            pids.append(line.toLongLong());
    }
    return pids;
}

void RunsTest::reportCountsAndText()
{
    using Step = RunReport::Step;
    RunReport extraction(RunReport::Kind::Extraction, 4);
    extraction.addDone();
    extraction.addFailure(5, u"tab\there.cs"_s, Step::RefusedName, u"it holds a control character"_s);
    extraction.addFailure(2, u"b.cs"_s, Step::NotDone, u"cancelled"_s);
    extraction.markCancelled();
    QCOMPARE(extraction.heading(), u"1 of 4 objects were extracted before the run was cancelled.\n"
                                   "2 objects could not be extracted:"_s);
    QVERIFY2(extraction.text().contains(u"\ntab\uFFFDhere.cs\trefused name\t"_s),
             qPrintable(extraction.text()));

    // Objects the user chose to skip are not counted.
    RunReport conversion(RunReport::Kind::Conversion, 3);
    conversion.addSkipped();
    conversion.addSkipped();
    conversion.addFailure(0, u"a.bmp"_s, Step::PaletteMissing, u"no 7.pal"_s);
    QCOMPARE(conversion.heading(), u"0 of 1 object was converted.\n1 object could not be converted:"_s);
}

void RunsTest::cancelEndsTheRunAndItsTools_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("parallel");         // tools at once
    QTest::addColumn<QStringList>("failures"); // the table's rows at the end, one an object selected
    QTest::newRow("listing, Escape") << u"frmGetList"_s << u"Escape"_s << 1 << QStringList();
    const QString ended = u" | not done | cancelled; its tool was ended"_s;
    const QString cancelled = u" | not done | cancelled"_s;
    QTest::newRow("extraction, Cancel button")
        << u"frmExtract"_s << u"button"_s << 1 << QStringList{"readme.cs" + ended, "mission.cs" + cancelled};
    QTest::newRow("conversion, Escape")
        << u"frmConvert"_s << u"Escape"_s << 1 << QStringList{"sky.bmp" + ended, "logo.bmp" + cancelled};
    QTest::newRow("extraction, four tools at once")
        << u"frmExtract"_s << u"button"_s << 4
        << QStringList{"readme.cs" + ended, "mission.cs" + ended,  "sky.bmp" + ended,
                       "logo.bmp" + ended,  "pad.bmp" + cancelled, "extra.bmp" + cancelled};
    QTest::newRow("conversion, four tools at once")
        << u"frmConvert"_s << u"Escape"_s << 4
        << QStringList{"sky.bmp" + ended,   "logo.bmp" + ended,    "pad.bmp" + ended,
                       "extra.bmp" + ended, "dot.bmp" + cancelled, "tile.bmp" + cancelled};
}

// Cancel is pressed once the tools and their children are running: the window closes (after two seconds
// of grace the tools are ended), no process of a tool is left, none starts after Cancel, and the end of
// the run says what was not done. Should a tool still run thirty seconds after Cancel, it is ended from
// here, so that a broken Cancel fails the test rather than hanging it.
void RunsTest::cancelEndsTheRunAndItsTools()
{
    QFETCH(QString, window);
    QFETCH(QString, how);
    QFETCH(int, parallel);
    QFETCH(QStringList, failures);
    const bool listing = window == u"frmGetList";
    QSettings(ini(), QSettings::IniFormat).setValue(u"Performance/Parallel Runs"_s, parallel);
    run_ = openInWindow(listing ? QString() : sample());
    // The working folder's copy of the tool writes its own id and its child's, then waits for the
    // child, which sleeps.
    const QByteArray ids = QFile::encodeName(pidFile());
    TestEnvironment::writeFile(
        work() + (listing ? u"/vtlist.exe"_s : u"/extract.exe"_s),
        "#!/bin/sh\necho $$ >> '" + ids + "'\nsleep 600 &\necho $! >> '" + ids + "'\nwait\n", true);
    QStringList shown;
    run_->fakes.dialogs.willAnswer([&shown](QDialog& table) { shown = failureRows(table); });
    QElapsedTimer pressed;
    bool endedHere = false;
    QTimer canceller;
    connect(&canceller, &QTimer::timeout, this, [&] {
        ToolRunner& runner = run_->core.runner();
        if (pressed.isValid()) {
            if (pressed.hasExpired(30000) && runner.isBusy()) {
                endedHere = true;
                runner.endRuns();
            }
            return;
        }
        auto* dialog = qobject_cast<ProgressDialog*>(QApplication::activeModalWidget());
        if (!dialog || !runner.isBusy() || hangingPids().size() < 2 * parallel)
            return;
        pressed.start();
        if (how == u"Escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->findChild<QPushButton*>(u"cmdCancel"_s)->click();
    });
    canceller.start(20);
    if (listing) {
        run_->fakes.files.willPick(sample());
        run_->window.mnuFileOpen_Click();
    } else {
        const int first = window == u"frmExtract" ? 0 : 2;
        for (int row = first; row < first + failures.size(); ++row)
            list()->item(row)->setSelected(true);
        if (window == u"frmExtract")
            run_->window.cmdExtract_Click();
        else
            run_->window.cmdConvert_Click();
    }
    QVERIFY2(pressed.isValid(), "Cancel was never pressed: the tool did not run");
    QVERIFY2(!endedHere, "Cancel did not end the tool: the test had to");
    const QList<qint64> pids = hangingPids();
    QTRY_VERIFY2_WITH_TIMEOUT(std::none_of(pids.cbegin(), pids.cend(), OwnedProgram::isAlive),
                              "a process of the cancelled tool is still running", 5000);
    QCOMPARE(pids.size(), 2 * parallel);
    QVERIFY2(run_->fakes.messages.texts().isEmpty(), qPrintable(run_->fakes.messages.texts().join('|')));
    QCOMPARE(shown, failures);
    QCOMPARE(QDir(windowOut()).entryList(QDir::Files), QStringList());
    if (listing) {
        // Not listed, so it can be listed again.
        QCOMPARE(list()->count(), 0);
        QVERIFY(run_->enabled("mnuFileGetList"));
    }
}

// The first pass fails on readme.cs (the tool ends with code 4) and refuses a name; Retry runs those
// two only, and readme.cs then succeeds.
void RunsTest::failureTableCopiesAndRetriesTheFailedOnly()
{
    run_ = openInWindow(sample());
    run_->core.Vols.current()->ObjectNames << u"../escape.cs"_s;
    run_->window.showVol(1);
    const QString calls = environment_.path() + u"/calls.txt"_s;
    const QString healed = environment_.path() + u"/healed"_s;
    TestEnvironment::writeFile(work() + u"/extract.exe"_s,
                               "#!/bin/sh\nprintf '%s\\n' \"${2##*/}\" >> '" + QFile::encodeName(calls) +
                                   "'\n[ -e '" + QFile::encodeName(healed) +
                                   "' ] || case \"$2\" in */readme.cs) exit 4;; esac\nprintf x > \"$2\"\n");
    for (const int row : {0, 1, 2, list()->count() - 1})
        list()->item(row)->setSelected(true);

    QString copied;
    run_->fakes.dialogs.willAnswer([&](QDialog& table) {
        table.findChild<QPushButton*>(u"cmdCopy"_s)->click();
        copied = QApplication::clipboard()->text();
        TestEnvironment::writeFile(healed, "");
        table.findChild<QPushButton*>(u"cmdRetry"_s)->click();
    });
    QStringList secondRows;
    bool retryOffered = true;
    run_->fakes.dialogs.willAnswer([&](QDialog& table) {
        secondRows = failureRows(table);
        retryOffered = table.findChild<QPushButton*>(u"cmdRetry"_s)->isEnabled();
    });
    run_->window.cmdExtract_Click();

    QCOMPARE(copied, u"2 of 4 objects were extracted.\n2 objects could not be extracted:\n\n"
                     "Object\tStep\tReason\n"
                     "readme.cs\ttool wrote nothing\textract.exe ended with code 4\n"
                     "../escape.cs\trefused name\tit holds the character /\n"_s);
    QCOMPARE(secondRows, QStringList{"../escape.cs | refused name | it holds the character /"});
    QVERIFY2(!retryOffered, "a retry is offered when it would only refuse the same names again");
    QCOMPARE(run_->fakes.dialogs.dialogsRun(), QStringList(2, u"FailureTable"_s));
    QCOMPARE(TestEnvironment::readFile(calls), "readme.cs\nmission.cs\nsky.bmp\nreadme.cs\n");
    QCOMPARE(QDir(windowOut()).entryList(QDir::Files), (QStringList{"mission.cs", "readme.cs", "sky.bmp"}));
    QVERIFY(run_->fakes.messages.texts().isEmpty());
}

bool RunsTest::start(OwnedProgram& program, const QStringList& arguments, const QStringList& variables)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.remove(u"QT_QPA_PLATFORM"_s);
    for (const QString& variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    return program.start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"), arguments, environment);
}

RunsTest::Run RunsTest::run(const QStringList& arguments, const QStringList& variables)
{
    OwnedProgram program(u"kadrillo"_s);
    if (!start(program, arguments, variables))
        return {-1, {}, {program.state()}};
    if (const QString ended = program.waitForExit(60000);
        program.isRunning() || program.process().exitStatus() != QProcess::NormalExit)
        return {-1, {}, {ended}};
    const QString errors = QString::fromUtf8(program.process().readAllStandardError());
    return {program.process().exitCode(), program.process().readAllStandardOutput(),
            errors.split(u'\n', Qt::SkipEmptyParts)};
}

std::unique_ptr<MainWindowRun> RunsTest::openInWindow(const QString& archive)
{
    auto window = std::make_unique<MainWindowRun>(ini());
    window->window.Form_Load();
    window->window.show();
    if (archive.isEmpty())
        return window;
    window->fakes.files.willPick(archive);
    window->window.mnuFileOpen_Click();
    return window;
}

void RunsTest::runInWindow(MainWindowRun& window, const QString& command)
{
    auto* list = window.control<QListWidget>("lstList");
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setSelected(command == u"--extract"_s ||
                                     list->item(row)->text().endsWith(u"bmp"_s, Qt::CaseInsensitive));
    if (command == u"--extract"_s)
        window.window.cmdExtract_Click();
    else
        window.window.cmdConvert_Click();
}

QMap<QString, QByteArray> RunsTest::files(const QString& folder)
{
    QMap<QString, QByteArray> found;
    for (QDirIterator all(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); all.hasNext();) {
        const QString path = all.next();
        found.insert(QDir(folder).relativeFilePath(path), TestEnvironment::readFile(path));
    }
    return found;
}

void RunsTest::writesWhatTheWindowsWrite_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("failures");       // rows of the window's failure table
    QTest::addColumn<QStringList>("format"); // the command line's; the window's is in the settings file
    QTest::addColumn<int>("jobs");           // the command line's tools at once; 0: as the settings say
    QTest::newRow("sample, convert the pictures")
        << u"sample.vol"_s << u"--convert"_s << 0 << QStringList() << 0;
    QTest::newRow("sample, convert to png") << u"sample.vol"_s << u"--convert"_s << 0
                                            << QStringList{"--format", "png", "--transparent", "3"} << 0;
    QTest::newRow("hostile, extract all") << u"hostile.vol"_s << u"--extract"_s << 12 << QStringList() << 0;
    QTest::newRow("hostile, convert the pictures")
        << u"hostile.vol"_s << u"--convert"_s << 0 << QStringList() << 0;
    QTest::newRow("names that start with a dot, extract all")
        << u"dot names.vol"_s << u"--extract"_s << 0 << QStringList() << 0;
    // Palette lists are read while the other pictures' tools run.
    QTest::newRow("sample, convert the pictures, four tools at once")
        << u"sample.vol"_s << u"--convert"_s << 0 << QStringList() << 4;
    QTest::newRow("hostile, extract all, four tools at once")
        << u"hostile.vol"_s << u"--extract"_s << 12 << QStringList() << 4;
}

void RunsTest::writesWhatTheWindowsWrite()
{
    QFETCH(QString, archive);
    QFETCH(QString, command);
    QFETCH(int, failures);
    QFETCH(QStringList, format);
    QFETCH(int, jobs);
    archive = samples() + u'/' + archive;
    if (!format.isEmpty()) {
        QSettings settings(ini(), QSettings::IniFormat);
        settings.setValue(u"Export/Format"_s, u"PNG"_s);
        settings.setValue(u"Export/Transparent Index"_s, format.last());
    }
    const std::unique_ptr<MainWindowRun> window = openInWindow(archive);
    QStringList shown;
    window->fakes.dialogs.willAnswer([&shown](QDialog& table) { shown = failureRows(table); });
    runInWindow(*window, command);
    QVERIFY2(window->fakes.messages.texts().isEmpty(),
             qPrintable(window->fakes.messages.texts().join(u'\n')));
    QCOMPARE(shown.size(), failures);
    // The window stays open: the command-line mode works in a private folder beside the window's, which keeps
    // its archive copy, listing and tools, and goes when the run ends.
    const QMap<QString, QByteArray> held = files(work());
    const QString out = environment_.path() + u"/command-line-out"_s;
    const Run commandLine = run(QStringList{command, archive, "--to", out} + format +
                                (jobs > 0 ? QStringList{u"--jobs"_s, QString::number(jobs)} : QStringList()));
    QCOMPARE(commandLine.status, failures > 0 ? 1 : 0);
    // The last line says where the files went, as the window's status bar does.
    const QMap<QString, QByteArray> written = files(out);
    const QString verb = command == u"--extract"_s ? u"extracted"_s : u"converted"_s;
    const QString objects = written.size() == 1 ? u"1 object"_s : u"%1 objects"_s.arg(written.size());
    QCOMPARE(commandLine.errors.last(), u"kadrillo: %1 %2 to %3"_s.arg(objects, verb, out));
    QCOMPARE(window->control<QLabel>("StatusDelivered")->text(),
             u"%1 %2 to %3"_s.arg(objects, verb, windowOut()));
    const QStringList failed = commandLine.errors.filter(QRegularExpression(u"^kadrillo: "_s));
    QCOMPARE(failed.size(), failures + 1);
    QCOMPARE(commandLine.errors.size() - failed.size(),
             written.size() + failures); // a progress line each
    QVERIFY(!written.isEmpty());
    QCOMPARE(written, files(windowOut()));
    if (archive.endsWith(u"dot names.vol"_s))
        QCOMPARE(written.keys(), (QStringList{"...ppl", ".cs", ".hidden.cs"}));
    QCOMPARE(files(work()), held);
    QCOMPARE(QDir(environment_.tempHome()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QFileInfo(work()).fileName()});
    if (command == u"--convert"_s && format.isEmpty() && archive.endsWith(u"sample.vol"_s)) {
        // No file has tile.bmp's palette 7, which gui.ppl holds: orange to purple, stored blue first.
        const QByteArray colours = written.value(u"tile.bmp"_s).mid(54, 1024);
        QVERIFY(colours.startsWith(QByteArray("\0\x80\xff\0", 4)) &&
                colours.endsWith(QByteArray("\xa0\0\x60\0", 4)));
    }
    if (!format.isEmpty()) {
        // Each PNG decodes to the indices and colours of its BMP, with index 3 transparent (whether
        // other readers agree is checked on the encoder in tst_rules).
        const QString bmp = environment_.path() + u"/bmp-out"_s;
        QCOMPARE(run({command, archive, u"--to"_s, bmp}).status, 0);
        for (const QString& picture : files(bmp).keys()) {
            const QString png = out + u'/' + PictureExport::pngName(picture);
            const QString qt = PngCheck::qtDifferences(bmp + u'/' + picture, png, 3);
            QVERIFY2(qt.isEmpty(), qPrintable(picture + u": "_s + qt));
        }
    }
    window->window.close();
    QCOMPARE(QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

// Pixel for pixel the sheet of the window's View menu, every picture with its own palette, written
// as its name asks, at natural size and in each size of cells.
void RunsTest::drawsTheWindowsContactSheet()
{
    const QString bmp = environment_.path() + u"/sheet.BMP"_s;
    const Run commandLine = run({u"--quiet"_s, u"--contact-sheet"_s, sample(), u"--to"_s, bmp});
    QVERIFY2(commandLine.status == 0, qPrintable(commandLine.errors.join(u'\n')));
    QVERIFY(TestEnvironment::readFile(bmp).startsWith("BM"));
    const std::unique_ptr<MainWindowRun> window = openInWindow(sample());
    window->control<QAction>("mnuViewContactSheet")->trigger();
    auto* sheetWindow = window->control<frmContactSheet>("frmContactSheet");
    QCOMPARE(sheetWindow->sheet().count(), 6);
    const QString png = environment_.path() + u"/window.png"_s;
    window->fakes.files.willPick(png);
    sheetWindow->findChild<QAction*>(u"mnuSave"_s)->trigger();
    QCOMPARE(QImage(bmp, "BMP").convertToFormat(QImage::Format_RGB32),
             QImage(png, "PNG").convertToFormat(QImage::Format_RGB32));
    // Drawn in the same order with four tools at once.
    const QString together = environment_.path() + u"/together.png"_s;
    QCOMPARE(run({u"--contact-sheet"_s, sample(), u"--to"_s, together, u"--jobs"_s, u"4"_s}).status, 0);
    QCOMPARE(QImage(together, "PNG"), QImage(png, "PNG"));
    auto* layouts = sheetWindow->findChild<QComboBox*>(u"cboLayout"_s);
    for (const int side : ContactSheetLayout::cellSides) {
        layouts->setCurrentIndex(layouts->findData(side));
        const QString cells = environment_.path() + u"/cells.png"_s;
        window->fakes.files.willPick(cells);
        sheetWindow->findChild<QAction*>(u"mnuSave"_s)->trigger();
        const QString written = environment_.path() + u"/written.png"_s;
        QCOMPARE(run({u"--contact-sheet"_s, sample(), u"--to"_s, written, u"--cell"_s, QString::number(side)})
                     .status,
                 0);
        const QImage drawn(written, "PNG");
        QCOMPARE(drawn.width(), 8 + std::min(6, 1016 / (side + 8)) * (side + 8));
        QCOMPARE(drawn, QImage(cells, "PNG"));
    }
}

void RunsTest::exitStatusAndOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");     // what stdout starts with
    QTest::addColumn<QStringList>("errors"); // the program's lines on stderr, and the lister's
    QTest::addColumn<QString>("lister");     // what the settings name as vtlist.exe; empty: the stand-in
    const QString out = environment_.path() + u"/out"_s;
    const QString notExecutable = environment_.path() + u"/not-executable/vtlist.exe"_s;
    TestEnvironment::writeFile(notExecutable, "#!/bin/sh\n");
    const QString empty = environment_.path() + u"/empty.vol"_s;
    TestEnvironment::writeFile(empty, QByteArray("KVOL\0\0\0\0", 8));
    const QString lister = work() + u"/vtlist.exe"_s;
    std::vector<VolEntry> entries;
    std::string error;
    VolArchive::read(sample().toStdString(), entries, error);
    QString names;
    for (const VolEntry& entry : entries)
        names += QString::fromStdString(entry.name) + u'\n';
    QTest::newRow("list") << QStringList{"--list", sample()} << 0 << names << QStringList() << QString();
    QTest::newRow("a missing object, quiet")
        << QStringList{"--quiet", "--extract", sample(), "sky.bmp", "ghost.cs", "--to", out} << 1 << QString()
        << QStringList{"kadrillo: ghost.cs: not in the archive"} << QString();
    // Each converted picture names its palette; the default palette standing in for a missing one fails
    // nothing. The last line says where the files went.
    QTest::newRow("a named object that is no picture")
        << QStringList{"--convert", sample(), "notes.txt", "dot.bmp", "--to", out} << 1 << QString()
        << QStringList{"[1/2] notes.txt",
                       "kadrillo: notes.txt: not converted, because its name does not end in \"bmp\"",
                       u"[2/2] dot.bmp (palette 1: %1/1.pal)"_s.arg(samples()),
                       u"kadrillo: 1 object converted to "_s + out}
        << QString();
    QTest::newRow("a palette not found")
        << QStringList{"--convert", samples() + u"/lost.vol"_s, "--to", out} << 0 << QString()
        << QStringList{u"[1/1] lost.bmp (palette 9: %1/base.pal)"_s.arg(samples()),
                       u"kadrillo: lost.bmp: palette 9 not found, drawn with the default palette %1/base.pal"_s
                           .arg(samples()),
                       u"kadrillo: 1 object converted to "_s + out}
        << QString();
    const QString badMagic = u"vtlist: 'temp.vol': not an archive (bad magic)"_s;
    QTest::newRow("not an archive") << QStringList{"--list", ini()} << 2 << QString()
                                    << QStringList{badMagic,
                                                   u"kadrillo: vtlist.exe (%1) ended with status 1"_s.arg(
                                                       lister),
                                                   u"kadrillo: "_s + badMagic}
                                    << QString();
    QTest::newRow("an archive without objects")
        << QStringList{"--list", empty} << 2 << QString()
        << QStringList{u"kadrillo: "_s + empty +
                       u": there is a problem with the vol file, or it is not a valid vol file"_s}
        << QString();
    QTest::newRow("a lister that cannot start")
        << QStringList{"--list", sample()} << 2 << QString()
        << QStringList{u"kadrillo: cannot start vtlist.exe (%1): the file is not executable"_s.arg(lister)}
        << notExecutable;
    QTest::newRow("a bad option") << QStringList{"--list", sample(), "--frob"} << 2 << QString()
                                  << QStringList{"kadrillo: unknown option --frob",
                                                 "kadrillo: see kadrillo --help"}
                                  << QString();
    // A sheet that would not be whole, or would hold no picture, is not written.
    const QString sheet = environment_.path() + u"/sheet.png"_s;
    QStringList turns;
    for (int i = 1; i <= 7; ++i)
        turns << u"[%1/8] %2%3.bmp"_s.arg(i).arg(i % 2 ? u"tall"_s : u"wide"_s).arg((i + 1) / 2);
    QTest::newRow("a sheet too large")
        << QStringList{"--contact-sheet", samples() + u"/turns.vol"_s, "--to", sheet} << 1 << QString()
        << turns +
               QStringList{"kadrillo: tall4.bmp: does not fit: the sheet would be larger than 16384 × 16384 "
                           "pixels",
                           "kadrillo: wide4.bmp: not drawn, because the sheet is full",
                           u"kadrillo: "_s + sheet +
                               u" is not written, because the sheet would be too large"_s}
        << QString();
    QTest::newRow("a sheet of no picture")
        << QStringList{"--contact-sheet", samples() + u"/nopicture.vol"_s, "--to", sheet} << 1 << QString()
        << QStringList{u"kadrillo: "_s + sheet + u" is not written, because there is no picture to draw"_s}
        << QString();
    QTest::newRow("a sheet whose pictures all fail")
        << QStringList{"--contact-sheet", samples() + u"/broken.vol"_s, "--to", sheet} << 1 << QString()
        << QStringList{"[1/1] broken.bmp", "kadrillo: broken.bmp: it is not a valid bitmap file",
                       u"kadrillo: "_s + sheet + u" is not written, because no picture could be drawn"_s}
        << QString();
    // Other bitmaps are written in their own colours; one that cannot be read is not written.
    QTest::newRow("other bitmaps as png")
        << QStringList{"--convert", samples() + u"/bitmaps.vol"_s, "--format", "png", "--to", out} << 1
        << QString()
        << QStringList{"[1/4] rgb.bmp",
                       "[2/4] rle.bmp",
                       "[3/4] short.bmp",
                       "[4/4] junk.bmp",
                       "kadrillo: junk.bmp: not written as PNG, because it is not a bitmap",
                       u"kadrillo: 3 objects converted to "_s + out}
        << QString();
    QTest::newRow("a contact sheet as JPEG")
        << QStringList{"--contact-sheet", sample(), "--to", environment_.path() + u"/sheet.jpg"_s} << 2
        << QString()
        << QStringList{u"kadrillo: --contact-sheet writes a .png or a .bmp file, and %1/sheet.jpg ends in "
                       "neither"_s.arg(environment_.path()),
                       "kadrillo: see kadrillo --help"}
        << QString();
    QTest::newRow("a sheet in cells of another size")
        << QStringList{"--contact-sheet", sample(), "--to", sheet, "--cell", "100"} << 2 << QString()
        << QStringList{"kadrillo: --cell takes 64, 128 or 256, once", "kadrillo: see kadrillo --help"}
        << QString();
    QTest::newRow("too many tools at once")
        << QStringList{"--extract", sample(), "--to", out, "--jobs", "65"} << 2 << QString()
        << QStringList{"kadrillo: --jobs takes one number of tools to run at once, from 1 to 64",
                       "kadrillo: see kadrillo --help"}
        << QString();
    QTest::newRow("an archive named like an option")
        << QStringList{"-x.vol"} << 2 << QString()
        << QStringList{"kadrillo: unknown option -x.vol", "kadrillo: see kadrillo --help"} << QString();
    QTest::newRow("help wins") << QStringList{"--list", "--help"} << 0 << u"Usage:\n"_s << QStringList()
                               << QString();
    QTest::newRow("-h") << QStringList{"-h"} << 0 << u"Usage:\n"_s << QStringList() << QString();
    // Searches over many archives: rows on stdout ordered by the archive's path, then its own order,
    // control characters escaped; each archive or script not read named on stderr, with status 1.
    const QString unlisted = u"kadrillo: sub/broken.vol: vtlist.exe ended with status 1: "_s + badMagic;
    const QString noObjects = u"kadrillo: sub/deeper/empty.vol: lists no objects: there is a problem with "
                              "the vol file, or it is not a valid vol file"_s;
    QTest::newRow("find, with subfolders")
        << QStringList{"--find", "*.CS", finds(), "--recursive"} << 1
        << u"base.vol\ta&calc & touch pwned.cs\nbase.vol\ttab\\x09here.cs\nbase.vol\tREADME.CS\n"
           "sub/mission.vol\tmission.cs\n"_s
        << QStringList{badMagic, unlisted, noObjects} << QString();
    QTest::newRow("find every object of the folder alone")
        << QStringList{"--find", "", finds(), "--jobs", "1"} << 0
        << u"base.vol\tsky.bmp\nbase.vol\ta&calc & touch pwned.cs\nbase.vol\ttab\\x09here.cs\n"
           "base.vol\tREADME.CS\n"_s
        << QStringList() << QString();
    QTest::newRow("find nothing") << QStringList{"--find", "*.wav", finds()} << 1 << QString()
                                  << QStringList() << QString();
    QTest::newRow("find in a folder that is not there")
        << QStringList{"--find", "*", out} << 2 << QString()
        << QStringList{u"kadrillo: %1 is not a folder"_s.arg(out)} << QString();
    QTest::newRow("find without a folder")
        << QStringList{"--find", "*.cs"} << 2 << QString()
        << QStringList{"kadrillo: --find takes a PATTERN and one FOLDER", "kadrillo: see kadrillo --help"}
        << QString();
    const QString base = finds() + u"/base.vol"_s;
    const QString mission = finds() + u"/sub/mission.vol"_s;
    QTest::newRow("grep in the archives' order, any case")
        << QStringList{"--grep", "ECHO", mission, base} << 1
        << mission + u"\tmission.cs\t2\techo(1);\n"_s + mission + u"\tnotes.txt\t2\tno echo\n"_s + base +
               u"\tREADME.CS\t1\tEcho(\"caf\u00e9\");\n"_s + base +
               u"\tREADME.CS\t3\t\\x09echo(\"\u20ac\");\n"_s
        << QStringList{u"kadrillo: %1: tab\\x09here.cs: it holds a control character"_s.arg(base)}
        << QString();
    QTest::newRow("grep a regular expression, case-sensitive")
        << QStringList{"--grep", "^\\s*e\\w+\\(\"", base, mission, "--regex", "--case-sensitive"} << 1
        << base + u"\tREADME.CS\t3\t\\x09echo(\"\u20ac\");\n"_s
        << QStringList{u"kadrillo: %1: tab\\x09here.cs: it holds a control character"_s.arg(base)}
        << QString();
    QTest::newRow("grep every line read")
        << QStringList{"--grep", "mission", mission} << 0 << mission + u"\tmission.cs\t1\t// mission\n"_s
        << QStringList() << QString();
    QTest::newRow("grep nothing found")
        << QStringList{"--grep", "nowhere", mission} << 1 << QString() << QStringList() << QString();
    QTest::newRow("grep an archive not listed")
        << QStringList{"--grep", "x", finds() + u"/sub/broken.vol"_s} << 1 << QString()
        << QStringList{badMagic,
                       u"kadrillo: %1/sub/broken.vol: vtlist.exe ended with status 1: "_s.arg(finds()) +
                           badMagic}
        << QString();
    QTest::newRow("grep an invalid regular expression")
        << QStringList{"--grep", "(", mission, "--regex"} << 2 << QString()
        << QStringList{"kadrillo: The regular expression is not valid: missing closing parenthesis (at "
                       "character 2)."}
        << QString();
    QTest::newRow("version") << QStringList{"--version"} << 0 << u"Kadrillo 1."_s << QStringList()
                             << QString();
}

void RunsTest::exitStatusAndOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QStringList, errors);
    QFETCH(QString, lister);
    if (!lister.isEmpty())
        QSettings(ini(), QSettings::IniFormat).setValue(u"Settings/Vtlist Path"_s, lister);
    const QString target = arguments.value(arguments.indexOf(u"--to"_s) + 1);
    const bool sheet = arguments.contains(u"--contact-sheet"_s);
    if (sheet)
        TestEnvironment::writeFile(target, "an earlier sheet");
    const Run commandLine = run(arguments);
    QVERIFY2(commandLine.status == status, qPrintable(commandLine.errors.join(u'\n')));
    if (sheet)
        QCOMPARE(TestEnvironment::readFile(target), "an earlier sheet");
    QVERIFY2(QString::fromUtf8(commandLine.output).startsWith(output), commandLine.output.constData());
    if (arguments.contains(u"--find"_s) || arguments.contains(u"--grep"_s))
        QCOMPARE(QString::fromUtf8(commandLine.output), output);
    // The extraction tool's own complaints come through as well; these are the program's and the
    // lister's.
    QCOMPARE(commandLine.errors.filter(QRegularExpression(u"^(kadrillo: |\\[|vtlist: )"_s)), errors);
    if (arguments.contains(u"ghost.cs"_s))
        QCOMPARE(files(environment_.path() + u"/out"_s).keys(), QStringList{"sky.bmp"});
    if (arguments.contains(u"png"_s)) {
        // Indexed with a colour table, else RGB; rows a file lacks are zeros.
        QCOMPARE(files(target).keys(), (QStringList{"rgb.png", "rle.png", "short.png"}));
        for (const auto& [name, bitmap] : standardBitmaps().first(3)) {
            const QImage png(target + u'/' + PictureExport::pngName(name), "PNG");
            QCOMPARE(png.format(), name == u"rgb.bmp" ? QImage::Format_RGB32 : QImage::Format_Indexed8);
            QCOMPARE(
                png.convertToFormat(QImage::Format_RGB32),
                QImage::fromData(bitmap + QByteArray(64, '\0'), "BMP").convertToFormat(QImage::Format_RGB32));
        }
    }
}

// As closing the window does: the tool run in hand is ended with its whole tree, the rest is not run,
// and the working folder is emptied.
void RunsTest::terminationSignalEndsTheRun()
{
    OwnedProgram program(u"kadrillo"_s);
    QVERIFY2(start(program, {u"--extract"_s, sample(), u"--to"_s, environment_.path() + u"/out"_s},
                   {u"KADRILLO_STANDIN_FAULT=hang"_s}),
             qPrintable(program.state()));
    const QString hanging =
        program.waitUntil([&] { return program.children().join(u' ').contains(u"extract.exe"_s); },
                          u"the hanging extraction"_s, 30000);
    QVERIFY2(hanging.isEmpty(), qPrintable(hanging));
    program.signal(SIGTERM);
    QCOMPARE(program.waitForExit(30000), u"kadrillo exited with code 1"_s);
    const QStringList errors =
        QString::fromUtf8(program.process().readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(errors.last(), u"kadrillo: stopped by a termination signal"_s);
    QCOMPARE(errors.filter(u"because the run was stopped"_s).size(), 12);
    QCOMPARE(program.killLeftovers(), QStringList());
    QCOMPARE(QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

// A second window works in a private folder beside the first window's, which keeps its files; the
// private folder goes when the second window closes.
void RunsTest::twoWindowsAtOnce()
{
    const std::unique_ptr<MainWindowRun> first = openInWindow(sample());
    const QMap<QString, QByteArray> held = files(work());
    const std::unique_ptr<MainWindowRun> second = openInWindow(samples() + u"/hostile.vol"_s);
    const QString own = second->core.runner().workFolder().path();
    QCOMPARE(QFileInfo(own).path(), environment_.tempHome());
    QVERIFY2(QFileInfo(own).fileName().startsWith(QFileInfo(work()).fileName() + u'-'), qPrintable(own));
    QCOMPARE(second->control<QListWidget>("lstList")->count(), 20);
    second->window.close();
    QVERIFY(!QFileInfo::exists(own));
    QCOMPARE(files(work()), held);
}

void RunsTest::refusesAnUnsafeWorkingFolderOrDestination_data()
{
    QTest::addColumn<bool>("writableByOthers");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("a working folder others can write to")
        << true << QStringList{"--list", sample()}
        << u"kadrillo: the working folder %1 can be written by other users, so the game's tools will not run "
           "there; make it private (chmod 700) or choose another \"Temp Path\" in the settings"_s.arg(work());
    const QString refusal = u"kadrillo: %1 is in the working folder %2, where Kadrillo replaces and deletes "
                            "files of its own; choose a place outside it"_s;
    const QString inside = work() + u"/extracted/out"_s;
    QTest::newRow("--to below its staging folder, not made yet")
        << false << QStringList{"--extract", sample(), "--to", inside} << refusal.arg(inside, work());
    const QString sheet = work() + u"/sheet.png"_s;
    QTest::newRow("a contact sheet into it")
        << false << QStringList{"--contact-sheet", sample(), "--to", sheet} << refusal.arg(sheet, work());
}

// Nothing runs and nothing is written, with exit status 2 as for any other refused folder.
void RunsTest::refusesAnUnsafeWorkingFolderOrDestination()
{
    QFETCH(bool, writableByOthers);
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    // Emptied first: earlier runs leave their files there, which any run then deletes.
    QVERIFY(QDir(work()).removeRecursively() && QDir().mkpath(work()));
    QVERIFY(QFile::setPermissions(work(), writableByOthers ? QFile::Permissions(0x7777) : ownerOnly));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(work(), ownerOnly); });
    const Run commandLine = run(arguments);
    QVERIFY2(commandLine.status == 2, qPrintable(commandLine.errors.join(u'\n')));
    QCOMPARE(commandLine.errors.filter(QRegularExpression(u"^kadrillo: "_s)), QStringList{error});
    QCOMPARE(QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

QMap<QString, QByteArray> RunsTest::sampleObjects() const
{
    std::vector<VolEntry> entries;
    std::string error;
    VolArchive::read(sample().toStdString(), entries, error);
    QMap<QString, QByteArray> objects;
    for (const VolEntry& entry : entries)
        objects.insert(
            QString::fromStdString(entry.name),
            QByteArray(reinterpret_cast<const char*>(entry.data.data()), qsizetype(entry.data.size())));
    return objects;
}

QString RunsTest::extractTool(const QString& name, QByteArray script)
{
    const QString tool = environment_.path() + u"/tools/"_s + name + u"/extract.exe"_s;
    script.replace("STANDIN", "'" KADRILLO_STANDIN_DIR "/extract.exe'")
        .replace("LOG", "'" + QFile::encodeName(log()) + "'");
    TestEnvironment::writeFile(tool, "#!/bin/sh\nname=${2##*/}\n" + script, true);
    QSettings(ini(), QSettings::IniFormat).setValue(u"Settings/Extract Path"_s, tool);
    QFile::remove(log());
    return tool;
}

void RunsTest::parallelRunsDeliverInObjectOrder_data()
{
    QTest::addColumn<int>("parallel");
    QTest::newRow("one tool at a time") << 1;
    QTest::newRow("four tools at once") << 4;
}

// Each object's tool waits until the test lets it go, which it does for the last object started first:
// four at once, the tools end in reverse, yet the files land, and the report lists, in the objects'
// order. Among them a refused name, and an object the tool does not find, which failed beside other runs
// and is tried alone once more. One at a time, everything goes as the objects come, through the working
// folder's own staging folder.
void RunsTest::parallelRunsDeliverInObjectOrder()
{
    QFETCH(int, parallel);
    const QString gates = environment_.path() + u"/gates"_s;
    const QString work = environment_.path() + u"/order-work"_s;
    const QString out = environment_.path() + u"/order-out"_s;
    for (const QString& folder : {gates, work})
        QVERIFY(QDir(folder).removeRecursively() && QDir().mkpath(folder));
    TestEnvironment::writeFile(
        work + u"/extract.exe"_s,
        QFile::encodeName(
            u"#!/bin/sh\nname=${2##*/}\necho \"start $name ${2%/*} $(cut -d' ' -f19 /proc/$$/stat)\" >> "
            u"'%1/log'\n"
            "touch '%1/started-'\"$name\"\ni=0\nwhile [ ! -e '%1/release-'\"$name\" ] && [ $i -lt 3000 ]; "
            "do sleep 0.01; i=$((i+1)); done\n'%2' \"$@\"\nstatus=$?\necho \"end $name\" >> '%1/log'\n"
            "exit $status\n"_s.arg(gates, KADRILLO_STANDIN_DIR "/extract.exe"_L1)),
        true);
    const QStringList names{"readme.cs", "mission.cs", "../escape.cs", "sky.bmp",
                            "ghost.cs",  "logo.bmp",   "pad.bmp",      "extra.bmp"};
    const QStringList failing{"../escape.cs", "ghost.cs"};
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work));
    ExtractionJob job(runner, out);
    QVERIFY2(job.begin(sample()), qPrintable(job.error()));
    RunDriver driver(runner, job, RunReport::Kind::Extraction, parallel);
    // Nothing goes while the driver could start another tool; then a tool goes once every later object's
    // tool that started has ended.
    QTimer releaser;
    connect(&releaser, &QTimer::timeout, this, [&] {
        const QByteArray logged = TestEnvironment::readFile(gates + u"/log"_s);
        const auto has = [&gates](const char* what, const QString& name) {
            return QFile::exists(gates + u'/' + QLatin1String(what) + name);
        };
        const auto count = [&names](const auto& which) {
            return std::count_if(names.cbegin(), names.cend(), which);
        };
        const auto waiting =
            count([&](const QString& name) { return has("started-", name) && !has("release-", name); });
        const auto toStart = count([&](const QString& name) {
            return !has("started-", name) && name != u"../escape.cs"_s; // refused, so never started
        });
        bool laterRuns = waiting < parallel && toStart > 0;
        for (qsizetype i = names.size() - 1; i >= 0; --i) {
            if (!has("started-", names.at(i)))
                continue;
            if (!laterRuns)
                TestEnvironment::writeFile(gates + u"/release-"_s + names.at(i), "");
            laterRuns = laterRuns || !logged.contains("end " + names.at(i).toUtf8() + '\n');
        }
    });
    QList<int> finished;
    QList<QStringList> landed; // the destination's files as each object is finished
    QList<QStringList> expected;
    connect(&driver, &RunDriver::progressed, this, [&](int position, RunDriver::Phase phase) {
        if (phase != RunDriver::Phase::Done)
            return;
        finished.append(position);
        landed.append(QDir(out).entryList(QDir::Files, QDir::Name));
        QStringList written = names.mid(0, position);
        for (const QString& name : failing)
            written.removeAll(name);
        written.sort();
        expected.append(written);
    });
    releaser.start(10);
    const RunReport report = driver.run(RunDriver::objects(names));
    releaser.stop();

    QCOMPARE(finished, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    QCOMPARE(landed, expected);
    const QString alone = parallel > 1 ? u" (also when run alone)"_s : QString();
    QCOMPARE(report.failures(),
             (QList<RunReport::Failure>{
                 {2, u"../escape.cs"_s, RunReport::Step::RefusedName, u"it holds the character /"_s},
                 {4, u"ghost.cs"_s, RunReport::Step::ToolWroteNothing,
                  u"extract.exe ended with code 1"_s + alone}}));
    const QMap<QString, QByteArray> objects = sampleObjects();
    for (const QString& name : expected.constLast())
        QCOMPARE(TestEnvironment::readFile(out + u'/' + name), objects.value(name));
    QStringList ends;
    QStringList folders;
    QSet<QByteArray> priorities;
    int running = 0;
    int mostAtOnce = 0;
    for (const QByteArray& line : TestEnvironment::readFile(gates + u"/log"_s).split('\n')) {
        if (line.startsWith("end ")) {
            ends.append(QString::fromUtf8(line.mid(4)));
            --running;
        } else if (line.startsWith("start ")) {
            folders.append(QString::fromUtf8(line.split(' ').value(2)));
            priorities.insert(line.split(' ').value(3));
            mostAtOnce = std::max(mostAtOnce, ++running);
        }
    }
    QCOMPARE(mostAtOnce, parallel);
    errno = 0;
    const int own = ::getpriority(PRIO_PROCESS, 0);
    QCOMPARE(errno, 0);
    if (parallel == 1) {
        QCOMPARE(ends, (QStringList{"readme.cs", "mission.cs", "sky.bmp", "ghost.cs", "logo.bmp", "pad.bmp",
                                    "extra.bmp"}));
        QCOMPARE(folders, QStringList(7, work + u"/extracted"_s));
        QCOMPARE(priorities, QSet<QByteArray>{QByteArray::number(own)});
    } else {
        // A tool that ends before the objects ahead of it are finished makes room for the next at once.
        QCOMPARE(ends, (QStringList{"ghost.cs", "logo.bmp", "pad.bmp", "extra.bmp", "sky.bmp", "mission.cs",
                                    "readme.cs", "ghost.cs"}));
        QCOMPARE(folders.filter(QRegularExpression(u"^%1/slot-[1-8]/extracted$"_s.arg(work))), folders);
        QCOMPARE(priorities, QSet<QByteArray>{QByteArray::number(std::min(own + 10, 19))});
    }
}

// The stand-in's "alone" refuses an archive that another run holds, as the game's own tool may: each
// object refused is tried again alone and written, and once such a retry has worked no two tools run at
// once. readme.cs fails whatever happens, and says that it failed alone too.
void RunsTest::aToolThatWillNotShareIsTriedAlone()
{
    const QString gate = environment_.path() + u"/alone.gate"_s;
    QFile::remove(gate);
    extractTool(u"alone"_s, "echo \"start $name\" >> LOG\nif [ \"$name\" = readme.cs ]; then status=4; "
                            "else STANDIN \"$@\"; status=$?; fi\necho \"end $name $status\" >> LOG\n"
                            "exit $status\n");
    const QString out = environment_.path() + u"/alone-out"_s;
    const Run commandLine = run({u"--extract"_s, sample(), u"--to"_s, out, u"--jobs"_s, u"4"_s},
                                {u"KADRILLO_STANDIN_FAULT=alone"_s, u"KADRILLO_STANDIN_GATE="_s + gate});
    QVERIFY2(commandLine.status == 1, qPrintable(commandLine.errors.join(u'\n')));
    QMap<QString, QByteArray> objects = sampleObjects();
    objects.remove(u"readme.cs"_s);
    QCOMPARE(commandLine.errors.filter(QRegularExpression(u"^kadrillo: "_s)),
             (QStringList{u"kadrillo: readme.cs: extract.exe ended with code 4 (also when run alone)"_s,
                          u"kadrillo: %1 objects extracted to %2"_s.arg(objects.size()).arg(out)}));
    QCOMPARE(files(out), objects);

    QMap<QString, int> starts;
    int running = 0;
    bool retryWorked = false;
    for (const QByteArray& line : TestEnvironment::readFile(log()).split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.first() == "start") {
            QVERIFY2(!retryWorked || running == 0, "a tool ran beside another after a retry alone worked");
            ++starts[QString::fromUtf8(words.at(1))];
            ++running;
        } else if (words.first() == "end") {
            --running;
            retryWorked =
                retryWorked || (words.at(2) == "0" && starts.value(QString::fromUtf8(words.at(1))) == 2);
        }
    }
    QVERIFY2(retryWorked, "no object was refused beside another run and written alone");
    QCOMPARE(starts.value(u"readme.cs"_s), 2);
}

// A termination signal while four tools run and one of them hangs: the files delivered before it stay as
// they are, those whose tools ended after it are not delivered, no tool is left and the working folder is
// emptied.
void RunsTest::shutdownDuringParallelRunsKeepsTheFilesDelivered()
{
    const QByteArray ids = QFile::encodeName(pidFile());
    extractTool(u"hanging"_s, "if [ \"$name\" = extra.bmp ]; then echo $$ >> '" + ids +
                                  "'; sleep 600 & echo $! >> '" + ids + "'; wait; fi\nexec STANDIN \"$@\"\n");
    const QString out = environment_.path() + u"/hanging-out"_s;
    const QStringList delivered{"logo.bmp", "mission.cs", "pad.bmp", "readme.cs", "sky.bmp"};
    OwnedProgram program(u"kadrillo"_s);
    QVERIFY2(start(program, {u"--extract"_s, sample(), u"--to"_s, out, u"--jobs"_s, u"4"_s}),
             qPrintable(program.state()));
    const QString reached = program.waitUntil(
        [&] {
            return hangingPids().size() == 2 && QDir(out).entryList(QDir::Files, QDir::Name) == delivered;
        },
        u"the hanging extra.bmp with the objects before it delivered"_s, 30000);
    QVERIFY2(reached.isEmpty(), qPrintable(reached));
    program.signal(SIGTERM);
    QCOMPARE(program.waitForExit(30000), u"kadrillo exited with code 1"_s);
    const QStringList errors =
        QString::fromUtf8(program.process().readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(errors.last(), u"kadrillo: stopped by a termination signal"_s);
    QCOMPARE(errors.filter(u"because the run was stopped"_s).size(),
             sampleObjects().size() - delivered.size());
    QCOMPARE(program.killLeftovers(), QStringList());
    const QMap<QString, QByteArray> objects = sampleObjects();
    for (const QString& name : delivered)
        QCOMPARE(TestEnvironment::readFile(out + u'/' + name), objects.value(name));
    QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name), delivered);
    QCOMPARE(QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

QTEST_MAIN(RunsTest)
#include "tst_runs.moc"
