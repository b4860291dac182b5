#include "kxdata/TablePrefix.h"

TablePrefix::TablePrefix(const std::string& projectPath)
{
    const std::string::size_type separator = projectPath.find_last_of("/\\");
    const std::string::size_type nameStart = separator == std::string::npos ? 0 : separator + 1;
    std::string base = projectPath.substr(nameStart);
    const std::string::size_type dot = base.rfind('.');
    if (dot != std::string::npos)
        base.erase(dot);
    while (base.size() <= 6)
        base += '_';
    m_strPrefix = projectPath.substr(0, nameStart) + base;
}

std::string TablePrefix::FileName(char letter, const char* extension) const
{
    return m_strPrefix + letter + extension;
}
