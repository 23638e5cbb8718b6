#include "picture/core/ContactSheetFile.h"

#include "picture/core/ContactSheet.h"
#include "picture/core/PngOutput.h"

#include <QIODevice>
#include <QPainter>
#include <QtEndian>
#include <algorithm>

namespace {

// About 16 MB of 32-bit pixels a band.
constexpr qint64 bandPixels = 4 * 1024 * 1024;

int bandRows(int width)
{
    return int(std::max<qint64>(1, bandPixels / std::max(1, width)));
}

// Rows top to bottom of the sheet, on white, as 24-bit pixels in the given byte order.
QImage band(const ContactSheet& sheet, int top, int rows, QImage::Format format)
{
    QImage drawn(sheet.size().width(), rows, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    painter.translate(0, -top);
    sheet.paint(painter, QRect(0, top, drawn.width(), rows));
    painter.end();
    return drawn.convertToFormat(format);
}

template <typename T> void put(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

// Rows bottom-up, blue first, each padded to a multiple of four bytes.
bool writeBmp(const ContactSheet& sheet, QIODevice& out)
{
    const QSize size = sheet.size();
    const qint64 stride = (qint64(size.width()) * 3 + 3) & ~qint64(3);
    const qint64 pixelBytes = stride * size.height();
    constexpr qint32 headersSize = 14 + 40;
    QByteArray headers("BM");
    put(headers, quint32(headersSize + pixelBytes));
    put(headers, quint32(0));
    put(headers, quint32(headersSize));
    put(headers, quint32(40));
    put(headers, qint32(size.width()));
    put(headers, qint32(size.height()));
    put(headers, quint16(1));
    put(headers, quint16(24));
    put(headers, quint32(0));
    put(headers, quint32(pixelBytes));
    for (int i = 0; i < 4; ++i)
        put(headers, quint32(0));
    if (out.write(headers) != headers.size())
        return false;
    const QByteArray padding(stride - qint64(size.width()) * 3, '\0');
    const int rows = bandRows(size.width());
    for (int bottom = size.height(); bottom > 0; bottom -= rows) {
        const int top = std::max(0, bottom - rows);
        const QImage part = band(sheet, top, bottom - top, QImage::Format_BGR888);
        for (int y = part.height() - 1; y >= 0; --y) {
            const qint64 length = qint64(part.width()) * 3;
            if (out.write(reinterpret_cast<const char*>(part.constScanLine(y)), length) != length ||
                out.write(padding) != padding.size())
                return false;
        }
    }
    return true;
}

// libpng reports its errors by a long jump back into this frame: what it holds is made before.
bool encodePng(const ContactSheet& sheet, png_structp png, png_infop info, QImage& part)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    const QSize size = sheet.size();
    png_set_IHDR(png, info, png_uint_32(size.width()), png_uint_32(size.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const int rows = bandRows(size.width());
    for (int top = 0; top < size.height(); top += rows) {
        part = band(sheet, top, std::min(rows, size.height() - top), QImage::Format_RGB888);
        for (int y = 0; y < part.height(); ++y)
            png_write_row(png, part.constScanLine(y));
    }
    png_write_end(png, info);
    return true;
}

bool writePng(const ContactSheet& sheet, QIODevice& out)
{
    PngOutput output(out);
    QImage part;
    return output.png() && encodePng(sheet, output.png(), output.info(), part) && !output.failed();
}

} // namespace

namespace ContactSheetFile {

bool write(const ContactSheet& sheet, PictureExport::Format format, QIODevice& out)
{
    return format == PictureExport::Format::Bmp ? writeBmp(sheet, out) : writePng(sheet, out);
}

} // namespace ContactSheetFile
