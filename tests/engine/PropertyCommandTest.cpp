#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODLineProperties.h"
#include "engine/CODModel.h"
#include "engine/CODPropertyCommand.h"
#include "engine/CODRectComponent.h"
#include "engine/CODTextCommand.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"
#include "tests/engine/TestDiagram.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Components = std::vector<CODComponent*>;

// What a component holds itself: the ids in list order and each value.
std::vector<std::unique_ptr<CODProperty>> OwnProperties(const CODComponent& component)
{
    std::vector<std::unique_ptr<CODProperty>> own;
    for (const CODPropertyPtr& property : component.GetProperties())
        own.push_back(property->Clone());
    return own;
}

void ExpectSameProperties(const CODComponent& component, const std::vector<std::unique_ptr<CODProperty>>& expected,
                          const std::string& what)
{
    const auto& own = component.GetProperties();
    ASSERT_EQ(own.size(), expected.size()) << what;
    auto it = own.begin();
    for (const auto& property : expected) {
        EXPECT_TRUE((*it)->Equals(*property)) << what << " id " << property->GetId();
        ++it;
    }
}

// A rectangle and a text with their own line, fill and font where they have
// them, and a symbol that has none and inherits from the model.
class PropertyCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_model.SetSize(2000, 2000);
        m_rect = new CODRectComponent();
        m_rect->Create(10, 10, 110, 60);
        m_model.AddChild(m_rect);
        m_text = new CODTextComponent();
        m_text->Create(CRect(200, 10, 300, 40), nullptr);
        m_model.AddChild(m_text);
        m_symbol = test_diagram::AddBox(CRect(400, 10, 480, 70), m_model);
    }

    Components All() const { return {m_rect, m_text, m_symbol}; }

    CODModel m_model;
    CODRectComponent* m_rect = nullptr;
    CODTextComponent* m_text = nullptr;
    CODComponent* m_symbol = nullptr;
};

TEST_F(PropertyCommandTest, SetsOwnPropertiesAndUndoesToExactlyWhatWasThere)
{
    CODLineProperties line;
    line.SetColor(0x000000FF);
    line.SetWidthInPoints(4);
    line.SetStyle(2);
    CODFillProperties fill;
    fill.SetFillStyle(CODFillProperties::kHatched);
    fill.SetHatchStyle(4);
    fill.SetColor(0x0000FF00);
    CODFontProperties font;
    font.SetFaceName("Arial");
    font.SetPointSize(14);
    font.SetWeight(700);
    font.SetUnderline(1);
    const struct {
        const char* name;
        std::vector<const CODProperty*> properties;
    } cases[] = {
        {"line", {&line}},
        {"fill", {&fill}},
        {"font", {&font}},
        {"all three at once", {&line, &fill, &font}},
    };
    for (const auto& c : cases) {
        std::vector<std::vector<std::unique_ptr<CODProperty>>> before;
        for (const CODComponent* component : All())
            before.push_back(OwnProperties(*component));
        auto command = std::make_unique<CODPropertyCommand>(&m_model);
        for (CODComponent* component : All())
            for (const CODProperty* property : c.properties)
                command->Add(component, *property);
        EXPECT_EQ(command->GetDescription(), "Property Command: 3 components") << c.name;

        const auto checkSet = [&](const char* step) {
            for (const CODComponent* component : All())
                for (const CODProperty* property : c.properties) {
                    const CODProperty* own = component->GetProperty(property->GetId(), false);
                    ASSERT_NE(own, nullptr) << c.name << " " << step << " " << component->GetType();
                    EXPECT_TRUE(own->Equals(*property)) << c.name << " " << step << " " << component->GetType();
                }
        };
        ASSERT_TRUE(m_model.GetHistory().Do(std::move(command))) << c.name;
        checkSet("execute");
        ASSERT_TRUE(m_model.GetHistory().Undo());
        // The symbol had none of them: it inherits again; the others get their old values back in place.
        for (std::size_t i = 0; i < All().size(); ++i)
            ExpectSameProperties(*All()[i], before[i], std::string(c.name) + " undo " + All()[i]->GetType());
        for (const CODProperty* property : c.properties)
            EXPECT_EQ(m_symbol->GetProperty(property->GetId(), false), nullptr) << c.name;
        ASSERT_TRUE(m_model.GetHistory().Redo());
        checkSet("redo");
        ASSERT_TRUE(m_model.GetHistory().Undo());
    }
}

TEST_F(PropertyCommandTest, ChangingOneComponentLeavesSharersAlone)
{
    // Both rectangles share one line instance; the command gives only one a new one.
    auto* other = new CODRectComponent();
    other->Create(10, 100, 110, 160);
    m_model.AddChild(other);
    ASSERT_NE(m_rect->GetProperty(OD_PROP_LINE, false), nullptr);
    ASSERT_EQ(other->GetProperty(OD_PROP_LINE, false), m_rect->GetProperty(OD_PROP_LINE, false));
    CODLineProperties line;
    line.SetTransparent(1);
    auto command = std::make_unique<CODPropertyCommand>(&m_model);
    command->Add(m_rect, line);
    ASSERT_TRUE(m_model.GetHistory().Do(std::move(command)));
    EXPECT_EQ(static_cast<const CODLineProperties*>(m_rect->GetProperty(OD_PROP_LINE))->GetTransparent(), 1);
    EXPECT_EQ(static_cast<const CODLineProperties*>(other->GetProperty(OD_PROP_LINE))->GetTransparent(), 0);
}

// A longer text or a larger font grows the text's box so nothing is cut off;
// undo gives back the old box exactly, though growing never shrinks it.
TEST_F(PropertyCommandTest, TextsGrowToTheirChangeAndUndoToTheirOldBox)
{
    m_text->SetText("Smith");
    m_text->SizeToText(CODTextComponent::kSizeGrow, nullptr);
    const CRect original = m_text->GetBounds();
    const std::function<std::unique_ptr<CODCommand>()> changes[] = {
        [this] { return std::make_unique<CODTextCommand>(&m_model, m_text, "Smith of Saint-Jean-sur-Richelieu"); },
        [this] {
            auto larger = std::make_unique<CODPropertyCommand>(&m_model);
            CODFontProperties font = *dynamic_cast<const CODFontProperties*>(m_text->GetProperty(OD_PROP_FONT));
            font.SetPointSize(font.GetPointSize() * 3);
            larger->Add(m_text, font);
            return larger;
        },
    };
    for (const auto& make : changes) {
        const std::unique_ptr<CODCommand> command = make();
        SCOPED_TRACE(command->GetDescription());
        ASSERT_TRUE(command->Execute());
        const CRect grown = m_text->GetBounds();
        EXPECT_EQ(grown.TopLeft(), original.TopLeft());
        EXPECT_GT(grown.Width(), original.Width());
        ASSERT_TRUE(command->Unexecute());
        EXPECT_EQ(m_text->GetBounds(), original);
        ASSERT_TRUE(command->Execute());
        EXPECT_EQ(m_text->GetBounds(), grown);
        ASSERT_TRUE(command->Unexecute());
    }
}

TEST_F(PropertyCommandTest, NothingToSetFailsAndChangesNothing)
{
    CODPropertyCommand command(&m_model);
    EXPECT_TRUE(command.IsEmpty());
    EXPECT_FALSE(command.Execute());
    EXPECT_FALSE(m_model.GetHistory().CanUndo());
}

}  // namespace
