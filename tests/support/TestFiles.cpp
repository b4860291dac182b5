#include "tests/support/TestFiles.h"

#include <fstream>
#include <iterator>

namespace quorrel_test {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WriteCommandFile(const std::string& path, const std::string& chart)
{
    // A comment line first: readers must pass over it.
    WriteFile(path, "; made by the test\r\n[CHART]\r\n" + chart);
}

}  // namespace quorrel_test
