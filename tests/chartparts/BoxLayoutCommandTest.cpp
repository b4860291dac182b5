#include "chartparts/CBoxLayoutCommand.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/ToolComponents.h"
#include "engine/CODFontProperties.h"
#include "engine/CODModel.h"
#include "engine/CODPropertyCommand.h"
#include "engine/CODRectComponent.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"

#include <gtest/gtest.h>

namespace {

CODTextComponent* FirstLine(const CIndiBox& box)
{
    for (int i = 0; i < box.GetChildCount(); ++i)
        if (auto* text = dynamic_cast<CODTextComponent*>(box.GetChild(i)))
            return text;
    return nullptr;
}

// Only changes inside a box are wrapped; a larger font on every line makes
// the box taller, and undoing it gives the box back its size.
TEST(BoxLayoutCommand, WrapsChangesInsideBoxesAndLaysThemOutBothWays)
{
    CODModel model;
    CIndiBox* box = MakeInsertedBox(false, nullptr).release();
    model.AddChild(box);
    auto* rect = new CODRectComponent();
    rect->Create(0, 0, 10, 10);
    model.AddChild(rect);

    auto onRect = std::make_unique<CODPropertyCommand>(&model);
    onRect->Add(rect, CODFontProperties());
    const CODCommand* plain = onRect.get();
    EXPECT_EQ(CBoxLayoutCommand::Around(std::move(onRect)).get(), plain);

    const CRect original = box->GetBounds();
    auto bigger = std::make_unique<CODPropertyCommand>(&model);
    for (int i = 0; i < box->GetChildCount(); ++i) {
        if (const auto* font = dynamic_cast<const CODFontProperties*>(box->GetChild(i)->GetProperty(OD_PROP_FONT, false))) {
            CODFontProperties large = *font;
            large.SetPointSize(font->GetPointSize() * 2);
            bigger->Add(box->GetChild(i), large);
        }
    }
    ASSERT_NE(FirstLine(*box), nullptr);
    const std::unique_ptr<CODCommand> command = CBoxLayoutCommand::Around(std::move(bigger));
    EXPECT_EQ(command->GetComponents(), std::vector<CODComponent*>{box});
    EXPECT_EQ(command->GetDescription().rfind("Property Command", 0), 0U);
    ASSERT_TRUE(command->Execute());
    EXPECT_GT(box->GetBounds().Height(), original.Height());
    EXPECT_LE(FirstLine(*box)->GetBounds().bottom, box->GetBounds().bottom);
    ASSERT_TRUE(command->Unexecute());
    EXPECT_EQ(box->GetBounds(), original);
}

}  // namespace
