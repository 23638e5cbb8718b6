#pragma once

#include "picture/core/BitmapRecord.h"
#include "picture/core/PaletteEntry.h"

#include <QByteArray>
#include <QString>

// The palette and the picture that conversions share for the whole run.
struct PictureState {
    Palette CurrentPalette{};
    // The palette file that ReadPalette reads and WritePalette writes.
    QString PaletteFile;
    // The 24-byte header of the last palette file read; empty until one has been read.
    QByteArray PaletteHeader;
    BitmapRecord Bitmap;
    bool IsStandardBitmap = false;
};
