#pragma once

#include "platform/WinTypes.h"

#include <QImage>

// A device-independent bitmap (uncompressed, 1 to 32 bits per pixel, either row order)
// in 32-bit top-down form; a null image when its form is not supported or it is too large.
QImage DecodeDib(const void* bits, const BITMAPINFOHEADER* info);
