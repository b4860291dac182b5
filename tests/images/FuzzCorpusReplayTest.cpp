#include "fuzz/FuzzImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace {

// The fuzz targets' seed corpus, every file through every reader (callers try
// them all in turn); each file loads with the reader of its folder.
TEST(FuzzCorpusReplay, EveryReaderSurvivesEveryFileAndItsOwnReaderLoadsIt)
{
    const std::map<std::string, std::string> readers = {{"bmp", "SECDib"}, {"jpeg", "SECJpeg"}, {"pcx", "SECPcx"},
        {"tiff", "SECTiff"}, {"targa", "SECTarga"}, {"archive", "Archive"}};
    int files = 0;
    for (const auto& folder : std::filesystem::directory_iterator(QUORREL_FUZZ_CORPUS)) {
        const std::string own = readers.at(folder.path().filename().string());
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            for (const auto& [name, reader] : readers) {
                const bool loaded = FuzzImageInput(reader, bytes.data(), bytes.size());
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
