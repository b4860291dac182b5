#pragma once

#include "images/SECImage.h"

#include <memory>
#include <string>

// The picture in the file, read by the first of the BMP, JPEG, PCX, TIFF and
// Targa readers that loads it: the content decides, not the extension.
// None when no reader loads it.
std::unique_ptr<SECImage> LoadPicture(const std::string& path);
