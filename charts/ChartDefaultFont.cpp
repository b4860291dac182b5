#include "charts/ChartDefaultFont.h"

#include "chartparts/DefaultPropertySource.h"
#include "engine/CODFontProperties.h"
#include "platform/CommandFile.h"

namespace {
constexpr int kDefaultFontSize = 8;
}  // namespace

void SetChartDefaultFont(const CommandFile& file, const char* section, DefaultPropertySource* pDefaults)
{
    if (pDefaults == nullptr)
        return;
    int size = file.GetInt(section, "DefFontSize");
    if (size == 0)
        size = kDefaultFontSize;
    for (CODProperty* property : pDefaults->EditDefaultProperties()) {
        auto* font = dynamic_cast<CODFontProperties*>(property);
        if (font == nullptr)
            continue;
        font->SetFaceName(file.GetString(section, "DefFont"));
        font->SetPointSize(size);
        font->SetColor(file.GetColor(section, "DefFontColor"));
    }
}
