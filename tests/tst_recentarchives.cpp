#include "support/MainWindowRun.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTabBar>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

// The File menu's recent archives: what counts as opened, their order, a file that went away, and
// the list kept from one run to the next beside the settings.
class RecentArchivesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void newestFirstOnceEachAndAtMostEight();
    void aMissingArchiveIsDisabledAndAnItemReopens();

private:
    void writeSettings();
    void start();
    QString ini() const { return environment_.path() + u"/Kadrillo.ini"_s; }
    QString vol(const QString& name) const { return environment_.path() + u'/' + name + u".vol"_s; }
    void openByMenu(const QString& name);
    // The visible recent items as shown, after the File menu is about to show.
    QStringList shownItems() const;
    QAction* item(int number) const;
    QStringList tabTitles() const;

    TestEnvironment environment_;
    std::unique_ptr<MainWindowRun> run_;
};

void RecentArchivesTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    for (const QString& name :
         {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s, u"h"_s, u"i"_s, u"x&y"_s})
        TestEnvironment::writeFile(vol(name), "not listed here");
    writeSettings();
}

void RecentArchivesTest::writeSettings()
{
    MainWindowRun::writeSettings(ini(),
                                 {u"Extract Path=" KADRILLO_STANDIN_DIR "/extract.exe"_s,
                                  u"Vtlist Path=" KADRILLO_STANDIN_DIR "/vtlist.exe"_s,
                                  u"Temp Path="_s + environment_.path() + u"/work"_s, u"Auto List=False"_s});
}

void RecentArchivesTest::start()
{
    run_.reset();
    run_ = std::make_unique<MainWindowRun>(ini());
    run_->window.Form_Load();
    run_->fakes.messages.clear();
}

void RecentArchivesTest::openByMenu(const QString& name)
{
    run_->fakes.files.willPick(vol(name));
    run_->window.mnuFileOpen_Click();
}

QStringList RecentArchivesTest::shownItems() const
{
    emit run_->control<QMenu>("mnuFile")->aboutToShow();
    QStringList shown;
    for (int number = 1; number <= 8; ++number) {
        if (item(number)->isVisible())
            shown.append(item(number)->text() + (item(number)->isEnabled() ? u""_s : u" (disabled)"_s));
    }
    return shown;
}

QStringList RecentArchivesTest::tabTitles() const
{
    const QTabBar* tabs = run_->control("TabStrip1")->findChild<QTabBar*>();
    QStringList titles;
    for (int index = 0; index < tabs->count(); ++index)
        titles.append(tabs->tabText(index));
    return titles;
}

QAction* RecentArchivesTest::item(int number) const
{
    return run_->control<QAction>(QByteArray("mnuFileRecent" + QByteArray::number(number)).constData());
}

// Opening by menu, command line and drop all count; opening again moves an archive to the top; the
// ninth falls off; a restart shows the same list, and the twelve settings are untouched by it.
void RecentArchivesTest::newestFirstOnceEachAndAtMostEight()
{
    start();
    QVERIFY(shownItems().isEmpty());
    QVERIFY(!run_->control<QAction>("mnuFileRecentBar")->isVisible());
    openByMenu(u"a"_s);
    openByMenu(u"x&y"_s);
    run_->window.setArchivePaths({vol(u"b"_s), vol(u"a"_s)});
    run_->window.OpenCommandLine();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(vol(u"c"_s))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&run_->window, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&run_->window, &drop);
    QTRY_COMPARE(tabTitles(), (QStringList{u"a.vol"_s, u"x&y.vol"_s, u"b.vol"_s, u"a.vol"_s, u"c.vol"_s}));
    const QString folder = environment_.path() + u'/';
    QCOMPARE(shownItems(), (QStringList{u"&1 "_s + folder + u"c.vol"_s, u"&2 "_s + folder + u"a.vol"_s,
                                        u"&3 "_s + folder + u"b.vol"_s, u"&4 "_s + folder + u"x&&y.vol"_s}));

    for (const QString& name : {u"d"_s, u"e"_s, u"f"_s, u"g"_s, u"h"_s, u"i"_s})
        openByMenu(name);
    run_->window.close();
    const QStringList before = shownItems();
    QCOMPARE(before.size(), 8);
    QVERIFY(before.first().endsWith(u"/i.vol"_s) && before.last().endsWith(u"/a.vol"_s));

    start();
    QCOMPARE(shownItems(), before);
    QSettings written(ini(), QSettings::IniFormat);
    QCOMPARE(written.childGroups(), (QStringList{u"Export"_s, u"Recent Archives"_s, u"Settings"_s}));
    written.beginGroup(u"Settings"_s);
    QCOMPARE(written.childKeys().size(), 12);
}

void RecentArchivesTest::aMissingArchiveIsDisabledAndAnItemReopens()
{
    writeSettings();
    start();
    openByMenu(u"a"_s);
    openByMenu(u"b"_s);
    QVERIFY(QFile::rename(vol(u"a"_s), vol(u"gone"_s)));
    const QStringList shown = shownItems();
    QVERIFY(QFile::rename(vol(u"gone"_s), vol(u"a"_s)));
    QCOMPARE(shown.size(), 2);
    QVERIFY2(shown.last().endsWith(u"/a.vol (disabled)"_s), qPrintable(shown.join('|')));
    QVERIFY2(!shownItems().last().endsWith(u"(disabled)"_s),
             "back in place, the archive can be opened again");

    item(2)->trigger();
    QTRY_COMPARE(tabTitles(), (QStringList{u"a.vol"_s, u"b.vol"_s, u"a.vol"_s}));
    QVERIFY(shownItems().first().endsWith(u"/a.vol"_s));
    QVERIFY(run_->fakes.messages.texts().isEmpty());
}

QTEST_MAIN(RecentArchivesTest)
#include "tst_recentarchives.moc"
