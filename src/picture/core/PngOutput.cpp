#include "picture/core/PngOutput.h"

#include <QIODevice>

namespace {

void flushNothing(png_structp) {}

void ignoreWarning(png_structp, png_const_charp) {}

[[noreturn]] void stopOnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

} // namespace

PngOutput::PngOutput(QIODevice& out)
    : out_(out)
    , png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, stopOnError, ignoreWarning))
    , info_(png_ ? png_create_info_struct(png_) : nullptr)
{
    if (!info_)
        png_destroy_write_struct(&png_, nullptr);
    else
        png_set_write_fn(png_, this, writeBytes, flushNothing);
}

PngOutput::~PngOutput()
{
    png_destroy_write_struct(&png_, &info_);
}

void PngOutput::writeBytes(png_structp png, png_bytep data, size_t length)
{
    auto* self = static_cast<PngOutput*>(png_get_io_ptr(png));
    if (!self->failed_ &&
        self->out_.write(reinterpret_cast<const char*>(data), qint64(length)) != qint64(length))
        self->failed_ = true;
}
