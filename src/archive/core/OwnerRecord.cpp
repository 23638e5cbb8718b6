#include "archive/core/OwnerRecord.h"

#include <QList>

namespace {

constexpr qint64 largestPid = 0x7fffffff; // pid_t is 32 bits
constexpr qsizetype longestHost = 255;

bool isDecimal(const QByteArray& digits)
{
    if (digits.isEmpty() || digits.size() > 10 || digits.front() == '0')
        return false;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

bool OwnerRecord::isValid() const
{
    if (pid <= 0 || pid > largestPid || host.isEmpty() || host.size() > longestHost)
        return false;
    for (const QChar c : host) {
        if (c.unicode() <= u' ' || c.unicode() > u'~')
            return false;
    }
    return true;
}

QByteArray OwnerRecord::text() const
{
    return "kadrillo-owner 1\npid " + QByteArray::number(pid) + "\nhost " + host.toLatin1() + '\n';
}

std::optional<OwnerRecord> OwnerRecord::read(const QByteArray& bytes)
{
    if (bytes.size() > maximumSize || !bytes.endsWith('\n'))
        return std::nullopt;
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    if (lines.size() != 3 || lines.at(0) != "kadrillo-owner 1" || !lines.at(1).startsWith("pid ") ||
        !lines.at(2).startsWith("host "))
        return std::nullopt;
    const QByteArray digits = lines.at(1).mid(4);
    if (!isDecimal(digits))
        return std::nullopt;
    OwnerRecord record{digits.toLongLong(), QString::fromLatin1(lines.at(2).mid(5))};
    if (!record.isValid())
        return std::nullopt;
    return record;
}
