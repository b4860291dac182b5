#include "engine/CArchive.h"
#include "engine/CODCirclePort.h"
#include "engine/CODEditProperties.h"
#include "engine/CODFillProperties.h"
#include "engine/CODLineProperties.h"
#include "engine/CODRectComponent.h"
#include "engine/CODResourceModule.h"
#include "engine/CODSymbolComponent.h"
#include "engine/PropertyIds.h"
#include "engine/SymbolResources.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::uint32_t FillColour(const CODComponent& component)
{
    const auto* fill = dynamic_cast<const CODFillProperties*>(component.GetProperty(OD_PROP_FILL, false));
    return fill ? fill->GetColor() : 0xFFFFFFFFu;
}

TEST(SymbolResource, TheSquareIsReadFromItsBodyLeavingTheLastEightBytes)
{
    const std::vector<std::uint8_t> bytes = SquareSymbolResource();
    ASSERT_EQ(bytes.size(), 802u);
    CODSymbolComponent symbol;
    CArchive ar(bytes.data(), bytes.size());
    symbol.Serialize(ar);
    ar.Finish();
    EXPECT_EQ(ar.GetPosition(), 794u);

    EXPECT_EQ(symbol.GetName(), "Square");
    EXPECT_EQ(symbol.GetType(), "Symbol");
    EXPECT_EQ(CRect(symbol.GetBounds()), CRect(0, 0, 60, 60));
    EXPECT_EQ(symbol.GetLabelCount(), 0);
    EXPECT_EQ(symbol.GetOwnPortCount(), 0);
    ASSERT_EQ(symbol.GetProperties().size(), 1u);
    EXPECT_NE(dynamic_cast<const CODEditProperties*>(symbol.GetProperties().front().get()), nullptr);

    const CODCirclePort* centre = symbol.GetCentrePort();
    EXPECT_EQ(centre->GetName(), "Port");
    EXPECT_EQ(centre->GetRadius(), 3);
    EXPECT_EQ(centre->GetPoint(0), CPoint(36, 36));
    EXPECT_EQ(CRect(centre->GetBounds()), CRect(33, 33, 39, 39));
    EXPECT_EQ(centre->GetOwner(), &symbol);

    ASSERT_EQ(symbol.GetChildCount(), 2);
    const auto* frame = dynamic_cast<const CODRectComponent*>(symbol.GetChild(0));
    const auto* core = dynamic_cast<const CODRectComponent*>(symbol.GetChild(1));
    ASSERT_TRUE(frame && core);
    EXPECT_EQ(frame->GetPoint(0), CPoint(0, 0));
    EXPECT_EQ(frame->GetPoint(2), CPoint(60, 60));
    EXPECT_EQ(core->GetPoint(0), CPoint(18, 18));
    EXPECT_EQ(core->GetPoint(2), CPoint(42, 42));
    EXPECT_EQ(FillColour(*frame), 0x00000080u);
    EXPECT_EQ(FillColour(*core), 0x0000FFFFu);
    // The back references share the first child's line and edit properties.
    EXPECT_EQ(frame->GetProperty(OD_PROP_LINE, false), core->GetProperty(OD_PROP_LINE, false));
    EXPECT_EQ(frame->GetProperty(OD_PROP_EDIT, false), core->GetProperty(OD_PROP_EDIT, false));
}

TEST(SymbolResource, CreateFromTheProgramModule)
{
    CODSymbolComponent symbol;
    ASSERT_TRUE(symbol.Create(kSquareSymbolId));
    EXPECT_EQ(symbol.GetName(), "Square");
    EXPECT_EQ(symbol.GetChildCount(), 2);
}

// A module whose loader fails at one chosen step.
class FailingModule : public CODResourceModule {
public:
    explicit FailingModule(int nFailingStep) : m_nFailingStep(nFailingStep)
    {
        Add(kSymbolResourceType, kSquareSymbolId, SquareSymbolResource());
    }
    Handle FindResource(std::uint32_t nId, const std::string& strType) const override
    {
        return m_nFailingStep == 0 ? nullptr : CODResourceModule::FindResource(nId, strType);
    }
    std::size_t SizeofResource(Handle hResource) const override
    {
        return m_nFailingStep == 1 ? 0 : CODResourceModule::SizeofResource(hResource);
    }
    Handle LoadResource(Handle hResource) const override
    {
        return m_nFailingStep == 2 ? nullptr : CODResourceModule::LoadResource(hResource);
    }
    const std::uint8_t* LockResource(Handle hLoaded) const override
    {
        return m_nFailingStep == 3 ? nullptr : CODResourceModule::LockResource(hLoaded);
    }

private:
    int m_nFailingStep;
};

TEST(SymbolResource, EachFailingLoaderStepIsReportedByName)
{
    const char* const expected[] = {"FindResource()", "SizeofResource()", "LoadResource()", "LockResource()"};
    for (int step = 0; step < 4; ++step) {
        std::vector<std::string> shown;
        MessageBox::SetSink([&](const std::string& text) { shown.push_back(text); });
        CODSymbolComponent symbol;
        EXPECT_FALSE(symbol.Create(kSquareSymbolId, FailingModule(step)));
        MessageBox::SetSink(nullptr);
        EXPECT_EQ(shown, std::vector<std::string>{expected[step]});
    }
    std::vector<std::string> shown;
    MessageBox::SetSink([&](const std::string& text) { shown.push_back(text); });
    CODSymbolComponent missing;
    EXPECT_FALSE(missing.Create(9999));
    MessageBox::SetSink(nullptr);
    EXPECT_EQ(shown, std::vector<std::string>{"FindResource()"});
}

}  // namespace
