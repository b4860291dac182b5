#include "chartparts/CIndiBox.h"
#include "chartparts/CQuorrelDoc.h"
#include "chartparts/CQuorrelViewport.h"
#include "chartparts/ChartOutput.h"
#include "engine/CODFontProperties.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"
#include "images/DibBandWriter.h"
#include "images/PngBandWriter.h"
#include "images/SECDib.h"
#include "platform/AppSettings.h"
#include "platform/CBitmap.h"
#include "platform/CDC.h"
#include "platform/CommandFile.h"
#include "platform/MessageBox.h"
#include "tests/images/ImageWitness.h"
#include "tests/support/PrintedPage.h"
#include "tests/support/RecordingStatusBarHost.h"
#include "tests/support/TestFiles.h"
#include "tests/engine/TestPages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// A drawing rasterised by another program is close when most channel values
// lie within this of the picture's.
constexpr int kCloseChannel = 48;
constexpr double kCloseShare = 0.9;
constexpr int kInkLevel = 128;
constexpr double kInkTolerance = 0.35;

// Messages shown while it lives.
class MessageRecorder {
public:
    MessageRecorder() { MessageBox::SetSink([this](const std::string& text) { texts.push_back(text); }); }
    ~MessageRecorder() { MessageBox::SetSink(nullptr); }
    Texts texts;
};

CIndiBox* AddBox(CODModel& model, int x, int y, const std::vector<std::string>& lines)
{
    auto* box = new CIndiBox();
    box->SetLines(static_cast<int>(lines.size()), lines.data());
    box->MoveTo(x, y);
    model.AddChild(box);
    return box;
}

// A small family chart on a pale canvas, with a title line over it.
void BuildSmallChart(CODModel& model)
{
    model.SetSize(420, 260);
    model.SetBackgroundColor(RGB(235, 240, 255));
    AddBox(model, 20, 120, {"John Smith", "b. 1820 York", "d. 1890 Leeds"});
    AddBox(model, 220, 60, {"William Smith", "b. 1790"});
    AddBox(model, 220, 170, {"Mary Brown", "b. 1795", "d. 1860"});
    auto* title = new CODTextComponent();
    title->Create(CRect(20, 10, 400, 40), nullptr);
    title->SetText("The Smith Family");
    model.AddChild(title);
}

std::string Identify(const std::string& path)
{
    const std::string out = std::filesystem::absolute(path + ".size").string();
    if (!image_witness::Run("identify -format '%w x %h' '" + std::filesystem::absolute(path).string() + "' > '" + out + "'"))
        return "unreadable";
    return quorrel_test::ReadFile(out);
}

class ChartOutputTest : public ::testing::Test {
protected:
    ChartOutputTest()
    {
        BuildSmallChart(m_doc.GetModel());
        m_viewport.SetModel(&m_doc.GetModel());
    }

    CQuorrelDoc m_doc;
    CQuorrelViewport m_viewport;
    ChartOutput m_output{&m_viewport};
};

TEST_F(ChartOutputTest, OutputWritesTheAskedFilesInOrderAndYesIsNotTrue)
{
    std::filesystem::create_directory("out");
    quorrel_test::WriteCommandFile("run.qrc",
        "OUTPUT=out/tree\r\nOutPutBmp=TRUE\r\nOutPutJpg=yes\r\nOutPutQRD=true\r\nOutPutPng=TRUE\r\n"
        "OutPutPdf=TRUE\r\n");
    RecordingStatusBarHost host;
    MessageRecorder messages;
    m_output.WriteOutputFiles(CommandFile("run.qrc"));

    EXPECT_TRUE(messages.texts.empty());
    Texts saving;
    for (const std::string& text : host.texts)
        if (text.rfind("Saving the diagram", 0) == 0)
            saving.push_back(text);
    EXPECT_EQ(saving, (Texts{"Saving the diagram to the file: out/tree.BMP\n",
                             "Saving the diagram to the file: out/tree.QRD\n",
                             "Saving the diagram to the file: out/tree.PDF\n",
                             "Saving the diagram to the file: out/tree.PNG\n"}));
    EXPECT_FALSE(std::filesystem::exists("out/tree.SVG"));
    EXPECT_FALSE(std::filesystem::exists("out/tree.JPG"));
    EXPECT_EQ(Identify("out/tree.BMP"), "420 x 260");

    CQuorrelDoc reopened;
    std::string error;
    ASSERT_TRUE(reopened.OnOpenDocument("out/tree.QRD", error)) << error;
    EXPECT_EQ(reopened.GetModel().GetChildCount(), 4);
    EXPECT_EQ(reopened.GetModel().GetType(), "out/tree.QRD");
    EXPECT_FALSE(m_doc.GetModel().IsModified());
}

TEST_F(ChartOutputTest, PicturesShowTheCanvasAtTheZoom)
{
    ASSERT_TRUE(m_output.SaveAs("chart.BMP", "BMP")) << m_output.GetError();
    ASSERT_TRUE(m_output.SaveAs("chart.JPG", "JPG")) << m_output.GetError();
    EXPECT_EQ(Identify("chart.BMP"), "420 x 260");
    EXPECT_EQ(Identify("chart.JPG"), "420 x 260");
    const image_witness::Rgb picture = image_witness::DecodeWith(std::filesystem::absolute("chart.BMP").string());
    ASSERT_EQ(picture.width, 420);
    // The canvas corner has the background colour; no grid or page lines.
    const std::uint8_t* corner = &picture.bytes[3 * (259 * 420 + 419)];
    EXPECT_EQ(RGB(corner[0], corner[1], corner[2]), RGB(235, 240, 255));

    if (const char* dir = std::getenv("QUORREL_TEST_PNG_DIR"))
        image_witness::Run("convert '" + std::filesystem::absolute("chart.BMP").string() + "' '" + dir
                           + "/chart_output.png'");

    ASSERT_TRUE(m_viewport.SetMagnification(50, 50));
    ASSERT_TRUE(m_output.SaveBMP("half.bmp")) << m_output.GetError();
    EXPECT_EQ(Identify("half.bmp"), "210 x 130");
    // Rendering puts the scroll position back.
    EXPECT_EQ(m_viewport.GetScrollPosition(), CPoint(0, 0));
}

// Bands of any height join into the picture drawn in one piece, also at a
// zoom where band edges fall between logical units.
TEST_F(ChartOutputTest, BandsJoinWithoutSeams)
{
    const auto render = [this](int bandRows) {
        SECDib dib;
        EXPECT_TRUE(dib.CreateTrueColor(m_viewport.GetImageSize().cx, m_viewport.GetImageSize().cy));
        std::vector<int> tops;
        EXPECT_TRUE(m_viewport.RenderBands(bandRows,
            [&](const CDC& dc, const HBITMAP& band, int firstRow, int top, int rows) {
                tops.push_back(top);
                return dib.PutBitmapRows(&dc, band, firstRow, top, rows);
            })) << m_viewport.GetRenderError();
        return std::make_pair(dib.GetPixels(), tops);
    };
    // At the zoom of the output files bands of any height give the picture
    // drawn in one piece. At other zooms a line cut by a band's edge may gain
    // or lose its end pixel, and nothing more.
    const std::array<std::pair<int, int>, 3> zooms = {{{100, 0}, {73, 6}, {150, 6}}};
    for (const auto& [zoom, differing] : zooms) {
        ASSERT_TRUE(m_viewport.SetMagnification(zoom, zoom));
        const int height = m_viewport.GetImageSize().cy;
        const auto [whole, oneBand] = render(height);
        EXPECT_EQ(oneBand, std::vector<int>{0});
        const auto [banded, tops] = render(7);
        EXPECT_EQ(static_cast<int>(tops.size()), (height + 6) / 7) << zoom;
        ASSERT_EQ(banded.size(), whole.size());
        int bytes = 0;
        for (std::size_t i = 0; i < whole.size(); ++i)
            bytes += banded[i] != whole[i] ? 1 : 0;
        EXPECT_LE(bytes, 3 * differing) << "zoom " << zoom;
    }

    // A band of another width, or rows past either end, are refused.
    SECDib dib;
    ASSERT_TRUE(dib.CreateTrueColor(10, 4));
    EXPECT_FALSE(m_viewport.RenderBands(2, [&](const CDC& dc, const HBITMAP& band, int firstRow, int top, int rows) {
        return dib.PutBitmapRows(&dc, band, firstRow, top, rows);
    }));
    const HBITMAP small = CBitmap::CreateCompatibleBitmap(nullptr, 10, 3);
    CDC dc;
    EXPECT_TRUE(dib.PutBitmapRows(&dc, small, 0, 1, 3));
    EXPECT_TRUE(dib.PutBitmapRows(&dc, small, 2, 0, 1));
    EXPECT_FALSE(dib.PutBitmapRows(&dc, small, 0, 2, 3));
    EXPECT_FALSE(dib.PutBitmapRows(&dc, small, 1, 0, 3));
}

// Written band by band, a BMP has the bytes of the whole picture saved at
// once, and a PNG its pixels exactly.
TEST_F(ChartOutputTest, BandFilesHoldThePictureOfOnePiece)
{
    ASSERT_TRUE(m_viewport.SetMagnification(100, 100));
    SECDib whole;
    ASSERT_TRUE(m_viewport.RenderToImage(whole));
    ASSERT_TRUE(whole.SaveToPath("whole.bmp"));
    DibBandWriter bmp;
    PngBandWriter png;
    for (BandFileWriter* writer : std::initializer_list<BandFileWriter*>{&bmp, &png}) {
        const std::string path = writer == &bmp ? "banded.bmp" : "banded.png";
        ASSERT_TRUE(writer->Open(path, 420, 260));
        ASSERT_TRUE(m_viewport.RenderBands(7, [writer](const CDC& dc, const HBITMAP& band, int first, int top, int rows) {
            return writer->PutRows(dc, band, first, top, rows);
        }));
        ASSERT_TRUE(writer->Close()) << path;
    }
    EXPECT_EQ(image_witness::ReadFileBytes("banded.bmp"), image_witness::ReadFileBytes("whole.bmp"));
    EXPECT_EQ(image_witness::MaxDifference(image_witness::DecodeWith(std::filesystem::absolute("banded.png").string()),
                                           image_witness::Pixels(whole)),
              0);

    // An unfinished file is not left behind.
    {
        PngBandWriter cut;
        ASSERT_TRUE(cut.Open("cut.png", 420, 260));
        EXPECT_TRUE(std::filesystem::exists("cut.png"));
        EXPECT_FALSE(cut.Close());
    }
    EXPECT_FALSE(std::filesystem::exists("cut.png"));
}

// Pixels darker than mid-grey in every channel.
int InkPixels(const image_witness::Rgb& picture)
{
    int ink = 0;
    for (std::size_t i = 0; i + 2 < picture.bytes.size(); i += 3)
        ink += std::max({picture.bytes[i], picture.bytes[i + 1], picture.bytes[i + 2]}) < kInkLevel ? 1 : 0;
    return ink;
}

// A file of the working directory, quoted for a witness's command line (witnesses run elsewhere).
std::string Quoted(const char* name)
{
    // Appended into a local: GCC 12 -O3 warns falsely on a literal plus a temporary.
    std::string quoted(1, '\'');
    quoted += std::filesystem::absolute(name).string();
    quoted += '\'';
    return quoted;
}

std::string Captured(const std::string& command)
{
    const std::string out = std::filesystem::absolute("captured.txt").string();
    if (!image_witness::Run(command + " > '" + out + "' 2>&1"))
        return "failed: " + command;
    return quorrel_test::ReadFile(out);
}

// PDF and SVG keep lines as lines, the PDF its text as text, and both draw
// what the picture shows.
TEST_F(ChartOutputTest, PdfAndSvgDrawThePictureWithTextAsText)
{
    ASSERT_TRUE(m_output.SaveBMP("chart.bmp")) << m_output.GetError();
    ASSERT_TRUE(m_output.SavePDF("chart.pdf")) << m_output.GetError();
    ASSERT_TRUE(m_output.SaveSVG("chart.svg")) << m_output.GetError();
    const std::string one = Captured("pdfinfo " + Quoted("chart.pdf"));
    EXPECT_NE(one.find(" 420 x 260 pts"), std::string::npos) << one;
    const std::string text = Captured("pdftotext " + Quoted("chart.pdf") + " -");
    for (const char* words : {"The Smith Family", "John Smith", "b. 1820 York", "Mary Brown"})
        EXPECT_NE(text.find(words), std::string::npos) << words << " in " << text;
    EXPECT_EQ(Captured("xmllint --noout " + Quoted("chart.svg")), "");

    ASSERT_TRUE(image_witness::Run("pdftoppm -r 72 -png -singlefile " + Quoted("chart.pdf") + " "
                                   + Quoted("from-pdf")));
    // The SVG gives its size in millimetres, which rounding may make a pixel more.
    ASSERT_TRUE(image_witness::Run("rsvg-convert -w 420 -h 260 -o " + Quoted("from-svg.png") + " " + Quoted("chart.svg")));
    const image_witness::Rgb picture = image_witness::DecodeWith(std::filesystem::absolute("chart.bmp").string());
    for (const char* drawn : {"from-pdf.png", "from-svg.png"}) {
        const image_witness::Rgb other = image_witness::DecodeWith(std::filesystem::absolute(drawn).string());
        ASSERT_EQ(other.width, 420) << drawn;
        ASSERT_EQ(other.height, 260) << drawn;
        // Other rasterisers smooth edges and glyphs: most channel values stay
        // close, and about as much dark ink (text and outlines) is drawn.
        int close = 0;
        for (std::size_t i = 0; i < picture.bytes.size(); ++i)
            close += std::abs(picture.bytes[i] - other.bytes[i]) <= kCloseChannel ? 1 : 0;
        EXPECT_GT(close, static_cast<int>(static_cast<double>(picture.bytes.size()) * kCloseShare)) << drawn;
        const int ink = InkPixels(picture);
        EXPECT_NEAR(InkPixels(other), ink, ink * kInkTolerance) << drawn;
        if (const char* dir = std::getenv("QUORREL_TEST_PNG_DIR"))
            image_witness::Run("cp " + Quoted(drawn) + " '" + dir + "/chart_output_" + drawn + "'");
    }

    // On the printer pages: one PDF page each, of the paper's size in points
    // with the page inside the margins.
    test_pages::SetPaper(m_doc.GetModel().GetPageSettings(), SIZE{3500, 3800}, RECT{500, 500, 500, 500});
    ASSERT_EQ(m_viewport.GetPageCount(), 2);
    m_output.SetPdfOnPages(true);
    ASSERT_TRUE(m_output.SavePDF("pages.pdf")) << m_output.GetError();
    const std::string info = Captured("pdfinfo " + Quoted("pages.pdf"));
    EXPECT_NE(info.find("Pages:           2\n"), std::string::npos) << info;
    EXPECT_NE(info.find(" 252 x 274 pts"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           pages\n"), std::string::npos) << info;
    if (const char* dir = std::getenv("QUORREL_TEST_PNG_DIR"))
        image_witness::Run("pdftoppm -r 96 -png " + Quoted("pages.pdf") + " '" + dir + "/chart_output_pdf_page'");
}

TEST_F(ChartOutputTest, FailedFilesAreReportedWithTheirReason)
{
    struct Case {
        CSize canvas;
        const char* base;
        const char* key;
        std::string message;
    };
    const Case cases[] = {
        {CSize(420, 260), "missing/tree", "OutPutBmp",
         "Unable to create the output file missing/tree.BMP\nThe file cannot be written."},
        {CSize(420, 260), "missing/tree", "OutPutQRD",
         "Unable to create the output file missing/tree.QRD\nThe file cannot be written."},
        {CSize(70000, 100), "wide", "OutPutJpg",
         "Unable to create the output file wide.JPG\nA JPEG picture holds at most 65500 pixels a side; the chart is "
         "70000 x 100."},
        {CSize(420, 260), "missing/tree", "OutPutPng",
         "Unable to create the output file missing/tree.PNG\nThe file cannot be written."},
        {CSize(420, 260), "missing/tree", "OutPutPdf",
         "Unable to create the output file missing/tree.PDF\nThe file cannot be written."},
        // A JPEG is made in memory as a whole; a BMP is written band by band up to the format's limit.
        {CSize(20000, 15000), "huge", "OutPutJpg",
         "Unable to create the output file huge.JPG\nA picture of 20000 x 15000 pixels is larger than the 768 "
         "megabytes this program renders at once."},
        {CSize(60000, 30000), "huge", "OutPutBmp",
         "Unable to create the output file huge.BMP\nA BMP file holds at most 4 gigabytes; the chart is 60000 x "
         "30000 pixels."},
        // A damaged chart's canvas is measured, not mapped.
        {CSize(2000000000, 2000000000), "damaged", "OutPutJpg",
         "Unable to create the output file damaged.JPG\nA JPEG picture holds at most 65500 pixels a side; the chart is "
         "2000000000 x 2000000000."},
    };
    for (const Case& c : cases) {
        m_doc.GetModel().SetSize(c.canvas.cx, c.canvas.cy);
        quorrel_test::WriteCommandFile("run.qrc", std::string("OUTPUT=") + c.base + "\r\n" + c.key + "=TRUE\r\n");
        MessageRecorder messages;
        const int before = MessageBox::ShownCount();
        m_output.WriteOutputFiles(CommandFile("run.qrc"));
        EXPECT_EQ(messages.texts, Texts{c.message});
        // Every message counts against an unattended run's exit status.
        EXPECT_EQ(MessageBox::ShownCount(), before + 1);
    }
    EXPECT_FALSE(std::filesystem::exists("wide.JPG"));
    EXPECT_FALSE(std::filesystem::exists("huge.BMP"));
    EXPECT_FALSE(std::filesystem::exists("huge.JPG"));
}

TEST_F(ChartOutputTest, SaveAsKnowsOnlyItsUpperCaseTypes)
{
    for (const char* type : {"bmp", "JPEG", "png", "Pdf", "GIF", ""})
        EXPECT_FALSE(m_output.SaveAs("any.file", type)) << type;
    EXPECT_FALSE(std::filesystem::exists("any.file"));
}

TEST(ChartOutput, MemoryEstimateIsKilobytesOfTheLogicalCanvas)
{
    const std::array<std::pair<CSize, long>, 3> cases = {{
        {CSize(15000, 15000), 659179},
        {CSize(1000, 1000), 2929},
        {CSize(60000, 60000), 10546875},
    }};
    for (const auto& [size, kilobytes] : cases)
        EXPECT_EQ(CQuorrelViewport::MemoryEstimateText(size),
                  "Attempting to build a " + std::to_string(kilobytes) + " Kilo byte uncompressed image.");

    CODModel model;
    model.SetSize(15000, 15000);
    CQuorrelViewport viewport;
    viewport.SetModel(&model);
    ASSERT_TRUE(viewport.SetMagnification(10, 10));
    RecordingStatusBarHost host;
    SECDib dib;
    ASSERT_TRUE(viewport.RenderToImage(dib)) << viewport.GetRenderError();
    EXPECT_EQ(dib.GetWidth(), 1500);
    // From the logical size, not the zoomed picture.
    EXPECT_NE(std::find(host.texts.begin(), host.texts.end(),
                        "Attempting to build a 659179 Kilo byte uncompressed image."),
              host.texts.end());
}

TEST(ChartOutput, ScaleDrawingMovesTopLeftsAndScalesOwnFonts)
{
    CQuorrelDoc doc;
    CODModel& model = doc.GetModel();
    CIndiBox* box = AddBox(model, 100, 40, {"Ann Smith", "b. 1900"});
    CODFontProperties font;
    font.SetPointSize(10);
    box->AddProperty(font);
    CIndiBox* small = AddBox(model, 301, 3, {"Bo"});
    font.SetPointSize(2);
    small->AddProperty(font);
    const int width = box->GetBounds().Width();
    CQuorrelViewport viewport;
    viewport.SetModel(&model);
    ChartOutput output(&viewport);

    output.ScaleDrawing(1.25F);
    EXPECT_EQ(box->GetBounds().TopLeft(), CPoint(125, 50));
    EXPECT_EQ(dynamic_cast<const CODFontProperties*>(box->GetProperty(OD_PROP_FONT, false))->GetPointSize(), 12);
    EXPECT_GT(box->GetBounds().Width(), width);
    EXPECT_EQ(small->GetBounds().TopLeft(), CPoint(376, 4));

    output.ScaleDrawing(0.5F);
    EXPECT_EQ(box->GetBounds().TopLeft(), CPoint(63, 25));
    EXPECT_EQ(dynamic_cast<const CODFontProperties*>(box->GetProperty(OD_PROP_FONT, false))->GetPointSize(), 6);
    // Never below 2 points.
    EXPECT_EQ(dynamic_cast<const CODFontProperties*>(small->GetProperty(OD_PROP_FONT, false))->GetPointSize(), 2);
}

TEST(QuorrelViewport, SwitchesComeFromTheSettingsAndGoBack)
{
    {
        CQuorrelViewport fresh;
        EXPECT_TRUE(fresh.m_bCutMarksVisible);
        EXPECT_FALSE(fresh.m_bSnapToGrid);
        EXPECT_FALSE(fresh.m_bAngleSnap);
        EXPECT_TRUE(fresh.m_bGridVisible);
        EXPECT_TRUE(fresh.m_bPagesVisible);
        EXPECT_FALSE(fresh.m_bRulersVisible);
        EXPECT_EQ(fresh.m_nUnitOfMeasure, 1);
        fresh.m_bGridVisible = false;
        fresh.m_bSnapToGrid = true;
        fresh.m_nUnitOfMeasure = 4;
    }
    EXPECT_EQ(AppSettings::GetInt("Switch", "GridVisible", -1), 0);
    EXPECT_EQ(AppSettings::GetInt("Switch", "SnapToGrid", -1), 1);
    EXPECT_EQ(AppSettings::GetInt("Settings", "UnitsOfMeasure", -1), 4);
    CQuorrelViewport next;
    EXPECT_FALSE(next.m_bGridVisible);
    EXPECT_TRUE(next.m_bSnapToGrid);
    EXPECT_EQ(next.m_nUnitOfMeasure, 4);
    next.m_bGridVisible = true;
    next.m_bSnapToGrid = false;
    next.m_nUnitOfMeasure = 1;
}

TEST(QuorrelViewport, ZoomIsLimitedToTenToAThousandPercent)
{
    CQuorrelViewport viewport;
    EXPECT_FALSE(viewport.SetMagnification(2000, 2000));
    EXPECT_FALSE(viewport.SetMagnification(9, 100));
    EXPECT_EQ(viewport.GetMagnification(), CSize(100, 100));
    EXPECT_TRUE(viewport.SetMagnification(10, 10));
    EXPECT_TRUE(viewport.SetMagnification(1000, 1000));
    EXPECT_EQ(viewport.GetMagnification(), CSize(1000, 1000));
}

// Pages of 100 x 80 on a 200 x 160 canvas: 2 x 2 pages.
TEST(QuorrelViewport, PrintedPagesCarryCutMarksAlongSharedEdges)
{
    CODModel model;
    test_pages::SetPaper(model.GetPageSettings(), SIZE{1042, 833});
    model.SetSize(200, 160);
    CQuorrelViewport viewport;
    viewport.SetModel(&model);
    ASSERT_EQ(viewport.GetPageCount(), 4);

    constexpr COLORREF kMark = CQuorrelViewport::kCutMarkColor;
    const struct {
        int page;
        bool left;
        bool top;
    } cases[] = {{1, false, false}, {2, true, false}, {3, false, true}, {4, true, true}};
    for (const auto& c : cases) {
        const CRect r = viewport.GetPageRect(c.page);
        // The marks run on past the page by one page length, as printed.
        // The two pixels at the page's corner could belong to either mark.
        const RECT corner{r.left, r.top, r.left + 1, r.top + 2};
        const RECT leftEdge{r.left, r.top + 2, r.left + 1, r.bottom + 80};
        const RECT topEdge{r.left + 1, r.top + 1, r.right + 100, r.top + 2};
        quorrel_test::PrintedPage page(400, 400);
        viewport.DrawPageBoundaries(&page.DC(), r);
        const int onLeft = page.Count(leftEdge, kMark);
        const int onTop = page.Count(topEdge, kMark);
        EXPECT_EQ(onLeft > 0, c.left) << "page " << c.page;
        EXPECT_EQ(onTop > 0, c.top) << "page " << c.page;
        EXPECT_EQ(page.Count(RECT{0, 0, 400, 400}, kMark), onLeft + onTop + page.Count(corner, kMark))
            << "page " << c.page;
    }

    // Switched off, nothing is printed.
    viewport.m_bCutMarksVisible = false;
    quorrel_test::PrintedPage page(400, 400);
    viewport.DrawPageBoundaries(&page.DC(), viewport.GetPageRect(4));
    EXPECT_EQ(page.Count(RECT{0, 0, 400, 400}, kMark), 0);
    viewport.m_bCutMarksVisible = true;
}

}  // namespace
