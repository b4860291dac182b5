#include "app/CQuorrelController.h"
#include "app/CQuorrelView.h"
#include "chartparts/CIndiBox.h"
#include "engine/CODFontProperties.h"
#include "engine/CODRectComponent.h"
#include "engine/PropertyIds.h"
#include "engine/CODTextComponent.h"
#include "images/SECDib.h"
#include "platform/CommandFile.h"
#include "platform/MessageBox.h"
#include "platform/QuitMessage.h"
#include "platform/WaitCursor.h"
#include "tests/charts/PedigreeProject.h"
#include "tests/support/RecordingStatusBarHost.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// Puts each step it is asked for into the status bar's record, so the record
// shows texts and steps in the order they happened.
class RecordingController : public CQuorrelController {
public:
    RecordingController(CQuorrelView* view, RecordingStatusBarHost& host)
        : CQuorrelController(view)
        , m_host(host)
    {
    }

    void BuildFanChart(CommandFile&) override { Log("BuildFanChart"); }
    void BuildAncestorChart(CommandFile&) override
    {
        Log("BuildAncestorChart");
        if (!failWith.empty())
            MessageBox::Show(failWith);
    }
    void BuildHourglassChart(CommandFile&) override { Log("BuildHourglassChart"); }
    void BuildDescendantChart(CommandFile&) override { Log("BuildDescendantChart"); }
    void FitCanvasToChart() override { Log("FitCanvasToChart"); }
    void BuildTitle(CommandFile&) override { Log("BuildTitle"); }
    void BuildResearcherBox(CommandFile&) override { Log("BuildResearcherBox"); }
    void BuildBackground(CommandFile&) override { Log("BuildBackground"); }
    void WriteOutputFiles(CommandFile& commandFile) override { Log("WriteOutputFiles " + commandFile.GetString("CHART", "OUTPUT")); }

    std::string failWith;

private:
    void Log(const std::string& step) { m_host.texts.push_back("[" + step + "]"); }

    RecordingStatusBarHost& m_host;
};

using quorrel_test::WriteCommandFile;

Texts Decorations(bool withOutput, bool batch)
{
    Texts texts = {"Sizing Chart", "[FitCanvasToChart]", "Setting the title", "[BuildTitle]",
        "Building Researcher Box", "[BuildResearcherBox]", "Setting Background", "[BuildBackground]"};
    if (withOutput) {
        texts.push_back("Outputting Files as Requested");
        texts.push_back("[WriteOutputFiles out/tree]");
    }
    if (!batch)
        texts.push_back("Repainting Screen");
    texts.push_back("For Help, press F1");
    return texts;
}

TEST(QuorrelControllerTest, RunsTheStepsOfEachChartTypeInOrder)
{
    const struct {
        std::string chart;
        const char* builder;  // nullptr: no chart is built
        bool output;
    } cases[] = {
        {"TYPE=FANCHART\r\nOUTPUT=out/tree\r\n", "[BuildFanChart]", true},
        {"TYPE=ANCESTOR\r\nOUTPUT=out/tree\r\n", "[BuildAncestorChart]", true},
        {"TYPE=HOURGLASS\r\nOUTPUT=out/tree\r\n", "[BuildHourglassChart]", true},
        {"TYPE=DESCENDANT\r\nOUTPUT=out/tree\r\n", "[BuildDescendantChart]", true},
        {"type = ancestor \r\noutput= out/tree \r\n", "[BuildAncestorChart]", true},
        {"Type=\tDescendant\r\n", "[BuildDescendantChart]", false},
        {"TYPE=Ancestors\r\nOUTPUT=out/tree\r\n", nullptr, true},
        {"TYPE=\r\nOUTPUT=\r\n", nullptr, false},
        {"", nullptr, false},
    };
    for (const auto& c : cases) {
        WriteCommandFile("run.qrc", c.chart);
        RecordingStatusBarHost host;
        CQuorrelView view;
        RecordingController controller(&view, host);
        const int depth = WaitCursor::Depth();
        controller.RunCommandFile("run.qrc");

        Texts expected = {"Please Wait....", "Starting Chart"};
        if (c.builder != nullptr)
            expected.push_back(c.builder);
        for (const std::string& text : Decorations(c.output, false))
            expected.push_back(text);
        EXPECT_EQ(host.texts, expected) << c.chart;
        EXPECT_EQ(WaitCursor::Depth(), depth);
        EXPECT_FALSE(QuitMessage::Posted());
    }
}

TEST(QuorrelControllerTest, CommandFileThatCannotBeReadRunsNothing)
{
    Texts messages;
    MessageBox::SetSink([&messages](const std::string& text) { messages.push_back(text); });
    std::filesystem::create_directory("folder.qrc");
    for (const std::string path : {"no-such-file.qrc", "folder.qrc"}) {
        messages.clear();
        RecordingStatusBarHost host;
        CQuorrelView view;
        RecordingController controller(&view, host);
        QuitMessage::Clear();
        controller.RunCommandFile(path);
        EXPECT_EQ(messages, Texts{"Cannot open the command file " + path});
        EXPECT_EQ(host.texts, Texts{}) << path;
        EXPECT_FALSE(QuitMessage::Posted());
    }
    MessageBox::SetSink(nullptr);
}

// The whole run into the view's chart: the boxes first, then the title and
// the researcher box, the canvas around all of them and the background under it.
TEST(QuorrelControllerTest, RunBuildsAndDecoratesTheChart)
{
    const std::string path = pedigree::CommandFileWith(pedigree::Kid,
        "[CHART]\nTYPE=Ancestor\n[Ancestor]\ngenerations=3\nGenerationGap=40\nLeftGap=10\nTopGap=10\n"
        "DefFont=Courier New\nDefFontSize=11\n"
        "[Title]\nText=Kid's ancestors\nLocationX=300\nLocationY=5\n[Researcher]\nText1=A. Lee\n"
        "location=UPPERRIGHT\n[Background]\ntype=COLOR\ncolor=250 250 210\n");
    RecordingStatusBarHost host;
    CQuorrelView view;
    view.GetController().RunCommandFile(path);

    const CQuorrelModel& model = view.GetDocument().GetModel();
    int boxes = 0;
    int chartRight = 0;  // the canvas is fitted to the chart before the title comes
    for (int i = 0; i < model.GetChildCount(); ++i) {
        if (model.GetChild(i)->GetName() != CIndiBox::kBoxName)
            continue;
        ++boxes;
        chartRight = std::max(chartRight, model.GetChild(i)->GetBounds().right);
    }
    EXPECT_EQ(boxes, 3);
    ASSERT_GE(model.GetChildCount(), 2);
    const CODComponent* title = model.GetChild(model.GetChildCount() - 2);
    ASSERT_NE(dynamic_cast<const CODTextComponent*>(title), nullptr);
    const CODComponent* researcher = model.GetChild(model.GetChildCount() - 1);
    EXPECT_EQ(researcher->GetName(), "Researcher Box");
    EXPECT_EQ(researcher->GetBounds().left, chartRight + 20 + 10);
    EXPECT_EQ(model.GetSize().cx, researcher->GetBounds().right + 20);
    ASSERT_NE(model.GetBackground(), nullptr);
    EXPECT_EQ(model.GetBackground()->GetBounds(), CRect(0, 0, model.GetSize().cx, model.GetSize().cy));

    // The chart sets the view's default font, which later inserted text takes.
    const auto* font = dynamic_cast<const CODFontProperties*>(view.GetViewport().GetDefaultProperty(OD_PROP_FONT));
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->GetFaceName(), "Courier New");
    EXPECT_EQ(font->GetPointSize(), 11);
}

TEST(QuorrelControllerTest, BatchRunHidesTheViewAndQuitsWithTheErrorStatus)
{
    std::vector<std::string> messages;
    MessageBox::SetSink([&messages](const std::string& text) { messages.push_back(text); });

    WriteCommandFile("batch.qrc", "HideWindows=true\r\nTYPE=ANCESTOR\r\nOUTPUT=out/tree\r\n");
    RecordingStatusBarHost host;
    QWidget mainWindow;
    auto* view = new CQuorrelView(&mainWindow);
    mainWindow.show();
    RecordingController controller(view, host);

    QuitMessage::Clear();
    controller.RunCommandFile("batch.qrc");
    EXPECT_TRUE(view->isHidden());
    EXPECT_TRUE(mainWindow.isMinimized());
    Texts expected = {"Please Wait....", "Starting Chart", "[BuildAncestorChart]"};
    for (const std::string& text : Decorations(true, true))
        expected.push_back(text);
    EXPECT_EQ(host.texts, expected);
    EXPECT_EQ(QuitMessage::Posted(), 0);

    // A message reported during the run makes the batch run fail.
    QuitMessage::Clear();
    controller.failWith = "Unable to open the project";
    controller.RunCommandFile("batch.qrc");
    EXPECT_EQ(QuitMessage::Posted(), 1);
    EXPECT_EQ(messages, Texts{"Unable to open the project"});

    // So does a type that names no chart: the decorations are still made.
    WriteCommandFile("batch.qrc", "HideWindows=true\r\nTYPE=Pedigree\r\n");
    messages.clear();
    host.texts.clear();
    QuitMessage::Clear();
    controller.RunCommandFile("batch.qrc");
    EXPECT_EQ(QuitMessage::Posted(), 1);
    EXPECT_EQ(messages,
        Texts{"TYPE PEDIGREE names no chart type (FANCHART, ANCESTOR, HOURGLASS or DESCENDANT): no chart is built"});
    expected = {"Please Wait....", "Starting Chart"};
    for (const std::string& text : Decorations(false, true))
        expected.push_back(text);
    EXPECT_EQ(host.texts, expected);

    MessageBox::SetSink(nullptr);
    QuitMessage::Clear();
}

// The controller's file and resize operations work on its view's chart.
TEST(QuorrelControllerTest, SavesAndResizesTheChartOfItsView)
{
    RecordingStatusBarHost host;
    CQuorrelView view;
    RecordingController controller(&view, host);
    CODModel& model = view.GetDocument().GetModel();
    model.SetSize(300, 200);

    // Nothing to resize: the canvas is left alone.
    controller.ScaleDrawing(1.25F);
    EXPECT_EQ(std::count(host.texts.begin(), host.texts.end(), "[FitCanvasToChart]"), 0);

    auto* shape = new CODRectComponent();
    shape->Create(CRect(100, 40, 140, 60));
    model.AddChild(shape);
    controller.ScaleDrawing(1.25F);
    EXPECT_EQ(shape->GetBounds(), CRect(125, 50, 175, 75));
    EXPECT_EQ(std::count(host.texts.begin(), host.texts.end(), "[FitCanvasToChart]"), 1);

    EXPECT_TRUE(controller.SaveAs("view.BMP", "BMP"));
    SECDib dib;
    ASSERT_TRUE(dib.LoadFromPath("view.BMP"));
    EXPECT_EQ(dib.GetWidth(), 300);
    EXPECT_EQ(dib.GetHeight(), 200);
    EXPECT_FALSE(CQuorrelController(nullptr).SaveQRD("none.QRD"));
}

}  // namespace
