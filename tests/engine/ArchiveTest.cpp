#include "ArchiveBytes.h"
#include "TestDiagram.h"

#include "engine/CArchive.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODClosedCurveComponent.h"
#include "engine/CODDibPattern.h"
#include "engine/CODDWordProperty.h"
#include "engine/CODEditProperties.h"
#include "engine/CODEllipseComponent.h"
#include "engine/CODEndpoint.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODImageComponent.h"
#include "engine/CODImageEntry.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLabelComponent.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLineOrientation.h"
#include "engine/CODLineProperties.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODMetafileComponent.h"
#include "engine/CODModel.h"
#include "engine/CODOrientationProperties.h"
#include "engine/CODPolygonComponent.h"
#include "engine/CODRulerComponent.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"
#include "platform/CBitmap.h"
#include "platform/CBrush.h"
#include "platform/CDC.h"

#include "tests/engine/StoredBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

using quorrel_test::ArchiveBytes;

using quorrel_test::Load;
using quorrel_test::Store;

HBITMAP TwoColourBitmap(int width, int height)
{
    HBITMAP bitmap = CBitmap::CreateCompatibleBitmap(nullptr, width, height);
    CDC dc;
    const HBITMAP previous = dc.SelectObject(bitmap);
    dc.FillRect(RECT{0, 0, width, height}, CBrush::CreateSolidBrush(RGB(0, 0, 255)));
    dc.FillRect(RECT{0, 0, width / 2, height}, CBrush::CreateSolidBrush(RGB(255, 0, 255)));
    dc.SelectObject(previous);
    return bitmap;
}

template <class T>
T* Add(CODModel& model, T* component)
{
    model.AddChild(component);
    return component;
}

// One of every component and property class, with shared properties, a
// picture, labels, ports and links.
void BuildRichModel(CODModel& model)
{
    model.SetSize(2000, 1500);
    model.SetBackgroundColor(RGB(250, 240, 230));
    CODLineProperties sharedLine;
    sharedLine.SetColor(RGB(10, 20, 30));
    sharedLine.SetWidthInPoints(3);

    auto* rect = Add(model, new CODRectComponent());
    rect->Create(10, 10, 110, 60);
    rect->AddProperty(sharedLine);
    CODFillProperties hatch;
    hatch.SetFillStyle(CODFillProperties::kHatched);
    hatch.SetHatchStyle(4);
    hatch.SetBkMode(2);
    rect->AddProperty(hatch);
    auto* twin = Add(model, new CODRectComponent());
    twin->Create(200, 10, 300, 60);
    twin->AddProperty(sharedLine);
    twin->AddProperty(CODBoolProperty(OD_PROP_WORDBREAK, 1));
    twin->AddProperty(CODIntProperty(OD_PROP_RULER_SPACING, -250));
    twin->AddProperty(CODDWordProperty(OD_PROP_TRANSPARENT_COLOR, 0x00123456));

    const POINT triangle[] = {{400, 10}, {450, 90}, {350, 90}};
    auto* polygon = Add(model, new CODPolygonComponent());
    polygon->Create(triangle, 3);
    CODDib tile;
    CDC dc;
    tile.CreateFromBitmap(&dc, TwoColourBitmap(8, 8));
    auto pattern = std::make_shared<CODDibPattern>();
    pattern->SetImage(tile);
    CODFillProperties patterned;
    patterned.SetFillStyle(CODFillProperties::kPattern);
    patterned.SetPatternImage(pattern);
    polygon->AddProperty(patterned);
    const POINT wave[] = {{10, 200}, {40, 150}, {70, 250}, {100, 200}};
    Add(model, new CODCurveComponent())->Create(wave, 4);
    auto* closed = Add(model, new CODClosedCurveComponent());
    closed->Create(wave, 4);
    closed->Translate(0, 100);
    Add(model, new CODEllipseComponent())->Create(CRect(500, 10, 600, 80));
    Add(model, new CODRulerComponent())->Create(CRect(0, 1400, 2000, 1430));

    auto* line = Add(model, new CODLineComponent());
    const POINT path[] = {{700, 100}, {800, 100}, {800, 180}};
    line->Create(path, 3);
    line->SetSourceEndpoint(std::make_unique<CODEndpoint>());
    line->Rotate(300.0f, 750.0f, 140.0f, 100, 80);

    auto* text = Add(model, new CODTextComponent());
    text->Create(CRect(900, 100, 1100, 140), nullptr);
    text->SetText("Walker, Henry \xE9");
    CODFontProperties font;
    font.SetFaceName("Arial");
    font.SetPointSize(14);
    font.SetWeight(700);
    font.SetItalic(1);
    text->AddProperty(font);
    text->AddProperty(CODOrientationProperties(OD_PROP_ORIENTATION, 2, -4, 9));

    auto* image = Add(model, new CODImageComponent());
    image->Create(TwoColourBitmap(12, 8), 1, RGB(255, 0, 255));
    image->MoveTo(1200, 100);
    auto* metafile = Add(model, new CODMetafileComponent());
    metafile->Create(CRect(1300, 100, 1350, 150), std::vector<std::uint8_t>{1, 2, 3, 4, 5});

    CODSymbolComponent* left = test_diagram::AddBox(CRect(100, 500, 300, 600), model);
    CODSymbolComponent* right = test_diagram::AddBox(CRect(600, 500, 800, 600), model);
    CODSymbolComponent* below = test_diagram::AddBox(CRect(350, 800, 550, 900), model);
    CODCirclePort* out = test_diagram::AddPort(left, CPoint(300, 550));
    CODCirclePort* in = test_diagram::AddPort(right, CPoint(600, 550));
    auto* plainPort = new CODPortComponent();
    plainPort->Create(CPoint(450, 800));
    below->AddPort(plainPort);
    left->AddLabel("Henry Walker", 1, nullptr);
    auto* link = new CODLinkComponent();
    link->Create(out, in);
    model.AddChild(link);
    auto* label = link->AddLabel("married", 8, nullptr);
    label->AddProperty(CODLineOrientation(OD_PROP_LINE_ORIENTATION, 25, 3, 6));
    auto* bend = new CODLinkComponent();
    bend->CreateOrthogonal(out, plainPort);
    model.AddChild(bend);

    auto* background = new CODRectComponent();
    background->Create(0, 0, 2000, 1500);
    // Stretched to a canvas, as a chart's background is: the stretch must come back too.
    background->Scale(1.5f, 0.5f, 0.0f, 0.0f);
    model.SetBackground(background, true);
}

void ExpectSameComponent(const CODComponent& a, const CODComponent& b, const std::string& where);

// Properties compare by their stored form: a pattern picture is a new object after loading.
std::vector<std::uint8_t> Stored(const CODProperty& property)
{
    CArchive ar;
    ar.WriteObject(&property);
    return ar.GetStored();
}

void ExpectSameList(const std::vector<const CODComponent*>& a, const std::vector<const CODComponent*>& b,
                    const std::string& where)
{
    ASSERT_EQ(a.size(), b.size()) << where;
    for (std::size_t i = 0; i < a.size(); ++i)
        ExpectSameComponent(*a[i], *b[i], where + "/" + std::to_string(i));
}

template <class T>
std::vector<const CODComponent*> Parts(int count, T get)
{
    std::vector<const CODComponent*> parts;
    for (int i = 0; i < count; ++i)
        parts.push_back(get(i));
    return parts;
}

void ExpectSameComponent(const CODComponent& a, const CODComponent& b, const std::string& where)
{
    const std::string at = where + " " + a.GetName();
    ASSERT_EQ(typeid(a), typeid(b)) << at;
    EXPECT_EQ(a.GetId(), b.GetId()) << at;
    EXPECT_EQ(a.GetName(), b.GetName()) << at;
    EXPECT_EQ(a.GetType(), b.GetType()) << at;
    EXPECT_EQ(CRect(a.GetBounds()), CRect(b.GetBounds())) << at;
    EXPECT_EQ(a.IsVisible(), b.IsVisible()) << at;
    ASSERT_EQ(a.GetTransform() == nullptr, b.GetTransform() == nullptr) << at;
    if (const CODTransform* t = a.GetTransform()) {
        const CODTransform* u = b.GetTransform();
        EXPECT_EQ(std::vector<float>({t->m11, t->m12, t->m21, t->m22, t->dx, t->dy}),
                  std::vector<float>({u->m11, u->m12, u->m21, u->m22, u->dx, u->dy}))
            << at;
    }
    ASSERT_EQ(a.GetProperties().size(), b.GetProperties().size()) << at;
    auto other = b.GetProperties().begin();
    for (const CODPropertyPtr& property : a.GetProperties())
        EXPECT_EQ(Stored(*property), Stored(**other++)) << at << " property " << property->GetId();
    if (const auto* points = dynamic_cast<const CODPointComponent*>(&a)) {
        const auto* otherPoints = dynamic_cast<const CODPointComponent*>(&b);
        ASSERT_EQ(points->GetPointCount(), otherPoints->GetPointCount()) << at;
        for (int i = 0; i < points->GetPointCount(); ++i)
            EXPECT_EQ(points->GetPoint(i), otherPoints->GetPoint(i)) << at << " point " << i;
    }
    if (const auto* symbol = dynamic_cast<const CODSymbolComponent*>(&a)) {
        const auto* otherSymbol = dynamic_cast<const CODSymbolComponent*>(&b);
        ExpectSameComponent(*symbol->GetCentrePort(), *otherSymbol->GetCentrePort(), at + " centre");
        ExpectSameList(Parts(symbol->GetOwnPortCount(), [&](int i) { return symbol->GetPort(i); }),
                       Parts(otherSymbol->GetOwnPortCount(), [&](int i) { return otherSymbol->GetPort(i); }),
                       at + " ports");
        EXPECT_EQ(symbol->GetLabelCount(), otherSymbol->GetLabelCount()) << at;
        EXPECT_EQ(symbol->GetOwnConnections().size(), otherSymbol->GetOwnConnections().size()) << at;
    }
    ExpectSameList(Parts(a.GetChildCount(), [&](int i) { return a.GetChild(i); }),
                   Parts(b.GetChildCount(), [&](int i) { return b.GetChild(i); }), at);
}

template <class T>
const T* FirstOf(CODModel& model)
{
    for (const CODComponent* child : model.GetChildren())
        if (const auto* typed = dynamic_cast<const T*>(child))
            return typed;
    return nullptr;
}

TEST(ArchiveRoundTrip, EveryClassComesBackAndSavesToTheSameBytes)
{
    CODModel model;
    BuildRichModel(model);
    const std::vector<std::uint8_t> first = Store(model);

    CODModel loaded;
    Load(loaded, first);
    ExpectSameComponent(model, loaded, "model");
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.GetBackgroundColor(), RGB(250, 240, 230));
    ASSERT_NE(loaded.GetBackground(), nullptr);
    ExpectSameComponent(*model.GetBackground(), *loaded.GetBackground(), "background");
    // It is drawn where its stretch puts it, over the whole canvas.
    const auto* background = dynamic_cast<const CODPointComponent*>(loaded.GetBackground());
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->GetWorldPoint(2), CPoint(3000, 750));
    EXPECT_EQ(Store(loaded), first);

    // Links still join their symbols: the loaded connections are live.
    const auto* link = FirstOf<CODLinkComponent>(loaded);
    ASSERT_NE(link, nullptr);
    ASSERT_NE(link->GetSourceSymbol(), nullptr);
    EXPECT_EQ(link->GetSourceSymbol()->GetName(), "Component");
    EXPECT_EQ(link->GetTargetSymbol(), loaded.GetChild(loaded.FindChild(link->GetTargetSymbol())));
    const auto* polygon = FirstOf<CODPolygonComponent>(loaded);
    ASSERT_NE(polygon, nullptr);
    const auto* fill = dynamic_cast<const CODFillProperties*>(polygon->GetProperty(OD_PROP_FILL, false));
    ASSERT_NE(fill, nullptr);
    const auto* pattern = dynamic_cast<const CODDibPattern*>(fill->GetPatternImage().get());
    ASSERT_NE(pattern, nullptr);
    EXPECT_EQ(pattern->GetImage().GetWidth(), 8);
    const auto* image = FirstOf<CODImageComponent>(loaded);
    ASSERT_NE(image, nullptr);
    ASSERT_NE(image->GetImageEntry(), nullptr);
    EXPECT_EQ(image->GetImageEntry()->GetImage().GetWidth(), 12);
    for (const CODComponent* child : loaded.GetChildren())
        EXPECT_EQ(loaded.FindById(child->GetId()), child) << child->GetName();
}

}  // namespace
