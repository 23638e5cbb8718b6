#include "VolArchive.h"
#include "app/frmMain.h"
#include "archive/ToolRunner.h"
#include "picture/Palettes.h"
#include "picture/PictureBox.h"
#include "picture/PictureCodec.h"
#include "picture/PictureConversion.h"
#include "picture/PicturePrompts.h"
#include "picture/PictureState.h"
#include "picture/frmConvert.h"
#include "picture/frmPreview.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "support/FakeSeams.h"
#include "support/PictureFiles.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QMenu>
#include <QProgressBar>
#include <QScopeGuard>
#include <QTest>

// Pictures through the files the tools leave: conversion, palette search, the picture window and
// batch conversion with the stand-in tools.
class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void standardBitmapAndItsPalette();
    void refusedPicturesAreLeftAlone_data();
    void refusedPicturesAreLeftAlone();
    void autoSelectFindsThePaletteByNumber();
    void paletteSearch_data();
    void paletteSearch();
    void shortPaletteFilesAreRefused();
    void pictureWindowFitsThePicture();
    void pictureWindowScalesWhenNotFitting();
    void pictureWindowShowsEveryBitmapQtReads_data();
    void pictureWindowShowsEveryBitmapQtReads();
    void pictureWindowMenuAndShutdown();
    void batchConversion_data();
    void batchConversion();
    void batchListsPicturesItCouldNotConvert();

private:
    PictureConversion::Options options(bool autoSelect) const;
    // Converts "temp.bmp" as a window does, its messages shown through the fakes.
    PictureConversion::Outcome convert(bool autoSelect);
    // The archive "pictures.vol" of `entries`, with the stand-in extraction tool in the working folder.
    VolRecord archiveOf(const std::vector<VolEntry>& entries);
    QString work() const { return environment_.path() + QStringLiteral("/work"); }
    QString palettes() const { return environment_.path() + QStringLiteral("/pal"); }
    QString temp() const { return work() + QStringLiteral("/temp.bmp"); }

    TestEnvironment environment_;
    FakeSeams fakes_;
    PictureState state_;
};

void PicturesTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void PicturesTest::init()
{
    for (const QString& folder : {work(), palettes()}) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
    }
    TestEnvironment::writeFile(palettes() + QStringLiteral("/base.pal"),
                               PictureFiles::pal(PictureFiles::ramp(0)));
    state_ = PictureState();
    fakes_.messages.clear();
}

PictureConversion::Options PicturesTest::options(bool autoSelect) const
{
    return {WorkFolder(work()), autoSelect,
            PaletteSearch{palettes(), palettes() + QStringLiteral("/base.pal"), true}};
}

PictureConversion::Outcome PicturesTest::convert(bool autoSelect)
{
    PicturePrompts prompts(fakes_.messages, nullptr);
    PictureConversion conversion(state_);
    const PictureConversion::Report report = prompts.convert(conversion, options(autoSelect));
    prompts.show(report.messages);
    return report.outcome;
}

VolRecord PicturesTest::archiveOf(const std::vector<VolEntry>& entries)
{
    const QString archive = environment_.path() + QStringLiteral("/pictures.vol");
    std::string error;
    if (!VolArchive::write(archive.toStdString(), entries, error))
        qFatal("cannot write %s: %s", qPrintable(archive), error.c_str());
    QFile::copy(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"), work() + QStringLiteral("/extract.exe"));
    QStringList names;
    for (const VolEntry& entry : entries)
        names.append(QString::fromStdString(entry.name));
    return VolRecord{QStringLiteral("pictures.vol"), archive, names, true};
}

void PicturesTest::standardBitmapAndItsPalette()
{
    const Palette own = PictureFiles::ramp(4);
    const QByteArray original = PictureFiles::standardBitmap(4, 2, own, QByteArray("\1\2\3\4\5\6\7\10", 8));

    TestEnvironment::writeFile(temp(), original);
    fakes_.messages.willAnswer(MessageBoxes::Answer::No);
    QCOMPARE(convert(false), PictureConversion::Outcome::Declined);
    QCOMPARE(TestEnvironment::readFile(temp()), original);
    QCOMPARE(fakes_.messages.texts(),
             QStringList{"This file is a standard bitmap file.\r\nAre you sure you want to open it."});
    QCOMPARE(fakes_.messages.shown().first().icon, MessageBoxes::Icon::Information);
    QCOMPARE(fakes_.messages.shown().first().buttons, MessageBoxes::Buttons::YesNo);

    // Auto Select off: its own colours stay, and they become temp.pal.
    fakes_.messages.willAnswer(MessageBoxes::Answer::Yes);
    QCOMPARE(convert(false), PictureConversion::Outcome::Converted);
    QCOMPARE(TestEnvironment::readFile(temp()), original);
    QCOMPARE(TestEnvironment::readFile(work() + QStringLiteral("/temp.pal")).mid(24),
             PictureFiles::pal(own, QByteArray()));
    QCOMPARE(state_.PaletteFile, work() + QStringLiteral("/temp.pal"));

    // Auto Select on: number 0 is the default palette.
    fakes_.messages.willAnswer(MessageBoxes::Answer::Yes);
    QCOMPARE(convert(true), PictureConversion::Outcome::Converted);
    const QByteArray converted = TestEnvironment::readFile(temp());
    QCOMPARE(converted.mid(54, 1024), PictureFiles::pal(PictureFiles::ramp(0), QByteArray()));
    QCOMPARE(converted.mid(1078), original.mid(1078));
    QCOMPARE(state_.PaletteFile, palettes() + QStringLiteral("/base.pal"));
}

void PicturesTest::refusedPicturesAreLeftAlone_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::addColumn<MessageBoxes::Icon>("icon");
    QTest::newRow("not a picture") << QByteArray("Pb and more") << "This file is not a valid bitmap file."
                                   << MessageBoxes::Icon::Critical;
    QTest::newRow("truncated PBMP") << PictureFiles::pbmp(8, 8, QByteArray(64, 'x'), 1).left(80)
                                    << "cannot be converted: the file is cut short"
                                    << MessageBoxes::Icon::Exclamation;
    QTest::newRow("missing") << QByteArray() << "The file you seleted to be opened does not exist."
                             << MessageBoxes::Icon::Critical;
}

void PicturesTest::refusedPicturesAreLeftAlone()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QFETCH(MessageBoxes::Icon, icon);
    if (!file.isEmpty())
        TestEnvironment::writeFile(temp(), file);
    state_.Bitmap.biWidth = 64;
    QCOMPARE(convert(true), PictureConversion::Outcome::Refused);
    QCOMPARE(fakes_.messages.shown().size(), 1);
    QVERIFY2(fakes_.messages.texts().first().contains(message), qPrintable(fakes_.messages.texts().first()));
    QCOMPARE(fakes_.messages.shown().first().title, QStringLiteral("Warning!"));
    QCOMPARE(fakes_.messages.shown().first().icon, icon);
    QCOMPARE(TestEnvironment::readFile(temp()), file);
    QCOMPARE(state_.Bitmap.biWidth, 64);
}

void PicturesTest::autoSelectFindsThePaletteByNumber()
{
    TestEnvironment::writeFile(palettes() + QStringLiteral("/7.pal"),
                               PictureFiles::pal(PictureFiles::ramp(7)));
    TestEnvironment::writeFile(temp(), PictureFiles::pbmp(4, 1, QByteArray("\0\1\2\3", 4), 7));
    QCOMPARE(convert(true), PictureConversion::Outcome::Converted);
    QVERIFY(fakes_.messages.shown().isEmpty());
    const QImage image(temp(), "BMP");
    const PaletteEntry third = PictureFiles::ramp(7)[2];
    QCOMPARE(image.pixelColor(2, 0), QColor(third.Red, third.Green, third.Blue));

    // A missing palette file: the default one, and no message.
    TestEnvironment::writeFile(temp(), PictureFiles::pbmp(4, 1, QByteArray("\0\1\2\3", 4), 8));
    QCOMPARE(convert(true), PictureConversion::Outcome::Converted);
    QCOMPARE(state_.PaletteFile, palettes() + QStringLiteral("/base.pal"));
    QCOMPARE(state_.CurrentPalette, PictureFiles::ramp(0));
}

void PicturesTest::paletteSearch_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("subfolders");
    QTest::addColumn<QString>(
        "expected"); // relative to the palette folder; "first" is the first-listed subfolder
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
        TestEnvironment::writeFile(palettes() + QLatin1Char('/') + file,
                                   PictureFiles::pal(PictureFiles::ramp(number)));
    if (expected == QLatin1String("first")) {
        QDirIterator listed(palettes(), QDir::Dirs | QDir::NoDotAndDotDot);
        expected = QFileInfo(listed.next()).fileName() + QStringLiteral("/5.pal");
    }
    const PaletteSearch search{palettes(), palettes() + QStringLiteral("/base.pal"), subfolders};
    QCOMPARE(Palettes::fileFor(number, search), palettes() + QLatin1Char('/') + expected);
    QVERIFY(!Palettes(state_).FindPalette(number, search).has_value());
    QCOMPARE(state_.CurrentPalette, PictureFiles::ramp(expected == QLatin1String("base.pal") ? 0 : number));
}

void PicturesTest::shortPaletteFilesAreRefused()
{
    state_.PaletteFile = palettes() + QStringLiteral("/short.pal");
    TestEnvironment::writeFile(state_.PaletteFile, PictureFiles::pal(PictureFiles::ramp(1)).left(1000));
    state_.CurrentPalette = PictureFiles::ramp(2);
    PicturePrompts(fakes_.messages, nullptr).show(Palettes(state_).ReadPalette());
    QCOMPARE(state_.CurrentPalette, PictureFiles::ramp(2));
    QCOMPARE(fakes_.messages.shown().first().title, QStringLiteral("Warning!"));

    fakes_.messages.clear();
    state_.PaletteFile = palettes() + QStringLiteral("/none.pal");
    PicturePrompts(fakes_.messages, nullptr).show(Palettes(state_).ReadPalette());
    QCOMPARE(fakes_.messages.texts(), QStringList{"The palette file does not exist."});
    QCOMPARE(fakes_.messages.shown().first().icon, MessageBoxes::Icon::None);
}

void PicturesTest::pictureWindowFitsThePicture()
{
    QCOMPARE(frmPreview::fittedSizeTwips(64, 48, 15, 15), QSize(1140, 1140));
    TestEnvironment::writeFile(temp(), PictureFiles::pbmp(64, 48, QByteArray(64 * 48, '\5'), 0));
    auto* window = new frmPreview(state_, fakes_.messages);
    window->Form_Load(palettes() + QStringLiteral("/base.pal"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QPoint position = window->pos();
    window->loadPic(options(true), true);
    QVERIFY(fakes_.messages.shown().isEmpty());
    const QSize outer = Twips::toPixels(window, 0, 0, 1140, 1140).size();
    QCOMPARE(window->frameGeometry().size(), outer);
    QCOMPARE(window->pos(), position);
    auto* box = window->findChild<PictureBox*>(QStringLiteral("Picture1"));
    QCOMPARE(box->geometry(), window->rect());
    QCOMPARE(box->picture().size(), QSize(64, 48));
    const PaletteEntry five = PictureFiles::ramp(0)[5];
    QCOMPARE(box->grab().toImage().pixelColor(10, 10), QColor(five.Red, five.Green, five.Blue));
    window->close();
}

void PicturesTest::pictureWindowScalesWhenNotFitting()
{
    TestEnvironment::writeFile(temp(), PictureFiles::pbmp(8, 4, QByteArray(32, '\7'), 0));
    auto* window = new frmPreview(state_, fakes_.messages);
    window->resize(Twips::toPixels(window, 0, 0, 4500, 3000).size());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->loadPic(options(true), false);
    const auto* box = window->findChild<PictureBox*>(QStringLiteral("Picture1"));
    QCOMPARE(box->picture().size(), box->size());
    window->resize(window->size() + QSize(40, 20));
    QCOMPARE(box->picture().size(), box->size());

    // A file that is no picture: the window says so and stays blank.
    TestEnvironment::writeFile(temp(), "hello");
    window->loadPic(options(true), false);
    QCOMPARE(fakes_.messages.texts(),
             (QStringList{"This file is not a valid bitmap file.", "error loading bitmap."}));
    QCOMPARE(fakes_.messages.shown().last().title, QStringLiteral("Kadrillo"));
    QVERIFY(box->picture().isNull());
    window->close();
}

void PicturesTest::pictureWindowShowsEveryBitmapQtReads_data()
{
    // 64 x 48 pixels: the top row in colour 1 of the bitmap's own palette, the others in colour 2.
    QTest::addColumn<QByteArray>("file");
    const Palette own = PictureFiles::ramp(6);
    const QByteArray topFirst = QByteArray(64, '\1') + QByteArray(64 * 47, '\2');
    const QByteArray bottomFirst = QByteArray(64 * 47, '\2') + QByteArray(64, '\1');
    QTest::newRow("top-down rows") << PictureFiles::standardBitmap(64, -48, own, topFirst);
    QTest::newRow("124-byte info header")
        << PictureFiles::standardBitmap(64, 48, own, bottomFirst, "BM", 124);
    QTest::newRow("108-byte info header, top-down")
        << PictureFiles::standardBitmap(64, -48, own, topFirst, "BM", 108);
    QByteArray trueColour;
    for (int pixel = 0; pixel < 64 * 48; ++pixel) {
        const PaletteEntry& colour = own[pixel < 64 * 47 ? 2 : 1];
        trueColour.append(char(colour.Blue)).append(char(colour.Green)).append(char(colour.Red));
    }
    QTest::newRow("24 bits a pixel") << PictureFiles::standardBitmap(64, 48, own, trueColour, "BM", 40, 24);
}

// The conversion keeps such a bitmap as it is, and the window fits and shows it the right way up.
void PicturesTest::pictureWindowShowsEveryBitmapQtReads()
{
    QFETCH(QByteArray, file);
    TestEnvironment::writeFile(temp(), file);
    auto* window = new frmPreview(state_, fakes_.messages);
    const auto closing = qScopeGuard([window] { window->close(); });
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    fakes_.messages.willAnswer(MessageBoxes::Answer::Yes);
    window->loadPic(options(false), true);
    QCOMPARE(fakes_.messages.texts(),
             QStringList{"This file is a standard bitmap file.\r\nAre you sure you want to open it."});
    QCOMPARE(TestEnvironment::readFile(temp()), file);
    QCOMPARE(window->frameGeometry().size(), Twips::toPixels(window, 0, 0, 1140, 1140).size());
    auto* box = window->findChild<PictureBox*>(QStringLiteral("Picture1"));
    QCOMPARE(box->picture().size(), QSize(64, 48));
    const QImage shown = box->grab().toImage();
    const Palette own = PictureFiles::ramp(6);
    QCOMPARE(shown.pixelColor(10, 0), QColor(own[1].Red, own[1].Green, own[1].Blue));
    QCOMPARE(shown.pixelColor(10, 47), QColor(own[2].Red, own[2].Green, own[2].Blue));
}

void PicturesTest::pictureWindowMenuAndShutdown()
{
    TestEnvironment::writeFile(environment_.dataHome() + QStringLiteral("/Kadrillo/base.pal"),
                               PictureFiles::pal(PictureFiles::ramp(3)));
    AppState app;
    SettingsStore store(environment_.path() + QStringLiteral("/menu.ini"));
    frmMain window(app, store, fakes_.seams());
    window.show();
    QAction* toggle = window.findChild<QAction*>(QStringLiteral("mnuToolbarsPreview"));
    QMenu* submenu = window.findChild<QMenu*>(QStringLiteral("mnuToolsPreview"));
    toggle->trigger();
    frmPreview* preview = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<frmPreview*>(widget); found && found->isVisible())
            preview = found;
    }
    QVERIFY(preview);
    QVERIFY(preview->isVisible());
    QVERIFY(submenu->isEnabled());
    QCOMPARE(app.Picture.CurrentPalette, PictureFiles::ramp(3)); // the window loads base.pal

    toggle->trigger();
    QVERIFY(preview->isHidden());
    QVERIFY(!submenu->isEnabled());
    toggle->trigger();
    QVERIFY(preview->isVisible());

    QPointer<frmPreview> watched(preview);
    preview->close();
    QVERIFY(!toggle->isChecked());
    QTRY_VERIFY(watched.isNull());

    // Shutdown unloads a loaded window, hidden or not, before the working files go.
    toggle->trigger();
    toggle->trigger();
    QVERIFY(!toggle->isChecked());
    toggle->trigger();
    QVERIFY(toggle->isChecked());
    window.close();
    QVERIFY(!toggle->isChecked());
}

void PicturesTest::batchConversion_data()
{
    QTest::addColumn<MessageBoxes::Answer>("answer");
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QList<int>>("bar");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("Yes skips b.txt") << MessageBoxes::Answer::Yes
                                     << QStringList{"Extracting file 1 of 3", "Converting file 1 of 3",
                                                    "Extracting file 3 of 3", "Converting file 3 of 3"}
                                     << QList<int>{1667, 3333, 8333, 10000} << QStringList{"a.bmp", "c.BMP"};
    QTest::newRow("No converts it anyway")
        << MessageBoxes::Answer::No
        << QStringList{"Extracting file 1 of 3", "Converting file 1 of 3", "Extracting file 2 of 3",
                       "Converting file 2 of 3", "Extracting file 3 of 3", "Converting file 3 of 3"}
        << QList<int>{1667, 3333, 5000, 6667, 8333, 10000} << QStringList{"a.bmp", "b.txt", "c.BMP"};
    QTest::newRow("Cancel ends the run")
        << MessageBoxes::Answer::Cancel << QStringList{"Extracting file 1 of 3", "Converting file 1 of 3"}
        << QList<int>{1667, 3333} << QStringList{"a.bmp"};
}

void PicturesTest::batchConversion()
{
    QFETCH(MessageBoxes::Answer, answer);
    QFETCH(QStringList, statuses);
    QFETCH(QList<int>, bar);
    QFETCH(QStringList, written);
    const QByteArray picture = PictureFiles::pbmp(4, 2, QByteArray("\1\2\3\4\5\6\7\10", 8), 0);
    const std::vector<VolEntry> entries{
        {"a.bmp", std::vector<unsigned char>(picture.begin(), picture.end())},
        {"b.txt", {'n', 'o', 't', 'e', 's'}},
        {"c.BMP", std::vector<unsigned char>(picture.begin(), picture.end())},
    };
    const VolRecord vol = archiveOf(entries);
    const QString out = environment_.path() + QStringLiteral("/converted");
    QDir(out).removeRecursively();

    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work()));
    frmConvert window(nullptr, {vol, {0, 1, 2}, out, options(true)}, runner, state_, fakes_.messages);
    QStringList shownStatuses;
    QList<int> values;
    connect(&window, &frmConvert::statusShown, this,
            [&](const QString& text) { shownStatuses.append(text); });
    connect(window.findChild<QProgressBar*>(QStringLiteral("ProgressBar1")), &QProgressBar::valueChanged,
            this, [&](int value) { values.append(value); });
    fakes_.messages.willAnswer(answer);
    window.exec();

    QCOMPARE(shownStatuses, statuses);
    QCOMPARE(values, bar);
    QCOMPARE(fakes_.messages.texts().first(),
             QStringLiteral(
                 "b.txt is not a bitmap file do you want to skip this file and continue with the rest."));
    QCOMPARE(fakes_.messages.shown().first().buttons, MessageBoxes::Buttons::YesNoCancel);
    QStringList files = QDir(out).entryList(QDir::Files);
    files.sort();
    QCOMPARE(files, written);
    BitmapRecord bitmap;
    QVERIFY(PictureCodec::readPbmp(picture, bitmap).isEmpty());
    QCOMPARE(TestEnvironment::readFile(out + QStringLiteral("/a.bmp")),
             PictureCodec::writePbmpAsBitmap(bitmap, PictureFiles::ramp(0)));
    if (answer == MessageBoxes::Answer::No) {
        QCOMPARE(fakes_.messages.texts().at(1), QStringLiteral("This file is not a valid bitmap file."));
        QCOMPARE(TestEnvironment::readFile(out + QStringLiteral("/b.txt")), QByteArray("notes"));
    }
}

// Our change: a refused picture is still copied as it was extracted, and the end of the run says so.
void PicturesTest::batchListsPicturesItCouldNotConvert()
{
    const QByteArray good = PictureFiles::pbmp(4, 2, QByteArray("\1\2\3\4\5\6\7\10", 8), 0);
    const QByteArray cut = good.left(60);
    const auto entry = [](const char* name, const QByteArray& bytes) {
        return VolEntry{name, std::vector<unsigned char>(bytes.begin(), bytes.end())};
    };
    const VolRecord vol =
        archiveOf({entry("good.bmp", good), entry("cut.bmp", cut), entry("text.bmp", "notes")});
    const QString out = environment_.path() + QStringLiteral("/converted");
    QDir(out).removeRecursively();
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(work()));
    frmConvert window(nullptr, {vol, {0, 1, 2}, out, options(true)}, runner, state_, fakes_.messages);
    window.exec();

    QStringList files = QDir(out).entryList(QDir::Files);
    files.sort();
    QCOMPARE(files, (QStringList{"cut.bmp", "good.bmp", "text.bmp"}));
    QCOMPARE(TestEnvironment::readFile(out + QStringLiteral("/cut.bmp")), cut);
    QCOMPARE(TestEnvironment::readFile(out + QStringLiteral("/text.bmp")), QByteArray("notes"));
    BitmapRecord unused;
    const QString reason = PictureCodec::readPbmp(cut, unused);
    QVERIFY(!reason.isEmpty());
    QCOMPARE(
        fakes_.messages.texts(),
        (QStringList{QStringLiteral("The picture %1 cannot be converted: %2.").arg(temp(), reason),
                     "This file is not a valid bitmap file.",
                     "2 objects could not be converted:\n\ncut.bmp: copied unconverted, because " + reason +
                         "\ntext.bmp: copied unconverted, because it is not a valid bitmap file"}));
    QCOMPARE(fakes_.messages.shown().last().title, QStringLiteral("Warning!"));
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
