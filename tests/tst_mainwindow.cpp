#include "VolArchive.h"
#include "app/core/AppSettings.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmOptions.h"
#include "archive/core/RunningTool.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/WorkFolder.h"
#include "archive/ui/frmExtract.h"
#include "picture/core/ContactSheet.h"
#include "picture/ui/ContactSheetView.h"
#include "picture/ui/frmContactSheet.h"
#include "picture/ui/frmExportFormat.h"
#include "picture/ui/frmPreview.h"
#include "platform/ui/Twips.h"
#include "preview/ui/QtSoundPlayer.h"
#include "preview/ui/frmPalExtract.h"
#include "preview/ui/frmScript.h"
#include "preview/ui/frmSound.h"
#include "support/FailureRows.h"
#include "support/MainWindowRun.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString standIn(const QString& tool)
{
    return QStringLiteral(KADRILLO_STANDIN_DIR) + u'/' + tool;
}

QStringList fields(const AppSettings& s)
{
    QStringList flags;
    for (const bool flag :
         {s.AddPpl, s.AutoList, s.AutoSelect, s.ResizeToFit, s.SearchSubfolders, s.AutoPreview})
        flags.append(flag ? u"yes"_s : u"no"_s);
    const QString format = s.Export.format == PictureExport::Format::Png ? u"png"_s : u"bmp"_s;
    return QStringList{s.ExtractPath, s.VtlistPath, s.TempPath, s.DestPath, s.DefaultPalette, s.PalettePath} +
           flags +
           QStringList{format, QString::number(s.Export.transparentIndex.value_or(-1)),
                       QString::number(s.ParallelRuns)};
}

// What a screen reader misses in `window`: the window as a window or a dialog, and a name on every
// control a user can reach.
QStringList problemsIn(QWidget* window)
{
    QStringList problems;
    const QAccessible::Role role = QAccessible::queryAccessibleInterface(window)->role();
    if (role != QAccessible::Window && role != QAccessible::Dialog)
        problems.append(window->objectName() + u" is not a window"_s);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool reachable = qobject_cast<QAbstractButton*>(control) ||
                               qobject_cast<QAbstractItemView*>(control) ||
                               qobject_cast<QAbstractSpinBox*>(control) ||
                               qobject_cast<QProgressBar*>(control) || qobject_cast<QPlainTextEdit*>(control);
        // Qt's own helpers, such as the menu bar's overflow button, are named by Qt.
        if (reachable && !control->isHidden() && !control->objectName().startsWith("qt_"_L1) &&
            QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).trimmed().isEmpty())
            problems.append(window->objectName() + u'/' + control->objectName() + u" has no name"_s);
    }
    return problems;
}

template <typename Window> Window* shownWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<Window*>(widget); found && found->isVisible())
            return found;
    }
    return nullptr;
}

} // namespace

// The main window with the stand-in game tools: start-up, layout, options, settings and shutdown, the
// object list and the archive commands, and what a screen reader finds in every window. Which commands
// a selection allows is tested on SelectionRules in tst_rules.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { run_.reset(); }
    void startsEmptyAndTheTabStripFollowsTheWindow();
    void startUpReportsEachProblemAndOpensTheOptions_data();
    void startUpReportsEachProblemAndOpensTheOptions();
    void optionsBrowseApplyCancelAndOk();
    void closingKeepsTheSettingsAndOnlyTheUsersFiles();
    void settingsFileKeepsEveryValueOrGivesTheDefault();
    void everyWindowAndControlIsNamed();
    void rulesFollowEveryClickAndCurrentRowMove();
    void listingProblemsWarn();
    void extractsTheRowsShownAndReportsEveryFailure();
    void nothingIsWrittenIntoTheWorkingFolder();
    void contactSheetBrowsesTheArchive();
    void dragsSelectedObjectsOutAsFiles();
    void commandLineAndDrop();
    void previewsFollowTheCurrentRow();
    void filterShowsRowsInArchiveOrderAndBringsBackTheirSelection();
    void recentArchivesNewestFirstOnceEachAndAtMostEight();
    void tabsCloseAndTheLastLeavesTheStartState();

private:
    // Writes the settings (the stand-in tools, private folders, the sample palette, no Auto Preview,
    // then each "Key=Value" of `settings`) and makes a main window on them, not yet loaded.
    void configure(const QStringList& settings = {});
    // A new main window on the settings file as it stands, not yet loaded.
    void reopen();
    // Configured, loaded without a word, and shown.
    void start(const QStringList& settings = {});
    QString ini() const { return environment_.path() + u"/Kadrillo.ini"_s; }
    QString samples() const { return environment_.path() + u"/sample"_s; }
    QString sample() const { return samples() + u"/sample.vol"_s; }
    QString work() const { return environment_.path() + u"/work"_s; }
    QString out() const { return environment_.path() + u"/out/new"_s; }
    frmMain& window() const { return run_->window; }
    QListWidget* list() const { return run_->control<QListWidget>("lstList"); }
    QTabBar* tabs() const { return run_->control("TabStrip1")->findChild<QTabBar*>(); }
    QString text(const char* label) const { return run_->control<QLabel>(label)->text(); }
    QStringList messages() const { return run_->fakes.messages.texts(); }
    // The control's place in its parent, in twips of the main window's inner area, to a pixel.
    bool placedAt(const char* name, const QRect& twips) const;
    // Opens the options dialog from the menu and runs `act` in it.
    void inOptions(const std::function<void(frmOptions&)>& act);
    void openSample(const QString& path);
    void filter(const QString& typed);
    // The names of the rows shown, or of those selected, in the list's order.
    QStringList rowNames(bool selectedOnly) const;
    QStringList shownNames() const { return rowNames(false); }
    QStringList selectedNames() const { return rowNames(true); }
    // The visible recent archives of the File menu, as it is about to show them.
    QStringList recentItems() const;

    TestEnvironment environment_;
    QStringList sampleNames_; // in the archive's order
    QHash<QString, QByteArray> sampleBytes_;
    std::unique_ptr<MainWindowRun> run_;
};

void MainWindowTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    const QString made = TestEnvironment::makeSamples(samples());
    QVERIFY2(made.isEmpty(), qPrintable(made));
    std::vector<VolEntry> entries;
    std::string error;
    QVERIFY2(VolArchive::read(sample().toStdString(), entries, error), error.c_str());
    for (const VolEntry& entry : entries) {
        sampleNames_.append(QString::fromStdString(entry.name));
        sampleBytes_[sampleNames_.last()] =
            QByteArray(reinterpret_cast<const char*>(entry.data.data()), qsizetype(entry.data.size()));
    }
}

void MainWindowTest::init()
{
    QFile::remove(work()); // the link the start-up test leaves
    for (const QString& folder : {work(), work() + u"2"_s, environment_.path() + u"/out"_s})
        QDir(folder).removeRecursively();
}

void MainWindowTest::configure(const QStringList& settings)
{
    MainWindowRun::writeSettings(ini(), QStringList{u"Extract Path="_s + standIn(u"extract.exe"_s),
                                                    u"Vtlist Path="_s + standIn(u"vtlist.exe"_s),
                                                    u"Temp Path="_s + work(), u"Dest Path="_s + out(),
                                                    u"Default Palette="_s + samples() + u"/base.pal"_s,
                                                    u"Auto Preview=False"_s} +
                                            settings);
    reopen();
}

void MainWindowTest::reopen()
{
    run_.reset();
    run_ = std::make_unique<MainWindowRun>(ini());
}

void MainWindowTest::start(const QStringList& settings)
{
    configure(settings);
    window().Form_Load();
    QVERIFY2(messages().isEmpty(), qPrintable(messages().join('|')));
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
}

bool MainWindowTest::placedAt(const char* name, const QRect& twips) const
{
    const QRect actual = run_->control(name)->geometry();
    const QRect expected =
        Twips::toPixels(window().centralWidget(), twips.x(), twips.y(), twips.width(), twips.height());
    return qAbs(actual.x() - expected.x()) <= 1 && qAbs(actual.y() - expected.y()) <= 1 &&
           qAbs(actual.width() - expected.width()) <= 1 && qAbs(actual.height() - expected.height()) <= 1;
}

void MainWindowTest::inOptions(const std::function<void(frmOptions&)>& act)
{
    const qsizetype before = run_->fakes.dialogs.dialogsRun().size();
    run_->fakes.dialogs.willAnswer([&act](QDialog& dialog) { act(static_cast<frmOptions&>(dialog)); });
    run_->control<QAction>("mnuToolsOptions")->trigger();
    QCOMPARE(run_->fakes.dialogs.dialogsRun().size(), before + 1);
}

void MainWindowTest::openSample(const QString& path)
{
    run_->fakes.files.willPick(path);
    window().mnuFileOpen_Click();
}

void MainWindowTest::filter(const QString& typed)
{
    run_->control<QLineEdit>("filterBox")->clear();
    QTest::keyClicks(run_->control<QLineEdit>("filterBox"), typed);
}

QStringList MainWindowTest::rowNames(bool selectedOnly) const
{
    QStringList names;
    for (int row = 0; row < list()->count(); ++row) {
        if (selectedOnly ? list()->item(row)->isSelected() : !list()->isRowHidden(row))
            names.append(list()->item(row)->text());
    }
    return names;
}

QStringList MainWindowTest::recentItems() const
{
    emit run_->control<QMenu>("mnuFile")->aboutToShow();
    QStringList shown;
    for (int number = 1; number <= 8; ++number) {
        const QAction* item =
            run_->control<QAction>(("mnuFileRecent" + QByteArray::number(number)).constData());
        if (item->isVisible())
            shown.append(item->text() + (item->isEnabled() ? u""_s : u" (disabled)"_s));
    }
    return shown;
}

// Start-up copies the tools into a folder of the user's own and shows nothing open, where the commands
// do nothing; the tab strip follows the bars shown, but not while minimized.
void MainWindowTest::startsEmptyAndTheTabStripFollowsTheWindow()
{
    start();
    QVERIFY(QFileInfo(work() + u"/extract.exe"_s).isExecutable());
    QCOMPARE(QFileInfo(work()).permissions() & 0x0077, QFileDevice::Permissions());
    QVERIFY(QFileInfo(environment_.dataHome() + u"/Kadrillo/data"_s).isDir());

    // Sorting would part the rows from the names that commands look up by row.
    QVERIFY(list()->count() == 0 && !list()->isSortingEnabled());
    for (const char* name :
         {"cmdSelect", "cmdNone", "cmdPreview", "cmdExtract", "cmdPalette", "cmdConvert", "mnuFileGetList"})
        QVERIFY2(!run_->enabled(name), name);
    QCOMPARE(text("lblFiles"), u"######"_s);
    run_->fakes.files.willCancel();
    run_->control<QAction>("Open")->trigger();
    QCOMPARE(tabs()->count(), 0);
    QVERIFY(messages().isEmpty());
    // Every caption of the object area shows whole at its fixed size.
    for (const QLabel* label : run_->control("Frame1")->findChildren<QLabel*>())
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
    QVERIFY(!text("StatusClock").isEmpty());

    // Larger than designed, the list and the filter box take the extra room, and the commands and the
    // counters keep their distance to the right edge and the top; smaller, the list keeps its size.
    const QSize designed = window().size();
    for (const int grown : {0, 1, -1}) {
        window().resize(designed + Twips::toPixels(&window(), 0, 0, 1440, 720).size() * grown);
        const int wider = std::max(0, 1440 * grown);
        const int taller = std::max(0, 720 * grown);
        QVERIFY(placedAt("filterBox", QRect(0, 240, 2415 + wider, 330)));
        QVERIFY(placedAt("lstList", QRect(0, 615, 2415 + wider, 3585 + taller)));
        QVERIFY(placedAt("cmdSelect", QRect(2640 + wider, 240, 1095, 495)));
        QVERIFY(placedAt("cmdConvert", QRect(3960 + wider, 1440, 1095, 495)));
        QVERIFY(placedAt("Frame2", QRect(2640 + wider, 2280, 2415, 1935)));
        QVERIFY(placedAt("Label1", QRect(0, 0, 1350, 195)));
        if (grown >= 0)
            QVERIFY(placedAt("TabStrip1", QRect(10, 370, 5500 + wider, 4915 + taller)));
    }
    window().resize(designed);
    QVERIFY(run_->control("TabStrip1")->geometry().contains(run_->control("Frame1")->geometry()));
    run_->control<QAction>("mnuToolbarsMain")->trigger();
    run_->control<QAction>("mnuViewStatusbar")->trigger();
    QVERIFY(placedAt("TabStrip1", QRect(10, 10, 5500, 5575)));
    window().setWindowState(Qt::WindowMinimized);
    run_->control<QAction>("mnuViewStatusbar")->trigger();
    QVERIFY(placedAt("TabStrip1", QRect(10, 10, 5500, 5575)));
}

void MainWindowTest::startUpReportsEachProblemAndOpensTheOptions_data()
{
    QTest::addColumn<bool>("writableByOthers"); // else a link to someone else's folder
    QTest::addColumn<QString>("refusal");
    QTest::newRow("a link to someone else's folder")
        << false
        << u"The working folder %1 is not a folder of your own, so Kadrillo will not run the game's tools "
           "there. Choose another working folder in the options."_s.arg(work());
    QTest::newRow("a folder others can write to")
        << true
        << u"The working folder %1 can be written by other users, so Kadrillo will not run the game's tools "
           "there. Make it private (chmod 700) or choose another working folder in the options."_s.arg(
               work());
}

// Each problem at start-up is reported in order, and the options dialog then opens (not for the
// palette file's); what it applied counts for the steps after it. Tools that are missing, or a folder
// where a tool should be, are not copied, and nothing is written into a working folder that is a
// link to someone else's or one that others may write to.
void MainWindowTest::startUpReportsEachProblemAndOpensTheOptions()
{
    QFETCH(bool, writableByOthers);
    QFETCH(QString, refusal);
    const QString planted = writableByOthers ? work() : environment_.path() + u"/planted"_s;
    TestEnvironment::writeFile(planted + u"/temp.vol"_s, "someone else's");
    if (writableByOthers)
        QVERIFY(QFile::setPermissions(work(), QFile::Permissions(0x7777)));
    else
        QVERIFY(QFile::link(planted, work()));
    const QString folder = environment_.path() + u"/game/extract.exe"_s;
    QDir().mkpath(folder);
    configure({u"Extract Path="_s + folder, u"Vtlist Path=/nowhere/vtlist.exe"_s,
               u"Default Palette=/nowhere/base.pal"_s});
    const QString fixed = work() + u"2"_s;
    run_->fakes.dialogs.willAnswer([&](QDialog& dialog) {
        static_cast<frmOptions&>(dialog).txtTemp->setText(fixed);
        static_cast<frmOptions&>(dialog).cmdOk->click();
    });
    run_->fakes.dialogs.willAnswer([&](QDialog& dialog) {
        static_cast<frmOptions&>(dialog).txtDefault->setText(samples() + u"/base.pal"_s);
        static_cast<frmOptions&>(dialog).cmdOk->click();
    });
    window().Form_Load();
    QCOMPARE(messages().value(0), refusal);
    QCOMPARE(run_->fakes.messages.shown().first().icon, MessageIcon::Exclamation);
    // The first dialog's OK reports the palette it did not fix; the second fixes it before its turn.
    QCOMPARE(messages().mid(1), (QStringList{u"Can not find the default palette."_s,
                                             u"Can not find extract.exe."_s, u"Can not find vtlist.exe."_s}));
    for (const ScriptedMessageBoxes::Shown& box : run_->fakes.messages.shown().mid(1))
        QVERIFY2(box.title == u"Kadrillo"_s && box.icon == MessageIcon::None, qPrintable(box.text));
    QCOMPARE(run_->fakes.dialogs.dialogsRun(), QStringList(3, u"frmOptions"_s));
    QVERIFY(run_->core.Picture.CurrentPalette != Palette{});
    QVERIFY(run_->core.runner().workFolder().isUsable());
    QVERIFY(!QFile::exists(fixed + u"/extract.exe"_s) && !QFile::exists(fixed + u"/vtlist.exe"_s));
    window().close();
    QCOMPARE(QDir(planted).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"temp.vol"});
}

// Each Browse button fills its own box, a tool's box only with that tool (in any case), and Apply
// follows; folders are picked as folders, and Cancel applies nothing. Apply applies every box, moving
// the tools and leaving the user's files; OK with a missing palette says so and still closes, keeping
// the palette named.
void MainWindowTest::optionsBrowseApplyCancelAndOk()
{
    start();
    const QStringList before = fields(run_->core.settings);
    const QList<std::tuple<const char*, QString, bool>> rows{
        {"cmdExtract", u"/games/EXTRACT.EXE"_s, true}, {"cmdExtract", u"/games/extract2.exe"_s, false},
        {"cmdVtlist", u"/games/VtList.exe"_s, true},   {"cmdVtlist", u"/games/extract.exe"_s, false},
        {"cmdTemp", u"/home/me/work"_s, true},         {"cmdDest", QString(), false},
        {"cmdDefault", u"/pals/any.name"_s, true},     {"cmdPalette", u"/pals"_s, true}};
    for (const auto& [button, picked, accepted] : rows) {
        if (picked.isEmpty())
            run_->fakes.files.willCancel();
        else
            run_->fakes.files.willPick(picked);
        inOptions([&](frmOptions& options) {
            auto* box = options.findChild<QLineEdit*>(u"txt"_s + QLatin1String(button).mid(3));
            const QString was = box->text();
            options.findChild<QPushButton*>(QLatin1String(button))->click();
            const QString row = QLatin1String(button) + u' ' + picked;
            QVERIFY2(box->text() == (accepted ? picked : was), qPrintable(row));
            QVERIFY2(options.cmdApply->isEnabled() == accepted, qPrintable(row));
            options.cmdCancel->click();
        });
    }
    QCOMPARE(fields(run_->core.settings), before);
    QList<bool> folders;
    QStringList startFolders;
    for (const ScriptedFilePicker::Asked& asked : run_->fakes.files.asked()) {
        folders.append(asked.folder);
        startFolders.append(asked.startFolder);
    }
    QCOMPARE(folders, (QList<bool>{false, false, false, false, true, true, false, true}));
    // Each picker starts where its setting points.
    const AppSettings& s = run_->core.settings;
    const QString tools = QFileInfo(s.ExtractPath).absolutePath();
    QCOMPARE(startFolders, (QStringList{tools, tools, tools, tools, s.TempPath, s.DestPath,
                                        QFileInfo(s.DefaultPalette).absolutePath(), s.PalettePath}));

    TestEnvironment::writeFile(work() + u"/mine.txt"_s, "the user's");
    const QString next = work() + u"2"_s;
    inOptions([&](frmOptions& options) {
        options.txtTemp->setText(next);
        options.txtDest->clear();
        QTest::keyClick(options.txtPalette, Qt::Key_X);
        QVERIFY(options.cmdApply->isEnabled());
        options.cmdApply->click();
        QVERIFY(!options.cmdApply->isEnabled());
    });
    QCOMPARE(run_->core.settings.DestPath, QString());
    QVERIFY(run_->core.settings.PalettePath.endsWith(u'x'));
    QCOMPARE(run_->core.settings.TempPath, next);
    QCOMPARE(run_->core.runner().workFolder().path(), next);
    for (const QString& tool : {u"extract.exe"_s, u"vtlist.exe"_s})
        QCOMPARE(TestEnvironment::readFile(next + u'/' + tool), TestEnvironment::readFile(standIn(tool)));
    QCOMPARE(QDir(work()).entryList(QDir::Files), QStringList{u"mine.txt"_s});
    QVERIFY(messages().isEmpty());

    // The tools at once: 0 reads "One per core"; Apply stores the row, Cancel what came after.
    inOptions([&](frmOptions& options) {
        QCOMPARE(options.spnParallel->value(), 1);
        options.spnParallel->setValue(0);
        QCOMPARE(options.spnParallel->text(), u"One per core"_s);
        QVERIFY(options.cmdApply->isEnabled());
        options.cmdApply->click();
        options.spnParallel->setValue(7);
        options.cmdCancel->click();
    });
    QCOMPARE(run_->core.settings.ParallelRuns, 0);
    QCOMPARE(run_->core.settings.parallelRuns(), std::clamp(QThread::idealThreadCount(), 1, 64));

    const QString missing = environment_.path() + u"/none.pal"_s;
    int result = -1;
    inOptions([&](frmOptions& options) {
        options.txtDefault->setText(missing);
        options.cmdOk->click();
        result = options.result();
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(messages(), QStringList{u"Can not find the default palette."_s});
    QCOMPARE(run_->core.settings.DefaultPalette, missing);
    QCOMPARE(run_->core.Picture.PaletteFile, missing);
}

// Closing writes every setting, toggled ones included, and deletes the program's own working files
// and nothing else; the next start shows the settings written.
void MainWindowTest::closingKeepsTheSettingsAndOnlyTheUsersFiles()
{
    const char* toggles[] = {"mnuPreviewAuto", "mnuPreviewResize", "mnuSearchSub", "mnuToolsList",
                             "munPaletteAuto"};
    start({u"Auto Preview=True"_s});
    for (const char* item : toggles)
        run_->control<QAction>(item)->trigger();
    QVERIFY(!run_->enabled("mnuSearchSub"));
    run_->control<QAction>("munPaletteAuto")->trigger();
    QVERIFY(run_->enabled("mnuSearchSub"));
    run_->fakes.dialogs.willAnswer([](QDialog& dialog) {
        auto& format = static_cast<frmExportFormat&>(dialog);
        format.optPng->setChecked(true);
        format.chkTransparent->setChecked(true);
        format.spnTransparent->setValue(9);
        format.accept();
    });
    run_->control<QAction>("mnuToolsFormat")->trigger();

    const QStringList kept{"TEMP.BMP", "keep.txt", "results.dat.old", "slot-x", "temp.vol.bak", "temp.wav"};
    for (const QString& name : WorkFolder::programFiles())
        TestEnvironment::writeFile(work() + u'/' + name, "x");
    for (const QString& name : {kept.at(0), kept.at(1), kept.at(2), kept.at(4)})
        TestEnvironment::writeFile(work() + u'/' + name, "keep");
    QFile::remove(work() + u"/temp.wav"_s); // an absent file is simply passed over
    QDir().mkpath(work() + u"/temp.wav"_s); // and a folder of that name is not a file
    // The slots of tools run at once go with what they hold; a folder only named alike stays.
    TestEnvironment::writeFile(work() + u"/slot-1/extract.bat"_s, "x");
    TestEnvironment::writeFile(work() + u"/slot-12/extracted/sky.bmp"_s, "x");
    TestEnvironment::writeFile(work() + u"/slot-x/keep.txt"_s, "keep");
    QVERIFY(window().close());
    QCOMPARE(QDir(work()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
             kept);

    reopen();
    window().Form_Load();
    for (const char* item : toggles)
        QVERIFY2(run_->control<QAction>(item)->isChecked() == (qstrcmp(item, "munPaletteAuto") == 0), item);
    // The dialog shows the choice kept; BMP leaves no transparent index to set, and Cancel changes nothing.
    PictureExport shown;
    bool indexOffered = true;
    run_->fakes.dialogs.willAnswer([&](QDialog& dialog) {
        auto& format = static_cast<frmExportFormat&>(dialog);
        shown = format.chosen();
        format.optBmp->setChecked(true);
        indexOffered = format.chkTransparent->isEnabled() || format.spnTransparent->isEnabled();
    });
    run_->control<QAction>("mnuToolsFormat")->trigger();
    QCOMPARE(shown, (PictureExport{PictureExport::Format::Png, 9}));
    QVERIFY(!indexOffered);
    QCOMPARE(run_->core.settings.Export, shown);
}

// Each field a value of its own and each flag both ways, so that two keys swapped or a flag written
// as a constant would show; then what an unreadable or missing value reads as.
void MainWindowTest::settingsFileKeepsEveryValueOrGivesTheDefault()
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
        written.ParallelRuns = flag ? 64 : 0;
        SettingsStore store(file);
        written.save(store);
        QVERIFY(store.flush());
        QCOMPARE(fields(AppSettings::load(SettingsStore(file))), fields(written));
    }
    const QSettings raw(file, QSettings::IniFormat);
    QCOMPARE(raw.value(u"Settings/Add Ppl"_s).toString(), u"True"_s);
    QCOMPARE(raw.value(u"Settings/Auto List"_s).toString(), u"False"_s);
    QCOMPARE(raw.value(u"Export/Format"_s).toString(), u"PNG"_s);
    QCOMPARE(raw.value(u"Performance/Parallel Runs"_s).toString(), u"64"_s);

    // Each text as a flag: 1 yes, 0 no, -1 unreadable (the default).
    const QList<std::pair<QString, int>> flags{{u"TRUE"_s, 1},     {u"-1"_s, 1},    {u"0.5"_s, 1},
                                               {u"  False "_s, 0}, {QString(), -1}, {u"nan"_s, -1}};
    for (const auto& [text, expected] : flags) {
        const std::optional<bool> flag = AppSettings::textToBool(text);
        QVERIFY2((flag.has_value() ? int(*flag) : -1) == expected, qPrintable(text));
    }
    const QString handmade = environment_.path() + u"/handmade.ini"_s;
    TestEnvironment::writeFile(
        handmade, "[Settings]\nAuto%20Preview=0\nAuto%20List=-1\nAuto%20Select=banana\n"
                  "Resize%20to%20Fit=false\nSearch%20Subfolders=\nPalette%20Path=a,b\n"
                  "[Export]\nFormat=png\nTransparent%20Index=256\n[Performance]\nParallel%20Runs=65\n");
    AppSettings expected = AppSettings::defaults();
    expected.AutoPreview = expected.ResizeToFit = false;
    expected.PalettePath = u"a,b"_s;
    expected.Export.format = PictureExport::Format::Png;
    QCOMPARE(fields(AppSettings::load(SettingsStore(handmade))), fields(expected));

    const QString missing = environment_.path() + u"/never/written.ini"_s;
    QCOMPARE(fields(AppSettings::load(SettingsStore(missing))), fields(AppSettings::defaults()));
    QVERIFY(!QFile::exists(missing));

    // The defaults follow the platform's folders.
    const AppSettings defaults = AppSettings::defaults();
    const QString data = environment_.dataHome() + u"/Kadrillo/data"_s;
    QCOMPARE(defaults.DestPath, data);
    QCOMPARE(defaults.DefaultPalette, data + u"/base.pal"_s);
    QVERIFY(defaults.TempPath.startsWith(environment_.tempHome() + u"/kadrillo-"_s));
    QCOMPARE(defaults.ExtractPath, environment_.path() + u"/wine/drive_c/Dynamix/Starsiege/extract.exe"_s);
    QVERIFY(!fields(defaults).contains(QString()));
}

void MainWindowTest::everyWindowAndControlIsNamed()
{
    configure();
    FakeSeams& fakes = run_->fakes;
    ToolRunner runner;
    PictureState pictures;
    VolRecord vol;
    frmSound sound(runner, new QtSoundPlayer);
    frmScript script(runner);
    frmPreview picture(pictures, fakes.messages, fakes.files);
    frmExtract extraction(&window(), vol, {0}, environment_.path(), runner, 1, fakes.seams());
    RunReport report(RunReport::Kind::Extraction, 1);
    report.addFailure(0, u"a.cs"_s, RunReport::Step::CannotWrite, u"full"_s);
    FailureTable failures(report, &window());
    frmOptions options(run_->core, fakes.seams(), &window());
    frmAbout about(fakes.seams(), &window());
    frmExportFormat format(PictureExport{}, &window());
    frmContactSheet sheet(fakes.messages, fakes.files, runner);
    bool addPpl = false;
    frmPalExtract palettes({vol.FilePath, vol.FilePath, addPpl}, pictures, runner, fakes.messages,
                           [] { return QString(); });

    QStringList problems;
    for (QWidget* shown :
         std::initializer_list<QWidget*>{&window(), &sound, &script, &picture, &extraction, &failures,
                                         &options, &about, &palettes, &format, &sheet})
        problems += problemsIn(shown);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

// The rules look at the current row, so moving it alone (Ctrl+arrow) must run them and set every
// control they govern.
void MainWindowTest::rulesFollowEveryClickAndCurrentRowMove()
{
    start();
    QVERIFY(window().AddVol(u"/nowhere/test.vol"_s, u"test.vol"_s));
    run_->core.Vols.current()->ObjectNames = QStringList{"a.bmp", "pal.ppl"};
    run_->core.Vols.current()->Listed = true;
    window().showVol(1);
    QListWidget* rows = list();
    rows->setFocus();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(rows->item(0)).center());
    for (const char* name :
         {"cmdPreview", "mnuFilePreview", "Preview", "cmdConvert", "cmdExtract", "Extract"})
        QVERIFY2(run_->enabled(name), name);
    QVERIFY(!run_->enabled("cmdPalette"));
    QVERIFY(run_->control<QPushButton>("cmdPreview")->isDefault());

    QTest::keyClick(rows, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(rows->currentRow(), 1);
    for (const char* name : {"cmdPreview", "mnuFilePreview", "Preview", "cmdConvert"})
        QVERIFY2(!run_->enabled(name), name);
    QVERIFY(run_->enabled("cmdPalette"));
}

// An archive gone since it was opened is said so before anything runs, and a listing left from
// before must not pass for another archive's.
void MainWindowTest::listingProblemsWarn()
{
    start({u"Auto List=False"_s});
    const QString garbage = environment_.path() + u"/garbage.vol"_s;
    TestEnvironment::writeFile(garbage, "this is not an archive");
    openSample(garbage);
    openSample(environment_.path() + u"/gone.vol"_s); // the picker offers it, then it goes
    run_->control<QAction>("List")->trigger();
    const QString gone = u"Cannot find the volume file."_s;
    const QString problem = u"There is a problem with the vol file, or it is not a vaild vol file."_s;
    QCOMPARE(messages(), (QStringList{gone, problem}));
    QCOMPARE(run_->fakes.messages.shown().first().icon, MessageIcon::Critical);
    QVERIFY(!QFile::exists(work() + u"/vtlist.bat"_s));

    TestEnvironment::writeFile(work() + u"/results.dat"_s, "Volume contents\r\nstale.cs\r\n");
    tabs()->setCurrentIndex(0);
    run_->control<QAction>("List")->trigger();
    QCOMPARE(messages(), (QStringList{gone, problem, problem}));
    QCOMPARE(run_->fakes.messages.shown().last().title, u"Warning!"_s);
    QCOMPARE(run_->fakes.messages.shown().last().icon, MessageIcon::Exclamation);
    QCOMPARE(list()->count(), 0);
    QVERIFY(run_->enabled("mnuFileGetList"));

    // A lister that cannot start is said so, once and with a reason the user can act on, and the
    // archive stays unlisted so that it can be listed once the tool is mended.
    const QString lister = work() + u"/vtlist.exe"_s;
    const QString cannotStart = u"Cannot start vtlist.exe (%1): %2."_s.arg(lister);
    QVERIFY(QFile::remove(lister));
    run_->control<QAction>("List")->trigger();
    TestEnvironment::writeFile(lister, "MZ");
    qputenv("KADRILLO_WINE", QFile::encodeName(environment_.path() + u"/no-wine-here"_s));
    run_->control<QAction>("List")->trigger();
    qunsetenv("KADRILLO_WINE");
    QCOMPARE(
        messages().mid(3),
        (QStringList{cannotStart.arg(u"the file is missing"_s),
                     cannotStart.arg(u"vtlist.exe is a Windows program and needs Wine to run, but Wine was "
                                     "not found. Install Wine (the Debian package wine64), or set "
                                     "KADRILLO_WINE to the Wine program"_s)}));
    QCOMPARE(run_->fakes.messages.shown().last().icon, MessageIcon::Exclamation);
    QVERIFY(!run_->core.Vols.current()->Listed);
}

// A range picked with Shift, Select All and the extraction they lead to never take in a hidden row.
// The tool writes each object, in the rows' order, into a staging folder; the last row shown is a name
// it cannot extract: the others go out whole, and the failure table lists it.
void MainWindowTest::extractsTheRowsShownAndReportsEveryFailure()
{
    start();
    const QString calls = environment_.path() + u"/calls.txt"_s;
    const QString script = u"#!/bin/sh\nprintf '%s\\n' \"$2\" >> '%1'\nexec '%2' \"$@\"\n"_s;
    TestEnvironment::writeFile(work() + u"/extract.exe"_s,
                               QFile::encodeName(script.arg(calls, standIn(u"extract.exe"_s))), true);
    openSample(sample());
    run_->core.Vols.current()->ObjectNames << u"ghost.cs"_s;
    window().showVol(1);
    QStringList scripts = sampleNames_.filter(u".cs"_s);
    filter(u"*.cs"_s);
    QCOMPARE(shownNames(), scripts + QStringList{u"ghost.cs"_s});
    const QListWidgetItem* first = list()->item(int(sampleNames_.indexOf(scripts.first())));
    const QListWidgetItem* last = list()->item(list()->count() - 1);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(first).center());
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      list()->visualItemRect(last).center());
    QCOMPARE(selectedNames(), shownNames());
    run_->control<QPushButton>("cmdNone")->click();
    QVERIFY(selectedNames().isEmpty() && !run_->enabled("cmdNone") && !run_->enabled("cmdExtract"));
    run_->control<QPushButton>("cmdSelect")->click();
    QCOMPARE(selectedNames(), shownNames());
    QCOMPARE(text("lblSelected"), QString::number(shownNames().size()));
    QCOMPARE(list()->currentItem(), last);

    QStringList failures;
    int progress = 0;
    QString counted;
    run_->fakes.dialogs.willAnswer([&](QDialog& table) {
        failures = failureRows(table);
        progress = table.parentWidget()->findChild<QProgressBar*>(u"ProgressBar1"_s)->value();
        counted = table.parentWidget()->findChild<QLabel*>(u"lblProgress"_s)->text();
    });
    QTest::keyClick(list(), Qt::Key_Return); // Extract is the default button with several rows
    QVERIFY2(messages().isEmpty(), qPrintable(messages().join('|')));
    QCOMPARE(failures, QStringList{u"ghost.cs | tool wrote nothing | extract.exe ended with code 1"_s});
    QCOMPARE(progress, 100);
    QCOMPARE(counted, u"File %1 of %1"_s.arg(shownNames().size()));
    QByteArray staged;
    for (const QString& name : shownNames())
        staged += QFile::encodeName(work() + u"/extracted/"_s + name) + '\n';
    QCOMPARE(TestEnvironment::readFile(calls), staged);
    scripts.sort();
    QCOMPARE(QDir(out()).entryList(QDir::Files, QDir::Name), scripts);
    for (const QString& name : scripts)
        QCOMPARE(TestEnvironment::readFile(out() + u'/' + name), sampleBytes_.value(name));

    // A panel of its own says where the files went, and its button opens that folder, until a run that
    // delivers nothing.
    const auto delivered = [this] {
        return run_->control("StatusDelivered")->isVisibleTo(&window());
    };
    QCOMPARE(text("StatusDelivered"), u"%1 objects extracted to %2"_s.arg(scripts.size()).arg(out()));
    QVERIFY(delivered() && text("StatusText").isEmpty());
    run_->control<QAbstractButton>("cmdOpenFolder")->click();
    run_->fakes.desktop.refuse = true;
    run_->control<QAbstractButton>("cmdOpenFolder")->click();
    QCOMPARE(run_->fakes.desktop.opened, QList<QUrl>(2, QUrl::fromLocalFile(out())));
    QCOMPARE(messages(), QStringList{u"Kadrillo cannot open the folder %1."_s.arg(out())});
    filter(u"ghost*"_s);
    run_->control<QPushButton>("cmdSelect")->click();
    run_->fakes.dialogs.willAnswer([](QDialog&) {});
    run_->control<QPushButton>("cmdExtract")->click();
    QVERIFY(!delivered() && !run_->control("cmdOpenFolder")->isVisibleTo(&window()));

    filter(QString());
    list()->setCurrentItem(list()->findItems(u"gui.ppl"_s, Qt::MatchExactly).value(0));
    window().cmdPalette_Click();
    auto* extractor = shownWindow<frmPalExtract>();
    extractor->cmdExtractAll->click();
    extractor->close();
    const QString listFolder = out() + u"/gui"_s;
    QCOMPARE(
        text("StatusDelivered"),
        u"%1 palettes written to %2"_s.arg(QDir(listFolder).entryList(QDir::Files).size()).arg(listFolder));
    QVERIFY(delivered());
}

// A layout chosen while the sheet is drawn is drawn instead. In 128 px cells, a click on a picture
// selects it alone in the object list, even a row the filter hides, and sets the commands but leaves the
// preview to Enter or a double-click even with Auto Preview, so that the keys stay on the sheet to move
// between pictures; Save writes the cells as the view shows them.
void MainWindowTest::contactSheetBrowsesTheArchive()
{
    start({u"Auto Preview=True"_s});
    openSample(sample());
    run_->control<QAction>("mnuViewContactSheet")->trigger();
    auto* sheetWindow = run_->control<frmContactSheet>("frmContactSheet");
    auto* layouts = sheetWindow->findChild<QComboBox*>(u"cboLayout"_s);
    // Another layout chosen while the sheet is drawn draws it again in that one, without a word.
    const QMetaObject::Connection switching = connect(sheetWindow, &frmContactSheet::pictureAdded, this, [&] {
        layouts->setCurrentIndex(layouts->findData(256));
    });
    layouts->setCurrentIndex(layouts->findData(64));
    disconnect(switching);
    QCOMPARE(sheetWindow->sheet().cell(), 256);
    QCOMPARE(sheetWindow->sheet().count(), 6);
    QCOMPARE(messages(), QStringList());
    // While another window runs the tools, the box keeps the layout shown.
    run_->core.runner().hold();
    layouts->setCurrentIndex(layouts->findData(128));
    run_->core.runner().release();
    QCOMPARE(layouts->currentData().toInt(), 256);
    QCOMPARE(sheetWindow->sheet().cell(), 256);
    layouts->setCurrentIndex(layouts->findData(128));
    const ContactSheet& sheet = sheetWindow->sheet();
    QCOMPARE(sheet.cell(), 128);
    QCOMPARE(sheet.count(), 6);
    QCOMPARE(sheet.size(), QSize(8 + 6 * 136, 8 + 128 + 2 * QFontMetrics(sheetWindow->font()).height() + 8));
    QCOMPARE(sheet.label(0), u"sky.bmp\n64 × 64"_s);
    auto* view = sheetWindow->findChild<ContactSheetView*>(u"sheetView"_s);
    const auto pick = [&](int index) {
        QTest::mouseClick(view, Qt::LeftButton, {}, sheet.area(index).center());
    };
    list()->selectAll();
    filter(sheet.name(0));
    // The filter leaves one row selected, and Auto Preview shows it.
    shownWindow<frmPreview>()->close();
    pick(1);
    QCOMPARE(run_->control<QLineEdit>("filterBox")->text(), QString());
    QCOMPARE(selectedNames(), QStringList{sheet.name(1)});
    QCOMPARE(list()->currentItem()->text(), sheet.name(1));
    QVERIFY(run_->enabled("cmdPreview") && run_->enabled("cmdExtract"));
    QCOMPARE(text("lblSelected"), u"1"_s);
    QVERIFY(!shownWindow<frmPreview>());
    for (const auto& [key, index] : {std::pair{Qt::Key_Right, 2},
                                     {Qt::Key_End, 5},
                                     {Qt::Key_Left, 4},
                                     {Qt::Key_Up, 4},
                                     {Qt::Key_Home, 0}}) {
        QTest::keyClick(view, key);
        QCOMPARE(selectedNames(), QStringList{sheet.name(index)});
    }
    QTest::keyClick(view, Qt::Key_Return);
    auto* preview = shownWindow<frmPreview>();
    QVERIFY(preview);
    QCOMPARE(preview->windowTitle(), u"Preview (%1)"_s.arg(sheet.name(0)));
    QTest::mouseDClick(view, Qt::LeftButton, {}, sheet.area(5).center());
    QCOMPARE(preview->windowTitle(), u"Preview (%1)"_s.arg(sheet.name(5)));
    QCOMPARE(selectedNames(), QStringList{sheet.name(5)});

    const QString saved = environment_.path() + u"/cells.png"_s;
    run_->fakes.files.willPick(saved);
    sheetWindow->findChild<QAction*>(u"mnuSave"_s)->trigger();
    const QImage written = QImage(saved, "PNG").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(written.size(), sheet.size());
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int index = 0; index < sheet.count(); ++index) {
        const QRect picture = sheet.pictureRect(index);
        QCOMPARE(written.copy(picture), shown.copy(picture));
        QCOMPARE(picture.size(), ContactSheetLayout::drawnSize(picture.size(), 128));
    }
    // The tests after this one look for a shown picture window of their own.
    preview->close();
}

// A "Dest Path" in the working folder, here below its staging folder and not made yet: Extract, Convert,
// the palette extractor and the contact sheet's Save into the working folder each say so and write
// nothing. The options dialog does not store such a folder, and stays open.
void MainWindowTest::nothingIsWrittenIntoTheWorkingFolder()
{
    const QString inside = work() + u"/extracted/out"_s;
    start({u"Dest Path="_s + inside});
    openSample(sample());
    const auto refusal = [this](const QString& folder) {
        return u"%1 is in the working folder %2, where Kadrillo replaces and deletes files of its own, so "
               "nothing is written there. Choose a folder outside the working folder."_s.arg(folder, work());
    };
    list()->item(int(sampleNames_.indexOf(u"sky.bmp"_s)))->setSelected(true);
    window().cmdExtract_Click();
    window().cmdConvert_Click();
    list()->setCurrentItem(list()->findItems(u"gui.ppl"_s, Qt::MatchExactly).value(0));
    window().cmdPalette_Click();
    auto* extractor = shownWindow<frmPalExtract>();
    QVERIFY(extractor && extractor->optDest->isChecked());
    extractor->cmdExtract->click();
    extractor->cmdExtractAll->click();
    extractor->close();
    run_->control<QAction>("mnuViewContactSheet")->trigger();
    run_->fakes.files.willPick(work() + u"/sheet.png"_s);
    run_->control<frmContactSheet>("frmContactSheet")->findChild<QAction*>(u"mnuSave"_s)->trigger();
    const QString listFolder = inside + u"/gui"_s; // with "Add Ppl"
    QCOMPARE(messages(), (QStringList{refusal(inside), refusal(inside), refusal(listFolder),
                                      refusal(listFolder), refusal(work())}));
    QCOMPARE(run_->fakes.messages.shown().first().title, u"Warning!"_s);
    QVERIFY(!QFileInfo::exists(inside) && !QFileInfo::exists(work() + u"/sheet.png"_s));

    const QString palettes = run_->core.settings.PalettePath;
    int result = -1;
    inOptions([&](frmOptions& options) {
        options.txtDest->setText(out());
        options.txtPalette->setText(work());
        options.cmdApply->click();
        QVERIFY(options.cmdApply->isEnabled());
        options.cmdOk->click();
        result = options.result();
    });
    QCOMPARE(messages().mid(5), QStringList(2, refusal(work())));
    QVERIFY(result != QDialog::Accepted);
    QCOMPARE(run_->core.settings.PalettePath, palettes);
    QCOMPARE(run_->core.settings.DestPath, inside);
}

// The rows dragged go out as files holding the archive's bytes, in a folder that goes with the
// program; a refused name is named in a warning. While a tool is waited for, nothing is dragged out,
// extracted or listed.
void MainWindowTest::dragsSelectedObjectsOutAsFiles()
{
    start();
    openSample(sample());
    run_->core.Vols.current()->ObjectNames << u"../escape.cs"_s;
    window().showVol(1);
    for (const int row : {0, 2, 4, int(sampleNames_.size())})
        list()->item(row)->setSelected(true);
    const QModelIndexList selected = list()->selectionModel()->selectedRows();
    const std::unique_ptr<QMimeData> data(list()->model()->mimeData(selected));
    QVERIFY(data);
    const QString refused =
        u"These objects could not be dragged out:\n../escape.cs: it holds the character /"_s;
    QCOMPARE(messages(), QStringList{refused});
    QStringList names;
    for (const QUrl& url : data->urls()) {
        names.append(QFileInfo(url.toLocalFile()).fileName());
        QCOMPARE(TestEnvironment::readFile(url.toLocalFile()), sampleBytes_.value(names.last()));
    }
    QCOMPARE(names, (QStringList{sampleNames_.at(0), sampleNames_.at(2), sampleNames_.at(4)}));

    TestEnvironment::writeFile(work() + u"/sleeper.exe"_s, "#!/bin/sh\nsleep 0.3\n", true);
    ToolRunner& runner = run_->core.runner();
    const std::unique_ptr<RunningTool> sleeper =
        runner.StartToolCommand({work() + u"/sleeper.exe"_s, {}, {}, false, work()});
    QVERIFY(sleeper);
    QVERIFY(!list()->model()->mimeData(selected));
    window().cmdExtract_Click();
    window().mnuFileGetList_Click();
    runner.WaitForProcess(*sleeper);
    QVERIFY(!QDir(out()).exists());
    QCOMPARE(messages(), QStringList{refused});
    const QString staging = QFileInfo(data->urls().first().toLocalFile()).absolutePath();
    run_.reset();
    QVERIFY(!QFileInfo::exists(staging));
}

// Each archive named on the command line gets a tab, and a tab shows its own archive's listing.
void MainWindowTest::commandLineAndDrop()
{
    start();
    const QString spaced = environment_.path() + u"/My Vols/sample copy.vol"_s;
    QDir().mkpath(QFileInfo(spaced).absolutePath());
    QFile::copy(sample(), spaced);
    const QString quoted = environment_.path() + u"/my\"odd.vol"_s;
    QFile::copy(sample(), quoted);
    const QString missing = environment_.path() + u"/missing.vol"_s;
    window().setArchivePaths({spaced, quoted, missing});
    window().OpenCommandLine();
    QCOMPARE(tabs()->count(), 3);
    QCOMPARE(run_->core.Vols.record(2)->ObjectNames, sampleNames_);
    QCOMPARE(list()->count(), 0); // the last one opened is shown
    QVERIFY(run_->enabled("mnuFileGetList") && run_->enabled("List"));
    tabs()->setCurrentIndex(0);
    QCOMPARE(shownNames(), sampleNames_);
    QVERIFY(!run_->enabled("mnuFileGetList") && !run_->enabled("List"));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(sample()), QUrl::fromLocalFile(environment_.path() + u"/notes.txt"_s)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window(), &drop);
    QTRY_COMPARE(tabs()->count(), 4);
    QTRY_COMPARE(list()->count(), sampleNames_.size());
    QCOMPARE(messages().first(), u"Cannot find the volume file."_s);
    // Both ways count as opened for the File menu's recent archives.
    QCOMPARE(recentItems(), (QStringList{u"&1 "_s + sample(), u"&2 "_s + missing + u" (disabled)"_s,
                                         u"&3 "_s + quoted, u"&4 "_s + spaced}));
}

// With Auto Preview a row made current is previewed, once for each click, a click on the selected row
// included; which window each kind opens is tested on the preview command in tst_previews. A shown
// window checks its menu item, and unloaded clears it.
void MainWindowTest::previewsFollowTheCurrentRow()
{
    start({u"Auto Preview=True"_s, u"Palette Path="_s + samples()});
    // The picture window starts from the program's own base.pal.
    QDir().mkpath(environment_.dataHome() + u"/Kadrillo"_s);
    QFile::copy(samples() + u"/base.pal"_s, environment_.dataHome() + u"/Kadrillo/base.pal"_s);
    openSample(sample());
    run_->core.Vols.current()->ObjectNames.prepend(u"ghost.bmp"_s);
    window().showVol(1);
    list()->setCurrentItem(list()->findItems(u"sky.bmp"_s, Qt::MatchExactly).value(0));
    auto* preview = shownWindow<frmPreview>();
    QVERIFY(preview);
    QCOMPARE(preview->windowTitle(), u"Preview (sky.bmp)"_s);
    // Found by the PBMP's palette number under the Palette Path setting.
    QVERIFY(run_->core.Picture.PaletteFile.endsWith(u"/2.pal"_s));

    // An object the tool cannot extract is said so, and the last picture is not shown under its name.
    const QPoint ghost = list()->visualItemRect(list()->item(0)).center();
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, ghost);
    QCOMPARE(messages(), QStringList{"extract.exe did not extract ghost.bmp."});
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, ghost);
    QCOMPARE(messages().size(), 2);
    QCOMPARE(preview->windowTitle(), u"Preview (sky.bmp)"_s);
    QVERIFY(!QFile::exists(work() + u"/temp.bmp"_s));
    preview->close();

    // A palette list is not previewed; Extract Palettes opens the extractor on the list from the archive.
    list()->setCurrentItem(list()->findItems(u"gui.ppl"_s, Qt::MatchExactly).value(0));
    QTest::mouseClick(run_->control<QPushButton>("cmdPalette"), Qt::LeftButton);
    auto* extractor = shownWindow<frmPalExtract>();
    QVERIFY(extractor);
    QCOMPARE(extractor->lblName->text() + u' ' + extractor->lblStatus->text(), u"gui.ppl Palette 1 of 3"_s);
    auto* extractorItem = run_->control<QAction>("mnuToolsExtract");
    QVERIFY(extractorItem->isChecked());
    extractor->close();
    QVERIFY(!extractorItem->isChecked());

    // Each tool window's menu item shows it, hides it, then shows the same window; an unloaded window
    // clears its item's mark.
    const std::pair<const char*, const char*> toggles[] = {{"mnuToolbarsSound", "frmSound"},
                                                           {"mnuToolbarsScript", "frmScript"},
                                                           {"mnuToolsExtract", "frmPalExtract"},
                                                           {"mnuToolbarsPalette", "frmPalette"}};
    for (const auto& [itemName, windowName] : toggles) {
        auto* item = run_->control<QAction>(itemName);
        item->trigger();
        QPointer<QWidget> shown;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QLatin1String(windowName) && widget->isVisible())
                shown = widget;
        QVERIFY2(shown && item->isChecked(), itemName);
        item->trigger();
        QVERIFY2(shown && shown->isHidden() && !item->isChecked(), itemName);
        item->trigger();
        QVERIFY2(shown && shown->isVisible() && item->isChecked(), itemName);
        shown->close();
        QVERIFY2(!item->isChecked(), itemName);
        QTRY_VERIFY2(shown.isNull(), itemName);
    }
}

// The filter keeps the archive's count, and the rows shown keep their order and their row numbers;
// Ctrl+F reaches the box, and Escape clears it and brings back what was selected before, rows hidden
// in between included. The matching rule itself is tested on ObjectFilter in tst_rules.
void MainWindowTest::filterShowsRowsInArchiveOrderAndBringsBackTheirSelection()
{
    start();
    openSample(sample());
    const QStringList pictures = sampleNames_.filter(u".bmp"_s);
    const int script = int(sampleNames_.indexOf(u"mission.cs"_s));
    const int picture = int(sampleNames_.indexOf(pictures.at(1)));
    list()->setCurrentRow(script, QItemSelectionModel::NoUpdate);
    list()->item(script)->setSelected(true);
    list()->item(picture)->setSelected(true);

    filter(u"*.BMP"_s);
    QCOMPARE(shownNames(), pictures);
    QCOMPARE(text("lblFiles"), QString::number(sampleNames_.size()));
    QCOMPARE(text("lblSelected"), u"1"_s);
    QCOMPARE(selectedNames(), QStringList{pictures.at(1)});
    QCOMPARE(list()->currentRow(), picture); // the hidden script is no longer current

    filter(u"nothing like it"_s);
    QVERIFY(shownNames().isEmpty());
    QVERIFY(!run_->enabled("cmdSelect") && !run_->enabled("cmdExtract"));

    window().activateWindow(); // for the window's shortcuts, once the listing window has gone
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_F, Qt::ControlModifier);
    auto* box = run_->control<QLineEdit>("filterBox");
    QVERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(box->text().isEmpty());
    QCOMPARE(shownNames(), sampleNames_);
    QCOMPARE(selectedNames(), (QStringList{u"mission.cs"_s, pictures.at(1)}));
    QCOMPARE(text("lblSelected"), u"2"_s);
}

// Opening again moves an archive to the top, and the ninth falls off; a restart shows the same list.
// An archive gone since shows disabled; an item reopens.
void MainWindowTest::recentArchivesNewestFirstOnceEachAndAtMostEight()
{
    const auto vol = [this](const QString& name) {
        return environment_.path() + u'/' + name + u".vol"_s;
    };
    for (const QString& name : {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s, u"h"_s, u"x&y"_s})
        TestEnvironment::writeFile(vol(name), "not listed here");
    start({u"Auto List=False"_s});
    QVERIFY(recentItems().isEmpty());
    QVERIFY(!run_->control<QAction>("mnuFileRecentBar")->isVisible());
    for (const QString& name : {u"a"_s, u"x&y"_s, u"a"_s})
        openSample(vol(name));
    QCOMPARE(recentItems(), (QStringList{u"&1 "_s + vol(u"a"_s), u"&2 "_s + vol(u"x&&y"_s)}));

    for (const QString& name : {u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s, u"h"_s})
        openSample(vol(name));
    window().close();
    const QStringList before = recentItems();
    QCOMPARE(before.size(), 8);
    QVERIFY(before.first().endsWith(u"/h.vol"_s) && before.last().endsWith(u"/a.vol"_s));
    reopen();
    window().Form_Load();
    QCOMPARE(recentItems(), before);

    QVERIFY(QFile::remove(vol(u"h"_s)));
    QVERIFY2(recentItems().first().endsWith(u"/h.vol (disabled)"_s), qPrintable(recentItems().join('|')));
    run_->control<QAction>("mnuFileRecent8")->trigger();
    QTRY_COMPARE(tabs()->count(), 1);
    QVERIFY(recentItems().first().endsWith(u"/a.vol"_s));
    QVERIFY(messages().isEmpty());
}

// A tab closes by its button or File > Close, forgetting its archive; the tab left keeps its listing and
// selection, and the last one closed leaves the window as it started. The open picker starts in the
// current archive's folder.
void MainWindowTest::tabsCloseAndTheLastLeavesTheStartState()
{
    start({u"Auto List=True"_s});
    const QString elsewhere = environment_.path() + u"/elsewhere/sample.vol"_s;
    QVERIFY(QDir().mkpath(QFileInfo(elsewhere).path()) && QFile::copy(sample(), elsewhere));
    openSample(sample());
    openSample(elsewhere);
    QCOMPARE(run_->fakes.files.asked().at(0).startFolder, QString());
    QCOMPARE(run_->fakes.files.asked().at(1).startFolder, samples());
    QCOMPARE(tabs()->count(), 2);
    list()->item(2)->setSelected(true);
    QVERIFY(run_->enabled("mnuFileClose"));
    QCOMPARE(run_->control<QAction>("mnuFileClose")->shortcut(), QKeySequence(u"Ctrl+W"_s));

    QAbstractButton* closeFirst = nullptr;
    for (const QTabBar::ButtonPosition side : {QTabBar::LeftSide, QTabBar::RightSide}) {
        if (auto* button = qobject_cast<QAbstractButton*>(tabs()->tabButton(0, side)))
            closeFirst = button;
    }
    QVERIFY(closeFirst && !closeFirst->accessibleName().isEmpty());
    closeFirst->click();
    QCOMPARE(tabs()->count(), 1);
    QCOMPARE(run_->core.Vols.VolCount(), 1);
    QCOMPARE(run_->core.Vols.current()->FilePath, elsewhere);
    QCOMPARE(shownNames(), sampleNames_);
    QCOMPARE(selectedNames(), QStringList{sampleNames_.at(2)});
    QCOMPARE(text("lblFiles"), QString::number(sampleNames_.size()));
    openSample(sample());
    QCOMPARE(run_->fakes.files.asked().at(2).startFolder, QFileInfo(elsewhere).path());

    run_->control<QAction>("mnuFileClose")->trigger();
    QCOMPARE(run_->core.Vols.current()->FilePath, elsewhere);
    QCOMPARE(shownNames(), sampleNames_);
    run_->control<QAction>("mnuFileClose")->trigger();
    QCOMPARE(tabs()->count(), 0);
    QCOMPARE(run_->core.Vols.VolCount(), 0);
    QVERIFY(list()->count() == 0 && text("lblFiles") == u"######"_s && text("lblSelected") == u"######"_s);
    for (const char* name : {"cmdSelect", "cmdNone", "cmdPreview", "cmdExtract", "cmdPalette", "cmdConvert",
                             "mnuFileGetList", "mnuFileExtract", "mnuFilePreview", "mnuFileClose", "List"})
        QVERIFY2(!run_->enabled(name), name);
    QVERIFY(messages().isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
