#include "platform/Clipboard.h"

#include <utility>

namespace {

struct Contents {
    std::string strFormat;
    std::vector<std::uint8_t> bytes;
};

Contents& Held()
{
    static Contents contents;
    return contents;
}

}  // namespace

namespace Clipboard {

void SetData(const std::string& strFormat, std::vector<std::uint8_t> bytes)
{
    Held().strFormat = strFormat;
    Held().bytes = std::move(bytes);
}

bool HasData(const std::string& strFormat)
{
    return !Held().strFormat.empty() && Held().strFormat == strFormat;
}

std::vector<std::uint8_t> GetData(const std::string& strFormat)
{
    return HasData(strFormat) ? Held().bytes : std::vector<std::uint8_t>();
}

void Empty()
{
    Held() = Contents();
}

}  // namespace Clipboard
