#include "tests/support/TestEnvironment.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

#include <unistd.h>

namespace quorrel_test {

namespace {
std::filesystem::path g_directory;
}

std::filesystem::path EnterTestDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "quorrel-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary test directory");
    g_directory = pattern;
    std::filesystem::create_directories(g_directory / "config");
    std::filesystem::create_directories(g_directory / "home");
    std::filesystem::create_directories(g_directory / "work");
    std::filesystem::create_directories(g_directory / "runtime");
    std::filesystem::permissions(g_directory / "runtime", std::filesystem::perms::owner_all);
    setenv("XDG_CONFIG_HOME", (g_directory / "config").c_str(), 1);
    setenv("HOME", (g_directory / "home").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (g_directory / "runtime").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::filesystem::current_path(g_directory / "work");
    return g_directory;
}

void RemoveTestDirectory()
{
    if (g_directory.empty())
        return;
    std::error_code ignored;
    std::filesystem::current_path(g_directory.parent_path(), ignored);
    std::filesystem::remove_all(g_directory, ignored);
    g_directory.clear();
}

const std::filesystem::path& TestDirectory()
{
    return g_directory;
}

}  // namespace quorrel_test
