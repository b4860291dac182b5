// Measures the primitives a chart is made of: creating, sizing to their text
// and drawing text components of one to three wrapped lines, and the same
// for rectangles, into a 24-bit DIB section. Then a chart of boxes in a grid
// joined by orthogonal links: building it, moving boxes one by one (each
// move re-routes the links at that box) and routing every link once. Last,
// saving and opening a chart document of 4000 boxes with text and links, and
// dragging one of its boxes in a window.
//   engine_bench [count]
#include "engine/CArchive.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODCirclePort.h"
#include "engine/CODDrawingController.h"
#include "engine/CODDrawingViewport.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODModel.h"
#include "engine/CODSymbolComponent.h"
#include "engine/CODFontProperties.h"
#include "engine/CODRectComponent.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"
#include "platform/CBitmap.h"
#include "platform/CDC.h"
#include "platform/HeadlessApplication.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultCount = 20000;
constexpr int kCanvasSize = 2000;
constexpr int kBoxWidth = 160;
constexpr int kBoxHeight = 20;
constexpr int kColumns = 12;
constexpr int kRowPitch = 60;

// The link chart: 80 x 50 boxes, each joined to its right and lower
// neighbours, and the first ones also diagonally, up to 8000 links.
constexpr int kGridColumns = 80;
constexpr int kGridRows = 50;
constexpr int kGridLinks = 8000;
constexpr int kGridPitchX = 200;
constexpr int kGridPitchY = 120;
constexpr int kGridBoxWidth = 120;
constexpr int kGridBoxHeight = 60;
constexpr int kMoves = 100;
constexpr int kMoveDx = 7;
constexpr int kMoveDy = 5;
enum Side { Top, Right, Bottom, Left, SideCount };

// One, two and three lines at the box width in 10-point Times.
const char* const kTexts[] = {
    "Henry Walker",
    "Born 12 May 1850 in Springfield, Illinois",
    "Married 3 June 1874 at the Church of Sangamon County",
};

double Time(const char* name, int count, const std::function<void()>& phase)
{
    const Clock::time_point start = Clock::now();
    phase();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%-28s %7d   %8.3f s   %7.2f us each\n", name, count, seconds, seconds * 1e6 / count);
    return seconds;
}

// Draws into a new 24-bit DIB section; returns the bitmap it replaced.
HBITMAP SelectSection(CDC& dc, int nWidth, int nHeight)
{
    BITMAPINFOHEADER header;
    header.biWidth = nWidth;
    header.biHeight = nHeight;
    header.biBitCount = 24;
    return dc.SelectObject(CBitmap::CreateDIBSection(&dc, header));
}

CRect Slot(int i)
{
    const int left = (i % kColumns) * (kBoxWidth + 4);
    const int top = (i / kColumns) % (kCanvasSize / kRowPitch) * kRowPitch;
    return CRect(left, top, left + kBoxWidth, top + kBoxHeight);
}

struct GridBox {
    CODSymbolComponent* symbol = nullptr;
    CODPortComponent* ports[SideCount] = {};
};

GridBox MakeBox(int column, int row)
{
    const int left = column * kGridPitchX;
    const int top = row * kGridPitchY;
    auto* frame = new CODRectComponent();
    frame->Create(left, top, left + kGridBoxWidth, top + kGridBoxHeight);
    GridBox box;
    box.symbol = new CODSymbolComponent();
    box.symbol->Create(std::vector<CODComponent*>{frame});
    const CPoint sides[SideCount] = {{left + kGridBoxWidth / 2, top},
                                     {left + kGridBoxWidth, top + kGridBoxHeight / 2},
                                     {left + kGridBoxWidth / 2, top + kGridBoxHeight},
                                     {left, top + kGridBoxHeight / 2}};
    for (int side = 0; side < SideCount; ++side) {
        auto* port = new CODCirclePort();
        port->Create(sides[side], CODCirclePort::kDefaultRadius);
        box.symbol->AddPort(port);
        box.ports[side] = port;
    }
    return box;
}

void LinkBench()
{
    CODComponent chart;
    std::vector<GridBox> boxes;
    std::vector<CODLinkComponent*> links;
    const auto at = [&](int column, int row) -> GridBox& {
        return boxes[static_cast<std::size_t>(row * kGridColumns + column)];
    };
    const auto join = [&](CODPortComponent* from, CODPortComponent* to) {
        auto* link = new CODLinkComponent();
        link->CreateOrthogonal(from, to);
        chart.AddChild(link);
        links.push_back(link);
    };
    Time("links: build the chart", kGridColumns * kGridRows + kGridLinks, [&] {
        for (int row = 0; row < kGridRows; ++row)
            for (int column = 0; column < kGridColumns; ++column) {
                boxes.push_back(MakeBox(column, row));
                chart.AddChild(boxes.back().symbol);
            }
        for (int row = 0; row < kGridRows; ++row)
            for (int column = 0; column < kGridColumns; ++column) {
                if (column + 1 < kGridColumns)
                    join(at(column, row).ports[Right], at(column + 1, row).ports[Left]);
                if (row + 1 < kGridRows)
                    join(at(column, row).ports[Bottom], at(column, row + 1).ports[Top]);
            }
        for (int i = 0; static_cast<int>(links.size()) < kGridLinks; ++i)
            join(at(i % (kGridColumns - 1), i / (kGridColumns - 1)).ports[Right],
                 at(i % (kGridColumns - 1) + 1, i / (kGridColumns - 1) + 1).ports[Top]);
    });
    std::printf("%-28s %7zu boxes, %zu links\n", "links: chart", boxes.size(), links.size());

    // Boxes spread over the grid; every move re-routes the links at that box.
    std::size_t routes = 0;
    const std::size_t stride = boxes.size() / kMoves;
    for (int i = 0; i < kMoves; ++i)
        routes += boxes[static_cast<std::size_t>(i) * stride].symbol->GetConnections().size();
    const double moving = Time("links: move one box", kMoves, [&] {
        for (int i = 0; i < kMoves; ++i)
            boxes[static_cast<std::size_t>(i) * stride].symbol->Translate(kMoveDx, kMoveDy);
    });
    std::printf("%-28s %7zu   %8.3f s   %7.2f us each (in the moves)\n", "links: re-route", routes, moving,
                moving * 1e6 / static_cast<double>(routes));
    Time("links: route every link", static_cast<int>(links.size()), [&] {
        for (CODLinkComponent* link : links)
            link->Route();
    });
    Time("links: tear the chart down", static_cast<int>(boxes.size() + links.size()), [&] {
        while (chart.GetChildCount() > 0)
            chart.RemoveChild(chart.GetChildCount() - 1);
    });
}

// A box as charts make them: a frame, three lines of text and four ports.
CODSymbolComponent* MakeChartBox(int column, int row, CDC& dc)
{
    GridBox box = MakeBox(column, row);
    const CRect frame = box.symbol->GetChild(0)->GetBounds();
    for (int line = 0; line < 3; ++line) {
        auto* text = new CODTextComponent();
        const int top = frame.top + line * kBoxHeight;
        text->Create(CRect(frame.left, top, frame.right, top + kBoxHeight), &dc);
        text->SetText(kTexts[line]);
        box.symbol->AddChild(text);
    }
    box.symbol->UpdateBounds();
    return box.symbol;
}

constexpr int kChartBoxes = 4000;
constexpr int kChartColumns = 80;

// 4000 chart boxes, each joined to the one below.
void BuildChart(CODModel& model, CDC& dc)
{
    model.SetSize(kChartColumns * kGridPitchX, (kChartBoxes / kChartColumns) * kGridPitchY);
    std::vector<CODSymbolComponent*> boxes;
    for (int i = 0; i < kChartBoxes; ++i) {
        boxes.push_back(MakeChartBox(i % kChartColumns, i / kChartColumns, dc));
        model.AddChild(boxes.back());
    }
    for (int i = 0; i + kChartColumns < kChartBoxes; ++i) {
        auto* link = new CODLinkComponent();
        link->CreateOrthogonal(boxes[static_cast<std::size_t>(i)]->GetPort(Bottom),
                               boxes[static_cast<std::size_t>(i + kChartColumns)]->GetPort(Top));
        model.AddChild(link);
    }
}

void ArchiveBench(CDC& dc)
{
    CODModel model;
    BuildChart(model, dc);
    const std::string path = (std::filesystem::temp_directory_path() / "engine_bench.qrd").string();
    std::size_t bytes = 0;
    Time("archive: save 4000 boxes", 1, [&] {
        CArchive ar;
        model.Serialize(ar);
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(ar.GetStored().data()),
                   static_cast<std::streamsize>(ar.GetStored().size()));
        bytes = ar.GetStored().size();
    });
    CODModel opened;
    Time("archive: open 4000 boxes", 1, [&] {
        std::ifstream file(path, std::ios::binary);
        const std::vector<std::uint8_t> stored{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        CArchive ar(stored.data(), stored.size());
        opened.Serialize(ar);
    });
    std::printf("%-28s %7d children, %zu bytes\n", "archive: chart", opened.GetChildCount(), bytes);
    std::filesystem::remove(path);
}

// Dragging one box of the 4000-box chart in a 1280 x 800 window at 100 %:
// each mouse move repaints only what the controller reports damaged, drawn
// through the spatial index; then the release, its undo, and drawing the
// whole chart at the zoom that fits it in the window.
void DragBench(CDC& measure)
{
    constexpr int kWindowWidth = 1280;
    constexpr int kWindowHeight = 800;
    constexpr int kFrames = 200;
    constexpr int kStepX = 3;
    constexpr int kStepY = 1;
    CODModel model;
    BuildChart(model, measure);
    CODDrawingViewport viewport;
    viewport.SetModel(&model);
    CODDrawingController controller(&viewport);
    controller.SetClientSize(CSize(kWindowWidth, kWindowHeight));
    std::vector<CRect> damaged;
    controller.m_onRepaint = [&damaged](const CRect& rect) { damaged.push_back(rect); };

    CDC screen;
    const HBITMAP previous = SelectSection(screen, kWindowWidth, kWindowHeight);
    const auto paint = [&] {
        for (const CRect& rect : damaged) {
            viewport.OnPrepareDC(&screen);
            viewport.Draw(&screen, rect.IsRectNull() ? CRect(0, 0, kWindowWidth, kWindowHeight) : rect);
        }
        viewport.OnPrepareDC(&screen);
        controller.DrawTracking(&screen);
        screen.Flush();
        damaged.clear();
    };

    // The box in column 2 of row 2.
    CPoint point(2 * kGridPitchX + kGridBoxWidth / 2, 2 * kGridPitchY + kGridBoxHeight / 2);
    controller.OnLButtonDown(0, point);
    paint();
    double worst = 0;
    const double total = Time("drag: one frame", kFrames, [&] {
        for (int i = 0; i < kFrames; ++i) {
            const Clock::time_point start = Clock::now();
            point = CPoint(point.x + kStepX, point.y + kStepY);
            controller.OnMouseMove(MK_LBUTTON, point);
            paint();
            worst = std::max(worst, std::chrono::duration<double>(Clock::now() - start).count());
        }
    });
    std::printf("%-28s %7d   %8.3f ms mean, %.3f ms worst\n", "drag: frames", kFrames, total * 1e3 / kFrames,
                worst * 1e3);
    Time("drag: release and repaint", 1, [&] {
        controller.OnLButtonUp(0, point);
        paint();
    });
    Time("drag: undo and repaint", 1, [&] {
        controller.Undo();
        paint();
    });
    const CSize canvas = model.GetSize();
    const int fit = std::max(viewport.GetMinMagnification(),
                             std::min(kWindowWidth * 100 / canvas.cx, kWindowHeight * 100 / canvas.cy));
    viewport.SetMagnification(fit, fit);
    std::printf("%-28s %7d %%\n", "zoom to fit: magnification", fit);
    Time("zoom to fit: draw the chart", 1, [&] {
        viewport.OnPrepareDC(&screen);
        viewport.Draw(&screen, CRect(0, 0, canvas.cx, canvas.cy));
        screen.Flush();
    });
    screen.SelectObject(previous);
}

}  // namespace

int main(int argc, char** argv)
{
    HeadlessApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultCount;

    CDC dc;
    const HBITMAP previous = SelectSection(dc, kCanvasSize, kCanvasSize);

    std::vector<std::unique_ptr<CODTextComponent>> texts;
    texts.reserve(static_cast<std::size_t>(count));
    Time("text: create", count, [&] {
        for (int i = 0; i < count; ++i) {
            auto text = std::make_unique<CODTextComponent>();
            text->Create(Slot(i), &dc);
            text->SetText(kTexts[i % 3]);
            text->AddProperty(CODBoolProperty(OD_PROP_MULTILINE, 1));
            text->AddProperty(CODBoolProperty(OD_PROP_WORDBREAK, 1));
            texts.push_back(std::move(text));
        }
    });
    Time("text: size to text", count, [&] {
        for (auto& text : texts)
            text->SizeToText(CODTextComponent::kSizeGrow, &dc);
    });
    // One line is a cell of 15 plus the leading and the pen insets (3).
    double lines[3] = {0, 0, 0};
    double kinds[3] = {0, 0, 0};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        lines[i % 3] += (texts[i]->GetBounds().Height() - 3) / 15;
        kinds[i % 3] += 1;
    }
    Time("text: draw", count, [&] {
        for (auto& text : texts)
            text->Draw(&dc);
        dc.Flush();
    });
    std::printf("%-28s", "text: lines of each text");
    for (int kind = 0; kind < 3; ++kind)
        std::printf(" %.2f", kinds[kind] > 0 ? lines[kind] / kinds[kind] : 0.0);
    std::printf("\n");

    std::vector<std::unique_ptr<CODRectComponent>> rects;
    rects.reserve(static_cast<std::size_t>(count));
    Time("rectangle: create", count, [&] {
        for (int i = 0; i < count; ++i) {
            auto rect = std::make_unique<CODRectComponent>();
            const CRect slot = Slot(i);
            rect->Create(slot.left, slot.top, slot.right, slot.bottom + kBoxHeight);
            rects.push_back(std::move(rect));
        }
    });
    Time("rectangle: draw", count, [&] {
        for (auto& rect : rects)
            rect->Draw(&dc);
        dc.Flush();
    });

    dc.SelectObject(previous);
    LinkBench();
    ArchiveBench(dc);
    DragBench(dc);
    return 0;
}
