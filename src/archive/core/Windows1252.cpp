#include "archive/core/Windows1252.h"

#include <array>
#include <cstring>

namespace Windows1252 {

namespace {

// 0x80 to 0x9F; the five unassigned bytes map to the C1 controls of the same value.
constexpr std::array<char16_t, 32> upperControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Whether any byte lies in 0x80 to 0x9F, tested eight bytes at a time: such a byte (100xxxxx) is
// made zero, and a zero byte leaves its borrow in the top bit.
bool holdsUpperControls(QByteArrayView bytes)
{
    constexpr quint64 ones = 0x0101010101010101;
    constexpr quint64 tops = 0x80 * ones;
    qsizetype at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        quint64 word = 0;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        const quint64 marked = (word & (0xE0 * ones)) ^ tops;
        if ((marked - ones) & ~marked & tops)
            return true;
    }
    for (; at < bytes.size(); ++at) {
        if ((static_cast<unsigned char>(bytes[at]) & 0xE0) == 0x80)
            return true;
    }
    return false;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    // Latin-1 is right for every byte but 0x80 to 0x9F, and Qt converts it many bytes at a time.
    QString text = QString::fromLatin1(bytes);
    if (!holdsUpperControls(bytes))
        return text;
    for (QChar& c : text) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar(upperControls[c.unicode() - 0x80]);
    }
    return text;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80 || (unit >= 0xA0 && unit < 0x100)) {
            bytes.append(char(unit));
            continue;
        }
        char replacement = '?';
        for (std::size_t i = 0; i < upperControls.size(); ++i) {
            if (upperControls[i] == unit)
                replacement = char(0x80 + i);
        }
        bytes.append(replacement);
    }
    return bytes;
}

} // namespace Windows1252
