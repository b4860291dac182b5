#include "images/CODDib.h"

#include "images/ImageMemoryStream.h"

#include <map>

namespace {

std::map<std::string, std::vector<std::uint8_t>>& Resources()
{
    static std::map<std::string, std::vector<std::uint8_t>> resources;
    return resources;
}

}  // namespace

const SECRuntimeClass CODDib::classCODDib = {"CODDib", 1, [] { return std::unique_ptr<SECImage>(new CODDib); }};

void CODDib::RegisterResource(const std::string& name, std::vector<std::uint8_t> packedBitmap)
{
    Resources()[name] = std::move(packedBitmap);
}

bool CODDib::LoadFromResource(const std::string& name)
{
    const auto found = Resources().find(name);
    return found != Resources().end() && LoadFromPackedBitmap(found->second.data(), found->second.size());
}

bool CODDib::LoadFromPackedBitmap(const std::uint8_t* data, std::size_t size)
{
    ImageMemoryStream stream(data, size);
    return LoadKeepingPrevious([&] { return ReadDibBody(stream, -1) && FinishLoad(); });
}
