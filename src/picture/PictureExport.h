#pragma once

#include <QString>
#include <optional>

class SettingsStore;

// How converted pictures go to the destination folder: as the BMP files the conversion writes, or as
// 8-bit indexed PNG files with the same colour indices and palette, optionally with one index marked
// transparent. Kept in the settings file in a group of its own.
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

    struct Delivery {
        QString target; // the file written, or that could not be written
        bool written = false;
    };
    // Puts the picture the conversion left at `picture` into `folder`: as a PNG file when that is the
    // format and the picture is a bitmap as the conversion writes them, otherwise copied as it is,
    // under the object's own name.
    Delivery deliver(const QString& picture, const QString& folder, const QString& objectName) const;

    bool operator==(const PictureExport&) const = default;
};
