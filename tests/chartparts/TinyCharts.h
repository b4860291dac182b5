#pragma once

#include "chartparts/CQuorrelDoc.h"
#include "tests/engine/StoredBytes.h"
#include "engine/CODCirclePort.h"
#include "engine/CODImageComponent.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODRectComponent.h"
#include "engine/CODTextComponent.h"
#include "images/CODDib.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quorrel_test {

// A symbol of one rectangle with a port on its right side, on the model.
inline CODSymbolComponent* AddChartBox(CODModel& model, const CRect& rect)
{
    auto* shape = new CODRectComponent();
    shape->Create(rect.left, rect.top, rect.right, rect.bottom);
    auto* box = new CODSymbolComponent();
    box->Create(std::vector<CODComponent*>{shape});
    auto* port = new CODCirclePort();
    port->Create(CPoint(rect.right, (rect.top + rect.bottom) / 2), 2);
    box->AddPort(port);
    model.AddChild(box);
    return box;
}

inline std::vector<std::uint8_t> SaveChart(CQuorrelDoc& doc)
{
    return quorrel_test::Store(doc);
}

// Small documents of the kinds a chart holds: nothing, linked boxes, text
// and a picture. They seed the chart fuzz target.
inline std::map<std::string, std::vector<std::uint8_t>> TinyCharts()
{
    std::map<std::string, std::vector<std::uint8_t>> charts;
    CQuorrelDoc empty;
    charts["empty.qrd"] = SaveChart(empty);

    CQuorrelDoc linked;
    CODModel& model = linked.GetModel();
    model.SetSize(400, 200);
    CODSymbolComponent* left = AddChartBox(model, CRect(10, 10, 110, 60));
    CODSymbolComponent* right = AddChartBox(model, CRect(200, 100, 300, 150));
    auto* link = new CODLinkComponent();
    link->CreateOrthogonal(left->GetPort(0), right->GetCentrePort());
    model.AddChild(link);
    left->AddLabel("Walker", 5, nullptr);
    charts["linked.qrd"] = SaveChart(linked);

    CQuorrelDoc pictured;
    CODModel& page = pictured.GetModel();
    page.SetSize(300, 300);
    auto* text = new CODTextComponent();
    text->Create(CRect(10, 10, 200, 40), nullptr);
    text->SetText("Henry Walker 1850-1910");
    page.AddChild(text);
    const std::vector<std::uint8_t> pixels = {0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00};
    CODDib picture;
    // A 2 x 2 picture: a 40-byte header and two padded rows of 24-bit pixels.
    std::vector<std::uint8_t> packed(40, 0);
    packed[0] = 40;
    packed[4] = 2;
    packed[8] = 2;
    packed[12] = 1;
    packed[14] = 24;
    packed.insert(packed.end(), pixels.begin(), pixels.end());
    packed.insert(packed.end(), pixels.begin(), pixels.end());
    if (picture.LoadFromPackedBitmap(packed.data(), packed.size())) {
        auto* image = new CODImageComponent();
        image->Create(picture, 0, RGB(255, 0, 255));
        image->MoveTo(20, 60);
        page.AddChild(image);
    }
    charts["pictured.qrd"] = SaveChart(pictured);
    return charts;
}

}  // namespace quorrel_test
