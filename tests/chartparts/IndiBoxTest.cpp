#include "chartparts/CIndiBox.h"
#include "chartparts/DefaultPropertySource.h"
#include "data/ProjectDatabase.h"
#include "engine/CODCirclePort.h"
#include "engine/CODEditProperties.h"
#include "engine/CODFillProperties.h"
#include "engine/CODImageComponent.h"
#include "engine/CODLineProperties.h"
#include "engine/CODRectComponent.h"
#include "engine/CODTextComponent.h"
#include "platform/CommandFile.h"
#include "tests/data/PictureProject.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

const CODComponent* ChildNamed(const CIndiBox& box, const std::string& name)
{
    for (int i = 0; i < box.GetChildCount(); ++i)
        if (box.GetChild(i)->GetName() == name)
            return box.GetChild(i);
    return nullptr;
}

std::vector<const CODTextComponent*> TextLines(const CIndiBox& box)
{
    std::vector<const CODTextComponent*> lines;
    for (int i = 0; i < box.GetChildCount(); ++i)
        if (const auto* text = dynamic_cast<const CODTextComponent*>(box.GetChild(i)))
            lines.push_back(text);
    return lines;
}

const CODImageComponent* Picture(const CIndiBox& box)
{
    for (int i = 0; i < box.GetChildCount(); ++i)
        if (const auto* image = dynamic_cast<const CODImageComponent*>(box.GetChild(i)))
            return image;
    return nullptr;
}

template <typename Property>
const Property& Own(const CODComponent& component, int id)
{
    const auto* property = dynamic_cast<const Property*>(component.GetProperty(id, false));
    EXPECT_NE(property, nullptr);
    static const Property none;
    return property ? *property : none;
}

CRect MainRect(const CIndiBox& box)
{
    const CODComponent* main = ChildNamed(box, CIndiBox::kMainBoxName);
    return main ? main->GetBounds() : CRect();
}

// Box settings from a command file, and a person of the picture project.
class IndiBoxTest : public ::testing::Test {
protected:
    std::unique_ptr<CIndiBox> BoxFor(const std::string& boxLines, int person)
    {
        const CommandFile file(pictures::CommandFileWith("[Box]\n" + boxLines));
        m_db.LoadOptions(file);
        EXPECT_TRUE(m_db.Open());
        auto box = std::make_unique<CIndiBox>(file);
        box->SetPerson(person, m_db, "S", 0);
        return box;
    }

    ProjectDatabase m_db{pictures::ProjectPath()};
};

TEST_F(IndiBoxTest, SectionWithOnlyWidthTakesEveryFallback)
{
    const auto box = BoxFor("Width=200\n", pictures::Wide);
    const COLORREF missing = RGB(200, 200, 255);
    EXPECT_EQ(box->m_nWidth, 200);
    EXPECT_FALSE(box->m_bShadow);
    EXPECT_EQ(ChildNamed(*box, CIndiBox::kVShadowName), nullptr);
    EXPECT_EQ(box->m_crLine, missing);
    EXPECT_EQ(box->m_crFill, missing);
    for (const CODFontProperties* font : {&box->m_fonts[0], &box->m_fonts[1]}) {
        EXPECT_EQ(font->GetColor(), missing);
        EXPECT_EQ(font->GetFaceName(), "");
        EXPECT_EQ(font->GetPointSize(), 10);
    }
    const CODComponent& main = *ChildNamed(*box, CIndiBox::kMainBoxName);
    EXPECT_EQ(Own<CODLineProperties>(main, OD_PROP_LINE).GetColor(), missing);
    EXPECT_EQ(Own<CODFillProperties>(main, OD_PROP_FILL).GetColor(), missing);
    EXPECT_EQ(MainRect(*box).Width(), 200);
    // The empty location is not "NONE": the picture was asked for, scaled
    // into the reserved 1 x 1 and put on the right.
    const CODImageComponent* picture = Picture(*box);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetBounds().Width(), 1);
    const std::vector<const CODTextComponent*> lines = TextLines(*box);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0]->GetBounds().Width(), 196);
    EXPECT_EQ(lines[0]->GetBounds().left, 1);
}

TEST_F(IndiBoxTest, PictureSideAndSizeFromTheSettings)
{
    struct Case {
        const char* settings;
        int person;
        bool expectPicture;
        int left;  // of the picture
        int width;
        int height;
    };
    const Case cases[] = {
        {"Width=200\nPictureLocation=left\nPictureWidth=100\nPictureHeight=100\n", pictures::Wide, true, 2, 100, 67},
        {"Width=200\nPictureLocation=Right\nPictureWidth=100\nPictureHeight=100\n", pictures::Wide, true, 98, 100, 67},
        {"Width=200\nPictureLocation=anywhere\nPictureWidth=100\nPictureHeight=100\n", pictures::Small, true, 98, 50,
         50},
        {"Width=200\nPictureLocation=none\nPictureWidth=100\nPictureHeight=100\n", pictures::Wide, false, 0, 0, 0},
        {"Width=200\nPictureLocation=LEFT\nHeight=60\n", pictures::Square, true, 2, 60, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        const auto box = BoxFor(c.settings, c.person);
        const CODImageComponent* picture = Picture(*box);
        ASSERT_EQ(picture != nullptr, c.expectPicture);
        if (!picture)
            continue;
        const CRect p = picture->GetBounds();
        EXPECT_EQ(p.left, c.left);
        EXPECT_EQ(p.top, 2);
        EXPECT_EQ(p.Width(), c.width);
        EXPECT_EQ(p.Height(), c.height);
        // The text stays clear of the picture, and a picture sets the least height.
        const CODTextComponent* first = TextLines(*box).at(0);
        if (box->m_strPictureLocation == "LEFT") {
            EXPECT_EQ(first->GetBounds().left, c.width + 1);
        }
        EXPECT_EQ(first->GetBounds().Width(), 200 - c.width - 3);
        EXPECT_GE(MainRect(*box).Height(), c.height + 3);
    }
}

TEST_F(IndiBoxTest, ReservedPictureHeightDefaultsToTheBoxHeight)
{
    const auto box = BoxFor("Width=50\nPictureLocation=LEFT\nHeight=60\n", pictures::Square);
    // The reserved 60 x 60 is wider than the box, which grows to it.
    EXPECT_EQ(box->m_nWidth, 60);
    EXPECT_EQ(MainRect(*box).Height(), 63);
}

TEST_F(IndiBoxTest, FontAttributesSizesAndCopies)
{
    struct Case {
        const char* attribute;
        int weight;
        int italic;
    };
    const Case cases[] = {{"bold italic", 700, 1}, {"italic bold", 400, 1}, {"BOLD", 700, 0},
                          {"boldface", 700, 0},   {"", 400, 0},           {"Italic", 400, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attribute);
        const CommandFile file(pictures::CommandFileWith(std::string("[Box]\nNameFont=Arial\nNameFontSize=1\n"
                                                                     "NameFontAttribute=") +
                                                         c.attribute + "\nDetailFont=Courier New\nDetailFontSize=14\n"
                                                         "DetailFontAttribute=" + c.attribute +
                                                         "\nDetailFontColor=1 2 3\n"));
        const CIndiBox box(file);
        EXPECT_EQ(box.m_fonts[0].GetFaceName(), "Arial");
        EXPECT_EQ(box.m_fonts[0].GetPointSize(), 10);  // below 2 is ignored
        EXPECT_EQ(box.m_fonts[0].GetWeight(), c.weight);
        EXPECT_EQ(box.m_fonts[0].GetItalic(), c.italic);
        EXPECT_EQ(box.m_crAccentText, RGB(1, 2, 3));
        for (std::size_t k = 1; k < CIndiBox::kMaxLines; ++k) {
            EXPECT_EQ(box.m_fonts[k].GetFaceName(), "Courier New");
            EXPECT_EQ(box.m_fonts[k].GetPointSize(), 14);
            EXPECT_EQ(box.m_fonts[k].GetWeight(), c.weight);
            EXPECT_EQ(box.m_fonts[k].GetColor(), RGB(1, 2, 3));
        }
    }
}

TEST_F(IndiBoxTest, AccentColoursOfThePersonColourTheBuild)
{
    const CommandFile file(pictures::CommandFileWith("UseAccentColors=TRUE\nAcTextD=200 0 0\nAcFillD=250 215 225\n"
                                                     "AcShadD=90 90 90\nAcLineD=0 0 128\n[Box]\nWidth=180\n"
                                                     "Shadow=TRUE\nPictureLocation=NONE\n"));
    m_db.LoadOptions(file);
    ASSERT_TRUE(m_db.Open());
    CIndiBox box(file);
    box.SetPerson(pictures::Small, m_db, "S", 0);
    EXPECT_FALSE(box.m_bAccent);  // only for the build
    EXPECT_EQ(Picture(box), nullptr);  // "NONE" asks for no picture
    const CODComponent& main = *ChildNamed(box, CIndiBox::kMainBoxName);
    EXPECT_EQ(Own<CODFillProperties>(main, OD_PROP_FILL).GetColor(), RGB(250, 215, 225));
    EXPECT_EQ(Own<CODLineProperties>(main, OD_PROP_LINE).GetColor(), RGB(0, 0, 128));
    EXPECT_EQ(Own<CODFillProperties>(*ChildNamed(box, CIndiBox::kVShadowName), OD_PROP_FILL).GetColor(),
              RGB(90, 90, 90));
    const std::vector<const CODTextComponent*> lines = TextLines(box);
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines[0]->GetText().find("Small"), std::string::npos);
    for (const CODTextComponent* line : lines)
        EXPECT_EQ(Own<CODFontProperties>(*line, OD_PROP_FONT).GetColor(), RGB(200, 0, 0));
}

TEST_F(IndiBoxTest, DetailListsBeyondTenLinesAreCutAndUnknownPersonsNamed)
{
    std::string details;
    for (int i = 1; i <= 11; ++i)
        details += "LD" + std::to_string(i) + "=Detail " + std::to_string(i) + "\n";
    const CommandFile file(pictures::CommandFileWith(details + "UnknownPhrase=Nobody known\n[Box]\nWidth=150\n"
                                                                "PictureLocation=NONE\n"));
    m_db.LoadOptions(file);
    ASSERT_TRUE(m_db.Open());

    CIndiBox many(file);
    many.SetPerson(pictures::Small, m_db, "D", 0);
    // The name and eleven lines are offered; the box keeps its ten.
    const std::vector<const CODTextComponent*> lines = TextLines(many);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(many.m_nLineCount, 10);
    EXPECT_EQ(lines[9]->GetText(), "Detail 9");

    CIndiBox unknown(file);
    unknown.SetPerson(-1, m_db, "S", 0);
    ASSERT_EQ(TextLines(unknown).size(), 1u);
    EXPECT_EQ(TextLines(unknown)[0]->GetText(), "Nobody known");
}

TEST(IndiBoxLines, ElevenLinesGiveTenNamedRightAligned)
{
    std::array<std::string, 11> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = "Line " + std::to_string(i + 1);
    texts[2] = "Seven c";
    CIndiBox box;
    box.SetLines(static_cast<int>(texts.size()), texts.data());
    const std::vector<const CODTextComponent*> lines = TextLines(box);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(box.m_nLineCount, 10);
    EXPECT_EQ(lines[2]->GetName(), "[3]" + std::string(13, ' ') + "Seven c");
    EXPECT_EQ(lines[9]->GetText(), "Line 10");
    // Longer texts are not cut.
    const std::string longText(25, 'x');
    CIndiBox other;
    other.SetLines(1, &longText);
    EXPECT_EQ(TextLines(other)[0]->GetName(), "[1]" + longText);
    EXPECT_EQ(box.GetName(), "Individual Box");
}

TEST(IndiBoxLines, NoLinesGiveABoxAsHighAsThePicture)
{
    CIndiBox box;
    box.m_bShadow = false;
    box.SetLines(0, nullptr);
    EXPECT_TRUE(TextLines(box).empty());
    EXPECT_EQ(MainRect(box).Height(), 0);
}

TEST(IndiBoxLayout, ChildrenShadowAndPortsOfABuiltBox)
{
    CIndiBox box;
    box.m_nWidth = 100;
    const std::array<std::string, 2> texts = {"Anne Smith", "b. 1850"};
    box.SetLines(2, texts.data());
    ASSERT_GE(box.GetChildCount(), 5);
    EXPECT_EQ(box.GetChild(0)->GetName(), "VShadow");
    EXPECT_EQ(box.GetChild(1)->GetName(), "HShadow");
    EXPECT_EQ(box.GetChild(2)->GetName(), "MainBox");
    const CRect main = MainRect(box);
    const std::vector<const CODTextComponent*> lines = TextLines(box);
    ASSERT_EQ(lines.size(), 2u);
    const int h = lines[0]->GetBounds().Height() + lines[1]->GetBounds().Height();
    EXPECT_EQ(main, CRect(0, 0, 100, h));
    EXPECT_EQ(lines[1]->GetBounds().top, lines[0]->GetBounds().bottom);
    EXPECT_EQ(ChildNamed(box, "VShadow")->GetBounds(), CRect(99, 5, 105, h));
    EXPECT_EQ(ChildNamed(box, "HShadow")->GetBounds(), CRect(5, h, 105, h + 5));

    ASSERT_EQ(box.GetOwnPortCount(), CIndiBox::kPortCount);
    const int w = 100;
    const std::array<CPoint, CIndiBox::kPortCount> expected = {{
        {0, h / 2}, {w, h / 2}, {w / 2, 0}, {w / 2, h}, {0, h / 4}, {0, 3 * h / 4},
        {w, h / 4}, {w, 3 * h / 4}, {w / 4, 0}, {3 * w / 4, 0}, {w / 4, h}, {3 * w / 4, h},
    }};
    for (int i = 0; i < CIndiBox::kPortCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(box.GetPort(i)->GetPosition(), expected[static_cast<std::size_t>(i)]);
        EXPECT_FALSE(box.GetPort(i)->IsVisible());
    }
    EXPECT_EQ(box.TextLineAt(10, lines[1]->GetBounds().top + 1), lines[1]);
    EXPECT_EQ(box.TextLineAt(500, 500), nullptr);
}

TEST(IndiBoxLayout, ConfigureTakesDefaultsUnderTheBoxsOwnProperties)
{
    class Defaults : public DefaultPropertySource {
    public:
        Defaults()
        {
            m_edit.SetReadOnly(1);
            m_line.SetColor(RGB(0, 255, 0));
        }
        std::vector<const CODProperty*> GetDefaultProperties() const override { return {&m_edit, &m_line}; }

    private:
        CODEditProperties m_edit;
        CODLineProperties m_line;
    };
    const Defaults defaults;
    CIndiBox box;
    box.Configure(&defaults, 170, 0, 5, 0, 1, true, 0xFFFFFF, true, 0x808080);
    EXPECT_EQ(box.m_pDefaultsSource, nullptr);  // only for the build
    EXPECT_EQ(TextLines(box).size(), 5u);
    const CODComponent& main = *ChildNamed(box, CIndiBox::kMainBoxName);
    EXPECT_EQ(Own<CODEditProperties>(main, OD_PROP_EDIT).IsReadOnly(), 1);
    EXPECT_EQ(Own<CODLineProperties>(main, OD_PROP_LINE).GetColor(), 0u);  // the box's own colour wins
    EXPECT_EQ(Own<CODFillProperties>(*ChildNamed(box, CIndiBox::kHShadowName), OD_PROP_FILL).GetColor(), 0x808080u);
    // The text lines cannot be moved out of the box.
    EXPECT_EQ(Own<CODEditProperties>(*TextLines(box)[0], OD_PROP_EDIT).IsMovable(), 0);
}

TEST(IndiBoxLayout, LineWidthsBecomeScreenPenWidths)
{
    struct Case {
        int setting;
        int pen;
    };
    for (const Case c : {Case{1, 0}, Case{2, 1}, Case{4, 3}}) {
        SCOPED_TRACE(c.setting);
        CIndiBox box;
        box.Configure(nullptr, 170, 0, 1, 0, c.setting, true, 0xFFFFFF, false, 0x80);
        EXPECT_EQ(Own<CODLineProperties>(*ChildNamed(box, "MainBox"), OD_PROP_LINE).GetWidth(), c.pen);
    }
}

TEST(IndiBoxLayout, NotOpaqueDrawsNeitherOutlineNorFill)
{
    CIndiBox box;
    box.m_bOpaque = false;
    box.SetLines(1, std::array<std::string, 1>{"x"}.data());
    for (const char* name : {"MainBox", "VShadow", "HShadow"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Own<CODLineProperties>(*ChildNamed(box, name), OD_PROP_LINE).GetTransparent());
        EXPECT_TRUE(Own<CODFillProperties>(*ChildNamed(box, name), OD_PROP_FILL).GetTransparent());
    }
}

TEST(IndiBoxLayout, AccentColoursRecolourEveryLine)
{
    CIndiBox box;
    box.m_bAccent = true;
    box.m_crAccentText = RGB(200, 0, 0);
    const std::array<std::string, 3> texts = {"a", "b", "c"};
    box.SetLines(3, texts.data());
    for (const CODTextComponent* line : TextLines(box))
        EXPECT_EQ(Own<CODFontProperties>(*line, OD_PROP_FONT).GetColor(), RGB(200, 0, 0));
    EXPECT_EQ(box.m_fonts[0].GetColor(), 0u);  // the box's own fonts stay
}

TEST(IndiBoxScaling, StretchingRewrapsAndUniformScalingRefits)
{
    const std::string text = "Elisabeth Margaretha Catharina von Hohenzollern-Sigmaringen";
    CIndiBox box;
    box.m_nWidth = 120;
    box.SetLines(1, &text);
    const CRect before = MainRect(box);
    const int portX = box.GetPort(1)->GetPosition().x;

    box.Scale(2.0f, 1.5f, 0.0f, 0.0f);
    const CRect wide = MainRect(box);
    EXPECT_EQ(wide.left, 0);
    EXPECT_EQ(wide.Width(), 240);
    EXPECT_LT(wide.Height(), before.Height());  // fewer wrapped lines
    const CODTextComponent* line = TextLines(box)[0];
    EXPECT_EQ(line->GetBounds().Width(), 240 - 3);
    EXPECT_EQ(line->GetBounds().Height(), wide.Height());
    EXPECT_EQ(box.GetPort(1)->GetPosition(), CPoint(2 * portX, wide.Height() / 2));
    EXPECT_EQ(box.GetPort(3)->GetPosition().y, wide.Height());
    EXPECT_EQ(ChildNamed(box, "HShadow")->GetBounds().top, wide.Height());

    box.Scale(0.5f, 0.5f, 0.0f, 0.0f);
    const CRect back = MainRect(box);
    EXPECT_EQ(back.Width(), 120);
    EXPECT_EQ(back.Height(), before.Height());  // the height follows the text again
}

TEST(IndiBoxScaling, MovedBoxKeepsItsLayout)
{
    CIndiBox box;
    box.SetLines(2, std::array<std::string, 2>{"One", "Two"}.data());
    const CRect before = MainRect(box);
    box.Translate(300, 40);
    box.Relayout();
    EXPECT_EQ(MainRect(box), CRect(300, 40, 300 + before.Width(), 40 + before.Height()));
    EXPECT_EQ(TextLines(box)[0]->GetBounds().left, 301);
    EXPECT_EQ(box.GetPort(3)->GetPosition().y, 40 + before.Height());
}

}  // namespace
