#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The options every tool answers: --help and --version on standard output with
// status 0; any other option is refused with status 2, so that no option is ever
// taken for a path. "--" ends the options; "-12" is a number, not an option.
class ToolCommandLine {
public:
    ToolCommandLine(std::string name, std::string usage, std::string help);

    // The status to exit with at once, or nothing when the operands are ready.
    std::optional<int> Parse(int argc, const char* const* argv);
    const std::vector<std::string>& Operands() const { return m_operands; }

    // Reports a wrong use on standard error; returns the status for it (2).
    int Misuse(const std::string& what) const;

    // A whole decimal 32-bit number, sign allowed; nothing for any other text.
    static std::optional<std::int32_t> Number(const std::string& text);

private:
    std::string m_strName;
    std::string m_strUsage;
    std::string m_strHelp;
    std::vector<std::string> m_operands;
};
