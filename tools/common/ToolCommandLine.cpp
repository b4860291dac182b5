#include "tools/common/ToolCommandLine.h"

#include <cctype>
#include <charconv>
#include <iostream>
#include <string_view>
#include <utility>

namespace {

constexpr int kDone = 0;
constexpr int kUsageError = 2;

bool IsOption(std::string_view argument)
{
    return argument.size() > 1 && argument[0] == '-' && !std::isdigit(static_cast<unsigned char>(argument[1]));
}

}  // namespace

ToolCommandLine::ToolCommandLine(std::string name, std::string usage, std::string help)
    : m_strName(std::move(name))
    , m_strUsage(std::move(usage))
    , m_strHelp(std::move(help))
{
}

std::optional<int> ToolCommandLine::Parse(int argc, const char* const* argv)
{
    m_operands.clear();
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (options && argument == "--") {
            options = false;
        } else if (options && (argument == "--help" || argument == "-h")) {
            std::cout << "usage: " << m_strName << " " << m_strUsage << "\n\n" << m_strHelp;
            return kDone;
        } else if (options && argument == "--version") {
            std::cout << m_strName << " (Quorrel) " << QUORREL_VERSION << "\n";
            return kDone;
        } else if (options && IsOption(argument)) {
            return Misuse("unknown option " + std::string(argument));
        } else {
            m_operands.emplace_back(argument);
        }
    }
    return std::nullopt;
}

int ToolCommandLine::Misuse(const std::string& what) const
{
    std::cerr << m_strName << ": " << what << "\nusage: " << m_strName << " " << m_strUsage
              << "\nTry '" << m_strName << " --help' for more.\n";
    return kUsageError;
}

std::optional<std::int32_t> ToolCommandLine::Number(const std::string& text)
{
    std::int32_t value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}
