// Measures the primitives a chart is made of: creating, sizing to their text
// and drawing text components of one to three wrapped lines, and the same
// for rectangles, into a 24-bit DIB section.
//   engine_bench [count]
#include "engine/CODBoolProperty.h"
#include "engine/CODFontProperties.h"
#include "engine/CODRectComponent.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"
#include "platform/CBitmap.h"
#include "platform/CDC.h"
#include "platform/HeadlessApplication.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
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

CRect Slot(int i)
{
    const int left = (i % kColumns) * (kBoxWidth + 4);
    const int top = (i / kColumns) % (kCanvasSize / kRowPitch) * kRowPitch;
    return CRect(left, top, left + kBoxWidth, top + kBoxHeight);
}

}  // namespace

int main(int argc, char** argv)
{
    HeadlessApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultCount;

    CDC dc;
    BITMAPINFOHEADER header;
    header.biWidth = kCanvasSize;
    header.biHeight = kCanvasSize;
    header.biBitCount = 24;
    const HBITMAP section = CBitmap::CreateDIBSection(&dc, header);
    const HBITMAP previous = dc.SelectObject(section);

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
    return 0;
}
