// Runs `quorrel --export` as a script would, without a display.
#include "chartparts/CQuorrelDoc.h"
#include "chartparts/CQuorrelViewport.h"
#include "chartparts/ChartOutput.h"
#include "engine/CODFillProperties.h"
#include "engine/CODRectComponent.h"
#include "images/SECDib.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

using quorrel_test::ReadFile;
using quorrel_test::WriteFile;

constexpr COLORREF kBackground = RGB(0, 0, 200);
constexpr COLORREF kFill = RGB(200, 0, 0);
constexpr const char* kDamaged = "the file is not a Quorrel chart, or it is damaged";

struct Result {
    int status = -1;
    std::string err;
};

Result Export(const std::string& arguments)
{
    const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 ")
        + QUORREL_BINARY + " --export " + arguments + " >stdout.txt 2>stderr.txt";
    const int raw = std::system(command.c_str());
    Result result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.err = ReadFile("stderr.txt");
    return result;
}

// A 200 x 100 canvas on a blue background with a red rectangle.
std::string WriteChart(const std::string& path)
{
    CQuorrelDoc doc;
    CODModel& model = doc.GetModel();
    model.SetSize(200, 100);
    model.SetBackgroundColor(kBackground);
    auto* rect = new CODRectComponent();
    rect->Create(50, 20, 150, 80);
    CODFillProperties fill;
    fill.SetColor(kFill);
    rect->AddProperty(fill);
    model.AddChild(rect);
    std::string error;
    EXPECT_TRUE(doc.OnSaveDocument(path, error)) << error;
    return ReadFile(path);
}

COLORREF PixelFromTop(const SECDib& dib, int x, int y)
{
    const std::uint8_t* pixel = dib.GetPixels().data() + (dib.GetHeight() - 1 - y) * dib.GetStride() + 3 * x;
    return RGB(pixel[2], pixel[1], pixel[0]);
}

TEST(ChartExportProgram, WritesTheCanvasAsBmpOrJpegWithoutADisplay)
{
    WriteChart("chart.qrd");
    const Result bmp = Export("out.bmp chart.qrd");
    ASSERT_EQ(bmp.status, 0) << bmp.err;
    EXPECT_EQ(bmp.err, "");
    SECDib dib;
    ASSERT_TRUE(dib.LoadFromPath("out.bmp"));
    EXPECT_EQ(dib.GetWidth(), 200);
    EXPECT_EQ(dib.GetHeight(), 100);
    EXPECT_EQ(dib.GetBitsPerPixel(), 24);
    EXPECT_EQ(PixelFromTop(dib, 5, 5), kBackground);
    EXPECT_EQ(PixelFromTop(dib, 100, 50), kFill);

    const struct {
        const char* file;
        std::string magic;
    } others[] = {
        {"out.jpg", "\xFF\xD8"},
        {"out.PNG", "\x89PNG"},
        {"out.pdf", "%PDF"},
        {"out.svg", "<?xml"},
    };
    for (const auto& other : others) {
        const Result result = Export(std::string(other.file) + " chart.qrd");
        ASSERT_EQ(result.status, 0) << other.file << ": " << result.err;
        EXPECT_EQ(ReadFile(other.file).substr(0, other.magic.size()), other.magic) << other.file;
    }
}

TEST(ChartExportProgram, DamagedChartsExitOneWithTheMessage)
{
    const std::string whole = WriteChart("whole.qrd");
    std::mt19937 random(12);
    std::string noise(600, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    const struct {
        const char* name;
        std::string bytes;
    } charts[] = {
        {"cut.qrd", whole.substr(0, whole.size() / 2)},
        {"cut-short.qrd", whole.substr(0, 7)},
        {"noise.qrd", noise},
        {"marker.qrd", std::string(whole.size(), '\xFF')},
    };
    for (const auto& chart : charts) {
        WriteFile(chart.name, chart.bytes);
        const Result result = Export(std::string("out.bmp ") + chart.name);
        EXPECT_EQ(result.status, 1) << chart.name << ": " << result.err;
        EXPECT_NE(result.err.find(kDamaged), std::string::npos) << chart.name << ": " << result.err;
    }
    const Result missing = Export("out.bmp no-such.qrd");
    EXPECT_EQ(missing.status, 1);
    const Result badType = Export("out.gif whole.qrd");
    EXPECT_EQ(badType.status, 1);
    EXPECT_NE(badType.err.find(".bmp, .jpg, .png, .pdf or .svg"), std::string::npos) << badType.err;
    const Result incomplete = Export("out.bmp");
    EXPECT_EQ(incomplete.status, 2) << incomplete.err;
}

// A chart file written by the output step opens again and renders through the
// same renderer; a canvas no JPEG can hold is refused with the reason.
TEST(ChartExportProgram, ChartFilesOfTheOutputStepExportAndTooWideJpegsAreRefused)
{
    CQuorrelDoc doc;
    CODModel& model = doc.GetModel();
    model.SetSize(200, 100);
    model.SetBackgroundColor(kBackground);
    CQuorrelViewport viewport;
    viewport.SetModel(&model);
    ChartOutput output(&viewport);
    ASSERT_TRUE(output.SaveQRD("saved.qrd")) << output.GetError();
    const Result bmp = Export("saved.bmp saved.qrd");
    ASSERT_EQ(bmp.status, 0) << bmp.err;
    const std::string size = std::filesystem::absolute("size.txt").string();
    ASSERT_EQ(std::system(("identify -format '%w x %h' '" + std::filesystem::absolute("saved.bmp").string() + "' > '"
                           + size + "'").c_str()),
              0);
    EXPECT_EQ(ReadFile("size.txt"), "200 x 100");

    model.SetSize(70000, 10);
    ASSERT_TRUE(output.SaveQRD("wide.qrd")) << output.GetError();
    const Result wide = Export("wide.jpg wide.qrd");
    EXPECT_EQ(wide.status, 1);
    EXPECT_NE(wide.err.find("at most 65500 pixels a side"), std::string::npos) << wide.err;
    EXPECT_FALSE(std::filesystem::exists("wide.jpg"));
}

}  // namespace
