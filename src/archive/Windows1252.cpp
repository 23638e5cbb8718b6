#include "archive/Windows1252.h"

#include <array>

namespace Windows1252 {

namespace {

// 0x80 to 0x9F; the five unassigned bytes map to the C1 controls of the same value.
constexpr std::array<char16_t, 32> upperControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString decode(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = (value >= 0x80 && value < 0xA0) ? QChar(upperControls[value - 0x80]) : QChar(value);
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
