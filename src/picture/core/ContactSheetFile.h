#pragma once

#include "picture/core/PictureExport.h"

class ContactSheet;
class QIODevice;

// A contact sheet written as one picture: a 24-bit BMP or an RGB PNG. The sheet is drawn a band of
// rows at a time, so the whole of it is never held in memory.
namespace ContactSheetFile {

// False when the device or the encoder failed.
bool write(const ContactSheet& sheet, PictureExport::Format format, QIODevice& out);

} // namespace ContactSheetFile
