// Proves that the owner record's reading accepts only the one form the program writes, never with a pid
// that is not a positive number, and that every record the program can write reads back as written.
#include "FuzzTarget.h"
#include "archive/core/OwnerRecord.h"

#include <cstring>

namespace {

FuzzTarget::Seeds seeds()
{
    return {
        {"written", OwnerRecord{4242, QStringLiteral("box-1.example")}.text()},
        {"largest-pid", OwnerRecord{0x7fffffff, QStringLiteral("h")}.text()},
        {"longest-host", OwnerRecord{1, QString(255, u'h')}.text()},
        {"another-version", "kadrillo-owner 2\npid 5\nhost h\n"},
        {"empty", QByteArray()},
    };
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzTarget::writeSeedsIfAsked(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzTarget::bytes(data, size);
    if (const std::optional<OwnerRecord> read = OwnerRecord::read(bytes)) {
        if (read->pid <= 0)
            FuzzTarget::finding(QStringLiteral("a record of pid %1 was accepted").arg(read->pid));
        if (read->text() != bytes)
            FuzzTarget::finding("an accepted record is not in the form the program writes");
    }
    // The input as a record to write: the pid from its first eight bytes, the host from the rest.
    qint64 pid = 0;
    if (size < sizeof pid)
        return 0;
    std::memcpy(&pid, data, sizeof pid);
    const OwnerRecord written{pid, QString::fromLatin1(bytes.mid(sizeof pid))};
    const std::optional<OwnerRecord> back = OwnerRecord::read(written.text());
    if (written.isValid() ? back != written : back.has_value())
        FuzzTarget::finding(QStringLiteral("the record of pid %1 reads back otherwise").arg(pid));
    return 0;
}
