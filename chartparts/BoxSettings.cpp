#include "chartparts/BoxSettings.h"

#include "platform/CommandFile.h"
#include "platform/TextCodec.h"

#include <algorithm>

namespace {

constexpr const char* kSection = "Box";
constexpr const char* kNoPicture = "NONE";
constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;
constexpr int kMinFontSize = 2;

void ReadFont(const CommandFile& file, const char* prefix, CODFontProperties& font)
{
    const std::string base(prefix);
    font.SetFaceName(file.GetString(kSection, base));
    const int size = file.GetInt(kSection, base + "Size");
    if (size >= kMinFontSize)
        font.SetPointSize(size);
    ApplyFontAttribute(font, file.GetString(kSection, base + "Attribute"));
    font.SetColor(file.GetColor(kSection, base + "Color"));
}

}  // namespace

void ApplyFontAttribute(CODFontProperties& font, const std::string& attribute)
{
    const std::string upper = TextCodec::ToUpper(attribute);
    font.SetWeight(upper.starts_with("BOLD") ? kBoldWeight : kNormalWeight);
    font.SetItalic(upper.find("ITAL") != std::string::npos ? 1 : 0);
}

BoxSettings BoxSettings::Read(const CommandFile& file)
{
    BoxSettings s;
    s.m_nWidth = file.GetInt(kSection, "Width");
    s.m_nHeight = file.GetInt(kSection, "Height");
    file.GetBool(kSection, "CanGrow");  // the layouts read it themselves
    s.m_bShowPorts = file.GetBool(kSection, "showPorts");
    file.GetBool(kSection, "Textwrap");  // lines always wrap
    s.m_bShadow = file.GetBool(kSection, "Shadow");
    s.m_crLine = file.GetColor(kSection, "linecolor");
    s.m_crAccentText = file.GetColor(kSection, "DetailFontColor");
    s.m_crShadow = file.GetColor(kSection, "ShadowColor");
    s.m_crFill = file.GetColor(kSection, "DefaultFillColor");
    s.m_nLineWidth = file.GetInt(kSection, "linewidth");
    file.GetInt(kSection, "linestyle");  // the outline is always solid
    s.m_strPictureLocation = TextCodec::ToUpper(file.GetString(kSection, "PictureLocation"));
    s.m_nPictureHeight = file.GetInt(kSection, "PictureHeight");
    s.m_nPictureWidth = file.GetInt(kSection, "PictureWidth");

    // An empty location is not "NONE": it still shows a picture, on the right,
    // but reserves no room for it.
    if (!s.m_strPictureLocation.empty() && s.m_strPictureLocation != kNoPicture) {
        if (s.m_nPictureHeight == 0)
            s.m_nPictureHeight = s.m_nHeight;
        if (s.m_nPictureWidth == 0)
            s.m_nPictureWidth = s.m_nPictureHeight;
    } else {
        s.m_nPictureHeight = 1;
        s.m_nPictureWidth = 1;
    }
    s.m_nWidth = std::max(s.m_nWidth, s.m_nPictureWidth);

    ReadFont(file, "NameFont", s.m_nameFont);
    ReadFont(file, "DetailFont", s.m_detailFont);
    return s;
}
