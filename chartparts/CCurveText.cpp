#include "chartparts/CCurveText.h"

#include "engine/CODFillProperties.h"
#include "engine/CODLineProperties.h"
#include "engine/ODHelpers.h"
#include "engine/TransformStack.h"
#include "platform/Arithmetic.h"
#include "platform/CDC.h"
#include "platform/CFont.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int kFullTurn = 3600;
constexpr int kQuarterTurn = 900;
constexpr int kHalfTurn = 1800;
constexpr int kDegreesInCircle = 360;
constexpr int kCentreAnchor = 8;
// Each character advances by the angle whose tangent is this many widths over the radius.
constexpr double kAdvanceFactor = 1.35;
constexpr const char* kDefaultText = "Curve Text";
constexpr int kChordFrom = 9;
constexpr int kChordTo = 0;

const double kRoot2 = std::sqrt(2.0);
const double kK1 = (8.0 - kRoot2) / 6.0;
const double kK2 = (7.0 * kRoot2 - 8.0) / 6.0;

CRect EnclosingRect(const std::vector<POINT>& points)
{
    if (points.empty())
        return CRect();
    CRect r(points[0].x, points[0].y, points[0].x, points[0].y);
    for (const POINT& p : points)
        r = CRect(std::min(r.left, p.x), std::min(r.top, p.y), std::max(r.right, p.x), std::max(r.bottom, p.y));
    return r;
}

// The characters of the text: whole UTF-8 sequences when the text is UTF-8,
// else single bytes, so a non-ASCII letter is set as one character.
std::vector<std::string> Characters(const std::string& text)
{
    std::vector<std::string> characters;
    const bool utf8 = TextCodec::IsUtf8(text);
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        if (utf8)
            while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
                ++length;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

}  // namespace

CCurveText::CCurveText()
{
    SetText(kDefaultText);
    SetPointCount(kCurvePoints);
}

CCurveText::CCurveText(const CCurveText& other) = default;

CCurveText::~CCurveText() = default;

std::unique_ptr<CODComponent> CCurveText::Clone() const
{
    return std::unique_ptr<CODComponent>(new CCurveText(*this));
}

bool CCurveText::Create(const CRect& rect, CDC* /*pDC*/)
{
    CreateCurve(rect.left, rect.top, rect.right, rect.bottom);
    FinishCreate();
    return true;
}

void CCurveText::CreateCurve(int left, int top, int right, int bottom)
{
    const double rx = (right - left) * 0.5;
    const double ry = (bottom - top) * 0.5;
    const double cx = left + rx;
    const double cy = top + ry;
    // Offsets from the centre in units of the radii, point 0 first.
    const double a = 1.0 / kRoot2;
    const std::array<std::array<double, 2>, kCurvePoints> unit = {{
        {a, a}, {kK1, kK2}, {kK1, -kK2}, {a, -a}, {kK2, -kK1}, {-kK2, -kK1}, {-a, -a},
        {-kK1, -kK2}, {-kK1, kK2}, {-a, a}, {-kK2, kK1}, {kK2, kK1}, {a, a},
    }};
    std::array<POINT, kCurvePoints> points;
    for (std::size_t i = 0; i < unit.size(); ++i)
        points[i] = POINT{RoundHalfAwayFromZero(cx + unit[i][0] * rx), RoundHalfAwayFromZero(cy + unit[i][1] * ry)};
    SetPoints(points.data(), kCurvePoints);
    UpdateBounds();
}

int CCurveText::ChordAngle() const
{
    if (GetPointCount() != kCurvePoints)
        return 0;
    const POINT from = GetWorldPoint(kChordFrom);
    const POINT to = GetWorldPoint(kChordTo);
    return ((AngleBetween(from.x, from.y, to.x, to.y) % kFullTurn) + kFullTurn) % kFullTurn;
}

int CCurveText::CharacterRadius() const
{
    std::vector<POINT> transformed = m_points;
    const CODTransform accumulated = TransformStack::Depth() > 0 && TransformStack::Top()
        ? *TransformStack::Top()
        : GetAccumulatedTransform();
    accumulated.TransformPoints(transformed.data(), static_cast<int>(transformed.size()));
    const CRect extent = EnclosingRect(transformed);
    return (extent.right - extent.left) / 2;
}

CCurveText::Placement CCurveText::PlaceCharacters(CDC* pDC, bool bDraw)
{
    const int saved = pDC->SaveDC();
    const int h = ChordAngle() / -2;
    const int startDegrees = ((kHalfTurn - h) / 10) % kDegreesInCircle;
    double theta = startDegrees * kOdPi / 180.0;

    const HFONT original = pDC->GetCurrentFont();
    LOGFONT logFont = original ? original->GetLogFont() : LOGFONT{};

    float cx = 0.0f;
    float cy = 0.0f;
    GetAnchorPoint(kCentreAnchor, cx, cy);
    CODTransform turn;
    turn.RotateAbout(static_cast<float>(-h), cx, cy, 1, 1);

    const int r = CharacterRadius();

    const int previousMode = pDC->SetBkMode(TRANSPARENT);
    const int icx = RoundHalfAwayFromZero(cx);
    const int icy = RoundHalfAwayFromZero(cy);
    Placement placement;
    placement.centre = POINT{icx, icy};

    std::vector<std::string> characters = Characters(GetText());
    characters.emplace_back();  // the pass after the last character
    for (const std::string& c : characters) {
        const int w = c.empty() ? 0 : pDC->GetTextExtent(c).cx;
        if (original)
            pDC->SelectObject(original);
        const POINT onCircle{RoundHalfAwayFromZero(std::cos(theta) * r + icx),
                             RoundHalfAwayFromZero(std::sin(theta) * r + icy)};
        const POINT at = turn.TransformPoint(onCircle);
        placement.end = at;
        theta += std::atan2(kAdvanceFactor * w, static_cast<double>(r));
        const int d = (AngleBetween(at.x, at.y, icx, icy) - kQuarterTurn) / 10;
        const int escapement = RoundHalfAwayFromZero(-kOdPi / 2.0 - d * 10);
        logFont.lfEscapement = escapement;
        logFont.lfOrientation = escapement;
        pDC->SelectObject(CFont::CreateFontIndirect(logFont));
        if (bDraw && !c.empty())
            pDC->TextOut(at.x, at.y, c);
    }
    if (original)
        pDC->SelectObject(original);
    pDC->SetBkMode(previousMode);
    pDC->SelectClipRgn(nullptr);
    pDC->RestoreDC(saved);
    return placement;
}

void CCurveText::OnDraw(CDC* pDC)
{
    if (GetPointCount() != kCurvePoints)
        return;
    const auto* line = dynamic_cast<const CODLineProperties*>(GetProperty(OD_PROP_LINE, true));
    const auto* fill = dynamic_cast<const CODFillProperties*>(GetProperty(OD_PROP_FILL, true));
    if ((line && !line->GetTransparent()) || (fill && !fill->GetTransparent())) {
        pDC->BeginPath();
        pDC->PolyBezier(m_worldPoints.data(), kCurvePoints);
        pDC->EndPath();
        pDC->StrokeAndFillPath();
    }
    // While it is edited the editor shows the text: the ring stays, its letters wait.
    if (m_bOutlineOnly || IsEditing())
        return;
    PlaceCharacters(pDC, true);
}

int CCurveText::MeasureSweep(CDC* pDC)
{
    if (!pDC || GetPointCount() != kCurvePoints)
        return 0;
    // In the context's own font: the caller scales the result to the text's font.
    const Placement placement = PlaceCharacters(pDC, false);
    int sweep = AngleBetween(placement.end.x, placement.end.y, placement.centre.x, placement.centre.y) + kFullTurn
        - ChordAngle();
    if (sweep > kFullTurn)
        sweep -= kFullTurn;
    return std::abs(sweep);
}

void CCurveText::SetBounds(const CRect& /*rect*/)
{
}

CRect CCurveText::GetTextRect() const
{
    std::vector<POINT> points = m_worldPoints;
    const int angle = ChordAngle();
    if (angle != 0) {
        const CPoint centre = GetAnchorPoint(kCentreAnchor);
        CODTransform back;
        back.RotateAbout(static_cast<float>(-angle), static_cast<float>(centre.x), static_cast<float>(centre.y), 1, 1);
        back.TransformPoints(points.data(), static_cast<int>(points.size()));
    }
    return EnclosingRect(points);
}

CRect CCurveText::CurveRect() const
{
    // The points reach k1 times the radii beyond the centre; halves of the
    // rectangle's size come back through the centre of the points.
    const CRect extent = EnclosingRect(m_points);
    const int width = RoundHalfAwayFromZero(extent.Width() / kK1);
    const int height = RoundHalfAwayFromZero(extent.Height() / kK1);
    const int left = RoundHalfAwayFromZero((extent.left + extent.right) * 0.5 - width * 0.5);
    const int top = RoundHalfAwayFromZero((extent.top + extent.bottom) * 0.5 - height * 0.5);
    return CRect(left, top, left + width, top + height);
}

std::array<CPoint, CCurveText::kHandleCount> CCurveText::GetHandles() const
{
    const CRect e = EnclosingRect(m_points);
    const int mx = e.left + (e.right - e.left) / 2;
    const int my = e.top + (e.bottom - e.top) / 2;
    std::array<POINT, kHandleCount> handles = {{{mx, e.top}, {e.right, my}, {mx, e.bottom}, {e.left, my}}};
    const CODTransform toModel = GetAccumulatedTransform();
    std::array<CPoint, kHandleCount> result;
    for (std::size_t i = 0; i < handles.size(); ++i)
        result[i] = CPoint(toModel.TransformPoint(handles[i]));
    return result;
}

bool CCurveText::MoveHandle(int nHandle, int dx, int dy)
{
    if (nHandle < 0 || nHandle >= kHandleCount)
        return false;
    // The offset in the curve's own axes: through the inverse of the linear part.
    CODTransform linear = GetAccumulatedTransform();
    linear.dx = 0.0f;
    linear.dy = 0.0f;
    int localX = dx;
    int localY = dy;
    linear.InverseTransformPoint(localX, localY);
    CRect rect = CurveRect();
    switch (nHandle) {
    case 0:
        rect.left += localY;
        rect.top += localY;
        break;
    case 1:
        rect.right += localX;
        rect.bottom += localX;
        break;
    case 2:
        rect.right += localY;
        rect.bottom += localY;
        break;
    default:
        rect.left += localX;
        rect.top += localX;
        break;
    }
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return false;
    CreateCurve(rect.left, rect.top, rect.right, rect.bottom);
    return true;
}
