#include "fuzz/FuzzImage.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

// The image fuzz targets' seed corpus, every file through every reader (callers try
// them all in turn); each file loads with the reader of its folder.
TEST(FuzzCorpusReplay, EveryReaderSurvivesEveryFileAndItsOwnReaderLoadsIt)
{
    const std::map<std::string, std::string> readers = {{"bmp", "SECDib"}, {"jpeg", "SECJpeg"}, {"pcx", "SECPcx"},
        {"tiff", "SECTiff"}, {"targa", "SECTarga"}, {"archive", "Archive"}};
    int files = 0;
    for (const auto& [folder, own] : readers) {
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(QUORREL_FUZZ_CORPUS) / folder)) {
            const std::string bytes = quorrel_test::ReadFile(entry.path().string());
            for (const auto& [name, reader] : readers) {
                const bool loaded = FuzzImageInput(reader, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
                if (reader == own) {
                    EXPECT_TRUE(loaded) << entry.path();
                }
            }
            ++files;
        }
    }
    EXPECT_GE(files, 6);
}

}  // namespace
