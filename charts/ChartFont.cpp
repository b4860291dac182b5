#include "charts/ChartFont.h"

#include "chartparts/DefaultPropertySource.h"
#include "engine/CODFontProperties.h"
#include "platform/CommandFile.h"

ChartFont ChartFont::Read(const CommandFile& file, const char* section)
{
    ChartFont font;
    font.face = file.GetString(section, "DefFont");
    if (const int size = file.GetInt(section, "DefFontSize"); size != 0)
        font.pointSize = size;
    font.colour = file.GetColor(section, "DefFontColor");
    return font;
}

void ChartFont::ApplyTo(DefaultPropertySource* pDefaults) const
{
    if (pDefaults == nullptr)
        return;
    for (CODProperty* property : pDefaults->EditDefaultProperties()) {
        auto* font = dynamic_cast<CODFontProperties*>(property);
        if (font == nullptr)
            continue;
        font->SetFaceName(face);
        font->SetPointSize(pointSize);
        if (weight)
            font->SetWeight(*weight);
        font->SetColor(colour);
    }
}
