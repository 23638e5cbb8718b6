#include "picture/core/BitmapReader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr qsizetype fileHeaderSize = 14;
constexpr qsizetype coreHeaderSize = 12;
constexpr qsizetype infoHeaderSize = 40;
// Where the fields read here lie.
constexpr qsizetype fileSizeAt = 2;
constexpr qsizetype pixelOffsetAt = 10;
constexpr qsizetype headerSizeAt = 14;
constexpr qsizetype widthAt = 18;
constexpr qsizetype heightAt = 22;
constexpr qsizetype coreBitCountAt = 24;
constexpr qsizetype bitCountAt = 28;
constexpr qsizetype compressionAt = 30;
constexpr qsizetype pixelBytesAt = 34;
// No compression, with or without colour masks.
constexpr qint32 uncompressed[] = {0, 3, 6};
// Qt counts every picture at four bytes a pixel against its limit.
constexpr int allocationLimitMb =
    int(qint64(BitmapReader::largestSide) * BitmapReader::largestSide * 4 / (1024 * 1024));
// The pixels of one band of rows; and the most pixels Qt may read whole at more than 8 bits a pixel,
// when the file cannot be read in bands.
constexpr qint64 bandPixels = 4 * 1024 * 1024;
constexpr qint64 wholePixels = 64 * 1024 * 1024;
// Headers and colour tables are far shorter; longer ones are not copied into every band.
constexpr qint64 longestHeaders = 1024 * 1024;

template <typename T> T field(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

template <typename T> void setField(QByteArray& bytes, qsizetype at, T value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// The file followed by zeros, as long as its header says it is: Qt would leave the rows that a
// file lacks as they happened to be in memory.
class ZeroPadded : public QIODevice {
public:
    ZeroPadded(const QString& path, qint64 length)
        : file_(path)
        , length_(length)
    {
    }

    bool open(OpenMode mode) override { return file_.open(QIODevice::ReadOnly) && QIODevice::open(mode); }
    qint64 size() const override { return length_; }

protected:
    qint64 readData(char* data, qint64 wanted) override
    {
        const qint64 length = std::min(wanted, length_ - pos());
        if (length <= 0)
            return 0;
        const qint64 read = file_.seek(pos()) ? std::max(qint64(0), file_.read(data, length)) : 0;
        std::fill(data + read, data + length, '\0');
        return length;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QFile file_;
    qint64 length_;
};

// Each drawn row is the average of the source rows it covers, each weighed by how much of it the
// drawn row covers, so that a picture read in bands gives the rows the whole of it would.
class RowAverage {
public:
    RowAverage(QImage& drawn, int sourceRows)
        : drawn_(drawn)
        , sourceRows_(sourceRows)
        , ratio_(double(sourceRows) / drawn.height())
        , sums_(std::size_t(drawn.width()) * 4)
    {
    }

    // The next source row, as wide as the drawn rows, premultiplied.
    void add(const QRgb* line)
    {
        double position = next_++;
        while (position < next_ && row_ < drawn_.height()) {
            const double rowEnd = row_ + 1 == drawn_.height() ? sourceRows_ : (row_ + 1) * ratio_;
            const double until = std::min(double(next_), rowEnd);
            const double share = until - position;
            for (std::size_t x = 0; x < std::size_t(drawn_.width()); ++x) {
                sums_[4 * x] += share * qRed(line[x]);
                sums_[4 * x + 1] += share * qGreen(line[x]);
                sums_[4 * x + 2] += share * qBlue(line[x]);
                sums_[4 * x + 3] += share * qAlpha(line[x]);
            }
            weight_ += share;
            position = until;
            if (until == rowEnd)
                finishRow();
        }
    }

private:
    void finishRow()
    {
        auto* out = reinterpret_cast<QRgb*>(drawn_.scanLine(row_++));
        const auto mean = [this](std::size_t at) {
            return int(sums_[at] / weight_ + 0.5);
        };
        for (std::size_t x = 0; x < std::size_t(drawn_.width()); ++x)
            out[x] = qRgba(mean(4 * x), mean(4 * x + 1), mean(4 * x + 2), mean(4 * x + 3));
        std::fill(sums_.begin(), sums_.end(), 0.0);
        weight_ = 0;
    }

    QImage& drawn_;
    int sourceRows_;
    double ratio_;
    std::vector<double> sums_;
    double weight_ = 0;
    int next_ = 0; // source rows added
    int row_ = 0;  // drawn rows finished
};

} // namespace

BitmapReader::BitmapReader(const QString& path)
    : path_(path)
{
    QFile file(path);
    QByteArray start;
    if (file.open(QIODevice::ReadOnly))
        start = file.read(fileHeaderSize + infoHeaderSize);
    if (start.size() < heightAt + 4 || !start.startsWith("BM"))
        return;
    const qint32 infoSize = field<qint32>(start, headerSizeAt);
    qint64 width = 0;
    qint64 height = 0;
    if (infoSize == coreHeaderSize) {
        width = field<quint16>(start, widthAt);
        height = field<quint16>(start, widthAt + 2);
        bitCount_ = field<quint16>(start, coreBitCountAt);
    } else {
        width = field<qint32>(start, widthAt);
        // A negative height stores the rows top-down.
        height = std::abs(qint64(field<qint32>(start, heightAt)));
        topDown_ = field<qint32>(start, heightAt) < 0;
        bitCount_ = start.size() > bitCountAt + 1 ? field<qint16>(start, bitCountAt) : 0;
    }
    constexpr qint64 largest = std::numeric_limits<int>::max();
    if (width <= 0 || height <= 0)
        return;
    size_ = QSize(int(std::min(width, largest)), int(std::min(height, largest)));
    const qint64 offset = field<qint32>(start, pixelOffsetAt);
    rowsInPlace_ = infoSize >= infoHeaderSize && start.size() >= pixelBytesAt + 4 &&
                   std::ranges::count(uncompressed, field<qint32>(start, compressionAt)) > 0 &&
                   bitCount_ > 0 && offset >= fileHeaderSize + infoSize && offset <= longestHeaders &&
                   file.seek(0) && (headers_ = file.read(offset)).size() == offset;
    stride_ = (width * std::max(0, bitCount_) + 31) / 32 * 4;
}

bool BitmapReader::tooLarge(QSize size)
{
    return size.width() > largestSide || size.height() > largestSide;
}

QString BitmapReader::tooLargeReason(QSize size)
{
    return tr("it is too large to show (%1 × %2)").arg(size.width()).arg(size.height());
}

QImage BitmapReader::fail(const QString& error)
{
    error_ = error;
    return {};
}

bool BitmapReader::readable()
{
    if (!size_.isValid())
        fail(tr("it is not a bitmap"));
    else if (tooLarge())
        fail(tooLargeReason(size_));
    else
        return true;
    return false;
}

QImage BitmapReader::read()
{
    if (!readable())
        return {};
    QImageReader::setAllocationLimit(allocationLimitMb);
    ZeroPadded file(path_, headers_.size() + stride_ * size_.height());
    QImageReader reader;
    reader.setFormat("BMP");
    if (rowsInPlace_ && QFileInfo(path_).size() < file.size())
        reader.setDevice(&file);
    else
        reader.setFileName(path_);
    const QImage picture = reader.read();
    return picture.isNull() ? fail(tr("its pixels cannot be read: %1").arg(reader.errorString())) : picture;
}

QImage BitmapReader::band(int top, int rows) const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 offset = headers_.size();
    QByteArray bytes = headers_;
    setField(bytes, fileSizeAt, quint32(offset + rows * stride_));
    setField(bytes, heightAt, qint32(topDown_ ? -rows : rows));
    setField(bytes, pixelBytesAt, quint32(rows * stride_));
    // A positive height stores the rows bottom-up.
    file.seek(offset + (topDown_ ? top : size_.height() - top - rows) * stride_);
    bytes += file.read(rows * stride_);
    bytes.resize(offset + rows * stride_, '\0');
    return QImage::fromData(bytes, "BMP");
}

QImage BitmapReader::read(QSize scaled)
{
    if (scaled == size_)
        return read();
    if (!readable())
        return {};
    // Qt reads any other file whole: a picture of 8 bits a pixel or fewer at one byte a pixel, one of
    // more at four, which only a smaller picture may take.
    QImage whole;
    if (!rowsInPlace_) {
        if (bitCount_ > 8 && qint64(size_.width()) * size_.height() > wholePixels)
            return fail(tooLargeReason(size_));
        whole = read();
        if (whole.isNull())
            return {};
    }
    QImage drawn(scaled, QImage::Format_ARGB32_Premultiplied);
    RowAverage average(drawn, size_.height());
    const int bandRows = int(std::max<qint64>(1, bandPixels / size_.width()));
    for (int top = 0; top < size_.height(); top += bandRows) {
        const int rows = std::min(bandRows, size_.height() - top);
        const QImage part = rowsInPlace_ ? band(top, rows) : whole.copy(0, top, size_.width(), rows);
        if (part.isNull())
            return fail(tr("its pixels cannot be read"));
        // Across only: the band keeps its rows.
        const QImage across =
            part.scaled(scaled.width(), rows, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < rows; ++y)
            average.add(reinterpret_cast<const QRgb*>(across.constScanLine(y)));
    }
    return drawn;
}
