#include "support/PngCheck.h"

#include "support/OwnedProgram.h"

#include <QDebug>
#include <QImage>
#include <QStandardPaths>
#include <cstring>

namespace PngCheck {

namespace {

QRgb expectedColour(const QImage& bmp, int index, std::optional<int> transparent)
{
    return index == transparent ? bmp.color(index) & RGB_MASK : bmp.color(index);
}

} // namespace

QString qtDifferences(const QString& bmpFile, const QString& pngFile, std::optional<int> transparent)
{
    const QImage bmp(bmpFile, "BMP");
    const QImage png(pngFile, "PNG");
    if (bmp.format() != QImage::Format_Indexed8 || png.format() != QImage::Format_Indexed8 ||
        bmp.size() != png.size()) {
        QString read;
        QDebug(&read) << "read as" << bmp << "and" << png;
        return read;
    }
    for (int y = 0; y < bmp.height(); ++y) {
        if (std::memcmp(bmp.constScanLine(y), png.constScanLine(y), std::size_t(bmp.width())) != 0)
            return QStringLiteral("the indices of row %1 differ").arg(y);
    }
    if (png.colorCount() != 256)
        return QStringLiteral("%1 colours").arg(png.colorCount());
    for (int i = 0; i < 256; ++i) {
        if (png.color(i) != expectedColour(bmp, i, transparent))
            return QStringLiteral("colour %1 is %2, not %3")
                .arg(i)
                .arg(png.color(i), 8, 16)
                .arg(expectedColour(bmp, i, transparent), 8, 16);
    }
    return {};
}

QString magickDifferences(const QString& bmpFile, const QString& pngFile, std::optional<int> transparent)
{
    const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (identify.isEmpty() || convert.isEmpty())
        return QStringLiteral("SKIP: ImageMagick is not installed (scripts/deps.sh installs it)");
    QByteArray kind;
    QString error = OwnedProgram::runToEnd(
        identify,
        {QStringLiteral("-format"),
         QStringLiteral(
             "%[png:IHDR.color-type-orig] %[png:IHDR.bit-depth-orig] %[png:PLTE.number_colors] %w %h"),
         pngFile},
        &kind);
    const QImage bmp(bmpFile, "BMP");
    const QByteArray expected =
        "3 8 256 " + QByteArray::number(bmp.width()) + ' ' + QByteArray::number(bmp.height());
    if (kind != expected)
        return QStringLiteral("identify: %1 %2").arg(QString::fromLatin1(kind), error);
    QByteArray rgba;
    error = OwnedProgram::runToEnd(convert, {pngFile, QStringLiteral("rgba:-")}, &rgba);
    if (rgba.size() != 4 * bmp.width() * bmp.height())
        return QStringLiteral("convert wrote %1 bytes %2").arg(rgba.size()).arg(error);
    const auto* bytes = reinterpret_cast<const uchar*>(rgba.constData());
    for (int y = 0; y < bmp.height(); ++y) {
        for (int x = 0; x < bmp.width(); ++x, bytes += 4) {
            const QRgb colour = expectedColour(bmp, bmp.pixelIndex(x, y), transparent);
            if (qRgba(bytes[0], bytes[1], bytes[2], bytes[3]) != colour)
                return QStringLiteral("pixel %1,%2 differs").arg(x).arg(y);
        }
    }
    return {};
}

} // namespace PngCheck
