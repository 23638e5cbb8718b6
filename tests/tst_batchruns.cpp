#include "archive/BatchReport.h"
#include "archive/ProgressDialog.h"
#include "archive/ToolRunner.h"
#include "support/FailureRows.h"
#include "support/MainWindowRun.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <memory>

using namespace Qt::StringLiterals;

// Cancel on the three progress windows with tools that hang, and the failure table at the end of
// a batch: its rows, Copy and Retry.
class BatchRunsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void reportCountsAndText();
    void cancelEndsTheRunAndItsTools_data();
    void cancelEndsTheRunAndItsTools();
    void failureTableCopiesAndRetriesTheFailedOnly();

private:
    // The main window, with the sample archive opened and listed unless `listed` is false.
    void start(bool listed = true);
    // Presses Cancel (`how`: "button" or "Escape") on the progress window once its tool and the tool's
    // child are running. Should the window stay ten seconds, ends the tool from here, so that a broken
    // Cancel fails the test rather than hanging it.
    void cancelOnceRunning(const QString& how);
    QList<qint64> hangingPids() const;
    QListWidget* list() const { return run_->control<QListWidget>("lstList"); }
    void select(const QList<int>& rows) const;
    QString sample() const { return environment_.path() + u"/sample/sample.vol"_s; }
    QString work() const { return environment_.path() + u"/work"_s; }
    QString out() const { return environment_.path() + u"/out"_s; }
    QString pidFile() const { return environment_.path() + u"/pids"_s; }

    TestEnvironment environment_;
    std::unique_ptr<MainWindowRun> run_;
    std::unique_ptr<QTimer> canceller_;
    QElapsedTimer pressed_;
};

namespace {

// A tool that writes its own id and its child's, then waits for the child, which sleeps.
QByteArray hangingTool(const QString& pidFile)
{
    const QByteArray file = QFile::encodeName(pidFile);
    return "#!/bin/sh\necho $$ >> '" + file + "'\nsleep 600 &\necho $! >> '" + file + "'\nwait\n";
}

bool isGone(qint64 pid)
{
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray fields = stat.readAll();
    return fields.mid(fields.lastIndexOf(')') + 2, 1) == "Z";
}

} // namespace

void BatchRunsTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    const QString made = TestEnvironment::makeSamples(environment_.path() + u"/sample"_s);
    QVERIFY2(made.isEmpty(), qPrintable(made));
}

void BatchRunsTest::cleanup()
{
    canceller_.reset();
    run_.reset();
    // The test owns what its tools started, whatever became of them.
    for (const qint64 pid : hangingPids()) {
        if (!isGone(pid))
            ::kill(pid_t(pid), SIGKILL);
    }
    QFile::remove(pidFile());
}

void BatchRunsTest::start(bool listed)
{
    QDir(work()).removeRecursively();
    QDir(out()).removeRecursively();
    const QString ini = environment_.path() + u"/Kadrillo.ini"_s;
    MainWindowRun::writeSettings(ini, {u"Extract Path=" KADRILLO_STANDIN_DIR "/extract.exe"_s,
                                       u"Vtlist Path=" KADRILLO_STANDIN_DIR "/vtlist.exe"_s,
                                       u"Temp Path="_s + work(), u"Dest Path="_s + out(),
                                       u"Default Palette="_s + environment_.path() + u"/sample/base.pal"_s,
                                       u"Auto Preview=False"_s});
    run_ = std::make_unique<MainWindowRun>(ini);
    run_->window.Form_Load();
    run_->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&run_->window));
    if (!listed)
        return;
    run_->fakes.files.willPick(sample());
    run_->window.mnuFileOpen_Click();
    QVERIFY(list()->count() > 4);
}

void BatchRunsTest::select(const QList<int>& rows) const
{
    for (const int row : rows)
        list()->item(row)->setSelected(true);
}

QList<qint64> BatchRunsTest::hangingPids() const
{
    QList<qint64> pids;
    for (const QByteArray& line : TestEnvironment::readFile(pidFile()).split('\n')) {
        if (!line.isEmpty())
            pids.append(line.toLongLong());
    }
    return pids;
}

void BatchRunsTest::cancelOnceRunning(const QString& how)
{
    pressed_.invalidate();
    canceller_ = std::make_unique<QTimer>();
    canceller_->setInterval(20);
    connect(canceller_.get(), &QTimer::timeout, this, [this, how] {
        ToolRunner& runner = run_->window.toolRunner();
        if (pressed_.isValid()) {
            if (pressed_.hasExpired(10000))
                runner.endRun();
            return;
        }
        auto* dialog = qobject_cast<ProgressDialog*>(QApplication::activeModalWidget());
        if (!dialog || !runner.isBusy() || hangingPids().size() < 2)
            return;
        pressed_.start();
        if (how == u"Escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->findChild<QPushButton*>(u"cmdCancel"_s)->click();
    });
    canceller_->start();
}

void BatchRunsTest::reportCountsAndText()
{
    using Step = BatchReport::Step;
    BatchReport extraction(BatchReport::Kind::Extraction, 4);
    extraction.addDone();
    extraction.addFailure(5, u"tab\there.cs"_s, Step::RefusedName, u"it holds a control character"_s);
    extraction.addFailure(2, u"b.cs"_s, Step::NotDone, u"cancelled"_s);
    extraction.markCancelled();
    QCOMPARE(extraction.retryRows(), (QList<int>{5, 2}));
    QCOMPARE(extraction.text(), u"1 of 4 objects were extracted before the run was cancelled.\n"
                                "2 objects could not be extracted:\n\n"
                                "Object\tStep\tReason\n"
                                "tab\uFFFDhere.cs\trefused name\tit holds a control character\n"
                                "b.cs\tnot done\tcancelled\n"_s);

    // Objects the user chose to skip are not counted.
    BatchReport conversion(BatchReport::Kind::Conversion, 3);
    conversion.addSkipped();
    conversion.addSkipped();
    conversion.addFailure(0, u"a.bmp"_s, Step::PaletteMissing, u"no 7.pal"_s);
    QCOMPARE(conversion.heading(), u"0 of 1 object was converted.\n1 object could not be converted:"_s);
}

void BatchRunsTest::cancelEndsTheRunAndItsTools_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("failures"); // the table's rows at the end
    QTest::newRow("listing, Escape") << u"frmGetList"_s << u"Escape"_s << QStringList();
    QTest::newRow("extraction, Cancel button")
        << u"frmExtract"_s << u"button"_s
        << QStringList{"readme.cs | not done | cancelled; its tool was ended",
                       "mission.cs | not done | cancelled"};
    QTest::newRow("conversion, Escape") << u"frmConvert"_s << u"Escape"_s
                                        << QStringList{"sky.bmp | not done | cancelled; its tool was ended",
                                                       "logo.bmp | not done | cancelled"};
}

// The window closes within three seconds of Cancel (two of grace for the tool, then it is ended),
// no process of the tool is left, and the end of the run says what was not done.
void BatchRunsTest::cancelEndsTheRunAndItsTools()
{
    QFETCH(QString, window);
    QFETCH(QString, how);
    QFETCH(QStringList, failures);
    const bool listing = window == u"frmGetList";
    start(!listing);
    // The working folder's copy of the tool is replaced.
    TestEnvironment::writeFile(work() + (listing ? u"/vtlist.exe"_s : u"/extract.exe"_s),
                               hangingTool(pidFile()), true);
    QStringList shown;
    run_->fakes.dialogs.willAnswer([&shown](QDialog& table) { shown = failureRows(table); });
    cancelOnceRunning(how);
    if (listing) {
        run_->fakes.files.willPick(sample());
        run_->window.mnuFileOpen_Click();
    } else if (window == u"frmExtract") {
        select({0, 1});
        run_->window.cmdExtract_Click();
    } else {
        select({2, 3});
        run_->window.cmdConvert_Click();
    }
    QVERIFY2(pressed_.isValid(), "Cancel was never pressed: the tool did not run");
    const qint64 closedMs = pressed_.elapsed();
    QVERIFY2(closedMs < 3000, qPrintable(u"the window closed %1 ms after Cancel"_s.arg(closedMs)));
    const auto allGone = [this] {
        const QList<qint64> pids = hangingPids();
        return std::all_of(pids.cbegin(), pids.cend(), isGone);
    };
    QTRY_VERIFY2_WITH_TIMEOUT(allGone(), "a process of the cancelled tool is still running", 5000);
    QVERIFY2(run_->fakes.messages.texts().isEmpty(), qPrintable(run_->fakes.messages.texts().join('|')));
    QCOMPARE(shown, failures);
    QCOMPARE(QDir(out()).entryList(QDir::Files), QStringList());
    if (listing) {
        // Not listed, so it can be listed again.
        QCOMPARE(list()->count(), 0);
        QVERIFY(run_->enabled("mnuFileGetList"));
    }
}

// The first pass fails on readme.cs (the tool ends with code 4) and refuses a name; Retry runs those
// two only, and readme.cs then succeeds.
void BatchRunsTest::failureTableCopiesAndRetriesTheFailedOnly()
{
    start();
    run_->state.Vols.current()->ObjectNames << u"../escape.cs"_s;
    run_->window.showVol(1);
    const QString calls = environment_.path() + u"/calls.txt"_s;
    const QString healed = environment_.path() + u"/healed"_s;
    TestEnvironment::writeFile(work() + u"/extract.exe"_s,
                               "#!/bin/sh\nprintf '%s\\n' \"${2##*/}\" >> '" + QFile::encodeName(calls) +
                                   "'\n[ -e '" + QFile::encodeName(healed) +
                                   "' ] || case \"$2\" in */readme.cs) exit 4;; esac\nprintf x > \"$2\"\n");
    select({0, 1, 2, list()->count() - 1});

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
    QCOMPARE(QDir(out()).entryList(QDir::Files), (QStringList{"mission.cs", "readme.cs", "sky.bmp"}));
    QVERIFY(run_->fakes.messages.texts().isEmpty());
}

QTEST_MAIN(BatchRunsTest)
#include "tst_batchruns.moc"
