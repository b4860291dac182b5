#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The process-wide clipboard for data the program copies to itself (the
// components of a chart in archive form), one block of bytes per format.
namespace Clipboard {

// Replaces whatever the clipboard held, in every format.
void SetData(const std::string& strFormat, std::vector<std::uint8_t> bytes);
bool HasData(const std::string& strFormat);
// Empty when the clipboard holds nothing in that format.
std::vector<std::uint8_t> GetData(const std::string& strFormat);
void Empty();

}  // namespace Clipboard
