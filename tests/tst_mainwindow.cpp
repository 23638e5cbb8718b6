#include "app/AppSettings.h"
#include "app/frmAbout.h"
#include "app/frmOptions.h"
#include "archive/FailureTable.h"
#include "archive/ToolRunner.h"
#include "archive/WorkFolder.h"
#include "archive/frmExtract.h"
#include "picture/frmContactSheet.h"
#include "picture/frmExportFormat.h"
#include "picture/frmPreview.h"
#include "platform/Twips.h"
#include "preview/frmPalExtract.h"
#include "preview/frmScript.h"
#include "preview/frmSound.h"
#include "support/MainWindowRun.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QByteArray extractBytes = "#!/bin/sh\necho extract\n";
const QByteArray vtlistBytes = "#!/bin/sh\necho vtlist\n";

QStringList fields(const AppSettings& s)
{
    QStringList flags;
    for (const bool flag :
         {s.AddPpl, s.AutoList, s.AutoSelect, s.ResizeToFit, s.SearchSubfolders, s.AutoPreview})
        flags.append(flag ? u"yes"_s : u"no"_s);
    const QString format = s.Export.format == PictureExport::Format::Png ? u"png"_s : u"bmp"_s;
    return QStringList{s.ExtractPath, s.VtlistPath, s.TempPath, s.DestPath, s.DefaultPalette, s.PalettePath} +
           flags + QStringList{format, QString::number(s.Export.transparentIndex.value_or(-1))};
}

// What a screen reader misses in `window`: the window as a window or a dialog, and a name on every
// control a user can reach.
QStringList problemsIn(QWidget* window)
{
    QStringList problems;
    const QAccessible::Role role = QAccessible::queryAccessibleInterface(window)->role();
    if (role != QAccessible::Window && role != QAccessible::Dialog)
        problems.append(window->objectName() + QStringLiteral(" is not a window"));
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool reachable = qobject_cast<QAbstractButton*>(control) ||
                               qobject_cast<QAbstractItemView*>(control) ||
                               qobject_cast<QProgressBar*>(control) || qobject_cast<QPlainTextEdit*>(control);
        // Qt's own helpers, such as the menu bar's overflow button, are named by Qt.
        if (reachable && !control->isHidden() && !control->objectName().startsWith(QLatin1String("qt_")) &&
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).trimmed().isEmpty())
            problems.append(window->objectName() + QLatin1Char('/') + control->objectName() +
                            QStringLiteral(" has no name"));
    }
    return problems;
}
} // namespace

// The main window's start-up, layout, options dialog, settings file and shutdown, and what a screen
// reader finds in every window.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void startsEmptyAndTheTabStripFollowsTheWindow();
    void missingFilesAreReportedInOrder();
    void startUpOpensTheOptionsAfterEachProblem();
    void applyFollowsTheBoxThatChangedAndCancelDropsTheRest();
    void browseFillsOnlyWhatTheRowAccepts_data();
    void browseFillsOnlyWhatTheRowAccepts();
    void applyMovesTheToolsAndOkTakesAMissingPalette();
    void closingKeepsTheSettingsAndOnlyTheUsersFiles();
    void textToBool_data();
    void textToBool();
    void everySettingSurvivesTheIniFile();
    void unreadableOrMissingValuesGiveTheDefaults();
    void everyWindowAndControlIsNamed();

private:
    QString game() const { return environment_.path() + u"/game"_s; }
    QString work() const { return environment_.path() + u"/work"_s; }
    QString ini() const { return environment_.path() + u"/Kadrillo.ini"_s; }
    // The control's place in its parent, in twips of the main window's inner area, to a pixel.
    bool placedAt(const MainWindowRun& run, const char* name, const QRect& twips) const;
    // Opens the options dialog from the menu of a started main window and runs `act` in it.
    static void inOptions(MainWindowRun& run, const std::function<void(frmOptions&)>& act);

    TestEnvironment environment_;
};

void MainWindowTest::init()
{
    for (const QString& folder : {game(), work(), work() + u"2"_s})
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

    run.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&run.window));
    // Sorting would part the rows from the names that commands look up by row.
    const auto* list = run.control<QListWidget>("lstList");
    QVERIFY(list->count() == 0 && !list->isSortingEnabled());
    for (const char* name : {"cmdSelect", "cmdNone", "cmdPreview", "cmdExtract", "cmdPalette", "cmdConvert"})
        QVERIFY2(!run.enabled(name), name);
    QCOMPARE(run.control<QLabel>("lblSelected")->text(), u"######"_s);
    // Every caption of the object area shows whole at its fixed size.
    for (const QLabel* label : run.control("Frame1")->findChildren<QLabel*>())
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
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

    run.window.setWindowState(Qt::WindowMinimized);
    run.control<QAction>("mnuViewStatusbar")->trigger();
    QVERIFY(placedAt(run, "TabStrip1", QRect(10, 370, 7180, 5620)));
}

// Only what is there is copied: startUpOpensTheOptionsAfterEachProblem copies vtlist.exe with
// extract.exe missing.
void MainWindowTest::missingFilesAreReportedInOrder()
{
    for (const char* name : {"base.pal", "vtlist.exe", "extract.exe"})
        QFile::remove(game() + u'/' + QLatin1String(name));
    QDir().mkpath(game() + u"/extract.exe"_s); // a folder where a tool should be is not a tool

    MainWindowRun run(ini());
    run.window.Form_Load();
    // With no default palette there is no palette to read either.
    QCOMPARE(run.fakes.messages.texts(),
             (QStringList{u"Can not find extract.exe."_s, u"Can not find vtlist.exe."_s,
                          u"Can not find the default palette."_s, u"The palette file does not exist."_s}));
    for (const ScriptedMessageBoxes::Shown& box : run.fakes.messages.shown()) {
        QCOMPARE(box.title, u"Kadrillo"_s);
        QCOMPARE(box.icon, MessageBoxes::Icon::None);
    }
    QVERIFY(!QFile::exists(work() + u"/extract.exe"_s) && !QFile::exists(work() + u"/vtlist.exe"_s));
}

void MainWindowTest::inOptions(MainWindowRun& run, const std::function<void(frmOptions&)>& act)
{
    const qsizetype before = run.fakes.dialogs.dialogsRun().size();
    run.fakes.dialogs.willAnswer([&act](QDialog& dialog) { act(static_cast<frmOptions&>(dialog)); });
    run.control<QAction>("mnuToolsOptions")->trigger();
    QCOMPARE(run.fakes.dialogs.dialogsRun().size(), before + 1);
}

// Apply follows the box that changed last and applies every box; Cancel then drops what changed since.
void MainWindowTest::applyFollowsTheBoxThatChangedAndCancelDropsTheRest()
{
    MainWindowRun run(ini());
    run.window.Form_Load();
    inOptions(run, [](frmOptions& options) {
        QVERIFY(!options.cmdApply->isEnabled());
        QVERIFY(options.cmdOk->isDefault());
        QVERIFY(options.Check1->isChecked() && !options.Check1->isEnabled());
        options.txtDest->clear();
        QVERIFY(!options.cmdApply->isEnabled());
        QTest::keyClick(options.txtPalette, Qt::Key_X);
        QVERIFY(options.cmdApply->isEnabled());
        options.cmdApply->click();
        QVERIFY(!options.cmdApply->isEnabled());
    });
    QCOMPARE(run.state.settings.DestPath, QString());
    QVERIFY(run.state.settings.PalettePath.endsWith(u'x'));

    const auto paths = [&run] {
        const AppSettings& settings = run.state.settings;
        return QStringList{settings.ExtractPath, settings.VtlistPath,     settings.TempPath,
                           settings.DestPath,    settings.DefaultPalette, settings.PalettePath};
    };
    const QStringList applied = paths();
    inOptions(run, [](frmOptions& options) {
        for (QLineEdit* box : options.findChildren<QLineEdit*>())
            box->setText(u"/elsewhere"_s);
        options.cmdCancel->click();
    });
    QCOMPARE(paths(), applied);
    QVERIFY(run.fakes.messages.shown().isEmpty());
}

void MainWindowTest::browseFillsOnlyWhatTheRowAccepts_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("picked"); // empty: the picker is cancelled
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("filter"); // "folder" for the folder picker
    const QString exe = u"Application Files (*.exe)"_s;
    QTest::newRow("extract in capitals") << "cmdExtract"_ba << u"/games/EXTRACT.EXE"_s << true << exe;
    QTest::newRow("another tool") << "cmdExtract"_ba << u"/games/extract2.exe"_s << false << exe;
    QTest::newRow("vtlist, mixed case") << "cmdVtlist"_ba << u"/games/VtList.exe"_s << true << exe;
    QTest::newRow("extract for vtlist") << "cmdVtlist"_ba << u"/games/extract.exe"_s << false << exe;
    QTest::newRow("temp folder") << "cmdTemp"_ba << u"/home/me/work"_s << true << u"folder"_s;
    QTest::newRow("cancelled") << "cmdDest"_ba << QString() << false << u"folder"_s;
    QTest::newRow("palette file") << "cmdDefault"_ba << u"/pals/any.name"_s << true
                                  << u"Palette Files (*.pal)"_s;
    QTest::newRow("palette folder") << "cmdPalette"_ba << u"/pals"_s << true << u"folder"_s;
}

void MainWindowTest::browseFillsOnlyWhatTheRowAccepts()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, picked);
    QFETCH(bool, accepted);
    QFETCH(QString, filter);
    MainWindowRun run(ini());
    run.window.Form_Load();
    if (picked.isEmpty())
        run.fakes.files.willCancel();
    else
        run.fakes.files.willPick(picked);
    inOptions(run, [&](frmOptions& options) {
        auto* browse = options.findChild<QPushButton*>(QLatin1String(button));
        auto* box = options.findChild<QLineEdit*>(u"txt"_s + QLatin1String(button.mid(3)));
        QVERIFY(browse && box);
        const QString before = box->text();
        browse->click();
        QCOMPARE(box->text(), accepted ? picked : before);
        QCOMPARE(options.cmdApply->isEnabled(), accepted);
    });
    QCOMPARE(run.fakes.files.asked().size(), 1);
    const ScriptedFilePicker::Asked asked = run.fakes.files.asked().first();
    QCOMPARE(asked.folder ? u"folder"_s : asked.filter, filter);
}

// Apply moves the tools and leaves the user's files; OK with a missing palette says so and still
// closes, keeping the palette named.
void MainWindowTest::applyMovesTheToolsAndOkTakesAMissingPalette()
{
    MainWindowRun run(ini());
    run.window.Form_Load();
    TestEnvironment::writeFile(work() + u"/mine.txt"_s, "the user's");
    const QString next = work() + u"2"_s;
    const QString missing = game() + u"/none.pal"_s;
    int result = -1;
    inOptions(run, [&](frmOptions& options) {
        options.txtTemp->setText(next);
        options.cmdApply->click();
        QVERIFY(run.fakes.messages.shown().isEmpty());
        QCOMPARE(run.state.Picture.PaletteFile, game() + u"/base.pal"_s);
        options.txtDefault->setText(missing);
        options.cmdOk->click();
        result = options.result();
    });
    QCOMPARE(QDir(work()).entryList(QDir::Files), QStringList{u"mine.txt"_s});
    QCOMPARE(TestEnvironment::readFile(next + u"/extract.exe"_s), extractBytes);
    QCOMPARE(TestEnvironment::readFile(next + u"/vtlist.exe"_s), vtlistBytes);
    QCOMPARE(run.window.toolRunner().workFolder().path(), next);
    QCOMPARE(run.state.settings.TempPath, next);

    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(run.fakes.messages.texts(), QStringList{u"Can not find the default palette."_s});
    QCOMPARE(run.fakes.messages.shown().first().icon, MessageBoxes::Icon::None);
    QCOMPARE(run.state.settings.DefaultPalette, missing);
    QCOMPARE(run.state.Picture.PaletteFile, missing);
}

// Each missing tool or palette, and a working folder that is a link to someone else's, is reported
// and then the dialog opens; what it applied counts for the steps after it. Nothing is written
// through the link.
void MainWindowTest::startUpOpensTheOptionsAfterEachProblem()
{
    for (const char* name : {"extract.exe", "vtlist.exe", "base.pal"})
        QFile::rename(game() + u'/' + QLatin1String(name), environment_.path() + u'/' + QLatin1String(name));
    const QString planted = environment_.path() + u"/planted"_s;
    TestEnvironment::writeFile(planted + u"/temp.vol"_s, "someone else's");
    QVERIFY(QFile::link(planted, work()));
    MainWindowRun run(ini());
    const QString fixed = work() + u"2"_s;
    run.fakes.dialogs.willAnswer([&](QDialog& dialog) {
        auto& options = static_cast<frmOptions&>(dialog);
        options.txtTemp->setText(fixed);
        options.txtVtlist->setText(environment_.path() + u"/vtlist.exe"_s);
        options.cmdOk->click();
    });
    run.window.Form_Load();
    const QStringList texts = run.fakes.messages.texts();
    QVERIFY2(texts.value(0).contains(work()), qPrintable(texts.value(0)));
    QCOMPARE(run.fakes.messages.shown().first().icon, MessageBoxes::Icon::Exclamation);
    // The first dialog's OK reports the palette it did not fix; the vtlist.exe it fixed is not
    // reported at start.
    const QString palette = u"Can not find the default palette."_s;
    QCOMPARE(texts.mid(1), (QStringList{palette, u"Can not find extract.exe."_s, palette,
                                        u"The palette file does not exist."_s}));
    QCOMPARE(run.fakes.dialogs.dialogsRun(), QStringList(3, u"frmOptions"_s));
    QVERIFY(run.window.toolRunner().workFolder().isUsable());
    QCOMPARE(TestEnvironment::readFile(fixed + u"/vtlist.exe"_s), vtlistBytes);
    run.window.close();
    QCOMPARE(QDir(planted).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"temp.vol"});
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
    }
    QStringList left = QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    left.sort();
    kept.sort();
    QCOMPARE(left, kept);

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

void MainWindowTest::textToBool_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // 1 yes, 0 no, -1 unreadable
    // "True", "False" and "0" are read back by the two tests below.
    QTest::newRow("TRUE upper") << u"TRUE"_s << 1;
    QTest::newRow("minus one") << u"-1"_s << 1;
    QTest::newRow("fraction") << u"0.5"_s << 1;
    QTest::newRow("blanks around") << u"  False "_s << 0;
    QTest::newRow("garbage") << u"yes please"_s << -1;
    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("not a number") << u"nan"_s << -1;
}

void MainWindowTest::textToBool()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> flag = AppSettings::textToBool(text);
    QCOMPARE(flag.has_value() ? int(*flag) : -1, expected);
}

// Each field a value of its own and each flag both ways, so that two keys swapped or a flag written
// as a constant would show.
void MainWindowTest::everySettingSurvivesTheIniFile()
{
    const QString file = environment_.path() + u"/roundtrip.ini"_s;
    AppSettings written;
    written.ExtractPath = u"/games/Star siege/extract.exe"_s;
    written.VtlistPath = u"/games/vtlist.exe"_s;
    written.TempPath = u"/tmp/work, with a comma"_s;
    written.DestPath = u"C:\\Out\\Dir"_s;
    written.DefaultPalette = u"/p/base.pal"_s;
    written.PalettePath = u"/p"_s;
    for (const bool flag : {false, true}) {
        written.AddPpl = written.AutoSelect = written.SearchSubfolders = flag;
        written.AutoList = written.ResizeToFit = written.AutoPreview = !flag;
        written.Export = flag ? PictureExport{PictureExport::Format::Png, 0} : PictureExport{};
        {
            SettingsStore store(file);
            written.save(store);
            QVERIFY(store.flush());
        }
        QCOMPARE(fields(AppSettings::load(SettingsStore(file))), fields(written));
    }
    QSettings raw(file, QSettings::IniFormat);
    raw.beginGroup(u"Settings"_s);
    QCOMPARE(raw.childKeys().size(), 12);
    QCOMPARE(raw.value(u"Add Ppl"_s).toString(), u"True"_s);
    QCOMPARE(raw.value(u"Auto List"_s).toString(), u"False"_s);
    raw.endGroup();
    QCOMPARE(raw.value(u"Export/Format"_s).toString(), u"PNG"_s);
}

void MainWindowTest::unreadableOrMissingValuesGiveTheDefaults()
{
    const QString file = environment_.path() + u"/handmade.ini"_s;
    TestEnvironment::writeFile(file, "[Settings]\nAuto%20Preview=0\nAuto%20List=-1\nAuto%20Select=banana\n"
                                     "Resize%20to%20Fit=false\nSearch%20Subfolders=\nPalette%20Path=a,b\n"
                                     "[Export]\nFormat=png\nTransparent%20Index=256\n");
    AppSettings expected = AppSettings::defaults();
    expected.AutoPreview = expected.ResizeToFit = false;
    expected.PalettePath = u"a,b"_s;
    expected.Export.format = PictureExport::Format::Png;
    QCOMPARE(fields(AppSettings::load(SettingsStore(file))), fields(expected));

    const QString missing = environment_.path() + u"/never/written.ini"_s;
    QCOMPARE(fields(AppSettings::load(SettingsStore(missing))), fields(AppSettings::defaults()));
    QVERIFY(!QFile::exists(missing));

    // The defaults follow the platform's folders.
    const AppSettings defaults = AppSettings::defaults();
    const QString data = environment_.dataHome() + u"/Kadrillo/data"_s;
    QCOMPARE(defaults.DestPath, data);
    QCOMPARE(defaults.PalettePath, data);
    QCOMPARE(defaults.DefaultPalette, data + u"/base.pal"_s);
    QVERIFY(defaults.TempPath.startsWith(environment_.tempHome() + u"/kadrillo-"_s));
    QCOMPARE(defaults.ExtractPath, environment_.path() + u"/wine/drive_c/Dynamix/Starsiege/extract.exe"_s);
    QVERIFY(!fields(defaults).contains(QString()));
}

void MainWindowTest::everyWindowAndControlIsNamed()
{
    MainWindowRun run(ini());
    FakeSeams& fakes = run.fakes;
    frmMain& main = run.window;
    ToolRunner runner;
    PictureState pictures;
    VolRecord vol;
    frmSound sound(runner, fakes.messages);
    frmScript script(runner);
    frmPreview picture(pictures, fakes.messages);
    frmExtract extraction(&main, vol, {0}, environment_.path(), runner, fakes.seams());
    BatchReport report(BatchReport::Kind::Extraction, 1);
    report.addFailure(0, QStringLiteral("a.cs"), BatchReport::Step::CannotWrite, QStringLiteral("full"));
    FailureTable failures(report, &main);
    AppLifecycle lifecycle(run.state, run.store, runner, fakes.messages);
    frmOptions options(lifecycle, fakes.seams(), &main);
    frmAbout about(fakes.seams(), &main);
    frmExportFormat format(PictureExport{}, &main);
    frmContactSheet sheet(fakes.messages, fakes.files);
    bool addPpl = false;
    frmPalExtract palettes({vol.FilePath, vol.FilePath, addPpl}, pictures, runner, fakes.messages,
                           [] { return QString(); });

    QStringList problems;
    for (QWidget* window :
         std::initializer_list<QWidget*>{&main, &sound, &script, &picture, &extraction, &failures, &options,
                                         &about, &palettes, &format, &sheet})
        problems += problemsIn(window);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
