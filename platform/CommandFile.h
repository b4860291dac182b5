#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>

// The settings of one command file. Every read and every write goes to the file
// itself, so a value written is what the next read of that key returns. Missing
// files, sections and keys are not errors: each getter has its fallback.
class CommandFile {
public:
    explicit CommandFile(std::string path);
    virtual ~CommandFile();

    const std::string& GetPath() const;
    // False when the file is missing, not a regular file or cannot be opened for reading:
    // then every key would silently read as missing.
    bool CanRead() const;

    // The value without white space around it; empty when missing.
    std::string GetString(const std::string& section, const std::string& key) const;
    // True when the upper-cased value contains "TRUE" anywhere (so "Untrue" is true).
    bool GetBool(const std::string& section, const std::string& key) const;
    // The leading decimal number, 0 when there is none.
    std::int32_t GetLong(const std::string& section, const std::string& key) const;
    std::int32_t GetInt(const std::string& section, const std::string& key) const;
    // "red green blue" separated by blanks, each taken modulo 256; RGB(200, 200, 255)
    // when missing, and the default for each component that is missing.
    COLORREF GetColor(const std::string& section, const std::string& key) const;

    // Each returns nonzero on success.
    int WriteString(const std::string& section, const std::string& key, const std::string& value);
    int WriteBool(const std::string& section, const std::string& key, bool value);
    int WriteInt(const std::string& section, const std::string& key, std::int32_t value);
    int WriteColor(const std::string& section, const std::string& key, COLORREF value);

private:
    std::string ReadRaw(const std::string& section, const std::string& key) const;

    std::string m_strPath;
};
