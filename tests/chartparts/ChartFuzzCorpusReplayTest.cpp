#include "TinyCharts.h"

#include "fuzz/FuzzChart.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

// The chart fuzz target's seeds: each loads, and each cut in half is refused
// without harm.
TEST(ChartFuzzCorpusReplay, EverySeedLoadsAndItsFirstHalfIsRefused)
{
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(QUORREL_FUZZ_CORPUS) / "chart")) {
        const std::string bytes = quorrel_test::ReadFile(entry.path().string());
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
        EXPECT_TRUE(FuzzChartInput(data, bytes.size())) << entry.path();
        EXPECT_FALSE(FuzzChartInput(data, bytes.size() / 2)) << entry.path();
        ++files;
    }
    EXPECT_GE(files, 3);
}

// The seeds are the tiny charts; fuzz/make-seeds names the directory to write them to.
TEST(ChartFuzzCorpusReplay, TinyChartsLoadAndAreWrittenAsSeedsWhenAsked)
{
    const char* directory = std::getenv("QUORREL_CHART_SEED_DIR");
    for (const auto& [name, bytes] : quorrel_test::TinyCharts()) {
        EXPECT_TRUE(FuzzChartInput(bytes.data(), bytes.size())) << name;
        EXPECT_LT(bytes.size(), 4096u) << name;
        if (directory)
            quorrel_test::WriteFile((std::filesystem::path(directory) / name).string(),
                                    std::string(bytes.begin(), bytes.end()));
    }
}

}  // namespace
