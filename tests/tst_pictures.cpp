#include "VolArchive.h"
#include "app/frmMain.h"
#include "archive/ToolRunner.h"
#include "picture/ContactSheet.h"
#include "picture/ContactSheetJob.h"
#include "picture/Palettes.h"
#include "picture/PictureBox.h"
#include "picture/PictureCodec.h"
#include "picture/PicturePrompts.h"
#include "picture/PictureState.h"
#include "picture/frmContactSheet.h"
#include "picture/frmConvert.h"
#include "picture/frmPreview.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "support/FailureRows.h"
#include "support/FakeSeams.h"
#include "support/PictureFiles.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QMenu>
#include <QProgressBar>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

// Pictures through the files the tools leave: conversion, palette search, the picture window and
// batch conversion with the stand-in tools.
class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void conversionOutcomes_data();
    void conversionOutcomes();
    void paletteSearch_data();
    void paletteSearch();
    void pictureWindow();
    void pictureWindowMenuAndShutdown();
    void batchConversion_data();
    void batchConversion();
    void contactSheet();

private:
    PictureConversion::Options options(bool autoSelect) const;
    QString temp() const { return WorkFolder(work_).picture(); }
    // Every box shown, as "title (icon): text".
    QStringList boxes() const;

    TestEnvironment environment_;
    const QString work_ = environment_.path() + u"/work"_s;
    const QString pal_ = environment_.path() + u"/pal"_s;
    FakeSeams fakes_;
    PictureState state_;
};

namespace {

QByteArray converted(const QByteArray& pbmp, const Palette& palette)
{
    BitmapRecord bitmap;
    PictureCodec::readPbmp(pbmp, bitmap);
    return PictureCodec::writePbmpAsBitmap(bitmap, palette);
}

} // namespace

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

void PicturesTest::conversionOutcomes_data()
{
    QTest::addColumn<QByteArray>("file"); // "temp.bmp" as the tool left it; empty for none
    QTest::addColumn<bool>("autoSelect");
    QTest::addColumn<MessageBoxes::Answer>("answer"); // to the question about a standard bitmap
    QTest::addColumn<PictureConversion::Outcome>("outcome");
    QTest::addColumn<QStringList>("boxes"); // as boxes() describes them
    QTest::addColumn<QByteArray>("after");  // "temp.bmp" afterwards
    QTest::addColumn<int>("palette");       // the ramp that is then the current palette; -1: none
    using enum PictureConversion::Outcome;
    const auto Yes = MessageBoxes::Answer::Yes;
    const auto pbmp = [](int number) {
        return PictureFiles::pbmp(4, 1, QByteArray("\0\1\2\3", 4), number);
    };
    const QByteArray bitmap = PictureFiles::standardBitmap(4, 2, PictureFiles::ramp(4), "\1\2\3\4\5\6\7\10");
    const QByteArray trueColour = PictureFiles::standardBitmap(2, 1, {}, QByteArray(8, '\3'), "BM", 40, 24);
    const QByteArray cut = PictureFiles::pbmp(8, 8, QByteArray(64, 'x'), 1).left(80);
    const QStringList question{u"Kadrillo (i): This file is a standard bitmap file.\r\nAre you sure you "
                               "want to open it."_s};
    QTest::newRow("PBMP, its palette by number") << pbmp(7) << true << Yes << Converted << QStringList()
                                                 << converted(pbmp(7), PictureFiles::ramp(7)) << 7;
    QTest::newRow("PBMP, its palette file cut short")
        << pbmp(6) << true << Yes << Converted
        << QStringList{"Warning! (!): The palette file " + pal_ +
                       "/6.pal cannot be used: it holds 1000 bytes, and a palette file has 1048."}
        << converted(pbmp(6), Palette{}) << -1;
    QTest::newRow("standard bitmap declined")
        << bitmap << false << MessageBoxes::Answer::No << Declined << question << bitmap << -1;
    QTest::newRow("standard bitmap, its own colours")
        << bitmap << false << Yes << Converted << question << bitmap << 4;
    QTest::newRow("standard bitmap, auto select: the default")
        << bitmap << true << Yes << Converted << question
        << bitmap.left(54) + PictureFiles::pal(PictureFiles::ramp(0), QByteArray()) + bitmap.mid(1078) << 0;
    QByteArray odd =
        PictureFiles::standardBitmap(3, -2, PictureFiles::ramp(4), QByteArray("\1\2\3\0\4\5\6\0", 8), "bm");
    odd.replace(34, 4, QByteArray(4, '\0')); // then whole rows of four-byte multiples
    QTest::newRow("top-down, stating no size, \"bm\"")
        << odd << false << Yes << Converted << question << odd << 4;
    // Our change: a bitmap of any other layout is kept, for the window to show as Qt reads it.
    const QByteArray larger = PictureFiles::standardBitmap(4, 2, {}, "\1\2\3\4\5\6\7\10", "BM", 124);
    QTest::newRow("larger info header kept") << larger << true << Yes << Kept << question << larger << -1;
    QTest::newRow("24 bits a pixel kept")
        << trueColour << true << Yes << Kept << question << trueColour << -1;
    QTest::newRow("not a picture") << QByteArray("Pb and more") << true << Yes << Refused
                                   << QStringList{"Warning! (x): This file is not a valid bitmap file."}
                                   << QByteArray("Pb and more") << -1;
    QTest::newRow("PBMP cut short") << cut << true << Yes << Refused
                                    << QStringList{"Warning! (!): The picture " + temp() +
                                                   " cannot be converted: the file is cut short: its picture "
                                                   "data and palette number need 132 bytes, and it has 80."}
                                    << cut << -1;
    QTest::newRow("missing") << QByteArray() << true << Yes << Refused
                             << QStringList{"Warning! (x): The file you seleted to be opened does not exist."}
                             << QByteArray() << -1;
}

// Converted as a window converts it: its messages shown in order once it returns.
void PicturesTest::conversionOutcomes()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, autoSelect);
    QFETCH(MessageBoxes::Answer, answer);
    QFETCH(PictureConversion::Outcome, outcome);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArray, after);
    QFETCH(int, palette);
    TestEnvironment::writeFile(pal_ + u"/7.pal"_s, PictureFiles::pal(PictureFiles::ramp(7)));
    TestEnvironment::writeFile(pal_ + u"/6.pal"_s, PictureFiles::pal(PictureFiles::ramp(6)).left(1000));
    if (!file.isEmpty())
        TestEnvironment::writeFile(temp(), file);
    state_.Bitmap.biWidth = 64;
    fakes_.messages.willAnswer(answer);
    PicturePrompts prompts(fakes_.messages, nullptr);
    PictureConversion conversion(state_);
    const PictureConversion::Report report = prompts.convert(conversion, options(autoSelect));
    prompts.show(report.messages);

    QCOMPARE(report.outcome, outcome);
    QCOMPARE(report.refusal.isEmpty(), outcome != PictureConversion::Outcome::Refused);
    QCOMPARE(this->boxes(), boxes);
    QCOMPARE(TestEnvironment::readFile(temp()), after);
    QCOMPARE(state_.CurrentPalette, palette < 0 ? Palette{} : PictureFiles::ramp(palette));
    if (outcome != PictureConversion::Outcome::Converted)
        QCOMPARE(state_.Bitmap.biWidth, 64);
    if (palette >= 0) { // from the file now named: a standard bitmap's own colours from "temp.pal"
        PictureState reread;
        reread.PaletteFile = state_.PaletteFile;
        QVERIFY(!Palettes(reread).ReadPalette());
        QCOMPARE(reread.CurrentPalette, state_.CurrentPalette);
    }
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
    QTest::newRow("hidden entries skipped")
        << QStringList{".hidden/5.pal", "Sub/.5.pal"} << 5 << true << "base.pal";
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
    QVERIFY(!Palettes(state_).FindPalette(number, search));
    QCOMPARE(state_.CurrentPalette, PictureFiles::ramp(expected == "base.pal"_L1 ? 0 : number));
}

// Fitted, the inner area is the picture and the design's borders, the right way up; not fitted,
// the picture fills the window at any size. A file that is no picture leaves it blank, and the
// window says so, as it says that its palette file is missing.
void PicturesTest::pictureWindow()
{
    auto* window = new frmPreview(state_, fakes_.messages);
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
    QCOMPARE(boxes(),
             (QStringList{
                 "Kadrillo: The palette file does not exist.",
                 "Kadrillo (i): This file is a standard bitmap file.\r\nAre you sure you want to open it.",
                 "Warning! (x): This file is not a valid bitmap file.", "Kadrillo: error loading bitmap."}));
    QVERIFY(box->picture().isNull());
}

void PicturesTest::pictureWindowMenuAndShutdown()
{
    TestEnvironment::writeFile(environment_.dataHome() + u"/Kadrillo/base.pal"_s,
                               PictureFiles::pal(PictureFiles::ramp(3)));
    AppState app;
    SettingsStore store(environment_.path() + u"/menu.ini"_s);
    frmMain window(app, store, fakes_.seams());
    window.show();
    auto* toggle = window.findChild<QAction*>(u"mnuToolbarsPreview"_s);
    auto* submenu = window.findChild<QMenu*>(u"mnuToolsPreview"_s);
    toggle->trigger();
    QPointer<frmPreview> preview;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<frmPreview*>(widget); found && found->isVisible())
            preview = found;
    }
    QVERIFY(preview && submenu->isEnabled());
    QCOMPARE(app.Picture.CurrentPalette, PictureFiles::ramp(3)); // the window loads base.pal
    toggle->trigger();
    QVERIFY(preview->isHidden() && !submenu->isEnabled());

    // Shutdown unloads a loaded window, hidden too, before the working files go.
    window.close();
    QTRY_VERIFY(preview.isNull());
}

void PicturesTest::batchConversion_data()
{
    QTest::addColumn<MessageBoxes::Answer>("answer"); // to the question about b.txt
    QTest::addColumn<QList<int>>("positions");        // of the objects extracted, converted and copied
    QTest::addColumn<QList<int>>("bar");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("failures"); // the rows of the table at the end
    const QString skip =
        u"b.txt is not a bitmap file do you want to skip this file and continue with the rest."_s;
    QTest::newRow("Yes skips b.txt") << MessageBoxes::Answer::Yes << QList<int>{1, 3}
                                     << QList<int>{1667, 3333, 8333, 10000} << QStringList{skip}
                                     << QStringList();
    // Our change: a refused picture is still copied as it was extracted, and the end of the run says so.
    QTest::newRow("No converts it anyway")
        << MessageBoxes::Answer::No << QList<int>{1, 2, 3} << QList<int>{1667, 3333, 5000, 6667, 8333, 10000}
        << QStringList{skip, "This file is not a valid bitmap file."}
        << QStringList{"b.txt | not a picture | copied unconverted, because it is not a valid bitmap file"};
    QTest::newRow("Cancel ends the run") << MessageBoxes::Answer::Cancel << QList<int>{1}
                                         << QList<int>{1667, 3333} << QStringList{skip} << QStringList();
}

void PicturesTest::batchConversion()
{
    QFETCH(MessageBoxes::Answer, answer);
    QFETCH(QList<int>, positions);
    QFETCH(QList<int>, bar);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, failures);
    const QByteArray good = PictureFiles::pbmp(4, 2, "\1\2\3\4\5\6\7\10", 0);
    const QMap<QString, QByteArray> objects{{"a.bmp", good}, {"b.txt", "notes"}, {"c.BMP", good}};
    std::vector<VolEntry> entries;
    for (auto object = objects.begin(); object != objects.end(); ++object)
        entries.push_back({object.key().toStdString(), {object.value().begin(), object.value().end()}});
    const QString archive = environment_.path() + u"/pictures.vol"_s;
    std::string error;
    QVERIFY2(VolArchive::write(archive.toStdString(), entries, error), error.c_str());
    QFile::copy(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"), work_ + u"/extract.exe"_s);
    const QString out = environment_.path() + u"/converted"_s;
    QDir(out).removeRecursively();
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work_));
    const VolRecord vol{u"pictures.vol"_s, archive, objects.keys(), true};
    frmConvert window(nullptr, {vol, {0, 1, 2}, out, options(true)}, runner, state_, fakes_.seams());
    QStringList shown;
    fakes_.dialogs.willAnswer([&shown](QDialog& table) { shown = failureRows(table); });
    QStringList statuses;
    QList<int> values;
    connect(&window, &frmConvert::statusShown, this, [&](const QString& text) { statuses.append(text); });
    connect(window.findChild<QProgressBar*>(u"ProgressBar1"_s), &QProgressBar::valueChanged, this,
            [&](int value) { values.append(value); });
    fakes_.messages.willAnswer(answer);
    window.exec();

    QStringList expected;
    QStringList written;
    for (const int position : positions) {
        expected << u"Extracting file %1 of 3"_s.arg(position) << u"Converting file %1 of 3"_s.arg(position);
        written << objects.keys().at(position - 1);
    }
    QCOMPARE(statuses, expected);
    QCOMPARE(values, bar);
    QCOMPARE(fakes_.messages.texts(), texts);
    QCOMPARE(shown, failures);
    QCOMPARE(fakes_.messages.shown().first().buttons, MessageBoxes::Buttons::YesNoCancel);
    QCOMPARE(QDir(out).entryList(QDir::Files), written);
    for (const QString& name : written)
        QCOMPARE(TestEnvironment::readFile(out + u'/' + name),
                 name == "b.txt"_L1 ? objects[name] : converted(good, PictureFiles::ramp(0)));
}

// Each picture is on the sheet as the picture window shows it, with its own palette; a picture wider
// than the sheet takes a row of its own; one that cannot be drawn is named; Save writes the sheet.
void PicturesTest::contactSheet()
{
    TestEnvironment::writeFile(pal_ + u"/5.pal"_s, PictureFiles::pal(PictureFiles::ramp(5)));
    QByteArray wide(1100 * 2, '\4');
    wide[0] = '\11';
    const QList<std::pair<QString, QByteArray>> objects{
        {"own.bmp", PictureFiles::pbmp(4, 3, "\1\2\3\4\5\6\7\10\11\12\13\14", 5)},
        {"base.bmp", PictureFiles::pbmp(2, 2, "\1\2\3\4", 0)},
        {"plain.bmp", PictureFiles::standardBitmap(4, -2, PictureFiles::ramp(7), "\1\2\3\4\5\6\7\10")},
        {"broken.bmp", "hello"},
        {"wide.bmp", PictureFiles::pbmp(1100, 2, wide, 0)}};
    std::vector<VolEntry> entries;
    QStringList names;
    for (const auto& [name, bytes] : objects) {
        entries.push_back({name.toStdString(), {bytes.begin(), bytes.end()}});
        names.append(name);
    }
    const QString archive = environment_.path() + u"/sheet.vol"_s;
    std::string error;
    QVERIFY2(VolArchive::write(archive.toStdString(), entries, error), error.c_str());
    QFile::copy(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"), work_ + u"/extract.exe"_s);
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work_));
    frmContactSheet window(fakes_.messages, fakes_.files);
    window.show();
    ContactSheetJob job(runner, state_, options(true));
    window.draw(job, archive, names);
    QCOMPARE(fakes_.messages.texts(),
             QStringList{u"These pictures could not be drawn:\nbroken.bmp: it is not a valid bitmap file"_s});

    const ContactSheet& sheet = window.sheet();
    const QImage drawn = sheet.toImage();
    QVERIFY(sheet.pictureRect(3).top() > sheet.pictureRect(0).bottom());
    frmPreview preview(state_, fakes_.messages);
    fakes_.messages.willAnswer(MessageBoxes::Answer::No); // the standard bitmap keeps its colours
    for (int shown = 0, object = 0; object < objects.size(); ++object) {
        if (object == 3)
            continue;
        TestEnvironment::writeFile(temp(), objects.at(object).second);
        preview.loadPic(options(true), true);
        const QImage expected =
            preview.findChild<PictureBox*>(u"Picture1"_s)->picture().convertToFormat(drawn.format());
        QCOMPARE(drawn.copy(sheet.pictureRect(shown++)), expected);
    }
    const QString saved = environment_.path() + u"/sheet.png"_s;
    fakes_.files.willPick(saved);
    window.findChild<QAction*>(u"mnuSave"_s)->trigger();
    QCOMPARE(QImage(saved).convertToFormat(drawn.format()), drawn);
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
