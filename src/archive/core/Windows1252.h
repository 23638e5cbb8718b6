#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The game's files are text in the Windows-1252 code page, whatever the system's own.
namespace Windows1252 {

QString decode(QByteArrayView bytes);
// Characters outside the code page become '?'.
QByteArray encode(const QString& text);

} // namespace Windows1252
