#include "VolArchive.h"
#include "support/MainWindowRun.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

// The filter box over the object list, with the sample archive and the stand-in tools: what shows,
// what is selected, and which objects the commands then reach. The matching rule itself is tested
// on ObjectFilter in tst_rules.
class FilterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { run_.reset(); }
    void rowsFilterInArchiveOrderAndComeBackWithTheirSelection();
    void selectAllAndExtractionReachOnlyTheRowsShown();
    void ctrlFFocusesTheBoxAndEscapeClearsIt();

private:
    QListWidget* list() const { return run_->control<QListWidget>("lstList"); }
    QLineEdit* box() const { return run_->control<QLineEdit>("filterBox"); }
    QString text(const char* label) const { return run_->control<QLabel>(label)->text(); }
    void filter(const QString& typed);
    QStringList shownNames() const;
    QStringList selectedNames() const;
    QStringList namesEndingIn(const QString& end) const;
    QString out() const { return environment_.path() + u"/out"_s; }

    TestEnvironment environment_;
    std::vector<VolEntry> sampleEntries_;
    QStringList sampleNames_; // in the archive's order
    std::unique_ptr<MainWindowRun> run_;
};

void FilterTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    const QString made = TestEnvironment::makeSamples(environment_.path());
    QVERIFY2(made.isEmpty(), qPrintable(made));
    std::string error;
    QVERIFY2(VolArchive::read((environment_.path() + u"/sample.vol"_s).toStdString(), sampleEntries_, error),
             error.c_str());
    for (const VolEntry& entry : sampleEntries_)
        sampleNames_.append(QString::fromStdString(entry.name));
}

void FilterTest::init()
{
    QDir(out()).removeRecursively();
    const QString ini = environment_.path() + u"/Kadrillo.ini"_s;
    MainWindowRun::writeSettings(ini, {u"Extract Path=" KADRILLO_STANDIN_DIR "/extract.exe"_s,
                                       u"Vtlist Path=" KADRILLO_STANDIN_DIR "/vtlist.exe"_s,
                                       u"Temp Path="_s + environment_.path() + u"/work"_s,
                                       u"Dest Path="_s + out(), u"Auto Preview=False"_s,
                                       u"Default Palette="_s + environment_.path() + u"/base.pal"_s});
    run_ = std::make_unique<MainWindowRun>(ini);
    run_->window.Form_Load();
    run_->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&run_->window));
    run_->fakes.files.willPick(environment_.path() + u"/sample.vol"_s);
    run_->window.mnuFileOpen_Click(); // Auto List is on
    QCOMPARE(list()->count(), sampleNames_.size());
    QVERIFY2(run_->fakes.messages.texts().isEmpty(), qPrintable(run_->fakes.messages.texts().join('|')));
    run_->window.activateWindow(); // for the window's shortcuts, once the listing window has gone
    QVERIFY(QTest::qWaitForWindowActive(&run_->window));
}

void FilterTest::filter(const QString& typed)
{
    box()->clear();
    QTest::keyClicks(box(), typed);
}

QStringList FilterTest::shownNames() const
{
    QStringList names;
    for (int row = 0; row < list()->count(); ++row) {
        if (!list()->isRowHidden(row))
            names.append(list()->item(row)->text());
    }
    return names;
}

QStringList FilterTest::selectedNames() const
{
    QStringList names;
    for (const QModelIndex& index : list()->selectionModel()->selectedRows())
        names.append(sampleNames_.at(index.row()));
    names.sort();
    return names;
}

QStringList FilterTest::namesEndingIn(const QString& end) const
{
    QStringList names;
    for (const QString& name : sampleNames_) {
        if (name.endsWith(end, Qt::CaseInsensitive))
            names.append(name);
    }
    return names;
}

// The archive's count stays; the rows shown keep their order and their row numbers; clearing the box
// brings back what was selected before, rows hidden in between included.
void FilterTest::rowsFilterInArchiveOrderAndComeBackWithTheirSelection()
{
    const QStringList pictures = namesEndingIn(u".bmp"_s);
    QVERIFY(pictures.size() >= 3 && pictures.size() < sampleNames_.size());
    const int script = int(sampleNames_.indexOf(u"mission.cs"_s));
    const int picture = int(sampleNames_.indexOf(pictures.at(1)));
    list()->setCurrentRow(script, QItemSelectionModel::NoUpdate);
    list()->item(script)->setSelected(true);
    list()->item(picture)->setSelected(true);
    QCOMPARE(text("lblSelected"), u"2"_s);

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

    box()->clear();
    QCOMPARE(shownNames(), sampleNames_);
    QCOMPARE(selectedNames(), (QStringList{pictures.at(1), u"mission.cs"_s}));
    QCOMPARE(text("lblSelected"), u"2"_s);
}

// Select All, a range picked with Shift and the extraction they lead to never take in a hidden row.
void FilterTest::selectAllAndExtractionReachOnlyTheRowsShown()
{
    const QStringList pictures = namesEndingIn(u".bmp"_s);
    QStringList sortedPictures = pictures;
    sortedPictures.sort();
    filter(u"*.bmp"_s);
    const QListWidgetItem* first = list()->item(int(sampleNames_.indexOf(pictures.first())));
    const QListWidgetItem* last = list()->item(int(sampleNames_.indexOf(pictures.last())));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(first).center());
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      list()->visualItemRect(last).center());
    QCOMPARE(selectedNames(), sortedPictures);
    run_->control<QPushButton>("cmdNone")->click();

    run_->control<QPushButton>("cmdSelect")->click();
    QCOMPARE(text("lblSelected"), QString::number(pictures.size()));
    QVERIFY(!run_->enabled("cmdSelect"));
    QCOMPARE(list()->currentItem(), last);
    run_->control<QPushButton>("cmdExtract")->click();
    QVERIFY2(run_->fakes.messages.texts().isEmpty(), qPrintable(run_->fakes.messages.texts().join('|')));
    QCOMPARE(QDir(out()).entryList(QDir::Files, QDir::Name), sortedPictures);
    for (const QString& name : pictures) {
        const VolEntry& entry = sampleEntries_.at(std::size_t(sampleNames_.indexOf(name)));
        QCOMPARE(TestEnvironment::readFile(out() + u'/' + name),
                 QByteArray(reinterpret_cast<const char*>(entry.data.data()), qsizetype(entry.data.size())));
    }
}

void FilterTest::ctrlFFocusesTheBoxAndEscapeClearsIt()
{
    QCOMPARE(box()->accessibleName(), u"Filter"_s);
    QCOMPARE(box()->placeholderText(), u"Filter"_s);
    QVERIFY(box()->geometry().bottom() < list()->geometry().top());
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(box()->hasFocus());
    QTest::keyClicks(box(), u"?ky.*"_s);
    QCOMPARE(shownNames(), QStringList{u"sky.bmp"_s});
    QTest::keyClick(box(), Qt::Key_Escape);
    QVERIFY(box()->text().isEmpty());
    QCOMPARE(shownNames(), sampleNames_);
}

QTEST_MAIN(FilterTest)
#include "tst_filter.moc"
