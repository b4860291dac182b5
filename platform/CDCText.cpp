#include "platform/CDC.h"

#include "platform/CFont.h"
#include "platform/DCSurface.h"
#include "platform/FontRealization.h"
#include "platform/QtText.h"

#include <QFont>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// The size SVG text is set in before its frame scales it to the realized size.
constexpr double kSvgFontPixels = 100.0;

}  // namespace

bool CDC::TextOut(int x, int y, const std::string& text)
{
    const FontRealization& font = m_surface->state.font->Realize();
    const TEXTMETRIC& metrics = font.Metrics();
    QList<quint32> glyphs;
    std::vector<int> advances;
    font.Layout(QtText::Decode(text), glyphs, advances);
    QList<QPointF> positions;
    int width = 0;
    for (int advance : advances) {
        positions.append(QPointF(width, 0));
        width += advance;
    }
    const DCState& state = m_surface->state;
    const unsigned horizontal = state.textAlign & TA_CENTER;
    const unsigned vertical = state.textAlign & TA_BASELINE;
    const int left = horizontal == TA_CENTER ? -width / 2 : horizontal == TA_RIGHT ? -width : 0;
    const int baseline = vertical == TA_BASELINE ? 0 : vertical == TA_BOTTOM ? -metrics.tmDescent : metrics.tmAscent;

    QPainter* p = m_surface->Begin(false);
    if (!p)
        return m_surface->Target() == nullptr;
    // Text stays upright whichever way the mapping turns the axes: it is
    // placed in device space, scaled by the mapping's magnitude.
    const QTransform mapping = m_surface->Mapping();
    const QPointF origin = mapping.map(QPointF(x, y));
    QTransform frame;
    frame.translate(origin.x(), origin.y());
    frame.rotate(-state.font->GetLogFont().lfEscapement / 10.0);
    frame.scale(std::abs(mapping.m11()), std::abs(mapping.m22()));
    p->setWorldTransform(frame);
    if (state.bkMode == OPAQUE)
        p->fillRect(QRect(left, baseline - metrics.tmAscent, width, metrics.tmHeight), DCSurface::Colour(state.bkColour));
    if (glyphs.isEmpty())
        return true;
    const bool underline = state.font->GetLogFont().lfUnderline != 0;
    const bool strikeOut = state.font->GetLogFont().lfStrikeOut != 0;
    if (p->paintEngine() && p->paintEngine()->type() == QPaintEngine::SVG) {
        // SVG files have no glyph runs: the text goes as text, in the face and
        // size realized here (scaled by the frame, as a font size is whole pixels).
        const QRawFont& raw = font.RawFont();
        QFont face(raw.familyName());
        face.setPixelSize(kSvgFontPixels);
        face.setWeight(static_cast<QFont::Weight>(raw.weight()));
        face.setStyle(raw.style());
        face.setUnderline(underline);
        face.setStrikeOut(strikeOut);
        const double scale = raw.pixelSize() / kSvgFontPixels;
        p->translate(left, baseline);
        p->scale(scale, scale);
        p->setFont(face);
        p->setPen(DCSurface::Colour(state.textColour));
        p->drawText(QPointF(0, 0), QtText::Decode(text));
        return true;
    }
    QGlyphRun run;
    run.setRawFont(font.RawFont());
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(underline);
    run.setStrikeOut(strikeOut);
    p->setPen(DCSurface::Colour(state.textColour));
    p->drawGlyphRun(QPointF(left, baseline), run);
    return true;
}

SIZE CDC::GetTextExtent(const std::string& text) const
{
    return m_surface->state.font->Realize().Extent(text);
}

bool CDC::GetTextMetrics(TEXTMETRIC* metrics) const
{
    if (!metrics)
        return false;
    *metrics = m_surface->state.font->Realize().Metrics();
    return true;
}
