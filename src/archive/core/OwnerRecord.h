#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Who made a private working folder, written into it when it is made, so that a later run can tell
// the folder of a run that was killed from one still in use. Version 1 of the text is
//   "kadrillo-owner 1\npid N\nhost NAME\n"
// with N a positive decimal number without leading zeros and NAME of printable ASCII without blanks.
struct OwnerRecord {
    static constexpr qsizetype maximumSize = 512;

    qint64 pid = 0;
    QString host;

    // Whether text() gives a record that read() accepts.
    bool isValid() const;
    QByteArray text() const;
    // The record in `bytes`, or nothing when they are not exactly one of the form above.
    static std::optional<OwnerRecord> read(const QByteArray& bytes);

    bool operator==(const OwnerRecord&) const = default;
};
