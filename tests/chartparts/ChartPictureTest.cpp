#include "chartparts/ArrowEndpoint.h"
#include "chartparts/CCurveText.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/CSymbol.h"
#include "chartparts/Connectors.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODImageComponent.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLineProperties.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODPortComponent.h"
#include "tests/data/PictureProject.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kCream = RGB(255, 245, 200);
constexpr COLORREF kRose = RGB(250, 215, 225);
constexpr COLORREF kMaroon = RGB(128, 0, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr int kLinkMargin = 30;

struct BoxPlan {
    std::vector<std::string> lines;
    const char* picture;  // file in the test directory, or none
    const char* location;
    bool accent;
    CPoint at;
};

CIndiBox* AddBox(CODComponent& diagram, const BoxPlan& plan)
{
    auto* box = new CIndiBox();
    box->m_nWidth = 190;
    box->m_crLine = kNavy;
    box->m_crFill = kCream;
    box->m_nLineWidth = 2;
    box->m_fonts[0].SetFaceName("Arial");
    box->m_fonts[0].SetWeight(700);
    box->m_fonts[0].SetPointSize(11);
    box->m_strPictureLocation = plan.location;
    box->m_nPictureWidth = plan.picture ? 60 : 1;
    box->m_nPictureHeight = plan.picture ? 60 : 1;
    if (plan.picture) {
        box->m_pPicture = std::make_unique<CODImageComponent>();
        box->m_pPicture->Create((quorrel_test::TestDirectory() / plan.picture).string(), 0, 0);
    }
    if (plan.accent) {
        box->m_bAccent = true;
        box->m_crAccentText = kMaroon;
        box->m_crFill = kRose;
    }
    box->m_nLineCount = static_cast<int>(plan.lines.size());
    std::copy(plan.lines.begin(), plan.lines.end(), box->m_strLines.begin());
    box->Build();
    box->m_bAccent = false;
    box->MoveTo(plan.at.x, plan.at.y);
    diagram.AddChild(box);
    return box;
}

CCurveText* AddCurve(CODComponent& diagram, const CRect& rect, const std::string& text, float angle)
{
    auto* curve = new CCurveText();
    curve->Create(rect, nullptr);
    curve->SetText(text);
    CODFillProperties fill;
    fill.SetTransparent(1);
    curve->AddProperty(fill);
    CODLineProperties line;
    line.SetColor(kGrey);
    curve->AddProperty(line);
    CODFontProperties font;
    font.SetFaceName("Arial");
    font.SetPointSize(12);
    font.SetColor(kGreen);
    curve->AddProperty(font);
    if (angle != 0.0f) {
        const CPoint centre = rect.CenterPoint();
        curve->Rotate(angle, static_cast<float>(centre.x), static_cast<float>(centre.y), rect.Width(), rect.Height());
    }
    diagram.AddChild(curve);
    return curve;
}

TEST(ChartPicture, FamilyOfBoxesJoinedThroughAPointAndCurveTexts)
{
    pictures::ProjectPath();  // writes the pictures
    CODComponent diagram;
    CIndiBox* father = AddBox(diagram, {{"J\xC3\xBCrgen M\xC3\xBCller", "b. 1850 M\xC3\xBCnchen", "d. 1911"},
                                        "square.bmp", "LEFT", false, {40, 40}});
    CIndiBox* mother = AddBox(diagram, {{"Ren\xE9" "e Dupr\xE9", "b. 1852 Orl\xE9" "ans"}, nullptr, "NONE", true,
                                        {300, 40}});
    CIndiBox* child = AddBox(diagram, {{"Anna M\xC3\xBCller", "b. 1880", "d. 1950", "m. 1901"}, "wide.bmp", "RIGHT",
                                       false, {170, 220}});

    // Stretched to twice its width: the text re-wraps upright, the box gets shorter.
    CIndiBox* stretched = AddBox(diagram, {{"Maximilian Alexander von Hohenzollern-Sigmaringen", "b. 1850"}, nullptr,
                                           "NONE", false, {20, 305}});
    const int narrowHeight = stretched->GetChild(2)->GetBounds().Height();
    stretched->Scale(1.0f / 0.6f, 1.0f, 20.0f, 305.0f);

    CODLineProperties line;
    line.SetColor(kNavy);
    line.SetWidth(1);
    CSymbol* point = ConnectThroughPoint(diagram, {father->GetPort(3), mother->GetPort(3)}, ConnectDirection::Below,
                                         30, line, 0, 0);
    ASSERT_NE(point, nullptr);
    LinkPortsTo(diagram, {child->GetPort(2)}, line, point->GetPort(0));

    AddCurve(diagram, CRect(60, 400, 260, 600), "Anna M\xC3\xBCller 1880-1950", 0.0f);
    AddCurve(diagram, CRect(300, 420, 460, 580), "Ren\xE9" "e Dupr\xE9", 450.0f);
    AddCurve(diagram, CRect(480, 380, 600, 500), "Turned back", -300.0f);
    // A straight link from the child ending in an arrowhead, and an arrow symbol.
    auto* arrowLink = new CODLinkComponent();
    const POINT path[] = {{child->GetPort(1)->GetPosition().x, child->GetPort(1)->GetPosition().y}, {520, 330}};
    arrowLink->Create(path, 2, child->GetPort(1), nullptr);
    arrowLink->SetTargetEndpoint(std::make_unique<ArrowEndpoint>());
    arrowLink->GetLine()->AddProperty(line);
    diagram.AddChild(arrowLink);
    std::unique_ptr<CSymbol> arrow = MakeArrowSymbol(14, 24, kMaroon, 1, kRose);
    arrow->MoveTo(560, 60);
    diagram.AddChild(arrow.release());

    quorrel_test::DibCanvas canvas(640, 620);
    for (int i = 0; i < diagram.GetChildCount(); ++i)
        diagram.GetChild(i)->Draw(&canvas.DC());
    canvas.SaveIfAsked("chart-parts");

    // Boxes: outline in the line colour, shadow strips right of and under
    // the box, the accent fill, the pictures inside on their side.
    const CRect f = father->GetChild(2)->GetBounds();
    EXPECT_EQ(f.TopLeft(), CPoint(40, 40));
    EXPECT_GE(f.Height(), 63);
    EXPECT_GT(canvas.Count(CRect(f.left, f.top, f.right, f.top + 2), kNavy), f.Width() / 2);
    EXPECT_GT(canvas.Count(CRect(f.right + 1, f.top + 10, f.right + 4, f.bottom), kGrey), f.Height());
    EXPECT_GT(canvas.Count(CRect(f.left + 10, f.bottom + 1, f.right, f.bottom + 4), kGrey), f.Width());
    const CRect m = mother->GetChild(2)->GetBounds();
    EXPECT_GT(canvas.Count(CRect(m.right - 30, m.top + 3, m.right - 3, m.bottom - 3), kRose), 0);
    EXPECT_GT(canvas.Count(CRect(m.left + 2, m.top + 2, m.right - 2, m.bottom - 2), kMaroon), 0);
    const CRect fatherPicture = father->GetChild(father->GetChildCount() - 1)->GetBounds();
    EXPECT_EQ(fatherPicture, CRect(42, 42, 102, 102));
    const CRect childPicture = child->GetChild(child->GetChildCount() - 1)->GetBounds();
    EXPECT_EQ(childPicture.right, child->GetChild(2)->GetBounds().right - 2);

    const CRect s = stretched->GetChild(2)->GetBounds();
    EXPECT_EQ(s.left, 20);
    EXPECT_NEAR(s.Width(), 317, 1);
    EXPECT_LT(s.Height(), narrowHeight);
    EXPECT_GT(canvas.Count(CRect(s.left, s.top, s.right, s.top + 2), kNavy), s.Width() / 2);

    // The connection point lies 30 below the lower parent's bottom, half
    // way between the parents; its links run straight down from each parent.
    const CPoint joint = point->GetPort(0)->GetPosition();
    const CPoint fatherBottom = father->GetPort(3)->GetPosition();
    const CPoint motherBottom = mother->GetPort(3)->GetPosition();
    EXPECT_EQ(joint.y, std::max(fatherBottom.y, motherBottom.y) + 30);
    EXPECT_EQ(joint.x, fatherBottom.x + (motherBottom.x - fatherBottom.x) / 2);
    EXPECT_GT(canvas.Count(CRect(fatherBottom.x - 1, fatherBottom.y + 8, fatherBottom.x + 2, joint.y - 2), kNavy), 5);
    const CPoint childTop = child->GetPort(2)->GetPosition();
    EXPECT_GT(canvas.Count(CRect(childTop.x - 1, joint.y + 2, childTop.x + 2, childTop.y - 2), kNavy), 5);

    // The arrowhead is filled in the link's colour; the curve texts' green
    // characters run outside their ellipses.
    EXPECT_GT(canvas.Count(CRect(505, 315, 522, 332), kNavy), 20);
    EXPECT_GT(canvas.Count(CRect(40, 390, 280, 500), kGreen), 50);
    EXPECT_GT(canvas.Count(CRect(280, 400, 480, 600), kGreen), 20);
}

}  // namespace
