#include "app/core/AppCore.h"
#include "support/MainWindowRun.h"
#include "support/OwnedProgram.h"
#include "support/PictureFiles.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

// The core's start-up and shutdown without a window, and what the command line asks of it. The windows'
// wording of each notice is tested in tst_mainwindow, the command line's in tst_runs.
class CoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startUpTellsEachStepBeforeTheNext_data();
    void startUpTellsEachStepBeforeTheNext();
    void shutDownWritesTheSettingsOnlyWhenAsked();
    void commandLineAsksOnlyForWhatItNeeds_data();
    void commandLineAsksOnlyForWhatItNeeds();

private:
    QString ini() const { return environment_.configHome() + u"/Kadrillo/Kadrillo.ini"_s; }
    QString work() const { return environment_.path() + u"/work"_s; }
    QString sample() const { return environment_.path() + u"/samples/sample.vol"_s; }

    TestEnvironment environment_;
};

void CoreTest::initTestCase()
{
    const QString made = TestEnvironment::makeSamples(environment_.path() + u"/samples"_s);
    QVERIFY2(made.isEmpty(), qPrintable(made));
}

void CoreTest::startUpTellsEachStepBeforeTheNext_data()
{
    QTest::addColumn<QString>("answer"); // what the front-end does on the first notice
    QTest::addColumn<QStringList>("told");
    const QString refused = u"refused "_s + work();
    QTest::newRow("nothing") << u""_s
                             << QStringList{refused, u"missing extract.exe /nowhere/extract.exe"_s,
                                            u"missing vtlist.exe /nowhere/vtlist.exe"_s,
                                            u"no palette /nowhere/base.pal"_s,
                                            u"unread The palette file does not exist."_s};
    QTest::newRow("applies corrected paths")
        << u"apply"_s << QStringList{refused, u"missing extract.exe /nowhere/extract.exe"_s};
    QTest::newRow("the program ends") << u"end"_s << QStringList{refused};
}

// Each notice is heard before the next step runs: paths applied then count for the later steps, and
// a program ended meanwhile runs no more of them.
void CoreTest::startUpTellsEachStepBeforeTheNext()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, told);
    QVERIFY(QDir(work()).removeRecursively() && QDir().mkpath(work()) &&
            QFile::setPermissions(work(), QFile::Permissions(0x7777)));
    MainWindowRun::writeSettings(ini(), {u"Temp Path="_s + work(), u"Extract Path=/nowhere/extract.exe"_s,
                                         u"Vtlist Path=/nowhere/vtlist.exe"_s,
                                         u"Default Palette=/nowhere/base.pal"_s});
    const QString corrected = environment_.path() + u"/corrected"_s;
    QDir(corrected).removeRecursively();
    const QString palette = environment_.path() + u"/base.pal"_s;
    TestEnvironment::writeFile(palette, PictureFiles::pal(PictureFiles::ramp(5)));
    AppCore core(ini());
    core.loadSettings();
    const char* kinds[] = {"refused", "missing", "not copied", "no palette", "unread"};
    QStringList heard;
    using Step = AppCore::Step;
    core.startUp(
        {Step::WorkFolder, Step::ExtractTool, Step::ListTool, Step::DefaultPalette, Step::ReadPalette},
        [&] { return answer != u"end"_s || heard.isEmpty(); },
        [&](const AppCore::Notice& notice) {
            heard.append(QStringList{QLatin1String(kinds[int(notice.kind)]), notice.tool, notice.path,
                                     notice.message.text}
                             .join(u' ')
                             .simplified());
            if (answer != u"apply"_s || heard.size() > 1)
                return;
            AppSettings edited = core.settings;
            edited.TempPath = corrected;
            edited.VtlistPath = QStringLiteral(KADRILLO_STANDIN_DIR "/vtlist.exe");
            edited.DefaultPalette = palette;
            QVERIFY(core.applyPaths(edited).isEmpty());
        });
    QCOMPARE(heard, told);
    QCOMPARE(QFile::exists(corrected + u"/vtlist.exe"_s), answer == u"apply"_s);
    QCOMPARE(core.Picture.CurrentPalette == PictureFiles::ramp(5), answer == u"apply"_s);
    QVERIFY(QFile::setPermissions(work(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

// The command line's shutdown leaves the settings file as it is; the window asks for it to be written.
void CoreTest::shutDownWritesTheSettingsOnlyWhenAsked()
{
    QDir(work()).removeRecursively();
    MainWindowRun::writeSettings(
        ini(), {u"Temp Path="_s + work(), u"Vtlist Path=" KADRILLO_STANDIN_DIR "/vtlist.exe"_s});
    const QByteArray written = TestEnvironment::readFile(ini());
    AppCore core(ini());
    core.loadSettings();
    core.startUp(
        {AppCore::Step::WorkFolder, AppCore::Step::ListTool}, [] { return true; },
        [](const AppCore::Notice& notice) { QFAIL(qPrintable(notice.path)); });
    QVERIFY(QFile::exists(work() + u"/vtlist.exe"_s));
    core.settings.AutoList = false;
    core.shutDown();
    QCOMPARE(TestEnvironment::readFile(ini()), written);
    QCOMPARE(QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QVERIFY(core.saveSettings());
    QVERIFY(!AppSettings::load(SettingsStore(ini())).AutoList);
}

void CoreTest::commandLineAsksOnlyForWhatItNeeds_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("told");
    const QString out = environment_.path() + u"/out"_s;
    const QString noTool = u"kadrillo: can not find extract.exe (/nowhere/extract.exe)"_s;
    QTest::newRow("--list") << QStringList{"--list", sample()} << QStringList();
    QTest::newRow("--extract") << QStringList{"--extract", sample(), "--to", out} << QStringList{noTool};
    QTest::newRow("--convert") << QStringList{"--convert", sample(), "--to", out}
                               << QStringList{noTool,
                                              "kadrillo: can not find the default palette /nowhere/base.pal",
                                              "kadrillo: The palette file does not exist."};
}

// The listing tool for every command, the extraction tool for all but --list, the default palette for
// pictures only; and the settings file is never written.
void CoreTest::commandLineAsksOnlyForWhatItNeeds()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, told);
    MainWindowRun::writeSettings(ini(), {u"Extract Path=/nowhere/extract.exe"_s,
                                         u"Vtlist Path=" KADRILLO_STANDIN_DIR "/vtlist.exe"_s,
                                         u"Default Palette=/nowhere/base.pal"_s});
    const QByteArray written = TestEnvironment::readFile(ini());
    OwnedProgram program(u"kadrillo"_s);
    QVERIFY2(program.start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"), arguments),
             qPrintable(program.state()));
    const QString ended = program.waitForExit(60000);
    QVERIFY2(!program.isRunning(), qPrintable(ended));
    const QStringList errors = QString::fromUtf8(program.process().readAllStandardError()).split(u'\n');
    QCOMPARE(errors.filter(QRegularExpression(u"^kadrillo: (can not find|The palette file)"_s)), told);
    QCOMPARE(program.process().exitCode(), told.isEmpty() ? 0 : 1);
    QCOMPARE(TestEnvironment::readFile(ini()), written);
}

QTEST_GUILESS_MAIN(CoreTest)
#include "tst_core.moc"
