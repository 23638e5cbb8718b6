#include "app/frmOptions.h"
#include "archive/ToolRunner.h"
#include "support/MainWindowRun.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// The options dialog: its rules for the six paths, and the start-up steps that open it.
class OptionsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void applyFollowsTheBoxThatChangedAndCancelDropsTheRest();
    void browseFillsOnlyWhatTheRowAccepts_data();
    void browseFillsOnlyWhatTheRowAccepts();
    void applyMovesTheToolsAndOkTakesAMissingPalette();
    void startUpOpensTheDialogAfterEachProblem();

private:
    QString game() const { return environment_.path() + u"/game"_s; }
    QString work() const { return environment_.path() + u"/work"_s; }
    QString ini() const { return environment_.path() + u"/Kadrillo.ini"_s; }
    // Opens the dialog from the menu of a started main window and runs `act` in it.
    static void inOptions(MainWindowRun& run, const std::function<void(frmOptions&)>& act);

    TestEnvironment environment_;
};

void OptionsTest::init()
{
    for (const QString& folder : {game(), work(), work() + u"2"_s})
        QDir(folder).removeRecursively();
    TestEnvironment::writeFile(game() + u"/extract.exe"_s, "extract", true);
    TestEnvironment::writeFile(game() + u"/vtlist.exe"_s, "vtlist", true);
    TestEnvironment::writeFile(game() + u"/base.pal"_s, QByteArray(1048, '\1'));
    MainWindowRun::writeSettings(ini(),
                                 {u"Extract Path="_s + game() + u"/extract.exe"_s,
                                  u"Vtlist Path="_s + game() + u"/vtlist.exe"_s,
                                  u"Default Palette="_s + game() + u"/base.pal"_s, u"Temp Path="_s + work()});
}

void OptionsTest::inOptions(MainWindowRun& run, const std::function<void(frmOptions&)>& act)
{
    const qsizetype before = run.fakes.dialogs.dialogsRun().size();
    run.fakes.dialogs.willAnswer([&act](QDialog& dialog) { act(static_cast<frmOptions&>(dialog)); });
    run.control<QAction>("mnuToolsOptions")->trigger();
    QCOMPARE(run.fakes.dialogs.dialogsRun().size(), before + 1);
}

// Apply follows the box that changed last and applies every box; Cancel then drops what changed since.
void OptionsTest::applyFollowsTheBoxThatChangedAndCancelDropsTheRest()
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

void OptionsTest::browseFillsOnlyWhatTheRowAccepts_data()
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

void OptionsTest::browseFillsOnlyWhatTheRowAccepts()
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
    QVERIFY2(asked.title.startsWith(u"Find "_s), qPrintable(asked.title));
}

// Apply moves the tools and leaves the user's files; OK with a missing palette says so and still
// closes, keeping the palette named.
void OptionsTest::applyMovesTheToolsAndOkTakesAMissingPalette()
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
    QCOMPARE(TestEnvironment::readFile(next + u"/extract.exe"_s), "extract");
    QCOMPARE(TestEnvironment::readFile(next + u"/vtlist.exe"_s), "vtlist");
    QCOMPARE(run.window.toolRunner().workFolder().path(), next);
    QCOMPARE(run.state.settings.TempPath, next);

    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(run.fakes.messages.texts(), QStringList{u"Can not find the default palette."_s});
    QCOMPARE(run.fakes.messages.shown().first().icon, MessageBoxes::Icon::None);
    QCOMPARE(run.state.settings.DefaultPalette, missing);
    QCOMPARE(run.state.Picture.PaletteFile, missing);
}

// Each missing tool or palette, and a refused working folder, is reported and then the dialog
// opens; what it applied counts for the steps after it.
void OptionsTest::startUpOpensTheDialogAfterEachProblem()
{
    for (const char* name : {"extract.exe", "vtlist.exe", "base.pal"})
        QFile::rename(game() + u'/' + QLatin1String(name), environment_.path() + u'/' + QLatin1String(name));
    TestEnvironment::writeFile(work(), "not a folder");
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
    // The first dialog's OK reports the palette it did not fix; the vtlist.exe it fixed is not
    // reported at start.
    const QString palette = u"Can not find the default palette."_s;
    QCOMPARE(texts.mid(1), (QStringList{palette, u"Can not find extract.exe."_s, palette,
                                        u"The palette file does not exist."_s}));
    QCOMPARE(run.fakes.dialogs.dialogsRun(), QStringList(3, u"frmOptions"_s));
    QVERIFY(run.window.toolRunner().workFolder().isUsable());
    QCOMPARE(TestEnvironment::readFile(fixed + u"/vtlist.exe"_s), "vtlist");
    QFile::remove(work());
}

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
