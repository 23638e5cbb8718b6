#include "picture/IndexedPng.h"
#include "picture/PaletteCodec.h"
#include "picture/PbmpLayout.h"
#include "picture/PictureCodec.h"
#include "picture/PictureExport.h"
#include "support/PictureFiles.h"
#include "support/PngCheck.h"
#include "support/TestEnvironment.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

// The picture and palette formats, on bytes in memory.
class PictureCodecTest : public QObject {
    Q_OBJECT

private slots:
    void fourByTwoIsExactlyTheKnownFile();
    void pbmpRowsBecomeBitmapRows_data();
    void pbmpRowsBecomeBitmapRows();
    void refusesInconsistentFiles_data();
    void refusesInconsistentFiles();
    void writerReadsOnlyThePixelsItHolds();
    void writerTellsAFailedWrite();
    void paletteBytesPassThroughInOrder();
    void pngKeepsIndicesAndPalette_data();
    void pngKeepsIndicesAndPalette();
    void pngIsMadeOnlyFromConvertedBitmaps();

private:
    TestEnvironment environment_;
};

namespace {

QByteArray counting(int size)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i)
        out[i] = char(i % 251);
    return out;
}

} // namespace

void PictureCodecTest::fourByTwoIsExactlyTheKnownFile()
{
    BitmapRecord bitmap;
    QVERIFY(PictureCodec::readPbmp(PictureFiles::pbmp(4, 2, counting(8), 0), bitmap).isEmpty());
    const QByteArray out = PictureCodec::writePbmpAsBitmap(bitmap, PictureFiles::ramp(3));
    QCOMPARE(out.left(54).toHex(' '),
             QByteArray(
                 "42 4d 3e 04 00 00 00 00 00 00 36 04 00 00 28 00 00 00 04 00 00 00 02 00 00 00 01 00 08 00 "
                 "00 00 00 00 08 00 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 01 00 00"));
    QCOMPARE(out.mid(54), PictureFiles::pal(PictureFiles::ramp(3), QByteArray()) +
                              QByteArray::fromHex("04050607 00010203"));
}

void PictureCodecTest::pbmpRowsBecomeBitmapRows_data()
{
    // The BMP rows, bottom-up: each PBMP row with its own padding bytes, cut or filled with zeros to
    // a multiple of four bytes (our change: every BMP reader needs that).
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("paletteNumber");
    QTest::addColumn<QByteArray>("rows");
    const auto hex = &QByteArray::fromHex;
    QTest::newRow("3 pixels a row") << 3 << 2 << counting(6) << 2 << hex("03040500 00010200");
    QTest::newRow("5 pixels a row") << 5 << 2 << counting(10) << 0
                                    << hex("0506070809000000 0001020304000000");
    QTest::newRow("own padding kept")
        << 2 << 2 << hex("0102 0909 0304 0808") << 0 << hex("03040808 01020909");
    QTest::newRow("padding wider than the row needs")
        << 2 << 2 << hex("0102 09090909 0304 08080808") << 0 << hex("03040808 01020909");
    // The padding is round(S / height - width), halves to even: 0.75 and 1.5 round up, 2.5 down.
    QTest::newRow("padding past the data, S 7")
        << 1 << 4 << counting(7) << 0 << hex("06000000 04050000 02030000 00010000");
    QTest::newRow("last pixel is the last byte, S 10")
        << 1 << 4 << counting(10) << 0 << hex("09000000 06070800 03040500 00010200");
    QTest::newRow("2.5 rounds to 2") << 1 << 2 << counting(7) << 0 << hex("03040500 00010200");
    QTest::newRow("10 bytes are still padding") << 1 << 2 << counting(22) << 0 << hex("0b0c0d0e 00010203");
    // More than 10 bytes a row beyond the pixels: data after the picture, not padding.
    QTest::newRow("data after the picture") << 1 << 2 << counting(24) << -3 << hex("01000000 00000000");
}

void PictureCodecTest::pbmpRowsBecomeBitmapRows()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QByteArray, data);
    QFETCH(int, paletteNumber);
    QFETCH(QByteArray, rows);
    BitmapRecord bitmap;
    QVERIFY(PictureCodec::readPbmp(PictureFiles::pbmp(width, height, data, paletteNumber), bitmap).isEmpty());
    QCOMPARE(bitmap.PaletteIndex, paletteNumber);
    const QByteArray out = PictureCodec::writePbmpAsBitmap(bitmap, Palette{});
    QCOMPARE(out.mid(1078).toHex(' '), rows.toHex(' '));
    QCOMPARE(bitmap.biSizeImage, rows.size());
    QCOMPARE(bitmap.bfSize, out.size());
}

void PictureCodecTest::refusesInconsistentFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray pbmp = PictureFiles::pbmp(4, 2, counting(8), 0);
    QTest::newRow("PBMP shorter than the header") << pbmp.left(40);
    QTest::newRow("PBMP cut inside the pixels") << pbmp.left(48);
    QTest::newRow("PBMP without palette number") << pbmp.left(pbmp.size() - 2);
    QTest::newRow("PBMP of zero width") << PictureFiles::pbmp(0, 2, counting(8), 0);
    QTest::newRow("PBMP of negative height") << PictureFiles::pbmp(4, -2, counting(8), 0);
    QTest::newRow("PBMP wider than 32768") << PictureFiles::pbmp(40000, 1, counting(8), 0);
    QTest::newRow("PBMP with fewer bytes than pixels") << PictureFiles::pbmp(4, 2, counting(7), 0);
    QTest::newRow("PBMP of 16 bits a pixel") << PictureFiles::pbmp(4, 2, counting(8), 0, 16);
    QTest::newRow("PBMP size beyond the file")
        << QByteArray(pbmp).replace(PbmpLayout::dataSizeOffset, 1, "\x7f");
    QTest::newRow("PBMP of negative size")
        << QByteArray(pbmp).replace(PbmpLayout::dataSizeOffset + 3, 1, "\x80");
    // The rounded padding can outgrow S: 1.5 rounds to 2; 1.97 to 2, one byte short; 0.75 to 1.
    QTest::newRow("PBMP rows past the data: 1 x 100, S 250") << PictureFiles::pbmp(1, 100, counting(250), 0);
    QTest::newRow("PBMP rows past the data: 1 x 100, S 297") << PictureFiles::pbmp(1, 100, counting(297), 0);
    QTest::newRow("PBMP rows past the data: 2 x 32768, S 90112")
        << PictureFiles::pbmp(2, 32768, counting(90112), 0);
    const QByteArray bitmap = PictureFiles::standardBitmap(4, 2, Palette{}, counting(8));
    QTest::newRow("bitmap cut in the colour table") << bitmap.left(600);
    QTest::newRow("bitmap cut in the pixels") << bitmap.left(1080);
    QTest::newRow("bitmap of 24 bits a pixel") << QByteArray(bitmap).replace(28, 1, "\x18");
    QTest::newRow("bitmap with a 16-colour table")
        << QByteArray(bitmap).replace(10, 2, QByteArray("\x76\0", 2)); // pixels at 118
    QTest::newRow("bitmap of height -2^31, which has no 32-bit absolute value")
        << QByteArray(bitmap).replace(22, 4, QByteArray("\0\0\0\x80", 4));
}

// Either reader leaves what it would fill as it was.
void PictureCodecTest::refusesInconsistentFiles()
{
    QFETCH(QByteArray, file);
    BitmapRecord bitmap;
    bitmap.biWidth = 77;
    Palette colours = PictureFiles::ramp(5);
    const QString error = PictureCodec::kindOf(file) == PictureCodec::Kind::Pbmp
                              ? PictureCodec::readPbmp(file, bitmap)
                              : PictureCodec::readStandardBitmap(file, bitmap, colours);
    QVERIFY(!error.isEmpty());
    QCOMPARE(bitmap.biWidth, 77);
    QVERIFY(bitmap.Pixels.isEmpty() && bitmap.bfType.isEmpty());
    QCOMPARE(colours, PictureFiles::ramp(5));
}

// A record holding fewer pixels than it states, as no reader makes one: nothing past them is read
// (0x77 here), and what is missing, a whole row too, is written as zeros.
void PictureCodecTest::writerReadsOnlyThePixelsItHolds()
{
    const QByteArray buffer = QByteArray::fromHex("010203 7777777777");
    BitmapRecord cut;
    cut.biWidth = 4;
    cut.biHeight = 2;
    cut.biSizeImage = 8;
    cut.Pixels = QByteArray::fromRawData(buffer.constData(), 3);
    QCOMPARE(PictureCodec::writePbmpAsBitmap(cut, Palette{}).mid(1078),
             QByteArray::fromHex("00000000 01020300"));
}

// The file writer sends rows as it makes them; a full disk must not pass for a written picture.
void PictureCodecTest::writerTellsAFailedWrite()
{
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly))
        QSKIP("no /dev/full to write to");
    BitmapRecord bitmap;
    QVERIFY(PictureCodec::readPbmp(PictureFiles::pbmp(200, 200, counting(200 * 200), 0), bitmap).isEmpty());
    QVERIFY(!PictureCodec::writePbmpAsBitmap(bitmap, Palette{}, full));
}

void PictureCodecTest::paletteBytesPassThroughInOrder()
{
    Palette written = PictureFiles::ramp(2);
    written[1] = PaletteEntry{30, 20, 10, 0};
    const QByteArray file = PictureFiles::pal(written, "0123456789abcdefghijklmn");
    QCOMPARE(file.mid(24 + 4, 4), QByteArray::fromHex("0a141e00")); // blue first
    const PaletteCodec::Decoded read = PaletteCodec::decode(file);
    QCOMPARE(read.palette, written);
    QCOMPARE(PaletteCodec::encode(read.header, read.palette), file);
    QCOMPARE(PaletteCodec::encode(QByteArray(), read.palette).left(24), QByteArray(24, '\0'));
    QVERIFY(!PaletteCodec::decode(file.left(1047)).error.isEmpty());
}

void PictureCodecTest::pngKeepsIndicesAndPalette_data()
{
    QTest::addColumn<QByteArray>("bitmap");
    QTest::addColumn<int>("transparent"); // -1: none
    Palette grey{};
    for (int i = 0; i < 256; ++i)
        grey[std::size_t(i)] = PaletteEntry{std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
    const auto converted = [](int width, int height, const Palette& palette) {
        BitmapRecord record;
        if (!PictureCodec::readPbmp(PictureFiles::pbmp(width, height, counting(width * height), 0), record)
                 .isEmpty())
            return QByteArray();
        return PictureCodec::writePbmpAsBitmap(record, palette);
    };
    QTest::newRow("padded rows, index 5 transparent") << converted(5, 3, PictureFiles::ramp(7)) << 5;
    QTest::newRow("index 255 transparent") << converted(16, 16, PictureFiles::ramp(1)) << 255;
    // Qt's own PNG writer makes a grey PNG of this one.
    QTest::newRow("grey ramp palette, none transparent") << converted(16, 16, grey) << -1;
    QTest::newRow("top-down rows, index 0 transparent")
        << PictureFiles::standardBitmap(4, -2, PictureFiles::ramp(3), counting(8)) << 0;
}

void PictureCodecTest::pngKeepsIndicesAndPalette()
{
    QFETCH(QByteArray, bitmap);
    QFETCH(int, transparent);
    const std::optional<int> index = transparent < 0 ? std::nullopt : std::optional<int>(transparent);
    const QString bmpFile = environment_.path() + QStringLiteral("/picture.bmp");
    const QString pngFile = environment_.path() + QStringLiteral("/picture.png");
    TestEnvironment::writeFile(bmpFile, bitmap);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QVERIFY(IndexedPng::write(IndexedPng::sourceOf(bitmap).value(), index, png));
    TestEnvironment::writeFile(pngFile, png.data());
    const QString qt = PngCheck::qtDifferences(bmpFile, pngFile, index);
    QVERIFY2(qt.isEmpty(), qPrintable(qt));
    const QString magick = PngCheck::magickDifferences(bmpFile, pngFile, index);
    if (magick.startsWith(QLatin1String("SKIP")))
        QSKIP(qPrintable(magick));
    QVERIFY2(magick.isEmpty(), qPrintable(magick));
}

// Anything else is copied as it is, under the object's own name.
void PictureCodecTest::pngIsMadeOnlyFromConvertedBitmaps()
{
    const QByteArray bitmap = PictureFiles::standardBitmap(4, 2, Palette{}, counting(8));
    const std::optional<IndexedPng::Source> source = IndexedPng::sourceOf(bitmap);
    QVERIFY(source);
    for (const QByteArray& other : {PictureFiles::pbmp(4, 2, counting(8), 0), bitmap.left(1080),
                                    QByteArray(bitmap).replace(30, 1, "\x01"), // run-length coded
                                    PictureFiles::standardBitmap(4, 2, Palette{}, counting(8), "BM", 40, 24)})
        QVERIFY(!IndexedPng::sourceOf(other));
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    QVERIFY(!IndexedPng::write(*source, 3, readOnly));
    QCOMPARE(PictureExport::pngName(QStringLiteral("sky.bmp")), QStringLiteral("sky.png"));
    QCOMPARE(PictureExport::pngName(QStringLiteral("SKY.BMP")), QStringLiteral("SKY.png"));
    QCOMPARE(PictureExport::pngName(QStringLiteral("notes.txt")), QStringLiteral("notes.txt.png"));
}

QTEST_GUILESS_MAIN(PictureCodecTest)
#include "tst_picturecodec.moc"
