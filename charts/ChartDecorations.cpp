#include "charts/ChartDecorations.h"

#include "chartparts/CIndiBox.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODImageComponent.h"
#include "engine/CODLineProperties.h"
#include "engine/CODModel.h"
#include "engine/CODPortComponent.h"
#include "engine/CODRectComponent.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"
#include "images/PictureReaders.h"
#include "platform/CDC.h"
#include "platform/CommandFile.h"
#include "platform/TextCodec.h"

#include <array>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;

// Stretches the component over the canvas, about the canvas origin.
void StretchOverCanvas(CODModel& model, CODComponent& component)
{
    const CRect bounds = component.GetBounds();
    if (bounds.Width() == 0 || bounds.Height() == 0)
        return;  // nothing to stretch; a zero factor would lose the component
    const CSize canvas = model.GetSize();
    const CPoint origin = model.GetOrigin();
    component.Scale(static_cast<float>(canvas.cx) / static_cast<float>(bounds.Width()),
                    static_cast<float>(canvas.cy) / static_cast<float>(bounds.Height()),
                    static_cast<float>(origin.x), static_cast<float>(origin.y));
}

std::unique_ptr<CODComponent> MakePictureBackground(const std::string& path)
{
    if (path.empty() || !std::ifstream(path, std::ios::binary).is_open())
        return nullptr;
    const std::unique_ptr<SECImage> image = LoadPicture(path);
    if (!image)
        return nullptr;
    CDC dc;
    const HBITMAP bitmap = image->MakeBitmap(&dc);
    if (!bitmap)
        return nullptr;
    const HPALETTE previous = image->GetPalette() ? dc.SelectPalette(image->GetPalette(), false) : HPALETTE();
    auto component = std::make_unique<CODImageComponent>();
    const bool bMade = component->Create(bitmap, 0, 0, &dc);
    if (image->GetPalette())
        dc.SelectPalette(previous, false);
    return bMade ? std::move(component) : nullptr;
}

std::unique_ptr<CODComponent> MakeColourBackground(const CODModel& model, COLORREF colour)
{
    auto rect = std::make_unique<CODRectComponent>();
    const CPoint origin = model.GetOrigin();
    const CSize size = model.GetSize();
    rect->Create(CRect(origin.x, origin.y, origin.x + size.cx, origin.y + size.cy));
    CODLineProperties line;
    line.SetColor(colour);
    CODFillProperties fill;
    fill.SetColor(colour);
    rect->AddProperty(line);
    rect->AddProperty(fill);
    return rect;
}

}  // namespace

void ChartDecorations::FitCanvasToChart(CODModel& model)
{
    CRect content;
    for (int i = 0; i < model.GetChildCount(); ++i) {
        const CRect region = model.GetChild(i)->GetBoundsRegion().GetBoundingRect();
        if (i == 0)
            content = region;
        else
            content.UnionRect(content, region);
    }
    model.SetSize(content.right + kCanvasMargin, content.bottom + kCanvasMargin);
    if (CODComponent* background = model.GetBackground()) {
        StretchOverCanvas(model, *background);
        model.SetBackground(background, true);
    }
}

void ChartDecorations::BuildTitle(const CommandFile& file, CODModel& model)
{
    const char* section = "Title";
    CODLineProperties line;
    line.SetTransparent(1);
    CODFillProperties fill;
    fill.SetTransparent(1);
    CODFontProperties font;
    font.SetFaceName(file.GetString(section, "Font"));
    font.SetPointSize(std::max(kMinTitleSize, file.GetInt(section, "FontSize")));
    font.SetColor(file.GetColor(section, "FontColor"));
    const std::string attribute = TextCodec::ToUpper(file.GetString(section, "FontAttribute"));
    font.SetWeight(attribute.starts_with("BOLD") ? kBoldWeight : kNormalWeight);
    font.SetItalic(attribute.find("ITAL") != std::string::npos ? 1 : 0);

    const CPoint at(file.GetInt(section, "LocationX"), file.GetInt(section, "LocationY"));
    CDC dc;
    auto title = std::make_unique<CODTextComponent>();
    title->Create(at, &dc);
    title->SetText(file.GetString(section, "Text"));
    title->AddProperty(fill);
    title->AddProperty(line);
    title->AddProperty(font);
    title->SizeToText(CODTextComponent::kSizeCentre, nullptr, true);
    title->MoveTo(at.x, at.y);
    model.AddChild(title.release());
}

void ChartDecorations::BuildResearcherBox(const CommandFile& file, CODModel& model)
{
    const char* section = "Researcher";
    std::array<std::string, kMaxResearcherLines> lines;
    int count = 0;
    for (; count < kMaxResearcherLines; ++count) {
        lines[static_cast<std::size_t>(count)] = file.GetString(section, "Text" + std::to_string(count + 1));
        if (lines[static_cast<std::size_t>(count)].empty())
            break;
    }
    if (count == 0)
        return;
    auto box = std::make_unique<CIndiBox>();
    box->SetLines(count, lines.data());

    std::string location = TextCodec::ToUpper(file.GetString(section, "location"));
    const CSize canvas = model.GetSize();
    const CRect bounds = box->GetBounds();
    CPoint at(kResearcherInset, canvas.cy);
    if (location == "UPPERRIGHT")
        at = CPoint(canvas.cx + kResearcherInset, kResearcherInset);
    else if (location == "UPPERLEFT")
        at = CPoint(kResearcherInset, kResearcherInset);
    else if (location == "LOWERRIGHT")
        at = CPoint(canvas.cx, canvas.cy - bounds.Height());
    box->MoveTo(at.x, at.y);
    CIndiBox* pBox = box.release();
    model.AddChild(pBox);
    FitCanvasToChart(model);

    const CPoint corner = pBox->GetBounds().TopLeft();
    for (int p = 0; p < pBox->GetPortCount(); ++p) {
        CODPortComponent* port = pBox->GetPort(p);
        port->MoveTo(corner.x, corner.y);
        port->AddProperty(CODBoolProperty(OD_PROP_LABEL_SWITCH, 0));
    }
    pBox->SetName(kResearcherName);
}

void ChartDecorations::BuildBackground(const CommandFile& file, CODModel& model)
{
    const char* section = "Background";
    const std::string type = TextCodec::ToUpper(file.GetString(section, "type"));
    std::unique_ptr<CODComponent> background;
    if (type == "IMAGE") {
        background = MakePictureBackground(file.GetString(section, "image"));
        if (background)
            StretchOverCanvas(model, *background);
    } else if (type == "COLOR") {
        background = MakeColourBackground(model, file.GetColor(section, "color"));
    }
    // The model holds the background, so it is released with the model.
    if (background)
        model.SetBackground(background.release(), true);
}
