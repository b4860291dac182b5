#include "images/PictureReaders.h"

#include "images/SECDib.h"
#include "images/SECJpeg.h"
#include "images/SECPcx.h"
#include "images/SECTarga.h"
#include "images/SECTiff.h"

#include <array>

namespace {

template <class Reader>
std::unique_ptr<SECImage> MakeReader()
{
    return std::make_unique<Reader>();
}

}  // namespace

std::unique_ptr<SECImage> LoadPicture(const std::string& path)
{
    constexpr std::array readers = {&MakeReader<SECDib>, &MakeReader<SECJpeg>, &MakeReader<SECPcx>,
                                    &MakeReader<SECTiff>, &MakeReader<SECTarga>};
    for (const auto make : readers) {
        std::unique_ptr<SECImage> image = make();
        if (image->LoadFromPath(path))
            return image;
    }
    return nullptr;
}
