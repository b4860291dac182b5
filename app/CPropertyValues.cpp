#include "app/CPropertyValues.h"

#include "engine/CODBoolProperty.h"
#include "engine/CODComponent.h"
#include "engine/CODDrawingViewport.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineProperties.h"
#include "engine/CODMacroCommand.h"
#include "engine/CODPropertyCommand.h"
#include "engine/CODTextCommand.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"

namespace {

// A copy of the property when it is of the class, to change and set.
template <class T>
std::unique_ptr<T> CopyAs(const CODProperty* pProperty)
{
    if (dynamic_cast<const T*>(pProperty) == nullptr)
        return nullptr;
    return std::unique_ptr<T>(static_cast<T*>(pProperty->Clone().release()));
}

CPropertyValues::Line ReadLine(const CODLineProperties& line)
{
    return {true, line.GetTransparent() != 0, line.GetColor(), line.GetWidthInPoints(), line.GetStyle()};
}

CPropertyValues::Fill ReadFill(const CODFillProperties& fill)
{
    return {true, fill.GetTransparent() != 0, fill.GetColor(), fill.GetFillStyle(), fill.GetHatchStyle()};
}

CPropertyValues::Font ReadFont(const CODFontProperties& font)
{
    return {true, font.GetFaceName(), font.GetPointSize(), font.GetWeight() >= CPropertyValues::kBoldWeight,
        font.GetItalic() != 0, font.GetUnderline() != 0, font.GetStrikeOut() != 0, font.GetColor()};
}

void ApplyLine(const CPropertyValues::Line& now, const CPropertyValues::Line& before, CODLineProperties& line)
{
    if (now.transparent != before.transparent)
        line.SetTransparent(now.transparent ? 1 : 0);
    if (now.color != before.color)
        line.SetColor(now.color);
    if (now.points != before.points)
        line.SetWidthInPoints(now.points);
    if (now.style != before.style)
        line.SetStyle(now.style);
}

void ApplyFill(const CPropertyValues::Fill& now, const CPropertyValues::Fill& before, CODFillProperties& fill)
{
    if (now.transparent != before.transparent)
        fill.SetTransparent(now.transparent ? 1 : 0);
    if (now.color != before.color)
        fill.SetColor(now.color);
    if (now.style != before.style)
        fill.SetFillStyle(now.style);
    if (now.hatch != before.hatch)
        fill.SetHatchStyle(now.hatch);
}

void ApplyFont(const CPropertyValues::Font& now, const CPropertyValues::Font& before, CODFontProperties& font)
{
    if (now.face != before.face)
        font.SetFaceName(now.face);
    if (now.points != before.points)
        font.SetPointSize(now.points);
    if (now.bold != before.bold)
        font.SetWeight(now.bold ? CPropertyValues::kBoldWeight : CPropertyValues::kNormalWeight);
    if (now.italic != before.italic)
        font.SetItalic(now.italic ? 1 : 0);
    if (now.underline != before.underline)
        font.SetUnderline(now.underline ? 1 : 0);
    if (now.strikeOut != before.strikeOut)
        font.SetStrikeOut(now.strikeOut ? 1 : 0);
    if (now.color != before.color)
        font.SetColor(now.color);
}

int IntValue(const CODComponent& component, int nId)
{
    const auto* property = dynamic_cast<const CODIntProperty*>(component.GetProperty(nId));
    return property != nullptr ? property->GetInt() : 0;
}

bool BoolValue(const CODComponent& component, int nId)
{
    const auto* property = dynamic_cast<const CODBoolProperty*>(component.GetProperty(nId));
    return property != nullptr && property->GetBool() != 0;
}

std::vector<CODTextComponent*> TextsOf(const std::vector<CODComponent*>& components)
{
    std::vector<CODTextComponent*> texts;
    for (CODComponent* component : components)
        if (auto* text = dynamic_cast<CODTextComponent*>(component))
            texts.push_back(text);
    return texts;
}

// The text page's switches that differ, as the text component's own properties.
void AddTextSwitches(const CPropertyValues::Text& now, const CPropertyValues::Text& before, CODTextComponent* pText,
                     CODPropertyCommand& command)
{
    if (now.horizontal != before.horizontal)
        command.Add(pText, CODIntProperty(OD_PROP_HORZ_ALIGNMENT, now.horizontal));
    if (now.vertical != before.vertical)
        command.Add(pText, CODIntProperty(OD_PROP_VERT_ALIGNMENT, now.vertical));
    if (now.wordWrap != before.wordWrap)
        command.Add(pText, CODBoolProperty(OD_PROP_WORDBREAK, now.wordWrap ? 1 : 0));
    if (now.multiLine != before.multiLine)
        command.Add(pText, CODBoolProperty(OD_PROP_MULTILINE, now.multiLine ? 1 : 0));
}

}  // namespace

CPropertyValues CPropertyValues::Read(const std::vector<CODComponent*>& components)
{
    CPropertyValues values;
    for (const CODComponent* component : components) {
        if (const auto* line = dynamic_cast<const CODLineProperties*>(component->GetProperty(OD_PROP_LINE));
            line != nullptr && !values.line.used)
            values.line = ReadLine(*line);
        if (const auto* fill = dynamic_cast<const CODFillProperties*>(component->GetProperty(OD_PROP_FILL));
            fill != nullptr && !values.fill.used)
            values.fill = ReadFill(*fill);
        if (const auto* font = dynamic_cast<const CODFontProperties*>(component->GetProperty(OD_PROP_FONT));
            font != nullptr && !values.font.used)
            values.font = ReadFont(*font);
    }
    const std::vector<CODTextComponent*> texts = TextsOf(components);
    if (!texts.empty()) {
        const CODTextComponent& first = *texts.front();
        values.text = {true, texts.size() == 1, first.GetText(), IntValue(first, OD_PROP_HORZ_ALIGNMENT),
            IntValue(first, OD_PROP_VERT_ALIGNMENT), BoolValue(first, OD_PROP_WORDBREAK),
            BoolValue(first, OD_PROP_MULTILINE)};
    }
    return values;
}

CPropertyValues CPropertyValues::ReadDefaults(const CODDrawingViewport& viewport)
{
    CPropertyValues values;
    if (const auto* line = dynamic_cast<const CODLineProperties*>(viewport.GetDefaultProperty(OD_PROP_LINE)))
        values.line = ReadLine(*line);
    if (const auto* fill = dynamic_cast<const CODFillProperties*>(viewport.GetDefaultProperty(OD_PROP_FILL)))
        values.fill = ReadFill(*fill);
    if (const auto* font = dynamic_cast<const CODFontProperties*>(viewport.GetDefaultProperty(OD_PROP_FONT)))
        values.font = ReadFont(*font);
    return values;
}

std::unique_ptr<CODCommand> CPropertyValues::MakeCommand(CODModel* pModel,
    const std::vector<CODComponent*>& components, const CPropertyValues& before) const
{
    auto properties = std::make_unique<CODPropertyCommand>(pModel);
    for (CODComponent* component : components) {
        if (line != before.line)
            if (auto changed = CopyAs<CODLineProperties>(component->GetProperty(OD_PROP_LINE))) {
                ApplyLine(line, before.line, *changed);
                properties->Add(component, *changed);
            }
        if (fill != before.fill)
            if (auto changed = CopyAs<CODFillProperties>(component->GetProperty(OD_PROP_FILL))) {
                ApplyFill(fill, before.fill, *changed);
                properties->Add(component, *changed);
            }
        if (font != before.font)
            if (auto changed = CopyAs<CODFontProperties>(component->GetProperty(OD_PROP_FONT))) {
                ApplyFont(font, before.font, *changed);
                properties->Add(component, *changed);
            }
    }
    const std::vector<CODTextComponent*> texts = TextsOf(components);
    for (CODTextComponent* textComponent : texts)
        AddTextSwitches(text, before.text, textComponent, *properties);

    std::unique_ptr<CODCommand> textCommand;
    if (before.text.editable && texts.size() == 1 && text.text != before.text.text)
        textCommand = std::make_unique<CODTextCommand>(pModel, texts.front(), text.text);
    if (properties->IsEmpty())
        return textCommand;
    if (!textCommand)
        return properties;
    auto macro = std::make_unique<CODMacroCommand>(pModel);
    macro->Add(std::move(properties));
    macro->Add(std::move(textCommand));
    return macro;
}

void CPropertyValues::ApplyToDefaults(CODDrawingViewport& viewport, const CPropertyValues& before) const
{
    for (CODProperty* property : viewport.EditDefaultProperties()) {
        if (auto* lineProperty = dynamic_cast<CODLineProperties*>(property))
            ApplyLine(line, before.line, *lineProperty);
        else if (auto* fillProperty = dynamic_cast<CODFillProperties*>(property))
            ApplyFill(fill, before.fill, *fillProperty);
        else if (auto* fontProperty = dynamic_cast<CODFontProperties*>(property))
            ApplyFont(font, before.font, *fontProperty);
    }
}
