#include "VolArchive.h"
#include "app/frmMain.h"
#include "archive/ToolRunner.h"
#include "archive/frmExtract.h"
#include "picture/PictureBox.h"
#include "picture/frmPreview.h"
#include "platform/SettingsStore.h"
#include "support/FakeSeams.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <memory>

// The main window's object list and the archive commands, with the stand-in game tools.
class ObjectListTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void selectionRules_data();
    void selectionRules();
    void selectAllAndNone();
    void rulesFollowEveryClickAndCurrentRowMove();
    void tabSwitching();
    void nothingOpen();
    void toolbarOpenCancelled();
    void openAndList();
    void emptyListingWarns();
    void vanishedArchive();
    void extractsSelectedObjects();
    void extractionReportsEveryFailure();
    void extractionProgressAndOrder();
    void noSecondToolRunWhileOneIsWaitedFor();
    void commandLineAndDrop();
    void autoPreviewShowsAPicture();

private:
    template <typename T> T* widget(const char* name) const
    {
        T* found = window_->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QListWidget* list() const { return widget<QListWidget>("lstList"); }
    bool enabled(const char* name) const;
    void showNames(const QStringList& names);
    void openSample(const QString& path);
    void start(const QStringList& settings = {});
    QString sample() const { return environment_.path() + QStringLiteral("/sample/sample.vol"); }
    QString work() const { return environment_.path() + QStringLiteral("/work"); }
    QString out() const { return environment_.path() + QStringLiteral("/out/new"); }

    TestEnvironment environment_;
    AppState state_;
    std::unique_ptr<SettingsStore> store_;
    FakeSeams fakes_;
    std::unique_ptr<frmMain> window_;
};

void ObjectListTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    QCOMPARE(QProcess::execute(QStringLiteral(KADRILLO_BIN_DIR "/make-sample-vol"),
                               {environment_.path() + QStringLiteral("/sample")}),
             0);
}

void ObjectListTest::init()
{
    QDir(work()).removeRecursively();
    QDir(environment_.path() + QStringLiteral("/out")).removeRecursively();
    start({QStringLiteral("Auto Preview=False")});
}

void ObjectListTest::start(const QStringList& settings)
{
    window_.reset();
    const QString ini = environment_.path() + QStringLiteral("/Kadrillo.ini");
    QFile::remove(ini);
    {
        QSettings written(ini, QSettings::IniFormat);
        written.beginGroup(QStringLiteral("Settings"));
        written.setValue(QStringLiteral("Extract Path"), QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"));
        written.setValue(QStringLiteral("Vtlist Path"), QStringLiteral(KADRILLO_STANDIN_DIR "/vtlist.exe"));
        written.setValue(QStringLiteral("Temp Path"), work());
        written.setValue(QStringLiteral("Dest Path"), out());
        written.setValue(QStringLiteral("Default Palette"),
                         environment_.path() + QStringLiteral("/sample/base.pal"));
        for (const QString& line : settings)
            written.setValue(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    store_ = std::make_unique<SettingsStore>(ini);
    state_ = AppState();
    fakes_.messages.clear();
    window_ = std::make_unique<frmMain>(state_, *store_, fakes_.seams());
    window_->Form_Load();
    QVERIFY2(fakes_.messages.shown().isEmpty(), qPrintable(fakes_.messages.texts().join('|')));
    fakes_.messages.clear();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void ObjectListTest::cleanup()
{
    window_.reset();
}

bool ObjectListTest::enabled(const char* name) const
{
    if (const auto* button = window_->findChild<QPushButton*>(QLatin1String(name)))
        return button->isEnabled();
    if (const QAction* item = window_->findChild<QAction*>(QLatin1String(name)))
        return item->isEnabled();
    qFatal("no control %s", name);
}

void ObjectListTest::showNames(const QStringList& names)
{
    QVERIFY(window_->AddVol(QStringLiteral("/nowhere/test.vol"), QStringLiteral("test.vol")));
    VolRecord* vol = state_.Vols.current();
    vol->ObjectNames = names;
    vol->Listed = true;
    window_->showVol(state_.Vols.CurrentVol);
}

void ObjectListTest::openSample(const QString& path)
{
    fakes_.files.willPick(path);
    window_->mnuFileOpen_Click();
}

void ObjectListTest::selectionRules_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("current");
    // Enabled commands: Extract, View (preview), List of palettes, Convert, All, None.
    QTest::addColumn<QString>("expected");
    const QStringList names{"a.BMP", "x.bmp", "pal.ppl", "run.cs", "ab", "TAUNT1.WAV", "docs", "skybmp"};
    QTest::newRow("one picture") << names << QList<int>{0} << 0 << "EVCAN";
    QTest::newRow("two rows, current is a picture") << names << QList<int>{0, 1} << 1 << "ECAN";
    QTest::newRow("one palette list") << names << QList<int>{2} << 2 << "ELAN";
    QTest::newRow("one script") << names << QList<int>{3} << 3 << "EVAN";
    QTest::newRow("short name: kind ab") << names << QList<int>{4} << 4 << "EAN";
    QTest::newRow("one sound, capitals") << names << QList<int>{5} << 5 << "EVAN";
    QTest::newRow("docs has no dot") << names << QList<int>{6} << 6 << "EAN";
    QTest::newRow("skybmp is a picture") << names << QList<int>{7} << 7 << "EVCAN";
    QTest::newRow("everything, current is a palette list")
        << names << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << 2 << "EN";
}

void ObjectListTest::selectionRules()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, selected);
    QFETCH(int, current);
    QFETCH(QString, expected);
    showNames(names);
    QListWidget* rows = list();
    rows->setCurrentRow(current, QItemSelectionModel::NoUpdate);
    for (const int row : selected)
        rows->item(row)->setSelected(true);

    QString actual;
    const std::pair<const char*, char> commands[] = {{"cmdExtract", 'E'}, {"cmdPreview", 'V'},
                                                     {"cmdPalette", 'L'}, {"cmdConvert", 'C'},
                                                     {"cmdSelect", 'A'},  {"cmdNone", 'N'}};
    for (const auto& [name, letter] : commands) {
        if (enabled(name))
            actual += QLatin1Char(letter);
    }
    QCOMPARE(actual, expected);

    const bool extract = expected.contains(QLatin1Char('E'));
    const bool preview = expected.contains(QLatin1Char('V'));
    QCOMPARE(enabled("mnuFileExtract"), extract);
    QCOMPARE(window_->toolbarButton(QStringLiteral("Extract"))->isEnabled(), extract);
    QCOMPARE(enabled("mnuFilePreview"), preview);
    QCOMPARE(window_->toolbarButton(QStringLiteral("Preview"))->isEnabled(), preview);
    QCOMPARE(widget<QPushButton>("cmdPreview")->isDefault(), preview);
    QCOMPARE(widget<QPushButton>("cmdExtract")->isDefault(), !preview);
    QCOMPARE(widget<QLabel>("lblSelected")->text(), QString::number(selected.size()));
}

void ObjectListTest::selectAllAndNone()
{
    showNames({"a.cs", "b.cs", "c.cs"});
    widget<QPushButton>("cmdSelect")->setEnabled(true);
    QTest::mouseClick(widget<QPushButton>("cmdSelect"), Qt::LeftButton);
    QCOMPARE(widget<QLabel>("lblSelected")->text(), QStringLiteral("3"));
    QVERIFY(!enabled("cmdSelect"));
    QVERIFY(enabled("cmdNone"));
    QVERIFY(enabled("cmdExtract"));
    QVERIFY(!enabled("cmdPreview"));

    QTest::mouseClick(widget<QPushButton>("cmdNone"), Qt::LeftButton);
    QCOMPARE(widget<QLabel>("lblSelected")->text(), QStringLiteral("0"));
    QVERIFY(enabled("cmdSelect"));
    QVERIFY(!enabled("cmdNone"));
    QVERIFY(!enabled("cmdExtract"));
}

// The rules look at the current row, so moving it alone (Ctrl+arrow) must run them; a click on
// the selected row runs them again, Auto Preview included, and one click previews once.
void ObjectListTest::rulesFollowEveryClickAndCurrentRowMove()
{
    showNames({"a.bmp", "pal.ppl", "ghost.bmp"});
    QListWidget* rows = list();
    rows->setFocus();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(rows->item(0)).center());
    QVERIFY(enabled("cmdPreview"));
    QVERIFY(enabled("cmdConvert"));
    QVERIFY(!enabled("cmdPalette"));

    QTest::keyClick(rows, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(rows->currentRow(), 1);
    QCOMPARE(rows->selectedItems().size(), 1);
    QVERIFY(!enabled("cmdPreview"));
    QVERIFY(!enabled("mnuFilePreview"));
    QVERIFY(!enabled("cmdConvert"));
    QVERIFY(enabled("cmdPalette"));
    QVERIFY(widget<QPushButton>("cmdExtract")->isDefault());

    // ghost.bmp is not in the archive: each preview of it ends in one message.
    state_.settings.AutoPreview = true;
    const QPoint ghost = rows->visualItemRect(rows->item(2)).center();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, ghost);
    QCOMPARE(fakes_.messages.shown().size(), 1);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, ghost);
    QCOMPARE(fakes_.messages.shown().size(), 2);
    QCOMPARE(widget<QLabel>("lblSelected")->text(), QStringLiteral("1"));
}

void ObjectListTest::tabSwitching()
{
    showNames({"a.cs", "b.cs"});
    widget<QLabel>("lblFiles")->setText(QStringLiteral("2"));
    QVERIFY(window_->AddVol(QStringLiteral("/nowhere/second.vol"), QStringLiteral("second.vol")));
    QTabBar* tabs = widget<QWidget>("TabStrip1")->findChild<QTabBar*>();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(1), QStringLiteral("second.vol"));
    QCOMPARE(list()->count(), 0);
    QVERIFY(enabled("mnuFileGetList"));
    QVERIFY(window_->toolbarButton(QStringLiteral("List"))->isEnabled());

    tabs->setCurrentIndex(0);
    QCOMPARE(state_.Vols.CurrentVol, 1);
    QCOMPARE(list()->count(), 2);
    QVERIFY(!enabled("mnuFileGetList"));
    QVERIFY(!window_->toolbarButton(QStringLiteral("List"))->isEnabled());
    QVERIFY(!enabled("cmdSelect"));
    QCOMPARE(widget<QLabel>("lblFiles")->text(), QStringLiteral("2"));

    tabs->setCurrentIndex(1);
    QCOMPARE(list()->count(), 0);
    QVERIFY(enabled("mnuFileGetList"));
    QVERIFY(enabled("cmdSelect"));
}

void ObjectListTest::nothingOpen()
{
    window_->showVol(1);
    window_->showVol(-3);
    QCOMPARE(list()->count(), 0);
    QCOMPARE(widget<QLabel>("lblFiles")->text(), QStringLiteral("######"));
    QCOMPARE(widget<QLabel>("lblSelected")->text(), QStringLiteral("######"));
    QVERIFY(!enabled("mnuFileGetList"));
    window_->mnuFileGetList_Click();
    window_->cmdExtract_Click();
    QVERIFY(fakes_.messages.shown().isEmpty());
}

void ObjectListTest::toolbarOpenCancelled()
{
    fakes_.files.willCancel();
    window_->toolbarButton(QStringLiteral("Open"))->trigger();
    QCOMPARE(fakes_.files.asked().last().title, QStringLiteral("Open VOL file"));
    QCOMPARE(fakes_.files.asked().last().filter, QStringLiteral("VOL Files (*.vol)"));
    QCOMPARE(state_.Vols.VolCount(), 0);
    QCOMPARE(widget<QWidget>("TabStrip1")->findChild<QTabBar*>()->count(), 0);
    QVERIFY(
        widget<QStatusBar>("StatusBar1")->findChild<QLabel*>(QStringLiteral("StatusText"))->text().isEmpty());
}

void ObjectListTest::openAndList()
{
    openSample(sample());
    QVERIFY2(fakes_.messages.shown().isEmpty(), qPrintable(fakes_.messages.texts().join('|')));
    QCOMPARE(list()->count(), 12);
    QCOMPARE(list()->item(0)->text(), QStringLiteral("readme.cs"));
    QCOMPARE(widget<QLabel>("lblFiles")->text(), QStringLiteral("12"));
    QCOMPARE(widget<QLabel>("lblSelected")->text(), QStringLiteral("0"));
    QVERIFY(!enabled("mnuFileGetList"));
    QVERIFY(enabled("cmdSelect"));
    QVERIFY(state_.Vols.current()->Listed);
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/vtlist.bat")),
             "@echo off\r\nc:\r\ncd " + QFile::encodeName(work()) +
                 "\r\nvtlist.exe *.* temp.vol >results.dat\r\nexit\r\n");
    QVERIFY(TestEnvironment::readFile(work() + QStringLiteral("/results.dat")).startsWith("Volume contents"));
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/temp.vol")),
             TestEnvironment::readFile(sample()));

    openSample(sample());
    QCOMPARE(state_.Vols.VolCount(), 2);
    QCOMPARE(widget<QWidget>("TabStrip1")->findChild<QTabBar*>()->tabText(1), QStringLiteral("sample.vol"));
    QCOMPARE(list()->count(), 12);
}

void ObjectListTest::emptyListingWarns()
{
    const QString garbage = environment_.path() + QStringLiteral("/garbage.vol");
    TestEnvironment::writeFile(garbage, "this is not an archive");
    TestEnvironment::writeFile(work() + QStringLiteral("/results.dat"), "Volume contents\r\nstale.cs\r\n");
    openSample(garbage);
    QCOMPARE(fakes_.messages.texts(),
             QStringList{"There is a problem with the vol file, or it is not a vaild vol file."});
    QCOMPARE(fakes_.messages.shown().first().title, QStringLiteral("Warning!"));
    QCOMPARE(fakes_.messages.shown().first().icon, MessageBoxes::Icon::Exclamation);
    QCOMPARE(list()->count(), 0);
    QVERIFY(enabled("mnuFileGetList"));
    QVERIFY(state_.Vols.current()->Listed);
}

void ObjectListTest::vanishedArchive()
{
    start({QStringLiteral("Auto List=False"), QStringLiteral("Auto Preview=False")});
    const QString copy = environment_.path() + QStringLiteral("/soon gone.vol");
    QFile::copy(sample(), copy);
    openSample(copy);
    QCOMPARE(list()->count(), 0);
    QVERIFY(enabled("mnuFileGetList"));
    QFile::remove(copy);
    window_->toolbarButton(QStringLiteral("List"))->trigger();
    QCOMPARE(fakes_.messages.texts(),
             (QStringList{"Cannot find the volume file.",
                          "There is a problem with the vol file, or it is not a vaild vol file."}));
    QCOMPARE(fakes_.messages.shown().first().icon, MessageBoxes::Icon::Critical);
    QVERIFY(!QFile::exists(work() + QStringLiteral("/vtlist.bat")));
}

void ObjectListTest::extractsSelectedObjects()
{
    openSample(sample());
    list()->setCurrentRow(4, QItemSelectionModel::NoUpdate);
    for (const int row : {0, 2, 4})
        list()->item(row)->setSelected(true);
    QTest::keyClick(list(), Qt::Key_Return); // Extract is the default button with three rows
    QVERIFY2(fakes_.messages.shown().isEmpty(), qPrintable(fakes_.messages.texts().join('|')));

    std::vector<VolEntry> entries;
    std::string error;
    QVERIFY(VolArchive::read(sample().toStdString(), entries, error));
    QStringList written = QDir(out()).entryList(QDir::Files);
    written.sort();
    QCOMPARE(written, (QStringList{"pad.bmp", "readme.cs", "sky.bmp"}));
    for (const int row : {0, 2, 4}) {
        const VolEntry& entry = entries.at(std::size_t(row));
        const QByteArray data(reinterpret_cast<const char*>(entry.data.data()), qsizetype(entry.data.size()));
        QCOMPARE(TestEnvironment::readFile(out() + QLatin1Char('/') + QString::fromStdString(entry.name)),
                 data);
    }
}

void ObjectListTest::extractionReportsEveryFailure()
{
    openSample(sample());
    state_.Vols.current()->ObjectNames << QStringLiteral("ghost.cs") << QStringLiteral("../escape.cs");
    window_->showVol(1);
    widget<QPushButton>("cmdSelect")->click();
    widget<QPushButton>("cmdExtract")->click();
    QCOMPARE(fakes_.messages.shown().size(), 1);
    const QString report = fakes_.messages.texts().first();
    QCOMPARE(fakes_.messages.shown().first().title, QStringLiteral("Warning!"));
    QVERIFY2(report.startsWith(QStringLiteral("2 objects could not be extracted:")), qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("ghost.cs: the tool wrote no file")));
    QVERIFY(report.contains(QStringLiteral("../escape.cs: refused")));
    QCOMPARE(QDir(out()).entryList(QDir::Files).size(), 12);
    QVERIFY(!QFile::exists(environment_.path() + QStringLiteral("/out/escape.cs")));
}

void ObjectListTest::extractionProgressAndOrder()
{
    const QString tools = environment_.path() + QStringLiteral("/logging");
    TestEnvironment::writeFile(tools + QStringLiteral("/extract.exe"),
                               "#!/bin/sh\nprintf '%s\\n' \"$2\" >> \"" +
                                   QFile::encodeName(environment_.path()) +
                                   "/calls.txt\"\nprintf x > \"$2\"\n",
                               true);
    QFile::remove(environment_.path() + QStringLiteral("/calls.txt"));
    ToolRunner& runner = window_->toolRunner();
    QVERIFY(QFile::remove(work() + QStringLiteral("/extract.exe")));
    QVERIFY(QFile::copy(tools + QStringLiteral("/extract.exe"), work() + QStringLiteral("/extract.exe")));

    VolRecord vol{QStringLiteral("sample.vol"), sample(), {}, true};
    for (int i = 0; i < 10; ++i)
        vol.ObjectNames << QStringLiteral("object%1.cs").arg(i);
    frmExtract progress(window_.get(), vol, {1, 3, 5}, out(), runner, fakes_.messages);
    QList<int> values;
    connect(progress.findChild<QProgressBar*>(QStringLiteral("ProgressBar1")), &QProgressBar::valueChanged,
            this, [&values](int value) { values.append(value); });
    progress.exec();
    QCOMPARE(values, (QList<int>{33, 67, 100}));
    QCOMPARE(progress.findChild<QLabel*>(QStringLiteral("lblProgress"))->text(),
             QStringLiteral("File 3 of 3"));
    QCOMPARE(TestEnvironment::readFile(environment_.path() + QStringLiteral("/calls.txt")),
             QFile::encodeName(out()) + "/object1.cs\n" + QFile::encodeName(out()) + "/object3.cs\n" +
                 QFile::encodeName(out()) + "/object5.cs\n");
    QVERIFY(fakes_.messages.shown().isEmpty());
}

void ObjectListTest::noSecondToolRunWhileOneIsWaitedFor()
{
    showNames({"a.cs"});
    list()->item(0)->setSelected(true);
    TestEnvironment::writeFile(work() + QStringLiteral("/sleeper.exe"), "#!/bin/sh\nsleep 0.3\n", true);
    ToolRunner& runner = window_->toolRunner();
    QProcess* sleeper = runner.StartToolCommand(QStringLiteral("\"%1/sleeper.exe\"").arg(work()));
    QVERIFY(sleeper);
    window_->cmdExtract_Click();
    window_->mnuFileGetList_Click();
    QVERIFY(!QDir(out()).exists());
    QVERIFY(!QFile::exists(work() + QStringLiteral("/vtlist.bat")));
    runner.WaitForProcess(sleeper);
    QVERIFY(fakes_.messages.shown().isEmpty());
}

void ObjectListTest::commandLineAndDrop()
{
    const QString spaced = environment_.path() + QStringLiteral("/My Vols/sample copy.vol");
    QDir().mkpath(QFileInfo(spaced).absolutePath());
    QFile::copy(sample(), spaced);
    const QString quoted = environment_.path() + QStringLiteral("/my\"odd.vol");
    QFile::copy(sample(), quoted);
    window_->setArchivePaths({spaced, quoted, environment_.path() + QStringLiteral("/missing.vol")});
    window_->OpenCommandLine();
    QTabBar* tabs = widget<QWidget>("TabStrip1")->findChild<QTabBar*>();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("sample copy.vol"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("my\"odd.vol"));
    QCOMPARE(state_.Vols.record(2)->ObjectNames.size(), 12);
    QCOMPARE(state_.Vols.record(1)->ObjectNames.size(), 12);
    QCOMPARE(fakes_.messages.texts().first(), QStringLiteral("Cannot find the volume file."));
    QCOMPARE(list()->count(), 0); // the last one opened is shown

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(sample()),
                  QUrl::fromLocalFile(environment_.path() + QStringLiteral("/notes.txt"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window_.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window_.get(), &drop);
    QTRY_COMPARE(tabs->count(), 4);
    QTRY_COMPARE(list()->count(), 12);
    QCOMPARE(widget<QLabel>("lblFiles")->text(), QStringLiteral("12"));
}

void ObjectListTest::autoPreviewShowsAPicture()
{
    start({QStringLiteral("Auto Preview=True"),
           QStringLiteral("Palette Path=") + environment_.path() + "/sample"});
    // The picture window starts from the program's own base.pal.
    QDir().mkpath(environment_.dataHome() + QStringLiteral("/Kadrillo"));
    QFile::copy(environment_.path() + QStringLiteral("/sample/base.pal"),
                environment_.dataHome() + QStringLiteral("/Kadrillo/base.pal"));
    openSample(sample());
    VolRecord* vol = state_.Vols.current();
    vol->ObjectNames << QStringLiteral("ghost.bmp");
    window_->showVol(1);
    list()->setCurrentRow(2); // sky.bmp: the preview starts on its own
    frmPreview* preview = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<frmPreview*>(widget); found && found->isVisible())
            preview = found;
    }
    QVERIFY(preview);
    QCOMPARE(preview->windowTitle(), QStringLiteral("Preview (sky.bmp)"));
    QVERIFY(window_->findChild<QAction*>(QStringLiteral("mnuToolbarsPreview"))->isChecked());
    QCOMPARE(preview->findChild<PictureBox*>(QStringLiteral("Picture1"))->picture().size(), QSize(64, 64));
    QCOMPARE(state_.Picture.Bitmap.PaletteIndex, 2);
    QVERIFY(state_.Picture.PaletteFile.endsWith(QStringLiteral("/2.pal")));
    QVERIFY(
        widget<QStatusBar>("StatusBar1")->findChild<QLabel*>(QStringLiteral("StatusText"))->text().isEmpty());

    // An object the tool cannot extract is said so, and the last picture is not shown under its name.
    list()->setCurrentRow(list()->count() - 1);
    QCOMPARE(fakes_.messages.texts(), QStringList{"extract.exe did not extract ghost.bmp."});
    QCOMPARE(preview->windowTitle(), QStringLiteral("Preview (sky.bmp)"));
    QVERIFY(!QFile::exists(work() + QStringLiteral("/temp.bmp")));
    preview->close();
}

QTEST_MAIN(ObjectListTest)
#include "tst_objectlist.moc"
