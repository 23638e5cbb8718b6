#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>

// A bitmap file read to be shown. Its size is taken from its header first, so that a picture larger
// than largestSide on a side is refused before anything is allocated for it; one scaled down is read a
// band of rows at a time where the file allows it, so that a large picture is never held whole at
// 32 bits a pixel. Rows that a file without compression lacks are read as zeros.
class BitmapReader {
    Q_DECLARE_TR_FUNCTIONS(BitmapReader)

public:
    // So no picture shown holds more than 2^28 pixels, as many as Qt's reader allows.
    static constexpr int largestSide = 16384;

    explicit BitmapReader(const QString& path);

    // Larger than largestSide on a side, and the reason given for it.
    static bool tooLarge(QSize size);
    static QString tooLargeReason(QSize size);

    // As the header states it; invalid when the file is no bitmap.
    QSize size() const { return size_; }
    bool tooLarge() const { return tooLarge(size_); }
    // At its own size; null when it cannot be read or is too large, with error().
    QImage read();
    // Scaled down smoothly to `scaled`, which is no larger than size(); null as read().
    QImage read(QSize scaled);
    // Why the last read failed.
    QString error() const { return error_; }

private:
    QImage fail(const QString& error);
    // Whether the header allows a read at all; error() says why not.
    bool readable();
    // Rows `top` to `top + rows` as a bitmap of their own: the headers with the band's height, then
    // the rows. Only for a file whose rows lie uncompressed where its header says.
    QImage band(int top, int rows) const;

    QString path_;
    QByteArray headers_; // up to the pixels, when the rows lie in place
    QSize size_;
    int bitCount_ = 0;
    bool topDown_ = false;
    bool rowsInPlace_ = false;
    qint64 stride_ = 0;
    QString error_;
};
