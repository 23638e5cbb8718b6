#include "VolArchive.h"
#include "archive/core/RunDriver.h"
#include "archive/core/ToolRunner.h"
#include "archive/core/VolTable.h"
#include "picture/core/ArchivePalettes.h"
#include "picture/core/ContactSheet.h"
#include "picture/core/ConversionJob.h"
#include "picture/core/PaletteCodec.h"
#include "picture/core/PaletteExtraction.h"
#include "picture/core/PaletteListCodec.h"
#include "picture/core/Palettes.h"
#include "picture/core/PictureCodec.h"
#include "picture/core/PictureConversion.h"
#include "picture/core/PictureExport.h"
#include "picture/core/PictureState.h"
#include "picture/ui/PictureBox.h"
#include "picture/ui/PicturePrompts.h"
#include "picture/ui/frmContactSheet.h"
#include "picture/ui/frmConvert.h"
#include "picture/ui/frmPreview.h"
#include "preview/ui/frmPalExtract.h"
#include "support/FailureRows.h"
#include "support/FakeSeams.h"
#include "support/MainWindowRun.h"
#include "support/PictureFiles.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <tuple>

using namespace Qt::StringLiterals;

// Pictures and palettes through the files the tools leave: conversion, palette search, palette lists,
// the picture window and the conversion window with the stand-in tools.
class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void conversionOutcomes_data();
    void conversionOutcomes();
    void paletteSearch_data();
    void paletteSearch();
    void pictureWindow();
    void pictureWindowZoomsAndSwapsPalettes();
    void conversionWindow_data();
    void conversionWindow();
    void contactSheet();
    void contactSheetCells();
    void refusesListsItCannotRead_data();
    void refusesListsItCannotRead();
    void paletteFolders_data();
    void paletteFolders();
    void extractorStepsAndWrites();
    void archiveListsFillTheGaps();

private:
    static QByteArray converted(const QByteArray& pbmp, const Palette& palette);
    PictureConversion::Options options(bool autoSelect) const;
    QString temp() const { return WorkFolder(work_).picture(); }
    // Every box shown, as "title (icon): text".
    QStringList boxes() const;
    // Writes an archive and the stand-in extract.exe beside it; returns its path, or nothing on failure.
    QString archiveOf(const QStringList& names, const QList<QByteArray>& contents) const;

    TestEnvironment environment_;
    const QString work_ = environment_.path() + u"/work"_s;
    const QString pal_ = environment_.path() + u"/pal"_s;
    FakeSeams fakes_;
    PictureState state_;
};

QByteArray PicturesTest::converted(const QByteArray& pbmp, const Palette& palette)
{
    BitmapRecord bitmap;
    PictureCodec::readPbmp(pbmp, bitmap);
    return PictureCodec::writePbmpAsBitmap(bitmap, palette);
}

void PicturesTest::init()
{
    QApplication::setQuitOnLastWindowClosed(false);
    for (const QString& folder : {work_, pal_}) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
    }
    TestEnvironment::writeFile(pal_ + u"/base.pal"_s, PictureFiles::pal(PictureFiles::ramp(0)));
    state_ = PictureState();
    fakes_.messages.clear();
    fakes_.dialogs = ScriptedDialogs();
}

PictureConversion::Options PicturesTest::options(bool autoSelect) const
{
    return {WorkFolder(work_), autoSelect, PaletteSearch{pal_, pal_ + u"/base.pal"_s, true}};
}

QStringList PicturesTest::boxes() const
{
    static const char* const icons[] = {"", " (i)", " (?)", " (!)", " (x)"};
    QStringList described;
    for (const ScriptedMessageBoxes::Shown& box : fakes_.messages.shown())
        described.append(box.title + QLatin1String(icons[int(box.icon)]) + u": "_s + box.text);
    return described;
}

QString PicturesTest::archiveOf(const QStringList& names, const QList<QByteArray>& contents) const
{
    std::vector<VolEntry> entries;
    for (qsizetype i = 0; i < names.size(); ++i)
        entries.push_back({names[i].toStdString(), {contents[i].begin(), contents[i].end()}});
    const QString archive = environment_.path() + u"/pictures.vol"_s;
    std::string error;
    QFile::remove(work_ + u"/extract.exe"_s);
    if (!VolArchive::write(archive.toStdString(), entries, error) ||
        !QFile::copy(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"), work_ + u"/extract.exe"_s))
        return {};
    return archive;
}

void PicturesTest::conversionOutcomes_data()
{
    QTest::addColumn<QByteArray>("file"); // "temp.bmp" as the tool left it; empty for none
    QTest::addColumn<bool>("autoSelect");
    QTest::addColumn<PictureConversion::Outcome>("outcome");
    QTest::addColumn<QStringList>("boxes"); // as boxes() describes them
    QTest::addColumn<QByteArray>("after");  // "temp.bmp" afterwards
    QTest::addColumn<int>("palette");       // the ramp that is then the current palette; -1: none
    QTest::addColumn<QString>("drawn");     // which palette the report says drew it, "PAL" the folder
    using enum PictureConversion::Outcome;
    const auto pbmp = [](int number) {
        return PictureFiles::pbmp(4, 1, QByteArray("\0\1\2\3", 4), number);
    };
    const QByteArray bitmap = PictureFiles::standardBitmap(4, 2, PictureFiles::ramp(4), "\1\2\3\4\5\6\7\10");
    const QByteArray cut = PictureFiles::pbmp(8, 8, QByteArray(64, 'x'), 1).left(80);
    const QStringList question{
        u"Kadrillo (i): This file is a standard bitmap file.\r\nAre you sure you want to open it."_s};
    QTest::newRow("PBMP, its palette by number")
        << pbmp(7) << true << Converted << QStringList() << converted(pbmp(7), PictureFiles::ramp(7)) << 7
        << u"palette 7: PAL/7.pal"_s;
    QTest::newRow("PBMP, no palette with its number")
        << pbmp(9) << true << Converted << QStringList() << converted(pbmp(9), PictureFiles::ramp(0)) << 0
        << u"palette 9: PAL/base.pal (default palette: number 9 not found)"_s;
    QTest::newRow("PBMP, auto select off: not looked for")
        << pbmp(7) << false << Converted << QStringList() << converted(pbmp(7), Palette{}) << -1
        << u"palette 7: the palette last used (default palette: number 7 not found)"_s;
    QTest::newRow("PBMP, its palette file cut short")
        << pbmp(6) << true << Converted
        << QStringList{"Warning! (!): The palette file " + pal_ +
                       "/6.pal cannot be used: it holds 1000 bytes, and a palette file has 1048."}
        << converted(pbmp(6), Palette{}) << -1 << u"palette 6: PAL/6.pal"_s;
    QTest::newRow("standard bitmap declined")
        << bitmap << false << Declined << question << bitmap << -1 << u"its own colours"_s;
    QTest::newRow("standard bitmap, auto select: the default")
        << bitmap << true << Converted << question
        << bitmap.left(54) + PictureFiles::pal(PictureFiles::ramp(0), QByteArray()) + bitmap.mid(1078) << 0
        << u"palette 0: PAL/base.pal"_s;
    QByteArray odd =
        PictureFiles::standardBitmap(3, -2, PictureFiles::ramp(4), QByteArray("\1\2\3\0\4\5\6\0", 8), "bm");
    odd.replace(34, 4, QByteArray(4, '\0')); // then whole rows of four-byte multiples
    QTest::newRow("top-down, stating no size, \"bm\"")
        << odd << false << Converted << question << odd << 4 << u"its own colours"_s;
    // A bitmap of any other layout is kept, for the window to show as Qt reads it.
    const QByteArray trueColour = PictureFiles::standardBitmap(2, 1, {}, QByteArray(8, '\3'), "BM", 40, 24);
    QTest::newRow("24 bits a pixel kept")
        << trueColour << true << Kept << question << trueColour << -1 << u"its own colours"_s;
    QTest::newRow("not a picture") << QByteArray("Pb and more") << true << Refused
                                   << QStringList{"Warning! (x): This file is not a valid bitmap file."}
                                   << QByteArray("Pb and more") << -1 << u"its own colours"_s;
    QTest::newRow("PBMP cut short") << cut << true << Refused
                                    << QStringList{"Warning! (!): The picture " + temp() +
                                                   " cannot be converted: the file is cut short: its picture "
                                                   "data and palette number need 132 bytes, and it has 80."}
                                    << cut << -1 << u"its own colours"_s;
    QTest::newRow("missing") << QByteArray() << true << Refused
                             << QStringList{"Warning! (x): The file you seleted to be opened does not exist."}
                             << QByteArray() << -1 << u"its own colours"_s;
}

// Converted as a window converts it: its messages shown in order once it returns.
void PicturesTest::conversionOutcomes()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, autoSelect);
    QFETCH(PictureConversion::Outcome, outcome);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArray, after);
    QFETCH(int, palette);
    TestEnvironment::writeFile(pal_ + u"/7.pal"_s, PictureFiles::pal(PictureFiles::ramp(7)));
    TestEnvironment::writeFile(pal_ + u"/6.pal"_s, PictureFiles::pal(PictureFiles::ramp(6)).left(1000));
    if (!file.isEmpty())
        TestEnvironment::writeFile(temp(), file);
    fakes_.messages.willAnswer(outcome == PictureConversion::Outcome::Declined ? MessageBoxes::Answer::No
                                                                               : MessageBoxes::Answer::Yes);
    PicturePrompts prompts(fakes_.messages, nullptr);
    PictureConversion conversion(state_);
    const PictureConversion::Report report = prompts.convert(conversion, options(autoSelect));
    prompts.show(report.messages);

    QCOMPARE(report.outcome, outcome);
    QCOMPARE(report.refusal.isEmpty(), outcome != PictureConversion::Outcome::Refused);
    QCOMPARE(this->boxes(), boxes);
    QCOMPARE(TestEnvironment::readFile(temp()), after);
    QCOMPARE(state_.CurrentPalette, palette < 0 ? Palette{} : PictureFiles::ramp(palette));
    QFETCH(QString, drawn);
    QCOMPARE(report.palette.text(), drawn.replace(u"PAL"_s, pal_));
    if (palette >= 0) // from the file now named: a standard bitmap's own colours from "temp.pal"
        QCOMPARE(PaletteCodec::decode(TestEnvironment::readFile(state_.PaletteFile)).palette,
                 state_.CurrentPalette);
}

void PicturesTest::paletteSearch_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("subfolders");
    QTest::addColumn<QString>("expected"); // in the palette folder; "first": the first-listed subfolder
    QTest::newRow("number 0 is the default") << QStringList{"0.pal"} << 0 << true << "base.pal";
    QTest::newRow("the folder wins") << QStringList{"5.pal", "Sub/5.pal"} << 5 << true << "5.pal";
    QTest::newRow("first-listed subfolder wins")
        << QStringList{"Sub/5.pal", "Other/5.pal", "Third/5.pal"} << 5 << true << "first";
    QTest::newRow("two levels down never") << QStringList{"Sub/Deep/5.pal"} << 5 << true << "base.pal";
    QTest::newRow("subfolders off") << QStringList{"Sub/5.pal"} << 5 << false << "base.pal";
    QTest::newRow("hidden entries skipped") << QStringList{".hidden/5.pal"} << 5 << true << "base.pal";
    QTest::newRow("negative number") << QStringList{"-3.pal", "3.pal"} << -3 << true << "-3.pal";
    QTest::newRow("a folder named like the file")
        << QStringList{"4.pal/x", "Sub/4.pal"} << 4 << true << "Sub/4.pal";
}

void PicturesTest::paletteSearch()
{
    QFETCH(QStringList, files);
    QFETCH(int, number);
    QFETCH(bool, subfolders);
    QFETCH(QString, expected);
    for (const QString& file : files)
        TestEnvironment::writeFile(pal_ + u'/' + file, PictureFiles::pal(PictureFiles::ramp(number)));
    if (expected == "first"_L1) {
        QDirIterator listed(pal_, QDir::Dirs | QDir::NoDotAndDotDot);
        expected = QFileInfo(listed.next()).fileName() + u"/5.pal"_s;
    }
    const PaletteSearch search{pal_, pal_ + u"/base.pal"_s, subfolders};
    QCOMPARE(Palettes::fileFor(number, search), pal_ + u'/' + expected);
    const Palettes::Found found = Palettes(state_).FindPalette(number, search);
    QVERIFY(!found.problem);
    QCOMPARE(found.origin.file, pal_ + u'/' + expected);
    using enum PaletteOrigin::Reason;
    QCOMPARE(found.origin.reason, expected != "base.pal"_L1 ? Numbered : number == 0 ? Default : Fallback);
    QCOMPARE(state_.CurrentPalette, PictureFiles::ramp(expected == "base.pal"_L1 ? 0 : number));
}

// The main window's menu item shows and hides it, and shutdown unloads it. Fitted, the inner area is
// the picture and the design's borders, the right way up; not fitted, the picture fills the window at
// any size. A file that is no picture leaves it blank, and the window says so, as it says that its
// palette file is missing.
void PicturesTest::pictureWindow()
{
    TestEnvironment::writeFile(environment_.dataHome() + u"/Kadrillo/base.pal"_s,
                               PictureFiles::pal(PictureFiles::ramp(3)));
    MainWindowRun run(environment_.path() + u"/menu.ini"_s);
    run.window.show();
    auto* toggle = run.control<QAction>("mnuToolbarsPreview");
    auto* submenu = run.control<QMenu>("mnuToolsPreview");
    toggle->trigger();
    QPointer<frmPreview> preview;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<frmPreview*>(widget); found && found->isVisible())
            preview = found;
    }
    QVERIFY(preview && submenu->isEnabled());
    QCOMPARE(run.core.Picture.CurrentPalette, PictureFiles::ramp(3)); // the window loads base.pal
    toggle->trigger();
    QVERIFY(preview->isHidden() && !submenu->isEnabled());

    run.window.close(); // unloads the hidden window
    QTRY_VERIFY(preview.isNull());

    auto* window = new frmPreview(state_, fakes_.messages, fakes_.files);
    const auto closing = qScopeGuard([window] { window->close(); });
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->Form_Load(pal_ + u"/none.pal"_s);
    const QPoint position = window->pos();
    const Palette own = PictureFiles::ramp(6);
    const QByteArray rows = QByteArray(64, '\1') + QByteArray(64 * 47, '\2');
    TestEnvironment::writeFile(temp(), PictureFiles::standardBitmap(64, -48, own, rows, "BM", 108));
    fakes_.messages.willAnswer(MessageBoxes::Answer::Yes);
    window->loadPic(options(false), true);
    QCOMPARE(window->size(), QSize(64, 48));
    QCOMPARE(window->pos(), position);
    auto* box = window->findChild<PictureBox*>(u"Picture1"_s);
    QCOMPARE(box->geometry(), window->rect());
    QCOMPARE(box->grab().toImage().pixelColor(10, 0), QColor(own[1].Red, own[1].Green, own[1].Blue));
    QCOMPARE(box->grab().toImage().pixelColor(10, 47), QColor(own[2].Red, own[2].Green, own[2].Blue));

    TestEnvironment::writeFile(temp(), PictureFiles::pbmp(8, 4, QByteArray(32, '\7'), 0));
    window->loadPic(options(true), false);
    QCOMPARE(box->picture().size(), box->size());
    window->resize(window->size() + QSize(40, 20));
    QCOMPARE(box->picture().size(), box->size());
    const PaletteEntry seven = PictureFiles::ramp(0)[7];
    QCOMPARE(box->grab().toImage().pixelColor(1, 1), QColor(seven.Red, seven.Green, seven.Blue));
    TestEnvironment::writeFile(temp(), "hello");
    window->loadPic(options(true), false);
    QCOMPARE(fakes_.messages.texts(),
             (QStringList{"The palette file does not exist.",
                          "This file is a standard bitmap file.\r\nAre you sure you want to open it.",
                          "This file is not a valid bitmap file.", "error loading bitmap."}));
    QVERIFY(box->picture().isNull());

    // Shown up to 16384 pixels on a side; a larger picture is refused by its header, never read.
    fakes_.messages.clear();
    for (const QSize size : {QSize(16384, 16384), QSize(16385, 1)}) {
        TestEnvironment::writeFile(temp(),
                                   PictureFiles::runLengthBitmap(size.width(), size.height(), own, 4));
        fakes_.messages.willAnswer(MessageBoxes::Answer::No);
        window->loadPic(options(false), false);
        if (size.width() == 16384)
            QCOMPARE(box->grab().toImage().pixelColor(1, 1), QColor(own[4].Red, own[4].Green, own[4].Blue));
    }
    const QString question =
        u"Kadrillo (i): This file is a standard bitmap file.\r\nAre you sure you want to open it."_s;
    QCOMPARE(boxes(), (QStringList{question, question,
                                   "Warning! (!): This picture is too large to show (16385 × 1)."}));
    QVERIFY(box->picture().isNull());
}

// Zoomed by the keys and the wheel in whole steps, pixels as squares, the caption saying so; with
// "Resize to Fit" the window follows the picture, no larger than the screen. The menu says which palette
// drew the picture and draws it with another, writing nothing; Save As writes what the exporters would.
void PicturesTest::pictureWindowZoomsAndSwapsPalettes()
{
    const auto colour = [](int ramp, int index) {
        const PaletteEntry entry = PictureFiles::ramp(ramp)[std::size_t(index)];
        return QColor(entry.Red, entry.Green, entry.Blue);
    };
    const auto files = [this] { // every file of the test's folders, with its bytes
        QMap<QString, QByteArray> found;
        for (QDirIterator all(environment_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
             all.hasNext();) {
            const QString path = all.next();
            found.insert(path, TestEnvironment::readFile(path));
        }
        return found;
    };
    TestEnvironment::writeFile(pal_ + u"/5.pal"_s, PictureFiles::pal(PictureFiles::ramp(5)));
    TestEnvironment::writeFile(pal_ + u"/Sub/9.pal"_s, PictureFiles::pal(PictureFiles::ramp(9)));
    auto* window = new frmPreview(state_, fakes_.messages, fakes_.files);
    const auto closing = qScopeGuard([window] { window->close(); });
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->setWindowTitle(u"Preview (two.bmp)"_s);
    const QByteArray two = PictureFiles::pbmp(2, 1, QByteArray("\1\2", 2), 5);
    TestEnvironment::writeFile(temp(), two);
    window->loadPic(options(true), true);
    auto* box = window->findChild<PictureBox*>(u"Picture1"_s);
    QWheelEvent wheel(QPointF(0, 0), window->mapToGlobal(QPointF(0, 0)), {}, {0, 120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box->viewport(), &wheel);
    QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(window->windowTitle(), u"Preview (two.bmp) — 400 %"_s);
    QCOMPARE(window->size(), QSize(8, 4));
    const QImage drawn = box->grab().toImage();
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 4; ++y)
            QCOMPARE(drawn.pixelColor(x, y), colour(5, x < 4 ? 1 : 2));
    QTest::keyClick(window, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(window->windowTitle(), u"Preview (two.bmp)"_s);
    QCOMPARE(window->size(), QSize(2, 1));
    QTest::keyClick(window, Qt::Key_9, Qt::ControlModifier); // the largest step the screen holds
    QCOMPARE(window->windowTitle(), u"Preview (two.bmp) — 1600 %"_s);

    const auto menuLines = [window, box] {
        QTest::keyClick(box, Qt::Key_F10, Qt::ShiftModifier);
        auto* menu = window->findChild<QMenu*>(u"mnuPicture"_s);
        QStringList lines{menu->actions().first()->text()};
        for (QAction* palette : window->findChild<QMenu*>(u"mnuPalette"_s)->actions())
            lines.append((palette->isChecked() ? u"*"_s : QString()) + palette->text());
        menu->hide();
        return lines;
    };
    QCOMPARE(menuLines(),
             (QStringList{"2 × 1, palette 5: " + pal_ + "/5.pal", "*5.pal", "base.pal", "Sub/9.pal"}));
    const QMap<QString, QByteArray> before = files();
    window->findChild<QMenu*>(u"mnuPalette"_s)->actions().at(2)->trigger();
    QCOMPARE(box->grab().toImage().pixelColor(20, 10), colour(9, 2));
    QCOMPARE(files(), before);
    QCOMPARE(menuLines().mid(0, 2), (QStringList{"2 × 1, palette 5: " + pal_ + "/Sub/9.pal", "5.pal"}));

    const QString saved = environment_.path() + u"/saved"_s;
    QVERIFY(QDir().mkpath(saved));
    const QString expected = environment_.path() + u"/expected"_s;
    TestEnvironment::writeFile(expected + u"/two.bmp"_s, converted(two, PictureFiles::ramp(9)));
    const PictureExport png{PictureExport::Format::Png, {}};
    QVERIFY(png.deliver(expected + u"/two.bmp"_s, expected, u"two.bmp"_s, false).written);
    for (const QString& name : {u"two.bmp"_s, u"two.png"_s}) {
        fakes_.files.willPick(saved + u'/' + name);
        window->findChild<QAction*>(u"mnuSaveAs"_s)->trigger();
        QCOMPARE(TestEnvironment::readFile(saved + u'/' + name),
                 TestEnvironment::readFile(expected + u'/' + name));
    }
    // Never into the working folder, nor under a name of another kind; a palette gone since the menu
    // listed it leaves the picture as it was.
    fakes_.messages.clear();
    fakes_.files.willPick(work_ + u"/two.bmp"_s);
    fakes_.files.willPick(saved + u"/two.gif"_s);
    window->findChild<QAction*>(u"mnuSaveAs"_s)->trigger();
    window->findChild<QAction*>(u"mnuSaveAs"_s)->trigger();
    QTest::keyClick(box, Qt::Key_F10, Qt::ShiftModifier);
    window->findChild<QMenu*>(u"mnuPicture"_s)->hide();
    QVERIFY(QFile::remove(pal_ + u"/base.pal"_s));
    window->findChild<QMenu*>(u"mnuPalette"_s)->actions().at(1)->trigger();
    QCOMPARE(box->grab().toImage().pixelColor(20, 10), colour(9, 2));
    const QStringList said = fakes_.messages.texts();
    QCOMPARE(said.size(), 3);
    QVERIFY2(said[0].contains(u"is in the working folder"_s) && said[1].contains(u"is not saved"_s) &&
                 said[2].startsWith(u"The palette file "_s + pal_ + u"/base.pal cannot be used"_s),
             qPrintable(said.join(u'\n')));
    QVERIFY(!QFile::exists(work_ + u"/two.bmp"_s) && !QFile::exists(saved + u"/two.gif"_s));
    TestEnvironment::writeFile(pal_ + u"/base.pal"_s, PictureFiles::pal(PictureFiles::ramp(0)));

    // No file has its number: the default palette, and the line says so.
    TestEnvironment::writeFile(temp(), PictureFiles::pbmp(2, 1, QByteArray("\1\2", 2), 12));
    window->loadPic(options(true), true);
    QCOMPARE(window->windowTitle(), u"Preview (two.bmp)"_s);
    QCOMPARE(menuLines().first(),
             "2 × 1, palette 12: " + pal_ + "/base.pal (default palette: number 12 not found)");

    // Stretched: the keys leave the stretch for whole steps, Ctrl+9 returns to it.
    TestEnvironment::writeFile(temp(), two);
    window->resize(20, 10);
    window->loadPic(options(true), false);
    QCOMPARE(box->picture().size(), box->size());
    QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(window->windowTitle(), u"Preview (two.bmp) — 800 %"_s);
    QCOMPARE(window->size(), QSize(20, 10));
    QCOMPARE(box->grab().toImage().pixelColor(8, 7), colour(5, 2));
    QTest::keyClick(window, Qt::Key_9, Qt::ControlModifier);
    QCOMPARE(window->windowTitle(), u"Preview (two.bmp)"_s);
    QCOMPARE(box->picture().size(), box->size());

    // Larger than the screen: the window stops at the screen's edges and scrolls; dragging pans.
    TestEnvironment::writeFile(temp(), PictureFiles::pbmp(1500, 1200, QByteArray(1500 * 1200, '\3'), 5));
    window->loadPic(options(true), true);
    const QRect available = window->screen()->availableGeometry();
    QVERIFY(available.contains(window->frameGeometry()));
    QVERIFY(box->horizontalScrollBar()->maximum() > 0 && box->verticalScrollBar()->maximum() > 0);
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(box->viewport(), QPoint(70, 60));
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, QPoint(70, 60));
    QCOMPARE(box->offset(), QPoint(30, 40));
}

void PicturesTest::conversionWindow_data()
{
    QTest::addColumn<QList<MessageBoxes::Answer>>("answers"); // to the question about b.txt, then others
    QTest::addColumn<QByteArray>("third");                    // c.BMP; empty: a.bmp's picture
    QTest::addColumn<bool>("png");                            // exported as PNG
    QTest::addColumn<QList<int>>("positions");                // of the objects extracted and converted
    QTest::addColumn<QList<int>>("bar");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("failures"); // the rows of the table at the end
    QTest::addColumn<int>("palette"); // the ramp the pictures get; -1: the default palette file is missing
    QTest::addColumn<QStringList>("written");
    using enum MessageBoxes::Answer;
    const QString skip =
        u"b.txt is not a bitmap file do you want to skip this file and continue with the rest."_s;
    // A refused picture is still copied as it was extracted, and the end of the run says so.
    QTest::newRow("No converts it anyway")
        << QList{No} << QByteArray() << false << QList<int>{1, 2, 3}
        << QList<int>{1667, 3333, 5000, 6667, 8333, 10000}
        << QStringList{skip, "This file is not a valid bitmap file."}
        << QStringList{"b.txt | not a picture | copied unconverted, because it is not a valid bitmap file"}
        << 0 << QStringList{"a.bmp", "b.txt", "c.BMP"};
    QTest::newRow("Cancel ends the run")
        << QList{Cancel} << QByteArray() << false << QList<int>{1} << QList<int>{1667, 3333}
        << QStringList{skip} << QStringList() << 0 << QStringList{"a.bmp"};
    // Yes skips b.txt. Converted with the palette at hand, so its colours are wrong: the table says so too.
    const QString missing =
        u"palette missing | The palette file does not exist. ("_s + pal_ + u"/base.pal)"_s;
    QTest::newRow("default palette missing")
        << QList{Yes} << QByteArray() << false << QList<int>{1, 3} << QList<int>{1667, 3333, 8333, 10000}
        << QStringList{"The palette file does not exist.", skip, "The palette file does not exist."}
        << QStringList{"a.bmp | " + missing, "c.BMP | " + missing} << -1 << QStringList{"a.bmp", "c.BMP"};
    QTest::newRow("PNG: a bitmap that cannot be read is not written")
        << QList{Yes, No} << QByteArray("BM junk") << true << QList<int>{1, 3}
        << QList<int>{1667, 3333, 8333, 10000}
        << QStringList{skip, "This file is a standard bitmap file.\r\nAre you sure you want to open it."}
        << QStringList{"c.BMP | not a picture | not written as PNG, because it is not a bitmap"} << 0
        << QStringList{"a.png"};
}

void PicturesTest::conversionWindow()
{
    QFETCH(QList<MessageBoxes::Answer>, answers);
    QFETCH(QByteArray, third);
    QFETCH(bool, png);
    QFETCH(QList<int>, positions);
    QFETCH(QList<int>, bar);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, failures);
    QFETCH(int, palette);
    QFETCH(QStringList, written);
    if (palette < 0)
        QFile::remove(pal_ + u"/base.pal"_s);
    const QByteArray good = PictureFiles::pbmp(4, 2, "\1\2\3\4\5\6\7\10", 0);
    const QStringList names{"a.bmp", "b.txt", "c.BMP"};
    const QString archive = archiveOf(names, {good, "notes", third.isEmpty() ? good : third});
    const QString out = environment_.path() + u"/converted"_s;
    QDir(out).removeRecursively();
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work_));
    const VolRecord vol{u"pictures.vol"_s, archive, names, true};
    PictureConversion::Options conversion = options(true);
    conversion.exportAs.format = png ? PictureExport::Format::Png : PictureExport::Format::Bmp;
    frmConvert window(nullptr, {vol, {0, 1, 2}, out, conversion}, runner, state_, fakes_.seams());
    QStringList shown;
    fakes_.dialogs.willAnswer([&shown](QDialog& table) { shown = failureRows(table); });
    QStringList statuses;
    QList<int> values;
    connect(&window, &frmConvert::statusShown, this, [&](const QString& text) { statuses.append(text); });
    connect(window.findChild<QProgressBar*>(u"ProgressBar1"_s), &QProgressBar::valueChanged, this,
            [&](int value) { values.append(value); });
    for (const MessageBoxes::Answer answer : answers)
        fakes_.messages.willAnswer(answer);
    window.exec();

    QStringList expected;
    for (const int position : positions)
        expected << u"Extracting file %1 of 3"_s.arg(position) << u"Converting file %1 of 3"_s.arg(position);
    QCOMPARE(statuses, expected);
    QCOMPARE(values, bar);
    QCOMPARE(fakes_.messages.texts(), texts);
    QCOMPARE(shown, failures);
    for (const ScriptedMessageBoxes::Shown& box : fakes_.messages.shown())
        QCOMPARE(box.buttons, box.text.startsWith(u"b.txt"_s)            ? MessageBoxes::Buttons::YesNoCancel
                              : box.text.startsWith(u"This file is a"_s) ? MessageBoxes::Buttons::YesNo
                                                                         : MessageBoxes::Buttons::Ok);
    QCOMPARE(QDir(out).entryList(QDir::Files), written);
    const QByteArray picture = converted(good, palette < 0 ? Palette{} : PictureFiles::ramp(palette));
    for (const QString& name : written) {
        if (png)
            QCOMPARE(QImage(out + u'/' + name, "PNG"), QImage::fromData(picture, "BMP"));
        else
            QCOMPARE(TestEnvironment::readFile(out + u'/' + name), name == "b.txt"_L1 ? "notes" : picture);
    }
}

// Each picture is on the sheet as the picture window shows it, with its own palette, and one larger
// than 4096 pixels on a side scaled down smoothly; a picture wider than the sheet takes a row of its
// own; one that cannot be drawn or is too large to show is named; Save writes the sheet as its name
// asks. A sheet that would pass 16384 rows ends before the picture that does not fit.
void PicturesTest::contactSheet()
{
    TestEnvironment::writeFile(pal_ + u"/5.pal"_s, PictureFiles::pal(PictureFiles::ramp(5)));
    QByteArray wide(1100 * 2, '\4');
    wide[0] = '\11';
    // Read in bands of 512 rows, each drawn row covering a little less than two.
    QByteArray stripes(8192 * 1031, '\0');
    for (qsizetype i = 0; i < stripes.size(); ++i)
        stripes[i] = char(i % 2 + i / 8192 / 7 % 5 * 3);
    const QStringList names{"own.bmp",   "base.bmp",  "plain.bmp", "broken.bmp", "wide.bmp",
                            "large.bmp", "16384.bmp", "16385.bmp", "20000.bmp"};
    const QList<QByteArray> contents{
        PictureFiles::pbmp(4, 3, "\1\2\3\4\5\6\7\10\11\12\13\14", 5),
        PictureFiles::pbmp(2, 2, "\1\2\3\4", 0),
        PictureFiles::standardBitmap(4, -2, PictureFiles::ramp(7), "\1\2\3\4\5\6\7\10"),
        "hello",
        PictureFiles::pbmp(1100, 2, wide, 0),
        PictureFiles::pbmp(8192, 1031, stripes, 0),
        PictureFiles::runLengthBitmap(16384, 16384, PictureFiles::ramp(2), 9),
        PictureFiles::runLengthBitmap(16385, 1, PictureFiles::ramp(2), 9),
        PictureFiles::pbmp(20000, 20000, "four", 0)}; // refused by its header, before the conversion
    const QString archive = archiveOf(names, contents);
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work_));
    frmContactSheet window(fakes_.messages, fakes_.files, runner);
    window.show();
    window.draw(state_, options(true), archive, names, 1);
    QCOMPARE(fakes_.messages.texts(), QStringList{"These pictures could not be drawn:\n"
                                                  "broken.bmp: it is not a valid bitmap file\n"
                                                  "16385.bmp: it is too large to show (16385 × 1)\n"
                                                  "20000.bmp: it is too large to show (20000 × 20000)"});

    const ContactSheet& sheet = window.sheet();
    // What is drawn is shown a few times a second, and all of it once the sheet is done.
    QCOMPARE(window.findChild<QWidget*>(u"sheetView"_s)->size(), sheet.size());
    QCOMPARE(window.findChild<QLabel*>(u"lblStatus"_s)->text(), u"6 pictures"_s);
    const QString saved = environment_.path() + u"/sheet.png"_s;
    fakes_.files.willPick(saved);
    window.findChild<QAction*>(u"mnuSave"_s)->trigger();
    QCOMPARE(fakes_.files.asked().constLast().filter, u"PNG Pictures (*.png);;BMP Pictures (*.bmp)"_s);
    const QImage drawn = QImage(saved, "PNG").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.size(), sheet.size());
    const QString bitmap = environment_.path() + u"/SHEET.BMP"_s;
    fakes_.files.willPick(bitmap);
    window.findChild<QAction*>(u"mnuSave"_s)->trigger();
    QVERIFY(TestEnvironment::readFile(bitmap).startsWith("BM"));
    QCOMPARE(QImage(bitmap, "BMP").convertToFormat(QImage::Format_RGB32), drawn);
    const QString other = environment_.path() + u"/sheet.jpg"_s;
    fakes_.files.willPick(other);
    window.findChild<QAction*>(u"mnuSave"_s)->trigger();
    QVERIFY(!QFile::exists(other));
    QCOMPARE(fakes_.messages.texts().constLast(),
             other +
                 u" is not saved: a contact sheet is saved as a PNG or BMP picture, under a name ending in "
                 "\".png\" or \".bmp\"."_s);

    QVERIFY(sheet.pictureRect(3).top() > sheet.pictureRect(0).bottom());
    QCOMPARE(sheet.pictureRect(4).size(), QSize(4096, 516));
    const QRect huge = sheet.pictureRect(5);
    QCOMPARE(huge.size(), QSize(4096, 4096));
    const PaletteEntry nine = PictureFiles::ramp(2)[9];
    QCOMPARE(drawn.pixelColor(huge.center()), QColor(nine.Red, nine.Green, nine.Blue));
    frmPreview preview(state_, fakes_.messages, fakes_.files);
    fakes_.messages.willAnswer(MessageBoxes::Answer::No); // the standard bitmap keeps its colours
    for (int shown = 0, object = 0; object < 6; ++object) {
        if (object == 3)
            continue;
        TestEnvironment::writeFile(temp(), contents.at(object));
        preview.loadPic(options(true), true);
        const QRect place = sheet.pictureRect(shown++);
        const QImage own = preview.findChild<PictureBox*>(u"Picture1"_s)->picture();
        const QImage expected = own.scaled(place.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    .convertToFormat(drawn.format());
        // Scaled, as Qt scales the whole picture but for rounding.
        int difference = 0;
        for (int y = 0; y < place.height(); ++y) {
            for (int x = 0; x < place.width(); ++x) {
                const QRgb was = expected.pixel(x, y);
                const QRgb is = drawn.pixel(place.topLeft() + QPoint(x, y));
                difference = std::max({difference, std::abs(qRed(was) - qRed(is)),
                                       std::abs(qGreen(was) - qGreen(is)), std::abs(qBlue(was) - qBlue(is))});
            }
        }
        QVERIFY2(difference <= (own.size() == place.size() ? 0 : 2), qPrintable(names.at(object)));
    }

    // Each tall picture takes a row below the wide one before it: the seventh would pass 16384 rows.
    const QByteArray tall = PictureFiles::pbmp(1, 4097, QByteArray(4097, '\3'), 0);
    const QByteArray flat = PictureFiles::pbmp(4097, 1, QByteArray(4097, '\3'), 0);
    QStringList turns;
    for (int i = 1; i <= 4; ++i)
        turns << u"tall%1.bmp"_s.arg(i) << u"wide%1.bmp"_s.arg(i);
    fakes_.messages.clear();
    window.draw(state_, options(true), archiveOf(turns, {tall, flat, tall, flat, tall, flat, tall, flat}),
                turns, 1);
    QCOMPARE(
        fakes_.messages.texts(),
        QStringList{"These pictures could not be drawn:\ntall4.bmp: the sheet would be larger than 16384 × "
                    "16384 pixels, so it ends before this picture"});
    QCOMPARE(window.sheet().count(), 6);
    QCOMPARE(window.findChild<QWidget*>(u"sheetView"_s)->size(), window.sheet().size());
    QCOMPARE(window.sheet().pictureRect(5).size(), QSize(4096, 1));
    QVERIFY(window.findChild<QAction*>(u"mnuSave"_s)->isEnabled());
}

// In cells, a small picture is enlarged pixel for pixel and a large one reduced smoothly, on any painter.
void PicturesTest::contactSheetCells()
{
    ContactSheet sheet(QFont(), 64, 2);
    QImage four(2, 2, QImage::Format_RGB32);
    const QList<QRgb> colours{qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200), qRgb(200, 200, 0)};
    for (int i = 0; i < 4; ++i)
        four.setPixel(i % 2, i / 2, colours.at(i));
    QImage lines(128, 128, QImage::Format_RGB32);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x)
            lines.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    QVERIFY(sheet.add(u"four.bmp"_s, four, four.size()) && sheet.add(u"lines.bmp"_s, lines, lines.size()));
    QImage drawn(sheet.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    sheet.paint(painter, drawn.rect());
    painter.end();

    const QRect enlarged = sheet.pictureRect(0);
    QCOMPARE(enlarged.size(), QSize(64, 64));
    for (const auto& [x, y, colour] : {std::tuple{0, 0, 0},
                                       {31, 31, 0},
                                       {32, 31, 1},
                                       {31, 32, 2},
                                       {32, 32, 3},
                                       {63, 63, 3},
                                       {63, 0, 1},
                                       {0, 63, 2}})
        QCOMPARE(drawn.pixel(enlarged.topLeft() + QPoint(x, y)), colours.at(colour));
    const QRect reduced = sheet.pictureRect(1);
    QCOMPARE(reduced.size(), QSize(64, 64));
    const int grey = qRed(drawn.pixel(reduced.center()));
    QVERIFY2(grey > 100 && grey < 155, qPrintable(QString::number(grey)));
}

void PicturesTest::refusesListsItCannotRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("cut in the heading") << QByteArray("PPAL\1") << u"too few for the heading"_s;
    QTest::newRow("no palettes") << PictureFiles::ppl(0, {}) << u"says it holds 0 palettes"_s;
    QTest::newRow("negative count") << PictureFiles::ppl(-2, {1}) << u"says it holds -2 palettes"_s;
    QTest::newRow("last byte missing") << PictureFiles::ppl(1, {1}).chopped(1) << u"1 palettes need 1084"_s;
    QTest::newRow("count near 2^31") << PictureFiles::ppl(0x7fffffff, {1}) << u"2147483647 palettes need"_s;
}

void PicturesTest::refusesListsItCannotRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const PaletteListCodec::Decoded list = PaletteListCodec::decode(bytes);
    QVERIFY2(list.error.contains(reason), qPrintable(list.error));
    QVERIFY(list.palettes.isEmpty());
}

// Names come from the archive: none may choose a folder outside the target, nor a missing target
// stand for the root.
void PicturesTest::paletteFolders_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<bool>("addName");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("refusal");
    const QString t = u"/pal"_s;
    QTest::newRow("list's own folder") << t << u"gui.ppl"_s << true << u"/pal/gui"_s << QString();
    QTest::newRow("dots are a name") << t << u"....ppl"_s << true << u"/pal/..."_s << QString();
    QTest::newRow("name not added") << t << u"../evil.ppl"_s << false << t << QString();
    QTest::newRow("parent") << t << u"...ppl"_s << true << QString() << u"names no folder"_s;
    QTest::newRow("parent, any ending") << t << u"..appl"_s << true << QString() << u"names no folder"_s;
    QTest::newRow("same folder") << t << u"..ppl"_s << true << QString() << u"names no folder"_s;
    QTest::newRow("ending only") << t << u".ppl"_s << true << QString() << u"names no folder"_s;
    QTest::newRow("shorter than the ending") << t << u"ppl"_s << true << QString() << u"names no folder"_s;
    QTest::newRow("path") << t << u"../evil.ppl"_s << true << QString() << u"the character /"_s;
    QTest::newRow("no list") << t << QString() << true << QString() << u"it is empty"_s;
    QTest::newRow("no target") << QString() << u"gui.ppl"_s << true << QString() << u"no folder is set"_s;
    QTest::newRow("no target, no name")
        << QString() << u"gui.ppl"_s << false << QString() << u"no folder is set"_s;
    // Not one of Qt's resources, which a leading colon would otherwise name.
    QTest::newRow("a target that starts with a colon")
        << u":/.."_s << u"gui.ppl"_s << true << u"./:/../gui"_s << QString();
}

void PicturesTest::paletteFolders()
{
    QFETCH(QString, target);
    QFETCH(QString, listName);
    QFETCH(bool, addName);
    QFETCH(QString, refusal);
    const PaletteExtraction::Folder folder = PaletteExtraction::folderFor(target, listName, addName);
    QTEST(folder.path, "folder");
    QVERIFY2(refusal.isEmpty() ? folder.refusal.isEmpty() : folder.refusal.contains(refusal),
             qPrintable(folder.refusal));
}

void PicturesTest::extractorStepsAndWrites()
{
    const QString dest = environment_.path() + u"/dest"_s;
    const QString pal = environment_.path() + u"/palettes"_s;
    bool addPpl = true;
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(environment_.tempHome()));
    // Palette ids are signed; what follows the last palette is ignored.
    TestEnvironment::writeFile(runner.workFolder().paletteList(),
                               PictureFiles::ppl(3, {1, -2, 7}) + "trailing");
    PictureState pictures;
    pictures.PaletteHeader = "HEADER-OF-THE-LAST-READ!";
    ScriptedMessageBoxes messages;
    QString current = u"gui.ppl"_s;
    frmPalExtract window({dest, pal, addPpl}, pictures, runner, messages, [&current] { return current; });
    QVERIFY(!window.cmdExtract->isEnabled() && window.chkAdd->isChecked() && window.optDest->isChecked());

    QCOMPARE(window.load(u"gui.ppl"_s), QString());
    const auto state = [&window] {
        return window.lblStatus->text() + u' ' + window.txtIndex->text() + u' ' +
               QString::number(window.cmdPrev->isEnabled()) + QString::number(window.cmdNext->isEnabled());
    };
    QCOMPARE(state(), u"Palette 1 of 3 1 01"_s);
    window.cmdNext->click();
    window.cmdNext->click();
    QCOMPARE(state(), u"Palette 3 of 3 7 10"_s);
    QCOMPARE(window.lblPalette[200]->palette().color(QPalette::Window), QColor(7, 2, 200));

    TestEnvironment::writeFile(pal + u"/gui/7.pal"_s, QByteArray(5000, 'o')); // a longer file is cut
    window.optPal->click();
    window.cmdExtract->click();
    const QByteArray written = TestEnvironment::readFile(pal + u"/gui/7.pal"_s);
    QCOMPARE(written.size(), 1048);
    QVERIFY(written.startsWith(pictures.PaletteHeader));
    // Entry 0 is stored blue first, entry 1 red first (its fourth byte is 255).
    QCOMPARE(written.mid(24, 8), QByteArray("\0\2\7\0\x1e\x14\x0a\xff", 8));
    window.chkAdd->click();
    QVERIFY(!addPpl); // the program-wide setting
    window.optDest->click();
    current = u"moved.ppl"_s; // the name is read from the main list when Extract is pressed
    window.cmdExtract->click();
    QVERIFY(QFile::exists(dest + u"/7.pal"_s));

    // Extract All writes each palette as Extract wrote the one shown, and says so once; a file where the
    // folder should be is reported.
    window.chkAdd->click();
    window.cmdExtractAll->click();
    QCOMPARE(TestEnvironment::readFile(dest + u"/moved/7.pal"_s),
             TestEnvironment::readFile(pal + u"/gui/7.pal"_s));
    QCOMPARE(messages.texts(), // none for Extract
             QStringList{u"3 of 3 palettes written to "_s + dest + u"/moved:\n1.pal, -2.pal, 7.pal."_s});
    TestEnvironment::writeFile(dest + u"/blocked"_s, "file");
    current = u"blocked.ppl"_s;
    window.cmdExtractAll->click();
    QCOMPARE(messages.texts().last(), u"0 of 3 palettes written to "_s + dest +
                                          u"/blocked.\n\nNot written:\nThe folder "_s + dest +
                                          u"/blocked cannot be created."_s);

    // A list named to reach the target's parent writes nothing there.
    for (const QString& hostile : {u"..appl"_s, u"../evil.ppl"_s}) {
        current = hostile;
        window.cmdExtract->click();
        window.cmdExtractAll->click();
        QVERIFY2(
            messages.texts().last().startsWith(u"The palettes of "_s + hostile + u" cannot be extracted: "_s),
            qPrintable(messages.texts().last()));
    }
    QCOMPARE(messages.texts().size(), 2 + 4);
    QVERIFY(!QFile::exists(environment_.path() + u"/7.pal"_s) &&
            !QFile::exists(environment_.path() + u"/evil"_s));

    TestEnvironment::writeFile(runner.workFolder().paletteList(), PictureFiles::ppl(1, {4}));
    QCOMPARE(window.load(u"one.ppl"_s), QString());
    QCOMPARE(state(), u"Palette 1 of 1 4 00"_s);
    TestEnvironment::writeFile(runner.workFolder().paletteList(), PictureFiles::ppl(2, {4}));
    QVERIFY(window.load(u"cut.ppl"_s).contains(u"2 palettes need"_s));
}

// A picture whose number no palette file has takes that palette from a list of its archive, with
// the colours Extract writes for it; once read, a list is remembered until the archive is listed again.
// A list the tool cannot extract is tried once in each run, however many pictures look for a palette.
void PicturesTest::archiveListsFillTheGaps()
{
    const QString samples = environment_.path() + u"/samples"_s;
    QVERIFY2(TestEnvironment::makeSamples(samples).isEmpty(), "make-sample-vol failed");
    const WorkFolder work(environment_.path() + u"/archive-work"_s);
    const QString calls = environment_.path() + u"/extracted-objects"_s;
    TestEnvironment::writeFile(work.extractTool(),
                               u"#!/bin/sh\nprintf '%s\\n' \"$2\" >> '%1'\nexec '%2' \"$@\"\n"_s
                                   .arg(calls, KADRILLO_STANDIN_DIR "/extract.exe"_L1)
                                   .toUtf8(),
                               true);
    const auto extractions = [&calls] { // of each list, in archive order
        const QList<QByteArray> names = TestEnvironment::readFile(calls).split('\n');
        return QList<qsizetype>{names.count("lost.ppl"), names.count("gone.ppl"), names.count("gui.ppl")};
    };
    ToolRunner runner;
    runner.setWorkFolder(work);
    VolRecord vol{u"sample.vol"_s,
                  samples + u"/sample.vol"_s,
                  {u"lost.ppl"_s, u"sky.bmp"_s, u"logo.bmp"_s, u"gone.ppl"_s, u"gui.ppl"_s}};
    vol.markListed();
    ArchivePalettes lists;
    const PaletteSearch search{environment_.path() + u"/no-palettes"_s, samples + u"/base.pal"_s, true,
                               lists.source(runner, vol)};
    PictureState pictures;
    const QString out = environment_.path() + u"/archive-out"_s;
    ConversionJob job(runner, pictures, out, {work, true, search});
    QVERIFY2(job.begin(vol.FilePath), qPrintable(job.error()));
    // sky.bmp has palette 2, logo.bmp -3, which no list holds.
    RunDriver driver(runner, job, RunReport::Kind::Conversion, 1);
    const RunReport report = driver.run(RunDriver::objects({u"sky.bmp"_s, u"logo.bmp"_s, u"sky.bmp"_s}));
    QVERIFY2(report.isClean(), qPrintable(report.text()));
    QCOMPARE(report.done(), 3);
    QCOMPARE(extractions(), (QList<qsizetype>{1, 1, 1}));

    const QString extracted = environment_.path() + u"/extracted"_s;
    const PaletteListCodec::Decoded gui =
        PaletteListCodec::decode(TestEnvironment::readFile(work.paletteList()));
    PaletteExtraction::writeAll(extracted, {}, gui.palettes);
    QCOMPARE(TestEnvironment::readFile(out + u"/sky.bmp"_s).mid(54, 1024),
             TestEnvironment::readFile(extracted + u"/2.pal"_s).mid(24));
    QCOMPARE(TestEnvironment::readFile(out + u"/logo.bmp"_s).mid(54, 1024),
             TestEnvironment::readFile(samples + u"/base.pal"_s).mid(24));
    // Which list drew it, and what the lists read so far hold, in archive order.
    const PaletteOrigin listed = Palettes(pictures).FindPalette(2, search).origin;
    QCOMPARE(listed, (PaletteOrigin{PaletteOrigin::Reason::Listed, 2, {}, u"gui.ppl"_s, 2}));
    QCOMPARE(listed.text(), u"palette 2: gui.ppl: 2"_s);
    const QList<ListedPalette> known = lists.known(vol);
    QCOMPARE(known.size(), gui.palettes.size());
    QCOMPARE(known.at(2).list + u':' + QString::number(known.at(2).id), u"gui.ppl:7"_s);
    QCOMPARE(known.at(2).colours, gui.palettes.at(2).Colors);

    // A new run tries the lists that failed; one that was read is found with the tool gone, until a
    // new listing.
    QCOMPARE(lists.source(runner, vol)(7)->colours, gui.palettes.at(2).Colors);
    QCOMPARE(extractions(), (QList<qsizetype>{2, 2, 1}));
    QVERIFY(QFile::remove(work.extractTool()));
    QCOMPARE(lists.source(runner, vol)(7)->colours, gui.palettes.at(2).Colors);
    vol.markListed();
    QVERIFY(!lists.source(runner, vol)(7));
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
