#include "engine/CODTextComponent.h"

#include "engine/CArchive.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineProperties.h"
#include "engine/ODHelpers.h"
#include "engine/PropertyIds.h"
#include "platform/CDC.h"
#include "platform/CFont.h"
#include "platform/CPen.h"
#include "platform/CRgn.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr int kFullTurn = 3600;
constexpr int kCentreAnchor = 8;
constexpr unsigned kHorizontalBits = 0x03;
constexpr unsigned kVerticalBits = 0x0C;
constexpr int kDefaultHorizontal = 1;
constexpr int kDefaultVertical = 4;

// A boolean or integer property's value, or the fallback when there is none.
int ValueOf(const CODComponent& component, int nId, int fallback)
{
    const CODProperty* property = component.GetProperty(nId, true);
    if (const auto* boolean = dynamic_cast<const CODBoolProperty*>(property))
        return boolean->GetBool();
    if (const auto* integer = dynamic_cast<const CODIntProperty*>(property))
        return integer->GetInt();
    return fallback;
}

// The caller's context (or a screen-compatible one) with the component's
// font selected for as long as the measuring takes.
class MeasuringContext {
public:
    MeasuringContext(CDC* pDC, const CODComponent& component) : m_pDC(pDC)
    {
        if (!m_pDC) {
            m_screen.emplace();
            m_pDC = &*m_screen;
        }
        if (const auto* font = dynamic_cast<const CODFontProperties*>(component.GetProperty(OD_PROP_FONT, true)))
            m_previous = m_pDC->SelectObject(font->GetFont());
    }
    ~MeasuringContext()
    {
        if (m_previous)
            m_pDC->SelectObject(m_previous);
    }
    MeasuringContext(const MeasuringContext&) = delete;
    MeasuringContext& operator=(const MeasuringContext&) = delete;

    CDC& operator*() const { return *m_pDC; }

private:
    std::optional<CDC> m_screen;
    CDC* m_pDC;
    HFONT m_previous;
};

CRect MarginsOf(const CDC& dc)
{
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    const int side = 2 * metrics.tmAveCharWidth;
    const int leading = metrics.tmExternalLeading;
    return CRect(side, leading / 2, side, leading - leading / 2);
}

}  // namespace

CODTextComponent::CODTextComponent()
{
    AddProperty(CODLineProperties());
    AddProperty(CODFillProperties());
    AddProperty(CODFontProperties());
    AddProperty(CODBoolProperty(OD_PROP_WORDBREAK, 0));
    AddProperty(CODBoolProperty(OD_PROP_MULTILINE, 0));
    AddProperty(CODIntProperty(OD_PROP_HORZ_ALIGNMENT, kDefaultHorizontal));
    AddProperty(CODIntProperty(OD_PROP_VERT_ALIGNMENT, kDefaultVertical));
    SetPointCount(kBoxCorners);
}

CODTextComponent::CODTextComponent(const CODTextComponent& other)
    : CODPointComponent(other), m_strText(other.m_strText)
{
}

CODTextComponent::~CODTextComponent() = default;

std::unique_ptr<CODComponent> CODTextComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODTextComponent(*this));
}

bool CODTextComponent::Create(const CPoint& point, CDC* pDC)
{
    SetBoxPoints(CRect(point.x, point.y, point.x, point.y));
    FinishCreate();
    SizeToText(kSizeCentre, pDC, true);
    return true;
}

bool CODTextComponent::Create(const CRect& rect, CDC* /*pDC*/)
{
    SetBoxPoints(rect);
    FinishCreate();
    return true;
}

bool CODTextComponent::SetText(const std::string& strText)
{
    if (strText.size() > kMaxTextLength)
        return false;
    m_strText = strText;
    return true;
}

unsigned CODTextComponent::GetTextFlags() const
{
    unsigned flags = static_cast<unsigned>(ValueOf(*this, OD_PROP_HORZ_ALIGNMENT, 0)) & kHorizontalBits;
    flags |= static_cast<unsigned>(ValueOf(*this, OD_PROP_VERT_ALIGNMENT, 0)) & kVerticalBits;
    if (ValueOf(*this, OD_PROP_WORDBREAK, 0) == 1)
        flags |= kWordBreak;
    if (ValueOf(*this, OD_PROP_MULTILINE, 0) == 0)
        flags |= kSingleLine;
    return flags;
}

int CODTextComponent::BoxAngle() const
{
    if (m_worldPoints.size() < 2)
        return 0;
    return AngleBetween(m_worldPoints[0].x, m_worldPoints[0].y, m_worldPoints[1].x, m_worldPoints[1].y);
}

CRect CODTextComponent::UprightBox(int nAngle) const
{
    std::vector<POINT> corners = m_worldPoints;
    if (nAngle != 0) {
        const CPoint centre = GetAnchorPoint(kCentreAnchor);
        CODTransform upright;
        upright.RotateAbout(static_cast<float>(-nAngle), static_cast<float>(centre.x), static_cast<float>(centre.y), 1, 1);
        upright.TransformPoints(corners.data(), static_cast<int>(corners.size()));
    }
    if (corners.empty())
        return CRect();
    CRect box(corners[0].x, corners[0].y, corners[0].x, corners[0].y);
    for (const POINT& p : corners)
        box = CRect(std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x), std::max(box.bottom, p.y));
    return box;
}

CRect CODTextComponent::LayoutRect(int nAngle, const CRect& margins) const
{
    CRect rect = UprightBox(nAngle);
    const CSize insets = GetPenInsets();
    rect.InflateRect(-insets.cx, -insets.cy);
    return CRect(rect.left + margins.left, rect.top + margins.top, rect.right - margins.right,
                 rect.bottom - margins.bottom);
}

std::vector<CODTextComponent::Line> CODTextComponent::SplitLines(const CDC& dc, unsigned flags, int nWrapWidth) const
{
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    const auto measure = [&](std::string_view text) { return dc.GetTextExtent(std::string(text)).cx; };
    std::vector<Line> lines;
    const auto add = [&](std::string_view text) {
        lines.push_back(Line{text, text.empty() ? 1 : measure(text), metrics.tmHeight});
    };
    const std::string_view all(m_strText);
    if (flags & kSingleLine) {
        add(all);
        return lines;
    }
    const bool wrap = (flags & kWordBreak) && nWrapWidth > 0;
    const auto addWrapped = [&](std::string_view piece) {
        if (!wrap) {
            add(piece);
            return;
        }
        // Words are measured as they are added: a line ends before the word
        // that would make it wider than the box, but always takes one word.
        std::size_t lineStart = 0;
        std::size_t lineEnd = std::string_view::npos;
        int width = 0;
        for (std::size_t wordStart = piece.find_first_not_of(' '); wordStart != std::string_view::npos;
             wordStart = piece.find_first_not_of(' ', wordStart)) {
            const std::size_t wordEnd = std::min(piece.find(' ', wordStart), piece.size());
            if (lineEnd == std::string_view::npos) {
                width = measure(piece.substr(lineStart, wordEnd - lineStart));
            } else {
                const int wider = width + measure(piece.substr(lineEnd, wordEnd - lineEnd));
                if (wider > nWrapWidth) {
                    add(piece.substr(lineStart, lineEnd - lineStart));
                    lineStart = wordStart;
                    width = measure(piece.substr(wordStart, wordEnd - wordStart));
                } else {
                    width = wider;
                }
            }
            lineEnd = wordEnd;
            wordStart = wordEnd;
        }
        add(lineEnd == std::string_view::npos ? piece : piece.substr(lineStart, lineEnd - lineStart));
    };
    for (std::size_t start = 0;;) {
        const std::size_t end = all.find_first_of("\r\n", start);
        addWrapped(all.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + (all[end] == '\r' && end + 1 < all.size() && all[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

CSize CODTextComponent::MeasureText(CDC* pDC)
{
    const MeasuringContext dc(pDC, *this);
    const int angle = BoxAngle();
    const std::vector<Line> lines = SplitLines(*dc, GetTextFlags(), LayoutRect(angle, MarginsOf(*dc)).Width());
    CSize size;
    for (const Line& line : lines) {
        size.cx = std::max<std::int32_t>(size.cx, line.width);
        size.cy += line.height;
    }
    return size;
}

void CODTextComponent::SizeToText(int nMode, CDC* pDC, bool bAlways)
{
    if ((!bAlways && ValueOf(*this, OD_PROP_AUTOSIZE, 1) == 0) || GetPointCount() != kBoxCorners)
        return;
    const MeasuringContext dc(pDC, *this);
    const CSize text = MeasureText(&*dc);
    const CRect margins = MarginsOf(*dc);
    const CSize insets = GetPenInsets();
    const CRect box = GetBoxRect();
    const int neededWidth = (GetTextFlags() & kWordBreak)
        ? box.Width()
        : text.cx + margins.left + margins.right + 2 * insets.cx;
    const int neededHeight = text.cy + margins.top + margins.bottom + 2 * insets.cy;
    const auto fit = [&](std::int32_t& start, std::int32_t& end, int needed) {
        const int size = end - start;
        if (!bAlways && size >= needed)
            return;
        if (nMode == kSizeCentre)
            start += (size - needed) / 2;
        end = start + needed;
    };
    CRect sized = box;
    fit(sized.left, sized.right, neededWidth);
    fit(sized.top, sized.bottom, neededHeight);
    SetBoxPoints(sized);
    UpdateBounds(pDC);
}

CRect CODTextComponent::GetTextRect() const
{
    return UprightBox(BoxAngle());
}

void CODTextComponent::SetTextRect(const CRect& rect)
{
    if (GetPointCount() != kBoxCorners)
        return;
    std::array<POINT, kBoxCorners> corners = {{{rect.left, rect.top}, {rect.right, rect.top},
                                               {rect.right, rect.bottom}, {rect.left, rect.bottom}}};
    if (const int angle = BoxAngle(); angle != 0) {
        const CPoint centre = GetAnchorPoint(kCentreAnchor);
        CODTransform turn;
        turn.RotateAbout(static_cast<float>(angle), static_cast<float>(centre.x), static_cast<float>(centre.y), 1, 1);
        turn.TransformPoints(corners.data(), kBoxCorners);
    }
    const CODTransform toWorld = GetAccumulatedTransform();
    if (!toWorld.IsIdentity())
        for (POINT& corner : corners)
            toWorld.InverseTransformPoint(corner.x, corner.y);
    SetPoints(corners.data(), kBoxCorners);
    UpdateBounds();
}

CRect CODTextComponent::GetTextMargins(CDC* pDC)
{
    const MeasuringContext dc(pDC, *this);
    return MarginsOf(*dc);
}

CSize CODTextComponent::GetPenInsets() const
{
    const auto* line = dynamic_cast<const CODLineProperties*>(GetProperty(OD_PROP_LINE, true));
    if (!line)
        return CSize();
    const int width = line->GetPen()->GetLogPen().lopnWidth.x;
    return CSize(width, width);
}

void CODTextComponent::OnDraw(CDC* pDC)
{
    DrawOutlinePolygon(pDC);
    if (m_bOutlineOnly || m_bEditing || GetPointCount() != kBoxCorners)
        return;
    const int saved = pDC->SaveDC();
    const int angle = BoxAngle();
    const int escapement = kFullTurn - angle;
    const LOGFONT& current = pDC->GetCurrentFont()->GetLogFont();
    if ((current.lfEscapement - escapement) % kFullTurn != 0) {
        LOGFONT turned = current;
        turned.lfEscapement = escapement;
        turned.lfOrientation = escapement;
        pDC->SelectObject(CFont::CreateFontIndirect(turned));
    }
    const CRect rect = LayoutRect(angle, MarginsOf(*pDC));
    const unsigned flags = GetTextFlags();
    const std::vector<Line> lines = SplitLines(*pDC, flags, rect.Width());
    int total = 0;
    for (const Line& line : lines)
        total += line.height;
    int y = rect.top;
    if (flags & kSingleLine) {
        if ((flags & kVerticalBits) == kAlignVCentre)
            y = rect.top + (rect.bottom - rect.top - total) / 2;
        else if ((flags & kVerticalBits) == kAlignBottom)
            y = rect.bottom - total;
    }

    pDC->SetBkMode(TRANSPARENT);
    std::vector<POINT> clip = m_worldPoints;
    pDC->LPtoDP(clip.data(), static_cast<int>(clip.size()));
    const HRGN region = CRgn::CreatePolygonRgn(clip.data(), static_cast<int>(clip.size()), WINDING);
    pDC->ExtSelectClipRgn(region.get(), RGN_AND);

    const CPoint centre = GetAnchorPoint(kCentreAnchor);
    CODTransform turn;
    turn.RotateAbout(static_cast<float>(angle), static_cast<float>(centre.x), static_cast<float>(centre.y), 1, 1);
    for (const Line& line : lines) {
        int x = rect.left;
        if ((flags & kHorizontalBits) == kAlignCentre)
            x = rect.left + (rect.right - line.width - rect.left) / 2;
        else if ((flags & kHorizontalBits) == kAlignRight)
            x = rect.right - line.width;
        POINT at{x, y};
        if (angle != 0)
            turn.TransformPoints(&at, 1);
        pDC->TextOut(at.x, at.y, std::string(line.text));
        y += line.height;
    }
    // Back to the caller's clip, background mode, font and colour.
    pDC->RestoreDC(saved);
}

const char* CODTextComponent::GetTypeText() const
{
    return "Text";
}

void CODTextComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    ar.SerializeSchema(kSchema);
    if (ar.IsStoring())
        ar.WriteString(m_strText);
    else if (!SetText(ar.ReadString()))
        ar.Fail("a text too long to lay out");
    CODPointComponent::Serialize(ar);
}
