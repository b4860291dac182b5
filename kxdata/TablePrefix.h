#pragma once

#include <string>

// The path every table and memo file name of a project starts with: the
// project path without its extension, the base name padded with "_" to at
// least seven characters. Both "/" and "\" separate directories, because
// project paths are often written on Windows.
class TablePrefix {
public:
    TablePrefix() = default;
    explicit TablePrefix(const std::string& projectPath);

    const std::string& Text() const { return m_strPrefix; }

    // The file of table letter L: prefix + L + extension (".DBF" or ".FPT").
    std::string FileName(char letter, const char* extension) const;

private:
    std::string m_strPrefix;
};
