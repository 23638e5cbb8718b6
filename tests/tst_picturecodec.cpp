#include "picture/PaletteCodec.h"
#include "picture/PictureCodec.h"
#include "support/PictureFiles.h"
#include "support/TestEnvironment.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

// The picture and palette formats, on bytes in memory.
class PictureCodecTest : public QObject {
    Q_OBJECT

private slots:
    void fourByTwoIsExactlyTheKnownFile();
    void rowsGoBottomUp();
    void rowPaddingIsKept();
    void dataAfterThePictureIsIgnored();
    void paddingRoundsHalfToEven();
    void unalignedRowsArePaddedToFourBytes();
    void refusesInconsistentPbmps_data();
    void refusesInconsistentPbmps();
    void paddingPastThePictureDataIsZero();
    void writerReadsOnlyThePixelsItHolds();
    void standardBitmapsAreWrittenBackAsTheyWere();
    void refusesBitmapsItCannotRewrite_data();
    void refusesBitmapsItCannotRewrite();
    void paletteBytesPassThroughInOrder();
    void everyWrittenBitmapOpensElsewhere_data();
    void everyWrittenBitmapOpensElsewhere();

private:
    TestEnvironment environment_;
};

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int value : values)
        out.append(char(value));
    return out;
}

QByteArray counting(int size)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i)
        out[i] = char(i % 251);
    return out;
}

BitmapRecord readPbmp(const QByteArray& file)
{
    BitmapRecord bitmap;
    const QString error = PictureCodec::readPbmp(file, bitmap);
    if (!error.isEmpty())
        qWarning("refused: %s", qPrintable(error));
    return bitmap;
}

} // namespace

void PictureCodecTest::fourByTwoIsExactlyTheKnownFile()
{
    BitmapRecord bitmap = readPbmp(PictureFiles::pbmp(4, 2, bytes({1, 2, 3, 4, 5, 6, 7, 8}), 0));
    const Palette palette = PictureFiles::ramp(3);
    const QByteArray out = PictureCodec::writePbmpAsBitmap(bitmap, palette);
    QCOMPARE(out.size(), 1086);
    QCOMPARE(out.left(54).toHex(' '),
             QByteArray(
                 "42 4d 3e 04 00 00 00 00 00 00 36 04 00 00 28 00 00 00 04 00 00 00 02 00 00 00 01 00 08 00 "
                 "00 00 00 00 08 00 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 01 00 00"));
    QCOMPARE(out.mid(54, 1024), PictureFiles::pal(palette, QByteArray()));
    QCOMPARE(out.mid(1078), bytes({5, 6, 7, 8, 1, 2, 3, 4}));
}

void PictureCodecTest::rowsGoBottomUp()
{
    const QByteArray pixels = counting(4096);
    BitmapRecord bitmap = readPbmp(PictureFiles::pbmp(64, 64, pixels, 2));
    QCOMPARE(bitmap.PaletteIndex, 2);
    const QByteArray out = PictureCodec::writePbmpAsBitmap(bitmap, Palette{});
    QCOMPARE(out.size(), 5174);
    QCOMPARE(out.mid(1078, 64), pixels.mid(63 * 64, 64));
    QCOMPARE(out.right(64), pixels.left(64));
}

void PictureCodecTest::rowPaddingIsKept()
{
    const QByteArray pixels = counting(32); // 4 rows of 6 pixels and 2 padding bytes
    BitmapRecord bitmap = readPbmp(PictureFiles::pbmp(6, 4, pixels, 1));
    QCOMPARE(PictureCodec::rowPadding(6, 4, 32), 2);
    const QByteArray out = PictureCodec::writePbmpAsBitmap(bitmap, Palette{});
    QCOMPARE(bitmap.biSizeImage, 32);
    QCOMPARE(out.mid(1078), pixels.mid(24, 8) + pixels.mid(16, 8) + pixels.mid(8, 8) + pixels.mid(0, 8));
}

void PictureCodecTest::dataAfterThePictureIsIgnored()
{
    const QByteArray pixels = counting(5461);
    const QByteArray file = PictureFiles::pbmp(64, 64, pixels, -3);
    BitmapRecord bitmap = readPbmp(file);
    QCOMPARE(bitmap.biSizeImage, 4096);
    QCOMPARE(bitmap.PaletteIndex, -3);
    const QByteArray out = PictureCodec::writePbmpAsBitmap(bitmap, Palette{});
    QCOMPARE(out.size(), 1078 + 4096);
    QCOMPARE(out.mid(1078, 64), pixels.mid(63 * 64, 64));
}

void PictureCodecTest::paddingRoundsHalfToEven()
{
    QCOMPARE(PictureCodec::rowPadding(1, 2, 7), 2); // 7 / 2 - 1 = 2.5
    QCOMPARE(PictureCodec::rowPadding(1, 2, 9), 4); // 9 / 2 - 1 = 3.5
    QCOMPARE(PictureCodec::rowPadding(64, 64, 64 * 74), 10);
    QCOMPARE(PictureCodec::rowPadding(64, 64, 64 * 75), 0); // 11: data after the picture
}

// Our change: every BMP reader needs rows of a multiple of four bytes.
void PictureCodecTest::unalignedRowsArePaddedToFourBytes()
{
    BitmapRecord bitmap = readPbmp(PictureFiles::pbmp(5, 2, bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 0));
    const QByteArray out = PictureCodec::writePbmpAsBitmap(bitmap, Palette{});
    QCOMPARE(bitmap.biSizeImage, 16);
    QCOMPARE(bitmap.bfSize, 1078 + 16);
    QCOMPARE(out.mid(1078), bytes({6, 7, 8, 9, 10, 0, 0, 0, 1, 2, 3, 4, 5, 0, 0, 0}));

    // Padding wider than the BMP row needs: only what the row needs is kept.
    BitmapRecord wide = readPbmp(PictureFiles::pbmp(2, 2, bytes({1, 2, 9, 9, 9, 9, 3, 4, 8, 8, 8, 8}), 0));
    QCOMPARE(PictureCodec::writePbmpAsBitmap(wide, Palette{}).mid(1078), bytes({3, 4, 8, 8, 1, 2, 9, 9}));
}

void PictureCodecTest::refusesInconsistentPbmps_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray good = PictureFiles::pbmp(4, 2, counting(8), 0);
    QTest::newRow("shorter than the header") << good.left(40);
    QTest::newRow("cut inside the pixels") << good.left(48);
    QTest::newRow("no palette number") << good.left(good.size() - 2);
    QTest::newRow("zero width") << PictureFiles::pbmp(0, 2, counting(8), 0);
    QTest::newRow("negative height") << PictureFiles::pbmp(4, -2, counting(8), 0);
    QTest::newRow("wider than 32768") << PictureFiles::pbmp(40000, 1, counting(8), 0);
    QTest::newRow("fewer bytes than pixels") << PictureFiles::pbmp(4, 2, counting(7), 0);
    QTest::newRow("not 8 bits a pixel") << PictureFiles::pbmp(4, 2, counting(8), 0, 16);
    QByteArray lying = good;
    lying[40] = char(0x7f); // S far beyond the file
    QTest::newRow("size beyond the file") << lying;
    QByteArray negative = good;
    negative[43] = char(0x80);
    QTest::newRow("negative size") << negative;
    // The rounded padding can outgrow S: 1.5 rounds to 2, 0.57 to 1, 0.75 to 1.
    QTest::newRow("rows past the data: 1 x 100, S 250") << PictureFiles::pbmp(1, 100, counting(250), 0);
    QTest::newRow("rows past the data: 1 x 137, S 215") << PictureFiles::pbmp(1, 137, counting(215), 0);
    QTest::newRow("rows past the data: 1 x 100, S 297") << PictureFiles::pbmp(1, 100, counting(297), 0);
    QTest::newRow("rows past the data: 2 x 32768, S 90112")
        << PictureFiles::pbmp(2, 32768, counting(90112), 0);
}

void PictureCodecTest::refusesInconsistentPbmps()
{
    QFETCH(QByteArray, file);
    BitmapRecord bitmap;
    bitmap.biWidth = 77;
    QVERIFY(!PictureCodec::readPbmp(file, bitmap).isEmpty());
    QCOMPARE(bitmap.biWidth, 77);
    QVERIFY(bitmap.Pixels.isEmpty());
}

void PictureCodecTest::paddingPastThePictureDataIsZero()
{
    // 7 / 4 - 1 = 0.75 rounds to 1: rows start at 0, 2, 4 and 6, the last one's padding is past S.
    BitmapRecord bitmap = readPbmp(PictureFiles::pbmp(1, 4, bytes({1, 2, 3, 4, 5, 6, 7}), 0));
    QCOMPARE(PictureCodec::writePbmpAsBitmap(bitmap, Palette{}).mid(1078),
             bytes({7, 0, 0, 0, 5, 6, 0, 0, 3, 4, 0, 0, 1, 2, 0, 0}));

    // The last pixel is the last byte of S.
    BitmapRecord tall;
    QCOMPARE(PictureCodec::readPbmp(PictureFiles::pbmp(1, 100, counting(298), 0), tall), QString());
    const QByteArray out = PictureCodec::writePbmpAsBitmap(tall, Palette{});
    QCOMPARE(out.size(), 1078 + 400);
    QCOMPARE(out.mid(1078, 4), bytes({297 % 251, 0, 0, 0}));
    QCOMPARE(out.right(4), bytes({0, 1, 2, 0}));
}

// A record whose stated size is larger than its pixels, as no reader makes one: the bytes beyond
// the pixels (0x77 here) never reach the file, and what is missing is written as zeros.
void PictureCodecTest::writerReadsOnlyThePixelsItHolds()
{
    const QByteArray buffer = QByteArray(250, '\1') + QByteArray(150, '\x77');
    BitmapRecord tall;
    tall.biWidth = 1;
    tall.biHeight = 100;
    tall.biSizeImage = 250;
    tall.Pixels = QByteArray::fromRawData(buffer.constData(), 250);
    QByteArray expected = QByteArray(16 * 4, '\0') + bytes({1, 0, 0, 0});
    for (int row = 0; row < 83; ++row)
        expected += bytes({1, 1, 1, 0});
    QCOMPARE(PictureCodec::writePbmpAsBitmap(tall, Palette{}).mid(1078), expected);

    BitmapRecord cut;
    cut.biWidth = 4;
    cut.biHeight = 2;
    cut.biSizeImage = 8;
    const QByteArray pixels = bytes({1, 2, 3, 4, 5, 6, 0x77, 0x77});
    cut.Pixels = QByteArray::fromRawData(pixels.constData(), 6);
    QCOMPARE(PictureCodec::writePbmpAsBitmap(cut, Palette{}).mid(1078), bytes({5, 6, 0, 0, 1, 2, 3, 4}));
}

void PictureCodecTest::standardBitmapsAreWrittenBackAsTheyWere()
{
    const Palette own = PictureFiles::ramp(1);
    const QByteArray rows = counting(8);
    for (const char* type : {"BM", "bm"}) {
        const QByteArray file = PictureFiles::standardBitmap(4, 2, own, rows, type);
        BitmapRecord bitmap;
        Palette colours{};
        QCOMPARE(PictureCodec::readStandardBitmap(file, bitmap, colours), QString());
        QCOMPARE(colours, own);
        QCOMPARE(bitmap.PaletteIndex, 0);
        QCOMPARE(PictureCodec::writeStandardBitmap(bitmap, own), file);
        const Palette other = PictureFiles::ramp(9);
        const QByteArray recoloured = PictureCodec::writeStandardBitmap(bitmap, other);
        QCOMPARE(recoloured.left(54), file.left(54));
        QCOMPARE(recoloured.mid(54, 1024), PictureFiles::pal(other, QByteArray()));
        QCOMPARE(recoloured.mid(1078), rows);
    }

    // No size stated, as uncompressed bitmaps may do: whole rows of four-byte multiples.
    QByteArray unsized = PictureFiles::standardBitmap(3, 2, own, counting(8));
    unsized.replace(34, 4, QByteArray(4, '\0'));
    BitmapRecord bitmap;
    Palette colours{};
    QCOMPARE(PictureCodec::readStandardBitmap(unsized, bitmap, colours), QString());
    QCOMPARE(PictureCodec::writeStandardBitmap(bitmap, own), unsized);
}

void PictureCodecTest::refusesBitmapsItCannotRewrite_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray good = PictureFiles::standardBitmap(4, 2, Palette{}, counting(8));
    QTest::newRow("cut in the colour table") << good.left(600);
    QTest::newRow("cut in the pixels") << good.left(1080);
    QByteArray trueColour = good;
    trueColour[28] = 24;
    QTest::newRow("24 bits a pixel") << trueColour;
    QByteArray shortTable = good;
    shortTable[10] = char(0x76); // pixels at 118: a 16-colour table
    shortTable[11] = 0;
    QTest::newRow("smaller colour table") << shortTable;
    QByteArray lowest = good;
    lowest.replace(22, 4, QByteArray("\0\0\0\x80", 4));
    QTest::newRow("height -2^31, which has no 32-bit absolute value") << lowest;
}

void PictureCodecTest::refusesBitmapsItCannotRewrite()
{
    QFETCH(QByteArray, file);
    BitmapRecord bitmap;
    Palette colours = PictureFiles::ramp(5);
    QVERIFY(!PictureCodec::readStandardBitmap(file, bitmap, colours).isEmpty());
    QCOMPARE(colours, PictureFiles::ramp(5));
    QVERIFY(bitmap.bfType.isEmpty());
}

void PictureCodecTest::paletteBytesPassThroughInOrder()
{
    Palette written = PictureFiles::ramp(2);
    written[1] = PaletteEntry{30, 20, 10, 0};
    const QByteArray file = PictureFiles::pal(written, QByteArray("0123456789abcdefghijklmn"));
    QCOMPARE(file.mid(24 + 4, 4), bytes({10, 20, 30, 0}));
    const PaletteCodec::Decoded read = PaletteCodec::decode(file);
    QVERIFY(read.error.isEmpty());
    QCOMPARE(read.palette[1], (PaletteEntry{30, 20, 10, 0}));
    QCOMPARE(read.header, QByteArray("0123456789abcdefghijklmn"));
    QCOMPARE(PaletteCodec::encode(read.header, read.palette), file);

    BitmapRecord bitmap = readPbmp(PictureFiles::pbmp(4, 1, counting(4), 0));
    QCOMPARE(PictureCodec::writePbmpAsBitmap(bitmap, read.palette).mid(54 + 4, 4), bytes({10, 20, 30, 0}));

    QVERIFY(!PaletteCodec::decode(file.left(1047)).error.isEmpty());
    QCOMPARE(PaletteCodec::encode(QByteArray(), read.palette).left(24), QByteArray(24, '\0'));
}

void PictureCodecTest::everyWrittenBitmapOpensElsewhere_data()
{
    QTest::addColumn<int>("width");
    for (int width = 1; width <= 9; ++width)
        QTest::newRow(qPrintable(QStringLiteral("width %1").arg(width))) << width;
}

// Qt's own reader and ImageMagick both read each pixel as the colour of its palette index.
void PictureCodecTest::everyWrittenBitmapOpensElsewhere()
{
    QFETCH(int, width);
    const int height = 3;
    QByteArray pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.append(char((i * 37 + width) % 256));
    const Palette palette = PictureFiles::ramp(width);
    BitmapRecord bitmap = readPbmp(PictureFiles::pbmp(width, height, pixels, 0));
    const QString path = environment_.path() + QStringLiteral("/w%1.bmp").arg(width);
    TestEnvironment::writeFile(path, PictureCodec::writePbmpAsBitmap(bitmap, palette));

    const auto check = [&](const QImage& image, const char* reader) {
        QVERIFY2(!image.isNull(), reader);
        QCOMPARE(image.size(), QSize(width, height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const PaletteEntry& entry = palette[std::size_t(std::uint8_t(pixels[y * width + x]))];
                QCOMPARE(image.pixelColor(x, y), QColor(entry.Red, entry.Green, entry.Blue));
            }
        }
    };
    check(QImage(path, "BMP"), "Qt");

    if (QStandardPaths::findExecutable(QStringLiteral("convert")).isEmpty())
        QSKIP("ImageMagick is not installed (scripts/deps.sh installs it)");
    QProcess identify;
    identify.start(QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%w %h"), path});
    QVERIFY(identify.waitForFinished(30000));
    QCOMPARE(identify.readAllStandardOutput(), QStringLiteral("%1 %2").arg(width).arg(height).toLatin1());
    const QString png = path + QStringLiteral(".png");
    QCOMPARE(QProcess::execute(QStringLiteral("convert"), {path, png}), 0);
    check(QImage(png, "PNG"), "ImageMagick");
}

QTEST_GUILESS_MAIN(PictureCodecTest)
#include "tst_picturecodec.moc"
