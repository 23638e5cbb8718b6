#include "VolArchive.h"
#include "archive/ToolRunner.h"
#include "archive/frmExtract.h"
#include "picture/frmPreview.h"
#include "preview/frmPalExtract.h"
#include "preview/frmScript.h"
#include "preview/frmSound.h"
#include "support/FailureRows.h"
#include "support/MainWindowRun.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTest>
#include <QUrl>
#include <memory>

using namespace Qt::StringLiterals;

// The main window's object list and the archive commands, with the stand-in game tools. Which
// commands a selection allows is tested on SelectionRules in tst_rules.
class ObjectListTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { start({u"Auto Preview=False"_s}); }
    void cleanup() { run_.reset(); }
    void rulesFollowEveryClickAndCurrentRowMove();
    void openListAndSwitchTabs();
    void listingProblemsWarn();
    void extractsTheRowsShownAndReportsEveryFailure();
    void extractionProgressAndOrder();
    void dragsSelectedObjectsOutAsFiles();
    void commandLineAndDrop();
    void eachKindOpensItsWindow();
    void filterShowsRowsInArchiveOrderAndBringsBackTheirSelection();
    void recentArchivesNewestFirstOnceEachAndAtMostEight();

private:
    void start(const QStringList& settings);
    QString ini() const { return environment_.path() + u"/Kadrillo.ini"_s; }
    frmMain& window() const { return run_->window; }
    QListWidget* list() const { return run_->control<QListWidget>("lstList"); }
    QTabBar* tabs() const { return run_->control("TabStrip1")->findChild<QTabBar*>(); }
    QString text(const char* label) const { return run_->control<QLabel>(label)->text(); }
    QStringList messages() const { return run_->fakes.messages.texts(); }
    void openSample(const QString& path);
    void filter(const QString& typed);
    QStringList shownNames() const;
    QStringList selectedNames() const;
    QStringList namesEndingIn(const QString& end) const;
    // The visible recent archives of the File menu, as it is about to show them.
    QStringList recentItems() const;
    QString sample() const { return environment_.path() + u"/sample/sample.vol"_s; }
    QString work() const { return environment_.path() + u"/work"_s; }
    QString out() const { return environment_.path() + u"/out/new"_s; }
    QByteArray bytesOf(const QString& name) const;

    TestEnvironment environment_;
    std::vector<VolEntry> sampleEntries_;
    QStringList sampleNames_; // in the archive's order
    std::unique_ptr<MainWindowRun> run_;
};

void ObjectListTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    const QString made = TestEnvironment::makeSamples(environment_.path() + u"/sample"_s);
    QVERIFY2(made.isEmpty(), qPrintable(made));
    std::string error;
    QVERIFY2(VolArchive::read(sample().toStdString(), sampleEntries_, error), error.c_str());
    for (const VolEntry& entry : sampleEntries_)
        sampleNames_.append(QString::fromStdString(entry.name));
}

void ObjectListTest::start(const QStringList& settings)
{
    run_.reset();
    QDir(work()).removeRecursively();
    QDir(environment_.path() + u"/out"_s).removeRecursively();
    MainWindowRun::writeSettings(
        ini(), QStringList{u"Extract Path=" KADRILLO_STANDIN_DIR "/extract.exe"_s,
                           u"Vtlist Path=" KADRILLO_STANDIN_DIR "/vtlist.exe"_s, u"Temp Path="_s + work(),
                           u"Dest Path="_s + out(),
                           u"Default Palette="_s + environment_.path() + u"/sample/base.pal"_s} +
                   settings);
    run_ = std::make_unique<MainWindowRun>(ini());
    window().Form_Load();
    QVERIFY2(messages().isEmpty(), qPrintable(messages().join('|')));
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
}

QByteArray ObjectListTest::bytesOf(const QString& name) const
{
    const VolEntry& entry = sampleEntries_.at(std::size_t(sampleNames_.indexOf(name)));
    return QByteArray(reinterpret_cast<const char*>(entry.data.data()), qsizetype(entry.data.size()));
}

void ObjectListTest::openSample(const QString& path)
{
    run_->fakes.files.willPick(path);
    window().mnuFileOpen_Click();
}

void ObjectListTest::filter(const QString& typed)
{
    run_->control<QLineEdit>("filterBox")->clear();
    QTest::keyClicks(run_->control<QLineEdit>("filterBox"), typed);
}

QStringList ObjectListTest::shownNames() const
{
    QStringList names;
    for (int row = 0; row < list()->count(); ++row) {
        if (!list()->isRowHidden(row))
            names.append(list()->item(row)->text());
    }
    return names;
}

QStringList ObjectListTest::selectedNames() const
{
    QStringList names;
    for (const QListWidgetItem* item : list()->selectedItems())
        names.append(item->text());
    names.sort();
    return names;
}

QStringList ObjectListTest::namesEndingIn(const QString& end) const
{
    QStringList names;
    for (const QString& name : sampleNames_) {
        if (name.endsWith(end, Qt::CaseInsensitive))
            names.append(name);
    }
    return names;
}

QStringList ObjectListTest::recentItems() const
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

// The rules look at the current row, so moving it alone (Ctrl+arrow) must run them and set every
// control they govern, as must Select All and None; a click on the selected row runs them again,
// Auto Preview included, and one click previews once.
void ObjectListTest::rulesFollowEveryClickAndCurrentRowMove()
{
    QVERIFY(window().AddVol(u"/nowhere/test.vol"_s, u"test.vol"_s));
    run_->state.Vols.current()->ObjectNames = QStringList{"a.bmp", "pal.ppl", "ghost.bmp"};
    run_->state.Vols.current()->Listed = true;
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
    QVERIFY(run_->control<QPushButton>("cmdExtract")->isDefault());

    QTest::mouseClick(run_->control<QPushButton>("cmdSelect"), Qt::LeftButton);
    QCOMPARE(text("lblSelected"), u"3"_s);
    QVERIFY(!run_->enabled("cmdSelect") && run_->enabled("cmdNone") && run_->enabled("cmdExtract"));
    QTest::mouseClick(run_->control<QPushButton>("cmdNone"), Qt::LeftButton);
    QCOMPARE(text("lblSelected"), u"0"_s);
    QVERIFY(run_->enabled("cmdSelect") && !run_->enabled("cmdNone") && !run_->enabled("cmdExtract"));

    // ghost.bmp is not in the archive: each preview of it ends in one message.
    run_->state.settings.AutoPreview = true;
    const QPoint ghost = rows->visualItemRect(rows->item(2)).center();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, ghost);
    QCOMPARE(messages().size(), 1);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, ghost);
    QCOMPARE(messages().size(), 2);
    QCOMPARE(text("lblSelected"), u"1"_s);
}

void ObjectListTest::openListAndSwitchTabs()
{
    // Nothing open: no tab to show, and the commands do nothing.
    window().showVol(1);
    window().showVol(-3);
    QCOMPARE(text("lblFiles"), u"######"_s);
    QVERIFY(!run_->enabled("mnuFileGetList"));
    window().mnuFileGetList_Click();
    window().cmdExtract_Click();
    run_->fakes.files.willCancel();
    run_->control<QAction>("Open")->trigger();
    QCOMPARE(run_->fakes.files.asked().last().title, u"Open VOL file"_s);
    QCOMPARE(run_->fakes.files.asked().last().filter, u"VOL Files (*.vol)"_s);
    QCOMPARE(tabs()->count(), 0);
    QVERIFY(messages().isEmpty());

    openSample(sample());
    QVERIFY2(messages().isEmpty(), qPrintable(messages().join('|')));
    QCOMPARE(shownNames(), sampleNames_);
    QCOMPARE(text("lblFiles"), QString::number(sampleNames_.size()));
    QCOMPARE(text("lblSelected"), u"0"_s);
    QVERIFY(!run_->enabled("mnuFileGetList") && !run_->enabled("List"));

    QVERIFY(window().AddVol(u"/nowhere/second.vol"_s, u"second.vol"_s));
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(list()->count(), 0);
    QVERIFY(run_->enabled("mnuFileGetList") && run_->enabled("List"));
    tabs()->setCurrentIndex(0);
    QCOMPARE(list()->count(), sampleNames_.size());
    QVERIFY(!run_->enabled("mnuFileGetList") && !run_->enabled("List"));
    tabs()->setCurrentIndex(1);
    QCOMPARE(list()->count(), 0);
}

// An archive gone since it was opened is said so before anything runs, and a listing left from
// before must not pass for another archive's.
void ObjectListTest::listingProblemsWarn()
{
    start({u"Auto List=False"_s, u"Auto Preview=False"_s});
    const QString garbage = environment_.path() + u"/garbage.vol"_s;
    TestEnvironment::writeFile(garbage, "this is not an archive");
    openSample(garbage);
    const QString copy = environment_.path() + u"/soon gone.vol"_s;
    QFile::copy(sample(), copy);
    openSample(copy);
    QFile::remove(copy);
    run_->control<QAction>("List")->trigger();
    const QString problem = u"There is a problem with the vol file, or it is not a vaild vol file."_s;
    QCOMPARE(messages(), (QStringList{u"Cannot find the volume file."_s, problem}));
    QCOMPARE(run_->fakes.messages.shown().first().icon, MessageBoxes::Icon::Critical);
    QVERIFY(!QFile::exists(work() + u"/vtlist.bat"_s));

    TestEnvironment::writeFile(work() + u"/results.dat"_s, "Volume contents\r\nstale.cs\r\n");
    tabs()->setCurrentIndex(0);
    run_->control<QAction>("List")->trigger();
    QCOMPARE(messages(), (QStringList{u"Cannot find the volume file."_s, problem, problem}));
    QCOMPARE(run_->fakes.messages.shown().last().title, u"Warning!"_s);
    QCOMPARE(run_->fakes.messages.shown().last().icon, MessageBoxes::Icon::Exclamation);
    QCOMPARE(list()->count(), 0);
    QVERIFY(run_->enabled("mnuFileGetList"));
    QVERIFY(run_->state.Vols.current()->Listed);
}

// A range picked with Shift, Select All and the extraction they lead to never take in a hidden row.
// Two of the rows shown are names that fail: the others are written whole, and the failure table
// lists the failures.
void ObjectListTest::extractsTheRowsShownAndReportsEveryFailure()
{
    openSample(sample());
    run_->state.Vols.current()->ObjectNames << u"ghost.cs"_s << u"../escape.cs"_s;
    window().showVol(1);
    QStringList scripts = namesEndingIn(u".cs"_s);
    filter(u"*.cs"_s);
    QCOMPARE(shownNames(), scripts + QStringList({u"ghost.cs"_s, u"../escape.cs"_s}));
    QVERIFY(scripts.size() >= 2 && shownNames().size() < list()->count());
    const QListWidgetItem* first = list()->item(int(sampleNames_.indexOf(scripts.first())));
    const QListWidgetItem* last = list()->item(list()->count() - 1);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(first).center());
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      list()->visualItemRect(last).center());
    QStringList shown = shownNames();
    shown.sort();
    QCOMPARE(selectedNames(), shown);
    run_->control<QPushButton>("cmdNone")->click();
    run_->control<QPushButton>("cmdSelect")->click();
    QCOMPARE(text("lblSelected"), QString::number(shown.size()));
    QCOMPARE(list()->currentItem(), last);

    QStringList failures;
    run_->fakes.dialogs.willAnswer([&failures](QDialog& table) { failures = failureRows(table); });
    QTest::keyClick(list(), Qt::Key_Return); // Extract is the default button with several rows
    QVERIFY2(messages().isEmpty(), qPrintable(messages().join('|')));
    QCOMPARE(failures, (QStringList{u"ghost.cs | tool wrote nothing | extract.exe ended with code 1"_s,
                                    u"../escape.cs | refused name | it holds the character /"_s}));
    QVERIFY(!QFile::exists(environment_.path() + u"/out/escape.cs"_s));
    scripts.sort();
    QCOMPARE(QDir(out()).entryList(QDir::Files, QDir::Name), scripts);
    for (const QString& name : scripts)
        QCOMPARE(TestEnvironment::readFile(out() + u'/' + name), bytesOf(name));
}

void ObjectListTest::extractionProgressAndOrder()
{
    const QString calls = environment_.path() + u"/calls.txt"_s;
    TestEnvironment::writeFile(work() + u"/extract.exe"_s,
                               "#!/bin/sh\nprintf '%s\\n' \"$2\" >> \"" + QFile::encodeName(calls) +
                                   "\"\nprintf x > \"$2\"\n",
                               true);
    VolRecord vol{u"sample.vol"_s, sample(), {}, true};
    for (int i = 0; i < 10; ++i)
        vol.ObjectNames << u"object%1.cs"_s.arg(i);
    frmExtract progress(&window(), vol, {1, 3, 5}, out(), window().toolRunner(), run_->fakes.seams());
    QList<int> values;
    connect(progress.findChild<QProgressBar*>(u"ProgressBar1"_s), &QProgressBar::valueChanged, this,
            [&values](int value) { values.append(value); });
    progress.exec();
    QCOMPARE(values, (QList<int>{33, 67, 100}));
    QCOMPARE(progress.findChild<QLabel*>(u"lblProgress"_s)->text(), u"File 3 of 3"_s);
    // The tool writes into the staging folder; each whole file then replaces the destination's.
    const QByteArray folder = QFile::encodeName(work() + u"/extracted"_s);
    QCOMPARE(TestEnvironment::readFile(calls),
             folder + "/object1.cs\n" + folder + "/object3.cs\n" + folder + "/object5.cs\n");
    QCOMPARE(QDir(out()).entryList(QDir::Files).size(), 3);
    QVERIFY(messages().isEmpty());
}

// The rows dragged go out as files holding the archive's bytes, in a folder that goes with the
// program; a refused name is named in a warning. While a tool is waited for, nothing is dragged out,
// extracted or listed.
void ObjectListTest::dragsSelectedObjectsOutAsFiles()
{
    openSample(sample());
    run_->state.Vols.current()->ObjectNames << u"../escape.cs"_s;
    window().showVol(1);
    for (const int row : {0, 2, 4, int(sampleNames_.size())})
        list()->item(row)->setSelected(true);
    const QModelIndexList selected = list()->selectionModel()->selectedRows();
    const std::unique_ptr<QMimeData> data(list()->model()->mimeData(selected));
    QVERIFY(data && data->hasFormat(u"text/uri-list"_s));
    const QString refused =
        u"These objects could not be dragged out:\n../escape.cs: it holds the character /"_s;
    QCOMPARE(messages(), QStringList{refused});
    QStringList names;
    for (const QUrl& url : data->urls()) {
        names.append(QFileInfo(url.toLocalFile()).fileName());
        QCOMPARE(TestEnvironment::readFile(url.toLocalFile()), bytesOf(names.last()));
    }
    QCOMPARE(names, (QStringList{sampleNames_.at(0), sampleNames_.at(2), sampleNames_.at(4)}));
    // The mouse's drag goes the same way.
    QVERIFY(QFile::remove(data->urls().first().toLocalFile()));
    const QPoint from = list()->visualItemRect(list()->item(0)).center();
    QTest::mousePress(list()->viewport(), Qt::LeftButton, {}, from);
    const QPoint to = from + QPoint(0, 2 * QApplication::startDragDistance());
    QMouseEvent move(QEvent::MouseMove, to, list()->viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(list()->viewport(), &move); // the view makes ready to drag
    QApplication::sendEvent(list()->viewport(), &move); // and drags
    QTest::mouseRelease(list()->viewport(), Qt::LeftButton, {}, to);
    QVERIFY(QFile::exists(data->urls().first().toLocalFile()));

    TestEnvironment::writeFile(work() + u"/sleeper.exe"_s, "#!/bin/sh\nsleep 0.3\n", true);
    ToolRunner& runner = window().toolRunner();
    QProcess* sleeper = runner.StartToolCommand(u"\"%1/sleeper.exe\""_s.arg(work()));
    QVERIFY(sleeper);
    QVERIFY(!list()->model()->mimeData(selected));
    window().cmdExtract_Click();
    window().mnuFileGetList_Click();
    runner.WaitForProcess(sleeper);
    QVERIFY(!QDir(out()).exists());
    QCOMPARE(messages(), (QStringList{refused, refused}));
    const QString staging = QFileInfo(data->urls().first().toLocalFile()).absolutePath();
    run_.reset();
    QVERIFY(!QFileInfo::exists(staging));
}

void ObjectListTest::commandLineAndDrop()
{
    const QString spaced = environment_.path() + u"/My Vols/sample copy.vol"_s;
    QDir().mkpath(QFileInfo(spaced).absolutePath());
    QFile::copy(sample(), spaced);
    const QString quoted = environment_.path() + u"/my\"odd.vol"_s;
    QFile::copy(sample(), quoted);
    const QString missing = environment_.path() + u"/missing.vol"_s;
    window().setArchivePaths({spaced, quoted, missing});
    window().OpenCommandLine();
    QCOMPARE(tabs()->count(), 3);
    QCOMPARE(tabs()->tabText(1), u"my\"odd.vol"_s);
    QCOMPARE(run_->state.Vols.record(1)->ObjectNames, sampleNames_);
    QCOMPARE(run_->state.Vols.record(2)->ObjectNames, sampleNames_);
    QCOMPARE(messages().first(), u"Cannot find the volume file."_s);
    QCOMPARE(list()->count(), 0); // the last one opened is shown

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(sample()), QUrl::fromLocalFile(environment_.path() + u"/notes.txt"_s)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window(), &drop);
    QTRY_COMPARE(tabs()->count(), 4);
    QTRY_COMPARE(list()->count(), sampleNames_.size());
    QCOMPARE(text("lblFiles"), QString::number(sampleNames_.size()));
    // Both ways count as opened for the File menu's recent archives.
    QCOMPARE(recentItems(), (QStringList{u"&1 "_s + sample(), u"&2 "_s + missing + u" (disabled)"_s,
                                         u"&3 "_s + quoted, u"&4 "_s + spaced}));
}

namespace {

template <typename Window> Window* shownWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<Window*>(widget); found && found->isVisible())
            return found;
    }
    return nullptr;
}

} // namespace

void ObjectListTest::eachKindOpensItsWindow()
{
    start({u"Auto Preview=True"_s, u"Palette Path="_s + environment_.path() + u"/sample"_s});
    // The picture window starts from the program's own base.pal.
    QDir().mkpath(environment_.dataHome() + u"/Kadrillo"_s);
    QFile::copy(environment_.path() + u"/sample/base.pal"_s,
                environment_.dataHome() + u"/Kadrillo/base.pal"_s);
    openSample(sample());
    run_->state.Vols.current()->ObjectNames << u"ghost.bmp"_s;
    window().showVol(1);
    // Auto Preview is on: making a row current previews it.
    const auto select = [this](const QString& name) {
        list()->setCurrentItem(list()->findItems(name, Qt::MatchExactly).value(0));
    };
    // The captions, which name the object, are checked with the preview command in tst_previews.
    select(u"sky.bmp"_s);
    auto* preview = shownWindow<frmPreview>();
    QVERIFY(preview);
    QCOMPARE(preview->windowTitle(), u"Preview (sky.bmp)"_s);
    QVERIFY(run_->control<QAction>("mnuToolbarsPreview")->isChecked());
    // Found by the PBMP's palette number under the Palette Path setting.
    QVERIFY(run_->state.Picture.PaletteFile.endsWith(u"/2.pal"_s));

    select(u"fanfare.wav"_s);
    auto* sound = shownWindow<frmSound>();
    QVERIFY(sound);
    QVERIFY(run_->control<QAction>("mnuToolbarsSound")->isChecked());

    select(u"mission.cs"_s);
    auto* script = shownWindow<frmScript>();
    QVERIFY(script);
    // Hidden from its menu item or closed, a window clears the item's check mark.
    auto* scriptItem = run_->control<QAction>("mnuToolbarsScript");
    scriptItem->trigger();
    QVERIFY(!script->isVisible() && !scriptItem->isChecked());
    sound->close();
    QVERIFY(!run_->control<QAction>("mnuToolbarsSound")->isChecked());

    // An object the tool cannot extract is said so, and the last picture is not shown under its name.
    select(u"ghost.bmp"_s);
    QCOMPARE(messages(), QStringList{"extract.exe did not extract ghost.bmp."});
    QCOMPARE(preview->windowTitle(), u"Preview (sky.bmp)"_s);
    QVERIFY(!QFile::exists(work() + u"/temp.bmp"_s));
    preview->close();
    script->close();

    // A palette list is not previewed; Extract Palettes opens the extractor on the list from the archive.
    select(u"gui.ppl"_s);
    QTest::mouseClick(run_->control<QPushButton>("cmdPalette"), Qt::LeftButton);
    auto* extractor = shownWindow<frmPalExtract>();
    QVERIFY(extractor);
    QCOMPARE(extractor->lblName->text() + u' ' + extractor->lblStatus->text(), u"gui.ppl Palette 1 of 3"_s);
    auto* extractorItem = run_->control<QAction>("mnuToolsExtract");
    QVERIFY(extractorItem->isChecked());
    extractor->cmdExtract->click();
    QCOMPARE(QFileInfo(out() + u"/gui/1.pal"_s).size(), 1048);
    extractor->close();
    QVERIFY(!extractorItem->isChecked());
}

// The filter keeps the archive's count, and the rows shown keep their order and their row numbers;
// Ctrl+F reaches the box, and Escape clears it and brings back what was selected before, rows hidden
// in between included. The matching rule itself is tested on ObjectFilter in tst_rules.
void ObjectListTest::filterShowsRowsInArchiveOrderAndBringsBackTheirSelection()
{
    openSample(sample());
    const QStringList pictures = namesEndingIn(u".bmp"_s);
    QVERIFY(pictures.size() >= 3 && pictures.size() < sampleNames_.size());
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

    filter(u"sKy"_s);
    QCOMPARE(shownNames(), QStringList{u"sky.bmp"_s});
    QCOMPARE(text("lblSelected"), u"0"_s);
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
    QCOMPARE(selectedNames(), (QStringList{pictures.at(1), u"mission.cs"_s}));
    QCOMPARE(text("lblSelected"), u"2"_s);
}

// Opening again moves an archive to the top, and the ninth falls off; a restart shows the same list
// and leaves the twelve settings as they were. An archive gone shows disabled; an item reopens.
void ObjectListTest::recentArchivesNewestFirstOnceEachAndAtMostEight()
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
    run_.reset();
    run_ = std::make_unique<MainWindowRun>(ini()); // the list is kept in the same settings file
    window().Form_Load();
    QCOMPARE(recentItems(), before);
    QSettings written(ini(), QSettings::IniFormat);
    QCOMPARE(written.childGroups(), (QStringList{u"Export"_s, u"Recent Archives"_s, u"Settings"_s}));
    written.beginGroup(u"Settings"_s);
    QCOMPARE(written.childKeys().size(), 12);

    QVERIFY(QFile::rename(vol(u"a"_s), vol(u"gone"_s)));
    const QStringList gone = recentItems();
    QVERIFY(QFile::rename(vol(u"gone"_s), vol(u"a"_s)));
    QVERIFY2(gone.last().endsWith(u"/a.vol (disabled)"_s), qPrintable(gone.join('|')));
    QVERIFY2(!recentItems().last().endsWith(u"(disabled)"_s),
             "back in place, the archive can be opened again");
    run_->control<QAction>("mnuFileRecent8")->trigger();
    QTRY_COMPARE(tabs()->count(), 1);
    QCOMPARE(tabs()->tabText(0), u"a.vol"_s);
    QVERIFY(recentItems().first().endsWith(u"/a.vol"_s));
    QVERIFY(messages().isEmpty());
}

QTEST_MAIN(ObjectListTest)
#include "tst_objectlist.moc"
