#pragma once

#include <cstdint>
#include <string>

// The user's own preferences (window placement, toolbar visibility and the like),
// kept from one run of the program to the next in $XDG_CONFIG_HOME/Quorrel/Quorrel.ini.
// Sections and keys are as the program names them ("Settings", "ToolBar", ...).
class AppSettings {
public:
    static std::string FilePath();

    static std::int32_t GetInt(const std::string& section, const std::string& key, std::int32_t fallback);
    static std::string GetString(const std::string& section, const std::string& key, const std::string& fallback);

    // False when the settings file cannot be written.
    static bool WriteInt(const std::string& section, const std::string& key, std::int32_t value);
    static bool WriteString(const std::string& section, const std::string& key, const std::string& value);
};
