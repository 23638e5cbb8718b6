#include "archive/ToolRunner.h"
#include "archive/VolTable.h"
#include "picture/ArchivePalettes.h"
#include "picture/ConversionJob.h"
#include "picture/PaletteExtraction.h"
#include "picture/PaletteListCodec.h"
#include "picture/PictureConversion.h"
#include "picture/PictureState.h"
#include "preview/frmPalExtract.h"
#include "support/PictureFiles.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

// Palette lists read, and their palettes written where the picture conversion finds them.
class PalettesTest : public QObject {
    Q_OBJECT

private slots:
    void readsEveryPaletteOfAList();
    void refusesListsItCannotRead_data();
    void refusesListsItCannotRead();
    void extractorStepsAndWrites();
    void archiveListsFillTheGaps();

private:
    TestEnvironment environment_;
};

namespace {

QByteArray int32(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A list whose palette i has entry k = (k, i, id, 0), except entry 1 stored red first.
QByteArray ppl(qint32 count, const QList<qint32>& ids)
{
    QByteArray bytes = "PPAL" + int32(count) + QByteArray(44, 'x');
    for (const qint32 id : ids) {
        for (int k = 0; k < 256; ++k) {
            const char entry[4] = {char(k), char(ids.indexOf(id)), char(id), 0};
            bytes += k == 1 ? QByteArray("\x0a\x14\x1e\xff", 4) : QByteArray(entry, 4);
        }
        bytes += int32(id) + "tail";
    }
    return bytes;
}

} // namespace

void PalettesTest::readsEveryPaletteOfAList()
{
    const PaletteListCodec::Decoded list =
        PaletteListCodec::decode(ppl(3, {7, -3, 12}) + "ignored after the last");
    QVERIFY2(list.error.isEmpty(), qPrintable(list.error));
    QCOMPARE(list.palettes.size(), 3);
    QCOMPARE(PaletteListCodec::fileName(list.palettes[0]), u"7.pal"_s);
    QCOMPARE(PaletteListCodec::fileName(list.palettes[1]), u"-3.pal"_s);
    // Stored blue first, or red first when the fourth byte is 255.
    QCOMPARE(list.palettes[2].Colors[200], (PaletteEntry{12, 2, 200, 0}));
    QCOMPARE(list.palettes[2].Colors[1], (PaletteEntry{10, 20, 30, 255}));
}

void PalettesTest::refusesListsItCannotRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("cut in the heading") << QByteArray("PPAL\1\0\0\0") << u"too few for the heading"_s;
    QTest::newRow("no palettes") << ppl(0, {}) << u"says it holds 0 palettes"_s;
    QTest::newRow("negative count") << ppl(-2, {1}) << u"says it holds -2 palettes"_s;
    QTest::newRow("one palette short") << ppl(2, {1}) << u"2 palettes need 2116"_s;
    QTest::newRow("last byte missing") << ppl(1, {1}).chopped(1) << u"1 palettes need 1084"_s;
    QTest::newRow("count near 2^31") << ppl(0x7fffffff, {1}) << u"2147483647 palettes need"_s;
}

void PalettesTest::refusesListsItCannotRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const PaletteListCodec::Decoded list = PaletteListCodec::decode(bytes);
    QVERIFY2(list.error.contains(reason), qPrintable(list.error));
    QVERIFY(list.palettes.isEmpty());
}

void PalettesTest::extractorStepsAndWrites()
{
    const QString dest = environment_.path() + u"/dest"_s;
    const QString pal = environment_.path() + u"/palettes"_s;
    bool addPpl = true;
    ToolRunner runner;
    runner.setWorkFolder(WorkFolder(environment_.tempHome()));
    TestEnvironment::writeFile(runner.workFolder().paletteList(), ppl(3, {1, 2, 7}));
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
    QCOMPARE(written.mid(24, 8), QByteArray("\0\2\7\0\x1e\x14\x0a\xff", 8));
    // A picture that names palette 7 is converted with the palette written there.
    TestEnvironment::writeFile(runner.workFolder().picture(), PictureFiles::pbmp(4, 1, "\1\1\1\1", 7));
    PictureState converted;
    QCOMPARE(
        PictureConversion(converted)
            .ConvertPicture({runner.workFolder(), true, {pal, QString(), true}}, [](auto&) { return true; })
            .outcome,
        PictureConversion::Outcome::Converted);
    QCOMPARE(converted.CurrentPalette, PaletteListCodec::decode(ppl(3, {1, 2, 7})).palettes.at(2).Colors);
    QCOMPARE(PaletteExtraction::folderFor(pal, u"ppl"_s, true), pal); // no name without the ending
    window.chkAdd->click();
    QVERIFY(!addPpl); // the program-wide setting
    window.optDest->click();
    current = u"moved.ppl"_s; // the name is read from the main list when Extract is pressed
    window.cmdExtract->click();
    QVERIFY(QFile::exists(dest + u"/7.pal"_s));
    QVERIFY(messages.shown().isEmpty());

    // Extract All writes each palette as Extract wrote the one shown, and says so once; a file where the
    // folder should be is reported.
    window.chkAdd->click();
    window.cmdExtractAll->click();
    QCOMPARE(TestEnvironment::readFile(dest + u"/moved/7.pal"_s),
             TestEnvironment::readFile(pal + u"/gui/7.pal"_s));
    QCOMPARE(messages.texts(),
             QStringList{u"3 of 3 palettes written to "_s + dest + u"/moved:\n1.pal, 2.pal, 7.pal."_s});
    QCOMPARE(messages.shown().last().icon, MessageBoxes::Icon::Information);
    TestEnvironment::writeFile(dest + u"/blocked"_s, "file");
    current = u"blocked.ppl"_s;
    window.cmdExtractAll->click();
    QCOMPARE(messages.texts().last(), u"0 of 3 palettes written to "_s + dest +
                                          u"/blocked.\n\nNot written:\nThe folder "_s + dest +
                                          u"/blocked cannot be created."_s);
    QCOMPARE(messages.shown().last().icon, MessageBoxes::Icon::Exclamation);
    messages.clear();

    TestEnvironment::writeFile(runner.workFolder().paletteList(), ppl(1, {4}));
    QCOMPARE(window.load(u"one.ppl"_s), QString());
    QCOMPARE(state(), u"Palette 1 of 1 4 00"_s);
    TestEnvironment::writeFile(runner.workFolder().paletteList(), ppl(2, {4}));
    QVERIFY(window.load(u"cut.ppl"_s).contains(u"2 palettes need"_s));
}

// A picture whose number no palette file has takes that palette from a list of its archive, with
// the colours Extract writes for it; once read, a list is remembered until the archive is listed again.
void PalettesTest::archiveListsFillTheGaps()
{
    const QString samples = environment_.path() + u"/samples"_s;
    QVERIFY2(TestEnvironment::makeSamples(samples).isEmpty(), "make-sample-vol failed");
    const WorkFolder work(environment_.path() + u"/archive-work"_s);
    QVERIFY(QDir().mkpath(work.path()) &&
            QFile::copy(KADRILLO_STANDIN_DIR "/extract.exe"_L1, work.extractTool()));
    ToolRunner runner;
    runner.setWorkFolder(work);
    VolRecord vol{u"sample.vol"_s, samples + u"/sample.vol"_s, {u"sky.bmp"_s, u"logo.bmp"_s, u"gui.ppl"_s}};
    vol.markListed();
    ArchivePalettes lists;
    const PaletteSearch search{environment_.path() + u"/no-palettes"_s, samples + u"/base.pal"_s, true,
                               lists.source(runner, vol)};
    PictureState pictures;
    const QString out = environment_.path() + u"/archive-out"_s;
    ConversionJob job(runner, pictures, out, {work, true, search});
    QVERIFY2(job.begin(vol.FilePath), qPrintable(job.error()));
    QCOMPARE(job.convert(u"sky.bmp"_s).outcome, ConversionJob::Outcome::Written);  // palette 2
    QCOMPARE(job.convert(u"logo.bmp"_s).outcome, ConversionJob::Outcome::Written); // -3: in no list

    const QString extracted = environment_.path() + u"/extracted"_s;
    const PaletteListCodec::Decoded gui =
        PaletteListCodec::decode(TestEnvironment::readFile(work.paletteList()));
    QCOMPARE(PaletteExtraction::writeAll(extracted, {}, gui.palettes).written,
             (QStringList{u"1.pal"_s, u"2.pal"_s, u"7.pal"_s}));
    const auto colourTable = [&out](const QString& name) {
        return TestEnvironment::readFile(out + u'/' + name).mid(54, 1024);
    };
    const QByteArray two = TestEnvironment::readFile(extracted + u"/2.pal"_s).mid(24);
    QCOMPARE(colourTable(u"sky.bmp"_s), two);
    QVERIFY(two.at(3) == '\xff' && two.at(1023) == 0); // entries of both forms
    QCOMPARE(colourTable(u"logo.bmp"_s), TestEnvironment::readFile(samples + u"/base.pal"_s).mid(24));

    // Remembered: found with no tool to extract the list again, until a new listing.
    QVERIFY(QFile::remove(work.extractTool()));
    QCOMPARE(lists.find(runner, vol, 7), gui.palettes.at(2).Colors);
    vol.markListed();
    QVERIFY(!lists.find(runner, vol, 7));
}

QTEST_MAIN(PalettesTest)
#include "tst_palettes.moc"
