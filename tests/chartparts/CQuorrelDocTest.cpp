#include "TinyCharts.h"

#include "chartparts/CCurveText.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/CQuorrelDoc.h"
#include "engine/CODEditProperties.h"
#include "engine/PropertyIds.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes DWordBytes(std::uint32_t value)
{
    return Bytes{static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                 static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

TEST(CQuorrelDoc, ANewChartIsAnUntouchedCanvasUntilTheModelChanges)
{
    CQuorrelDoc doc;
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetModel().GetSize(), CSize(15000, 15000));
    EXPECT_EQ(doc.GetModel().GetOrigin(), CPoint(0, 0));
    EXPECT_EQ(doc.GetModel().GetChildCount(), 0);

    quorrel_test::AddChartBox(doc.GetModel(), CRect(0, 0, 10, 10));
    EXPECT_TRUE(doc.IsModified()) << "the model's flag counts though the framework's was never set";

    doc.DeleteContents();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetModel().GetChildCount(), 0);
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.GetModel().IsModified()) << "the framework's flag only";
}

TEST(CQuorrelDoc, SavedChartsOpenWithTheSameCanvasAndChildren)
{
    CQuorrelDoc doc;
    CODSymbolComponent* box = quorrel_test::AddChartBox(doc.GetModel(), CRect(10, 20, 110, 70));
    box->SetName("Henry");
    quorrel_test::AddChartBox(doc.GetModel(), CRect(300, 20, 400, 70));
    std::string error;
    ASSERT_TRUE(doc.OnSaveDocument("chart.qrd", error)) << error;
    EXPECT_FALSE(doc.IsModified());

    CQuorrelDoc opened;
    ASSERT_TRUE(opened.OnOpenDocument("chart.qrd", error)) << error;
    EXPECT_FALSE(opened.IsModified());
    const CQuorrelModel& model = opened.GetModel();
    EXPECT_EQ(model.GetSize(), CSize(15000, 15000));
    ASSERT_EQ(model.GetChildCount(), 2);
    for (int i = 0; i < 2; ++i) {
        const CODComponent* before = doc.GetModel().GetChild(i);
        const CODComponent* after = model.GetChild(i);
        EXPECT_EQ(after->GetId(), before->GetId());
        EXPECT_EQ(after->GetName(), before->GetName());
        EXPECT_EQ(after->GetType(), before->GetType());
        EXPECT_EQ(CRect(after->GetBounds()), CRect(before->GetBounds()));
        EXPECT_EQ(after->GetProperties().size(), before->GetProperties().size());
    }
    EXPECT_EQ(model.FindById(box->GetId()), model.GetChild(0));
    EXPECT_EQ(quorrel_test::ReadFile("chart.qrd").size(), quorrel_test::SaveChart(opened).size());
}

// A chart model alone must know the program's own classes: nothing else in
// this process registers them.
TEST(CQuorrelModel, StoresTheProgramsOwnClassesWithoutADocument)
{
    CQuorrelModel model;
    auto* box = new CIndiBox();
    box->SetLines(2, std::array<std::string, 2>{"Hugh Green", "b. 1848"}.data());
    ASSERT_TRUE(model.AddChild(box));
    auto* curve = new CCurveText();
    curve->CreateCurve(0, 0, 200, 200);
    ASSERT_TRUE(model.AddChild(curve));
    const Bytes stored = quorrel_test::Store(model);
    quorrel_test::WriteFile("own-classes.qrd", std::string(stored.begin(), stored.end()));

    CQuorrelDoc opened;
    std::string error;
    ASSERT_TRUE(opened.OnOpenDocument("own-classes.qrd", error)) << error;
    ASSERT_EQ(opened.GetModel().GetChildCount(), 2);
    EXPECT_NE(dynamic_cast<CIndiBox*>(opened.GetModel().GetChild(0)), nullptr);
    EXPECT_NE(dynamic_cast<CCurveText*>(opened.GetModel().GetChild(1)), nullptr);
    EXPECT_EQ(CRect(opened.GetModel().GetChild(0)->GetBounds()), CRect(box->GetBounds()));
}

TEST(CQuorrelDoc, AChartFileStartsWithTheModelsComponentBody)
{
    CQuorrelDoc doc;
    const CQuorrelModel& model = doc.GetModel();
    const Bytes saved = quorrel_test::SaveChart(doc);
    Bytes expected = DWordBytes(1);
    const Bytes id = DWordBytes(model.GetId());
    expected.insert(expected.end(), id.begin(), id.end());
    for (const std::string* text : {&model.GetName(), &model.GetType()}) {
        expected.push_back(static_cast<std::uint8_t>(text->size()));
        expected.insert(expected.end(), text->begin(), text->end());
    }
    for (std::uint32_t edge : {0u, 0u, 15000u, 15000u}) {
        const Bytes field = DWordBytes(edge);
        expected.insert(expected.end(), field.begin(), field.end());
    }
    ASSERT_GE(saved.size(), expected.size());
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(expected.size())), expected);
}

TEST(CQuorrelDoc, AFileThatIsNoChartLeavesTheDocumentEmpty)
{
    const Bytes good = quorrel_test::TinyCharts().at("linked.qrd");
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"truncated.qrd", std::string(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 3))},
        {"text.qrd", "[CHART]\r\nTYPE=ANCESTOR\r\n"},
        {"empty.qrd", ""},
    };
    for (const auto& file : files) {
        quorrel_test::WriteFile(file.name, file.bytes);
        CQuorrelDoc doc;
        quorrel_test::AddChartBox(doc.GetModel(), CRect(0, 0, 10, 10));
        std::string error;
        EXPECT_FALSE(doc.OnOpenDocument(file.name, error)) << file.name;
        EXPECT_NE(error.find(CQuorrelDoc::kDamagedText), std::string::npos) << error;
        EXPECT_NE(error.find("reading stopped at byte"), std::string::npos) << error;
        EXPECT_EQ(doc.GetModel().GetChildCount(), 0) << file.name;
        EXPECT_EQ(doc.GetModel().GetSize(), CSize(15000, 15000)) << file.name;
        EXPECT_FALSE(doc.IsModified()) << file.name;
    }
    CQuorrelDoc doc;
    std::string error;
    EXPECT_FALSE(doc.OnOpenDocument("no-such-chart.qrd", error));
    EXPECT_NE(error.find("cannot be opened"), std::string::npos) << error;
}

TEST(CQuorrelModel, TheThreeEditSwitches)
{
    CQuorrelDoc doc;
    CQuorrelModel& model = doc.GetModel();
    EXPECT_FALSE(model.IsReadOnly());
    EXPECT_TRUE(model.IsSelectable());
    EXPECT_TRUE(model.CanChangeProperties());

    model.SetReadOnly(true);
    model.SetSelectable(false);
    model.SetCanChangeProperties(false);
    EXPECT_TRUE(model.IsReadOnly());
    EXPECT_FALSE(model.IsSelectable());
    EXPECT_FALSE(model.CanChangeProperties());
    // Each setter changes its own flag only: vertex editing, set by the reset, stays.
    const auto* edit = dynamic_cast<const CODEditProperties*>(model.GetProperty(OD_PROP_EDIT, false));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->IsVertexEditable(), 1);
    EXPECT_EQ(edit->IsMovable(), 1);
    model.SetReadOnly(false);
    EXPECT_FALSE(model.IsReadOnly());
    EXPECT_FALSE(model.IsSelectable());

    // Without an own edit property the switches read their defaults and setters change nothing.
    model.RemoveProperty(OD_PROP_EDIT);
    model.SetReadOnly(true);
    EXPECT_FALSE(model.IsReadOnly());
    EXPECT_TRUE(model.IsSelectable());
    EXPECT_TRUE(model.CanChangeProperties());
}

}  // namespace
