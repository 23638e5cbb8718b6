#include "archive/ToolRunner.h"
#include "archive/WorkFolder.h"
#include "picture/frmExportFormat.h"
#include "platform/Twips.h"
#include "support/MainWindowRun.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QByteArray extractBytes = "#!/bin/sh\necho extract\n";
const QByteArray vtlistBytes = "#!/bin/sh\necho vtlist\n";
} // namespace

// The main window's start-up, layout, setting toggles and shutdown.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void startsEmptyAndTheTabStripFollowsTheWindow();
    void missingFilesAreReportedInOrder_data();
    void missingFilesAreReportedInOrder();
    void refusesAWorkingFolderThatIsNotOurs_data();
    void refusesAWorkingFolderThatIsNotOurs();
    void closingKeepsTheSettingsAndOnlyTheUsersFiles();

private:
    QString game() const { return environment_.path() + u"/game"_s; }
    QString work() const { return environment_.path() + u"/work"_s; }
    QString ini() const { return environment_.path() + u"/Kadrillo.ini"_s; }
    // The control's place in its parent, in twips of the main window's inner area, to a pixel.
    bool placedAt(const MainWindowRun& run, const char* name, const QRect& twips) const;

    TestEnvironment environment_;
};

void MainWindowTest::init()
{
    for (const QString& folder : {game(), work()})
        QDir(folder).removeRecursively();
    TestEnvironment::writeFile(game() + u"/extract.exe"_s, extractBytes, true);
    TestEnvironment::writeFile(game() + u"/vtlist.exe"_s, vtlistBytes, true);
    TestEnvironment::writeFile(game() + u"/base.pal"_s, QByteArray(1048, '\1'));
    MainWindowRun::writeSettings(ini(),
                                 {u"Extract Path="_s + game() + u"/extract.exe"_s,
                                  u"Vtlist Path="_s + game() + u"/vtlist.exe"_s,
                                  u"Default Palette="_s + game() + u"/base.pal"_s, u"Temp Path="_s + work()});
}

bool MainWindowTest::placedAt(const MainWindowRun& run, const char* name, const QRect& twips) const
{
    const QRect actual = run.control(name)->geometry();
    const QRect expected =
        Twips::toPixels(run.window.centralWidget(), twips.x(), twips.y(), twips.width(), twips.height());
    return qAbs(actual.x() - expected.x()) <= 1 && qAbs(actual.y() - expected.y()) <= 1 &&
           qAbs(actual.width() - expected.width()) <= 1 && qAbs(actual.height() - expected.height()) <= 1;
}

// Start-up copies the tools into a folder of the user's own and shows nothing open, at the designed
// size; the tab strip then follows the window and the bars shown, but not while minimized.
void MainWindowTest::startsEmptyAndTheTabStripFollowsTheWindow()
{
    MainWindowRun run(ini());
    run.window.Form_Load();
    QVERIFY2(run.fakes.messages.shown().isEmpty(), qPrintable(run.fakes.messages.texts().join('|')));
    QCOMPARE(TestEnvironment::readFile(work() + u"/extract.exe"_s), extractBytes);
    QCOMPARE(TestEnvironment::readFile(work() + u"/vtlist.exe"_s), vtlistBytes);
    QVERIFY(QFileInfo(work() + u"/extract.exe"_s).isExecutable());
    QCOMPARE(QFileInfo(work()).permissions() & 0x0077, QFileDevice::Permissions());
    QVERIFY(QFileInfo(environment_.dataHome() + u"/Kadrillo/data"_s).isDir());
    for (const char* item :
         {"mnuToolsList", "munPaletteAuto", "mnuPreviewResize", "mnuSearchSub", "mnuPreviewAuto"})
        QVERIFY2(run.control<QAction>(item)->isChecked(), item);

    run.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&run.window));
    QCOMPARE(run.window.windowTitle(), u"Starsiege Kadrillo"_s);
    // Sorting would part the rows from the names that commands look up by row.
    const auto* list = run.control<QListWidget>("lstList");
    QVERIFY(list->count() == 0 && !list->isSortingEnabled());
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    for (const char* name : {"cmdSelect", "cmdNone", "cmdPreview", "cmdExtract", "cmdPalette", "cmdConvert"})
        QVERIFY2(!run.enabled(name), name);
    QCOMPARE(run.control<QLabel>("lblFiles")->text(), u"######"_s);
    QCOMPARE(run.control<QLabel>("lblSelected")->text(), u"######"_s);
    // Every caption of the object area shows whole at its fixed size.
    for (const QLabel* label : run.control("Frame1")->findChildren<QLabel*>())
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
    QCOMPARE(run.control("TabStrip1")->findChild<QTabBar*>()->count(), 0);
    QVERIFY(run.control<QLabel>("StatusText")->text().isEmpty());
    QVERIFY(!run.control<QLabel>("StatusClock")->text().isEmpty());

    QVERIFY(placedAt(run, "TabStrip1", QRect(10, 370, 5500, 4915)));
    QVERIFY(run.control("TabStrip1")->geometry().contains(run.control("Frame1")->geometry()));
    run.control<QAction>("mnuToolbarsMain")->trigger();
    run.control<QAction>("mnuViewStatusbar")->trigger();
    QVERIFY(run.control("Toolbar1")->isHidden() && run.control("StatusBar1")->isHidden());
    QVERIFY(placedAt(run, "TabStrip1", QRect(10, 10, 5500, 5575)));

    run.control<QAction>("mnuToolbarsMain")->trigger();
    QWidget* inner = run.window.centralWidget();
    const QSize wider = Twips::toPixels(inner, 0, 0, 7200, 6000).size();
    run.window.resize(run.window.size() + wider - inner->size());
    QTRY_COMPARE(inner->size(), wider);
    QVERIFY(placedAt(run, "TabStrip1", QRect(10, 370, 7180, 5620)));
    QVERIFY(run.control("TabStrip1")->geometry().contains(run.control("Frame1")->geometry()));

    run.window.setWindowState(Qt::WindowMinimized);
    run.control<QAction>("mnuViewStatusbar")->trigger();
    QVERIFY(placedAt(run, "TabStrip1", QRect(10, 370, 7180, 5620)));
}

void MainWindowTest::missingFilesAreReportedInOrder_data()
{
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QStringList>("messages");
    const QString extract = u"Can not find extract.exe."_s;
    const QString palette = u"Can not find the default palette."_s;
    // With no default palette there is no palette to read either.
    const QString noPalette = u"The palette file does not exist."_s;
    QTest::newRow("extract") << QStringList{"extract.exe"} << QStringList{extract};
    QTest::newRow("palette") << QStringList{"base.pal"} << QStringList{palette, noPalette};
    QTest::newRow("everything") << QStringList{"base.pal", "vtlist.exe", "extract.exe"}
                                << QStringList{extract, u"Can not find vtlist.exe."_s, palette, noPalette};
}

void MainWindowTest::missingFilesAreReportedInOrder()
{
    QFETCH(QStringList, missing);
    QFETCH(QStringList, messages);
    for (const QString& name : missing)
        QFile::remove(game() + u'/' + name);
    // A folder where a tool should be is not a tool.
    if (missing.contains(u"extract.exe"_s))
        QDir().mkpath(game() + u"/extract.exe"_s);

    MainWindowRun run(ini());
    run.window.Form_Load();
    QCOMPARE(run.fakes.messages.texts(), messages);
    for (const ScriptedMessageBoxes::Shown& box : run.fakes.messages.shown()) {
        QCOMPARE(box.title, u"Kadrillo"_s);
        QCOMPARE(box.icon, MessageBoxes::Icon::None);
    }
    for (const char* tool : {"extract.exe", "vtlist.exe"})
        QCOMPARE(QFile::exists(work() + u'/' + QLatin1String(tool)), !missing.contains(QLatin1String(tool)));
}

void MainWindowTest::refusesAWorkingFolderThatIsNotOurs_data()
{
    QTest::addColumn<bool>("link");
    QTest::newRow("link to a folder") << true;
    QTest::newRow("a file") << false;
}

void MainWindowTest::refusesAWorkingFolderThatIsNotOurs()
{
    QFETCH(bool, link);
    const QString target = environment_.path() + u"/planted"_s;
    QDir(target).removeRecursively();
    TestEnvironment::writeFile(target + u"/temp.vol"_s, "someone else's");
    if (link)
        QVERIFY(QFile::link(target, work()));
    else
        TestEnvironment::writeFile(work(), "not a folder");

    {
        MainWindowRun run(ini());
        run.window.Form_Load();
        QCOMPARE(run.fakes.messages.shown().size(), 1);
        QVERIFY(run.fakes.messages.texts().first().contains(work()));
        QCOMPARE(run.fakes.messages.shown().first().icon, MessageBoxes::Icon::Exclamation);
        // Later commands are refused with the folder's name, and nothing is written elsewhere.
        ToolRunner& runner = run.window.toolRunner();
        QVERIFY(!runner.CopyVolToWork(target + u"/temp.vol"_s));
        QVERIFY2(runner.lastError().contains(work()), qPrintable(runner.lastError()));
        run.window.close();
    }
    QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"temp.vol"});
    QFile::remove(work());
}

// Closing writes every setting, toggled ones included, and deletes the program's own working files
// and nothing else; the next start shows the settings written.
void MainWindowTest::closingKeepsTheSettingsAndOnlyTheUsersFiles()
{
    const char* toggles[] = {"mnuPreviewAuto", "mnuPreviewResize", "mnuSearchSub", "mnuToolsList",
                             "munPaletteAuto"};
    QStringList kept{"keep.txt", "TEMP.BMP", "temp.vol.bak", "results.dat.old", "temp.wav"};
    {
        MainWindowRun first(ini());
        first.window.Form_Load();
        for (const char* item : toggles)
            first.control<QAction>(item)->trigger();
        QVERIFY(!first.enabled("mnuSearchSub"));
        first.control<QAction>("munPaletteAuto")->trigger();
        QVERIFY(first.enabled("mnuSearchSub"));
        first.fakes.dialogs.willAnswer([](QDialog& dialog) {
            auto& format = static_cast<frmExportFormat&>(dialog);
            format.optPng->setChecked(true);
            format.chkTransparent->setChecked(true);
            format.spnTransparent->setValue(9);
            format.accept();
        });
        first.control<QAction>("mnuToolsFormat")->trigger();

        for (const QString& name : WorkFolder::programFiles())
            TestEnvironment::writeFile(work() + u'/' + name, "x");
        for (const QString& name : kept.mid(0, 4))
            TestEnvironment::writeFile(work() + u'/' + name, "keep");
        QFile::remove(work() + u"/temp.wav"_s); // an absent file is simply passed over
        QDir().mkpath(work() + u"/temp.wav"_s); // and a folder of that name is not a file
        first.window.show();
        QVERIFY(first.window.close());
        QVERIFY(first.window.isUnloaded());
    }
    QStringList left = QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    left.sort();
    kept.sort();
    QCOMPARE(left, kept);
    QSettings written(ini(), QSettings::IniFormat);
    written.beginGroup(u"Settings"_s);
    QCOMPARE(written.childKeys().size(), 12);
    QCOMPARE(written.value(u"Auto Preview"_s).toString(), u"False"_s);
    written.endGroup();
    QCOMPARE(written.value(u"Export/Transparent Index"_s).toString(), u"9"_s);

    MainWindowRun second(ini());
    second.window.Form_Load();
    for (const char* item : toggles)
        QVERIFY2(second.control<QAction>(item)->isChecked() == (qstrcmp(item, "munPaletteAuto") == 0), item);
    // The dialog shows the choice kept; BMP leaves no transparent index to set, and Cancel changes nothing.
    PictureExport shown;
    bool indexOffered = true;
    second.fakes.dialogs.willAnswer([&](QDialog& dialog) {
        auto& format = static_cast<frmExportFormat&>(dialog);
        shown = format.chosen();
        format.optBmp->setChecked(true);
        indexOffered = format.chkTransparent->isEnabled() || format.spnTransparent->isEnabled();
    });
    second.control<QAction>("mnuToolsFormat")->trigger();
    QCOMPARE(shown, (PictureExport{PictureExport::Format::Png, 9}));
    QVERIFY(!indexOffered);
    QCOMPARE(second.state.settings.Export, shown);
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
