#pragma once

#include <png.h>

class QIODevice;

// libpng writing to a QIODevice. libpng reports its errors by a long jump to the caller's setjmp, so
// its own texts are not printed; the caller tells failure by that jump or by failed().
class PngOutput {
public:
    explicit PngOutput(QIODevice& out);
    ~PngOutput();
    PngOutput(const PngOutput&) = delete;
    PngOutput& operator=(const PngOutput&) = delete;

    // Null when libpng could not start.
    png_structp png() const { return png_; }
    png_infop info() const { return info_; }
    // Whether a write to the device fell short.
    bool failed() const { return failed_; }

private:
    static void writeBytes(png_structp png, png_bytep data, size_t length);

    QIODevice& out_;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
    bool failed_ = false;
};
