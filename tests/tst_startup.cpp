#include "app/frmMain.h"
#include "archive/ToolRunner.h"
#include "archive/WorkFolder.h"
#include "platform/SettingsStore.h"
#include "support/FakeSeams.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTest>
#include <memory>

namespace {

const QByteArray extractBytes = "#!/bin/sh\necho extract\n";
const QByteArray vtlistBytes = "#!/bin/sh\necho vtlist\n";

// One run of the program: its state, its settings file and its message boxes.
struct Program {
    explicit Program(const QString& iniFile)
        : store(iniFile)
        , window(std::make_unique<frmMain>(state, store, fakes.seams()))
    {
    }

    AppState state;
    SettingsStore store;
    FakeSeams fakes;
    ScriptedMessageBoxes& messages = fakes.messages;
    std::unique_ptr<frmMain> window;
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void bothToolsPresent();
    void missingFilesAreReportedInOrder_data();
    void missingFilesAreReportedInOrder();
    void storedFlagsSetTheCheckMarks_data();
    void storedFlagsSetTheCheckMarks();
    void refusesAWorkingFolderThatIsNotOurs_data();
    void refusesAWorkingFolderThatIsNotOurs();
    void shutdownDeletesExactlyTheProgramsFiles();
    void aToggleSurvivesTheNextStart();

private:
    void writeSettings(const QStringList& lines) const;
    QString game() const { return environment_.path() + QStringLiteral("/game"); }
    QString work() const { return environment_.path() + QStringLiteral("/work"); }
    QString ini() const { return environment_.path() + QStringLiteral("/Kadrillo.ini"); }

    TestEnvironment environment_;
};

void StartupTest::init()
{
    for (const QString& folder : {game(), work()})
        QDir(folder).removeRecursively();
    QFile::remove(ini());
    TestEnvironment::writeFile(game() + QStringLiteral("/extract.exe"), extractBytes, true);
    TestEnvironment::writeFile(game() + QStringLiteral("/vtlist.exe"), vtlistBytes, true);
    TestEnvironment::writeFile(game() + QStringLiteral("/base.pal"), QByteArray(1048, '\1'));
    writeSettings({});
}

void StartupTest::writeSettings(const QStringList& lines) const
{
    QSettings settings(ini(), QSettings::IniFormat);
    settings.clear();
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("Extract Path"), game() + QStringLiteral("/extract.exe"));
    settings.setValue(QStringLiteral("Vtlist Path"), game() + QStringLiteral("/vtlist.exe"));
    settings.setValue(QStringLiteral("Default Palette"), game() + QStringLiteral("/base.pal"));
    settings.setValue(QStringLiteral("Temp Path"), work());
    for (const QString& line : lines)
        settings.setValue(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
}

void StartupTest::bothToolsPresent()
{
    Program program(ini());
    program.window->Form_Load();
    QVERIFY2(program.messages.shown().isEmpty(), qPrintable(program.messages.texts().join('|')));
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/extract.exe")), extractBytes);
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/vtlist.exe")), vtlistBytes);
    QVERIFY(QFileInfo(work() + QStringLiteral("/extract.exe")).isExecutable());
    QCOMPARE(QFileInfo(work()).permissions() & 0x0077, QFileDevice::Permissions());
    for (const char* item :
         {"mnuToolsList", "munPaletteAuto", "mnuPreviewResize", "mnuSearchSub", "mnuPreviewAuto"}) {
        const auto* action = program.window->findChild<QAction*>(QLatin1String(item));
        QVERIFY(action);
        QVERIFY2(action->isChecked(), item);
    }
    QVERIFY(!program.state.CommandLineDone);
    QVERIFY(QFileInfo(environment_.dataHome() + QStringLiteral("/Kadrillo/data")).isDir());
}

void StartupTest::missingFilesAreReportedInOrder_data()
{
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QStringList>("messages");
    const QString extract = QStringLiteral("Can not find extract.exe.");
    const QString vtlist = QStringLiteral("Can not find vtlist.exe.");
    const QString palette = QStringLiteral("Can not find the default palette.");
    // With no default palette there is no palette to read either.
    const QString noPalette = QStringLiteral("The palette file does not exist.");
    QTest::newRow("extract") << QStringList{"extract.exe"} << QStringList{extract};
    QTest::newRow("vtlist") << QStringList{"vtlist.exe"} << QStringList{vtlist};
    QTest::newRow("both tools") << QStringList{"extract.exe", "vtlist.exe"} << QStringList{extract, vtlist};
    QTest::newRow("palette") << QStringList{"base.pal"} << QStringList{palette, noPalette};
    QTest::newRow("everything") << QStringList{"base.pal", "vtlist.exe", "extract.exe"}
                                << QStringList{extract, vtlist, palette, noPalette};
}

void StartupTest::missingFilesAreReportedInOrder()
{
    QFETCH(QStringList, missing);
    QFETCH(QStringList, messages);
    for (const QString& name : missing)
        QFile::remove(game() + QLatin1Char('/') + name);
    // A folder where a tool should be is not a tool.
    if (missing.contains(QStringLiteral("extract.exe")))
        QDir().mkpath(game() + QStringLiteral("/extract.exe"));

    Program program(ini());
    program.window->Form_Load();
    QCOMPARE(program.messages.texts(), messages);
    for (const ScriptedMessageBoxes::Shown& box : program.messages.shown()) {
        QCOMPARE(box.title, QStringLiteral("Kadrillo"));
        QCOMPARE(box.icon, MessageBoxes::Icon::None);
        QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
    }
    for (const char* tool : {"extract.exe", "vtlist.exe"}) {
        const bool copied = QFile::exists(work() + QLatin1Char('/') + QLatin1String(tool));
        QCOMPARE(copied, !missing.contains(QLatin1String(tool)));
    }
}

void StartupTest::storedFlagsSetTheCheckMarks_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("checked");
    QTest::newRow("False") << "False" << false;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("-1") << "-1" << true;
    QTest::newRow("garbage keeps the default") << "maybe" << true;
}

void StartupTest::storedFlagsSetTheCheckMarks()
{
    QFETCH(QString, stored);
    QFETCH(bool, checked);
    writeSettings({QStringLiteral("Auto Preview=") + stored, QStringLiteral("Auto List=") + stored});
    Program program(ini());
    program.window->Form_Load();
    QCOMPARE(program.window->findChild<QAction*>(QStringLiteral("mnuPreviewAuto"))->isChecked(), checked);
    QCOMPARE(program.window->findChild<QAction*>(QStringLiteral("mnuToolsList"))->isChecked(), checked);
    QCOMPARE(program.state.settings.AutoPreview, checked);
    QVERIFY(program.window->findChild<QAction*>(QStringLiteral("mnuPreviewResize"))->isChecked());
}

void StartupTest::refusesAWorkingFolderThatIsNotOurs_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to a folder") << "link";
    QTest::newRow("a file") << "file";
}

void StartupTest::refusesAWorkingFolderThatIsNotOurs()
{
    QFETCH(QString, kind);
    const QString target = environment_.path() + QStringLiteral("/planted");
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    TestEnvironment::writeFile(target + QStringLiteral("/temp.vol"), "someone else's");
    if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(target, work()));
    else
        TestEnvironment::writeFile(work(), "not a folder");

    Program program(ini());
    program.window->Form_Load();
    QCOMPARE(program.messages.shown().size(), 1);
    QVERIFY(program.messages.texts().first().contains(work()));
    QCOMPARE(program.messages.shown().first().icon, MessageBoxes::Icon::Exclamation);
    QVERIFY(!QFile::exists(target + QStringLiteral("/extract.exe")));
    // Every later command is refused with the folder's name, and nothing is written elsewhere.
    ToolRunner& runner = program.window->toolRunner();
    QVERIFY(!runner.CopyVolToWork(target + QStringLiteral("/temp.vol")));
    QVERIFY2(runner.lastError().contains(work()), qPrintable(runner.lastError()));
    QVERIFY(!runner.RunToolScript(QStringLiteral("vtlist.bat"), QStringLiteral("vtlist.exe >results.dat")));

    program.window->close();
    QVERIFY(QFile::exists(target + QStringLiteral("/temp.vol")));
    QFile::remove(work());
}

void StartupTest::shutdownDeletesExactlyTheProgramsFiles()
{
    Program program(ini());
    program.window->Form_Load();
    for (const QString& name : WorkFolder::programFiles())
        TestEnvironment::writeFile(work() + QLatin1Char('/') + name, "x");
    const QStringList others{"keep.txt", "TEMP.BMP", "temp.vol.bak", "results.dat.old"};
    for (const QString& name : others)
        TestEnvironment::writeFile(work() + QLatin1Char('/') + name, "keep");
    QFile::remove(work() + QStringLiteral("/temp.wav")); // an absent file is simply passed over
    QDir().mkpath(work() + QStringLiteral("/temp.wav")); // and a folder of that name is not a file

    program.window->show();
    QVERIFY(program.window->close());
    QVERIFY(program.window->isUnloaded());
    QStringList left = QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    left.sort();
    QStringList expected = others + QStringList{"temp.wav"};
    expected.sort();
    QCOMPARE(left, expected);

    QSettings written(ini(), QSettings::IniFormat);
    written.beginGroup(QStringLiteral("Settings"));
    QCOMPARE(written.childKeys().size(), 12);
    QCOMPARE(written.value(QStringLiteral("Search Subfolders")).toString(), QStringLiteral("True"));
}

void StartupTest::aToggleSurvivesTheNextStart()
{
    {
        Program first(ini());
        first.window->Form_Load();
        first.window->findChild<QAction*>(QStringLiteral("mnuPreviewAuto"))->trigger();
        first.window->findChild<QAction*>(QStringLiteral("mnuSearchSub"))->trigger();
        QVERIFY(!first.state.settings.SearchSubfolders);
        first.window->close();
    }
    QSettings written(ini(), QSettings::IniFormat);
    QCOMPARE(written.value(QStringLiteral("Settings/Auto Preview")).toString(), QStringLiteral("False"));

    Program second(ini());
    second.window->Form_Load();
    QVERIFY(!second.window->findChild<QAction*>(QStringLiteral("mnuPreviewAuto"))->isChecked());
    QVERIFY(!second.window->findChild<QAction*>(QStringLiteral("mnuSearchSub"))->isChecked());
    QVERIFY(second.window->findChild<QAction*>(QStringLiteral("mnuToolsList"))->isChecked());
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
