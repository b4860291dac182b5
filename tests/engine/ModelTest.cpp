#include "ArchiveBytes.h"
#include "HintRecorder.h"
#include "TestDiagram.h"

#include "engine/CArchive.h"
#include "engine/CODEditProperties.h"
#include "engine/CODModel.h"
#include "engine/CODModelObserver.h"
#include "engine/CODPageSettings.h"
#include "engine/PropertyIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

using quorrel_test::ArchiveBytes;
using quorrel_test::HintRecorder;

TEST(Model, ResetGivesAnEmptyWhiteCanvasWithTheEditDefaults)
{
    CODModel model;
    test_diagram::AddBox(CRect(10, 10, 50, 50), model);
    auto* background = new CODRectComponent();
    background->Create(0, 0, 5, 5);
    model.SetBackground(background, true);
    model.SetBackgroundColor(RGB(1, 2, 3));
    model.SetSize(300, 200);
    HintRecorder views;
    model.AddObserver(&views);
    model.Reset();
    EXPECT_EQ(model.GetChildCount(), 0);
    EXPECT_EQ(model.GetBackground(), nullptr);
    EXPECT_EQ(model.GetBackgroundColor(), 0x00FFFFFFu);
    EXPECT_EQ(CRect(model.GetBounds()), CRect(0, 0, 1000, 1000));
    const auto* edit = dynamic_cast<const CODEditProperties*>(model.GetProperty(OD_PROP_EDIT, false));
    const auto* labels = dynamic_cast<const CODEditProperties*>(model.GetProperty(OD_PROP_MODEL_EDIT, false));
    ASSERT_TRUE(edit && labels);
    EXPECT_EQ(edit->IsVertexEditable(), 1);
    EXPECT_EQ(labels->IsSelectable(), 1);
    EXPECT_EQ(views.hints, std::vector<int>{CODModelObserver::kHintReset});
}

TEST(Model, CanvasAndBackgroundChangesTellTheViewsAndMarkTheModel)
{
    CODModel model;
    HintRecorder views;
    model.AddObserver(&views);
    model.SetModified(false);
    EXPECT_EQ(model.SetSize(400, 300), CSize(1000, 1000));
    EXPECT_TRUE(model.IsModified());
    EXPECT_EQ(model.SetOrigin(-50, 20), CPoint(0, 0));
    EXPECT_EQ(CRect(model.GetBounds()), CRect(-50, 20, 350, 320));
    EXPECT_EQ(model.SetSize(100, 100), CSize(400, 300));
    EXPECT_EQ(model.GetOrigin(), CPoint(-50, 20));
    model.SetBackgroundColor(RGB(9, 9, 9));
    EXPECT_EQ(views.hints, (std::vector<int>{3, 3, 3, 0}));

    // A held background keeps a reference until it is replaced.
    auto* held = new CODRectComponent();
    held->Create(0, 0, 5, 5);
    held->AddRef();
    model.SetBackground(held, true);
    EXPECT_EQ(held->GetRefCount(), 2);
    model.SetBackground(nullptr, false);
    EXPECT_EQ(held->GetRefCount(), 1);
    model.SetBackground(held, false);
    EXPECT_EQ(held->GetRefCount(), 1);
    model.SetBackground(nullptr, false);
    held->Release();
    model.RemoveObserver(&views);
    model.SetBackgroundColor(RGB(1, 1, 1));
    EXPECT_EQ(views.hints.size(), 8u) << "four background changes told, none after leaving";
}

TEST(Model, SpatialQueriesAnswerExactlyWhatAScanFinds)
{
    CODModel model;
    model.SetSize(3000, 3000);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> place(-200, 3100);
    std::uniform_int_distribution<int> extent(1, 400);
    for (int i = 0; i < 300; ++i) {
        const int x = place(random);
        const int y = place(random);
        test_diagram::AddBox(CRect(x, y, x + extent(random), y + extent(random)), model);
    }
    // Moving and removing keep the index current.
    model.GetChild(3)->Translate(900, 900);
    model.RemoveChild(10);
    for (int probe = 0; probe < 200; ++probe) {
        const CPoint point(place(random), place(random));
        std::vector<CODComponent*> scanned;
        for (CODComponent* child : model.GetChildren())
            if (child->GetBoundsRegion().Contains(point, 2))
                scanned.push_back(child);
        EXPECT_EQ(model.ComponentsAt(point, 2), scanned);

        const int x = place(random);
        const int y = place(random);
        const CRect area(x, y, x + extent(random), y + extent(random));
        std::vector<CODComponent*> meeting;
        for (CODComponent* child : model.GetChildren()) {
            const CRect b = child->GetBounds();
            if (b.left <= area.right && area.left <= b.right && b.top <= area.bottom && area.top <= b.bottom)
                meeting.push_back(child);
        }
        EXPECT_EQ(model.ComponentsIn(area), meeting);
    }
}

TEST(Model, ContentBoundsLookupAndTheCanvasTest)
{
    CODModel model;
    model.SetSize(500, 400);
    EXPECT_TRUE(CRect(model.GetComponentsBounds()).IsRectNull());
    CODSymbolComponent* a = test_diagram::AddBox(CRect(10, 20, 110, 70), model);
    CODSymbolComponent* b = test_diagram::AddBox(CRect(300, 200, 350, 260), model);
    const CRect content = model.GetComponentsBounds();
    EXPECT_EQ(content.left, a->GetBounds().left);
    EXPECT_EQ(content.bottom, b->GetBounds().bottom);
    EXPECT_EQ(model.FindById(a->GetId()), a);
    EXPECT_EQ(model.FindById(b->GetId()), b);
    EXPECT_EQ(model.FindById(0), nullptr);

    const int width = a->GetBounds().right - a->GetBounds().left;
    EXPECT_TRUE(model.IsInsideCanvas(CPoint(0, 0), a));
    EXPECT_TRUE(model.IsInsideCanvas(CPoint(500 - width, 0), a));
    EXPECT_FALSE(model.IsInsideCanvas(CPoint(501 - width, 0), a));
    EXPECT_FALSE(model.IsInsideCanvas(CPoint(-1, 0), a));
    // Top-level components stay selectable.
    const auto* edit = dynamic_cast<const CODEditProperties*>(a->GetProperty(OD_PROP_EDIT, false));
    EXPECT_TRUE(edit == nullptr || edit->IsSelectable() == 1);
}

TEST(PageSettings, UnitsAndOrientationConvertThePaper)
{
    CODPageSettings page;
    page.SetUnits(CODPageSettings::kHundredthsOfMillimeters);
    EXPECT_EQ(page.GetFlags() & 3u, 3u);
    const SIZE paper = page.GetPaperSize();
    page.SetMargins(RECT{2540, 1270, 254, 0});
    page.SetUnits(CODPageSettings::kThousandthsOfInches);
    EXPECT_EQ(page.GetUnits(), CODPageSettings::kThousandthsOfInches);
    EXPECT_EQ(page.GetFlags() & 0xCu, CODPageSettings::kThousandthsOfInches);
    EXPECT_EQ(CRect(page.GetMargins()), CRect(1000, 500, 100, 0));
    page.SetUnits(CODPageSettings::kHundredthsOfMillimeters);
    EXPECT_EQ(CRect(page.GetMargins()), CRect(2540, 1270, 254, 0));
    EXPECT_NEAR(page.GetPaperSize().cx, paper.cx, 2);

    const int before = page.GetOrientation();
    const int turned = before == CODPageSettings::kPortrait ? CODPageSettings::kLandscape : CODPageSettings::kPortrait;
    const SIZE upright = page.GetPaperSize();
    page.SetOrientation(turned);
    EXPECT_EQ(page.GetOrientation(), turned);
    EXPECT_EQ(page.GetPaperSize().cx, upright.cy);
    page.SetOrientation(turned);
    EXPECT_EQ(page.GetPaperSize().cx, upright.cy) << "no change, no turn";
}

TEST(PageSettings, DeviceBlocksAreKeptAsStoredAndALongDeviceModeIsCut)
{
    std::vector<std::uint8_t> devMode(156, 0x11);
    devMode[44] = 2;  // landscape
    devMode[45] = 0;
    ArchiveBytes bytes;
    bytes.DWords({2, 3}).Word(0x4241).Word(0x0043);  // schema, names count 3: "ABC" plus a byte
    std::vector<std::uint8_t> stored = bytes.Get();
    stored.resize(stored.size() - 1);
    ArchiveBytes tail;
    tail.Word(156).Word(4);
    std::vector<std::uint8_t> tailBytes = tail.Get();
    stored.insert(stored.end(), tailBytes.begin(), tailBytes.end());
    stored.insert(stored.end(), devMode.begin(), devMode.end());
    for (std::uint8_t extra : {0xE1, 0xE2, 0xE3, 0xE4})
        stored.push_back(extra);
    const std::vector<std::uint8_t> rest = ArchiveBytes().DWords({0xB, 21000, 29700, 1, 2, 3, 4, 5, 6, 7, 8}).Get();
    stored.insert(stored.end(), rest.begin(), rest.end());

    CODPageSettings page;
    CArchive in(stored.data(), stored.size());
    page.Serialize(in);
    EXPECT_EQ(in.GetRemaining(), 0u);
    EXPECT_EQ(page.GetDevNames(), (std::vector<std::uint8_t>{'A', 'B', 'C'}));
    ASSERT_EQ(page.GetDevMode().size(), 148u + 4u);
    EXPECT_EQ(page.GetDevMode()[148], 0xE1);
    EXPECT_EQ(page.GetDriverExtra(), 4);
    EXPECT_EQ(page.GetOrientation(), CODPageSettings::kLandscape);
    EXPECT_EQ(CRect(page.GetMargins()), CRect(5, 6, 7, 8));

    // Stored again: the kept part with its size, and read back the same.
    CArchive out;
    page.Serialize(out);
    CODPageSettings again;
    CArchive back(out.GetStored().data(), out.GetStored().size());
    again.Serialize(back);
    EXPECT_EQ(again.GetDevMode(), page.GetDevMode());
    EXPECT_EQ(again.GetDevNames(), page.GetDevNames());
    CArchive twice;
    again.Serialize(twice);
    EXPECT_EQ(twice.GetStored(), out.GetStored());
}

}  // namespace
