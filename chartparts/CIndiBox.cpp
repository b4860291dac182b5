#include "chartparts/CIndiBox.h"

#include "chartparts/BoxSettings.h"
#include "chartparts/ComponentGeometry.h"
#include "chartparts/DefaultPropertySource.h"
#include "data/ProjectDatabase.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODCirclePort.h"
#include "engine/CODEditProperties.h"
#include "engine/CODFillProperties.h"
#include "engine/CODImageComponent.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineProperties.h"
#include "engine/CODRectComponent.h"
#include "engine/CODTextComponent.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr const char* kNoPicture = "NONE";
constexpr const char* kLeft = "LEFT";
constexpr const char* kRight = "RIGHT";
// The text starts one unit inside the outline; the wrap keeps three clear.
constexpr int kTextInset = 1;
constexpr int kWrapAllowance = 3;
constexpr int kInitialTextHeight = 6;
constexpr int kPictureMargin = 2;
constexpr int kPictureClearance = 3;
// A picture closer than this to the box's left edge is on the left side.
constexpr int kLeftPictureLimit = 6;
constexpr int kShadowDepth = 5;
constexpr int kPortRadius = 1;
constexpr int kHorzAlignLeft = 0;

std::string LineName(int number, const std::string& text)
{
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "[%d]", number);
    std::string name(prefix);
    if (text.size() < 20)
        name.append(20 - text.size(), ' ');
    name.append(text);
    return name;
}

// The twelve port positions as fractions of the width and height, in quarters.
struct PortPlace {
    int x;
    int y;
};
constexpr std::array<PortPlace, CIndiBox::kPortCount> kPortPlaces = {{
    {0, 2}, {4, 2}, {2, 0}, {2, 4}, {0, 1}, {0, 3}, {4, 1}, {4, 3}, {1, 0}, {3, 0}, {1, 4}, {3, 4},
}};

int Quarter(int length, int quarters)
{
    // W/2 and W/4 and 3W/4 each truncated as written.
    switch (quarters) {
    case 1:
        return length / 4;
    case 2:
        return length / 2;
    case 3:
        return 3 * length / 4;
    case 4:
        return length;
    default:
        return 0;
    }
}

void MovePortBy(CODSymbolComponent& box, int index, int dy)
{
    if (CODPortComponent* port = box.GetPort(index); port && dy != 0) {
        const CPoint at = port->GetPosition();
        port->SetPosition(CPoint(at.x, at.y + dy));
    }
}

int PortY(const CODSymbolComponent& box, int index)
{
    const CODPortComponent* port = box.GetPort(index);
    return port ? port->GetPosition().y : 0;
}

}  // namespace

CIndiBox::CIndiBox()
{
    m_strLines.fill(" ");
}

CIndiBox::CIndiBox(const CommandFile& file) : CIndiBox(BoxSettings::Read(file))
{
}

CIndiBox::CIndiBox(const BoxSettings& settings) : CIndiBox()
{
    ApplySettings(settings);
}

CIndiBox::CIndiBox(const CIndiBox& other)
    : CODSymbolComponent(other),
      m_nWidth(other.m_nWidth),
      m_nHeight(other.m_nHeight),
      m_bShadow(other.m_bShadow),
      m_bShowPorts(other.m_bShowPorts),
      m_crLine(other.m_crLine),
      m_crShadow(other.m_crShadow),
      m_crFill(other.m_crFill),
      m_crAccentText(other.m_crAccentText),
      m_nLineWidth(other.m_nLineWidth),
      m_bOpaque(other.m_bOpaque),
      m_strPictureLocation(other.m_strPictureLocation),
      m_nPictureHeight(other.m_nPictureHeight),
      m_nPictureWidth(other.m_nPictureWidth),
      m_nLineCount(other.m_nLineCount),
      m_strLines(other.m_strLines),
      m_fonts(other.m_fonts)
{
}

CIndiBox::~CIndiBox() = default;

std::unique_ptr<CODComponent> CIndiBox::Clone() const
{
    return std::unique_ptr<CODComponent>(new CIndiBox(*this));
}

void CIndiBox::ApplySettings(const BoxSettings& settings)
{
    m_nWidth = settings.m_nWidth;
    m_nHeight = settings.m_nHeight;
    m_bShowPorts = settings.m_bShowPorts;
    m_bShadow = settings.m_bShadow;
    m_crLine = settings.m_crLine;
    m_crAccentText = settings.m_crAccentText;
    m_crShadow = settings.m_crShadow;
    m_crFill = settings.m_crFill;
    m_nLineWidth = settings.m_nLineWidth;
    m_bOpaque = true;
    m_strPictureLocation = settings.m_strPictureLocation;
    m_nPictureHeight = settings.m_nPictureHeight;
    m_nPictureWidth = settings.m_nPictureWidth;
    m_fonts[0] = settings.m_nameFont;
    std::fill(m_fonts.begin() + 1, m_fonts.end(), settings.m_detailFont);
}

bool CIndiBox::SetPerson(std::int32_t nId, ProjectDatabase& database, const std::string& strKind,
                         std::int32_t nExtra)
{
    m_nLineCount = 1;
    database.ReadPerson(nId);
    int details = 0;
    if (nId < 0) {
        m_strLines[0] = database.GetName(0);
    } else {
        std::vector<std::string> lines(m_strLines.begin(), m_strLines.end());
        details = database.GetDetailLines(strKind, lines, nExtra);
        // Detail lines beyond the box's ten lines are dropped.
        std::copy_n(lines.begin(), std::min<std::size_t>(lines.size(), kMaxLines), m_strLines.begin());
    }
    m_nLineCount = std::min(details + 1, kMaxLines);
    if (m_strPictureLocation != kNoPicture)
        m_pPicture = database.GetPrimaryPicture();
    if (database.UsesAccentColors()) {
        m_bAccent = true;
        database.GetAccentColors(m_crAccentText, m_crFill, m_crShadow, m_crLine);
    }
    Build();
    m_bAccent = false;
    m_pPicture.reset();
    return true;
}

bool CIndiBox::SetLines(int nCount, const std::string* lines)
{
    const int count = std::min(nCount, kMaxLines);
    for (int k = 0; k < count; ++k)
        m_strLines[static_cast<std::size_t>(k)] = lines[k];
    m_nHeight = 0;
    m_pPicture.reset();
    m_nLineCount = count;
    return Build();
}

bool CIndiBox::Configure(const DefaultPropertySource* pSource, int nWidth, int nHeight, int nLineCount,
                         COLORREF crLine, int nLineWidth, bool bOpaque, COLORREF crFill, bool bShadow,
                         COLORREF crShadow)
{
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_nLineCount = nLineCount;
    m_crLine = crLine;
    m_nLineWidth = nLineWidth;
    m_bOpaque = bOpaque;
    m_crFill = crFill;
    m_bShadow = bShadow;
    m_crShadow = crShadow;
    m_pDefaultsSource = pSource;
    Build();
    m_pDefaultsSource = nullptr;
    return true;
}

void CIndiBox::ApplyDefaults(CODComponent& component) const
{
    if (m_pDefaultsSource)
        component.ApplyProperties(m_pDefaultsSource->GetDefaultProperties());
}

CODComponent* CIndiBox::MakeRect(const char* name, const CRect& rect, const CPoint& at, COLORREF crLine,
                                 COLORREF crFill) const
{
    auto* shape = new CODRectComponent();
    shape->Create(rect);
    shape->SetName(name);
    ApplyDefaults(*shape);
    CODLineProperties line;
    line.SetWidth(ScreenPenWidth(m_nLineWidth));
    line.SetStyle(0);
    line.SetTransparent(m_bOpaque ? 0 : 1);
    line.SetColor(crLine);
    CODFillProperties fill;
    fill.SetFillStyle(CODFillProperties::kSolid);
    fill.SetTransparent(m_bOpaque ? 0 : 1);
    fill.SetColor(crFill);
    shape->AddProperty(line);
    shape->AddProperty(fill);
    if (at.x != 0 || at.y != 0)
        shape->MoveTo(at.x, at.y);
    return shape;
}

bool CIndiBox::Build()
{
    std::vector<CODComponent*> lines;
    if (m_nLineCount > 0) {
        m_nLineCount = std::min(m_nLineCount, kMaxLines);
        const CODBoolProperty multiLine(OD_PROP_MULTILINE, 1);
        const CODBoolProperty wordBreak(OD_PROP_WORDBREAK, 1);
        const CODIntProperty alignment(OD_PROP_HORZ_ALIGNMENT, kHorzAlignLeft);
        CODEditProperties edit;
        edit.SetMovable(0);  // the box moves as a whole
        CODFillProperties fill;
        fill.SetTransparent(1);
        CODLineProperties line;
        line.SetWidth(ScreenPenWidth(1));
        line.SetTransparent(1);
        const int wrap = m_nWidth - m_nPictureWidth - kWrapAllowance;
        for (int k = 0; k < m_nLineCount; ++k) {
            auto* text = new CODTextComponent();
            text->Create(CRect(0, 0, wrap, kInitialTextHeight), nullptr);
            ApplyDefaults(*text);
            text->AddProperty(multiLine);
            text->AddProperty(alignment);
            text->AddProperty(wordBreak);
            text->AddProperty(edit);
            text->AddProperty(fill);
            text->AddProperty(line);
            const CODFontProperties& font = m_fonts[static_cast<std::size_t>(k)];
            if (m_bAccent) {
                CODFontProperties accent = font;
                accent.SetColor(m_crAccentText);
                text->AddProperty(accent);
            } else {
                text->AddProperty(font);
            }
            const std::string& value = m_strLines[static_cast<std::size_t>(k)];
            text->SetText(value);
            text->SetName(LineName(k + 1, value));
            lines.push_back(text);
        }
    }
    // Relayout sizes the lines and settles the height; until then the
    // reserved picture height stands for it.
    m_nHeight = m_nPictureHeight;

    std::vector<CODComponent*> children;
    if (m_bShadow) {
        children.push_back(MakeRect(kVShadowName, CRect(0, 0, kShadowDepth, m_nHeight), CPoint(m_nWidth, kShadowDepth),
                                    m_crShadow, m_crShadow));
        children.push_back(MakeRect(kHShadowName, CRect(0, 0, m_nWidth, kShadowDepth), CPoint(kShadowDepth, m_nHeight),
                                    m_crShadow, m_crShadow));
    }
    children.push_back(MakeRect(kMainBoxName, CRect(0, 0, m_nWidth, m_nHeight), CPoint(0, 0), m_crLine, m_crFill));
    children.insert(children.end(), lines.begin(), lines.end());

    if (m_strPictureLocation != kNoPicture && m_pPicture) {
        CODImageComponent* picture = m_pPicture.release();
        const CRect size = picture->GetBounds();
        // Pictures are made smaller to fit, never larger.
        if (size.Width() > m_nPictureWidth) {
            const float factor = static_cast<float>(m_nPictureWidth) / static_cast<float>(size.Width());
            picture->Scale(factor, factor, 0.0f, 0.0f);
        }
        const CRect scaled = picture->GetBounds();
        if (scaled.Height() > m_nPictureHeight) {
            const float factor = static_cast<float>(m_nPictureHeight) / static_cast<float>(scaled.Height());
            picture->Scale(factor, factor, 0.0f, 0.0f);
        }
        if (m_strPictureLocation == kLeft)
            picture->MoveTo(kPictureMargin, kPictureMargin);
        else
            picture->MoveTo(m_nWidth - m_nPictureWidth - kPictureMargin, kPictureMargin);
        children.push_back(picture);
    }

    AddChildren(children);
    SetName(kBoxName);
    for (const PortPlace& place : kPortPlaces) {
        auto* port = new CODCirclePort();
        port->Create(CPoint(Quarter(m_nWidth, place.x), Quarter(m_nHeight, place.y)), kPortRadius);
        port->SetVisible(m_bShowPorts ? 1 : 0);
        AddPort(port);
    }
    Relayout();
    return true;
}

void CIndiBox::Relayout()
{
    CODRectComponent* mainBox = nullptr;
    CODRectComponent* vShadow = nullptr;
    CODRectComponent* hShadow = nullptr;
    const CODImageComponent* picture = nullptr;
    std::vector<CODTextComponent*> texts;
    for (CODComponent* child : GetChildren()) {
        if (auto* rect = dynamic_cast<CODRectComponent*>(child)) {
            if (child->GetName() == kMainBoxName)
                mainBox = rect;
            else if (child->GetName() == kVShadowName)
                vShadow = rect;
            else if (child->GetName() == kHShadowName)
                hShadow = rect;
        } else if (const auto* image = dynamic_cast<const CODImageComponent*>(child)) {
            picture = image;
        } else if (auto* text = dynamic_cast<CODTextComponent*>(child)) {
            texts.push_back(text);
        }
    }
    if (!mainBox)
        return;
    const CRect box = mainBox->GetBounds();
    // Without a picture the reserved size stays: it still shapes the text.
    if (picture) {
        const CRect p = picture->GetBounds();
        m_strPictureLocation = p.left - box.left < kLeftPictureLimit ? kLeft : kRight;
        m_nPictureWidth = p.Width();
        m_nPictureHeight = p.Height();
    }

    const int wrap = box.Width() - m_nPictureWidth - kWrapAllowance;
    const int x = box.left + kTextInset + (m_strPictureLocation == kLeft ? m_nPictureWidth : 0);
    int y = 0;
    for (CODTextComponent* text : texts) {
        // Grown downward from its place rather than about its centre and
        // moved back: the same line, placed once.
        PlaceUpright(*text, CRect(x, box.top + y, x + wrap, box.top + y + kInitialTextHeight));
        text->SizeToText(CODTextComponent::kSizeGrow, &ScreenContext());
        y += text->GetBounds().Height();
    }
    if (picture)
        y = std::max(y, m_nPictureHeight + kPictureClearance);
    const int height = y;
    m_nHeight = height;

    if (GetOwnPortCount() >= kPortCount) {
        const int top = PortY(*this, 8);
        const int oldHeight = PortY(*this, 3) - top;
        for (int index : {3, 10, 11})
            MovePortBy(*this, index, height - oldHeight);
        const int quarter = top + height / 4 - PortY(*this, 4);
        const int half = top + height / 2 - PortY(*this, 0);
        const int threeQuarters = top + 3 * height / 4 - PortY(*this, 5);
        for (int index : {4, 6})
            MovePortBy(*this, index, quarter);
        for (int index : {0, 1})
            MovePortBy(*this, index, half);
        for (int index : {5, 7})
            MovePortBy(*this, index, threeQuarters);
    }

    const int bottom = box.top + height;
    const auto setY = [](CODRectComponent& rect, int vertex, int yModel) {
        SetModelPoint(rect, vertex, CPoint(rect.GetWorldPoint(vertex).x, yModel));
    };
    setY(*mainBox, 2, bottom);
    setY(*mainBox, 3, bottom);
    mainBox->UpdateBounds();
    if (vShadow) {
        const int left = mainBox->GetWorldPoint(2).x - 1;
        SetModelPoint(*vShadow, 0, CPoint(left, vShadow->GetWorldPoint(0).y));
        setY(*vShadow, 2, bottom);
        SetModelPoint(*vShadow, 3, CPoint(left, bottom));
        vShadow->UpdateBounds();
    }
    if (hShadow) {
        setY(*hShadow, 0, bottom);
        setY(*hShadow, 1, bottom);
        setY(*hShadow, 2, bottom + kShadowDepth);
        setY(*hShadow, 3, bottom + kShadowDepth);
        hShadow->UpdateBounds();
    }
    UpdateBounds();
}

void CIndiBox::Scale(float sx, float sy, float cx, float cy)
{
    if (sx != sy) {
        Relayout();
        CODSymbolComponent::Scale(sx, sy >= 0.0f ? 1.0f : -1.0f, cx, cy);
    } else {
        CODSymbolComponent::Scale(sx, sy, cx, cy);
    }
    Relayout();
}

CODTextComponent* CIndiBox::TextLineAt(int x, int y) const
{
    for (int i = 0; i < GetChildCount(); ++i)
        if (auto* text = dynamic_cast<CODTextComponent*>(GetChild(i)); text && text->GetBounds().PtInRect(POINT{x, y}))
            return text;
    return nullptr;
}
