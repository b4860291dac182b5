#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

// The libraries in dependency order: each may include only itself and those before it.
const std::vector<std::string> kLayers = {"kxdata", "platform", "images", "engine", "data", "chartparts", "charts", "app"};

// Built on top of the libraries; they may include any of them.
const std::vector<std::string> kClients = {"tools", "bench", "tests", "fuzz"};

// Where Qt headers may be included: the platform layer, the program, the chart view and
// the tests of those.
const std::vector<std::string> kQtPlaces = {"platform/", "app/", "chartparts/CQuorrelView.", "tests/platform/",
                                            "tests/app/", "tests/support/"};

bool StartsWithAny(const std::string& text, const std::vector<std::string>& prefixes)
{
    return std::any_of(prefixes.begin(), prefixes.end(), [&](const std::string& p) { return text.starts_with(p); });
}

struct Include {
    std::string header;
    bool angled = false;
};

// The header of an #include line, or nothing for any other line.
std::optional<Include> IncludeOf(const std::string& line)
{
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line[i] != '#')
        return std::nullopt;
    i = line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || line.compare(i, 7, "include") != 0)
        return std::nullopt;
    i = line.find_first_not_of(" \t", i + 7);
    if (i == std::string::npos || (line[i] != '"' && line[i] != '<'))
        return std::nullopt;
    const std::size_t end = line.find(line[i] == '"' ? '"' : '>', i + 1);
    if (end == std::string::npos)
        return std::nullopt;
    return Include{line.substr(i + 1, end - i - 1), line[i] == '<'};
}

std::ptrdiff_t LayerOf(const std::string& directory)
{
    const auto found = std::find(kLayers.begin(), kLayers.end(), directory);
    return found == kLayers.end() ? -1 : found - kLayers.begin();
}

// Empty when the file (path from the source root) may include the header, else why not.
std::string Violation(const std::string& file, const std::string& header, bool angled)
{
    if (angled) {
        const bool qt = header.starts_with("Q") || header.starts_with("qt");
        if (qt && !StartsWithAny(file, kQtPlaces))
            return "Qt outside the platform layer";
        return {};
    }
    const std::string from = file.substr(0, file.find('/'));
    const std::string to = header.substr(0, header.find('/'));
    const std::ptrdiff_t fromLayer = LayerOf(from);
    if (fromLayer < 0)
        return {};
    if (std::find(kClients.begin(), kClients.end(), to) != kClients.end())
        return "a library includes a header of " + to + "/";
    if (LayerOf(to) > fromLayer)
        return "includes from a directory above its own";
    if (from == "data" && to == "kxdata" && header != "kxdata/kxdata.h")
        return "the data code reaches the library only through kxdata/kxdata.h";
    return {};
}

TEST(IncludeDirectionTest, RuleTellsAllowedFromForbidden)
{
    struct Case {
        const char* file;
        const char* header;
        bool angled;
        bool allowed;
    };
    const Case cases[] = {
        {"engine/CODComponent.cpp", "platform/CDC.h", false, true},
        {"engine/CODComponent.cpp", "engine/CODComponent.h", false, true},
        {"engine/CODComponent.cpp", "data/ProjectDatabase.h", false, false},
        {"platform/CDC.cpp", "images/SECImage.h", false, false},
        {"kxdata/Library.cpp", "platform/ProfileFile.h", false, false},
        {"data/ProjectDatabase.cpp", "kxdata/kxdata.h", false, true},
        {"data/ProjectDatabase.cpp", "kxdata/DbfTable.h", false, false},
        {"charts/AncestorChart.cpp", "tests/support/DibCanvas.h", false, false},
        {"tests/engine/X.cpp", "app/CMainFrame.h", false, true},
        {"tools/qrpeople/qrpeople.cpp", "tools/projectwriter/ProjectWriter.h", false, true},
        {"platform/CDC.cpp", "QPainter", true, true},
        {"app/CMainFrame.h", "QMainWindow", true, true},
        {"chartparts/CQuorrelView.cpp", "QWidget", true, true},
        {"engine/CODTextComponent.cpp", "QFont", true, false},
        {"data/NameFormatter.cpp", "QtCore/QString", true, false},
        {"tests/engine/X.cpp", "QImage", true, false},
        {"engine/CODComponent.cpp", "vector", true, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Violation(c.file, c.header, c.angled).empty(), c.allowed) << c.file << " -> " << c.header;
}

TEST(IncludeDirectionTest, SourceTreeFollowsTheLayers)
{
    const std::filesystem::path root(QUORREL_SOURCE_DIR);
    std::vector<std::string> top = kLayers;
    top.insert(top.end(), kClients.begin(), kClients.end());
    std::string found;
    std::size_t files = 0;
    std::size_t includes = 0;
    for (const std::string& directory : top) {
        if (!std::filesystem::exists(root / directory))
            continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / directory)) {
            const std::string extension = entry.path().extension().string();
            if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp"))
                continue;
            ++files;
            const std::string file = std::filesystem::relative(entry.path(), root).generic_string();
            std::ifstream in(entry.path());
            std::string line;
            while (std::getline(in, line)) {
                const std::optional<Include> include = IncludeOf(line);
                if (!include)
                    continue;
                ++includes;
                const std::string why = Violation(file, include->header, include->angled);
                if (!why.empty())
                    found += file + ": " + include->header + ": " + why + "\n";
            }
        }
    }
    EXPECT_GT(files, 100U);
    EXPECT_GT(includes, 2 * files);  // the lines were read as includes at all
    EXPECT_EQ(found, "");
}

}  // namespace
