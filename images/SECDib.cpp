#include "images/SECDib.h"

const SECRuntimeClass SECDib::classSECDib = {"SECDib", 1, [] { return std::unique_ptr<SECImage>(new SECDib); }};

bool SECDib::WriteImage(ImageFile& file)
{
    return WriteDibFile(file, true);
}

bool SECDib::ReadImage(ImageFile& file)
{
    return ReadDibFile(file);
}
