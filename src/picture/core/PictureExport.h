#pragma once

#include "picture/core/BitmapRecord.h"
#include "picture/core/PaletteEntry.h"

#include <QString>
#include <optional>

class QImage;
class QIODevice;
class SettingsStore;

// How converted pictures go to the destination folder: as the BMP files the conversion writes, or as
// PNG files in the same colours, 8-bit indexed with the same colour indices and palette when the
// picture has a colour table (optionally with one index marked transparent), RGB otherwise. Kept in
// the settings file in a group of its own.
struct PictureExport {
    enum class Format { Bmp, Png };

    Format format = Format::Bmp;
    // Only a PNG file has one.
    std::optional<int> transparentIndex;

    // The stored choice; a missing or unreadable value is BMP without a transparent index.
    static PictureExport load(const SettingsStore& store);
    void save(SettingsStore& store) const;

    // "sky.bmp" is written as "sky.png"; a name of another ending gets ".png" added.
    static QString pngName(const QString& objectName);
    // The format a file name asks for by its ending, ".png" or ".bmp" in any case; nothing for another.
    static std::optional<Format> formatOf(const QString& fileName);

    struct Delivery {
        QString target; // the file written, or that could not be written
        bool written = false;
        // Why a bitmap to be written as PNG could not be read; it is then not written.
        QString unreadable;
    };
    // Puts the picture the conversion left at `picture` into `folder`: as a PNG file when that is the
    // format and the picture is a bitmap, otherwise copied as it is, under the object's own name; a
    // picture the conversion refused is copied as it is in either format.
    Delivery deliver(const QString& picture, const QString& folder, const QString& objectName,
                     bool refused) const;

    // Writes a converted picture as Qt read it (8 bits a pixel, from the file the conversion wrote with
    // `headers`) in `palette`, in this format: the bytes the conversion and deliver() write when that
    // is the picture's palette. False for a picture of another kind or size, or when a write failed.
    bool write(const QImage& picture, BitmapRecord headers, const Palette& palette, QIODevice& out) const;

    bool operator==(const PictureExport&) const = default;
};
